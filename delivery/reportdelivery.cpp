#include "reportdelivery.h"

#include "deliverylog.h"
#include "deployment.h"
#include "mailsettings.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "reportcomposer.h"
#include "reportpackaging.h"
#include "smtpclient.h"

#include <QScopeGuard>

ReportDelivery::ReportDelivery(const ReportForm &form, const ReportContext &context,
                               const MailSettings &settings)
    : m_form(form)
    , m_context(context)
    , m_settings(settings)
    , m_settingsUrl(Deployment::mailSettingsUrl())
{
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
    fetchMailSettings();
    if (m_aborted)
        return Cancelled;
    MimeText body;
    composeReportBody(body);
    if (!packageAttachments())
        return m_aborted ? Cancelled : OtherFailure;
    return deliverReport(body);
}

void ReportDelivery::abort()
{
    m_aborted = true;
    QMutexLocker lock(&m_clientMutex);
    if (m_client)
        m_client->abort();
}

void ReportDelivery::fetchMailSettings()
{
    // A failed download keeps the settings as they are; the delivery then
    // tries them and normally fails at connection or login.
    QByteArray document;
    if (downloadDocument(m_settingsUrl, &document, m_downloadTimeout, &m_aborted))
        parseMailSettings(QString::fromUtf8(document), m_context.productId, m_context.feedbackMode,
                          m_settings);
}

void ReportDelivery::composeReportBody(MimeText &body)
{
    body.setText(ReportComposer::composeReportBody(m_form, m_context));
}

bool ReportDelivery::packageAttachments()
{
    return ReportPackaging::packageAttachments(m_form, m_context.appDir, m_context.feedbackMode,
                                               m_attachmentFiles);
}

int ReportDelivery::deliverReport(MimeText &body)
{
    if (m_aborted)
        return Cancelled;
    log(0, QStringLiteral("Send to Email Start."));
    event(QStringLiteral("Feedback_Start_Send_to_Email"));

    bool isNumber = false;
    int type = 1; // empty: TLS from the first byte
    if (!m_settings.connectType.isEmpty()) {
        type = m_settings.connectType.toInt(&isNumber);
        if (!isNumber)
            type = 0;
    }
    const int port = m_settings.smtpPort.toInt();

    // An unknown connection type gives no socket to connect with; it ends
    // like a connection that could not be made, before any reply was read.
    if (type < SmtpClient::PlainTcp || type > SmtpClient::StartTls) {
        log(0, QString());
        return NetworkFailure;
    }

    SmtpClient client(m_settings.smtpHost, port, SmtpClient::ConnectionType(type));
    client.setUser(m_settings.senderAccount);
    client.setPassword(m_settings.senderPassword);
    client.setTraceEnabled(Deployment::smtpTrace());
    client.setVerifyPeer(Deployment::smtpVerifyPeer());
    if (m_connectTimeout >= 0)
        client.setConnectionTimeout(m_connectTimeout);
    if (m_responseTimeout >= 0)
        client.setResponseTimeout(m_responseTimeout);
    if (m_sendTimeout >= 0)
        client.setSendMessageTimeout(m_sendTimeout);

    // From here abort() reaches the client; the registration ends before the
    // client goes away, whichever way this returns.
    {
        QMutexLocker lock(&m_clientMutex);
        m_client = &client;
    }
    const auto unregister = qScopeGuard([this] {
        QMutexLocker lock(&m_clientMutex);
        m_client = nullptr;
    });
    if (m_aborted)
        client.abort();

    // A step that failed because of abort() is no failure to log.
    const auto failure = [this, &client](Outcome outcome, const QString &message) {
        if (m_aborted)
            return int(Cancelled);
        log(client.responseCode(), message);
        return int(outcome);
    };
    if (!client.connectToHost())
        return failure(NetworkFailure, QString());
    if (!client.login())
        return failure(OtherFailure, QStringLiteral("NDNAME"));

    const std::unique_ptr<MimeMessage> message =
        ReportComposer::buildReportMessage(m_settings, m_context, &body, m_attachmentFiles);
    // An address with a control character is refused by the client before
    // any command carries it; that ends here like any refused submission.
    if (!client.sendMail(*message))
        return failure(OtherFailure, QString());
    client.quit();
    event(QStringLiteral("Feedback_Sent_to_Email"));
    log(0, QStringLiteral("Send to Email Success."));
    return Submitted;
}

void ReportDelivery::log(int code, const QString &message) const
{
    DeliveryLog::writeFeedbackLog(m_context.appDir, code, message);
}

void ReportDelivery::event(const QString &action) const
{
    if (m_analytics)
        m_analytics(action);
}
