// The client against a real SMTP server (aiosmtpd, tests/peers/smtp_server.py)
// in plain, STARTTLS and implicit TLS mode, with a self-signed certificate.

#include "mailtesthelpers.h"
#include "emailaddress.h"
#include "mimeattachment.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "smtpclient.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SmtpClient::SmtpError)

namespace {

using MailTest::withoutDate;

// What the server keeps: the message text with every line ending as CR LF,
// followed by the CR LF that ends the text on the wire.
QByteArray serverView(const QString &text)
{
    return MailTest::crlfText(text);
}

} // namespace

class TestSmtpServer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void delivery_data();
    void delivery();
    void certificateCheck_data();
    void certificateCheck();

private:
    QTemporaryDir m_dir;
    QString m_cert;
    QString m_key;
};

void TestSmtpServer::initTestCase()
{
    qRegisterMetaType<SmtpClient::SmtpError>();
    QVERIFY(m_dir.isValid());
    QByteArray output;
    QVERIFY2(TestSupport::makeSelfSignedCertificate(m_dir.path(), &m_cert, &m_key, &output), output.constData());
}

void TestSmtpServer::delivery_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("auth");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("rejected");   // a To address the server refuses
    QTest::addColumn<bool>("delivered");

    const int plain = SmtpClient::PlainTcp;
    const int starttls = SmtpClient::StartTls;
    const int tls = SmtpClient::ImplicitSsl;
    const int authPlain = SmtpClient::AuthPlain;
    const int authLogin = SmtpClient::AuthLogin;
    const QString good = QStringLiteral("s3cret:\u00e9");
    const QString comment = QStringLiteral("It broke.\r\n");

    QTest::newRow("plain-auth-plain") << "plain" << plain << authPlain << good << comment << QString() << true;
    QTest::newRow("plain-auth-login") << "plain" << plain << authLogin << good << comment << QString() << true;
    QTest::newRow("plain-auth-plain-535") << "plain" << plain << authPlain << "wrong" << comment << QString() << false;
    QTest::newRow("plain-auth-login-535") << "plain" << plain << authLogin << "wrong" << comment << QString() << false;
    QTest::newRow("starttls-auth-plain") << "starttls" << starttls << authPlain << good << comment << QString() << true;
    QTest::newRow("starttls-auth-login") << "starttls" << starttls << authLogin << good << comment << QString() << true;
    QTest::newRow("starttls-auth-login-535") << "starttls" << starttls << authLogin << "wrong" << comment << QString() << false;
    QTest::newRow("tls-auth-plain") << "tls" << tls << authPlain << good << comment << QString() << true;
    QTest::newRow("tls-auth-login") << "tls" << tls << authLogin << good << comment << QString() << true;
    QTest::newRow("tls-auth-plain-535") << "tls" << tls << authPlain << "wrong" << comment << QString() << false;
    QTest::newRow("comment-with-dot-and-quit-lines")
        << "plain" << plain << authPlain << good
        << QStringLiteral("first\r\n.\r\nQUIT\r\n.\r\n..x\n.bare lf\nlast") << QString() << true;
    QTest::newRow("tls-comment-with-dot-line")
        << "tls" << tls << authLogin << good << QStringLiteral("a\r\n.\r\nQUIT\r\n") << QString() << true;
    QTest::newRow("rcpt-rejected-550") << "plain" << plain << authPlain << good << comment
                                       << QStringLiteral("nobody@x.test") << false;
}

