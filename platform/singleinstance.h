#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// Makes sure only one copy of the program runs for a user. The first copy
// holds a lock file and listens on a local socket; a later copy finds the
// lock held and hands its message to the first one over the socket.
//
// Wire format: a 32-bit big-endian byte count followed by the message in
// UTF-8; the receiver answers with a single acknowledgement byte once the
// message is complete.
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
    // acknowledgement. Runs a local event loop while waiting.
    bool sendMessage(const QString &message, int timeoutMs);

    // Where the lock file and the socket live (for diagnostics and tests).
    QString lockFilePath() const;
    QString serverName() const;

    // Largest message accepted; longer announcements drop the connection.
    static constexpr quint32 MaxMessageBytes = 1024 * 1024;

signals:
    void messageReceived(const QString &message);

private:
    void decide();
    bool startServer();
    bool serverAnswers();
    void acceptConnections();
    void readMessage(QLocalSocket *socket);

    QString m_lockPath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    bool m_decided = false;
    bool m_running = false;
};
