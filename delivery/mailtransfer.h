#pragma once

#include "reportdata.h"

#include <QString>

#include <functional>
#include <memory>

class AbortSwitch;
class MimeMessage;

// One message over SMTP: connect, log in, send, quit. Shared by the first
// delivery of a report and by every later attempt from the outbox; each
// passes its own log, so an attempt from the outbox never writes entries
// that read like a first delivery.
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
    // Set when the message was larger than the server takes: nothing was
    // sent, and the same message would be refused again.
    bool refusedForSize = false;
};

// (reply code, message) of a failed step; "NDNAME" marks a refused login.
using Log = std::function<void(int code, const QString &message)>;
// Builds the message once the login succeeded.
using Build = std::function<std::unique_ptr<MimeMessage>()>;

// ReportDelivery::Submitted when the server accepted the message (250 to
// the final dot), NetworkFailure when no dialogue could be set up (the
// server's certificate did not verify, when that is asked for, included),
// OtherFailure when the login or the transaction was refused, Cancelled when
// the switch stopped it (nothing is logged then). A message larger than the
// server's announced limit is an OtherFailure, logged like any refused one.
int send(const MailSettings &settings, const Timeouts &timeouts, const Build &build, const Log &log,
         AbortSwitch *abortSwitch = nullptr, Watch *watch = nullptr);

} // namespace MailTransfer
