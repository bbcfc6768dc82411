#pragma once

#include <QByteArray>

// Turns message text into the form it takes between DATA and the final ".":
// every line ending (CR LF, a bare LF or a bare CR) becomes CR LF, and a line
// that begins with "." gets a second one (RFC 5321 4.5.2), so that a line of
// the message can never end the data early. The state carries over between
// pieces, so the text may be fed in any slices.
class SmtpDataEncoder
{
public:
    // Without dot-stuffing the output is the message as a mail file holds it.
    explicit SmtpDataEncoder(bool stuffDots = true) : m_stuffDots(stuffDots) {}
    void encode(const char *data, int size, QByteArray &out);
    void encode(const QByteArray &in, QByteArray &out) { encode(in.constData(), in.size(), out); }
    // Takes note of text that went out unchanged because it needed nothing
    // (plain lines, see MimeSink::writePlainLines).
    void passedUnchanged(const QByteArray &text);
    // Dots added so far: the wire form is longer than the message by this.
    qint64 stuffedDots() const { return m_stuffedDots; }

private:
    bool m_stuffDots;
    qint64 m_stuffedDots = 0;
    bool m_lineStart = true;
    bool m_afterCr = false;
};
