#include "singleinstance.h"
#include "instancewire.h"
#include "singleinstance_p.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <QtEndian>

#include <sys/un.h>
#include <unistd.h>

namespace {

// A socket address holds the path and its terminating NUL (unix(7)).
constexpr int MaxSocketPathBytes = int(sizeof(sockaddr_un::sun_path)) - 1;

// The user's runtime folder when there is one (private to the user), else the temporary folder.
QString stateFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime;
    return QDir::tempPath();
}

// A long runtime folder can leave no room for the socket's name; then the
// socket goes to the temporary folder (its access stays limited to the user),
// so that a later copy still reaches this one. The lock has no such limit.
QString socketPath(const QString &stem)
{
    const QString name = QLatin1Char('/') + stem + QStringLiteral(".socket");
    QString path;
    for (const QString &folder : {stateFolder(), QDir::tempPath(), QStringLiteral("/tmp")}) {
        path = folder + name;
        if (QFile::encodeName(path).size() <= MaxSocketPathBytes)
            break;
    }
    return path;
}

} // namespace

namespace SingleInstanceSystem {

QString userSuffix()
{
    return QLatin1Char('-') + QString::number(::getuid());
}

} // namespace SingleInstanceSystem

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
{
    const QString stem = SingleInstanceSystem::stemForKey(key);
    m_lockPath = stateFolder() + QLatin1Char('/') + stem + QStringLiteral(".lock");
    m_serverName = socketPath(stem);
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close(); // removes the socket file before the lock goes
}

void SingleInstance::decide()
{
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Stale only when its owner process is gone (QLockFile checks the PID);
    // never by age, since a copy may run for days.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        // QLockFile also calls a lock stale when the owner's executable name
        // differs from the application name it recorded. A copy that still
        // answers on the socket is alive whatever the lock file said.
        if (serverAnswers()) {
            m_lock.reset();
            m_running = true;
            return;
        }
        m_running = false;
        startServer();
        return;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        // The lock cannot be written (folder not writable and the like): the
        // socket alone decides, so a copy that does answer is still found.
        m_lock.reset();
        m_running = serverAnswers();
        if (!m_running)
            startServer();
        return;
    }
    // Held by a live process.
    m_lock.reset();
    m_running = true;
}

bool SingleInstance::startServer()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    // We hold the lock, so a socket file left here belongs to a copy that died.
    if (m_lock)
        QLocalServer::removeServer(m_serverName);
    if (m_server->listen(m_serverName))
        return true;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_serverName);
        if (m_server->listen(m_serverName))
            return true;
    }
    qWarning("SingleInstance: cannot listen on %s: %s", qPrintable(m_serverName),
             qPrintable(m_server->errorString()));
    return false;
}

bool SingleInstance::serverAnswers()
{
    QLocalSocket probe;
    probe.connectToServer(m_serverName);
    const bool connected = probe.waitForConnected(500);
    probe.abort();
    return connected;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(InstanceWire::IdleConnectionMs, socket, [socket] { socket->abort(); });
        if (socket->bytesAvailable() > 0)
            readMessage(socket);
    }
}

void SingleInstance::readMessage(QLocalSocket *socket)
{
    while (socket->bytesAvailable() >= InstanceWire::HeaderBytes) {
        const QByteArray header = socket->peek(InstanceWire::HeaderBytes);
        const quint32 length = qFromBigEndian<quint32>(reinterpret_cast<const uchar *>(header.constData()));
        if (length > MaxMessageBytes) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < InstanceWire::HeaderBytes + qint64(length))
            return;
        socket->skip(InstanceWire::HeaderBytes);
        const QString message = QString::fromUtf8(socket->read(length));
        // Acknowledge first: the sender is waiting while the window comes up.
        socket->write(&InstanceWire::Acknowledgement, 1);
        socket->flush();
        emit messageReceived(message);
    }
}

bool SingleInstance::sendMessage(const QString &message, int timeoutMs)
{
    if (!isRunning())
        return false;

    const QByteArray payload = message.toUtf8();
    if (quint32(payload.size()) > MaxMessageBytes)
        return false;
    QByteArray packet(InstanceWire::HeaderBytes, '\0');
    qToBigEndian<quint32>(quint32(payload.size()), reinterpret_cast<uchar *>(packet.data()));
    packet += payload;

    // The running copy may have taken the lock but not be listening yet:
    // keep trying to connect until the time is up.
    QDeadlineTimer deadline(qMax(0, timeoutMs));
    QLocalSocket socket;
    bool acknowledged = false;
    QEventLoop loop;
    QTimer retry;
    retry.setSingleShot(true);
    QTimer expiry;
    expiry.setSingleShot(true);

    connect(&socket, &QLocalSocket::connected, &loop, [&] { socket.write(packet); });
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        if (socket.read(1) == QByteArray(1, InstanceWire::Acknowledgement)) {
            acknowledged = true;
            loop.quit();
        }
    });
    connect(&socket, &QLocalSocket::errorOccurred, &loop, [&] {
        if (socket.state() != QLocalSocket::ConnectedState && !deadline.hasExpired())
            retry.start(50);
    });
    connect(&socket, &QLocalSocket::disconnected, &loop, [&] {
        if (!acknowledged)
            loop.quit(); // the other side closed without answering
    });
    connect(&retry, &QTimer::timeout, &loop, [&] {
        socket.abort();
        socket.connectToServer(m_serverName);
    });
    connect(&expiry, &QTimer::timeout, &loop, &QEventLoop::quit);

    expiry.start(int(qMax<qint64>(0, deadline.remainingTime())));
    socket.connectToServer(m_serverName);
    if (!acknowledged && expiry.isActive())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    socket.abort();
    return acknowledged;
}
