#include "mailtransfer.h"

#include "abortswitch.h"
#include "deployment.h"
#include "mimemessage.h"
#include "smtpclient.h"

#include <QScopeGuard>

namespace MailTransfer {

Outcome send(const MailSettings &settings, const Timeouts &timeouts, const Build &build, AbortSwitch *abortSwitch,
             const Watch *watch)
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
    if (type < SmtpClient::PlainTcp || type > SmtpClient::StartTls)
        return {Result::NoDialogue, 0, QString()};

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
    // Both run on this thread, inside the client's calls.
    if (watch && watch->progress)
        QObject::connect(&client, &SmtpClient::messageProgress, watch->progress);
    bool tooLarge = false;
    QObject::connect(&client, &SmtpClient::smtpError, [&tooLarge](SmtpClient::SmtpError error) {
        if (error == SmtpClient::ErrMessageTooLarge)
            tooLarge = true;
    });

    // From here an abort reaches the client; it lets go of it before the
    // client goes away, whichever way this returns.
    if (abortSwitch)
        abortSwitch->attach(&client);
    const auto detach = qScopeGuard([abortSwitch] {
        if (abortSwitch)
            abortSwitch->detach();
    });
    // A step that failed because of an abort is no failure of that step.
    const auto failure = [&](Result result) -> Outcome {
        if (abortSwitch && abortSwitch->isAborted())
            return {Result::Cancelled, 0, QString()};
        return {result, client.responseCode(), client.responseText()};
    };

    if (!client.connectToHost())
        return failure(Result::NoDialogue);
    if (!client.login())
        return failure(Result::LoginRefused);

    // An address with a control character is refused by the client before
    // any command carries it; that ends here like any refused submission.
    const std::unique_ptr<MimeMessage> message = build();
    if (!client.sendMail(*message))
        return failure(tooLarge ? Result::RefusedForSize : Result::MailRefused);
    client.quit();
    return {Result::Submitted, 0, QString()};
}

} // namespace MailTransfer
