#pragma once

#include <QByteArray>

class QIODevice;

// Reads one SMTP reply (RFC 5321 4.2) from a device, a whole line at a time,
// and never takes a byte beyond the reply's last line: what follows it stays
// in the device, so the caller can tell a reply that came too early.
//
// A line is final when a blank follows its three characters, or when the line
// ends right after a bare three-digit code (some servers end so); a hyphen or
// anything else means more lines follow. A reply that grows beyond maxBytes
// without ending is refused.
class SmtpReplyReader
{
public:
    enum Step { NeedMore, Continued, Final, TooLong };

    explicit SmtpReplyReader(qint64 maxBytes);

    // Reads at most one line; NeedMore when no whole line is there yet.
    Step readLine(QIODevice &device);

    // The last line read, line ending included, and its code (0 when its
    // first three characters are not digits).
    const QByteArray &line() const { return m_line; }
    int code() const { return m_code; }

private:
    qint64 m_maxBytes;
    qint64 m_bytes = 0;
    QByteArray m_line;
    int m_code = 0;
};
