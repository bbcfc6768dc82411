// The SMTP dialogue against a scripted peer: every line the client sends is
// compared with the transcript, and every reply edge case is a row.

#include "emailaddress.h"
#include "fakesmtpserver.h"
#include "mailtesthelpers.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "smtpclient.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(SmtpClient::SmtpError)
using Errors = QList<int>;

namespace {

const QString greeting = QStringLiteral("S: 220 fake ready");
const QString ehlo = QStringLiteral("C: EHLO localhost");
const QString quit = QStringLiteral("C: QUIT");

QStringList connected(const QStringList &rest)
{
    return QStringList{greeting, ehlo, QStringLiteral("S: 250 hello")} + rest;
}

// The dialogue of a whole submission up to its end, with the replies given.
QStringList submission(const QStringList &rest)
{
    return connected({QStringLiteral("C: MAIL FROM: <s@x.test>"), QStringLiteral("S: 250 ok")}) + rest;
}

// The RCPT commands for the test message (To a and b, Cc c, Bcc d), each
// accepted; replace the last reply to refuse the Bcc.
QStringList envelope()
{
    return {QStringLiteral("C: RCPT TO:<a@x.test>"), QStringLiteral("S: 250 ok"),
            QStringLiteral("C: RCPT TO:<b@x.test>"), QStringLiteral("S: 250 ok"),
            QStringLiteral("C: RCPT TO:<c@x.test>"), QStringLiteral("S: 250 ok"),
            QStringLiteral("C: RCPT TO: <d@x.test>"), QStringLiteral("S: 250 ok")};
}

// A two-line EHLO reply of exactly `size` bytes.
QString ehloReplyOf(int size)
{
    // "250-" x... CR LF, then "250 ok" CR LF: 14 bytes besides the x.
    return QStringLiteral("R: 250-") + QString(size - 14, QLatin1Char('x')) + QStringLiteral("\\r\\n250 ok\\r\\n");
}

QList<int> errorsOf(const QSignalSpy &spy)
{
    QList<int> list;
    for (const QList<QVariant> &args : spy)
        list << args.at(0).value<SmtpClient::SmtpError>();
    return list;
}

using MailTest::withoutDate;

// The message text as it has to appear between DATA and ".": line endings
// as CR LF, leading dots doubled.
QByteArray wireForm(const QString &text)
{
    const QByteArray bytes = MailTest::crlfText(text);
    QByteArray out;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.startsWith('.'))
            out += '.';
        out += line + '\n';
    }
    out.chop(1);
    return out;
}

} // namespace

class TestSmtpClient : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void dialogue_data();
    void dialogue();
    void messageOnTheWire_data();
    void messageOnTheWire();
    void sizeLimitEdge_data();
    void sizeLimitEdge();
    void unknownConnectionType();
    void failedConnection();
    void defaults();

private:
    QTemporaryDir m_certs;
    QString m_cert;
    QString m_key;
};

