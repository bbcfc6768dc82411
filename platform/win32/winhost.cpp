#include "winhost.h"

// winsock2.h comes before windows.h; the adapter list needs its address families.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <winioctl.h>

#include <cstddef>
#include <cstring>
#include <cwchar>

namespace {

// GetProcAddress gives a generic pointer; going through void (*)() keeps the
// conversion to the real signature explicit.
template<typename Function>
Function procedure(HMODULE module, const char *name)
{
    return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

HANDLE openDevice(const std::wstring &path)
{
    // No access rights: a storage property query needs none, and any user may ask.
    return CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

bool queryStorageProperty(HANDLE device, void *output, DWORD size)
{
    STORAGE_PROPERTY_QUERY query {};
    query.PropertyId = StorageDeviceProperty;
    query.QueryType = PropertyStandardQuery;
    DWORD returned = 0;
    return DeviceIoControl(device, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof(query), output, size, &returned,
                           nullptr)
           != FALSE;
}

} // namespace

namespace Win32 {

std::wstring executableDirectory()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
        if (length == 0)
            return std::wstring();
        // A full buffer means the path may have been cut.
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768)
            return std::wstring();
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

std::vector<std::wstring> productNameCommand()
{
    return {L"cmd.exe", L"/c", L"reg", L"query", L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
            L"/v", L"ProductName"};
}

FileSystemRedirectionOff::FileSystemRedirectionOff()
{
    // Fails in a 64-bit process, where there is nothing to switch off.
    m_disabled = Wow64DisableWow64FsRedirection(&m_previous) != FALSE;
}

FileSystemRedirectionOff::~FileSystemRedirectionOff()
{
    if (m_disabled)
        Wow64RevertWow64FsRedirection(m_previous);
}

std::wstring machineRegistryText(const std::wstring &subKey, const std::wstring &valueName)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return std::wstring();
    // 2048 bytes of value, plus one character that stays zero: a value that
    // fills the buffer is not terminated by the registry.
    constexpr DWORD ValueBytes = 2048;
    wchar_t buffer[ValueBytes / sizeof(wchar_t) + 1] = {};
    DWORD size = ValueBytes;
    std::wstring text;
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE *>(buffer), &size)
        == ERROR_SUCCESS)
        text.assign(buffer, wcsnlen(buffer, ValueBytes / sizeof(wchar_t)));
    RegCloseKey(key);
    return text;
}

std::wstring iTunesRegistryVersion()
{
    return machineRegistryText(L"SOFTWARE\\Apple Computer, Inc.\\iTunes", L"Version");
}

std::vector<std::wstring> iTunesStoreFolders()
{
    return {L"C:\\Program Files\\WindowsApps", L"C:\\Program Files (x86)\\WindowsApps"};
}

std::wstring fileVersion(const std::wstring &path)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return std::wstring();
    std::vector<unsigned char> info(std::size_t(size) + 1, 0);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data()))
        return std::wstring();

    struct Translation
    {
        WORD language;
        WORD codePage;
    };
    void *translations = nullptr;
    UINT translationBytes = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &translations, &translationBytes)
        || translationBytes < sizeof(Translation))
        return std::wstring();
    const Translation first = *static_cast<const Translation *>(translations);

    wchar_t subBlock[64];
    swprintf(subBlock, sizeof(subBlock) / sizeof(subBlock[0]), L"\\StringFileInfo\\%04x%04x\\FileVersion",
             unsigned(first.language), unsigned(first.codePage));
    void *text = nullptr;
    UINT characters = 0;
    if (!VerQueryValueW(info.data(), subBlock, &text, &characters) || !text)
        return std::wstring();
    // Up to the terminating zero, never past the length the resource gives.
    const wchar_t *value = static_cast<const wchar_t *>(text);
    return std::wstring(value, wcsnlen(value, characters));
}

bool isX64Executable(const std::wstring &path)
{
    DWORD type = 0;
    return GetBinaryTypeW(path.c_str(), &type) && type == SCS_64BIT_BINARY;
}

