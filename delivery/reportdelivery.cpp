#include "reportdelivery.h"

#include "deliverylog.h"
#include "deployment.h"
#include "mailsettings.h"
#include "mailtransfer.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "reportcomposer.h"
#include "reportpackaging.h"

#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <cctype>
#include <utility>

ReportDelivery::ReportDelivery(const ReportForm &form, const ReportContext &context,
                               const MailSettings &settings)
    : m_form(form)
    , m_context(context)
    , m_settings(settings)
    , m_settingsUrl(Deployment::mailSettingsUrl())
{
}

ReportDelivery::~ReportDelivery() = default;

void ReportDelivery::setSupersedes(const QString &entryId, std::unique_ptr<QLockFile> lock)
{
    m_supersedes = entryId;
    m_supersededLock = std::move(lock);
}

void ReportDelivery::setSettingsUrl(const QUrl &url)
{
    m_settingsUrl = url;
}

void ReportDelivery::setAnalytics(std::function<void(const QString &)> analytics)
{
    m_analytics = std::move(analytics);
}

void ReportDelivery::setSmtpTimeouts(int connectMs, int responseMs, int sendMs)
{
    m_connectTimeout = connectMs;
    m_responseTimeout = responseMs;
    m_sendTimeout = sendMs;
}

void ReportDelivery::setDownloadTimeout(int ms)
{
    m_downloadTimeout = ms;
}

int ReportDelivery::run()
{
    m_attachmentFiles.clear();
    if (!takeOverSuperseded()) {
        m_outcome = isAborted() ? Cancelled : Submitted;
        return m_outcome;
    }
    fetchMailSettings();
    // A cancelled report goes no further; one the window closed under is
    // still packed, so that it can be kept.
    int outcome = Cancelled;
    if (!isCancelled()) {
        MimeText body;
        composeReportBody(body);
        const bool packed = packageAttachments();
        if (isCancelled())
            outcome = Cancelled;
        else if (!packed)
            outcome = OtherFailure;
        else
            finishReport(outcome = deliverReport(body));
    }
    m_outcome = outcome;
    return outcome;
}

// The kept copy this attempt replaces, under its lock. While another
// process holds it (a background resend of that copy), this waits for its
// outcome: false when that send got the copy accepted (or an abort came),
// so no second mail goes out.
bool ReportDelivery::takeOverSuperseded()
{
    if (!m_outbox || m_supersedes.isEmpty())
        return true;
    const std::optional<OutboxEntry> kept = m_outbox->find(m_supersedes);
    if (kept)
        m_messageId = kept->report.messageId;
    if (!m_supersededLock && !(m_supersededLock = m_outbox->tryLock(m_supersedes))) {
        step(WaitingForOtherSend);
        while (!(m_supersededLock = m_outbox->tryLock(m_supersedes))) {
            if (isAborted())
                return false;
            QThread::msleep(100);
        }
    }
    if (m_outbox->contains(m_supersedes))
        return true;
    // Nothing left to replace.
    m_supersededLock.reset();
    const QString id = std::exchange(m_supersedes, QString());
    return !m_outbox->wasSent(id);
}

void ReportDelivery::fetchMailSettings()
{
    // A failed download keeps the settings as they are; the delivery then
    // tries them and normally fails at connection or login.
    step(FetchingSettings);
    QByteArray document;
    if (downloadDocument(m_settingsUrl, &document, m_downloadTimeout, m_abort.flag()))
        parseMailSettings(QString::fromUtf8(document), m_context.productId, m_context.feedbackMode,
                          m_settings);
}

void ReportDelivery::composeReportBody(MimeText &body)
{
    body.setText(ReportComposer::composeReportBody(m_form, m_context));
}

bool ReportDelivery::packageAttachments()
{
    step(Packing);
    return ReportPackaging::packageAttachments(m_form, m_context.appDir, m_context.feedbackMode,
                                               m_attachmentFiles, m_abort.cancelFlag());
}