void TestSmtpClient::dialogue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("steps");      // client calls, in order
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("results");    // one 1/0 per call that answers
    QTest::addColumn<Errors>("errors");
    QTest::addColumn<int>("code");           // responseCode afterwards

    const int plain = SmtpClient::PlainTcp;
    const auto E = [](std::initializer_list<SmtpClient::SmtpError> list) {
        Errors e;
        for (auto x : list)
            e << int(x);
        return e;
    };

    QTest::newRow("multi-line-ehlo-last-line-counts")
        << plain << "connect,quit"
        << QStringList{greeting, ehlo, QStringLiteral("S: 250-fake.test"), QStringLiteral("S: 250-SIZE 100"),
                       QStringLiteral("S: 250-STARTTLS"), QStringLiteral("S: 250 AUTH PLAIN LOGIN"), quit}
        << "1" << Errors() << 250;
    QTest::newRow("multi-line-ehlo-last-line-fails")
        << plain << "connect,quit"
        << QStringList{greeting, ehlo, QStringLiteral("S: 250-fake.test"), QStringLiteral("S: 421 going away"), quit}
        << "0" << E({SmtpClient::ErrServerReply, SmtpClient::ErrServerReply}) << 421;
    // A bare code ends the reply at once (the response time-out is long here).
    QTest::newRow("bare-code-is-final")
        << plain << "connect,quit" << QStringList{greeting, ehlo, QStringLiteral("S: 250"), quit}
        << "1" << Errors() << 250;
    QTest::newRow("bare-code-after-continuation")
        << plain << "connect,quit"
        << QStringList{greeting, ehlo, QStringLiteral("S: 250-fake.test"), QStringLiteral("S: 250"), quit}
        << "1" << Errors() << 250;
    // A reply is not read on beyond 1 MiB, whether or not its line ends come.
    QTest::newRow("reply-of-1MiB-read")
        << plain << "connect,quit" << QStringList{greeting, ehlo, ehloReplyOf(1 << 20), quit}
        << "1" << Errors() << 250;
    QTest::newRow("reply-beyond-1MiB-refused")
        << plain << "connect" << QStringList{greeting, ehlo, ehloReplyOf((1 << 20) + 1)}
        << "0" << E({SmtpClient::ErrResponseTimeout}) << 250;
    QTest::newRow("two-digit-line-is-not-final")
        << plain << "connect,quit"
        << QStringList{greeting, ehlo, QStringLiteral("S: 25"), QStringLiteral("S: 250 ok"), quit}
        << "1" << Errors() << 250;
    QTest::newRow("greeting-554")
        << plain << "connect" << QStringList{QStringLiteral("S: 554 go away")}
        << "0" << E({SmtpClient::ErrPermanentReply, SmtpClient::ErrServerReply}) << 554;
    QTest::newRow("greeting-421")
        << plain << "connect" << QStringList{QStringLiteral("S: 421 busy")}
        << "0" << E({SmtpClient::ErrServerReply, SmtpClient::ErrServerReply}) << 421;
    QTest::newRow("greeting-250-unexpected")
        << plain << "connect" << QStringList{QStringLiteral("S: 250 hm")}
        << "0" << E({SmtpClient::ErrServerReply}) << 250;
    QTest::newRow("plain-never-sends-starttls")
        << plain << "connect,quit"
        << QStringList{greeting, ehlo, QStringLiteral("S: 250-fake"), QStringLiteral("S: 250 STARTTLS"), quit}
        << "1" << Errors() << 250;
    QTest::newRow("ehlo-rejected")
        << plain << "connect" << QStringList{greeting, ehlo, QStringLiteral("S: 502 no")}
        << "0" << E({SmtpClient::ErrPermanentReply, SmtpClient::ErrServerReply}) << 502;
    QTest::newRow("server-silent")
        << plain << "connect" << QStringList{greeting, ehlo}
        << "0" << E({SmtpClient::ErrResponseTimeout}) << 220;
    QTest::newRow("server-closes-mid-reply")
        << plain << "connect"
        << QStringList{greeting, ehlo, QStringLiteral("R: 250-first\\r\\n250-sec"), QStringLiteral("CLOSE")}
        << "0" << E({SmtpClient::ErrResponseTimeout}) << 250;
    QTest::newRow("server-closes-before-greeting")
        << plain << "connect" << QStringList{QStringLiteral("CLOSE")}
        << "0" << E({SmtpClient::ErrResponseTimeout}) << 0;
    QTest::newRow("starttls-refused")
        << int(SmtpClient::StartTls) << "connect"
        << connected({QStringLiteral("C: STARTTLS"), QStringLiteral("S: 454 not now")})
        << "0" << E({SmtpClient::ErrServerReply, SmtpClient::ErrServerReply}) << 454;
    QTest::newRow("starttls-handshake-fails")
        << int(SmtpClient::StartTls) << "connect"
        << connected({QStringLiteral("C: STARTTLS"), QStringLiteral("S: 220 go ahead"),
                      QStringLiteral("R: this is not TLS\\r\\n"), QStringLiteral("CLOSE")})
        << "0" << E({SmtpClient::ErrConnectTimeout}) << 220;
    // RFC 3207 4.2: whatever the server sent in the clear after its 220 is
    // thrown away; the EHLO after the handshake reads the encrypted reply.
    QTest::newRow("starttls-drops-plaintext-sent-before-the-handshake")
        << int(SmtpClient::StartTls) << "connect,quit"
        << connected({QStringLiteral("C: STARTTLS"), QStringLiteral("R: 220 go ahead\\r\\n554 injected\\r\\n"),
                      QStringLiteral("TLS"), ehlo, QStringLiteral("S: 250 after tls"), quit})
        << "1" << Errors() << 250;
    // The response time-out bounds a whole reply, however it trickles in.
    QTest::newRow("trickled-greeting-times-out-like-silent")
        << plain << "connect" << QStringList{QStringLiteral("T: 220-still there")}
        << "0" << E({SmtpClient::ErrResponseTimeout}) << 220;
    QTest::newRow("implicit-tls-handshake-fails")
        << int(SmtpClient::ImplicitSsl) << "connect"
        << QStringList{QStringLiteral("R: 220 plain text server\\r\\n"), QStringLiteral("CLOSE")}
        << "0" << E({SmtpClient::ErrResponseTimeout}) << 0;

    // AUTH PLAIN: Base64 of NUL u NUL p.
    QTest::newRow("auth-plain")
        << plain << "connect,login,quit"
        << connected({QStringLiteral("C: AUTH PLAIN AHUAcA=="), QStringLiteral("S: 235 ok"), quit})
        << "11" << Errors() << 235;
    QTest::newRow("auth-plain-535")
        << plain << "connect,login,quit"
        << connected({QStringLiteral("C: AUTH PLAIN AHUAcA=="), QStringLiteral("S: 535 bad credentials"), quit})
        << "10" << E({SmtpClient::ErrPermanentReply, SmtpClient::ErrAuthFailed}) << 535;
    QTest::newRow("auth-login")
        << plain << "connect,login-login,quit"
        << connected({QStringLiteral("C: AUTH LOGIN"), QStringLiteral("S: 334 VXNlcm5hbWU6"), QStringLiteral("C: dQ=="),
                      QStringLiteral("S: 334 UGFzc3dvcmQ6"), QStringLiteral("C: cA=="), QStringLiteral("S: 235 ok"), quit})
        << "11" << Errors() << 235;
    QTest::newRow("auth-login-not-offered")
        << plain << "connect,login-login,quit"
        << connected({QStringLiteral("C: AUTH LOGIN"), QStringLiteral("S: 504 unknown mechanism"), quit})
        << "10" << E({SmtpClient::ErrPermanentReply, SmtpClient::ErrAuthFailed}) << 504;
    QTest::newRow("auth-login-wrong-password")
        << plain << "connect,login-login,quit"
        << connected({QStringLiteral("C: AUTH LOGIN"), QStringLiteral("S: 334 VXNlcm5hbWU6"), QStringLiteral("C: dQ=="),
                      QStringLiteral("S: 334 UGFzc3dvcmQ6"), QStringLiteral("C: cA=="), QStringLiteral("S: 535 no"), quit})
        << "10" << E({SmtpClient::ErrPermanentReply, SmtpClient::ErrAuthFailed}) << 535;
    QTest::newRow("auth-silent")
        << plain << "connect,login" << connected({QStringLiteral("C: AUTH PLAIN AHUAcA==")})
        << "10" << E({SmtpClient::ErrResponseTimeout, SmtpClient::ErrAuthFailed}) << 250;

    // Envelope: To and Cc without a blank after the colon, Bcc with one.
    QTest::newRow("send-to-cc-bcc")
        << plain << "connect,send,quit"
        << submission(envelope() + QStringList{QStringLiteral("C: DATA"), QStringLiteral("S: 354 go"), QStringLiteral("DATA"),
                       QStringLiteral("S: 250 queued"), quit})
        << "11" << Errors() << 250;
    QTest::newRow("first-rcpt-550-stops-before-data")
        << plain << "connect,send,quit"
        << submission({QStringLiteral("C: RCPT TO:<a@x.test>"), QStringLiteral("S: 550 no such user"), quit})
        << "10" << E({SmtpClient::ErrPermanentReply}) << 550;
    QTest::newRow("bcc-rcpt-450")
        << plain << "connect,send,quit"
        << submission(envelope().mid(0, 7) + QStringList{QStringLiteral("S: 450 later"), quit})
        << "10" << E({SmtpClient::ErrServerReply}) << 450;
    QTest::newRow("data-503-sends-no-text")
        << plain << "connect,send,quit"
        << submission(envelope() + QStringList{QStringLiteral("C: DATA"), QStringLiteral("S: 503 bad sequence"), quit})
        << "10" << E({SmtpClient::ErrPermanentReply}) << 503;
    QTest::newRow("mail-from-451")
        << plain << "connect,send,quit"
        << connected({QStringLiteral("C: MAIL FROM: <s@x.test>"), QStringLiteral("S: 451 try later"), quit})
        << "10" << E({SmtpClient::ErrServerReply}) << 451;
    // A reply sent before its command (a "250" with the "354") answers nothing.
    QTest::newRow("reply-before-its-command-ends-the-dialogue")
        << plain << "connect,send"
        << submission(envelope() + QStringList{QStringLiteral("C: DATA"), QStringLiteral("R: 354 go\\r\\n250 ok\\r\\n")})
        << "10" << E({SmtpClient::ErrServerReply}) << 354;
    // Control characters in an address or the EHLO name never reach a command.
    QTest::newRow("rcpt-with-crlf-refused-before-any-command") << plain << "connect,bcc=d@x.test>\r\nRCPT TO:<e@x.test,send,quit"
        << connected({quit}) << "10" << E({SmtpClient::ErrInvalidArgument}) << 250;
    QTest::newRow("rcpt-with-c1-control-refused") << plain << "connect,bcc=d@x.test\u0085,send,quit"
        << connected({quit}) << "10" << E({SmtpClient::ErrInvalidArgument}) << 250;
    QTest::newRow("ehlo-name-with-crlf-refused") << plain << "name=localhost\r\nMAIL FROM:<e@x.test>,connect"
        << QStringList{greeting} << "0" << E({SmtpClient::ErrInvalidArgument}) << 220;
    // RFC 1870: a message larger than the SIZE of the last EHLO reply is not
    // offered at all; MAIL FROM itself never carries a SIZE parameter.
    const QStringList sent = QStringList{QStringLiteral("C: MAIL FROM: <s@x.test>"), QStringLiteral("S: 250 ok")}
                             + envelope()
                             + QStringList{QStringLiteral("C: DATA"), QStringLiteral("S: 354 go"), QStringLiteral("DATA"),
                                           QStringLiteral("S: 250 queued"), quit};
    const auto sized = [&](const QString &keyword, const QStringList &rest) {
        return QStringList{greeting, ehlo, QStringLiteral("S: 250-fake"), QStringLiteral("S: 250 ") + keyword} + rest;
    };
    const auto tls = [&](const QStringList &clear, const QStringList &encrypted) {
        return QStringList{greeting, ehlo} + clear
               + QStringList{QStringLiteral("C: STARTTLS"), QStringLiteral("S: 220 go"), QStringLiteral("TLS"), ehlo}
               + encrypted;
    };
    QTest::newRow("size-below-the-message-refused-before-mail-from")
        << plain << "connect,send,quit" << sized(QStringLiteral("SIZE 100"), {quit})
        << "10" << E({SmtpClient::ErrMessageTooLarge}) << 250;
    QTest::newRow("size-above-the-message") << plain << "connect,send,quit"
                                            << sized(QStringLiteral("SIZE 10000000"), sent) << "11" << Errors() << 250;
    QTest::newRow("size-0-is-no-limit") << plain << "connect,send,quit" << sized(QStringLiteral("SIZE 0"), sent)
                                        << "11" << Errors() << 250;
    QTest::newRow("size-without-number-any-case") << plain << "connect,send,quit" << sized(QStringLiteral("size"), sent)
                                                  << "11" << Errors() << 250;
    QTest::newRow("size-said-in-the-clear-is-gone-after-starttls")
        << int(SmtpClient::StartTls) << "connect,send,quit"
        << tls({QStringLiteral("S: 250 SIZE 100")}, QStringList{QStringLiteral("S: 250 fake")} + sent)
        << "11" << Errors() << 250;
    QTest::newRow("size-said-after-starttls-counts")
        << int(SmtpClient::StartTls) << "connect,send,quit"
        << tls({QStringLiteral("S: 250 fake")}, {QStringLiteral("S: 250-fake"), QStringLiteral("S: 250 SIZE 100"), quit})
        << "10" << E({SmtpClient::ErrMessageTooLarge}) << 250;
    QTest::newRow("message-rejected-after-data")
        << plain << "connect,send,quit"
        << submission(envelope() + QStringList{QStringLiteral("C: DATA"), QStringLiteral("S: 354 go"), QStringLiteral("DATA"),
                       QStringLiteral("S: 554 spam"), quit})
        << "10" << E({SmtpClient::ErrPermanentReply}) << 554;
}

