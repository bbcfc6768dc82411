#pragma once

#include <QByteArray>
#include <QString>

// Small helpers shared by the mail tests.
namespace MailTest {

// The text without its Date line, which differs between two serialisations.
inline QByteArray withoutDate(QByteArray text)
{
    const int start = text.indexOf("\r\nDate: ");
    if (start >= 0)
        text.remove(start + 2, text.indexOf("\r\n", start + 2) - start);
    return text;
}

// The message text followed by the CR LF that ends it on the wire, with
// every line ending (CR LF, bare LF, bare CR) written as CR LF.
inline QByteArray crlfText(const QString &text)
{
    QByteArray bytes = (text + QStringLiteral("\r\n")).toUtf8();
    bytes.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    return bytes;
}

// Repeatable pseudo-random bytes; salt keeps the streams of two tests apart.
inline QByteArray bytesOf(int size, int seed, quint32 salt)
{
    QByteArray bytes(size, '\0');
    quint32 x = quint32(seed) * 2654435761u + salt;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = char(x >> 16);
    }
    return bytes;
}

} // namespace MailTest
