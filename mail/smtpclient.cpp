#include "smtpclient.h"

#include "emailaddress.h"
#include "mimemessage.h"
#include "mimesink.h"
#include "smtpdataencoder.h"

#include <QDebug>
#include <QSslSocket>
#include <QTcpSocket>

#include <functional>

namespace {

// The message text goes to the socket in slices of this size, and the client
// waits for the network whenever more than the high-water mark is queued, so a
// large message never sits in memory twice.
constexpr int dataSlice = 64 * 1024;
constexpr qint64 dataHighWater = 1024 * 1024;
// A reply is a few lines of text. One that grows beyond this without ending
// (an endless line, or continuation lines without end) is not waited on.
constexpr qint64 maxReplyBytes = 1024 * 1024;

// Encodes message text for the wire and passes it on in slices.
class WireSink : public MimeSink
{
public:
    explicit WireSink(std::function<bool(const QByteArray &)> send)
        : m_send(std::move(send))
    {
    }

    bool write(const QByteArray &bytes) override
    {
        m_written += bytes.size();
        m_encoder.encode(bytes, m_buffer);
        return m_buffer.size() < dataSlice || flush();
    }

    bool writePlainLines(const QByteArray &bytes) override
    {
        // Nothing in them to change, so they skip the encoder (and its copy).
        if (!flush())
            return false;
        m_written += bytes.size();
        m_encoder.passedUnchanged(bytes);
        return bytes.isEmpty() || m_send(bytes);
    }

    bool flush()
    {
        if (m_buffer.isEmpty())
            return true;
        const bool ok = m_send(m_buffer);
        m_buffer.clear();
        return ok;
    }

