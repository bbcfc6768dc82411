// The Win32 half of the platform layer, run under Wine by scripts/windows-check.sh:
//   tst_win32platform <fixture folder>
// The fixture folder holds executables built with and without version
// resources. Each row prints PASS or FAIL!, then a Totals line, as QtTest does.
// Started with --copy or --hold, the program plays another copy of the program.
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

std::wstring selfPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

void setMachineValue(const std::wstring &subKey, const std::wstring &name, DWORD type, const std::wstring &data,
                     REGSAM view = KEY_WOW64_64KEY)
{
    HKEY key = nullptr;
    VERIFY(RegCreateKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key,
                           nullptr)
           == ERROR_SUCCESS);
    // REG_SZ with its terminating zero; anything else as the bytes given.
    const DWORD bytes = DWORD((data.size() + (type == REG_SZ ? 1 : 0)) * sizeof(wchar_t));
    const LSTATUS written = RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE *>(data.c_str()), bytes);
    RegCloseKey(key);
    VERIFY(written == ERROR_SUCCESS);
}

// A process started by a row; ended with the row.
struct Child
{
    PROCESS_INFORMATION info {};
    HANDLE output = nullptr;

    Child(const std::vector<std::wstring> &arguments, bool captureOutput = false)
    {
        std::wstring line;
        for (const std::wstring &argument : arguments) {
            const bool plain = !argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos;
            line += (line.empty() ? L"" : L" ") + (plain ? argument : L"\"" + argument + L"\"");
        }
        STARTUPINFOW startup {};
        startup.cb = sizeof(startup);
        HANDLE write = nullptr;
        if (captureOutput) {
            SECURITY_ATTRIBUTES inherit {sizeof(inherit), nullptr, TRUE};
            CreatePipe(&output, &write, &inherit, 1 << 16);
            SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdOutput = startup.hStdError = write;
        }
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, captureOutput, 0, nullptr, nullptr, &startup, &info);
        if (write)
            CloseHandle(write);
    }
    ~Child()
    {
        if (info.hProcess && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 1);
        for (HANDLE handle : {info.hProcess, info.hThread, output}) {
            if (handle)
                CloseHandle(handle);
        }
    }
    // Exit code, or -1 when it did not end in time.
    int wait(DWORD ms) const
    {
        DWORD code = 0;
        if (!info.hProcess || WaitForSingleObject(info.hProcess, ms) != WAIT_OBJECT_0
            || !GetExitCodeProcess(info.hProcess, &code))
            return -1;
        return int(code);
    }
};

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
    std::vector<std::string> waitFor(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        arrived.wait_for(lock, std::chrono::seconds(5), [&] { return messages.size() >= count; });
        return messages;
    }
};

// A mutex and pipe name no other row uses.
std::wstring uniqueName()
{
    static int serial = 0;
    return L"tst-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
}

std::wstring pipePath(const std::wstring &name) { return L"\\\\.\\pipe\\" + name; }

// Exit codes of --copy <mutex> <pipe> <messages...>: a later copy handing over its messages.
enum CopyExit { AllHandedOver = 0, NotAcknowledged = 1, WasFirst = 2, MutexFailed = 4 };

int runCopy(int argc, wchar_t **argv)
{
    const Win32::InstanceMutex mutex(argv[2]);
    if (mutex.state() != Win32::InstanceMutex::HeldElsewhere)
        return mutex.state() == Win32::InstanceMutex::Acquired ? WasFirst : MutexFailed;
    for (int i = 4; i < argc; ++i) {
        if (!Win32::sendToPipe(argv[3], utf8(argv[i]), 5000))
            return NotAcknowledged;
    }
    return AllHandedOver;
}

