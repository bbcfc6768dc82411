// HostPlatform on Windows: converts between Qt types and the Win32 answers of winhost.
#include "hostinforules.h"
#include "hostplatform.h"
#include "winhost.h"

#include <QDir>
#include <QProcess>

namespace {

QString fromWide(const std::wstring &text)
{
    return QString::fromStdWString(text);
}

std::wstring toWide(const QString &text)
{
    return QDir::toNativeSeparators(text).toStdWString();
}

} // namespace

namespace HostPlatform {

ScreenMetrics screenMetrics()
{
    const Win32::DisplayMetrics display = Win32::displayMetrics();
    ScreenMetrics metrics;
    metrics.available = display.available;
    if (!display.available)
        return metrics;
    metrics.width = display.width;
    metrics.height = display.height;
    // A zero or missing LOGPIXELSY counts as the standard 96.
    metrics.logicalDpi = display.logicalDpiY > 0 ? display.logicalDpiY : 96.0;
    return metrics;
}

bool enableDpiAwareness()
{
    return Win32::enableDpiAwareness();
}

QString executableDirectory()
{
    return QDir::fromNativeSeparators(fromWide(Win32::executableDirectory()));
}

QString productName()
{
    const Win32::FileSystemRedirectionOff redirectionOff;
    const std::vector<std::wstring> command = Win32::productNameCommand();
    QStringList arguments;
    for (auto it = command.begin() + 1; it != command.end(); ++it)
        arguments.append(fromWide(*it));
    QProcess process;
    process.start(fromWide(command.front()), arguments, QIODevice::ReadWrite);
    process.waitForFinished(Win32::ProductNameTimeoutMs);
    const QString listing = QString::fromUtf8(process.readAllStandardOutput());
    // Still running after the time-out: QProcess ends it when it goes.
    return HostInfo::productNameFromListing(listing);
}

QString iTunesRegistryVersion()
{
    return fromWide(Win32::iTunesRegistryVersion());
}

QStringList iTunesStoreFolders()
{
    QStringList folders;
    for (const std::wstring &folder : Win32::iTunesStoreFolders())
        folders.append(QDir::fromNativeSeparators(fromWide(folder)));
    return folders;
}

QString fileVersion(const QString &path)
{
    return fromWide(Win32::fileVersion(toWide(path)));
}

bool isX64Executable(const QString &path)
{
    return Win32::isX64Executable(toWide(path));
}

QString systemDiskSerial()
{
    const std::string serial = Win32::systemDiskSerial();
    return QString::fromUtf8(serial.data(), int(serial.size())).trimmed();
}

QList<AdapterChoice::Adapter> networkAdapters()
{
    QList<AdapterChoice::Adapter> adapters;
    for (const Win32::NetworkAdapter &listed : Win32::networkAdapters()) {
        AdapterChoice::Adapter adapter;
        adapter.description = fromWide(listed.description);
        adapter.up = listed.up;
        adapter.type = listed.interfaceType == Win32::EthernetInterface ? AdapterChoice::Adapter::Ethernet
                       : listed.interfaceType == Win32::WirelessInterface ? AdapterChoice::Adapter::Wireless
                                                                          : AdapterChoice::Adapter::Other;
        adapter.mac = QByteArray(reinterpret_cast<const char *>(listed.address.data()), int(listed.address.size()));
        adapters.append(adapter);
    }
    return adapters;
}

} // namespace HostPlatform