    qint64 written() const { return m_written; }

private:
    std::function<bool(const QByteArray &)> m_send;
    SmtpDataEncoder m_encoder;
    QByteArray m_buffer;
    qint64 m_written = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

SmtpClient::SmtpClient(const QString &host, int port, ConnectionType type)
    : m_host(host)
    , m_port(port)
{
    setConnectionType(type);
    if (m_socket) {
        connect(m_socket, &QAbstractSocket::stateChanged, this, &SmtpClient::socketStateChanged);
        connect(m_socket, &QAbstractSocket::errorOccurred, this, &SmtpClient::socketError);
        connect(m_socket, &QIODevice::readyRead, this, &SmtpClient::socketReadyRead);
    }
}

SmtpClient::~SmtpClient()
{
    delete m_socket;
}

void SmtpClient::setConnectionType(ConnectionType type)
{
    m_connectionType = type;
    delete m_socket;
    m_socket = nullptr;
    switch (type) {
    case PlainTcp:
        m_socket = new QTcpSocket(this);
        break;
    case ImplicitSsl:
    case StartTls: {
        auto *ssl = new QSslSocket(this);
        // The server's certificate is not verified.
        ssl->setPeerVerifyMode(QSslSocket::VerifyNone);
        m_socket = ssl;
        break;
    }
    }
}

void SmtpClient::socketStateChanged(QAbstractSocket::SocketState)
{
}

void SmtpClient::socketError(QAbstractSocket::SocketError)
{
}

void SmtpClient::socketReadyRead()
{
}

void SmtpClient::trace(const char *direction, const QString &text) const
{
    if (m_trace)
        qDebug().noquote() << QLatin1String("SMTP") << QLatin1String(direction) << text;
}

bool SmtpClient::awaitReply(int code)
{
    waitForResponse();
    return m_responseCode == code;
}

bool SmtpClient::failWith(SmtpError error)
{
    emit smtpError(error);
    return false;
}

bool SmtpClient::sendRecipients(const QList<EmailAddress *> &recipients, const QString &command)
{
    for (const EmailAddress *rcpt : recipients) {
        sendMessage(command + rcpt->address() + QLatin1Char('>'));
        if (!awaitReply(250))
            return false;
    }
    return true;
}

bool SmtpClient::connectToHost()
{
    if (!m_socket) {
        // No socket for an unknown connection type: a connection failure.
        emit smtpError(ErrConnectTimeout);
        return false;
    }
    trace("--", QStringLiteral("connecting to %1:%2").arg(m_host).arg(m_port));
    if (m_connectionType == ImplicitSsl) {
        static_cast<QSslSocket *>(m_socket)->connectToHostEncrypted(
            m_host, quint16(m_port), QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    } else {
        m_socket->connectToHost(m_host, quint16(m_port), QIODevice::ReadWrite,
                                QAbstractSocket::AnyIPProtocol);
    }
    if (!m_socket->waitForConnected(m_connectionTimeout)) {
        trace("--", m_socket->errorString());
        emit smtpError(ErrConnectTimeout);
        return false;
    }
    // Commands are short and each waits for its reply: do not let Nagle's
    // algorithm hold one back behind unacknowledged data (the final "." after
    // the message text would otherwise wait for a delayed ACK).
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);

    try {
        if (!awaitReply(220))
            return failWith(ErrServerReply);
        sendMessage(QStringLiteral("EHLO ") + m_name);
        if (!awaitReply(250))
            return failWith(ErrServerReply);
        if (m_connectionType != StartTls)
            return true;

        sendMessage(QStringLiteral("STARTTLS"));
        if (!awaitReply(220))
            return failWith(ErrServerReply);
        // RFC 3207 4.2: nothing the server said in the clear counts once TLS
        // starts; text it slipped in after its 220 must not pass for the reply
        // to the encrypted EHLO.
        m_socket->readAll();
        auto *ssl = static_cast<QSslSocket *>(m_socket);
        ssl->startClientEncryption();
        if (!ssl->waitForEncrypted(m_connectionTimeout)) {
            qDebug() << ssl->errorString();
            return failWith(ErrConnectTimeout);
        }
        sendMessage(QStringLiteral("EHLO ") + m_name);
        return awaitReply(250) || failWith(ErrServerReply);
    } catch (const ResponseTimeoutException &) {
        return false;
    } catch (const SendMessageTimeoutException &) {
        return false;
    }
}

bool SmtpClient::login()
{
    return login(m_user, m_password, m_authMethod);
}

bool SmtpClient::login(const QString &user, const QString &password, AuthMechanism method)
{
    try {
        if (method == AuthPlain) {
            QByteArray credentials;
            credentials.append('\0').append(user.toUtf8()).append('\0').append(password.toUtf8());
            writeCommand(QStringLiteral("AUTH PLAIN ") + QString::fromLatin1(credentials.toBase64()), true);
            if (!awaitReply(235))
                return failWith(ErrAuthFailed);
        } else if (method == AuthLogin) {
            sendMessage(QStringLiteral("AUTH LOGIN"));
            if (!awaitReply(334))
                return failWith(ErrAuthFailed);
            writeCommand(QString::fromLatin1(user.toUtf8().toBase64()), true);
            if (!awaitReply(334))
                return failWith(ErrAuthFailed);
            writeCommand(QString::fromLatin1(password.toUtf8().toBase64()), true);
            if (!awaitReply(235))
                return failWith(ErrAuthFailed);
        }
        return true;
    } catch (const ResponseTimeoutException &) {
        return failWith(ErrAuthFailed);
    } catch (const SendMessageTimeoutException &) {
        return failWith(ErrAuthFailed);
    }
}

bool SmtpClient::sendMail(MimeMessage &message)
{
    // A message without a sender has no envelope: refuse it before saying anything.
    if (!message.sender())
        return false;
    try {
        sendMessage(QStringLiteral("MAIL FROM: <") + message.sender()->address() + QLatin1Char('>'));
        waitForResponse();
        qDebug().noquote() << QStringLiteral("SmtpClient::sendMail======responseCode===========")
                                  + m_responseText;
        if (m_responseCode != 250)
            return false;

        // RCPT TO for To and Cc, "RCPT TO: <" (with a blank) for Bcc.
        if (!sendRecipients(message.recipients(MimeMessage::To), QStringLiteral("RCPT TO:<"))
            || !sendRecipients(message.recipients(MimeMessage::Cc), QStringLiteral("RCPT TO:<"))
            || !sendRecipients(message.recipients(MimeMessage::Bcc), QStringLiteral("RCPT TO: <")))
            return false;

        sendMessage(QStringLiteral("DATA"));
        if (!awaitReply(354))
            return false;

        writeMessageData(message);
        sendMessage(QStringLiteral("."));
        return awaitReply(250);
    } catch (const ResponseTimeoutException &) {
        return false;
    } catch (const SendMessageTimeoutException &) {
        return false;
    }
}

void SmtpClient::quit()
{
    if (!m_socket)
        return;
    try {
        sendMessage(QStringLiteral("QUIT"));
    } catch (const SendMessageTimeoutException &) {
        const auto state = m_socket->state();
        if (state == QAbstractSocket::ConnectedState || state == QAbstractSocket::ConnectingState
            || state == QAbstractSocket::HostLookupState)
            m_socket->disconnectFromHost();
    }
}

void SmtpClient::sendMessage(const QString &text)
{
    writeCommand(text, false);
}

void SmtpClient::writeCommand(const QString &text, bool secret)
{
    if (secret) {
        const int blank = text.startsWith(QLatin1String("AUTH PLAIN ")) ? 11 : 0;
        trace("C:", text.left(blank) + QStringLiteral("<blanked>"));
    } else {
        trace("C:", text);
    }
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState
        || m_socket->write(text.toUtf8() + "\r\n") < 0
        || !m_socket->waitForBytesWritten(m_sendMessageTimeout)) {
        emit smtpError(ErrSendTimeout);
        throw SendMessageTimeoutException();
    }
}

bool SmtpClient::drainTo(qint64 limit)
{
    const auto queued = [this] {
        qint64 bytes = m_socket->bytesToWrite();
        if (auto *ssl = qobject_cast<QSslSocket *>(m_socket))
            bytes += ssl->encryptedBytesToWrite();
        return bytes;
    };
    while (queued() > limit) {
        if (!m_socket->waitForBytesWritten(m_sendMessageTimeout))
            return false;
    }
    return true;
}

void SmtpClient::writeMessageData(MimeMessage &message)
{
    // The message text followed by CR LF, as one command would be, in its wire
    // form (see SmtpDataEncoder), written slice by slice.
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState) {
        emit smtpError(ErrSendTimeout);
        throw SendMessageTimeoutException();
    }
    WireSink sink([this](const QByteArray &slice) {
        return m_socket->state() == QAbstractSocket::ConnectedState && m_socket->write(slice) >= 0
            && drainTo(dataHighWater);
    });
    bool ok = message.writeTo(sink) && sink.write(QByteArrayLiteral("\r\n")) && sink.flush();
    trace("C:", QStringLiteral("<message text, %1 bytes>").arg(sink.written()));
    // Like any command: wait until the last of it is on its way.
    if (ok && m_socket->bytesToWrite() > 0)
        ok = m_socket->waitForBytesWritten(m_sendMessageTimeout);
    if (!ok) {
        emit smtpError(ErrSendTimeout);
        throw SendMessageTimeoutException();
    }
}

