#include "reportcomposer.h"

#include "atomicfile.h"
#include "emailaddress.h"
#include "hostinfo.h"
#include "mimeattachment.h"
#include "mimemessage.h"
#include "mimesink.h"
#include "mimetext.h"
#include "smtpdataencoder.h"

#include <QFile>

namespace ReportComposer {

QString productVersion(const QString &hostPath)
{
    QString version = HostInfo::fileVersionTrimmed(hostPath);
    if (HostInfo::isX64Executable(hostPath))
        version += QStringLiteral(" x64");
    return version;
}

QString versionChoice(const QString &comboText)
{
    if (comboText.contains(QLatin1String("version"), Qt::CaseInsensitive))
        return QString();
    return comboText;
}

QString composeReportBody(const ReportForm &form, const ReportContext &context)
{
    // Support reads these labels by eye and by script: they are written
    // exactly, full-width colon included where it appears.
    const QChar lf = QLatin1Char('\n');
    QString text;
    text += QStringLiteral("产品名：") + context.productName + lf;
    text += QStringLiteral("客户邮箱: ") + form.customerEmail.trimmed() + lf;
    text += QStringLiteral("产品版本号：") + productVersion(context.hostPath) + lf;
    text += QStringLiteral("注册邮箱: ") + context.userEmail + lf;
    if (context.showVersion) {
        if (context.systemIsIos) {
            text += QStringLiteral("iOS版本号：") + versionChoice(form.iosVersion) + lf;
            text += QStringLiteral("iTunes版本号：") + form.iTunesVersion + lf;
        } else {
            text += QStringLiteral("手机厂商: ") + form.phoneBrand + lf;
            text += QStringLiteral("手机型号: ") + form.phoneModel + lf;
            text += QStringLiteral("安卓版本: ") + versionChoice(form.androidVersion) + lf;
        }
    }
    text += QStringLiteral("Windows版本号：") + form.windowsVersion + lf;
    text += QStringLiteral("Content: ") + form.comment;
    return text;
}

bool needsQuotedPrintable(const QByteArray &text)
{
    int length = 0;
    for (const char c : text) {
        length = (c == '\n' || c == '\r') ? 0 : length + 1;
        if (length > MaxLineOctets || c == '\0')
            return true;
    }
    return false;
}

std::unique_ptr<MimeMessage> buildReportMessage(const MailSettings &settings,
                                                const ReportContext &context, MimeText *body,
                                                const QStringList &attachmentFiles)
{
    auto message = std::make_unique<MimeMessage>(true);
    // setSender and addRecipient make the message the addresses' parent.
    message->setSender(new EmailAddress(settings.senderAccount, settings.senderAccount));
    message->addRecipient(new EmailAddress(settings.recipientAddress, context.recipientName),
                          MimeMessage::To);
    message->setSubject(context.mailSubject);
    // RFC 5322 2.1.1: a line holds at most 998 octets, and servers refuse
    // mail with longer 8bit lines. A comment written as one long paragraph
    // goes out quoted-printable instead, whose soft line breaks keep every
    // byte of it; so does one with a NUL pasted in, which it escapes.
    if (needsQuotedPrintable(body->text().toUtf8()))
        body->setEncoding(MimePart::EncQuotedPrintable);
    message->addPart(body);
    for (const QString &path : attachmentFiles) {
        // The multipart does not own its parts; the message (as Qt parent)
        // releases the attachments, and each attachment its file.
        auto *attachment = new MimeAttachment(new QFile(path));
        attachment->setParent(message.get());
        message->addPart(attachment);
    }
    return message;
}

std::unique_ptr<MimeMessage> buildKeptMessage(const KeptReport &report, const MailSettings &settings,
                                              MimeText *body)
{
    ReportContext context;
    context.mailSubject = report.mailSubject;
    context.recipientName = report.recipientName;
    body->setText(report.body);
    auto message = buildReportMessage(settings, context, body, report.files);
    // The same id as the first attempt, so a copy that did arrive after all
    // is recognised as the same report.
    message->setMessageId(report.messageId);
    // The copies have names of their own; the mail announces the originals'.
    const QList<MimePart *> parts = message->parts();
    for (int i = 1; i < parts.size(); ++i)
        parts.at(i)->setContentName(report.fileNames.value(i - 1));
    return message;
}

namespace {

class FileSink : public MimeSink
{
public:
    explicit FileSink(QSaveFile &file) : m_file(file) {}
    bool write(const QByteArray &bytes) override
    {
        QByteArray out;
        m_encoder.encode(bytes, out);
        return m_file.write(out) == out.size();
    }

private:
    QSaveFile &m_file;
    SmtpDataEncoder m_encoder{false};
};

} // namespace

bool writeMailFile(MimeMessage &message, const QString &path)
{
    AtomicFile file(path, AtomicFile::Kind::Shared);
    if (!file.open())
        return false;
    FileSink sink(file);
    return message.writeTo(sink) && sink.write(QByteArrayLiteral("\r\n")) && file.commit();
}

bool writeKeptMailFile(const KeptReport &report, const MailSettings &settings, const QString &path)
{
    MimeText body;
    const std::unique_ptr<MimeMessage> message = buildKeptMessage(report, settings, &body);
    return writeMailFile(*message, path);
}

} // namespace ReportComposer
