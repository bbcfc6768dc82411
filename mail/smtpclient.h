#pragma once

#include <QAbstractSocket>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>

class EmailAddress;
class MimeMessage;
class QTcpSocket;

// A blocking SMTP client for one connection: connectToHost(), login(),
// sendMail() (once or more) and quit(), each waiting on the socket with its
// own time-out. It needs no event loop and is meant for a worker thread.
// Every step answers true or false; the reason is the last reply (code and
// text) and the smtpError() signal.
//
// With tracing on, the dialogue goes to the debug output, with the
// credentials of AUTH blanked out.
//
// Every wait is bounded by its time-out as a whole (a reply by the response
// time-out, however many lines it trickles in) and notices abort() within a
// tenth of a second.
//
// A server that names a size limit in its EHLO reply (RFC 1870) is sent no
// message larger than that: sendMail() refuses it before MAIL FROM, so the
// upload is not made only to be refused at its end.
class SmtpClient : public QObject
{
    Q_OBJECT
public:
    enum ConnectionType { PlainTcp, ImplicitSsl, StartTls };
    Q_ENUM(ConnectionType)
    enum AuthMechanism { AuthPlain, AuthLogin };
    Q_ENUM(AuthMechanism)
    enum SmtpError {
        ErrConnectTimeout,
        ErrResponseTimeout,
        ErrSendTimeout,
        ErrAuthFailed,
        ErrServerReply,
        ErrPermanentReply,
        // An address or the EHLO name holds a control character: it would end
        // the command line early and start a command of its own.
        ErrInvalidArgument,
        ErrAborted,
        // The message is larger than the limit the server announced.
        ErrMessageTooLarge
    };
    Q_ENUM(SmtpError)

    explicit SmtpClient(const QString &host = QStringLiteral("localhost"), int port = 25,
                        ConnectionType type = PlainTcp);
    ~SmtpClient() override;

    const QString &host() const { return m_host; }
    void setHost(const QString &host) { m_host = host; }
    int port() const { return m_port; }
    void setPort(int port) { m_port = port; }
    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    const QString &user() const { return m_user; }
    void setUser(const QString &user) { m_user = user; }
    const QString &password() const { return m_password; }
    void setPassword(const QString &password) { m_password = password; }
    AuthMechanism authMethod() const { return m_authMethod; }
    void setAuthMethod(AuthMechanism method) { m_authMethod = method; }
    int connectionTimeout() const { return m_connectionTimeout; }
    void setConnectionTimeout(int msec) { m_connectionTimeout = msec; }
    int responseTimeout() const { return m_responseTimeout; }
    void setResponseTimeout(int msec) { m_responseTimeout = msec; }
    int sendMessageTimeout() const { return m_sendMessageTimeout; }
    void setSendMessageTimeout(int msec) { m_sendMessageTimeout = msec; }
    bool traceEnabled() const { return m_trace; }
    void setTraceEnabled(bool on) { m_trace = on; }
    // Off by default: the server's certificate is not checked. On, a TLS
    // server must present a certificate for the host name that the system's
    // certificate store vouches for, or the connection ends in the handshake.
    bool verifyPeer() const { return m_verifyPeer; }
    void setVerifyPeer(bool on);

    ConnectionType connectionType() const { return m_connectionType; }
    // Replaces the socket; a type outside the enumeration leaves none, and
    // every operation then fails.
    void setConnectionType(ConnectionType type);
    QTcpSocket *socket() const { return m_socket; }

    // Last reply line read, with its line ending, and its three-digit code.
    QString responseText() const { return m_responseText; }
    int responseCode() const { return m_responseCode; }
    // Largest message the server takes, from the SIZE keyword of its last
    // EHLO reply; 0 when it names no limit.
    qint64 sizeLimit() const { return m_sizeLimit; }

    // Connects, reads the greeting and says EHLO (twice around STARTTLS).
    bool connectToHost();
    bool login();
    bool login(const QString &user, const QString &password, AuthMechanism method = AuthPlain);
    bool sendMail(MimeMessage &message);
    // Says QUIT without waiting for the answer.
    void quit();

    // May be called from any thread. The operation in progress (and every
    // later one) ends with false and ErrAborted; the connection is closed as
    // it is, without QUIT and without ending the message data.
    void abort() { m_abortRequested = true; }

signals:
    void smtpError(SmtpClient::SmtpError error);
    // While sendMail() writes the message: bytes of it handed over to the
    // network (not those still queued) of its total, the size the server
    // counts (line ends as CR LF, without the dots of transparency). Starts
    // at 0, never goes back, and ends at the total once the last byte is on
    // its way; in between at most every 50 ms.
    void messageProgress(qint64 sent, qint64 total);

protected slots:
    void socketStateChanged(QAbstractSocket::SocketState state);
    void socketError(QAbstractSocket::SocketError error);
    void socketReadyRead();

protected:
    // Writes one command line; throws SendMessageTimeoutException when it
    // cannot be written in time.
    void sendMessage(const QString &text);
    // Reads one whole reply; throws ResponseTimeoutException when it does not
    // come whole within the response time-out, or runs on beyond 1 MiB.
    void waitForResponse();

private:
    class ResponseTimeoutException
    {
    };
    class SendMessageTimeoutException
    {
    };
    // Thrown once the connection was closed on abort().
    class AbortedException
    {
    };
    // Thrown after the server spoke out of turn; the connection is closed.
    class ProtocolException
    {
    };

    // Runs a public operation: whatever it throws has been reported already
    // and makes it false (a failed login also reports ErrAuthFailed).
    template <typename Operation>
    bool guarded(Operation operation, bool authenticating = false);
    // Throws AbortedException (after closing the connection) once abort() was called.
    void throwIfAborted();
    // Repeats wait(slice) in slices of at most 100 ms until it answers true
    // (true), the time is up or the connection is gone (false).
    template <typename Wait>
    bool waitInSlices(int timeoutMs, Wait wait);
    bool waitUntilConnected();
    // Throws ProtocolException when the server sent something before the
    // command that is about to go out.
    void refuseEarlyReply();

    void writeCommand(const QString &text, bool secret);
    void writeMessageData(MimeMessage &message);
    // Bytes written to the socket that have not gone to the network yet.
    qint64 queuedBytes() const;
    // Waits until at most `limit` bytes are still queued for the network.
    bool drainTo(qint64 limit);
    // Reads a reply; true when its code is the expected one.
    bool awaitReply(int code);
    // Emits the error and returns false, for one-line refusals.
    bool failWith(SmtpError error);
    bool sendRecipients(const QList<EmailAddress *> &recipients, const QString &command);
    bool hasUnsafeAddress(const MimeMessage &message) const;
    // The size of the message as writeMessageData() sends it, by the server's count.
    static qint64 messageSize(MimeMessage &message);
    void trace(const char *direction, const QString &text) const;

    QTcpSocket *m_socket = nullptr;
    QString m_host;
    int m_port = 25;
    ConnectionType m_connectionType = PlainTcp;
    QString m_name = QStringLiteral("localhost");
    QString m_user;
    QString m_password;
    AuthMechanism m_authMethod = AuthPlain;
    int m_connectionTimeout = 5000;
    int m_responseTimeout = 50000;
    int m_sendMessageTimeout = 60000;
    QString m_responseText;
    int m_responseCode = 0;
    QStringList m_replyLines; // every line of the last reply
    qint64 m_sizeLimit = 0;
    qint64 m_messageSize = -1; // of the message being sent; -1: not counted
    bool m_trace = false;
    bool m_verifyPeer = false;
    std::atomic<bool> m_abortRequested{false};
    bool m_aborted = false;
};
