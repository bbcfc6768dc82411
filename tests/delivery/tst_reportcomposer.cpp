// The report body, byte for byte, and the message built around it.
#include "emailaddress.h"
#include "mimeattachment.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "reportcomposer.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ReportForm)
Q_DECLARE_METATYPE(ReportContext)

namespace {

ReportForm sampleForm()
{
    ReportForm form;
    form.customerEmail = QStringLiteral("user@example.test");
    form.comment = QStringLiteral("It crashed.");
    form.iosVersion = QStringLiteral("17.2");
    form.androidVersion = QStringLiteral("14");
    form.windowsVersion = QStringLiteral("Windows 10 Pro");
    form.iTunesVersion = QStringLiteral("12.13.1.3");
    form.phoneBrand = QStringLiteral("Brand");
    form.phoneModel = QStringLiteral("Model X");
    return form;
}

ReportContext sampleContext()
{
    ReportContext context;
    context.appDir = QStringLiteral("/nonexistent");
    context.productName = QStringLiteral("PhotoTool");
    context.userEmail = QStringLiteral("registered@example.test");
    context.hostPath = QStringLiteral("/nonexistent/PhotoTool.exe");
    context.mailSubject = QStringLiteral("PhotoTool Win Feedback");
    context.recipientName = QStringLiteral("support");
    return context;
}

QByteArray utf8(const char *text)
{
    return QByteArray(text);
}

} // namespace

class TestReportComposer : public QObject
{
    Q_OBJECT

private slots:
    void body_data();
    void body();
    void productVersion_data();
    void productVersion();
    void message();
    void messageWithoutArchives();
    void overlongLine_data();
    void overlongLine();
};

void TestReportComposer::body_data()
{
    QTest::addColumn<ReportForm>("form");
    QTest::addColumn<ReportContext>("context");
    QTest::addColumn<QByteArray>("expected");

    const ReportForm form = sampleForm();
    const ReportContext ios = sampleContext();
    // The four lines every body with the sample values starts with.
    const QByteArray head = utf8("产品名：PhotoTool\n客户邮箱: user@example.test\n产品版本号：\n注册邮箱: registered@example.test\n");

    QTest::newRow("ios-block")
        << form << ios
        << head + utf8("iOS版本号：17.2\niTunes版本号：12.13.1.3\nWindows版本号：Windows 10 Pro\nContent: It crashed.");

    ReportContext android = ios;
    android.systemIsIos = false;
    QTest::newRow("android-block")
        << form << android
        << head + utf8("手机厂商: Brand\n手机型号: Model X\n安卓版本: 14\nWindows版本号：Windows 10 Pro\nContent: It crashed.");

    ReportContext hidden = ios;
    hidden.showVersion = false;
    QTest::newRow("show-version-false")
        << form << hidden
        << head + utf8("Windows版本号：Windows 10 Pro\nContent: It crashed.");

    ReportForm placeholder = form;
    placeholder.iosVersion = QStringLiteral("iOS Version:");
    QTest::newRow("ios-placeholder")
        << placeholder << ios
        << head + utf8("iOS版本号：\niTunes版本号：12.13.1.3\nWindows版本号：Windows 10 Pro\nContent: It crashed.");

    ReportForm androidPlaceholder = form;
    androidPlaceholder.androidVersion = QStringLiteral("Android VERSION:");
    androidPlaceholder.phoneBrand.clear();
    QTest::newRow("android-placeholder-any-case")
        << androidPlaceholder << android
        << head + utf8("手机厂商: \n手机型号: Model X\n安卓版本: \nWindows版本号：Windows 10 Pro\nContent: It crashed.");

    ReportForm translated = form;
    translated.iosVersion = QStringLiteral("iOS-Versionsnummer");
    QTest::newRow("placeholder-inside-word")
        << translated << ios
        << head + utf8("iOS版本号：\niTunes版本号：12.13.1.3\nWindows版本号：Windows 10 Pro\nContent: It crashed.");

    ReportForm blanks = form;
    blanks.customerEmail = QStringLiteral("  \t user@example.test \n");
    blanks.comment = QStringLiteral("line one\r\nline two\nthree\r\n.\r\nQUIT\n");
    QTest::newRow("trimmed-address-comment-unchanged")
        << blanks << hidden
        << head + utf8("Windows版本号：Windows 10 Pro\nContent: line one\r\nline two\nthree\r\n.\r\nQUIT\n");

    ReportForm empty;
    ReportContext bare;
    bare.showVersion = false;
    QTest::newRow("all-empty")
        << empty << bare
        << utf8("产品名：\n客户邮箱: \n产品版本号：\n注册邮箱: \nWindows版本号：\nContent: ");

    ReportForm markup = form;
    markup.comment = QStringLiteral("<b>&amp; %1 \\ 密码 😀</b>");
    QTest::newRow("comment-not-escaped")
        << markup << hidden
        << head + utf8("Windows版本号：Windows 10 Pro\nContent: <b>&amp; %1 \\ 密码 😀</b>");
}

void TestReportComposer::body()
{
    QFETCH(ReportForm, form);
    QFETCH(ReportContext, context);
    QFETCH(QByteArray, expected);
    QCOMPARE(ReportComposer::composeReportBody(form, context).toUtf8(), expected);
}

