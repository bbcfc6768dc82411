// The Win32 half of the platform layer, run under Wine by scripts/windows-check.sh.
//   tst_win32platform <fixture folder>
// The fixture folder holds executables built with and without version
// resources. Each row prints PASS or FAIL!, then a Totals line, as QtTest does.
// The same program, started with --copy, plays a later copy of the program.
#include "instancewire.h"
#include "windesktop.h"
#include "winhost.h"
#include "wininstance.h"

#include <windows.h>
#include <winioctl.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

int passedRows = 0;
int failedRows = 0;
std::wstring fixtures;

struct RowFailure
{
    std::string message;
};

std::string utf8(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &bytes[0], size, nullptr, nullptr);
    return bytes;
}

std::string shown(const std::wstring &value) { return '"' + utf8(value) + '"'; }
std::string shown(const std::string &value) { return '"' + value + '"'; }
template<typename T>
std::string shown(const T &value) { return std::to_string(value); }
std::string shown(const std::vector<std::string> &values)
{
    std::string text;
    for (const std::string &value : values)
        text += (text.empty() ? "" : ", ") + shown(value);
    return "{" + text + "}";
}

#define VERIFY(condition)                                                                                    \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            throw RowFailure {"'" #condition "' returned FALSE. (line " + std::to_string(__LINE__) + ")"};   \
    } while (false)

#define COMPARE(actual, expected)                                                                            \
    do {                                                                                                     \
        const auto a_ = (actual);                                                                            \
        const decltype(a_) e_ = (expected);                                                                  \
        if (!(a_ == e_))                                                                                     \
            throw RowFailure {"Compared values are not the same\n   Actual   (" #actual "): " + shown(a_)    \
                              + "\n   Expected (" #expected "): " + shown(e_) + " (line "                    \
                              + std::to_string(__LINE__) + ")"};                                             \
    } while (false)

void row(const std::string &name, const std::function<void()> &body)
{
    try {
        body();
        ++passedRows;
        std::printf("PASS   : %s\n", name.c_str());
    } catch (const RowFailure &failure) {
        ++failedRows;
        std::printf("FAIL!  : %s %s\n", name.c_str(), failure.message.c_str());
    }
    std::fflush(stdout);
}

std::wstring fixture(const wchar_t *name) { return fixtures + L"\\" + name; }

// --- registry -----------------------------------------------------------------

void setMachineValue(const std::wstring &subKey, const std::wstring &name, DWORD type, const void *data, DWORD size,
                     REGSAM view = KEY_WOW64_64KEY)
{
    HKEY key = nullptr;
    VERIFY(RegCreateKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key,
                           nullptr)
           == ERROR_SUCCESS);
    const LSTATUS written = RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE *>(data), size);
    RegCloseKey(key);
    VERIFY(written == ERROR_SUCCESS);
}

void setMachineText(const std::wstring &subKey, const std::wstring &name, const std::wstring &text)
{
    setMachineValue(subKey, name, REG_SZ, text.c_str(), DWORD((text.size() + 1) * sizeof(wchar_t)));
}

void deleteMachineKey(const std::wstring &subKey, REGSAM view)
{
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), view, 0);
}

// --- processes ----------------------------------------------------------------

std::wstring quoted(const std::wstring &argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring text = L"\"";
    for (const wchar_t c : argument)
        text += c == L'"' ? std::wstring(L"\\\"") : std::wstring(1, c);
    return text + L"\"";
}

struct Child
{
    PROCESS_INFORMATION info {};
    HANDLE output = nullptr;

    ~Child()
    {
        for (HANDLE handle : {info.hProcess, info.hThread, output}) {
            if (handle)
                CloseHandle(handle);
        }
    }
    // Exit code, or -1 when it did not end in time.
    int wait(DWORD ms) const
    {
        DWORD code = 0;
        if (WaitForSingleObject(info.hProcess, ms) != WAIT_OBJECT_0 || !GetExitCodeProcess(info.hProcess, &code))
            return -1;
        return int(code);
    }
};

