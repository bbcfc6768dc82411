#pragma once

#include <QByteArray>
#include <QRect>
#include <QVector>

#include <functional>
#include <optional>

// The display-scaling rules, free of any window-system call so that they can
// be checked with plain numbers.
namespace ScalingDecision {

// Below either logical size the screen counts as small and gets an exact
// scale factor instead of Qt's automatic scaling.
constexpr int SmallScreenWidth = 1280;
constexpr int SmallScreenHeight = 960;

struct Decision
{
    int logicalWidth = 0;
    int logicalHeight = 0;
    bool smallScreen = false;
    // Value for QT_SCALE_FACTOR ("1.500000"); empty when the variable is left alone.
    QByteArray scaleFactor;
    // Whether Qt::AA_EnableHighDpiScaling is turned on.
    bool enableHighDpiScaling = false;
};

struct Monitor
{
    QRect geometry;
    bool primary = false;
};

// The size the small-screen rule measures: that of the primary display, not
// of the whole desktop (a small laptop panel beside a large monitor is still
// small). Without a monitor marked primary, the one at the origin counts
// (where other systems keep their primary display), else the first one;
// without any monitor, the whole screen. Monitors without an area are skipped.
QSize primaryDisplaySize(const QVector<Monitor> &monitors, const QSize &screen);

// Reads the contents of the optional factor file; std::nullopt when it
// cannot be read. Only called for a small screen.
using FactorFileReader = std::function<std::optional<QByteArray>()>;

// Decides the scaling for a display of width x height physical pixels shown
// at the given scale (logical DPI / 96).
Decision decide(int width, int height, double scale, const FactorFileReader &readFactorFile);

// The number at the start of the factor file (leading white space skipped,
// anything after the number ignored). std::nullopt when the text does not
// begin with a finite decimal number.
std::optional<double> parseFactor(const QByteArray &text);

// screenScale() from the QT_SCALE_FACTOR value (std::nullopt when the
// variable is not set) and the measured DPI scale.
double screenScaleFor(const std::optional<QByteArray> &scaleFactorVariable, double dpiScale);

// The Xft.dpi value of an X resource database text; 0 when absent or invalid.
double xftDpiFromResources(const QByteArray &resources);

} // namespace ScalingDecision
