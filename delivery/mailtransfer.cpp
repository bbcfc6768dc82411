#include "mailtransfer.h"

#include "deployment.h"
#include "mimemessage.h"
#include "reportdelivery.h"
#include "smtpclient.h"

namespace MailTransfer {

int send(const MailSettings &settings, const Timeouts &timeouts, const Build &build, const Log &log)
{
    bool isNumber = false;
    int type = 1; // empty: TLS from the first byte
    if (!settings.connectType.isEmpty()) {
        type = settings.connectType.toInt(&isNumber);
        if (!isNumber)
            type = 0;
    }
    const int port = settings.smtpPort.toInt();

    // An unknown connection type gives no socket to connect with; it ends
    // like a connection that could not be made, before any reply was read.
    if (type < SmtpClient::PlainTcp || type > SmtpClient::StartTls) {
        log(0, QString());
        return ReportDelivery::NetworkFailure;
    }

    SmtpClient client(settings.smtpHost, port, SmtpClient::ConnectionType(type));
    client.setUser(settings.senderAccount);
    client.setPassword(settings.senderPassword);
    client.setTraceEnabled(Deployment::smtpTrace());
    if (timeouts.connectMs >= 0)
        client.setConnectionTimeout(timeouts.connectMs);
    if (timeouts.responseMs >= 0)
        client.setResponseTimeout(timeouts.responseMs);
    if (timeouts.sendMs >= 0)
        client.setSendMessageTimeout(timeouts.sendMs);

    if (!client.connectToHost()) {
        log(client.responseCode(), QString());
        return ReportDelivery::NetworkFailure;
    }
    if (!client.login()) {
        log(client.responseCode(), QStringLiteral("NDNAME"));
        return ReportDelivery::OtherFailure;
    }

    const std::unique_ptr<MimeMessage> message = build();
    if (!client.sendMail(*message)) {
        log(client.responseCode(), QString());
        return ReportDelivery::OtherFailure;
    }
    client.quit();
    return ReportDelivery::Submitted;
}

} // namespace MailTransfer