void TestReportComposer::productVersion_data()
{
    QTest::addColumn<QString>("hostPath");
    QTest::addColumn<QString>("expected");

    // ELF files carry no version number here; only the x64 rule shows.
    QTest::newRow("64-bit-executable") << QCoreApplication::applicationFilePath() << QStringLiteral(" x64");
    QTest::newRow("32-bit-executable") << QStringLiteral("elf32") << QString();
    QTest::newRow("text-file") << QStringLiteral("text") << QString();
    QTest::newRow("missing-path") << QStringLiteral("/nonexistent/host.exe") << QString();
    QTest::newRow("empty-path") << QString() << QString();
}

void TestReportComposer::productVersion()
{
    QFETCH(QString, hostPath);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QByteArray elf32("\x7f" "ELF\x01\x01\x01", 7);
    elf32.append(QByteArray(9, '\0'));
    elf32.append(QByteArray("\x02\x00\x03\x00", 4)); // executable, i386
    elf32.append(QByteArray(44, '\0'));
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/elf32"), elf32));
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/text"), "just text, long enough to read a header from it"));
    if (hostPath == QLatin1String("elf32") || hostPath == QLatin1String("text"))
        hostPath = dir.path() + QLatin1Char('/') + hostPath;

    QCOMPARE(ReportComposer::productVersion(hostPath), expected);
    ReportContext context = sampleContext();
    context.hostPath = hostPath;
    const QString body = ReportComposer::composeReportBody(sampleForm(), context);
    QVERIFY(body.contains(QStringLiteral("\n产品版本号：") + expected + QLatin1Char('\n')));
}

void TestReportComposer::message()
{
    QTemporaryDir dir;
    const QString first = dir.path() + QStringLiteral("/log.zip");
    QVERIFY(TestSupport::writeFile(first, "zip one"));
    const QString missing = dir.path() + QStringLiteral("/gone.zip");

    MailSettings settings;
    settings.senderAccount = QStringLiteral("sender@example.test");
    settings.recipientAddress = QStringLiteral("support@example.test");
    MimeText body(QStringLiteral("text"));

    QList<QPointer<MimePart>> attachments;
    QPointer<EmailAddress> senderAddress;
    {
        const std::unique_ptr<MimeMessage> message =
            ReportComposer::buildReportMessage(settings, sampleContext(), &body, {first, missing});
        QCOMPARE(message->sender()->address(), settings.senderAccount);
        QCOMPARE(message->sender()->name(), settings.senderAccount);
        QCOMPARE(message->recipients(MimeMessage::To).size(), 1);
        QCOMPARE(message->recipients(MimeMessage::To).at(0)->address(), settings.recipientAddress);
        QCOMPARE(message->recipients(MimeMessage::To).at(0)->name(), QStringLiteral("support"));
        QVERIFY(message->recipients(MimeMessage::Cc).isEmpty());
        QVERIFY(message->recipients(MimeMessage::Bcc).isEmpty());
        QVERIFY(!message->replyTo());
        QCOMPARE(message->subject(), QStringLiteral("PhotoTool Win Feedback"));

        const QList<MimePart *> parts = message->parts();
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts.at(0), &body);
        QVERIFY(qobject_cast<MimeAttachment *>(parts.at(1)));
        QVERIFY(qobject_cast<MimeAttachment *>(parts.at(2)));
        attachments << parts.at(1) << parts.at(2);
        senderAddress = message->sender();

        const QString text = message->toString();
        QVERIFY(text.contains(QStringLiteral("Content-Type: multipart/related")));
        QVERIFY(text.contains(QStringLiteral("name=\"log.zip\"")));
        QVERIFY(text.contains(QString::fromLatin1(QByteArray("zip one").toBase64())));
        QVERIFY(text.contains(QStringLiteral("name=\"gone.zip\"")));
    }
    // The message released its attachments and addresses; the body stays ours.
    for (const QPointer<MimePart> &attachment : attachments)
        QVERIFY(attachment.isNull());
    QVERIFY(senderAddress.isNull());
    QCOMPARE(body.text(), QStringLiteral("text"));
}

void TestReportComposer::messageWithoutArchives()
{
    MimeText body(QStringLiteral("only text"));
    const std::unique_ptr<MimeMessage> message =
        ReportComposer::buildReportMessage(MailSettings(), sampleContext(), &body, {});
    QCOMPARE(message->parts(), QList<MimePart *>{&body});
}

void TestReportComposer::overlongLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("overlong");
    const QByteArray limit(998, 'a');
    QTest::newRow("998-octets-fit") << limit << false;
    QTest::newRow("999-octets-too-long") << limit + 'a' << true;
    QTest::newRow("lf-starts-a-new-line") << limit + '\n' + limit << false;
    QTest::newRow("cr-starts-a-new-line") << limit + '\r' + limit << false;
    QTest::newRow("long-last-line") << QByteArray("short\n") + limit + 'a' << true;
    // Octets count, not characters: 500 two-octet characters are 1000 octets.
    QTest::newRow("utf8-octets") << QString(500, QChar(0x00e9)).toUtf8() << true;
    QTest::newRow("nul-is-no-8bit-data") << QByteArray("a\0b", 3) << true;
}

void TestReportComposer::overlongLine()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, overlong);
    QCOMPARE(ReportComposer::needsQuotedPrintable(text), overlong);

    // Such a body goes out quoted-printable; any other stays 8bit.
    MimeText body(QString::fromUtf8(text.constData(), text.size()));
    const auto message = ReportComposer::buildReportMessage(MailSettings(), ReportContext(), &body, {});
    QCOMPARE(body.encoding(), overlong ? MimePart::EncQuotedPrintable : MimePart::Enc8Bit);
}

QTEST_GUILESS_MAIN(TestReportComposer)
#include "tst_reportcomposer.moc"
