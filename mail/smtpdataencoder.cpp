#include "smtpdataencoder.h"

void SmtpDataEncoder::encode(const char *data, int size, QByteArray &out)
{
    const char *p = data;
    const char *const end = data + size;
    out.reserve(out.size() + size + size / 64 + 4);
    while (p < end) {
        const char c = *p;
        if (c == '\r') {
            out.append("\r\n", 2);
            m_afterCr = true;
            m_lineStart = true;
            ++p;
            continue;
        }
        if (c == '\n') {
            // The LF of a CR LF pair was written with its CR.
            if (!m_afterCr)
                out.append("\r\n", 2);
            m_afterCr = false;
            m_lineStart = true;
            ++p;
            continue;
        }
        m_afterCr = false;
        if (m_stuffDots && m_lineStart && c == '.') {
            out.append('.');
            ++m_stuffedDots;
        }
        m_lineStart = false;
        const char *q = p + 1;
        while (q < end && *q != '\r' && *q != '\n')
            ++q;
        out.append(p, int(q - p));
        p = q;
    }
}

void SmtpDataEncoder::passedUnchanged(const QByteArray &text)
{
    if (text.isEmpty())
        return;
    const char last = text.at(text.size() - 1);
    m_afterCr = last == '\r';
    m_lineStart = last == '\r' || last == '\n';
}