void start(Child &child, const std::vector<std::wstring> &arguments, bool captureOutput = false)
{
    std::wstring line;
    for (const std::wstring &argument : arguments)
        line += (line.empty() ? L"" : L" ") + quoted(argument);
    STARTUPINFOW startup {};
    startup.cb = sizeof(startup);
    HANDLE write = nullptr;
    if (captureOutput) {
        SECURITY_ATTRIBUTES inherit {sizeof(inherit), nullptr, TRUE};
        VERIFY(CreatePipe(&child.output, &write, &inherit, 1 << 16));
        SetHandleInformation(child.output, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write;
        startup.hStdError = write;
    }
    const BOOL started = CreateProcessW(nullptr, &line[0], nullptr, nullptr, captureOutput, 0, nullptr, nullptr,
                                        &startup, &child.info);
    if (write)
        CloseHandle(write);
    VERIFY(started);
}

std::wstring selfPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Messages handed to a listener, collected from its thread.
struct Inbox
{
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::string> messages;

    Win32::PipeListener::Receiver receiver()
    {
        return [this](const std::string &message) {
            std::lock_guard<std::mutex> lock(mutex);
            messages.push_back(message);
            arrived.notify_all();
        };
    }
    std::vector<std::string> waitFor(std::size_t count, int ms = 5000)
    {
        std::unique_lock<std::mutex> lock(mutex);
        arrived.wait_for(lock, std::chrono::milliseconds(ms), [&] { return messages.size() >= count; });
        return messages;
    }
};

std::wstring uniqueName(const wchar_t *what)
{
    static int serial = 0;
    return L"tst-" + std::to_wstring(GetCurrentProcessId()) + L"-" + what + L"-" + std::to_wstring(++serial);
}

std::wstring pipePath(const std::wstring &name) { return L"\\\\.\\pipe\\" + name; }

// Exit codes of a later copy (--copy <mutex> <pipe> <messages...>).
enum CopyExit { AllHandedOver = 0, NotAcknowledged = 1, WasFirst = 2, MutexFailed = 4 };

int runCopy(int argc, wchar_t **argv)
{
    const Win32::InstanceMutex mutex(argv[2]);
    if (mutex.state() == Win32::InstanceMutex::Acquired)
        return WasFirst;
    if (mutex.state() == Win32::InstanceMutex::Failed)
        return MutexFailed;
    for (int i = 4; i < argc; ++i) {
        if (!Win32::sendToPipe(argv[3], utf8(argv[i]), 5000))
            return NotAcknowledged;
    }
    return AllHandedOver;
}

// --- a window of one colour, to find in the grab --------------------------------

constexpr COLORREF MarkerColour = RGB(200, 30, 60);

HWND showMarker(int x, int y, int width, int height)
{
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(MarkerColour);
    windowClass.lpszClassName = L"tst_marker";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"tst_marker", L"", WS_POPUP | WS_VISIBLE, x, y,
                                  width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
    UpdateWindow(window);
    return window;
}

std::uint32_t pixelAt(const Win32::DesktopPixels &pixels, int x, int y)
{
    std::uint32_t value = 0;
    std::memcpy(&value, pixels.bits + (std::size_t(y) * std::size_t(pixels.width) + std::size_t(x)) * 4, 4);
    return value;
}

// Grabs until the marker shows (the X server maps the window in its own time).
std::uint32_t grabbedCentre(int x, int y, int width, int height)
{
    std::uint32_t centre = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        const Win32::DesktopPixels pixels = Win32::copyDesktop(x, y, width, height);
        centre = pixels.bitmap ? pixelAt(pixels, width / 2, height / 2) : 0;
        Win32::releaseDesktopPixels(pixels.bitmap);
        if (centre == 0xFFC81E3Cu)
            break;
        Sleep(50);
    }
    return centre;
}

