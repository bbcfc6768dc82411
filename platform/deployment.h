#pragma once

#include <QString>
#include <QUrl>

// The maker's deployment values. Each has a compiled-in default (CMake cache
// variable) and can be overridden at run time by an environment variable, so
// tests and the demo can point the program at local servers.
namespace Deployment {

// FEEDBACK_DOWNLOAD_BASE: scheme://host[:port] of the download server.
QString downloadBase();
// <download base>/files/public/emailinfo.xml
QUrl mailSettingsUrl();
// <download base>/files/public/FeedbackDownloadUrl.json
QUrl versionListUrl();
// FEEDBACK_ANALYTICS_BASE: collection URL up to and including "tid=<id>".
QString analyticsBase();
// FEEDBACK_SMTP_HOST: SMTP host used until the mail settings name another.
QString smtpHost();
// FEEDBACK_SUPPORT_MAILBOX: built-in support mailbox.
QString supportMailbox();
// FEEDBACK_SMTP_TRACE=1: the SMTP dialogue goes to the debug output.
bool smtpTrace();
// FEEDBACK_SMTP_VERIFY_PEER: whether the SMTP server's certificate must verify
// against the system's certificate store (1/on/true/yes; anything else is off).
bool smtpVerifyPeer();
// FEEDBACK_MASK_LOGS: whether "mask them in the sent copy" starts ticked
// (same truth values).
bool maskLogsByDefault();

} // namespace Deployment
