// Publishes an X resource database on the test's X server, as a desktop does
// when it sets its scaling. Kept apart from Qt code because of Xlib's macros.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdio>
#include <cstring>

bool publishXResources(const char *resources)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XChangeProperty(display, RootWindow(display, DefaultScreen(display)), XA_RESOURCE_MANAGER, XA_STRING, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char *>(resources), int(std::strlen(resources)));
    XSync(display, False);
    XCloseDisplay(display);
    return true;
}

// Adds monitors given as "WxH+X+Y" separated by commas, "*" after the primary.
bool setXMonitors(const char *monitors)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    bool ok = true;
    for (int index = 0; ok && *monitors; ++index) {
        XRRMonitorInfo monitor{};
        int used = 0;
        ok = std::sscanf(monitors, "%dx%d+%d+%d%n", &monitor.width, &monitor.height, &monitor.x, &monitor.y, &used) == 4;
        monitors += used;
        monitor.primary = *monitors == '*';
        monitors += monitor.primary ? 1 : 0;
        monitors += *monitors == ',' ? 1 : 0;
        char name[16];
        std::snprintf(name, sizeof name, "TEST-%d", index);
        monitor.name = XInternAtom(display, name, False);
        if (ok)
            XRRSetMonitor(display, RootWindow(display, DefaultScreen(display)), &monitor);
    }
    XSync(display, False);
    XCloseDisplay(display);
    return ok;
}
