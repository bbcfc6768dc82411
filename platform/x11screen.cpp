// Screen metrics from the X server. Kept apart from other sources because
// Xlib's macros (None, Bool, Status, Unsorted...) clash with Qt names.
#include "hostplatform.h"
#include "scalingdecision.h"

#include <QtNumeric>

#ifdef FEEDBACK_HAVE_X11
#include <X11/Xlib.h>
#endif
#ifdef FEEDBACK_HAVE_XSHM
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#endif

#ifdef FEEDBACK_HAVE_XSHM
namespace {

bool sharedMemoryRefused = false;

int noteRefusal(Display *, XErrorEvent *)
{
    sharedMemoryRefused = true;
    return 0;
}

// Qt's own grab copies the screen through the socket and then once more in
// memory; with a desktop-sized picture that is most of the start-up time.
// Here the server writes straight into a segment we keep as the image's data.
QImage grabThroughSharedMemory(Display *display, const QRect &area)
{
    const int screen = DefaultScreen(display);
    const QRect rect = area.intersected(QRect(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)));
    if (rect.isEmpty() || !XShmQueryExtension(display))
        return QImage();
    XShmSegmentInfo segment {};
    XImage *image = XShmCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen), ZPixmap,
                                    nullptr, &segment, rect.width(), rect.height());
    if (!image)
        return QImage();
    // Only the usual layout, which is QImage::Format_RGB32 as it lies in memory.
    const bool rgb32 = image->bits_per_pixel == 32 && image->depth == 24 && image->red_mask == 0xff0000
                       && image->green_mask == 0xff00 && image->blue_mask == 0xff
                       && image->byte_order == (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? LSBFirst : MSBFirst);
    const int bytesPerLine = image->bytes_per_line;
    segment.shmid = rgb32 ? shmget(IPC_PRIVATE, size_t(bytesPerLine) * size_t(rect.height()), IPC_CREAT | 0600) : -1;
    segment.shmaddr = segment.shmid < 0 ? reinterpret_cast<char *>(-1)
                                        : static_cast<char *>(shmat(segment.shmid, nullptr, 0));
    if (segment.shmaddr == reinterpret_cast<char *>(-1)) {
        if (segment.shmid >= 0)
            shmctl(segment.shmid, IPC_RMID, nullptr);
        XDestroyImage(image);
        return QImage();
    }
    image->data = segment.shmaddr;
    segment.readOnly = False;

    // A server that cannot reach the segment (another machine) answers with
    // an error event, not a failure code.
    XSync(display, False);
    sharedMemoryRefused = false;
    const XErrorHandler previous = XSetErrorHandler(noteRefusal);
    const bool attached = XShmAttach(display, &segment);
    bool read = attached && XShmGetImage(display, RootWindow(display, screen), image, rect.x(), rect.y(), AllPlanes);
    XSync(display, False);
    read = read && !sharedMemoryRefused;
    if (attached && !sharedMemoryRefused)
        XShmDetach(display, &segment);
    XSync(display, False);
    XSetErrorHandler(previous);
    // Marked for removal now: it goes when the image lets go of it.
    shmctl(segment.shmid, IPC_RMID, nullptr);
    XDestroyImage(image); // the structure only; the segment is ours
    if (!read) {
        shmdt(segment.shmaddr);
        return QImage();
    }
    return QImage(reinterpret_cast<uchar *>(segment.shmaddr), rect.width(), rect.height(), bytesPerLine,
                  QImage::Format_RGB32, [](void *address) { shmdt(address); }, segment.shmaddr);
}

} // namespace
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

QImage grabDesktop(const QRect &area)
{
    QImage image;
#ifdef FEEDBACK_HAVE_XSHM
    if (Display *display = XOpenDisplay(nullptr)) {
        image = grabThroughSharedMemory(display, area);
        XCloseDisplay(display);
    }
#else
    Q_UNUSED(area)
#endif
    return image;
}

} // namespace HostPlatform
