#include "wininstance.h"
#include "instancewire.h"

#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Milliseconds left until deadline (a GetTickCount64 value).
DWORD remainingMs(ULONGLONG deadline)
{
    const ULONGLONG now = GetTickCount64();
    return now >= deadline ? 0 : DWORD(std::min<ULONGLONG>(deadline - now, INFINITE - 1));
}

// Reads or writes all of size bytes on an overlapped handle before the
// deadline; a signalled stop event ends the wait early.
bool transfer(HANDLE pipe, HANDLE io, HANDLE stop, bool write, void *data, DWORD size, ULONGLONG deadline)
{
    auto *bytes = static_cast<char *>(data);
    while (size > 0) {
        OVERLAPPED overlapped {};
        overlapped.hEvent = io;
        const BOOL done = write ? WriteFile(pipe, bytes, size, nullptr, &overlapped)
                                : ReadFile(pipe, bytes, size, nullptr, &overlapped);
        if (!done && GetLastError() != ERROR_IO_PENDING)
            return false;
        const HANDLE events[] = {io, stop};
        const DWORD waited = WaitForMultipleObjects(stop ? 2 : 1, events, FALSE, remainingMs(deadline));
        DWORD moved = 0;
        if (waited != WAIT_OBJECT_0) {
            CancelIo(pipe);
            GetOverlappedResult(pipe, &overlapped, &moved, TRUE);
            return false;
        }
        if (!GetOverlappedResult(pipe, &overlapped, &moved, FALSE))
            return false;
        bytes += moved;
        size -= moved;
    }
    return true;
}

struct HandleCloser
{
    void operator()(void *handle) const
    {
        if (handle && handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

Handle newEvent()
{
    return Handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
}

} // namespace

namespace Win32 {

std::wstring currentUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return std::wstring();
    std::wstring sid;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    wchar_t *text = nullptr;
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)
        && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &text)) {
        sid = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

unsigned long currentSessionId()
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return session;
}

InstanceMutex::InstanceMutex(const std::wstring &name)
{
    // The mutex lives as long as a process holds a handle to it, so a copy
    // that ended, however it ended, leaves nothing stale behind.
    m_handle = CreateMutexW(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    if (m_handle)
        m_state = error == ERROR_ALREADY_EXISTS ? HeldElsewhere : Acquired;
    else
        // Made by a process of ours that runs elevated: it exists, we may not open it.
        m_state = error == ERROR_ACCESS_DENIED ? HeldElsewhere : Failed;
}

InstanceMutex::~InstanceMutex()
{
    if (m_handle)
        CloseHandle(m_handle);
}

PipeListener::PipeListener(const std::wstring &pipeName, Receiver receiver)
    : m_receiver(std::move(receiver))
{
    // Only the current user may connect.
    const std::wstring sddl = L"D:P(A;;GA;;;" + currentUserSid() + L")";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        return;
    SECURITY_ATTRIBUTES attributes {sizeof(SECURITY_ATTRIBUTES), descriptor, FALSE};
    // One instance, created first by us: nobody else can serve under this name.
    HANDLE pipe = CreateNamedPipeW(pipeName.c_str(),
                                   PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                   PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
                                   4096, 4096, 0, &attributes);
    LocalFree(descriptor);
    if (pipe == INVALID_HANDLE_VALUE)
        return;
    m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_io = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!m_stop || !m_io) {
        CloseHandle(pipe);
        return;
    }
    m_pipe = pipe;
    m_thread = std::thread([this] { run(); });
}

PipeListener::~PipeListener()
{
    if (m_thread.joinable()) {
        SetEvent(m_stop);
        m_thread.join();
    }
    for (void *handle : {m_pipe, m_stop, m_io}) {
        if (handle)
            CloseHandle(handle);
    }
}

void PipeListener::run()
{
    for (;;) {
        OVERLAPPED overlapped {};
        overlapped.hEvent = m_io;
        bool connected = ConnectNamedPipe(m_pipe, &overlapped) != FALSE;
        if (!connected) {
            const DWORD error = GetLastError();
            if (error == ERROR_PIPE_CONNECTED) {
                connected = true;
            } else if (error == ERROR_IO_PENDING) {
                const HANDLE events[] = {m_io, m_stop};
                if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0) {
                    CancelIo(m_pipe);
                    DWORD ignored = 0;
                    GetOverlappedResult(m_pipe, &overlapped, &ignored, TRUE);
                    return;
                }
                DWORD ignored = 0;
                connected = GetOverlappedResult(m_pipe, &overlapped, &ignored, FALSE) != FALSE;
            }
        }
        if (WaitForSingleObject(m_stop, 0) == WAIT_OBJECT_0)
            return;
        if (connected)
            serve();
        else
            Sleep(10); // a client that came and went; do not spin on repeated failures
        DisconnectNamedPipe(m_pipe);
    }
}

void PipeListener::serve()
{
    const ULONGLONG deadline = GetTickCount64() + InstanceWire::IdleConnectionMs;
    for (;;) {
        unsigned char header[InstanceWire::HeaderBytes];
        if (!transfer(m_pipe, m_io, m_stop, false, header, sizeof(header), deadline))
            return; // the client is done, or gave up
        const std::uint32_t length = std::uint32_t(header[0]) << 24 | std::uint32_t(header[1]) << 16
                                     | std::uint32_t(header[2]) << 8 | std::uint32_t(header[3]);
        if (length > InstanceWire::MaxMessageBytes)
            return;
        std::string message(length, '\0');
        if (length > 0 && !transfer(m_pipe, m_io, m_stop, false, &message[0], length, deadline))
            return;
        // Acknowledge first: the sender is waiting while the window comes up.
        char acknowledgement = InstanceWire::Acknowledgement;
        if (!transfer(m_pipe, m_io, m_stop, true, &acknowledgement, 1, deadline))
            return;
        m_receiver(message);
    }
}

bool sendToPipe(const std::wstring &pipeName, const std::string &message, int timeoutMs)
{
    if (message.size() > InstanceWire::MaxMessageBytes)
        return false;
    const ULONGLONG deadline = GetTickCount64() + ULONGLONG(std::max(0, timeoutMs));
    std::string packet(InstanceWire::HeaderBytes, '\0');
    const auto length = std::uint32_t(message.size());
    for (int i = 0; i < InstanceWire::HeaderBytes; ++i)
        packet[std::size_t(i)] = char(length >> (8 * (InstanceWire::HeaderBytes - 1 - i)) & 0xFF);
    packet += message;

    Handle pipe;
    for (;;) {
        pipe.reset(CreateFileW(pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_FLAG_OVERLAPPED, nullptr));
        if (pipe.get() != INVALID_HANDLE_VALUE)
            break;
        const DWORD left = remainingMs(deadline);
        if (left == 0)
            return false;
        // Busy: another client is being served. Absent: not listening yet.
        if (GetLastError() != ERROR_PIPE_BUSY || !WaitNamedPipeW(pipeName.c_str(), std::min<DWORD>(left, 50)))
            Sleep(std::min<DWORD>(left, 50));
    }
    const Handle io = newEvent();
    if (!io)
        return false;
    char answer = 0;
    return transfer(pipe.get(), io.get(), nullptr, true, &packet[0], DWORD(packet.size()), deadline)
           && transfer(pipe.get(), io.get(), nullptr, false, &answer, 1, deadline)
           && answer == InstanceWire::Acknowledgement;
}

} // namespace Win32
