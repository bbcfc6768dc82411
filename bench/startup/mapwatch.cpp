// Launches a program and measures the time until its top-level window of a
// given size is mapped on the X server (MapNotify seen on the root window),
// until the window's centre shows something (its first paint), and the
// program's peak resident memory at the map and a little later.
// One launch per call; prints "<ms to map> <peak RSS KiB at map> <peak RSS KiB
// after settling> <ms to first paint>" and ends the program.
// Usage: bench_startup <width>x<height> <settle-ms> -- <program> [arguments...]
//        bench_startup --desktop   (gives the screen a wallpaper-like picture
//                                   that stays after this process ends)

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr double GiveUpMs = 20000;

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// A "VmHWM:   1234 kB" style line of /proc/<pid>/status, in KiB; -1 when absent.
long statusKb(pid_t pid, const char *field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::atol(line.c_str() + length + 1);
    }
    return -1;
}

// Windows come and go while we look at them; a vanished one is simply not ours.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

bool hasSize(Display *display, Window window, int width, int height)
{
    XWindowAttributes attributes {};
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    return attributes.width == width && attributes.height == height;
}

// Qt marks its windows with _NET_WM_PID; a window without the mark is not ruled out.
bool mayBelongTo(Display *display, Window window, pid_t pid)
{
    const Atom property = XInternAtom(display, "_NET_WM_PID", True);
    if (property == None)
        return true;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &remaining, &data) != Success
        || !data) {
        return true;
    }
    const bool same = format == 32 && count == 1 && pid_t(*reinterpret_cast<unsigned long *>(data)) == pid;
    XFree(data);
    return same;
}

// A smooth gradient with fine grain, like a photo wallpaper: the start-up
// screenshot then costs what it costs on a real desktop, not what a black
// screen costs. Kept as the root window's background after we exit.
int setDesktop()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const int screen = DefaultScreen(display);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);
    const Window root = RootWindow(display, screen);
    XImage *image = XCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen), ZPixmap,
                                 0, nullptr, width, height, 32, 0);
    if (!image)
        return 2;
    image->data = static_cast<char *>(std::malloc(size_t(image->bytes_per_line) * height));
    unsigned seed = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int grain = int((seed >> 16) % 25) - 12;
            const auto channel = [&](int base) { return unsigned(std::max(0, std::min(255, base + grain))); };
            const unsigned r = channel(40 + 120 * x / width);
            const unsigned g = channel(90 + 110 * y / height);
            const unsigned b = channel(140 + 90 * (x + y) / (width + height));
            XPutPixel(image, x, y, (r << 16) | (g << 8) | b);
        }
    }
    const Pixmap pixmap = XCreatePixmap(display, root, width, height, DefaultDepth(display, screen));
    XPutImage(display, pixmap, DefaultGC(display, screen), image, 0, 0, 0, 0, width, height);
    XDestroyImage(image);
    XSetWindowBackgroundPixmap(display, root, pixmap);
    XClearWindow(display, root);
    XSetCloseDownMode(display, RetainPermanent);
    XCloseDisplay(display);
    return 0;
}

// An unpainted window reads as zero (no background, nothing drawn yet).
bool centreDrawn(Display *display, Window window, int width, int height)
{
    XImage *pixel = XGetImage(display, window, width / 2, height / 2, 1, 1, AllPlanes, ZPixmap);
    if (!pixel)
        return false;
    const bool drawn = XGetPixel(pixel, 0, 0) != 0;
    XDestroyImage(pixel);
    return drawn;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--desktop") == 0)
        return setDesktop();
    int width = 0;
    int height = 0;
    if (argc < 5 || std::sscanf(argv[1], "%dx%d", &width, &height) != 2 || std::strcmp(argv[3], "--") != 0) {
        std::fprintf(stderr, "usage: %s <width>x<height> <settle-ms> -- <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[2]);
    char **command = argv + 4;

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }
    if (pid == 0) {
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }

    double mapped = -1;
    Window window = None;
    const int connection = ConnectionNumber(display);
    while (mapped < 0) {
        while (mapped < 0 && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify)
                continue;
            const double seen = nowMs();
            if (hasSize(display, event.xmap.window, width, height)
                && mayBelongTo(display, event.xmap.window, pid)) {
                mapped = seen - start;
                window = event.xmap.window;
            }
        }
        if (mapped >= 0)
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before a %dx%d window was mapped\n", command[0], width, height);
            return 1;
        }
        if (nowMs() - start > GiveUpMs) {
            std::fprintf(stderr, "no %dx%d window from %s within %.0f ms\n", width, height, command[0], GiveUpMs);
            stop(pid);
            return 1;
        }
        pollfd readable {connection, POLLIN, 0};
        poll(&readable, 1, 20);
    }

    const long peakAtMap = statusKb(pid, "VmHWM");
    double painted = -1;
    while (painted < 0 && nowMs() - start < GiveUpMs) {
        if (centreDrawn(display, window, width, height))
            painted = nowMs() - start;
        else
            usleep(1000);
    }
    usleep(useconds_t(settleMs) * 1000);
    const long peakLater = statusKb(pid, "VmHWM");
    stop(pid);
    XCloseDisplay(display);
    std::printf("%.1f %ld %ld %.1f\n", mapped, peakAtMap, peakLater, painted);
    return 0;
}
