// Screen metrics from the X server. Kept apart from other sources because
// Xlib's macros (None, Bool, Status, Unsorted...) clash with Qt names.
#include "hostplatform.h"
#include "scalingdecision.h"

#include <QtNumeric>

#ifdef FEEDBACK_HAVE_X11
#include <X11/Xlib.h>
#endif

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
    metrics.width = DisplayWidth(display, screen);
    metrics.height = DisplayHeight(display, screen);
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