// --- rows -----------------------------------------------------------------------

void fileVersionRows()
{
    struct Row
    {
        const char *name;
        std::wstring path;
        std::wstring version;
    };
    const Row rows[] = {
        {"translation 0409/04b0", fixture(L"version_en.exe"), L"1.2.3.4"},
        {"sub-block name padded to four digits (0007/03a4)", fixture(L"version_padded.exe"), L"7.0.0.1 beta "},
        {"first of two translations", fixture(L"version_two.exe"), L"4.0.7.1252"},
        {"no translation table", fixture(L"version_notranslation.exe"), L""},
        {"strings under another pair than the translation", fixture(L"version_otherblock.exe"), L""},
        {"no version resource", fixture(L"noversion.exe"), L""},
        {"32-bit executable", fixture(L"version32.exe"), L"3.2.0.0"},
        {"absent file", fixture(L"absent.exe"), L""},
        {"a folder", fixtures, L""},
    };
    for (const Row &r : rows)
        row(std::string("fileVersion(") + r.name + ")", [&] { COMPARE(Win32::fileVersion(r.path), r.version); });
}

void binaryTypeRows()
{
    struct Row
    {
        const char *name;
        std::wstring path;
        bool x64;
    };
    const Row rows[] = {
        {"64-bit executable", fixture(L"noversion.exe"), true},
        {"32-bit executable", fixture(L"version32.exe"), false},
        {"this test program", selfPath(), true},
        {"a text file", fixture(L"version_en.rc"), false},
        {"absent file", fixture(L"absent.exe"), false},
    };
    for (const Row &r : rows)
        row(std::string("isX64Executable(") + r.name + ")", [&] { COMPARE(Win32::isX64Executable(r.path), r.x64); });
}

void registryRows()
{
    const std::wstring iTunesKey = L"SOFTWARE\\Apple Computer, Inc.\\iTunes";
    row("iTunesRegistryVersion(present)", [&] {
        setMachineText(iTunesKey, L"Version", L"12.10.11.2");
        COMPARE(Win32::iTunesRegistryVersion(), std::wstring(L"12.10.11.2"));
    });
    row("iTunesRegistryVersion(value filling the buffer is cut, not overrun)", [&] {
        const std::wstring full(1024, L'9'); // 2048 bytes, no terminating zero
        setMachineValue(iTunesKey, L"Version", REG_BINARY, full.data(), DWORD(full.size() * sizeof(wchar_t)));
        COMPARE(Win32::iTunesRegistryVersion(), full);
    });
    row("iTunesRegistryVersion(value larger than the buffer)", [&] {
        const std::wstring longer(1100, L'9');
        setMachineText(iTunesKey, L"Version", longer);
        COMPARE(Win32::iTunesRegistryVersion(), std::wstring());
    });
    row("iTunesRegistryVersion(absent)", [&] {
        deleteMachineKey(iTunesKey, KEY_WOW64_64KEY);
        COMPARE(Win32::iTunesRegistryVersion(), std::wstring());
    });
    row("iTunesRegistryVersion(only in the 32-bit view)", [&] {
        const std::wstring text = L"9.9";
        setMachineValue(iTunesKey, L"Version", REG_SZ, text.c_str(), DWORD((text.size() + 1) * 2), KEY_WOW64_32KEY);
        COMPARE(Win32::iTunesRegistryVersion(), std::wstring());
        deleteMachineKey(iTunesKey, KEY_WOW64_32KEY);
    });
    row("iTunesStoreFolders(store-installed iTunes found in the first)", [&] {
        const std::wstring folder = Win32::iTunesStoreFolders().at(0) + L"\\AppleInc.iTunes_12.0_x64";
        CreateDirectoryW(Win32::iTunesStoreFolders().at(0).c_str(), nullptr);
        CreateDirectoryW(folder.c_str(), nullptr);
        VERIFY(CopyFileW(fixture(L"version_en.exe").c_str(), (folder + L"\\iTunes.exe").c_str(), FALSE));
        COMPARE(Win32::fileVersion(folder + L"\\iTunes.exe"), std::wstring(L"1.2.3.4"));
    });
    row("productNameCommand(lists the edition written to the registry)", [&] {
        setMachineText(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"ProductName", L"Windows 10 Pro");
        const Win32::FileSystemRedirectionOff redirectionOff;
        Child reg;
        start(reg, Win32::productNameCommand(), true);
        COMPARE(reg.wait(Win32::ProductNameTimeoutMs), 0);
        std::string listing(1 << 16, '\0');
        DWORD read = 0;
        ReadFile(reg.output, &listing[0], DWORD(listing.size()), &read, nullptr);
        listing.resize(read);
        const std::size_t line = listing.find("ProductName");
        VERIFY(line != std::string::npos);
        const std::size_t edition = listing.find("Windows 10 Pro", line);
        VERIFY(edition != std::string::npos && listing.find("REG_SZ", line) < edition);
        VERIFY(listing.find('\n', line) > edition);
    });
}

