#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The decision rules behind HostInfo, free of system calls. HostInfo feeds
// them with what the platform reports; tests feed them directly.
namespace HostInfo {

// Reads the version of an executable file; empty when it has none.
using VersionReader = std::function<QString(const QString &path)>;

// Text shown when the system's product name cannot be found.
QString unknownProductName();

// The product name from the output of the registry listing: the part from
// the last "Win" to the end (all of it when "Win" does not occur), trimmed;
// "Computer OS: UnKnown" when nothing is left.
QString productNameFromListing(const QString &listing);

// PRETTY_NAME of an os-release file (quotes and escapes removed); empty when absent.
QString prettyNameFromOsRelease(const QByteArray &osRelease);

// Looks one level below appsRoot for a folder whose name contains "itunes"
// (any case) holding itunes.exe (any case) and returns that file's version.
QString findITunesVersion(const QString &appsRoot, const VersionReader &readVersion);

// The marker for "no version found" between the look-up steps.
QString unknownITunesMarker();

// The first non-empty of the registry version and the store folders' versions,
// else the "UnKnown" marker.
QString iTunesVersionFrom(const QString &registryVersion, const QStringList &storeFolders,
                          const VersionReader &readVersion);

// Display text for a version found by iTunesVersionFrom.
QString iTunesVersionTextFor(const QString &version);

// The identifier for a disk serial number and adapter address: MD5 of the
// UTF-8 bytes of serial + mac, written 8-4-4-4-12 in upper case.
QString machineIdFor(const QString &diskSerial, const QString &macAddress);

// Whether the leading bytes of an executable describe an x86-64 program: an
// ELF file of class 64 for machine x86-64, or a PE file for machine AMD64.
// peHeader holds the bytes at the PE header offset for a PE file.
bool isX64ElfHeader(const QByteArray &head);
bool isX64PeHeader(const QByteArray &peHeader);
// Offset of the PE header in a file that starts with "MZ"; -1 otherwise.
qint64 peHeaderOffset(const QByteArray &head);

} // namespace HostInfo
