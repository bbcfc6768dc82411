// The desktop through GDI: copied into a DIB section at construction, so the
// picture is of the screen as it was then; take() lends the pixels to the image.
#include "hostplatform.h"
#include "windesktop.h"

#include <utility>

namespace HostPlatform {

struct DesktopGrab::Request
{
    Win32::DesktopPixels pixels;
};

DesktopGrab::DesktopGrab(const QRect &area)
    : m_request(std::make_unique<Request>())
{
    m_request->pixels = Win32::copyDesktop(area.x(), area.y(), area.width(), area.height());
}

DesktopGrab::~DesktopGrab()
{
    Win32::releaseDesktopPixels(m_request->pixels.bitmap);
}

QImage DesktopGrab::take()
{
    const Win32::DesktopPixels pixels = std::exchange(m_request->pixels, Win32::DesktopPixels());
    if (!pixels.bitmap)
        return QImage();
    // The image keeps the bitmap until its last copy is gone, on whichever
    // thread that is.
    return QImage(pixels.bits, pixels.width, pixels.height, pixels.width * 4, QImage::Format_RGB32,
                  Win32::releaseDesktopPixels, pixels.bitmap);
}

} // namespace HostPlatform
