#include "smtpreplyreader.h"

#include <QIODevice>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

SmtpReplyReader::SmtpReplyReader(qint64 maxBytes)
    : m_maxBytes(maxBytes)
{
}

SmtpReplyReader::Step SmtpReplyReader::readLine(QIODevice &device)
{
    if (!device.canReadLine())
        return m_bytes + device.bytesAvailable() > m_maxBytes ? TooLong : NeedMore;
    // Never more than the rest of the allowance plus one byte (to notice it
    // was exceeded), so an endless line is not copied whole. readLine(n)
    // takes at most n - 1 bytes.
    m_line = device.readLine(m_maxBytes - m_bytes + 2);
    m_bytes += m_line.size();
    if (m_bytes > m_maxBytes)
        return TooLong;
    const bool numeric = m_line.size() >= 3 && isDigit(m_line[0]) && isDigit(m_line[1]) && isDigit(m_line[2]);
    m_code = numeric ? (m_line[0] - '0') * 100 + (m_line[1] - '0') * 10 + (m_line[2] - '0') : 0;
    const QByteArray rest = m_line.mid(3);
    const bool final = (m_line.size() >= 4 && m_line[3] == ' ')
        || (numeric && (rest == "\r\n" || rest == "\n"));
    return final ? Final : Continued;
}
