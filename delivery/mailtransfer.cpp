#include "mailtransfer.h"

#include "abortswitch.h"
#include "deployment.h"
#include "mimemessage.h"
#include "reportdelivery.h"
#include "smtpclient.h"

#include <QScopeGuard>

namespace MailTransfer {

int send(const MailSettings &settings, const Timeouts &timeouts, const Build &build, const Log &log,
         AbortSwitch *abortSwitch, Watch *watch)
{
    if (watch && watch->connecting)
        watch->connecting();
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
    client.setVerifyPeer(Deployment::smtpVerifyPeer());
    if (timeouts.connectMs >= 0)
        client.setConnectionTimeout(timeouts.connectMs);
    if (timeouts.responseMs >= 0)
        client.setResponseTimeout(timeouts.responseMs);
    if (timeouts.sendMs >= 0)
        client.setSendMessageTimeout(timeouts.sendMs);
    if (watch) {
        // Both run on this thread, inside the client's calls.
        if (watch->progress)
            QObject::connect(&client, &SmtpClient::messageProgress, watch->progress);
        QObject::connect(&client, &SmtpClient::smtpError, [watch](SmtpClient::SmtpError error) {
            if (error == SmtpClient::ErrMessageTooLarge)
                watch->refusedForSize = true;
        });
    }

    // From here an abort reaches the client; it lets go of it before the
    // client goes away, whichever way this returns.
    if (abortSwitch)
        abortSwitch->attach(&client);
    const auto detach = qScopeGuard([abortSwitch] {
        if (abortSwitch)
            abortSwitch->detach();
    });
    // A step that failed because of an abort is no failure to log.
    const auto failure = [&](int outcome, const QString &message) {
        if (abortSwitch && abortSwitch->isAborted())
            return int(ReportDelivery::Cancelled);
        log(client.responseCode(), message);
        return outcome;
    };

    if (!client.connectToHost())
        return failure(ReportDelivery::NetworkFailure, QString());
    if (!client.login())
        return failure(ReportDelivery::OtherFailure, QStringLiteral("NDNAME"));

    // An address with a control character is refused by the client before
    // any command carries it; that ends here like any refused submission.
    const std::unique_ptr<MimeMessage> message = build();
    if (!client.sendMail(*message))
        return failure(ReportDelivery::OtherFailure, QString());
    client.quit();
    return ReportDelivery::Submitted;
}

} // namespace MailTransfer
