#include "fakesmtpserver.h"

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

FakeSmtpServer::FakeSmtpServer(const QStringList &script, int stepTimeoutMs)
    : m_script(script)
    , m_timeout(stepTimeoutMs)
{
}

FakeSmtpServer::~FakeSmtpServer()
{
    wait();
}

void FakeSmtpServer::setCertificate(const QString &certPath, const QString &keyPath)
{
    m_certPath = certPath;
    m_keyPath = keyPath;
}

namespace {
// Hands out TLS-capable sockets that speak plain TCP until told otherwise.
class TlsCapableServer : public QTcpServer
{
protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        addPendingConnection(socket);
    }
};
} // namespace

quint16 FakeSmtpServer::listen()
{
    start();
    m_listening.acquire();
    return m_port;
}

QStringList FakeSmtpServer::finish()
{
    wait();
    QMutexLocker lock(&m_mutex);
    return m_failures;
}

QByteArray FakeSmtpServer::data() const
{
    QMutexLocker lock(&m_mutex);
    return m_data;
}

static bool readLine(QTcpSocket &socket, int timeoutMs, QByteArray *line)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            return false;
    }
    *line = socket.readLine();
    return true;
}

void FakeSmtpServer::run()
{
    TlsCapableServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        m_failures << QStringLiteral("cannot listen");
        m_listening.release();
        return;
    }
    m_port = server.serverPort();
    m_listening.release();

    const auto fail = [this](const QString &text) {
        QMutexLocker lock(&m_mutex);
        m_failures << text;
    };
    if (!server.waitForNewConnection(m_timeout)) {
        fail(QStringLiteral("no connection"));
        return;
    }
    std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
    bool open = true;
    for (const QString &step : qAsConst(m_script)) {
        if (step.startsWith(QLatin1String("S: "))) {
            socket->write(step.mid(3).toUtf8() + "\r\n");
            socket->waitForBytesWritten(m_timeout);
        } else if (step.startsWith(QLatin1String("R: "))) {
            QString raw = step.mid(3);
            raw.replace(QLatin1String("\\r"), QLatin1String("\r")).replace(QLatin1String("\\n"), QLatin1String("\n"));
            socket->write(raw.toUtf8());
            socket->waitForBytesWritten(m_timeout);
        } else if (step.startsWith(QLatin1String("T: "))) {
            int sent = 0;
            while (sent++ < 60 && socket->write(step.mid(3).toUtf8() + "\r\n") > 0
                   && socket->waitForBytesWritten(m_timeout) && !socket->waitForDisconnected(50)) {
            }
            if (sent > 60)
                fail(QStringLiteral("the client sat out the whole trickle"));
        } else if (step.startsWith(QLatin1String("C: "))) {
            QByteArray line;
            if (!readLine(*socket, m_timeout, &line)) {
                fail(QStringLiteral("expected \"%1\", got nothing").arg(step.mid(3)));
                return;
            }
            if (!line.endsWith("\r\n"))
                fail(QStringLiteral("line without CR LF: %1").arg(QString::fromUtf8(line)));
            line.chop(line.endsWith("\r\n") ? 2 : 0);
            if (QString::fromUtf8(line) != step.mid(3))
                fail(QStringLiteral("expected \"%1\", got \"%2\"").arg(step.mid(3), QString::fromUtf8(line)));
        } else if (step == QLatin1String("DATA")) {
            QByteArray data;
            QByteArray line;
            while (true) {
                if (!readLine(*socket, m_timeout, &line)) {
                    fail(QStringLiteral("data did not end"));
                    return;
                }
                if (line == ".\r\n")
                    break;
                data += line;
            }
            QMutexLocker lock(&m_mutex);
            m_data = data;
        } else if (step == QLatin1String("TLS")) {
            auto *ssl = static_cast<QSslSocket *>(socket.get());
            ssl->setLocalCertificate(m_certPath);
            ssl->setPrivateKey(m_keyPath);
            ssl->startServerEncryption();
            if (!ssl->waitForEncrypted(m_timeout)) {
                fail(QStringLiteral("TLS handshake failed: %1").arg(ssl->errorString()));
                return;
            }
        } else if (step == QLatin1String("CLOSE")) {
            socket->disconnectFromHost();
            open = false;
            break;
        }
    }
    // Nothing more is expected from the client.
    while (open && socket->state() == QAbstractSocket::ConnectedState) {
        QByteArray line;
        if (readLine(*socket, m_timeout, &line))
            fail(QStringLiteral("unexpected line \"%1\"").arg(QString::fromUtf8(line.trimmed())));
        else
            break;
    }
}