int ReportDelivery::deliverReport(MimeText &body)
{
    m_bodyText = body.text();
    if (m_messageId.isEmpty())
        m_messageId = MimeMessage::newMessageId(m_settings.senderAccount);
    if (isAborted())
        return Cancelled;
    log(0, QStringLiteral("Send to Email Start."));
    event(QStringLiteral("Feedback_Start_Send_to_Email"));

    const MailTransfer::Timeouts timeouts{m_connectTimeout, m_responseTimeout, m_sendTimeout};
    MailTransfer::Watch watch;
    watch.connecting = [this] { step(Connecting); };
    watch.progress = [this](qint64 sent, qint64 total) { step(Sending, sent, total); };
    const int outcome = MailTransfer::send(
        m_settings, timeouts,
        [&] {
            auto message = ReportComposer::buildReportMessage(m_settings, m_context, &body, m_attachmentFiles);
            message->setMessageId(m_messageId);
            return message;
        },
        [this](int code, const QString &message) { log(code, message); }, &m_abort, &watch);
    m_refusedForSize = watch.refusedForSize;
    if (outcome != Submitted)
        return outcome;
    event(QStringLiteral("Feedback_Sent_to_Email"));
    log(0, QStringLiteral("Send to Email Success."));
    return Submitted;
}

void ReportDelivery::finishReport(int outcome)
{
    if (!m_outbox || m_messageId.isEmpty())
        return;
    // A report refused before the mail step (an archive over the size
    // limit), or by the server as larger than it takes, would be refused
    // again, and is not kept; nor is a copy of it that would meet the same.
    const bool failed = outcome == NetworkFailure || outcome == OtherFailure;
    const bool interrupted = outcome == Cancelled && m_abort.keepsReport();
    if ((failed || interrupted) && !m_refusedForSize) {
        m_keptId = m_outbox->store(keptReport(), QDateTime::currentDateTimeUtc(), m_supersedes);
        m_keepFailed = m_keptId.isEmpty();
    }
    if (!m_supersedes.isEmpty() && (outcome == Submitted || !m_keptId.isEmpty() || m_refusedForSize)) {
        m_outbox->removeLocked(m_supersedes);
        m_outbox->log(QStringLiteral("removed %1: superseded by a new attempt").arg(m_supersedes));
    }
}

KeptReport ReportDelivery::keptReport() const
{
    KeptReport report;
    if (m_messageId.isEmpty())
        return report;
    report.messageId = m_messageId;
    report.body = m_bodyText;
    report.files = m_attachmentFiles;
    for (const QString &path : m_attachmentFiles)
        report.fileNames << QFileInfo(path).fileName();
    report.feedbackMode = m_context.feedbackMode;
    report.hostPath = m_context.hostPath;
    report.productId = m_context.productId;
    report.mailSubject = m_context.mailSubject;
    report.recipientName = m_context.recipientName;
    return report;
}

void ReportDelivery::log(int code, const QString &message) const
{
    DeliveryLog::writeFeedbackLog(m_context.appDir, code, message);
}

void ReportDelivery::step(Step step, qint64 sent, qint64 total) const
{
    if (m_progress)
        m_progress(step, sent, total);
}

QString ReportDelivery::referenceOf(const QString &messageId)
{
    // The id's random part comes before the "@".
    QString digits;
    for (const QChar c : messageId.left(messageId.indexOf(QLatin1Char('@')))) {
        if (digits.size() == 12)
            break;
        if (c.unicode() < 0x80 && std::isxdigit(c.unicode()))
            digits += c.toUpper();
    }
    QString reference;
    for (int i = 0; i < digits.size(); i += 4)
        reference += (i > 0 ? QStringLiteral("-") : QString()) + digits.mid(i, 4);
    return reference;
}

void ReportDelivery::event(const QString &action) const
{
    if (m_analytics)
        m_analytics(action);
}
