// The desktop read through memory shared with the X server, over an XCB
// connection of its own: XCB hands back a cookie for each request, so the
// server can copy the screen while the caller goes on, and errors come with
// the reply instead of through a process-wide handler.
#include "hostplatform.h"

#include <utility>

#ifdef FEEDBACK_HAVE_XCB_SHM
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#endif

namespace HostPlatform {

struct DesktopGrab::Request
{
#ifdef FEEDBACK_HAVE_XCB_SHM
    xcb_connection_t *connection = nullptr;
    xcb_shm_get_image_cookie_t cookie {};
    int segmentId = -1;
    void *memory = nullptr;
#endif
    QSize size;
    bool pending = false;
};

#ifdef FEEDBACK_HAVE_XCB_SHM
namespace {

xcb_screen_t *defaultScreen(xcb_connection_t *connection, int number)
{
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem; --number, xcb_screen_next(&it)) {
        if (number == 0)
            return it.data;
    }
    return nullptr;
}

// Only the usual layout is read this way: 24-bit true colour kept in 32-bit
// words, blue in the lowest byte, in this machine's byte order. That is
// QImage::Format_RGB32 as it lies in memory.
bool isRgb32(xcb_connection_t *connection, const xcb_screen_t *screen)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const bool littleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
    if (screen->root_depth != 24
        || setup->image_byte_order != (littleEndian ? XCB_IMAGE_ORDER_LSB_FIRST : XCB_IMAGE_ORDER_MSB_FIRST))
        return false;
    bool wordPerPixel = false;
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it))
        wordPerPixel = wordPerPixel || (it.data->depth == 24 && it.data->bits_per_pixel == 32);
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem; xcb_depth_next(&depths)) {
        for (auto it = xcb_depth_visuals_iterator(depths.data); it.rem; xcb_visualtype_next(&it)) {
            if (it.data->visual_id == screen->root_visual)
                return wordPerPixel && it.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR
                       && it.data->red_mask == 0xff0000 && it.data->green_mask == 0xff00
                       && it.data->blue_mask == 0xff;
        }
    }
    return false;
}

} // namespace
#endif

DesktopGrab::DesktopGrab(const QRect &area)
    : m_request(std::make_unique<Request>())
{
#ifdef FEEDBACK_HAVE_XCB_SHM
    Request &request = *m_request;
    int screenNumber = 0;
    request.connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(request.connection))
        return;
    const xcb_query_extension_reply_t *shm = xcb_get_extension_data(request.connection, &xcb_shm_id);
    xcb_screen_t *screen = defaultScreen(request.connection, screenNumber);
    if (!shm || !shm->present || !screen || !isRgb32(request.connection, screen))
        return;
    const QRect rect = area.intersected(QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels));
    if (rect.isEmpty())
        return;
    request.segmentId = shmget(IPC_PRIVATE, size_t(rect.width()) * size_t(rect.height()) * 4, IPC_CREAT | 0600);
    if (request.segmentId < 0)
        return;
    request.memory = shmat(request.segmentId, nullptr, 0);
    if (request.memory == reinterpret_cast<void *>(-1)) {
        request.memory = nullptr;
        return;
    }
    // A server on another machine cannot attach the segment; the error
    // arrives with the image's reply.
    const xcb_shm_seg_t segment = xcb_generate_id(request.connection);
    xcb_shm_attach(request.connection, segment, uint32_t(request.segmentId), 0);
    request.cookie = xcb_shm_get_image(request.connection, screen->root, int16_t(rect.x()), int16_t(rect.y()),
                                       uint16_t(rect.width()), uint16_t(rect.height()), ~0u,
                                       XCB_IMAGE_FORMAT_Z_PIXMAP, segment, 0);
    xcb_flush(request.connection);
    request.size = rect.size();
    request.pending = true;
#else
    Q_UNUSED(area)
#endif
}

DesktopGrab::~DesktopGrab()
{
#ifdef FEEDBACK_HAVE_XCB_SHM
    Request &request = *m_request;
    if (request.pending)
        xcb_discard_reply(request.connection, request.cookie.sequence);
    // Closing the connection detaches the server's side.
    if (request.connection)
        xcb_disconnect(request.connection);
    if (request.segmentId >= 0)
        shmctl(request.segmentId, IPC_RMID, nullptr);
    if (request.memory)
        shmdt(request.memory);
#endif
}

QImage DesktopGrab::take()
{
#ifdef FEEDBACK_HAVE_XCB_SHM
    Request &request = *m_request;
    if (!std::exchange(request.pending, false))
        return QImage();
    xcb_generic_error_t *error = nullptr;
    xcb_shm_get_image_reply_t *reply = xcb_shm_get_image_reply(request.connection, request.cookie, &error);
    const bool read = reply && !error;
    std::free(reply);
    std::free(error);
    if (!read)
        return QImage();
    // The image keeps the segment mapped until its last copy is gone, on
    // whichever thread that is; the segment itself goes with it.
    void *memory = std::exchange(request.memory, nullptr);
    return QImage(static_cast<uchar *>(memory), request.size.width(), request.size.height(),
                  request.size.width() * 4, QImage::Format_RGB32, [](void *mapped) { shmdt(mapped); }, memory);
#else
    return QImage();
#endif
}

} // namespace HostPlatform
