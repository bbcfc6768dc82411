#include "scalingdecision.h"

#include <QList>
#include <QRegularExpression>

#include <cmath>

namespace ScalingDecision {

Decision decide(int width, int height, double scale, const FactorFileReader &readFactorFile)
{
    // A scale below 100 % is not a thing we shrink to.
    const double s = (std::isfinite(scale) && scale >= 1.0) ? scale : 1.0;

    Decision decision;
    decision.logicalWidth = int(width / s);
    decision.logicalHeight = int(height / s);
    decision.smallScreen = decision.logicalWidth < SmallScreenWidth
                           || decision.logicalHeight < SmallScreenHeight;
    if (!decision.smallScreen) {
        decision.enableHighDpiScaling = true;
        return decision;
    }

    double factor = s;
    if (readFactorFile) {
        if (const std::optional<QByteArray> text = readFactorFile()) {
            // Only the first ten bytes of the file count.
            const std::optional<double> fromFile = parseFactor(text->left(10));
            if (fromFile && *fromFile >= 1.0)
                factor = *fromFile;
        }
    }
    decision.scaleFactor = QByteArray::number(factor, 'f', 6);
    return decision;
}

QSize primaryDisplaySize(const QVector<Monitor> &monitors, const QSize &screen)
{
    const Monitor *chosen = nullptr;
    for (const Monitor &monitor : monitors) {
        if (monitor.geometry.isEmpty())
            continue;
        if (monitor.primary)
            return monitor.geometry.size();
        if (!chosen || (monitor.geometry.topLeft().isNull() && !chosen->geometry.topLeft().isNull()))
            chosen = &monitor;
    }
    return chosen ? chosen->geometry.size() : screen;
}

std::optional<double> parseFactor(const QByteArray &text)
{
    // The C library's number syntax minus hexadecimal, infinities and NaN,
    // which make no sense as a scale factor.
    static const QRegularExpression number(QStringLiteral(
        "^[ \\t\\n\\x0B\\x0C\\r]*([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"));
    const QRegularExpressionMatch match = number.match(QString::fromLatin1(text));
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = match.captured(1).toLatin1().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double screenScaleFor(const std::optional<QByteArray> &scaleFactorVariable, double dpiScale)
{
    if (scaleFactorVariable) {
        bool ok = false;
        const double value = scaleFactorVariable->trimmed().toDouble(&ok);
        return (ok && std::isfinite(value)) ? value : 0.0;
    }
    // Rounds 125 % down and 150 % up.
    return double(int(dpiScale + 0.50001));
}

double xftDpiFromResources(const QByteArray &resources)
{
    const QList<QByteArray> lines = resources.split('\n');
    for (const QByteArray &line : lines) {
        const int colon = line.indexOf(':');
        if (colon < 0 || line.left(colon).trimmed() != "Xft.dpi")
            continue;
        bool ok = false;
        const double dpi = line.mid(colon + 1).trimmed().toDouble(&ok);
        return (ok && std::isfinite(dpi) && dpi > 0) ? dpi : 0.0;
    }
    return 0.0;
}

} // namespace ScalingDecision
