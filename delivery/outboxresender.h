#pragma once

#include "mailtransfer.h"
#include "outbox.h"
#include "reportdata.h"

#include <QList>
#include <QString>
#include <QUrl>

class QTextStream;

// Sends the reports of an outbox again. Each run fetches the mail settings
// anew and rebuilds every mail from its kept parts (same body, files and
// Message-ID) with the sender and recipient those settings give for the
// report's product and mode. When the settings cannot be fetched, the
// fallback account is used if there is one; otherwise the reports wait.
// An entry is removed only after the server accepted its mail, or refused it
// as larger than it takes (which it would do again).
class OutboxResender
{
public:
    enum Status { Sent, Waiting, Gone };
    struct Result
    {
        QString id;
        Status status = Waiting;
        QString reason;
        // "sent <id>", "waiting <id>: <reason>" or "gone <id>: <reason>"
        QString line() const;
    };

    explicit OutboxResender(const Outbox &outbox);

    // The account given on the command line of the current start; its
    // server is the built-in one unless the settings say otherwise.
    void setFallback(const MailSettings &settings) { m_fallback = settings; }
    void setSettingsUrl(const QUrl &url) { m_settingsUrl = url; } // default Deployment::mailSettingsUrl()
    void setDownloadTimeout(int ms) { m_downloadTimeout = ms; }
    void setSmtpTimeouts(const MailTransfer::Timeouts &timeouts) { m_timeouts = timeouts; }

    // One attempt at every entry, oldest first.
    QList<Result> sendPending();

    // The --send-pending command: one line per report on out; 0 when the
    // outbox is empty afterwards, 1 otherwise. The fallback account comes
    // from FEEDBACK_SENDER_ACCOUNT, FEEDBACK_SENDER_PASSWORD and
    // FEEDBACK_RECIPIENT when the window that started it set them.
    static int runCommand(QTextStream &out);
    // Starts that command as a process of its own, handing it the fallback
    // account through its environment (never on disk, never in arguments
    // that other users can list). False when it could not be started.
    static bool startDetached(const QString &program, const MailSettings &fallback);

private:
    Result resend(const OutboxEntry &entry, const QByteArray *settingsDocument);

    Outbox m_outbox;
    MailSettings m_fallback;
    QUrl m_settingsUrl;
    int m_downloadTimeout = 30000;
    MailTransfer::Timeouts m_timeouts;
};
