#include "hostplatform.h"
#include "hostinforules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

QByteArray readSmallFile(const QString &path, qint64 limit = 64 * 1024)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(limit);
}

QString readTrimmedText(const QString &path)
{
    return QString::fromUtf8(readSmallFile(path)).trimmed();
}

QString blockDevicePath(dev_t device)
{
    return QFileInfo(QStringLiteral("/sys/dev/block/%1:%2").arg(major(device)).arg(minor(device)))
        .canonicalFilePath();
}

// A partition's sysfs folder sits inside its disk's folder.
QString wholeDiskPath(const QString &sysPath)
{
    if (QFileInfo::exists(sysPath + QStringLiteral("/partition")))
        return QFileInfo(sysPath).path();
    return sysPath;
}

// The block device holding the root file system: st_dev of "/" when it names
// a real device, else the source device of the "/" mount (btrfs and others
// report an anonymous device number).
dev_t rootBlockDevice()
{
    struct stat rootStat {};
    if (::stat("/", &rootStat) == 0 && major(rootStat.st_dev) != 0)
        return rootStat.st_dev;
    const QString source = HostPlatform::rootMountSource(readSmallFile(QStringLiteral("/proc/self/mountinfo"), 1024 * 1024));
    if (!source.startsWith(QLatin1String("/dev/")))
        return 0;
    struct stat sourceStat {};
    if (::stat(QFile::encodeName(source).constData(), &sourceStat) != 0 || !S_ISBLK(sourceStat.st_mode))
        return 0;
    return sourceStat.st_rdev;
}

} // namespace

namespace HostPlatform {

bool enableDpiAwareness()
{
    // An X11 client always works in physical pixels; there is nothing to switch on.
    return true;
}

QString executableDirectory()
{
    // No QCoreApplication exists yet when this is first needed.
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return executable.isEmpty() ? QString() : QFileInfo(executable).path();
}

QString productName()
{
    for (const char *path : {"/etc/os-release", "/usr/lib/os-release"}) {
        const QString name = HostInfo::prettyNameFromOsRelease(readSmallFile(QString::fromLatin1(path)));
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

QString iTunesRegistryVersion()
{
    return QString(); // no registry
}

QStringList iTunesStoreFolders()
{
    return QStringList(); // no application store folders
}

QString fileVersion(const QString &)
{
    return QString(); // ELF files carry no version resource
}

bool isX64Executable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64);
    if (HostInfo::isX64ElfHeader(head))
        return true;
    // A Windows program (run through a compatibility layer) is judged by its PE header.
    const qint64 peOffset = HostInfo::peHeaderOffset(head);
    if (peOffset < 0 || !file.seek(peOffset))
        return false;
    return HostInfo::isX64PeHeader(file.read(6));
}

QString systemDiskSerial()
{
    const dev_t device = rootBlockDevice();
    if (device == 0)
        return QString();
    QString disk = blockDevicePath(device);
    if (disk.isEmpty())
        return QString();
    disk = wholeDiskPath(disk);
    // Device-mapper and RAID volumes: follow the first underlying device down to a disk.
    for (int depth = 0; depth < 8; ++depth) {
        const QDir slaves(disk + QStringLiteral("/slaves"));
        const QStringList names = slaves.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
        if (names.isEmpty())
            break;
        const QString next = QFileInfo(slaves.filePath(names.first())).canonicalFilePath();
        if (next.isEmpty())
            break;
        disk = wholeDiskPath(next);
    }

    QString serial = readTrimmedText(disk + QStringLiteral("/device/serial"));
    if (serial.isEmpty())
        serial = serialFromVpdPage80(readSmallFile(disk + QStringLiteral("/device/vpd_pg80")));
    if (serial.isEmpty()) {
        const QString number = readTrimmedText(disk + QStringLiteral("/dev"));
        if (!number.isEmpty())
            serial = serialFromUdevData(readSmallFile(QStringLiteral("/run/udev/data/b") + number));
    }
    return serial.trimmed();
}

QList<AdapterChoice::Adapter> networkAdapters()
{
    struct Listed
    {
        int index;
        AdapterChoice::Adapter adapter;
    };
    QList<Listed> listed;
    const QDir net(QStringLiteral("/sys/class/net"));
    const QStringList names = net.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    for (const QString &name : names) {
        const QString base = net.filePath(name);
        // Loopback, bridges, tunnels and other software devices have no device behind them.
        if (!QFileInfo::exists(base + QStringLiteral("/device")))
            continue;
        AdapterChoice::Adapter adapter;
        adapter.description = name;
        adapter.up = readTrimmedText(base + QStringLiteral("/operstate")) == QLatin1String("up");
        const bool ether = readTrimmedText(base + QStringLiteral("/type")) == QLatin1String("1");
        const bool wireless = QFileInfo::exists(base + QStringLiteral("/wireless"))
                              || QFileInfo::exists(base + QStringLiteral("/phy80211"));
        adapter.type = !ether ? AdapterChoice::Adapter::Other
                              : (wireless ? AdapterChoice::Adapter::Wireless : AdapterChoice::Adapter::Ethernet);
        adapter.mac = AdapterChoice::parseMacAddress(readTrimmedText(base + QStringLiteral("/address")));
        listed.append({readTrimmedText(base + QStringLiteral("/ifindex")).toInt(), adapter});
    }
    // The system's own order of interfaces.
    std::stable_sort(listed.begin(), listed.end(),
                     [](const Listed &a, const Listed &b) { return a.index < b.index; });
    QList<AdapterChoice::Adapter> adapters;
    for (const Listed &entry : qAsConst(listed))
        adapters.append(entry.adapter);
    return adapters;
}

} // namespace HostPlatform
