#include "reportdelivery.h"

#include "deliverylog.h"
#include "deployment.h"
#include "mailsettings.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "reportcomposer.h"
#include "reportpackaging.h"
#include "smtpclient.h"

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
    MimeText body;
    composeReportBody(body);
    if (!packageAttachments())
        return OtherFailure;
    return deliverReport(body);
}

void ReportDelivery::fetchMailSettings()
{
    // A failed download keeps the settings as they are; the delivery then
    // tries them and normally fails at connection or login.
    QByteArray document;
    if (downloadDocument(m_settingsUrl, &document, m_downloadTimeout))
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
    if (m_connectTimeout >= 0)
        client.setConnectionTimeout(m_connectTimeout);
    if (m_responseTimeout >= 0)
        client.setResponseTimeout(m_responseTimeout);
    if (m_sendTimeout >= 0)
        client.setSendMessageTimeout(m_sendTimeout);

    if (!client.connectToHost()) {
        log(client.responseCode(), QString());
        return NetworkFailure;
    }
    if (!client.login()) {
        log(client.responseCode(), QStringLiteral("NDNAME"));
        return OtherFailure;
    }

    const std::unique_ptr<MimeMessage> message =
        ReportComposer::buildReportMessage(m_settings, m_context, &body, m_attachmentFiles);
    if (!client.sendMail(*message)) {
        log(client.responseCode(), QString());
        return OtherFailure;
    }
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
