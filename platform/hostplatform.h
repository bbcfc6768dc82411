#pragma once

#include "adapterchoice.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

// The system queries behind display scaling and the host facts. The rules
// that turn their answers into results live elsewhere (ScalingDecision,
// HostInfo rules, AdapterChoice); this layer only asks the system.
// linux/ implements it for Linux/X11, win32/ for Windows.
namespace HostPlatform {

struct ScreenMetrics
{
    // False when no display could be reached.
    bool available = false;
    // The primary display in physical pixels.
    int width = 0;
    int height = 0;
    // Logical dots per inch (96 when the display does not say); 0 without a display.
    double logicalDpi = 0;
};

// Usable before any Qt application object exists.
ScreenMetrics screenMetrics();
bool enableDpiAwareness();
// Folder of the running executable, without a trailing slash; empty when unknown.
QString executableDirectory();

// The operating system's product name; empty when unknown. (On Windows the
// registry listing cut down with HostInfo::productNameFromListing.)
QString productName();
QString iTunesRegistryVersion();
// Folders store-installed applications live in.
QStringList iTunesStoreFolders();
QString fileVersion(const QString &path);
bool isX64Executable(const QString &path);

QString systemDiskSerial();
QList<AdapterChoice::Adapter> networkAdapters();

// The desktop's pixels inside area (physical pixels from the origin of the
// virtual desktop, cut to the screen). On X11 the display server copies them
// into memory shared with us: the request goes out at construction, so the
// server works while the caller does other things; take() waits for the
// pixels. On Windows GDI copies them at construction. take() gives a null
// image when the display cannot be read this way (no shared memory, a server
// on another machine, an unusual pixel layout, a failing GDI call): the
// caller then grabs through Qt.
class DesktopGrab
{
public:
    explicit DesktopGrab(const QRect &area);
    ~DesktopGrab();
    DesktopGrab(const DesktopGrab &) = delete;
    DesktopGrab &operator=(const DesktopGrab &) = delete;

    // Once; later calls give a null image.
    QImage take();

    // The part of the desktop a whole-screen shot shows: from its origin,
    // the primary screen's size in physical pixels. Null where the platform
    // plugin is neither X11 nor Windows; those take Qt's grab, which copies
    // the screen several times over.
    static std::unique_ptr<DesktopGrab> ofPrimaryScreen();

private:
    struct Request;
    std::unique_ptr<Request> m_request;
};

// The primary screen's picture at its full resolution: from started (a grab
// asked for earlier) or a new one, else through Qt. Null without a screen.
QImage grabPrimaryScreen(std::unique_ptr<DesktopGrab> started);

// Parsers for the Linux sources, exposed for tests (built on every system).
// The source device of the "/" mount in /proc/self/mountinfo; empty when absent.
QString rootMountSource(const QByteArray &mountInfo);
// The serial number in a SCSI unit serial number page (VPD page 0x80).
QString serialFromVpdPage80(const QByteArray &page);
// ID_SERIAL_SHORT (or else ID_SERIAL) of a udev database entry.
QString serialFromUdevData(const QByteArray &data);

} // namespace HostPlatform