void diskRows()
{
    struct Row
    {
        const char *name;
        DWORD offset;
        std::string tail; // bytes after the descriptor
        std::string serial;
    };
    constexpr DWORD Header = sizeof(STORAGE_DEVICE_DESCRIPTOR);
    const Row rows[] = {
        {"serial after the descriptor", Header, std::string(" WD-42 \0junk", 12), " WD-42 "},
        {"no serial (offset 0)", 0, std::string("WD-42\0", 6), ""},
        {"offset past the data", Header + 100, std::string("WD-42\0", 6), ""},
        {"offset at the end", Header + 6, std::string("WD-42\0", 6), ""},
        {"serial without its zero runs to the end only", Header, "WD-42", "WD-42"},
    };
    for (const Row &r : rows) {
        row(std::string("serialFromStorageDescriptor(") + r.name + ")", [&] {
            std::vector<unsigned char> descriptor(Header, 0);
            descriptor.insert(descriptor.end(), r.tail.begin(), r.tail.end());
            auto *device = reinterpret_cast<STORAGE_DEVICE_DESCRIPTOR *>(descriptor.data());
            device->Size = DWORD(descriptor.size());
            device->SerialNumberOffset = r.offset;
            COMPARE(Win32::serialFromStorageDescriptor(descriptor), r.serial);
        });
    }
    row("serialFromStorageDescriptor(shorter than a descriptor)", [] {
        COMPARE(Win32::serialFromStorageDescriptor(std::vector<unsigned char>(8, 1)), std::string());
    });
    // Wine answers the query or not; either way the call comes back.
    row("systemDiskSerial(answers)", [] { std::printf("INFO   : disk serial \"%s\"\n", Win32::systemDiskSerial().c_str()); });
}

void hostRows()
{
    row("networkAdapters(the loopback adapter is listed, not Ethernet)", [] {
        bool loopback = false;
        for (const Win32::NetworkAdapter &adapter : Win32::networkAdapters()) {
            loopback = loopback || adapter.interfaceType == 24; // IF_TYPE_SOFTWARE_LOOPBACK
            if (adapter.interfaceType == Win32::EthernetInterface)
                COMPARE(adapter.address.size(), std::size_t(6));
        }
        VERIFY(loopback);
    });
    row("executableDirectory(holds this program)", [] {
        const std::wstring folder = Win32::executableDirectory();
        VERIFY(!folder.empty() && folder.back() != L'\\');
        COMPARE(folder + L"\\tst_win32platform.exe", selfPath());
    });
    row("enableDpiAwareness", [] { VERIFY(Win32::enableDpiAwareness()); });
    row("displayMetrics(the X screen, standard DPI)", [] {
        const Win32::DisplayMetrics metrics = Win32::displayMetrics();
        VERIFY(metrics.available);
        char expected[32] = {};
        GetEnvironmentVariableA("FEEDBACK_TEST_SCREEN", expected, sizeof(expected));
        COMPARE(std::to_string(metrics.width) + "x" + std::to_string(metrics.height), std::string(expected));
        COMPARE(metrics.logicalDpiY, 96);
    });
}

