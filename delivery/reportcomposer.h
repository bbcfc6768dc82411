#pragma once

#include "reportdata.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class MimeMessage;
class MimeText;

// The report mail: a plain-text body with one labelled line per fact and the
// user's comment, wrapped in a multipart/related message with the archives.
namespace ReportComposer {

// The host product's file version, plus " x64" for a 64-bit executable.
QString productVersion(const QString &hostPath);

// A version list still on its caption ("iOS Version:" and the like) counts as
// no choice.
QString versionChoice(const QString &comboText);

QString composeReportBody(const ReportForm &form, const ReportContext &context);

// Longest line SMTP servers take in a message (RFC 5322 2.1.1), line end excluded.
constexpr int MaxLineOctets = 998;
// Whether the text cannot go as 8bit: it holds a line longer than
// MaxLineOctets, or a NUL (RFC 2045 2.8: 8bit data holds none).
bool needsQuotedPrintable(const QByteArray &text);

// The body goes quoted-printable when needsQuotedPrintable(); otherwise it
// stays 8bit text as composed.
// The message owns its addresses and attachments; the body part stays the
// caller's and must outlive the message.
std::unique_ptr<MimeMessage> buildReportMessage(const MailSettings &settings,
                                                const ReportContext &context, MimeText *body,
                                                const QStringList &attachmentFiles);

// A kept report's mail: its body, files and Message-ID, with the sender and
// recipient of the given settings. The body part is filled and stays the
// caller's, as above.
std::unique_ptr<MimeMessage> buildKeptMessage(const KeptReport &report, const MailSettings &settings,
                                              MimeText *body);

// Writes the message as the SMTP data would carry it, before dot-stuffing:
// every line ending CR LF, the text followed by one CR LF. The file appears
// whole under its name or not at all.
bool writeMailFile(MimeMessage &message, const QString &path);
// A kept report's mail written so ("Save report as file").
bool writeKeptMailFile(const KeptReport &report, const MailSettings &settings, const QString &path);

} // namespace ReportComposer
