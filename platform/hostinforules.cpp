#include "hostinforules.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QUuid>
#include <QtEndian>

namespace HostInfo {

QString unknownProductName()
{
    return QStringLiteral("Computer OS: UnKnown");
}

QString productNameFromListing(const QString &listing)
{
    QString kept = listing;
    const int win = listing.lastIndexOf(QLatin1String("Win"));
    if (win >= 0)
        kept = listing.mid(win);
    kept = kept.trimmed();
    return kept.isEmpty() ? unknownProductName() : kept;
}

QString prettyNameFromOsRelease(const QByteArray &osRelease)
{
    const QList<QByteArray> lines = osRelease.split('\n');
    for (const QByteArray &rawLine : lines) {
        const QByteArray line = rawLine.trimmed();
        if (!line.startsWith("PRETTY_NAME="))
            continue;
        QByteArray value = line.mid(int(qstrlen("PRETTY_NAME=")));
        // Shell-style quoting: strip one pair of matching quotes and undo backslash escapes.
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
            && value.back() == value.front()) {
            const bool doubleQuoted = value.front() == '"';
            value = value.mid(1, value.size() - 2);
            if (doubleQuoted) {
                QByteArray unescaped;
                for (int i = 0; i < value.size(); ++i) {
                    if (value.at(i) == '\\' && i + 1 < value.size())
                        ++i;
                    unescaped.append(value.at(i));
                }
                value = unescaped;
            }
        }
        return QString::fromUtf8(value).trimmed();
    }
    return QString();
}

QString findITunesVersion(const QString &appsRoot, const VersionReader &readVersion)
{
    const QDir root(appsRoot);
    if (appsRoot.isEmpty() || !root.exists())
        return QString();

    // QDir's default listing: all entries, sorted by name ignoring case.
    QStringList candidates;
    const QFileInfoList entries = root.entryInfoList();
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && entry.fileName().toLower().contains(QLatin1String("itunes")))
            candidates.append(entry.absoluteFilePath());
    }

    for (const QString &folder : qAsConst(candidates)) {
        const QFileInfoList files = QDir(folder).entryInfoList();
        for (const QFileInfo &file : files) {
            if (file.fileName().toLower() == QLatin1String("itunes.exe"))
                return readVersion ? readVersion(file.absoluteFilePath()) : QString();
        }
    }
    return QString();
}

QString unknownITunesMarker()
{
    return QStringLiteral("UnKnown");
}

QString iTunesVersionFrom(const QString &registryVersion, const QStringList &storeFolders,
                          const VersionReader &readVersion)
{
    if (!registryVersion.isEmpty())
        return registryVersion;
    for (const QString &folder : storeFolders) {
        const QString version = findITunesVersion(folder, readVersion);
        if (!version.isEmpty())
            return version;
    }
    return unknownITunesMarker();
}

QString iTunesVersionTextFor(const QString &version)
{
    if (version.isEmpty() || version == unknownITunesMarker())
        return QCoreApplication::translate("HostInfo", "Unknown iTunes Version");
    return QCoreApplication::translate("HostInfo", "iTunes ") + version;
}

QString machineIdFor(const QString &diskSerial, const QString &macAddress)
{
    const QByteArray digest = QCryptographicHash::hash((diskSerial + macAddress).toUtf8(),
                                                       QCryptographicHash::Md5);
    // The digest read as a UUID in network byte order, i.e. the digest's hex digits with hyphens.
    return QUuid::fromRfc4122(digest).toString(QUuid::WithoutBraces).toUpper();
}

bool isX64ElfHeader(const QByteArray &head)
{
    constexpr int ElfClass = 4, ElfData = 5, ElfMachine = 18;
    constexpr char ElfClass64 = 2, ElfDataLittle = 1, ElfDataBig = 2;
    constexpr quint16 MachineX86_64 = 62;
    if (head.size() < ElfMachine + 2 || !head.startsWith("\x7f" "ELF") || head.at(ElfClass) != ElfClass64)
        return false;
    const uchar *machine = reinterpret_cast<const uchar *>(head.constData()) + ElfMachine;
    if (head.at(ElfData) == ElfDataLittle)
        return qFromLittleEndian<quint16>(machine) == MachineX86_64;
    if (head.at(ElfData) == ElfDataBig)
        return qFromBigEndian<quint16>(machine) == MachineX86_64;
    return false;
}

qint64 peHeaderOffset(const QByteArray &head)
{
    constexpr int NewHeaderField = 0x3C;
    if (head.size() < NewHeaderField + 4 || !head.startsWith("MZ"))
        return -1;
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(head.constData()) + NewHeaderField);
}

bool isX64PeHeader(const QByteArray &peHeader)
{
    constexpr quint16 MachineAmd64 = 0x8664;
    if (peHeader.size() < 6 || !peHeader.startsWith(QByteArray("PE\0\0", 4)))
        return false;
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(peHeader.constData()) + 4) == MachineAmd64;
}

} // namespace HostInfo