void grabRows()
{
    HWND marker = showMarker(100, 80, 200, 120);
    row("copyDesktop(the marker window's colour, opaque)", [] { COMPARE(grabbedCentre(100, 80, 200, 120), 0xFFC81E3Cu); });
    row("copyDesktop(over the edge: cut to the screen)", [] {
        const int right = GetSystemMetrics(SM_CXVIRTUALSCREEN);
        const Win32::DesktopPixels pixels = Win32::copyDesktop(right - 40, 0, 100, 30);
        Win32::releaseDesktopPixels(pixels.bitmap);
        VERIFY(pixels.bitmap);
        COMPARE(pixels.width, 40);
        COMPARE(pixels.height, 30);
    });
    struct Row
    {
        const char *name;
        int x, y, width, height;
    };
    const Row offScreen[] = {
        {"off the screen", -50, -50, 20, 20},
        {"empty area", 10, 10, 0, 10},
        {"negative size", 10, 10, -5, 10},
    };
    for (const Row &r : offScreen) {
        row(std::string("copyDesktop(") + r.name + ")", [&] {
            const Win32::DesktopPixels pixels = Win32::copyDesktop(r.x, r.y, r.width, r.height);
            VERIFY(!pixels.bitmap && !pixels.bits);
        });
    }
    DestroyWindow(marker);
}

