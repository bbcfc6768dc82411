// The single-instance guard on Windows: a named mutex per user, session and
// program, and a named pipe beside it (wininstance).
#include "singleinstance.h"
#include "singleinstance_p.h"
#include "wininstance.h"

#include <QMetaObject>

QString SingleInstanceSystem::userSuffix()
{
    return QLatin1Char('-') + QString::fromStdWString(Win32::currentUserSid());
}

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
{
    const QString stem = SingleInstanceSystem::stemForKey(key);
    // Local\: one copy per log-on session, where its window is seen. Pipe
    // names are machine-wide, so the session goes into the name.
    m_lockPath = QStringLiteral("Local\\") + stem;
    m_serverName = QStringLiteral("\\\\.\\pipe\\%1-%2").arg(stem).arg(Win32::currentSessionId());
}

SingleInstance::~SingleInstance()
{
    // No message reaches this object once the listener has stopped.
    m_listener.reset();
}

void SingleInstance::decide()
{
    m_mutex = std::make_unique<Win32::InstanceMutex>(m_lockPath.toStdWString());
    m_running = m_mutex->state() == Win32::InstanceMutex::HeldElsewhere;
    if (m_running) {
        m_mutex.reset();
        return;
    }
    // Also without the mutex (it could not be made) this copy runs and listens.
    m_listener = std::make_unique<Win32::PipeListener>(m_serverName.toStdWString(), [this](const std::string &bytes) {
        const QString message = QString::fromUtf8(bytes.data(), int(bytes.size()));
        QMetaObject::invokeMethod(this, [this, message] { emit messageReceived(message); }, Qt::QueuedConnection);
    });
    if (!m_listener->listening())
        qWarning("SingleInstance: cannot listen on %s", qPrintable(m_serverName));
}

bool SingleInstance::sendMessage(const QString &message, int timeoutMs)
{
    if (!isRunning())
        return false;
    const QByteArray payload = message.toUtf8();
    return Win32::sendToPipe(m_serverName.toStdWString(), std::string(payload.constData(), size_t(payload.size())),
                             timeoutMs);
}