void TestSmtpClient::initTestCase()
{
    qRegisterMetaType<SmtpClient::SmtpError>();
    QByteArray output;
    QVERIFY2(TestSupport::makeSelfSignedCertificate(m_certs.path(), &m_cert, &m_key, &output), output.constData());
}

void TestSmtpClient::dialogue()
{
    QFETCH(int, type);
    QFETCH(QString, steps);
    QFETCH(QStringList, script);
    QFETCH(QString, results);
    QFETCH(Errors, errors);
    QFETCH(int, code);

    FakeSmtpServer server(script);
    server.setCertificate(m_cert, m_key);
    const quint16 port = server.listen();
    QVERIFY(port != 0);

    QString got;
    QList<int> emitted;
    {
        SmtpClient client(QStringLiteral("127.0.0.1"), port, SmtpClient::ConnectionType(type));
        client.setConnectionTimeout(3000);
        client.setResponseTimeout(QByteArray(QTest::currentDataTag()).contains("silent") ? 300 : 5000);
        client.setSendMessageTimeout(3000);
        QSignalSpy spy(&client, &SmtpClient::smtpError);

        MimeMessage message;
        message.setSender(new EmailAddress(QStringLiteral("s@x.test"), QStringLiteral("Sender")));
        message.addRecipient(new EmailAddress(QStringLiteral("a@x.test"), QStringLiteral("A")));
        message.addRecipient(new EmailAddress(QStringLiteral("b@x.test")));
        message.addRecipient(new EmailAddress(QStringLiteral("c@x.test")), MimeMessage::Cc);
        message.addRecipient(new EmailAddress(QStringLiteral("d@x.test")), MimeMessage::Bcc);
        message.setSubject(QStringLiteral("hello"));
        MimeText text(QStringLiteral("body"));
        message.addPart(&text);

        for (const QString &step : steps.split(QLatin1Char(','))) {
            if (step == QLatin1String("connect"))
                got += client.connectToHost() ? QLatin1Char('1') : QLatin1Char('0');
            else if (step == QLatin1String("login"))
                got += client.login(QStringLiteral("u"), QStringLiteral("p"), SmtpClient::AuthPlain) ? QLatin1Char('1') : QLatin1Char('0');
            else if (step == QLatin1String("login-login"))
                got += client.login(QStringLiteral("u"), QStringLiteral("p"), SmtpClient::AuthLogin) ? QLatin1Char('1') : QLatin1Char('0');
            else if (step == QLatin1String("send"))
                got += client.sendMail(message) ? QLatin1Char('1') : QLatin1Char('0');
            else if (step == QLatin1String("quit"))
                client.quit();
            else if (step.startsWith(QLatin1String("bcc=")))
                message.recipients(MimeMessage::Bcc).first()->setAddress(step.mid(4));
            else if (step.startsWith(QLatin1String("name=")))
                client.setName(step.mid(5));
        }
        QCOMPARE(client.responseCode(), code);
        emitted = errorsOf(spy);
        if (server.data().size() > 0) {
            // What arrived is the message text, unchanged but for its wire form.
            QCOMPARE(withoutDate(server.data()), withoutDate(wireForm(message.toString())));
        }
    }
    const QStringList failures = server.finish();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    QCOMPARE(got, results);
    QCOMPARE(emitted, errors);
}