void instanceRows()
{
    row("instance(a later copy hands over active)", [] {
        const std::wstring name = uniqueName(L"a");
        const Win32::InstanceMutex first(name);
        COMPARE(first.state(), Win32::InstanceMutex::Acquired);
        Inbox inbox;
        const Win32::PipeListener listener(pipePath(name), inbox.receiver());
        VERIFY(listener.listening());
        Child later;
        start(later, {selfPath(), L"--copy", name, pipePath(name), L"active"});
        COMPARE(later.wait(10000), int(AllHandedOver));
        COMPARE(inbox.waitFor(1), std::vector<std::string> {"active"});
    });
    row("instance(several messages, non-ASCII and empty, arrive in order)", [] {
        const std::wstring name = uniqueName(L"b");
        const Win32::InstanceMutex first(name);
        Inbox inbox;
        const Win32::PipeListener listener(pipePath(name), inbox.receiver());
        Child later;
        start(later, {selfPath(), L"--copy", name, pipePath(name), L"Gr\u00fc\u00dfe \u4f60\u597d", L"", L"active"});
        COMPARE(later.wait(10000), int(AllHandedOver));
        const std::vector<std::string> expected {utf8(L"Gr\u00fc\u00dfe \u4f60\u597d"), "", "active"};
        COMPARE(inbox.waitFor(3), expected);
    });
    row("instance(first copy gone: the next one is first)", [] {
        const std::wstring name = uniqueName(L"c");
        { const Win32::InstanceMutex first(name); }
        Child next;
        start(next, {selfPath(), L"--copy", name, pipePath(name), L"active"});
        COMPARE(next.wait(10000), int(WasFirst));
    });
    row("instance(a killed copy leaves nothing stale)", [] {
        const std::wstring name = uniqueName(L"d");
        Child holder;
        start(holder, {selfPath(), L"--hold", name, pipePath(name)});
        for (int i = 0; i < 100 && Win32::InstanceMutex(name).state() == Win32::InstanceMutex::Acquired; ++i)
            Sleep(50);
        VERIFY(Win32::sendToPipe(pipePath(name), "active", 5000));
        TerminateProcess(holder.info.hProcess, 9);
        COMPARE(holder.wait(5000), 9);
        const Win32::InstanceMutex next(name);
        COMPARE(next.state(), Win32::InstanceMutex::Acquired);
        const Win32::PipeListener listener(pipePath(name), [](const std::string &) {});
        VERIFY(listener.listening());
    });
    row("instance(nobody listening: the hand-over gives up)", [] {
        const std::wstring name = uniqueName(L"e");
        const Win32::InstanceMutex first(name);
        VERIFY(!Win32::sendToPipe(pipePath(name), "active", 300));
    });
    row("instance(a listener that never acknowledges: the hand-over gives up)", [] {
        const std::wstring name = uniqueName(L"f");
        HANDLE silent = CreateNamedPipeW(pipePath(name).c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 4096, 4096, 0,
                                         nullptr);
        VERIFY(silent != INVALID_HANDLE_VALUE);
        const bool sent = Win32::sendToPipe(pipePath(name), "active", 300);
        CloseHandle(silent);
        VERIFY(!sent);
    });
    row("instance(the first copy starts listening during the wait)", [] {
        const std::wstring name = uniqueName(L"g");
        const Win32::InstanceMutex first(name);
        Child later;
        start(later, {selfPath(), L"--copy", name, pipePath(name), L"active"});
        Sleep(300);
        Inbox inbox;
        const Win32::PipeListener listener(pipePath(name), inbox.receiver());
        COMPARE(later.wait(10000), int(AllHandedOver));
        COMPARE(inbox.waitFor(1).size(), std::size_t(1));
    });
    row("instance(an absurd length drops the connection; the next client is served)", [] {
        const std::wstring name = uniqueName(L"h");
        Inbox inbox;
        const Win32::PipeListener listener(pipePath(name), inbox.receiver());
        HANDLE client = CreateFileW(pipePath(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    0, nullptr);
        VERIFY(client != INVALID_HANDLE_VALUE);
        DWORD moved = 0;
        WriteFile(client, "\xff\xff\xff\xffx", 5, &moved, nullptr);
        char answer = 0;
        const BOOL answered = ReadFile(client, &answer, 1, &moved, nullptr);
        CloseHandle(client);
        VERIFY(!answered);
        VERIFY(Win32::sendToPipe(pipePath(name), "active", 5000));
        COMPARE(inbox.waitFor(1), std::vector<std::string> {"active"});
    });
    struct Limit
    {
        const char *name;
        std::size_t bytes;
        bool handedOver;
    };
    const Limit limits[] = {
        {"message at the size limit", InstanceWire::MaxMessageBytes, true},
        {"one byte over the limit", InstanceWire::MaxMessageBytes + 1, false},
    };
    for (const Limit &limit : limits) {
        row(std::string("instance(") + limit.name + ")", [&] {
            const std::wstring name = uniqueName(L"i");
            Inbox inbox;
            const Win32::PipeListener listener(pipePath(name), inbox.receiver());
            COMPARE(Win32::sendToPipe(pipePath(name), std::string(limit.bytes, 'x'), 5000), limit.handedOver);
            COMPARE(inbox.waitFor(limit.handedOver ? 1 : 0).size(), std::size_t(limit.handedOver ? 1 : 0));
        });
    }
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc >= 4 && std::wstring(argv[1]) == L"--copy")
        return runCopy(argc, argv);
    if (argc == 4 && std::wstring(argv[1]) == L"--hold") {
        const Win32::InstanceMutex mutex(argv[2]);
        const Win32::PipeListener listener(argv[3], [](const std::string &) {});
        Sleep(INFINITE);
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: tst_win32platform <fixture folder>\n");
        return 2;
    }
    fixtures = argv[1];
    std::printf("********* Start testing of tst_win32platform *********\n");
    fileVersionRows();
    binaryTypeRows();
    registryRows();
    diskRows();
    hostRows();
    grabRows();
    instanceRows();
    std::printf("Totals: %d passed, %d failed\n", passedRows, failedRows);
    std::printf("********* Finished testing of tst_win32platform *********\n");
    return failedRows == 0 ? 0 : 1;
}
