#pragma once

#include <QByteArray>
#include <QMutex>
#include <QSemaphore>
#include <QStringList>
#include <QThread>

// A scripted SMTP peer on its own thread (the client under test blocks the
// test thread). It accepts one connection on an OS-chosen port and replays a
// transcript, one entry per step:
//   "S: text"  send text and CR LF
//   "R: text"  send text as it is, with \r and \n written as escapes
//   "T: text"  send text and CR LF every 50 ms until the client goes away
//              (a failure when it stays for 3 s)
//   "C: text"  expect the client's next line to be text (CR LF removed)
//   "DATA"     read the message data up to the final "." line and keep it
//   "CLOSE"    close the connection
//   "TLS"      start TLS as the server (needs setCertificate)
// After the last step every further line the client sends is a failure, up to
// the moment it disconnects.
class FakeSmtpServer : public QThread
{
public:
    explicit FakeSmtpServer(const QStringList &script, int stepTimeoutMs = 5000);
    ~FakeSmtpServer() override;

    void setCertificate(const QString &certPath, const QString &keyPath);
    // Starts the thread and waits until it listens; 0 on failure.
    quint16 listen();
    // Waits for the thread to finish and returns what went wrong.
    QStringList finish();
    // The data between DATA and the final "." line, as it came over the wire.
    QByteArray data() const;

protected:
    void run() override;

private:
    QStringList m_script;
    QString m_certPath;
    QString m_keyPath;
    int m_timeout;
    quint16 m_port = 0;
    QSemaphore m_listening;
    mutable QMutex m_mutex;
    QStringList m_failures;
    QByteArray m_data;
};
