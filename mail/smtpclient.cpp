#include "smtpclient.h"

#include "emailaddress.h"
#include "mimemessage.h"
#include "mimesink.h"
#include "smtpdataencoder.h"
#include "smtpreplyreader.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMetaMethod>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

namespace {

// The message text goes to the socket in slices of this size, and the client
// waits for the network whenever more than the high-water mark is queued, so a
// large message never sits in memory twice.
constexpr int dataSlice = 64 * 1024;
constexpr qint64 dataHighWater = 1024 * 1024;
// Over TLS the slices go on four records (RFC 8446 5.1: 16 KiB each) at a
// time, and little is let wait in our buffers (see writeMessageData()). A
// single record per hand-over costs two extra wake-ups of the event
// dispatcher per socket write; four keep the writes few and the buffers small.
constexpr int tlsHandOverBytes = 64 * 1024;
constexpr qint64 tlsHighWater = 4 * tlsHandOverBytes;
// A reply is a few lines of text. One that grows beyond this without ending
// (an endless line, or continuation lines without end) is not waited on.
constexpr qint64 maxReplyBytes = 1024 * 1024;
// Longest single wait on the socket, so that abort() is noticed in time.
constexpr int waitSlice = 100;

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
        return m_buffer.size() < dataSlice || sendWholeSlices();
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
    qint64 stuffedDots() const { return m_encoder.stuffedDots(); }

private:
    // Only whole slices go on while more text follows, so that the network
    // sees full-sized writes (and TLS full records), not a short one after
    // every slice.
    bool sendWholeSlices()
    {
        const int whole = m_buffer.size() / dataSlice * dataSlice;
        const bool ok = m_send(QByteArray::fromRawData(m_buffer.constData(), whole));
        m_buffer.remove(0, whole);
        return ok;
    }

    std::function<bool(const QByteArray &)> m_send;
    SmtpDataEncoder m_encoder;
    QByteArray m_buffer;
    qint64 m_written = 0;
};

// Measures a message as a server counts it against its size limit (RFC
// 1870): every line ending CR LF, without the dots of transparency and
// without the final ".".
class CountingSink : public MimeSink
{
public:
    bool write(const QByteArray &bytes) override
    {
        m_scratch.clear();
        m_encoder.encode(bytes, m_scratch);
        m_count += m_scratch.size();
        return true;
    }

    bool writePlainLines(const QByteArray &bytes) override
    {
        m_count += bytes.size();
        m_encoder.passedUnchanged(bytes);
        return true;
    }

    bool measurePlainLines(qint64 length) override
    {
        m_count += length;
        if (length > 0)
            m_encoder.passedUnchanged(QByteArrayLiteral("A")); // plain lines end in no line end
        return true;
    }

    qint64 count() const { return m_count; }

private:
    SmtpDataEncoder m_encoder{false};
    QByteArray m_scratch;
    qint64 m_count = 0;
};

// Passes the progress of the message data on: from 0, never backwards, the
// total only once all of it is on its way, and in between not more often
// than every 50 ms.
class ProgressThrottle
{
public:
    ProgressThrottle(qint64 total, std::function<void(qint64, qint64)> report)
        : m_total(total)
        , m_report(std::move(report))
    {
        if (m_total >= 0)
            pass(0);
    }

    void update(qint64 sent)
    {
        if (m_total <= 0 || m_clock.elapsed() < 50)
            return;
        sent = qBound(qint64(0), sent, m_total - 1);
        if (sent > m_last)
            pass(sent);
    }

    void finish()
    {
        if (m_total >= 0 && m_last < m_total)
            pass(m_total);
    }

private:
    void pass(qint64 sent)
    {
        m_last = sent;
        m_clock.start();
        m_report(sent, m_total);
    }

    const qint64 m_total;
    std::function<void(qint64, qint64)> m_report;
    qint64 m_last = -1;
    QElapsedTimer m_clock;
};

// RFC 1870 4: the EHLO keyword SIZE, with the largest message size the
// server takes as an optional number; no number, or 0, means no fixed limit.
qint64 announcedSizeLimit(const QStringList &replyLines)
{
    for (const QString &line : replyLines) {
        const QStringList words = line.mid(4).simplified().split(QLatin1Char(' '));
        if (words.first().compare(QLatin1String("SIZE"), Qt::CaseInsensitive) != 0)
            continue;
        bool ok = false;
        const qint64 limit = words.value(1).toLongLong(&ok);
        return ok && limit > 0 ? limit : 0;
    }
    return 0;
}

