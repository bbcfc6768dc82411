#include "testsupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTcpServer>

#ifdef Q_OS_WIN
#include <QRegularExpression>
#include <QTcpSocket>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <windows.h>
#endif

namespace TestSupport {

#ifdef Q_OS_WIN
// A Windows program under Wine can start a Linux program (the Python peers,
// unzip, openssl) but gets no handle to wait for it, read its exit code or
// stop it. tests/peers/host_runner.py, started beside the tests with its port
// in FEEDBACK_HOST_RUNNER, runs the program for us over one connection.
class HostProgram
{
public:
    bool start(const QString &program, const QStringList &arguments, bool merge, int timeoutMs)
    {
        bool ok = false;
        const quint16 port = quint16(qEnvironmentVariableIntValue("FEEDBACK_HOST_RUNNER", &ok));
        if (!ok) {
            error = QStringLiteral("FEEDBACK_HOST_RUNNER is not set (scripts/wine-test.sh sets it)");
            return false;
        }
        QJsonArray argv{program};
        for (const QString &argument : arguments)
            argv.append(linuxPath(argument));
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        if (!m_socket.waitForConnected(timeoutMs)) {
            error = QStringLiteral("host runner: %1").arg(m_socket.errorString());
            return false;
        }
        m_socket.write(QJsonDocument(QJsonObject{{QStringLiteral("argv"), argv}, {QStringLiteral("merge"), merge}})
                           .toJson(QJsonDocument::Compact) + '\n');
        return m_socket.waitForBytesWritten(timeoutMs);
    }

    // Reads what has come; false when nothing came within timeoutMs.
    bool waitForData(int timeoutMs)
    {
        if (finished)
            return false;
        if (!m_socket.bytesAvailable() && !m_socket.waitForReadyRead(timeoutMs)) {
            if (m_socket.state() != QAbstractSocket::ConnectedState)
                finished = true;
            return false;
        }
        m_buffer += m_socket.readAll();
        for (int eol; (eol = m_buffer.indexOf('\n')) >= 0;) {
            const QByteArray head = m_buffer.left(eol);
            const int size = head.mid(2).toInt();
            if (head.startsWith('X')) {
                exitCode = size;
                finished = true;
                m_buffer.clear();
                break;
            }
            if (m_buffer.size() < eol + 1 + size)
                break;
            (head.startsWith('O') ? out : err) += m_buffer.mid(eol + 1, size);
            m_buffer.remove(0, eol + 1 + size);
        }
        return true;
    }

    // Closing the connection makes the runner stop the program.
    void stop()
    {
        m_socket.abort();
        finished = true;
    }

    // An argument naming a file of the Wine prefix ("C:/...") becomes the
    // Linux path of that file.
    static QString linuxPath(const QString &argument)
    {
        static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[/\\\\]"));
        using Convert = char *(CDECL *)(LPCWSTR);
        static const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void *>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        if (!convert || !drive.match(argument).hasMatch())
            return argument;
        const QString native = QDir::toNativeSeparators(argument);
        char *converted = convert(reinterpret_cast<LPCWSTR>(native.utf16()));
        if (!converted)
            return argument;
        const QString result = QString::fromUtf8(converted);
        HeapFree(GetProcessHeap(), 0, converted);
        return result;
    }

    QByteArray out;
    QByteArray err;
    QString error;
    int exitCode = -1;
    bool finished = false;

private:
    QTcpSocket m_socket;
    QByteArray m_buffer;
};
#else
class HostProgram
{
};
#endif

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

PeerProcess::PeerProcess() = default;

PeerProcess::~PeerProcess()
{
    stop();
}

bool PeerProcess::start(const QString &script, const QStringList &arguments, int timeoutMs)
{
#ifdef Q_OS_WIN
    m_host = std::make_unique<HostProgram>();
    if (!m_host->start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-u"), script} + arguments,
                       false, timeoutMs)) {
        m_error = m_host->error;
        return false;
    }
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && !m_host->out.contains('\n') && !m_host->finished)
        m_host->waitForData(int(qMax<qint64>(1, deadline.remainingTime())));
    const int eol = m_host->out.indexOf('\n');
    const QByteArray first = m_host->out.left(eol).trimmed();
    if (eol >= 0 && first.startsWith("LISTENING ")) {
        m_output = m_host->out.mid(eol + 1);
        m_host->out.clear();
        m_port = quint16(first.mid(10).toUInt());
        return m_port != 0;
    }
    m_error = QStringLiteral("%1 did not report a port: %2").arg(script, QString::fromUtf8(m_host->out + m_host->err));
    stop();
    return false;
#else
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
#endif
}

void PeerProcess::stop()
{
#ifdef Q_OS_WIN
    if (m_host) {
        m_host->stop();
        return;
    }
#endif
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
#ifdef Q_OS_WIN
    if (m_host)
        return -1;
#endif
    return m_process.processId();
}

bool PeerProcess::isRunning() const
{
#ifdef Q_OS_WIN
    if (m_host)
        return !m_host->finished;
#endif
    return m_process.state() == QProcess::Running;
}

QByteArray PeerProcess::output()
{
#ifdef Q_OS_WIN
    if (m_host) {
        while (m_host->waitForData(0)) {
        }
        m_output += m_host->out;
        m_host->out.clear();
        return m_output;
    }
#endif
    m_output += m_process.readAllStandardOutput();
    return m_output;
}

bool PeerProcess::waitForOutput(const QByteArray &text, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!output().contains(text)) {
        if (deadline.hasExpired() || !isRunning())
            return output().contains(text);
#ifdef Q_OS_WIN
        if (m_host)
            m_host->waitForData(int(qMin<qint64>(100, qMax<qint64>(1, deadline.remainingTime()))));
#endif
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

bool underWine()
{
#ifdef Q_OS_WIN
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

QByteArray randomBytes(qint64 size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(int(size), Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), int(size / 4));
    for (qint64 i = size / 4 * 4; i < size; ++i)
        bytes[int(i)] = char(random.generate());
    return bytes;
}

QStringList zipEntries(const QString &archive)
{
    static const char *const list =
        "import hashlib, sys, zipfile\n"
        "with zipfile.ZipFile(sys.argv[1]) as z:\n"
        "    for i in z.infolist():\n"
        "        print('%s %d %s' % (i.filename, i.file_size, hashlib.sha1(z.read(i)).hexdigest()))\n";
    QByteArray out;
    if (runProgram(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(list), archive}, &out)
        != 0)
        return {QStringLiteral("unreadable: ") + QString::fromUtf8(out)};
    return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int runProgram(const QString &program, const QStringList &arguments, QByteArray *output, int timeoutMs)
{
#ifdef Q_OS_WIN
    if (!program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        HostProgram host;
        if (!host.start(program, arguments, true, timeoutMs)) {
            if (output)
                *output = host.error.toUtf8();
            return -1;
        }
        QDeadlineTimer deadline(timeoutMs);
        while (!host.finished && !deadline.hasExpired())
            host.waitForData(int(qMax<qint64>(1, deadline.remainingTime())));
        if (output)
            *output = host.out;
        return host.finished ? host.exitCode : -1;
    }
#endif
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