std::string systemDiskSerial()
{
    wchar_t windows[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    HANDLE device = INVALID_HANDLE_VALUE;
    if (length >= 2 && length <= MAX_PATH)
        device = openDevice(L"\\\\.\\" + std::wstring(windows, 2));
    if (device == INVALID_HANDLE_VALUE)
        device = openDevice(L"\\\\.\\PhysicalDrive0");
    if (device == INVALID_HANDLE_VALUE)
        return std::string();

    std::string serial;
    STORAGE_DESCRIPTOR_HEADER header {};
    // A descriptor is a few hundred bytes; a larger size is not believed.
    if (queryStorageProperty(device, &header, sizeof(header)) && header.Size >= sizeof(STORAGE_DEVICE_DESCRIPTOR)
        && header.Size <= 64 * 1024) {
        std::vector<unsigned char> descriptor(header.Size, 0);
        if (queryStorageProperty(device, descriptor.data(), header.Size))
            serial = serialFromStorageDescriptor(descriptor);
    }
    CloseHandle(device);
    return serial;
}

std::string serialFromStorageDescriptor(const std::vector<unsigned char> &descriptor)
{
    if (descriptor.size() < sizeof(STORAGE_DEVICE_DESCRIPTOR))
        return std::string();
    DWORD offset = 0;
    std::memcpy(&offset, descriptor.data() + offsetof(STORAGE_DEVICE_DESCRIPTOR, SerialNumberOffset), sizeof(offset));
    // Drivers have been seen to report offsets past the data they returned.
    if (offset == 0 || offset >= descriptor.size())
        return std::string();
    const char *begin = reinterpret_cast<const char *>(descriptor.data()) + offset;
    const std::size_t available = descriptor.size() - offset;
    return std::string(begin, strnlen(begin, available));
}

std::vector<NetworkAdapter> networkAdapters()
{
    // Unicast, anycast, multicast and DNS server addresses and friendly names skipped.
    constexpr ULONG Flags = 0x2F;
    ULONG size = 15360;
    std::vector<unsigned char> buffer(size);
    ULONG result = GetAdaptersAddresses(AF_UNSPEC, Flags, nullptr,
                                        reinterpret_cast<IP_ADAPTER_ADDRESSES *>(buffer.data()), &size);
    if (result == ERROR_BUFFER_OVERFLOW) {
        buffer.resize(size);
        result = GetAdaptersAddresses(AF_UNSPEC, Flags, nullptr,
                                      reinterpret_cast<IP_ADAPTER_ADDRESSES *>(buffer.data()), &size);
    }
    std::vector<NetworkAdapter> adapters;
    if (result != NO_ERROR)
        return adapters;
    for (auto *entry = reinterpret_cast<const IP_ADAPTER_ADDRESSES *>(buffer.data()); entry; entry = entry->Next) {
        NetworkAdapter adapter;
        if (entry->Description)
            adapter.description = entry->Description;
        adapter.up = entry->OperStatus == IfOperStatusUp;
        adapter.interfaceType = entry->IfType;
        const ULONG length = entry->PhysicalAddressLength < MAX_ADAPTER_ADDRESS_LENGTH
                                 ? entry->PhysicalAddressLength
                                 : MAX_ADAPTER_ADDRESS_LENGTH;
        adapter.address.assign(entry->PhysicalAddress, entry->PhysicalAddress + length);
        adapters.push_back(std::move(adapter));
    }
    return adapters;
}

bool enableDpiAwareness()
{
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using AwarenessInternal = HRESULT(WINAPI *)(int);
    if (const auto setAwareness = procedure<AwarenessInternal>(user32, "SetProcessDpiAwarenessInternal")) {
        // 1: system DPI aware.
        if (setAwareness(1) >= 0)
            return true;
    }
    using Aware = BOOL(WINAPI *)();
    const auto setAware = procedure<Aware>(user32, "SetProcessDPIAware");
    return setAware && setAware() != FALSE;
}

DisplayMetrics displayMetrics()
{
    DisplayMetrics metrics;
    HDC screen = GetDC(nullptr);
    if (!screen)
        return metrics;
    metrics.available = true;
    metrics.width = GetDeviceCaps(screen, DESKTOPHORZRES);
    metrics.height = GetDeviceCaps(screen, DESKTOPVERTRES);
    metrics.logicalDpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return metrics;
}

} // namespace Win32
