#pragma once

#include <QString>

// Values written into header fields.
namespace MimeHeader {

// RFC 5322 2.2: a field ends at CR LF, so a CR or LF inside a value (a subject
// made from a path, a file name, a display name) would end the field and start
// one of its own; they become blanks.
inline QString value(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

// RFC 2045 5.1 and RFC 5322 3.2.4: a parameter value in double quotes, a quote
// or backslash in it written as a quoted pair.
inline QString quoted(const QString &text)
{
    QString out = value(text);
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

} // namespace MimeHeader
