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
    char name[] = "TEST-0";
    XRRMonitorInfo monitor{};
    for (int used = 0; display && *monitors; monitors += used, ++name[5]) {
        if (std::sscanf(monitors, "%dx%d+%d+%d%n", &monitor.width, &monitor.height, &monitor.x, &monitor.y, &used) != 4)
            return false;
        monitor.primary = monitors[used] == '*';
        used += monitor.primary + (monitors[used + monitor.primary] == ',');
        monitor.name = XInternAtom(display, name, False);
        XRRSetMonitor(display, RootWindow(display, DefaultScreen(display)), &monitor);
    }
    if (display)
        XCloseDisplay(display); // flushes the requests
    return display;
}
