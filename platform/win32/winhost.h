#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Host facts from Win32, in plain types: no Qt here, so this code builds and
// is tested on its own (tests/windows). The HostPlatform functions for
// Windows convert these answers to Qt types.
namespace Win32 {

// Folder of the running executable, without a trailing separator; empty when unknown.
std::wstring executableDirectory();

// Program and arguments of the registry listing that names the edition, and
// how long it may take.
std::vector<std::wstring> productNameCommand();
constexpr int ProductNameTimeoutMs = 5000;

// Switches file-system redirection off for the calling thread while it lives,
// so that a 32-bit build runs the system's native command tools. Does nothing
// in a 64-bit process.
class FileSystemRedirectionOff
{
public:
    FileSystemRedirectionOff();
    ~FileSystemRedirectionOff();
    FileSystemRedirectionOff(const FileSystemRedirectionOff &) = delete;
    FileSystemRedirectionOff &operator=(const FileSystemRedirectionOff &) = delete;

private:
    void *m_previous = nullptr;
    bool m_disabled = false;
};

// The text of a value of a key under HKEY_LOCAL_MACHINE, read in the 64-bit
// view into a zero-filled 2048-byte buffer whatever the value's type, up to
// its first zero; empty when the key does not open or the value cannot be read.
std::wstring machineRegistryText(const std::wstring &subKey, const std::wstring &valueName);
std::wstring iTunesRegistryVersion();
// Folders store-installed applications live in.
std::vector<std::wstring> iTunesStoreFolders();

// The "FileVersion" string of the file's version resource, under its first
// translation's language and code page; empty when any step fails.
std::wstring fileVersion(const std::wstring &path);
// Whether the system classifies the file as a 64-bit Windows executable.
bool isX64Executable(const std::wstring &path);

// The serial number bytes of the system disk (storage device descriptor),
// up to their terminating zero; empty when unknown.
std::string systemDiskSerial();
// The serial number in a storage device descriptor as the device returned
// it; empty when it has none or the offset points outside the descriptor.
std::string serialFromStorageDescriptor(const std::vector<unsigned char> &descriptor);

// Interface types that can identify the machine.
constexpr unsigned long EthernetInterface = 6;
constexpr unsigned long WirelessInterface = 71;

struct NetworkAdapter
{
    std::wstring description;
    bool up = false;
    unsigned long interfaceType = 0;
    std::vector<unsigned char> address; // physical address bytes
};

// Every adapter the system lists, in its order; empty when the list cannot be read.
std::vector<NetworkAdapter> networkAdapters();

// Asks for system DPI awareness; whether either call succeeded.
bool enableDpiAwareness();

struct DisplayMetrics
{
    bool available = false; // false when the screen's device context cannot be had
    int width = 0;          // DESKTOPHORZRES
    int height = 0;         // DESKTOPVERTRES
    int logicalDpiY = 0;    // LOGPIXELSY
};

DisplayMetrics displayMetrics();

} // namespace Win32
