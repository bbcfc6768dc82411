// Screen metrics from the X server. Kept apart from other sources because
// Xlib's macros (None, Bool, Status, Unsorted...) clash with Qt names.
#include "hostplatform.h"
#include "scalingdecision.h"

#include <QtNumeric>

#ifdef FEEDBACK_HAVE_X11
#include <X11/Xlib.h>
#endif
#ifdef FEEDBACK_HAVE_XRANDR
#include <X11/extensions/Xrandr.h>
#endif

namespace {

#ifdef FEEDBACK_HAVE_X11
// The active monitors as XRandR reports them; empty without RandR 1.5.
QVector<ScalingDecision::Monitor> monitors(Display *display)
{
    QVector<ScalingDecision::Monitor> list;
#ifdef FEEDBACK_HAVE_XRANDR
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor)
        || major * 100 + minor < 105)
        return list;
    int count = 0;
    if (XRRMonitorInfo *info = XRRGetMonitors(display, DefaultRootWindow(display), True, &count)) {
        for (int i = 0; i < count; ++i)
            list.append({QRect(info[i].x, info[i].y, info[i].width, info[i].height), info[i].primary != 0});
        XRRFreeMonitors(info);
    }
#else
    Q_UNUSED(display)
#endif
    return list;
}
#endif

} // namespace

namespace HostPlatform {

ScreenMetrics screenMetrics()
{
    ScreenMetrics metrics;
#ifdef FEEDBACK_HAVE_X11
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return metrics;
    const int screen = DefaultScreen(display);
    metrics.available = true;
    // The X screen spans every monitor; the rule wants the primary display.
    const QSize size = ScalingDecision::primaryDisplaySize(
        monitors(display), QSize(DisplayWidth(display, screen), DisplayHeight(display, screen)));
    metrics.width = size.width();
    metrics.height = size.height();
    // Xft.dpi is the logical DPI desktops set for their scaling.
    if (const char *value = XGetDefault(display, "Xft", "dpi")) {
        bool ok = false;
        const double dpi = QByteArray(value).trimmed().toDouble(&ok);
        if (ok && qIsFinite(dpi) && dpi > 0)
            metrics.logicalDpi = dpi;
    }
    if (metrics.logicalDpi <= 0) {
        if (const char *resources = XResourceManagerString(display))
            metrics.logicalDpi = ScalingDecision::xftDpiFromResources(QByteArray(resources));
    }
    // Desktops that do not scale leave Xft.dpi unset: that is the standard 96.
    if (metrics.logicalDpi <= 0)
        metrics.logicalDpi = 96.0;
    XCloseDisplay(display);
#endif
    return metrics;
}

} // namespace HostPlatform
