#pragma once

#include <QString>

// Facts about the host machine as display text. None of these fails: each
// falls back to a fixed text or an empty one.
namespace HostInfo {

QString windowsProductName();
QString iTunesVersionText();
QString iTunesRegistryVersion();
QString findITunesVersion(const QString &appsRoot);
QString fileVersion(const QString &path);
QString fileVersionTrimmed(const QString &path);
// Whether the system classifies the file as a 64-bit executable of the host
// platform's kind (the report adds " x64" to the product version then).
bool isX64Executable(const QString &path);

QString machineId();
QString diskSerialNumber();
QString adapterMacAddress();

} // namespace HostInfo
