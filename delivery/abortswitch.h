#pragma once

#include <QMutex>

#include <atomic>

class SmtpClient;

// Lets another thread stop a delivery. The steps look at the flag between
// them and a settings download watches it; an SMTP dialogue in flight is
// aborted at once (its connection closed without QUIT and without ending
// the message, so the server discards what it has).
class AbortSwitch
{
public:
    // Any thread. keepReport: the report still has to go (the window closed
    // under it), so it is kept for later instead of being dropped. A cancel
    // (keepReport false) is final: no later abort asks to keep it again.
    void abort(bool keepReport);
    bool isAborted() const { return m_aborted; }
    bool isCancelled() const { return m_cancelled; }
    bool keepsReport() const { return m_keepReport && !m_cancelled; }
    const std::atomic<bool> *flag() const { return &m_aborted; }
    // Set only by a cancel: work that a kept report still needs (packing)
    // goes on after an abort that keeps it.
    const std::atomic<bool> *cancelFlag() const { return &m_cancelled; }

    // The dialogue in flight; abort() reaches it until it is detached.
    void attach(SmtpClient *client);
    void detach();

private:
    std::atomic<bool> m_aborted{false};
    std::atomic<bool> m_keepReport{false};
    std::atomic<bool> m_cancelled{false};
    QMutex m_mutex;
    SmtpClient *m_client = nullptr;
};
