#pragma once

#include <QColor>
#include <QLatin1String>
#include <QString>

// What the lines the window adds beside its form share.

// Room the form keeps at its sides; the lines added beside it keep it too.
constexpr int FormSideMargin = 40;

// A link on such a line (Cancel, Discard, "What is sent?" ...): the target,
// and the text escaped, in the skin's link colour.
inline QString linkHtml(const char *target, const QString &text, const QColor &colour)
{
    return QStringLiteral("<a href=\"%1\"><span style=\"color:%2\">%3</span></a>")
        .arg(QLatin1String(target), colour.name(), text.toHtmlEscaped());
}
