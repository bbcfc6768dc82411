#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>

// The folding walk of MimeContentFormatter with its column counter kept
// between calls, so that a body can be folded piece by piece and still come
// out exactly as if it had been folded in one go.
class MimeLineFolder
{
public:
    MimeLineFolder(int maxLength, bool quotedPrintable)
        : m_maxLength(maxLength)
        , m_quotedPrintable(quotedPrintable)
    {
    }

    template <typename Text>
    void fold(const Text &in, Text &out)
    {
        const int n = in.size();
        out.reserve(out.size() + n + (n / qMax(1, m_maxLength - 1) + 2) * 3);
        int i = 0;
        if (!m_quotedPrintable && m_maxLength >= 1) {
            // Hard breaks only: copy whole runs up to the end of each line.
            while (i < n) {
                if (m_count >= m_maxLength) {
                    appendCrLf(out);
                    m_count = 0;
                }
                const int take = qMin(m_maxLength - m_count, n - i);
                out.append(in.constData() + i, take);
                m_count += take;
                i += take;
            }
            return;
        }
        for (; i < n; ++i) {
            const auto ch = in.at(i);
            ++m_count;
            if (!m_quotedPrintable) {
                if (m_count > m_maxLength) {
                    appendCrLf(out);
                    m_count = 1;
                }
            } else {
                if (is(ch, '\n')) {
                    out.append(ch);
                    m_count = 0;
                    continue;
                }
                if (m_count > m_maxLength - 1 || (is(ch, '=') && m_count > m_maxLength - 3)) {
                    appendSoftBreak(out);
                    m_count = 1;
                }
            }
            out.append(ch);
        }
    }

private:
    static bool is(char c, char x) { return c == x; }
    static bool is(QChar c, char x) { return c.unicode() == ushort(uchar(x)); }
    static void appendCrLf(QByteArray &out) { out.append("\r\n", 2); }
    static void appendCrLf(QString &out) { out.append(QLatin1String("\r\n", 2)); }
    static void appendSoftBreak(QByteArray &out) { out.append("=\r\n", 3); }
    static void appendSoftBreak(QString &out) { out.append(QLatin1String("=\r\n", 3)); }

    int m_maxLength;
    bool m_quotedPrintable;
    int m_count = 0;
};
