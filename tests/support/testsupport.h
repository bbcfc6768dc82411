#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace TestSupport {

class HostProgram;

// Path of a peer script in tests/peers (local servers written in Python).
QString peerScript(const QString &name);
// Path of a file in tests/data.
QString dataFile(const QString &name);
// The build folder (holds the program and FeedbackRes).
QString buildDir();

// A local server run as a child process. The script prints "LISTENING <port>"
// on its first line once it accepts connections; everything it prints after
// that is kept and can be read with output(). The process is stopped by PID
// when the object goes away, so a failing test never leaves a server behind.
class PeerProcess
{
public:
    PeerProcess();
    ~PeerProcess();
    PeerProcess(const PeerProcess &) = delete;
    PeerProcess &operator=(const PeerProcess &) = delete;

    // Starts /usr/bin/python3 <script> <arguments>; false (with a message in
    // errorText()) when it does not report a port within timeoutMs.
    bool start(const QString &script, const QStringList &arguments = {}, int timeoutMs = 15000);
    void stop();

    quint16 port() const { return m_port; }
    qint64 pid() const;
    bool isRunning() const;
    // Everything the peer wrote to stdout after its LISTENING line.
    QByteArray output();
    // Waits until the peer's output contains the given text.
    bool waitForOutput(const QByteArray &text, int timeoutMs = 15000);
    QString errorText() const { return m_error; }

private:
    QProcess m_process;
    // Under Wine the peer runs through tests/peers/host_runner.py instead.
    std::unique_ptr<HostProgram> m_host;
    QByteArray m_output;
    quint16 m_port = 0;
    QString m_error;
};

// A port on 127.0.0.1 that nobody listens on (bound once, then released).
quint16 unusedPort();

// Writes bytes to a file, creating the parent folders; false on failure.
bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
// Whether QFile::link makes a link that reads follow, as planted by somebody
// else. On Windows it makes a shortcut, a plain file to every read, so rows
// about followed links are the Linux layer's.
#ifdef Q_OS_WIN
constexpr bool FollowedLinks = false;
#else
constexpr bool FollowedLinks = true;
#endif

// Whether this Windows test program runs under Wine, whose fonts and window
// manager are not Windows' own.
bool underWine();

// A file the program writes in text mode (CR LF on Windows), with LF line ends.
QString readTextFile(const QString &path);
// Bytes that do not compress, the same for the same seed.
QByteArray randomBytes(qint64 size, quint32 seed);
// "name size sha1" per entry of a zip archive, in archive order, as Python's
// zipfile (an independent reader) sees them; "unreadable: ..." when it cannot.
QStringList zipEntries(const QString &archive);

// Runs a program to completion and returns its exit code (-1 when it did not
// start or finish within timeoutMs); stdout and stderr are merged into *output.
int runProgram(const QString &program, const QStringList &arguments,
               QByteArray *output = nullptr, int timeoutMs = 60000);

// Makes a throw-away self-signed certificate for "localhost" in folder
// (cert.pem and key.pem) with openssl; false with openssl's output in *error.
bool makeSelfSignedCertificate(const QString &folder, QString *certPath, QString *keyPath,
                               QByteArray *error = nullptr);

} // namespace TestSupport
