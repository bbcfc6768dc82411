#include "quotedprintable.h"

QByteArray QuotedPrintable::encodeToLatin1(const char *data, int size)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(size * 3);
    for (int i = 0; i < size; ++i) {
        const uchar byte = uchar(data[i]);
        if ((byte >= 0x20 && byte <= 0x3C) || (byte >= 0x3E && byte <= 0x7E)) {
            out.append(char(byte));
        } else {
            out.append('=');
            out.append(hex[byte >> 4]);
            out.append(hex[byte & 0x0F]);
        }
    }
    return out;
}

QString QuotedPrintable::encode(const QByteArray &input)
{
    return QString::fromLatin1(encodeToLatin1(input.constData(), input.size()));
}

static int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    // Lower-case digits are read as well; anything else counts as nothing.
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return 0;
}

QByteArray QuotedPrintable::decode(const QString &input)
{
    QByteArray out;
    out.reserve(input.size());
    const int n = input.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = input.at(i);
        if (c.unicode() == '=' && i + 2 < n) {
            out.append(char(16 * hexValue(input.at(i + 1)) + hexValue(input.at(i + 2))));
            i += 2;
        } else {
            out.append(c.unicode() <= 0xFF ? char(c.unicode()) : char(0));
        }
    }
    return out;
}
