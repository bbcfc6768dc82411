#include "testsupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>

namespace TestSupport {

QString peerScript(const QString &name)
{
    return QStringLiteral(FEEDBACK_TEST_PEERS_DIR "/") + name;
}

QString dataFile(const QString &name)
{
    return QStringLiteral(FEEDBACK_TEST_DATA_DIR "/") + name;
}

QString buildDir()
{
    return QStringLiteral(FEEDBACK_BUILD_DIR);
}

PeerProcess::~PeerProcess()
{
    stop();
}

bool PeerProcess::start(const QString &script, const QStringList &arguments, int timeoutMs)
{
    m_process.setProgram(QStringLiteral("/usr/bin/python3"));
    m_process.setArguments(QStringList{QStringLiteral("-u"), script} + arguments);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    m_process.start();
    if (!m_process.waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(script, m_process.errorString());
        return false;
    }
    QDeadlineTimer deadline(timeoutMs);
    QByteArray pending;
    while (!deadline.hasExpired()) {
        if (!m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
            if (m_process.state() != QProcess::Running)
                break;
            continue;
        }
        pending += m_process.readAllStandardOutput();
        const int eol = pending.indexOf('\n');
        if (eol < 0)
            continue;
        const QByteArray first = pending.left(eol).trimmed();
        m_output = pending.mid(eol + 1);
        if (first.startsWith("LISTENING ")) {
            m_port = quint16(first.mid(10).toUInt());
            return m_port != 0;
        }
        m_error = QStringLiteral("unexpected first line from %1: %2").arg(script, QString::fromUtf8(first));
        return false;
    }
    m_error = QStringLiteral("%1 did not report a port: %2").arg(
        script, QString::fromUtf8(m_process.readAllStandardError()));
    stop();
    return false;
}

void PeerProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

qint64 PeerProcess::pid() const
{
    return m_process.processId();
}

bool PeerProcess::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

QByteArray PeerProcess::output()
{
    m_output += m_process.readAllStandardOutput();
    return m_output;
}

bool PeerProcess::waitForOutput(const QByteArray &text, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!output().contains(text)) {
        if (deadline.hasExpired() || m_process.state() != QProcess::Running)
            return output().contains(text);
        m_process.waitForReadyRead(int(qMin<qint64>(100, qMax<qint64>(1, deadline.remainingTime()))));
        QCoreApplication::processEvents();
    }
    return true;
}

quint16 unusedPort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return 0;
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int runProgram(const QString &program, const QStringList &arguments, QByteArray *output, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return -1;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(3000);
        return -1;
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool makeSelfSignedCertificate(const QString &folder, QString *certPath, QString *keyPath, QByteArray *error)
{
    const QString cert = folder + QStringLiteral("/cert.pem");
    const QString key = folder + QStringLiteral("/key.pem");
    const int rc = runProgram(QStringLiteral("openssl"),
                              {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                               QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                               QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost"),
                               QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert},
                              error);
    if (certPath)
        *certPath = cert;
    if (keyPath)
        *keyPath = key;
    return rc == 0;
}

} // namespace TestSupport