void fileVersionRows()
{
    struct Row
    {
        const char *name;
        const wchar_t *file;
        std::wstring version;
    };
    const Row rows[] = {
        {"translation 0409/04b0", L"version_en.exe", L"1.2.3.4"},
        {"0007/03a4: each half padded to four digits", L"version_padded.exe", L"7.0.0.1 beta "},
        {"the first of two translations", L"version_two.exe", L"4.0.7.1252"},
        {"no translation table", L"version_notranslation.exe", L""},
        {"strings under another pair than the translation", L"version_otherblock.exe", L""},
        {"no version resource", L"noversion.exe", L""},
        {"32-bit executable", L"version32.exe", L"3.2.0.0"},
        {"absent file", L"absent.exe", L""},
    };
    for (const Row &r : rows)
        row(std::string("fileVersion(") + r.name + ")", [&] { COMPARE(Win32::fileVersion(fixture(r.file)), r.version); });
    row("fileVersion(a folder)", [] { COMPARE(Win32::fileVersion(fixtures), std::wstring()); });
}

void binaryTypeRows()
{
    const std::pair<std::wstring, bool> rows[] = {
        {fixture(L"noversion.exe"), true}, {fixture(L"version32.exe"), false}, {selfPath(), true},
        {fixture(L"version_en.rc"), false}, {fixture(L"absent.exe"), false},
    };
    for (const auto &r : rows) {
        const std::wstring name = r.first.substr(r.first.find_last_of(L'\\') + 1);
        row("isX64Executable(" + utf8(name) + ")", [&] { COMPARE(Win32::isX64Executable(r.first), r.second); });
    }
}

void registryRows()
{
    const std::wstring iTunes = L"SOFTWARE\\Apple Computer, Inc.\\iTunes";
    struct Row
    {
        const char *name;
        DWORD type;
        std::wstring value;
        REGSAM view;
        std::wstring version;
    };
    const Row rows[] = {
        {"present", REG_SZ, L"12.10.11.2", KEY_WOW64_64KEY, L"12.10.11.2"},
        // 2048 bytes and no terminating zero: read up to the buffer's end, not past it.
        {"value filling the buffer", REG_BINARY, std::wstring(1024, L'9'), KEY_WOW64_64KEY, std::wstring(1024, L'9')},
        {"value larger than the buffer", REG_SZ, std::wstring(1100, L'9'), KEY_WOW64_64KEY, L""},
        {"only in the 32-bit view", REG_SZ, L"9.9", KEY_WOW64_32KEY, L""},
    };
    for (const Row &r : rows) {
        row(std::string("iTunesRegistryVersion(") + r.name + ")", [&] {
            setMachineValue(iTunes, L"Version", r.type, r.value, r.view);
            COMPARE(Win32::iTunesRegistryVersion(), r.version);
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, iTunes.c_str(), r.view, 0);
        });
    }
    row("iTunesRegistryVersion(absent)", [] { COMPARE(Win32::iTunesRegistryVersion(), std::wstring()); });
    row("iTunesStoreFolders(iTunes.exe in a store folder is readable there)", [] {
        const std::wstring store = Win32::iTunesStoreFolders().at(0);
        const std::wstring folder = store + L"\\AppleInc.iTunes_12.0_x64";
        CreateDirectoryW(store.c_str(), nullptr);
        CreateDirectoryW(folder.c_str(), nullptr);
        VERIFY(CopyFileW(fixture(L"version_en.exe").c_str(), (folder + L"\\iTunes.exe").c_str(), FALSE));
        COMPARE(Win32::fileVersion(folder + L"\\iTunes.exe"), std::wstring(L"1.2.3.4"));
    });
    row("productNameCommand(lists the edition written to the registry)", [] {
        setMachineValue(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"ProductName", REG_SZ, L"Windows 10 Pro");
        const Win32::FileSystemRedirectionOff redirectionOff;
        const Child reg(Win32::productNameCommand(), true);
        COMPARE(reg.wait(Win32::ProductNameTimeoutMs), 0);
        std::string listing(1 << 16, '\0');
        DWORD read = 0;
        ReadFile(reg.output, &listing[0], DWORD(listing.size()), &read, nullptr);
        listing.resize(read);
        // One line: ProductName, REG_SZ and the edition.
        const std::size_t line = listing.find("ProductName");
        const std::size_t edition = listing.find("Windows 10 Pro", line);
        VERIFY(line != std::string::npos && edition != std::string::npos);
        VERIFY(listing.find("REG_SZ", line) < edition && listing.find('\n', line) > edition);
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
        {"shorter than a descriptor", Header, "", ""},
    };
    for (const Row &r : rows) {
        row(std::string("serialFromStorageDescriptor(") + r.name + ")", [&] {
            std::vector<unsigned char> descriptor(Header, 0);
            descriptor.insert(descriptor.end(), r.tail.begin(), r.tail.end());
            auto *device = reinterpret_cast<STORAGE_DEVICE_DESCRIPTOR *>(descriptor.data());
            device->Size = DWORD(descriptor.size());
            device->SerialNumberOffset = r.offset;
            if (r.tail.empty())
                descriptor.resize(8);
            COMPARE(Win32::serialFromStorageDescriptor(descriptor), r.serial);
        });
    }
}