void TestSmtpServer::delivery()
{
    QFETCH(QString, mode);
    QFETCH(int, type);
    QFETCH(int, auth);
    QFETCH(QString, password);
    QFETCH(QString, comment);
    QFETCH(QString, rejected);
    QFETCH(bool, delivered);

    const QString saveDir = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QStringList args{QStringLiteral("--mode"), mode, QStringLiteral("--cert"), m_cert, QStringLiteral("--key"), m_key,
                     QStringLiteral("--user"), QStringLiteral("reporter@x.test"), QStringLiteral("--password"),
                     QStringLiteral("s3cret:\u00e9"), QStringLiteral("--save-dir"), saveDir};
    if (!rejected.isEmpty())
        args << QStringLiteral("--reject-rcpt") << rejected;
    TestSupport::PeerProcess server;
    QVERIFY2(server.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")), args), qPrintable(server.errorText()));

    SmtpClient client(QStringLiteral("127.0.0.1"), server.port(), SmtpClient::ConnectionType(type));
    client.setConnectionTimeout(5000);
    client.setResponseTimeout(10000);
    client.setSendMessageTimeout(10000);
    client.setUser(QStringLiteral("reporter@x.test"));
    client.setPassword(password);
    client.setAuthMethod(SmtpClient::AuthMechanism(auth));
    QSignalSpy errors(&client, &SmtpClient::smtpError);

    MimeMessage message;
    message.setSender(new EmailAddress(QStringLiteral("reporter@x.test"), QStringLiteral("Reporter")));
    message.addRecipient(new EmailAddress(rejected.isEmpty() ? QStringLiteral("support@x.test") : rejected,
                                          QStringLiteral("Support")));
    message.addRecipient(new EmailAddress(QStringLiteral("cc@x.test")), MimeMessage::Cc);
    message.addRecipient(new EmailAddress(QStringLiteral("bcc@x.test")), MimeMessage::Bcc);
    message.setSubject(QStringLiteral("Feedback"));
    MimeText text(comment);
    message.addPart(&text);
    MimeAttachment attachment(QByteArray(70000, 'z') + QByteArray("\0\1\2.\n.", 7), QStringLiteral("logs.zip"));
    message.addPart(&attachment);

    QVERIFY(client.connectToHost());
    const bool loggedIn = client.login();
    QCOMPARE(loggedIn, password != QLatin1String("wrong"));
    if (!loggedIn) {
        QCOMPARE(client.responseCode(), 535);
        QCOMPARE(errors.size(), 2);
        QCOMPARE(errors.last().at(0).value<SmtpClient::SmtpError>(), SmtpClient::ErrAuthFailed);
        client.quit();
        return;
    }
    QCOMPARE(client.sendMail(message), delivered);
    client.quit();
    if (!delivered) {
        QCOMPARE(client.responseCode(), 550);
        QCOMPARE(errors.size(), 1);
        return;
    }
    QCOMPARE(errors.size(), 0);

    QVERIFY(server.waitForOutput("\n"));
    const QJsonObject record = QJsonDocument::fromJson(server.output().trimmed()).object();
    QCOMPARE(record.value(QStringLiteral("ehlo")).toString(), QStringLiteral("localhost"));
    QCOMPARE(record.value(QStringLiteral("login")).toString(), QStringLiteral("reporter@x.test"));
    QCOMPARE(record.value(QStringLiteral("mail_from")).toString(), QStringLiteral("reporter@x.test"));
    QCOMPARE(record.value(QStringLiteral("rcpt_tos")).toArray(),
             (QJsonArray{QStringLiteral("support@x.test"), QStringLiteral("cc@x.test"), QStringLiteral("bcc@x.test")}));
    const QByteArray received = TestSupport::readFile(record.value(QStringLiteral("path")).toString());
    const QString sent = message.toString();
    QVERIFY(sent.contains(comment));
    QCOMPARE(withoutDate(received), withoutDate(serverView(sent)));
    QVERIFY(!received.contains("bcc@x.test"));
}

void TestSmtpServer::certificateCheck_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("trusted"); // the test certificate in the certificate store
    QTest::newRow("tls-untrusted") << "tls" << false;
    QTest::newRow("starttls-untrusted") << "starttls" << false;
    QTest::newRow("tls-trusted") << "tls" << true;
}

void TestSmtpServer::certificateCheck()
{
    QFETCH(QString, mode);
    QFETCH(bool, trusted);
    TestSupport::PeerProcess server;
    QVERIFY(server.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                         {QStringLiteral("--mode"), mode, QStringLiteral("--cert"), m_cert, QStringLiteral("--key"), m_key}));
    // The store is the default configuration a socket starts from.
    const QSslConfiguration store = QSslConfiguration::defaultConfiguration();
    QSslConfiguration withTestCertificate = store;
    withTestCertificate.addCaCertificates(m_cert);
    QSslConfiguration::setDefaultConfiguration(trusted ? withTestCertificate : store);
    SmtpClient client(QStringLiteral("localhost"), server.port(), mode == QLatin1String("tls") ? SmtpClient::ImplicitSsl : SmtpClient::StartTls);
    QSslConfiguration::setDefaultConfiguration(store);
    client.setVerifyPeer(true);
    QCOMPARE(client.connectToHost(), trusted); // unverified: ends in the handshake, before a word is said
}

QTEST_GUILESS_MAIN(TestSmtpServer)
#include "tst_smtpserver.moc"
