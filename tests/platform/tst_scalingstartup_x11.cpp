// Publishes an X resource database on the test's X server, as a desktop does
// when it sets its scaling. Kept apart from Qt code because of Xlib's macros.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

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