void TestSmtpClient::messageOnTheWire_data()
{
    QTest::addColumn<QString>("body");

    QTest::newRow("plain") << QStringLiteral("just text\r\n");
    QTest::newRow("dot-line") << QStringLiteral("before\r\n.\r\nafter");
    QTest::newRow("quit-line-and-dot-line") << QStringLiteral("comment\r\n.\r\nQUIT\r\n");
    QTest::newRow("leading-dots") << QStringLiteral(".first\r\n..second\r\n. third");
    QTest::newRow("bare-lf") << QStringLiteral("one\ntwo\n.\nthree");
    QTest::newRow("bare-cr") << QStringLiteral("one\rtwo\r.\rthree");
    QTest::newRow("mixed-endings") << QStringLiteral("a\r\n\nb\r\r\nc\n\r.d");
    QTest::newRow("ends-without-line-end") << QStringLiteral("x");
    QTest::newRow("non-ascii") << QStringLiteral("gr\u00fc\u00dfe \u4e16\u754c\n.\u00e9");
    QTest::newRow("large-with-dot-lines") << QStringLiteral("line\n.dot\n").repeated(400000);
}

void TestSmtpClient::messageOnTheWire()
{
    QFETCH(QString, body);
    const QStringList script = submission({QStringLiteral("C: RCPT TO:<a@x.test>"), QStringLiteral("S: 250 ok"),
                                           QStringLiteral("C: DATA"), QStringLiteral("S: 354 go"),
                                           QStringLiteral("DATA"), QStringLiteral("S: 250 queued"), quit});
    FakeSmtpServer server(script);
    const quint16 port = server.listen();
    QVERIFY(port != 0);
    {
        SmtpClient client(QStringLiteral("127.0.0.1"), port);
        client.setResponseTimeout(5000);
        MimeMessage message;
        message.setSender(new EmailAddress(QStringLiteral("s@x.test")));
        message.addRecipient(new EmailAddress(QStringLiteral("a@x.test")));
        MimeText text(body);
        message.addPart(&text);
        QSignalSpy progress(&client, &SmtpClient::messageProgress);
        QVERIFY(client.connectToHost());
        QVERIFY(client.sendMail(message));
        client.quit();

        // From 0 upwards to the size the server counts: line ends as CR LF,
        // the dots of transparency not counted.
        const qint64 total = MailTest::crlfText(message.toString()).size();
        QVERIFY(progress.size() >= 2);
        qint64 last = -1;
        for (const QList<QVariant> &step : qAsConst(progress)) {
            QVERIFY2(step.at(0).toLongLong() > last, qPrintable(QString::number(step.at(0).toLongLong())));
            QCOMPARE(step.at(1).toLongLong(), total);
            last = step.at(0).toLongLong();
        }
        QCOMPARE(progress.first().at(0).toLongLong(), 0);
        QCOMPARE(last, total);

        // The text itself stays as it was; only its wire form changes.
        const QString serialised = message.toString();
        QVERIFY(serialised.contains(body));
        const QByteArray data = server.data();
        QCOMPARE(withoutDate(data), withoutDate(wireForm(serialised)));
        // No line of the data can end it early, and no line ending is bare.
        QVERIFY(!data.contains("\r\n.\r\n"));
        QCOMPARE(data.count('\r'), data.count('\n'));
        QCOMPARE(data.count('\r'), data.count("\r\n"));
    }
    const QStringList failures = server.finish();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void TestSmtpClient::sizeLimitEdge_data()
{
    QTest::addColumn<int>("room"); // the limit less the message's size
    QTest::newRow("limit-equals-the-message") << 0;
    QTest::newRow("limit-one-byte-short") << -1;
}

void TestSmtpClient::sizeLimitEdge()
{
    QFETCH(int, room);
    MimeMessage message;
    message.setSender(new EmailAddress(QStringLiteral("s@x.test")));
    message.addRecipient(new EmailAddress(QStringLiteral("a@x.test")));
    MimeText text(QStringLiteral(".a dot line\nand one more"));
    message.addPart(&text);
    const qint64 size = MailTest::crlfText(message.toString()).size();
    QStringList script = connected({}).mid(0, 2)
                         << QStringLiteral("S: 250 SIZE %1").arg(size + room);
    if (room >= 0)
        script << QStringLiteral("C: MAIL FROM: <s@x.test>") << QStringLiteral("S: 250 ok")
               << QStringLiteral("C: RCPT TO:<a@x.test>") << QStringLiteral("S: 250 ok") << QStringLiteral("C: DATA")
               << QStringLiteral("S: 354 go") << QStringLiteral("DATA") << QStringLiteral("S: 250 queued");
    FakeSmtpServer server(script << quit);
    const quint16 port = server.listen();
    QVERIFY(port != 0);
    {
        SmtpClient client(QStringLiteral("127.0.0.1"), port);
        client.setResponseTimeout(5000);
        QVERIFY(client.connectToHost());
        QCOMPARE(client.sizeLimit(), size + room);
        QCOMPARE(client.sendMail(message), room >= 0);
        client.quit();
    }
    const QStringList failures = server.finish();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void TestSmtpClient::unknownConnectionType()
{
    SmtpClient client(QStringLiteral("127.0.0.1"), 25, SmtpClient::ConnectionType(7));
    QSignalSpy spy(&client, &SmtpClient::smtpError);
    QVERIFY(!client.socket());
    QVERIFY(!client.connectToHost());
    QCOMPARE(errorsOf(spy), QList<int>{SmtpClient::ErrConnectTimeout});
    QVERIFY(!client.login(QStringLiteral("u"), QStringLiteral("p"), SmtpClient::AuthPlain));
    MimeMessage message;
    message.setSender(new EmailAddress(QStringLiteral("s@x.test")));
    QVERIFY(!client.sendMail(message));
    client.quit();
    QCOMPARE(client.responseCode(), 0);

    // Changing the type afterwards gives a socket again.
    client.setConnectionType(SmtpClient::StartTls);
    QVERIFY(qobject_cast<QTcpSocket *>(client.socket()));
}

void TestSmtpClient::failedConnection()
{
    SmtpClient client(QStringLiteral("127.0.0.1"), 1);
    client.setConnectionTimeout(2000);
    QSignalSpy spy(&client, &SmtpClient::smtpError);
    QVERIFY(!client.connectToHost());
    QCOMPARE(errorsOf(spy), QList<int>{SmtpClient::ErrConnectTimeout});
    // Nothing to say QUIT on, and nothing breaks.
    client.quit();
    QVERIFY(!client.login(QStringLiteral("u"), QStringLiteral("p"), SmtpClient::AuthLogin));
}

void TestSmtpClient::defaults()
{
    SmtpClient client;
    QCOMPARE(client.host(), QStringLiteral("localhost"));
    QCOMPARE(client.port(), 25);
    QCOMPARE(client.connectionType(), SmtpClient::PlainTcp);
    QCOMPARE(client.name(), QStringLiteral("localhost"));
    QCOMPARE(client.authMethod(), SmtpClient::AuthPlain);
    QCOMPARE(client.connectionTimeout(), 5000);
    QCOMPARE(client.responseTimeout(), 50000);
    QCOMPARE(client.sendMessageTimeout(), 60000);
    QCOMPARE(client.responseCode(), 0);
    QCOMPARE(client.socket()->parent(), &client);

    SmtpClient tls(QStringLiteral("h"), 465, SmtpClient::ImplicitSsl);
    auto *ssl = qobject_cast<QSslSocket *>(tls.socket());
    QVERIFY(ssl);
    QCOMPARE(ssl->peerVerifyMode(), QSslSocket::VerifyNone);
}

QTEST_GUILESS_MAIN(TestSmtpClient)
#include "tst_smtpclient.moc"