// RFC 5321 4.1.2: no part of a mailbox may hold a control character; CR or
// LF in one would end the command line and start a command of the server's
// choosing.
bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            return true;
    }
    return false;
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
        ssl->setPeerVerifyMode(m_verifyPeer ? QSslSocket::VerifyPeer : QSslSocket::VerifyNone);
        m_socket = ssl;
        break;
    }
    }
}

void SmtpClient::setVerifyPeer(bool on)
{
    m_verifyPeer = on;
    if (auto *ssl = qobject_cast<QSslSocket *>(m_socket))
        ssl->setPeerVerifyMode(on ? QSslSocket::VerifyPeer : QSslSocket::VerifyNone);
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

template <typename Operation>
bool SmtpClient::guarded(Operation operation, bool authenticating)
{
    try {
        throwIfAborted();
        return operation();
    } catch (const AbortedException &) {
        return false;
    } catch (const ResponseTimeoutException &) {
    } catch (const SendMessageTimeoutException &) {
    } catch (const ProtocolException &) {
    }
    return authenticating ? failWith(ErrAuthFailed) : false;
}

void SmtpClient::throwIfAborted()
{
    if (!m_abortRequested)
        return;
    if (!m_aborted) {
        m_aborted = true;
        trace("--", QStringLiteral("aborted"));
        if (m_socket)
            m_socket->abort();
        emit smtpError(ErrAborted);
    }
    throw AbortedException();
}

template <typename Wait>
bool SmtpClient::waitInSlices(int timeoutMs, Wait wait)
{
    // The socket's own waits keep the connection when their time is up, so a
    // long wait can be taken in short pieces.
    const QDeadlineTimer deadline(qMax(0, timeoutMs));
    for (;;) {
        throwIfAborted();
        if (wait(int(qMin<qint64>(waitSlice, deadline.remainingTime()))))
            return true;
        if (m_socket->state() != QAbstractSocket::ConnectedState || deadline.hasExpired())
            return false;
    }
}

bool SmtpClient::waitUntilConnected()
{
    // QAbstractSocket::waitForConnected() gives the attempt up when its time
    // is up, so it cannot be taken in slices: a local event loop waits for
    // the socket instead, woken every slice to look at the clock and at abort().
    const QDeadlineTimer deadline(qMax(0, m_connectionTimeout));
    QEventLoop loop;
    QTimer tick;
    connect(m_socket, &QAbstractSocket::connected, &loop, &QEventLoop::quit);
    connect(m_socket, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
    connect(&tick, &QTimer::timeout, &loop, [&] {
        if (m_abortRequested || deadline.hasExpired())
            loop.quit();
    });
    tick.start(waitSlice);
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    throwIfAborted();
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        return true;
    trace("--", m_socket->errorString());
    m_socket->abort();
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

bool SmtpClient::hasUnsafeAddress(const MimeMessage &message) const
{
    if (hasControlCharacter(message.sender()->address()))
        return true;
    for (const auto type : {MimeMessage::To, MimeMessage::Cc, MimeMessage::Bcc}) {
        for (const EmailAddress *rcpt : message.recipients(type)) {
            if (hasControlCharacter(rcpt->address()))
                return true;
        }
    }
    return false;
}

bool SmtpClient::connectToHost()
{
    if (!m_socket) {
        // No socket for an unknown connection type: a connection failure.
        emit smtpError(ErrConnectTimeout);
        return false;
    }
    m_sizeLimit = 0;
    return guarded([this] {
        trace("--", QStringLiteral("connecting to %1:%2").arg(m_host).arg(m_port));
        if (m_connectionType == ImplicitSsl) {
            static_cast<QSslSocket *>(m_socket)->connectToHostEncrypted(
                m_host, quint16(m_port), QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
        } else {
            m_socket->connectToHost(m_host, quint16(m_port), QIODevice::ReadWrite,
                                    QAbstractSocket::AnyIPProtocol);
        }
        if (!waitUntilConnected())
            return failWith(ErrConnectTimeout);
        // Commands are short and each waits for its reply: do not let Nagle's
        // algorithm hold one back behind unacknowledged data (the final "." after
        // the message text would otherwise wait for a delayed ACK).
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);

        if (!awaitReply(220))
            return failWith(ErrServerReply);
        if (hasControlCharacter(m_name))
            return failWith(ErrInvalidArgument);
        sendMessage(QStringLiteral("EHLO ") + m_name);
        if (!awaitReply(250))
            return failWith(ErrServerReply);
        m_sizeLimit = announcedSizeLimit(m_replyLines);
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
        if (!waitInSlices(m_connectionTimeout, [ssl](int ms) { return ssl->waitForEncrypted(ms); })) {
            qDebug() << ssl->errorString();
            return failWith(ErrConnectTimeout);
        }
        // What the server offered in the clear no longer counts either.
        m_sizeLimit = 0;
        sendMessage(QStringLiteral("EHLO ") + m_name);
        if (!awaitReply(250))
            return failWith(ErrServerReply);
        m_sizeLimit = announcedSizeLimit(m_replyLines);
        return true;
    });
}

bool SmtpClient::login()
{
    return login(m_user, m_password, m_authMethod);
}

bool SmtpClient::login(const QString &user, const QString &password, AuthMechanism method)
{
    return guarded(
        [&] {
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
        },
        true);
}

bool SmtpClient::sendMail(MimeMessage &message)
{
    // A message without a sender has no envelope: refuse it before saying anything.
    if (!message.sender())
        return false;
    // Refused, not cleaned: a cleaned address could belong to someone else.
    if (hasUnsafeAddress(message)) {
        trace("--", QStringLiteral("refused: an address holds a control character"));
        return failWith(ErrInvalidArgument);
    }
    return guarded([&] {
        // Counted only when someone needs the number (a pass over the
        // message, which measures attached files by their size).
        const bool watched = isSignalConnected(QMetaMethod::fromSignal(&SmtpClient::messageProgress));
        m_messageSize = (m_sizeLimit > 0 || watched) ? messageSize(message) : -1;
        // The server would take the whole upload and refuse it at the end.
        // MAIL FROM goes as it always did, without a SIZE parameter.
        if (m_sizeLimit > 0 && m_messageSize > m_sizeLimit) {
            trace("--", QStringLiteral("refused: the message has %1 bytes, the server takes at most %2")
                            .arg(m_messageSize)
                            .arg(m_sizeLimit));
            return failWith(ErrMessageTooLarge);
        }
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
    });
}

qint64 SmtpClient::messageSize(MimeMessage &message)
{
    CountingSink counter;
    message.writeTo(counter);
    counter.write(QByteArrayLiteral("\r\n")); // as writeMessageData() ends it
    return counter.count();
}

void SmtpClient::quit()
{
    if (!m_socket || m_abortRequested)
        return;
    try {
        sendMessage(QStringLiteral("QUIT"));
    } catch (const SendMessageTimeoutException &) {
        const auto state = m_socket->state();
        if (state == QAbstractSocket::ConnectedState || state == QAbstractSocket::ConnectingState
            || state == QAbstractSocket::HostLookupState)
            m_socket->disconnectFromHost();
    } catch (...) {
        // Aborted, or the server spoke out of turn: the connection is closed already.
    }
}

void SmtpClient::sendMessage(const QString &text)
{
    writeCommand(text, false);
}

void SmtpClient::refuseEarlyReply()
{
    // RFC 5321 4.3: the server answers each command once it has it. Bytes
    // that came before the command was sent belong to no command of ours
    // (a "250" sent with the "354" would pass for the answer to the final
    // "."), so the dialogue is out of step and is given up.
    if (m_socket->bytesAvailable() == 0)
        return;
    trace("--", QStringLiteral("reply before its command: %1")
                    .arg(QString::fromUtf8(m_socket->peek(80)).trimmed()));
    m_socket->abort();
    emit smtpError(ErrServerReply);
    throw ProtocolException();
}

void SmtpClient::writeCommand(const QString &text, bool secret)
{
    throwIfAborted();
    if (secret) {
        const int blank = text.startsWith(QLatin1String("AUTH PLAIN ")) ? 11 : 0;
        trace("C:", text.left(blank) + QStringLiteral("<blanked>"));
    } else {
        trace("C:", text);
    }
    if (m_socket && m_socket->state() == QAbstractSocket::ConnectedState)
        refuseEarlyReply();
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState
        || m_socket->write(text.toUtf8() + "\r\n") < 0 || !drainTo(0)) {
        emit smtpError(ErrSendTimeout);
        throw SendMessageTimeoutException();
    }
}

qint64 SmtpClient::queuedBytes() const
{
    qint64 bytes = m_socket->bytesToWrite();
    if (auto *ssl = qobject_cast<QSslSocket *>(m_socket))
        bytes += ssl->encryptedBytesToWrite();
    return bytes;
}

bool SmtpClient::drainTo(qint64 limit)
{
    return waitInSlices(m_sendMessageTimeout, [&](int ms) {
        while (queuedBytes() > limit) {
            if (!m_socket->waitForBytesWritten(ms))
                return false;
        }
        return true;
    });
}

void SmtpClient::writeMessageData(MimeMessage &message)
{
    // The message text followed by CR LF, as one command would be, in its wire
    // form (see SmtpDataEncoder), written slice by slice.
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState) {
        emit smtpError(ErrSendTimeout);
        throw SendMessageTimeoutException();
    }
    refuseEarlyReply();
    // A TLS socket encrypts only when told to send. Left to the wait in
    // drainTo(), it would encrypt and copy a megabyte at a time while the peer
    // waits, through buffers so large that each is fetched anew from the
    // system. Handed over a few records at a time and sent at once, the
    // data flows on and the socket's buffers are reused; when
    // the peer reads slower, the data waits in the system's socket buffer,
    // not in growing buffers of ours.
    const bool tls = m_connectionType != PlainTcp;
    ProgressThrottle progress(m_messageSize, [this](qint64 sent, qint64 total) { emit messageProgress(sent, total); });
    // What has gone to the network, in bytes of the message: what was written
    // less what still waits, less the dots the wire form added (counted up to
    // the end of what was written, so the figure is never ahead).
    qint64 wireBytes = 0;
    const WireSink *wire = nullptr;
    WireSink sink([&](const QByteArray &slice) {
        for (int offset = 0; offset < slice.size();) {
            const int n = tls ? qMin(tlsHandOverBytes, slice.size() - offset) : slice.size();
            if (m_socket->state() != QAbstractSocket::ConnectedState
                || m_socket->write(slice.constData() + offset, n) < 0)
                return false;
            if (tls)
                m_socket->flush();
            offset += n;
            wireBytes += n;
        }
        if (!drainTo(tls ? tlsHighWater : dataHighWater))
            return false;
        progress.update(wireBytes - queuedBytes() - wire->stuffedDots());
        return true;
    });
    wire = &sink;
    bool ok = message.writeTo(sink) && sink.write(QByteArrayLiteral("\r\n")) && sink.flush();
    trace("C:", QStringLiteral("<message text, %1 bytes>").arg(sink.written()));
    // Like any command: wait until the last of it is on its way.
    if (ok)
        ok = drainTo(0);
    if (ok)
        progress.finish();
    if (!ok) {
        throwIfAborted();
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
    // The time-out bounds the whole reply: a server that trickles
    // continuation lines does not hold the client beyond it.
    const QDeadlineTimer deadline(qMax(0, m_responseTimeout));
    SmtpReplyReader reply(maxReplyBytes);
    m_replyLines.clear();
    for (;;) {
        const SmtpReplyReader::Step step = reply.readLine(*m_socket);
        switch (step) {
        case SmtpReplyReader::NeedMore:
            if (deadline.hasExpired()
                || !waitInSlices(int(deadline.remainingTime()),
                                 [this](int ms) { return m_socket->waitForReadyRead(ms); }))
                fail(deadline.hasExpired() ? QStringLiteral("time-out") : m_socket->errorString());
            break;
        case SmtpReplyReader::TooLong:
            fail(QStringLiteral("reply too long"));
            break;
        case SmtpReplyReader::Continued:
        case SmtpReplyReader::Final: {
            const QByteArray &line = reply.line();
            m_responseText = QString::fromUtf8(line.constData(), line.size());
            m_responseCode = reply.code();
            m_replyLines.append(m_responseText);
            trace("S:", m_responseText.trimmed());
            if (m_responseCode / 100 == 4)
                emit smtpError(ErrServerReply);
            else if (m_responseCode / 100 == 5)
                emit smtpError(ErrPermanentReply);
            if (step == SmtpReplyReader::Final)
                return;
            break;
        }
        }
    }
}
