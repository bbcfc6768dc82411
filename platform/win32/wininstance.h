#pragma once

#include <functional>
#include <string>
#include <thread>

// The single-instance hand-over on Windows, in plain types: a named mutex
// tells whether a copy runs, a named pipe carries messages to it (framing in
// instancewire.h). Messages are UTF-8 bytes.
namespace Win32 {

// The current user's security identifier as text ("S-1-5-21-..."); empty when unknown.
std::wstring currentUserSid();
// The log-on session the process runs in.
unsigned long currentSessionId();

class InstanceMutex
{
public:
    enum State {
        Acquired,     // this process created the mutex: it is the first copy
        HeldElsewhere, // another process holds it
        Failed        // it could not be created or opened
    };

    explicit InstanceMutex(const std::wstring &name);
    ~InstanceMutex();
    InstanceMutex(const InstanceMutex &) = delete;
    InstanceMutex &operator=(const InstanceMutex &) = delete;

    State state() const { return m_state; }

private:
    void *m_handle = nullptr;
    State m_state = Failed;
};

// Listens on a named pipe, open to the current user only, on a thread of its
// own, and hands every complete message to the receiver before it
// acknowledges it. Each connection is served on a thread of its own (the
// receiver may be called from several at once and should return quickly) and
// dropped when it does not finish its message within the idle time.
class PipeListener
{
public:
    using Receiver = std::function<void(const std::string &message)>;
    // Connections served at the same time; later clients wait their turn.
    static constexpr unsigned MaxConnections = 4;

    PipeListener(const std::wstring &pipeName, Receiver receiver);
    // Stops listening and waits for its threads; no message arrives afterwards.
    ~PipeListener();
    PipeListener(const PipeListener &) = delete;
    PipeListener &operator=(const PipeListener &) = delete;

    // False when the pipe could not be created (another process has it).
    bool listening() const { return m_listening; }

private:
    void *newInstance(bool first);
    void run(void *firstPipe);
    void serve(void *pipe);

    Receiver m_receiver;
    std::wstring m_name;
    void *m_security = nullptr;
    void *m_stop = nullptr;
    bool m_listening = false;
    std::thread m_thread;
};

// Connects to the pipe, sends the message and waits for the acknowledgement,
// all within timeoutMs. Keeps trying to connect until then, since the running
// copy may hold the mutex but not listen yet. False on any failure.
bool sendToPipe(const std::wstring &pipeName, const std::string &message, int timeoutMs);

} // namespace Win32
