#pragma once

#include "reportdata.h"

#include <QString>

#include <functional>
#include <memory>

class AbortSwitch;
class MimeMessage;

// One message over SMTP: connect, log in, send, quit. Shared by the first
// delivery of a report and by every later attempt from the outbox; each
// reads the outcome and logs it its own way, so an attempt from the outbox
// never writes entries that read like a first delivery.
namespace MailTransfer {

struct Timeouts
{
    int connectMs = -1;  // -1: the SMTP client's own default
    int responseMs = -1;
    int sendMs = -1;
};

// What a caller may follow of one transfer; every member is optional.
struct Watch
{
    // Called once the connection is being set up.
    std::function<void()> connecting;
    // The message's bytes on their way, of its total (see SmtpClient::messageProgress).
    std::function<void(qint64 sent, qint64 total)> progress;
};

enum class Result {
    Submitted,       // the server accepted the message (250 to the final dot)
    NoDialogue,      // no dialogue could be set up (an unverified certificate, when checked, included)
    LoginRefused,    // the server refused the account
    MailRefused,     // the transaction was refused
    RefusedForSize,  // larger than the server takes: nothing was sent, and it would be refused again
    Cancelled,       // the switch stopped it
};

// How one transfer ended, with the server's last reply (code 0 and no text
// when none was read, and for Submitted and Cancelled).
struct Outcome
{
    Result result = Result::NoDialogue;
    int replyCode = 0;
    QString replyText;
};

// Builds the message once the login succeeded.
using Build = std::function<std::unique_ptr<MimeMessage>()>;

// A step that fails because the switch was thrown ends as Cancelled, not as
// a failure of that step.
Outcome send(const MailSettings &settings, const Timeouts &timeouts, const Build &build,
             AbortSwitch *abortSwitch = nullptr, const Watch *watch = nullptr);

} // namespace MailTransfer
