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
// own, and hands every complete message to the receiver on that thread.
// Connections are served one after another; one that does not finish its
// message within the idle time is dropped.
class PipeListener
{
public:
    using Receiver = std::function<void(const std::string &message)>;

    PipeListener(const std::wstring &pipeName, Receiver receiver);
    // Stops listening and waits for the thread; no message arrives afterwards.
    ~PipeListener();
    PipeListener(const PipeListener &) = delete;
    PipeListener &operator=(const PipeListener &) = delete;

    // False when the pipe could not be created (another process has it).
    bool listening() const { return m_pipe != nullptr; }

private:
    void run();
    void serve();

    Receiver m_receiver;
    void *m_pipe = nullptr;
    void *m_stop = nullptr;
    void *m_io = nullptr;
    std::thread m_thread;
};

// Connects to the pipe, sends the message and waits for the acknowledgement,
// all within timeoutMs. Keeps trying to connect until then, since the running
// copy may hold the mutex but not listen yet. False on any failure.
bool sendToPipe(const std::wstring &pipeName, const std::string &message, int timeoutMs);

} // namespace Win32
