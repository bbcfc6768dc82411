#include "hostinfo.h"
#include "adapterchoice.h"
#include "hostinforules.h"
#include "hostplatform.h"

namespace HostInfo {

QString windowsProductName()
{
    const QString name = HostPlatform::productName().trimmed();
    return name.isEmpty() ? unknownProductName() : name;
}

QString iTunesVersionText()
{
    return iTunesVersionTextFor(
        iTunesVersionFrom(iTunesRegistryVersion(), HostPlatform::iTunesStoreFolders(), fileVersion));
}

QString iTunesRegistryVersion()
{
    return HostPlatform::iTunesRegistryVersion();
}

QString findITunesVersion(const QString &appsRoot)
{
    return findITunesVersion(appsRoot, fileVersion);
}

QString fileVersion(const QString &path)
{
    return HostPlatform::fileVersion(path);
}

QString fileVersionTrimmed(const QString &path)
{
    return fileVersion(path).trimmed();
}

bool isX64Executable(const QString &path)
{
    return HostPlatform::isX64Executable(path);
}

QString machineId()
{
    // Computed once per run; the static's initialisation is thread-safe.
    static const QString id = [] {
        const QString mac = adapterMacAddress();
        const QString serial = diskSerialNumber();
        return machineIdFor(serial, mac);
    }();
    return id;
}

QString diskSerialNumber()
{
    return HostPlatform::systemDiskSerial().trimmed();
}

QString adapterMacAddress()
{
    return AdapterChoice::chooseMacAddress(HostPlatform::networkAdapters());
}

} // namespace HostInfo