void SmtpClient::waitForResponse()
{
    if (!m_socket) {
        emit smtpError(ErrResponseTimeout);
        throw ResponseTimeoutException();
    }
    const auto fail = [this](const QString &why) {
        trace("--", QStringLiteral("no reply: %1").arg(why));
        emit smtpError(ErrResponseTimeout);
        throw ResponseTimeoutException();
    };
    qint64 replyBytes = 0;
    for (;;) {
        // Lines already received are read before waiting for more.
        if (!m_socket->canReadLine()) {
            if (replyBytes + m_socket->bytesAvailable() > maxReplyBytes)
                fail(QStringLiteral("reply too long"));
            if (!m_socket->waitForReadyRead(m_responseTimeout))
                fail(m_socket->errorString());
        }
        while (m_socket->canReadLine()) {
            const QByteArray line = m_socket->readLine();
            replyBytes += line.size();
            if (replyBytes > maxReplyBytes)
                fail(QStringLiteral("reply too long"));
            m_responseText = QString::fromUtf8(line);
            trace("S:", m_responseText.trimmed());
            const bool numeric = line.size() >= 3 && isDigit(line[0]) && isDigit(line[1]) && isDigit(line[2]);
            m_responseCode = numeric ? line.left(3).toInt() : 0;
            if (m_responseCode / 100 == 4)
                emit smtpError(ErrServerReply);
            else if (m_responseCode / 100 == 5)
                emit smtpError(ErrPermanentReply);
            // A blank after the code ends the reply; so does the line end right
            // after a bare code ("250" CR LF), which some servers send as their
            // last line. A hyphen means more lines follow.
            const QByteArray rest = line.mid(3);
            if ((line.size() >= 4 && line[3] == ' ')
                || (numeric && (rest == "\r\n" || rest == "\n")))
                return;
        }
    }
}
