#pragma once

#include "instancewire.h"

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;
namespace Win32 {
class InstanceMutex;
class PipeListener;
}

// Makes sure only one copy of the program runs for a user. The first copy
// holds a lock and listens; a later copy finds the lock held and hands its
// message to the first one (wire format in instancewire.h). On Linux the
// lock is a lock file and the listener a local socket; on Windows a named
// mutex and a named pipe.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // An empty key is keyForProgram() of the running executable.
    explicit SingleInstance(const QString &key = QString(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // The key of a program for the current user: its canonical path, so a
    // copy started through a symbolic link meets the running one, while the
    // same program installed in another folder runs on its own. Empty when
    // the path does not exist.
    static QString keyForProgram(const QString &programPath);

    // Whether another copy holds the lock. Decided on the first call; when
    // this copy is the first one it starts listening then.
    bool isRunning();
    // Hands a message to the running copy and waits up to timeoutMs for its
    // acknowledgement. On Linux it runs a local event loop while waiting; on
    // Windows it blocks (a later copy has no window to keep alive).
    bool sendMessage(const QString &message, int timeoutMs);

    // Where the lock and the listener live (for diagnostics and tests).
    QString lockFilePath() const;
    QString serverName() const;

    static constexpr quint32 MaxMessageBytes = InstanceWire::MaxMessageBytes;

signals:
    void messageReceived(const QString &message);

private:
    void decide();
#ifdef Q_OS_WIN
    std::unique_ptr<Win32::InstanceMutex> m_mutex;
    std::unique_ptr<Win32::PipeListener> m_listener;
#else
    bool startServer();
    bool serverAnswers();
    void acceptConnections();
    void readMessage(QLocalSocket *socket);

    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
#endif

    QString m_lockPath;
    QString m_serverName;
    bool m_decided = false;
    bool m_running = false;
};
