#include "wininstance.h"
#include "instancewire.h"

#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <atomic>
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
    , m_name(pipeName)
{
    // Only the current user may connect or add instances.
    const std::wstring sddl = L"D:P(A;;GA;;;" + currentUserSid() + L")";
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &m_security, nullptr))
        return;
    m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    // Created first by us: nobody else serves under this name.
    HANDLE pipe = m_stop ? newInstance(true) : INVALID_HANDLE_VALUE;
    if (pipe == INVALID_HANDLE_VALUE)
        return;
    m_listening = true;
    m_thread = std::thread([this, pipe] { run(pipe); });
}

PipeListener::~PipeListener()
{
    if (m_thread.joinable()) {
        SetEvent(m_stop);
        m_thread.join();
    }
    if (m_stop)
        CloseHandle(m_stop);
    if (m_security)
        LocalFree(m_security);
}

void *PipeListener::newInstance(bool first)
{
    SECURITY_ATTRIBUTES attributes {sizeof(SECURITY_ATTRIBUTES), m_security, FALSE};
    return CreateNamedPipeW(m_name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0),
                            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
                            MaxConnections + 1, 4096, 4096, 0, &attributes);
}

void PipeListener::run(void *firstPipe)
{
    // Each connection is served on a thread of its own, so a client that
    // never finishes holds up nobody; a few at a time.
    struct Connection
    {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::vector<Connection> connections;
    const auto reap = [&connections] {
        for (auto it = connections.begin(); it != connections.end();) {
            if (*it->done) {
                it->thread.join();
                it = connections.erase(it);
            } else {
                ++it;
            }
        }
    };
    const Handle io = newEvent();
    HANDLE pipe = firstPipe;
    while (io && pipe != INVALID_HANDLE_VALUE) {
        OVERLAPPED overlapped {};
        overlapped.hEvent = io.get();
        bool connected = ConnectNamedPipe(pipe, &overlapped) != FALSE;
        if (!connected) {
            const DWORD error = GetLastError();
            connected = error == ERROR_PIPE_CONNECTED;
            if (error == ERROR_IO_PENDING) {
                const HANDLE events[] = {io.get(), m_stop};
                DWORD ignored = 0;
                if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0)
                    CancelIo(pipe);
                connected = GetOverlappedResult(pipe, &overlapped, &ignored, TRUE) != FALSE;
            }
        }
        if (WaitForSingleObject(m_stop, 0) == WAIT_OBJECT_0) {
            CloseHandle(pipe);
            break;
        }
        if (!connected) {
            // A client that came and went; do not spin on repeated failures.
            DisconnectNamedPipe(pipe);
            Sleep(10);
            continue;
        }
        reap();
        auto done = std::make_shared<std::atomic<bool>>(false);
        connections.push_back({std::thread([this, pipe, done] {
                                   serve(pipe);
                                   DisconnectNamedPipe(pipe);
                                   CloseHandle(pipe);
                                   *done = true;
                               }),
                               done});
        // The next instance, once fewer than the most connections are served.
        pipe = INVALID_HANDLE_VALUE;
        while (pipe == INVALID_HANDLE_VALUE && WaitForSingleObject(m_stop, 0) != WAIT_OBJECT_0) {
            reap();
            if (connections.size() < MaxConnections)
                pipe = newInstance(false);
            if (pipe == INVALID_HANDLE_VALUE)
                WaitForSingleObject(m_stop, 50);
        }
    }
    for (Connection &connection : connections)
        connection.thread.join();
}

void PipeListener::serve(void *pipe)
{
    const Handle io = newEvent();
    const ULONGLONG deadline = GetTickCount64() + InstanceWire::IdleConnectionMs;
    while (io) {
        unsigned char header[InstanceWire::HeaderBytes];
        if (!transfer(pipe, io.get(), m_stop, false, header, sizeof(header), deadline))
            return; // the client is done, or gave up
        const std::uint32_t length = std::uint32_t(header[0]) << 24 | std::uint32_t(header[1]) << 16
                                     | std::uint32_t(header[2]) << 8 | std::uint32_t(header[3]);
        if (length > InstanceWire::MaxMessageBytes)
            return;
        std::string message(length, '\0');
        if (length > 0 && !transfer(pipe, io.get(), m_stop, false, &message[0], length, deadline))
            return;
        // Handed on before the acknowledgement: a sender's next message comes
        // on a new connection, served by another thread, and must not overtake.
        m_receiver(message);
        char acknowledgement = InstanceWire::Acknowledgement;
        if (!transfer(pipe, io.get(), m_stop, true, &acknowledgement, 1, deadline))
            return;
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