void hostRows()
{
    row("networkAdapters(the loopback adapter is listed)", [] {
        bool loopback = false;
        for (const Win32::NetworkAdapter &adapter : Win32::networkAdapters())
            loopback = loopback || adapter.interfaceType == 24; // IF_TYPE_SOFTWARE_LOOPBACK
        VERIFY(loopback);
    });
    row("executableDirectory(holds this program)", [] {
        COMPARE(Win32::executableDirectory() + L"\\tst_win32platform.exe", selfPath());
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

// Grabs until the window of one colour shows (the X server maps it in its own time).
std::uint32_t grabbedCentre(int x, int y, int width, int height, std::uint32_t colour)
{
    std::uint32_t centre = 0;
    for (int attempt = 0; attempt < 100 && centre != colour; ++attempt) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(attempt == 0 ? 0 : 50);
        const Win32::DesktopPixels pixels = Win32::copyDesktop(x, y, width, height);
        if (pixels.bitmap)
            std::memcpy(&centre, pixels.bits + (std::size_t(height / 2) * std::size_t(width) + std::size_t(width / 2)) * 4, 4);
        Win32::releaseDesktopPixels(pixels.bitmap);
    }
    return centre;
}

void grabRows()
{
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(200, 30, 60));
    windowClass.lpszClassName = L"tst_marker";
    RegisterClassW(&windowClass);
    HWND marker = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"tst_marker", L"", WS_POPUP | WS_VISIBLE, 100, 80,
                                  200, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
    row("copyDesktop(a window's colour, opaque)", [] { COMPARE(grabbedCentre(100, 80, 200, 120, 0xFFC81E3Cu), 0xFFC81E3Cu); });
    DestroyWindow(marker);

    struct Row
    {
        const char *name;
        int x, y, width, height;
        int readWidth, readHeight; // 0: nothing read
    };
    const int right = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const Row rows[] = {
        {"over the edge: cut to the screen", right - 40, 0, 100, 30, 40, 30},
        {"off the screen", -50, -50, 20, 20, 0, 0},
        {"empty area", 10, 10, 0, 10, 0, 0},
        {"negative size", 10, 10, -5, 10, 0, 0},
    };
    for (const Row &r : rows) {
        row(std::string("copyDesktop(") + r.name + ")", [&] {
            const Win32::DesktopPixels pixels = Win32::copyDesktop(r.x, r.y, r.width, r.height);
            Win32::releaseDesktopPixels(pixels.bitmap);
            COMPARE(pixels.bitmap != nullptr && pixels.bits != nullptr, r.readWidth > 0);
            COMPARE(pixels.width, r.readWidth);
            COMPARE(pixels.height, r.readHeight);
        });
    }
}

void instanceRows()
{
    using Messages = std::vector<std::string>;
    const std::wstring greeting = L"Gr\u00fc\u00dfe \u4f60\u597d";
    // A first copy runs; a later one hands over texts, or one that is first finds nobody.
    struct Row
    {
        const char *name;
        bool firstRuns;
        std::vector<std::wstring> texts;
        int exit;
        Messages received;
    };
    const Row rows[] = {
        {"a later copy hands over active", true, {L"active"}, AllHandedOver, {"active"}},
        {"non-ASCII and empty texts arrive in order", true, {greeting, L"", L"active"}, AllHandedOver,
         {utf8(greeting), "", "active"}},
        {"first copy gone: the next one is first", false, {L"active"}, WasFirst, {}},
    };
    for (const Row &r : rows) {
        row(std::string("instance(") + r.name + ")", [&] {
            const std::wstring name = uniqueName();
            Inbox inbox;
            {
                const Win32::InstanceMutex first(name);
                COMPARE(first.state(), Win32::InstanceMutex::Acquired);
                const Win32::PipeListener listener(pipePath(name), inbox.receiver());
                VERIFY(listener.listening());
                if (r.firstRuns) {
                    std::vector<std::wstring> arguments {selfPath(), L"--copy", name, pipePath(name)};
                    arguments.insert(arguments.end(), r.texts.begin(), r.texts.end());
                    COMPARE(Child(arguments).wait(10000), r.exit);
                    COMPARE(inbox.waitFor(r.received.size()), r.received);
                }
            }
            if (!r.firstRuns)
                COMPARE(Child({selfPath(), L"--copy", name, pipePath(name), L"active"}).wait(10000), r.exit);
        });
    }
    row("instance(a killed copy leaves nothing stale)", [] {
        const std::wstring name = uniqueName();
        const Child holder({selfPath(), L"--hold", name, pipePath(name)});
        VERIFY(Win32::sendToPipe(pipePath(name), "active", 5000));
        TerminateProcess(holder.info.hProcess, 9);
        COMPARE(holder.wait(5000), 9);
        COMPARE(Win32::InstanceMutex(name).state(), Win32::InstanceMutex::Acquired);
        VERIFY(Win32::PipeListener(pipePath(name), [](const std::string &) {}).listening());
    });
    row("instance(the first copy starts listening during the wait)", [] {
        const std::wstring name = uniqueName();
        const Win32::InstanceMutex first(name);
        const Child later({selfPath(), L"--copy", name, pipePath(name), L"active"});
        Sleep(300);
        Inbox inbox;
        const Win32::PipeListener listener(pipePath(name), inbox.receiver());
        COMPARE(later.wait(10000), int(AllHandedOver));
        COMPARE(inbox.waitFor(1), Messages {"active"});
    });
    row("instance(nobody listening: the hand-over gives up)", [] {
        VERIFY(!Win32::sendToPipe(pipePath(uniqueName()), "active", 300));
    });
    row("instance(a listener that never acknowledges: the hand-over gives up)", [] {
        const std::wstring pipe = pipePath(uniqueName());
        HANDLE silent = CreateNamedPipeW(pipe.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
        const bool sent = Win32::sendToPipe(pipe, "active", 300);
        CloseHandle(silent);
        VERIFY(silent != INVALID_HANDLE_VALUE && !sent);
    });
    row("instance(an absurd length drops the connection; the next client is served)", [] {
        const std::wstring pipe = pipePath(uniqueName());
        Inbox inbox;
        const Win32::PipeListener listener(pipe, inbox.receiver());
        HANDLE client = CreateFileW(pipe.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD moved = 0;
        char answer = 0;
        WriteFile(client, "\xff\xff\xff\xffx", 5, &moved, nullptr);
        const BOOL answered = ReadFile(client, &answer, 1, &moved, nullptr);
        CloseHandle(client);
        VERIFY(client != INVALID_HANDLE_VALUE && !answered);
        VERIFY(Win32::sendToPipe(pipe, "active", 5000));
        COMPARE(inbox.waitFor(1), Messages {"active"});
    });
    for (const std::size_t bytes : {std::size_t(InstanceWire::MaxMessageBytes), InstanceWire::MaxMessageBytes + std::size_t(1)}) {
        const bool fits = bytes <= InstanceWire::MaxMessageBytes;
        row("instance(message of " + std::to_string(bytes) + " bytes " + (fits ? "handed over" : "refused") + ")", [&] {
            const std::wstring pipe = pipePath(uniqueName());
            Inbox inbox;
            const Win32::PipeListener listener(pipe, inbox.receiver());
            COMPARE(Win32::sendToPipe(pipe, std::string(bytes, 'x'), 5000), fits);
            COMPARE(inbox.waitFor(fits ? 1 : 0).size(), std::size_t(fits ? 1 : 0));
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
