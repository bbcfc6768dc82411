// The whole delivery on the send thread: settings document from a local HTTP
// server, the mail to a local SMTP server (plain, STARTTLS, TLS), the error
// log entries, the analytics events and the received mail read back with
// Python's email package.
#include "mimemessage.h"
#include "mimetext.h"
#include "outboxresender.h"
#include "reportcomposer.h"
#include "reportdelivery.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>


namespace {

const QString Sender = QStringLiteral("reports@example.test");
const QString Password = QStringLiteral("s3cret-Pässwort");
const QString Recipient = QStringLiteral("support@example.test");
const QString ProductId = QStringLiteral("1001");

// Once abortWhen (if given) answers true, the delivery is aborted from this
// thread, once for each entry of aborts (keepReport), in that order.
int runOnSendThread(ReportDelivery &delivery, const std::function<bool()> &abortWhen = {},
                    const QList<bool> &aborts = {false})
{
    // On a thread of its own, as the window runs it.
    int outcome = 0;
    const std::unique_ptr<QThread> thread(QThread::create([&] { outcome = delivery.run(); }));
    thread->start();
    // Keep this thread's event loop turning for in-test servers.
    QDeadlineTimer deadline(90000);
    while (!thread->isFinished() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (abortWhen && abortWhen()) {
            for (const bool keepReport : aborts)
                delivery.abort(keepReport);
        }
    }
    thread->wait();
    return outcome;
}

// "code|message" per log line (the time stamp checked and cut off).
QStringList logEntries(const QString &appDir)
{
    QStringList entries;
    const QString text = TestSupport::readTextFile(appDir + QStringLiteral("/Log/feedback.log"));
    const QRegularExpression line(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d (.*) feedback error code is (-?\\d+)$"));
    for (const QString &l : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = line.match(l);
        entries.append(m.hasMatch() ? m.captured(2) + QLatin1Char('|') + m.captured(1) : QStringLiteral("bad line: ") + l);
    }
    return entries;
}

const char *const ReadMail =
    "import email, email.policy, hashlib, io, json, sys, zipfile\n"
    "msg = email.message_from_bytes(open(sys.argv[1], 'rb').read(), policy=email.policy.compat32)\n"
    "parts = msg.get_payload()\n"
    "out = {'from': msg['From'], 'to': msg['To'], 'subject': msg['Subject'], 'type': msg.get_content_type(),\n"
    "       'id': msg['Message-ID'],\n"
    "       'mime': msg['MIME-Version'], 'date': msg['Date'], 'cc': msg['Cc'],\n"
    "       'body': parts[0].get_payload(decode=True).decode('utf-8'),\n"
    "       'body_type': parts[0].get_content_type(), 'attachments': []}\n"
    "for p in parts[1:]:\n"
    "    data = p.get_payload(decode=True)\n"
    "    a = {'name': p.get_filename(), 'sha1': hashlib.sha1(data).hexdigest(),\n"
    "         'disposition': p.get_content_disposition(), 'type': p.get_content_type()}\n"
    "    if a['name'].endswith('.zip'):\n"
    "        with zipfile.ZipFile(io.BytesIO(data)) as z:\n"
    "            a['entries'] = [[i.filename, hashlib.sha1(z.read(i)).hexdigest()] for i in z.infolist()]\n"
    "    out['attachments'].append(a)\n"
    "print(json.dumps(out))\n";

// The last mail the peer accepted, read back with Python's email package
// (empty when it cannot be read); *record gets the peer's line about it.
QJsonObject lastMail(TestSupport::PeerProcess &smtp, QJsonObject *record = nullptr)
{
    if (!smtp.waitForOutput("\"mail_from\""))
        return {};
    const QJsonObject line = QJsonDocument::fromJson(smtp.output().trimmed().split('\n').last()).object();
    if (record)
        *record = line;
    QByteArray json;
    TestSupport::runProgram(QStringLiteral("/usr/bin/python3"),
                            {QStringLiteral("-c"), QString::fromLatin1(ReadMail), line.value(QStringLiteral("path")).toString()},
                            &json);
    return QJsonDocument::fromJson(json).object();
}

QString sha1Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

// A scripted SMTP peer on this thread: greets a waiting client, answers EHLO with 250, and
// refuses STARTTLS (454) and AUTH (535); it records what the client sent.
class ProbeServer : public QObject
{
public:
    ProbeServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            ++connections;
            // Greet a moment later, and only a client that waits for it: a
            // TLS client speaks first, and its reset after a plain greeting
            // could discard its bytes before they are read here.
            QTimer::singleShot(200, socket, [this, socket] {
                if (received.isEmpty())
                    socket->write("220 probe ready\r\n");
            });
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                const QByteArray data = socket->readAll();
                received += data;
                if (data.startsWith("EHLO"))
                    socket->write("250-probe\r\n250 AUTH PLAIN LOGIN\r\n");
                else if (data.startsWith("STARTTLS"))
                    socket->write("454 TLS not available\r\n");
                else if (data.startsWith("AUTH"))
                    socket->write("535 authentication failed\r\n");
                else if (data.startsWith("QUIT"))
                    socket->disconnectFromHost();
            });
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    QByteArray received;
    int connections = 0;

private:
    QTcpServer m_server;
};

// Start-up settings that point at the probe; no settings document is fetched.
MailSettings probeSettings(const ProbeServer &probe, const QString &connectType)
{
    MailSettings settings;
    settings.smtpHost = QStringLiteral("127.0.0.1");
    settings.smtpPort = QString::number(probe.port());
    settings.connectType = connectType;
    settings.senderAccount = Sender;
    return settings;
}

// The settings document served by serveSettings().
QUrl settingsUrl(const TestSupport::PeerProcess &http)
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/files/public/emailinfo.xml").arg(http.port()));
}

// A settings address where no server listens.
QUrl nowhere()
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/none").arg(TestSupport::unusedPort()));
}

} // namespace

class TestReportDelivery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void longCommentLineArrivesWhole();
    void sequence_data();
    void sequence();
    void connectionTypeOnTheWire_data();
    void connectionTypeOnTheWire();
    void refusedPackagingSendsNothing();
    void failedDownloadKeepsSettings_data();
    void failedDownloadKeepsSettings();
    void keptAndSentLater_data();
    void keptAndSentLater();
    void outboxLimits_data();
    void outboxLimits();
    void interruptedWriteIsNeverListed();
    void abortEndsTheDelivery_data();
    void abortEndsTheDelivery();
    void fileNotReadWholeFailsTheMail_data();
    void fileNotReadWholeFailsTheMail();
    void hostileEntriesAreSkipped_data();
    void hostileEntriesAreSkipped();
    void serverSizeLimit_data();
    void serverSizeLimit();
    void referenceOfMessageId_data();
    void referenceOfMessageId();

private:
    ReportForm form() const;
    ReportContext context() const;
    void serveSettings(TestSupport::PeerProcess &http, quint16 smtpPort, const QString &connectType,
                       const QString &password = Password);

    QTemporaryDir m_certs;
    std::unique_ptr<QTemporaryDir> m_app;
    QString m_appDir;
    QByteArray m_appLog;
    QByteArray m_screenshot;
    QByteArray m_photo;
};

void TestReportDelivery::initTestCase()
{
    QByteArray output;
    QVERIFY2(TestSupport::makeSelfSignedCertificate(m_certs.path(), nullptr, nullptr, &output), output.constData());
}

void TestReportDelivery::init()
{
    qunsetenv("FEEDBACK_SMTP_VERIFY_PEER");
    m_app = std::make_unique<QTemporaryDir>();
    m_appDir = m_app->path();
    QRandomGenerator random(99);
    m_appLog = "12:00:01 started\n12:00:02 .leading dot line\n";
    m_screenshot = QByteArray(3000, Qt::Uninitialized);
    for (char &c : m_screenshot)
        c = char(random.bounded(256));
    m_photo = "photo bytes \x00\x01\x02";
    QVERIFY(TestSupport::writeFile(m_appDir + QStringLiteral("/Log/app.log"), m_appLog));
    QVERIFY(TestSupport::writeFile(m_appDir + QStringLiteral("/ScreenPicture/feedback120000.png"), m_screenshot));
    QVERIFY(TestSupport::writeFile(m_appDir + QStringLiteral("/pictures/holiday.jpg"), m_photo));
}

ReportForm TestReportDelivery::form() const
{
    ReportForm f;
    f.customerEmail = QStringLiteral(" customer@example.test ");
    // A lone "." line and a QUIT line must reach the server as text.
    f.comment = QStringLiteral("Line one\r\n.\r\nQUIT\r\n..two dots\r\n密码 ünïcode");
    f.windowsVersion = QStringLiteral("Windows 11 Pro");
    f.iosVersion = QStringLiteral("iOS Version:");
    f.iTunesVersion = QStringLiteral("12.13");
    f.attachLog = true;
    f.screenshotCount = 1;
    f.photoPaths = QStringList{m_appDir + QStringLiteral("/pictures/holiday.jpg")};
    return f;
}

ReportContext TestReportDelivery::context() const
{
    ReportContext c;
    c.appDir = m_appDir;
    c.productName = QStringLiteral("PhotoTool");
    c.userEmail = QStringLiteral("registered@example.test");
    c.hostPath = m_appDir + QStringLiteral("/PhotoTool.exe");
    c.productId = ProductId;
    c.mailSubject = QStringLiteral("PhotoTool Win Feedback");
    c.recipientName = QStringLiteral("support");
    return c;
}

void TestReportDelivery::serveSettings(TestSupport::PeerProcess &http, quint16 smtpPort, const QString &connectType,
                                       const QString &password)
{
    QByteArray xml;
    QCOMPARE(TestSupport::runProgram(
                 QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(FEEDBACK_SOURCE_DIR "/demo/make_emailinfo.py"), QStringLiteral("--product-id"), ProductId,
                  QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"), QString::number(smtpPort),
                  QStringLiteral("--connect-type"), connectType, QStringLiteral("--sender"), Sender,
                  QStringLiteral("--password"), password, QStringLiteral("--receiver"), Recipient},
                 &xml),
             0);
    const QString root = m_appDir + QStringLiteral("/www");
    QVERIFY(TestSupport::writeFile(root + QStringLiteral("/files/public/emailinfo.xml"), xml));
    QVERIFY2(http.start(TestSupport::peerScript(QStringLiteral("http_server.py")), {QStringLiteral("--root"), root}),
             qPrintable(http.errorText()));
}

void TestReportDelivery::sequence_data()
{
    QTest::addColumn<QString>("mode");          // smtp_server.py mode, or "none" for no server
    QTest::addColumn<QString>("connectType");   // the settings document's value
    QTest::addColumn<QString>("password");      // the one in the settings document
    QTest::addColumn<QStringList>("serverArgs");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("events");

    const QString start = QStringLiteral("0|Send to Email Start.");
    const QStringList both{QStringLiteral("Feedback_Start_Send_to_Email"), QStringLiteral("Feedback_Sent_to_Email")};
    const QStringList first{QStringLiteral("Feedback_Start_Send_to_Email")};
    const QStringList success{start, QStringLiteral("0|Send to Email Success.")};

    QTest::newRow("implicit-tls-empty-type") << QStringLiteral("tls") << QString() << Password << QStringList{} << 2 << success << both;
    QTest::newRow("implicit-tls-type-1") << QStringLiteral("tls") << QStringLiteral("1") << Password << QStringList{} << 2 << success << both;
    QTest::newRow("starttls-type-2") << QStringLiteral("starttls") << QStringLiteral("2") << Password << QStringList{} << 2 << success << both;
    QTest::newRow("plain-type-0") << QStringLiteral("plain") << QStringLiteral("0") << Password << QStringList{} << 2 << success << both;
    QTest::newRow("type-not-a-number-is-plain") << QStringLiteral("plain") << QStringLiteral("tls") << Password << QStringList{} << 2 << success << both;

    QTest::newRow("unreachable-port") << QStringLiteral("none") << QStringLiteral("0") << Password << QStringList{} << 3
                                      << QStringList{start, QStringLiteral("0|")} << first;
    QTest::newRow("type-out-of-range") << QStringLiteral("plain") << QStringLiteral("3") << Password << QStringList{} << 3
                                       << QStringList{start, QStringLiteral("0|")} << first;
    QTest::newRow("negative-type") << QStringLiteral("plain") << QStringLiteral("-1") << Password << QStringList{} << 3
                                   << QStringList{start, QStringLiteral("0|")} << first;
    QTest::newRow("tls-against-plain-server") << QStringLiteral("plain") << QString() << Password << QStringList{} << 3
                                              << QStringList{start, QStringLiteral("0|")} << first;
    QTest::newRow("wrong-password-535") << QStringLiteral("plain") << QStringLiteral("0") << QStringLiteral("wrong")
                                        << QStringList{} << 4 << QStringList{start, QStringLiteral("535|NDNAME")} << first;
    // With the certificate check on, the self-signed server gets nothing.
    QTest::newRow("tls-certificate-check-on") << QStringLiteral("tls") << QString() << Password << QStringList{} << 3
                                              << QStringList{start, QStringLiteral("0|")} << first;
    QTest::newRow("recipient-rejected-550") << QStringLiteral("tls") << QString() << Password
                                            << QStringList{QStringLiteral("--reject-rcpt"), Recipient} << 4
                                            << QStringList{start, QStringLiteral("550|")} << first;
}

void TestReportDelivery::sequence()
{
    QFETCH(QString, mode);
    QFETCH(QString, connectType);
    QFETCH(QString, password);
    QFETCH(QStringList, serverArgs);
    QFETCH(int, outcome);
    QFETCH(QStringList, log);
    QFETCH(QStringList, events);

    TestSupport::PeerProcess smtp;
    quint16 smtpPort = TestSupport::unusedPort();
    const QString saveDir = m_appDir + QStringLiteral("/received");
    if (mode != QLatin1String("none")) {
        QStringList args{QStringLiteral("--mode"), mode, QStringLiteral("--user"), Sender, QStringLiteral("--password"),
                         Password, QStringLiteral("--save-dir"), saveDir};
        if (mode != QLatin1String("plain"))
            args << QStringLiteral("--cert") << m_certs.filePath(QStringLiteral("cert.pem")) << QStringLiteral("--key")
                 << m_certs.filePath(QStringLiteral("key.pem"));
        QVERIFY2(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")), args + serverArgs),
                 qPrintable(smtp.errorText()));
        smtpPort = smtp.port();
    }
    TestSupport::PeerProcess http;
    serveSettings(http, smtpPort, connectType, password);

    MailSettings startSettings;
    startSettings.senderAccount = QStringLiteral("cmdline@example.test");
    ReportDelivery delivery(form(), context(), startSettings);
    delivery.setSettingsUrl(settingsUrl(http));
    delivery.setSmtpTimeouts(5000, 5000, 5000);
    QStringList seen;
    QMutex mutex;
    delivery.setAnalytics([&](const QString &action) {
        QMutexLocker lock(&mutex);
        seen << action;
    });

    if (QByteArray(QTest::currentDataTag()).endsWith("check-on"))
        qputenv("FEEDBACK_SMTP_VERIFY_PEER", "on"); // until the next init()
    QCOMPARE(runOnSendThread(delivery), outcome);
    QCOMPARE(logEntries(m_appDir), log);
    QCOMPARE(seen, events);
    QCOMPARE(delivery.settings().senderAccount, Sender);
    QCOMPARE(delivery.settings().connectType, connectType);
    QCOMPARE(delivery.attachmentFiles(),
             (QStringList{m_appDir + QStringLiteral("/Log/log.zip"), m_appDir + QStringLiteral("/ScreenPicture.zip"),
                          m_appDir + QStringLiteral("/pictures/holiday.jpg")}));
    if (outcome != ReportDelivery::Submitted)
        return;

    QJsonObject record;
    const QJsonObject mail = lastMail(smtp, &record);
    QCOMPARE(record.value(QStringLiteral("mail_from")).toString(), Sender);
    QCOMPARE(record.value(QStringLiteral("rcpt_tos")).toArray(), QJsonArray{Recipient});
    QCOMPARE(record.value(QStringLiteral("login")).toString(), Sender);
    QCOMPARE(record.value(QStringLiteral("ehlo")).toString(), QStringLiteral("localhost"));
    QVERIFY(!mail.isEmpty());
    QCOMPARE(mail.value(QStringLiteral("from")).toString(), Sender + QStringLiteral(" <") + Sender + QLatin1Char('>'));
    QCOMPARE(mail.value(QStringLiteral("to")).toString(), QStringLiteral("support <") + Recipient + QLatin1Char('>'));
    QCOMPARE(mail.value(QStringLiteral("subject")).toString(), QStringLiteral("PhotoTool Win Feedback"));
    QCOMPARE(mail.value(QStringLiteral("type")).toString(), QStringLiteral("multipart/related"));
    QCOMPARE(mail.value(QStringLiteral("mime")).toString(), QStringLiteral("1.0"));
    QVERIFY(!mail.value(QStringLiteral("date")).toString().isEmpty());
    QVERIFY(mail.value(QStringLiteral("cc")).isNull());
    QCOMPARE(mail.value(QStringLiteral("body_type")).toString(), QStringLiteral("text/plain"));
    const QString body = mail.value(QStringLiteral("body")).toString();
    // Every line ending travels as CR LF between DATA and "." (SMTP has no
    // bare LF); the text is otherwise the composed body, byte for byte.
    QString sent = ReportComposer::composeReportBody(form(), context());
    sent.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QCOMPARE(body, sent);
    QVERIFY(body.contains(QStringLiteral("\r\n客户邮箱: customer@example.test\r\n")));
    QVERIFY(body.endsWith(QStringLiteral("Content: Line one\r\n.\r\nQUIT\r\n..two dots\r\n密码 ünïcode")));

    const QJsonArray attachments = mail.value(QStringLiteral("attachments")).toArray();
    QCOMPARE(attachments.size(), 3);
    const QJsonObject logZip = attachments.at(0).toObject();
    QCOMPARE(logZip.value(QStringLiteral("name")).toString(), QStringLiteral("log.zip"));
    QCOMPARE(logZip.value(QStringLiteral("disposition")).toString(), QStringLiteral("attachment"));
    QCOMPARE(logZip.value(QStringLiteral("type")).toString(), QStringLiteral("application/octet-stream"));
    QCOMPARE(logZip.value(QStringLiteral("sha1")).toString(),
             sha1Hex(TestSupport::readFile(m_appDir + QStringLiteral("/Log/log.zip"))));
    QCOMPARE(logZip.value(QStringLiteral("entries")).toArray(),
             (QJsonArray{QJsonArray{QStringLiteral("app.log"), sha1Hex(m_appLog)}}));
    const QJsonObject shots = attachments.at(1).toObject();
    QCOMPARE(shots.value(QStringLiteral("name")).toString(), QStringLiteral("ScreenPicture.zip"));
    QCOMPARE(shots.value(QStringLiteral("entries")).toArray(),
             (QJsonArray{QJsonArray{QStringLiteral("feedback120000.png"), sha1Hex(m_screenshot)}}));
    const QJsonObject photo = attachments.at(2).toObject();
    QCOMPARE(photo.value(QStringLiteral("name")).toString(), QStringLiteral("holiday.jpg"));
    QCOMPARE(photo.value(QStringLiteral("sha1")).toString(), sha1Hex(m_photo));
}

// A comment written as one paragraph longer than a mail line may be: the
// server (which enforces the 1000-octet line limit) takes it, and the text
// decodes to the composed body byte for byte.
void TestReportDelivery::longCommentLineArrivesWhole()
{
    const QString saveDir = m_appDir + QStringLiteral("/received");
    TestSupport::PeerProcess smtp;
    QVERIFY2(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                        {QStringLiteral("--mode"), QStringLiteral("plain"), QStringLiteral("--user"), Sender,
                         QStringLiteral("--password"), Password, QStringLiteral("--save-dir"), saveDir}),
             qPrintable(smtp.errorText()));
    TestSupport::PeerProcess http;
    serveSettings(http, smtp.port(), QStringLiteral("0"), Password);

    ReportForm longForm = form();
    longForm.comment = QStringLiteral("Steps: ") + QString(1200, QChar(0x00e9)) + QStringLiteral("\nend = done");
    ReportDelivery delivery(longForm, context(), MailSettings());
    delivery.setSettingsUrl(settingsUrl(http));
    QCOMPARE(runOnSendThread(delivery), int(ReportDelivery::Submitted));

    QJsonObject record;
    const QJsonObject mail = lastMail(smtp, &record);
    QCOMPARE(mail.value(QStringLiteral("body")).toString(), ReportComposer::composeReportBody(longForm, context()));
    QVERIFY(!ReportComposer::needsQuotedPrintable(TestSupport::readFile(record.value(QStringLiteral("path")).toString())));
}

void TestReportDelivery::connectionTypeOnTheWire_data()
{
    QTest::addColumn<QString>("connectType");
    QTest::addColumn<QByteArray>("firstBytes");
    QTest::addColumn<QByteArray>("commands");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("failureEntry");

    // A TLS record (handshake, 0x16 0x03) as the very first bytes.
    QTest::newRow("empty-is-tls") << QString() << QByteArray("\x16\x03", 2) << QByteArray() << 3 << QStringLiteral("0|");
    QTest::newRow("1-is-tls") << QStringLiteral("1") << QByteArray("\x16\x03", 2) << QByteArray() << 3 << QStringLiteral("0|");
    QTest::newRow("2-is-starttls") << QStringLiteral("2") << QByteArray("EHLO localhost\r\n")
                                   << QByteArray("EHLO localhost\r\nSTARTTLS\r\n") << 3 << QStringLiteral("454|");
    QTest::newRow("0-is-plain") << QStringLiteral("0") << QByteArray("EHLO localhost\r\n")
                                << QByteArray("EHLO localhost\r\nAUTH PLAIN ") << 4 << QStringLiteral("535|NDNAME");
}

void TestReportDelivery::connectionTypeOnTheWire()
{
    QFETCH(QString, connectType);
    QFETCH(QByteArray, firstBytes);
    QFETCH(QByteArray, commands);
    QFETCH(int, outcome);
    QFETCH(QString, failureEntry);

    ProbeServer probe;
    ReportDelivery delivery(ReportForm(), context(), probeSettings(probe, connectType));
    delivery.setSettingsUrl(nowhere());
    delivery.setSmtpTimeouts(3000, 1500, 3000);

    QCOMPARE(runOnSendThread(delivery), outcome);
    QTRY_VERIFY_WITH_TIMEOUT(probe.received.size() >= firstBytes.size(), 3000);
    QVERIFY2(probe.received.startsWith(firstBytes), probe.received.left(40).toHex().constData());
    if (!commands.isEmpty())
        QVERIFY2(probe.received.startsWith(commands), probe.received.constData());
    QCOMPARE(logEntries(m_appDir), (QStringList{QStringLiteral("0|Send to Email Start."), failureEntry}));
}

void TestReportDelivery::refusedPackagingSendsNothing()
{
    // Random content does not compress: the database archive ends above the limit.
    QByteArray big(15000100, Qt::Uninitialized);
    QRandomGenerator random(5);
    random.fillRange(reinterpret_cast<quint32 *>(big.data()), big.size() / 4);
    QVERIFY(TestSupport::writeFile(m_appDir + QStringLiteral("/parvane_db/main.db"), big));

    ProbeServer probe;
    ReportForm f = form();
    f.attachDatabase = true;
    ReportDelivery delivery(f, context(), probeSettings(probe, QStringLiteral("0")));
    delivery.setSettingsUrl(nowhere());
    const Outbox outbox(m_appDir + QStringLiteral("/outbox"));
    delivery.setOutbox(outbox); // it would be refused again: not kept
    int events = 0;
    delivery.setAnalytics([&events](const QString &) { ++events; });

    QCOMPARE(runOnSendThread(delivery), int(ReportDelivery::OtherFailure));
    QCoreApplication::processEvents();
    QCOMPARE(probe.connections, 0);
    QCOMPARE(events, 0);
    QVERIFY(delivery.keptId().isEmpty() && outbox.entries().isEmpty());
    QVERIFY(!QFileInfo::exists(m_appDir + QStringLiteral("/Log/feedback.log")));
    QVERIFY(!QFileInfo::exists(m_appDir + QStringLiteral("/parvane_db.zip"))); // given up, not kept
    // Only what was packed before the refusal is listed.
    QCOMPARE(delivery.attachmentFiles(), QStringList{m_appDir + QStringLiteral("/Log/log.zip")});
    QVERIFY(!QFileInfo::exists(m_appDir + QStringLiteral("/ScreenPicture.zip")));
}

void TestReportDelivery::failedDownloadKeepsSettings_data()
{
    QTest::addColumn<QStringList>("httpArgs");
    QTest::addRow("not-found") << QStringList{QStringLiteral("--route"), QStringLiteral("/other=200:x")};
    QTest::addRow("server-error") << QStringList{QStringLiteral("--route"), QStringLiteral("/files/public/emailinfo.xml=500:<a><b><sendSever>x</sendSever></b></a>")};
    QTest::addRow("silent-server") << QStringList{QStringLiteral("--delay"), QStringLiteral("/files/public/emailinfo.xml=30"),
                                                  QStringLiteral("--route"), QStringLiteral("/files/public/emailinfo.xml=200:<a><b><sendSever>x</sendSever></b></a>")};
}

void TestReportDelivery::failedDownloadKeepsSettings()
{
    QFETCH(QStringList, httpArgs);

    TestSupport::PeerProcess smtp;
    QVERIFY2(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                        {QStringLiteral("--mode"), QStringLiteral("plain"), QStringLiteral("--user"), Sender,
                         QStringLiteral("--password"), Password}),
             qPrintable(smtp.errorText()));
    TestSupport::PeerProcess http;
    QVERIFY2(http.start(TestSupport::peerScript(QStringLiteral("http_server.py")), httpArgs), qPrintable(http.errorText()));

    // The start-up values are tried as they are.
    MailSettings settings;
    settings.senderAccount = Sender;
    settings.senderPassword = Password;
    settings.smtpHost = QStringLiteral("127.0.0.1");
    settings.smtpPort = QString::number(smtp.port());
    settings.connectType = QStringLiteral("0");
    settings.recipientAddress = Recipient;
    ReportDelivery delivery(form(), context(), settings);
    delivery.setSettingsUrl(settingsUrl(http));
    delivery.setDownloadTimeout(500);

    QCOMPARE(runOnSendThread(delivery), int(ReportDelivery::Submitted));
    const MailSettings after = delivery.settings();
    QCOMPARE(after.smtpHost, settings.smtpHost);
    QCOMPARE(after.smtpPort, settings.smtpPort);
    QCOMPARE(after.connectType, settings.connectType);
    QCOMPARE(after.senderAccount, settings.senderAccount);
    QCOMPARE(after.senderPassword, settings.senderPassword);
    QCOMPARE(after.recipientAddress, settings.recipientAddress);
    QVERIFY(http.waitForOutput("emailinfo.xml"));
}

void TestReportDelivery::keptAndSentLater_data()
{
    QTest::addColumn<QString>("firstPassword"); // empty: no server for the first attempt
    QTest::newRow("server down") << QString();
    QTest::newRow("login refused") << QStringLiteral("wrong");
}

// The failed report goes to the outbox; a later attempt, with settings
// fetched anew, sends the same body, files and Message-ID once, and writes
// nothing to the delivery log.
void TestReportDelivery::keptAndSentLater()
{
    QFETCH(QString, firstPassword);
    const QString saveDir = m_appDir + QStringLiteral("/received");
    TestSupport::PeerProcess smtp;
    QVERIFY(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                       {QStringLiteral("--user"), Sender, QStringLiteral("--password"), Password,
                        QStringLiteral("--save-dir"), saveDir}));
    const Outbox outbox(m_appDir + QStringLiteral("/outbox"));
    QByteArray eml;
    {
        TestSupport::PeerProcess http;
        serveSettings(http, firstPassword.isEmpty() ? TestSupport::unusedPort() : smtp.port(), QStringLiteral("0"),
                      firstPassword.isEmpty() ? Password : firstPassword);
        ReportDelivery delivery(form(), context(), MailSettings());
        delivery.setOutbox(outbox);
        delivery.setSettingsUrl(settingsUrl(http));
        QVERIFY(runOnSendThread(delivery) != ReportDelivery::Submitted);
        QCOMPARE(outbox.entries().size(), 1);
        QCOMPARE(outbox.entries().first().id, delivery.keptId());
    }
    const QStringList firstLog = logEntries(m_appDir);
    const OutboxEntry kept = outbox.entries().first();
    TestSupport::PeerProcess http;
    serveSettings(http, smtp.port(), QStringLiteral("0"));
    OutboxResender resender(outbox);
    resender.setSettingsUrl(settingsUrl(http));
    const QList<OutboxResender::Result> results = resender.sendPending();
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().line(), QStringLiteral("sent ") + kept.id);
    QVERIFY(outbox.entries().isEmpty());
    QCOMPARE(logEntries(m_appDir), firstLog);

    const QJsonObject mail = lastMail(smtp);
    QCOMPARE(QDir(saveDir).entryList(QDir::Files).size(), 1);
    QCOMPARE(mail.value(QStringLiteral("id")).toString(), QLatin1Char('<') + kept.report.messageId + QLatin1Char('>'));
    QCOMPARE(mail.value(QStringLiteral("body")).toString().remove(QLatin1Char('\r')),
             QString(kept.report.body).remove(QLatin1Char('\r')));
    const QJsonArray attachments = mail.value(QStringLiteral("attachments")).toArray();
    QCOMPARE(attachments.size(), form().photoPaths.size() + 2);
    const QStringList originals{m_appDir + QStringLiteral("/Log/log.zip"), m_appDir + QStringLiteral("/ScreenPicture.zip"),
                                form().photoPaths.first()};
    for (int i = 0; i < attachments.size(); ++i) {
        QCOMPARE(attachments.at(i)[QStringLiteral("name")].toString(), QFileInfo(originals.at(i)).fileName());
        QCOMPARE(attachments.at(i)[QStringLiteral("sha1")].toString(), sha1Hex(TestSupport::readFile(originals.at(i))));
    }
}

void TestReportDelivery::outboxLimits_data()
{
    QTest::addColumn<int>("reports");        // stored one after another (-1: one over the count limit)
    QTest::addColumn<double>("roomInReports"); // byte limit in report sizes (0: the default)
    QTest::addColumn<bool>("firstExpired");
    QTest::addColumn<bool>("lastFails");     // a file of the last report is gone when it is copied
    QTest::addColumn<bool>("lastReplacesFirst");
    QTest::addColumn<int>("dropped");        // the oldest ones
    QTest::newRow("one more than the count limit drops the oldest") << -1 << 0.0 << false << false << false << 1;
    QTest::newRow("the byte limit drops the oldest") << 3 << 2.5 << false << false << false << 1;
    QTest::newRow("a report over the byte limit is not kept") << 1 << 0.9 << false << false << false << 0;
    QTest::newRow("an expired report is dropped") << 2 << 0.0 << true << false << false << 1;
    QTest::newRow("a failed copy at the count limit drops nothing") << -1 << 0.0 << false << true << false << 0;
    QTest::newRow("a failed copy at the byte limit drops nothing") << 3 << 2.5 << false << true << false << 0;
    QTest::newRow("the copy a retry replaces does not count") << -1 << 0.0 << false << false << true << 0;
}

void TestReportDelivery::outboxLimits()
{
    QFETCH(int, reports);
    QFETCH(double, roomInReports);
    QFETCH(bool, firstExpired);
    QFETCH(bool, lastFails);
    QFETCH(bool, lastReplacesFirst);
    QFETCH(int, dropped);

    Outbox outbox(m_appDir + QStringLiteral("/outbox"));
    KeptReport report;
    report.body = QString(1000, QLatin1Char('x'));
    report.files = form().photoPaths;
    report.fileNames = QStringList{QStringLiteral("holiday.jpg")};
    const qint64 size = 1000 + m_photo.size();
    Outbox::Limits limits;
    if (roomInReports > 0)
        limits.maxBytes = qint64(roomInReports * size);
    outbox.setLimits(limits);
    const int count = reports >= 0 ? reports : limits.maxReports + 1;
    QStringList ids;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < count; ++i) {
        report.messageId = QStringLiteral("id%1@example.test").arg(i);
        const bool last = i == count - 1;
        if (last && lastFails) {
            report.files << m_appDir + QStringLiteral("/gone.log");
            report.fileNames << QStringLiteral("gone.log");
        }
        const bool expired = firstExpired && i == 0;
        ids << outbox.store(report, expired ? now.addDays(-limits.maxAgeDays - 1) : now.addMSecs(i),
                            last && lastReplacesFirst ? ids.value(0) : QString());
    }
    if (firstExpired) // dropped by the next look at the outbox
        outbox.prune();
    QStringList listed;
    for (const OutboxEntry &entry : outbox.entries())
        listed << entry.id;
    QStringList expected = ids.mid(dropped);
    expected.removeAll(QString());
    QCOMPARE(listed, expected);
    QCOMPARE(ids.last().isEmpty(), lastFails || roomInReports == 0.9);
}

// A process killed while it writes an entry leaves a hidden folder that is
// neither listed nor sent.
void TestReportDelivery::interruptedWriteIsNeverListed()
{
    const QString big = m_appDir + QStringLiteral("/big.bin");
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(150 * 1000 * 1000));
    file.close();
    const Outbox outbox(m_appDir + QStringLiteral("/outbox"));
    QProcess writer;
    writer.start(QStringLiteral(FEEDBACK_OUTBOX_WRITER), {outbox.folder(), big});
    QVERIFY2(writer.waitForStarted(), qPrintable(writer.errorString()));
    const auto writing = [&] {
        return !QDir(outbox.folder()).entryList({QStringLiteral(".tmp-*")}, QDir::Dirs | QDir::Hidden).isEmpty();
    };
    QDeadlineTimer deadline(20000);
    while (!writing() && !deadline.hasExpired())
        QThread::usleep(500);
    writer.kill();
    QVERIFY(writer.waitForFinished());
    QVERIFY(writing());
    QVERIFY(outbox.entries().isEmpty());
    OutboxResender resender(outbox);
    resender.setSettingsUrl(nowhere());
    QVERIFY(resender.sendPending().isEmpty());
}

void TestReportDelivery::abortEndsTheDelivery_data()
{
    QTest::addColumn<bool>("whilePacking"); // else once the dialogue has begun
    QTest::addColumn<QList<bool>>("aborts"); // keepReport of each abort, in order
    QTest::addColumn<bool>("kept");
    QTest::newRow("cancelled by the user: dropped") << false << QList<bool>{false} << false;
    QTest::newRow("window closed under it: kept") << false << QList<bool>{true} << true;
    QTest::newRow("cancelled, then the window closed: still dropped") << false << QList<bool>{false, true} << false;
    QTest::newRow("closed, then cancelled: dropped") << false << QList<bool>{true, false} << false;
    QTest::newRow("cancelled while packing: no archive left") << true << QList<bool>{false} << false;
    QTest::newRow("cancelled while packing, then closed: no archive left") << true << QList<bool>{false, true} << false;
}

// A peer that never answers the TLS handshake, and the long default
// time-outs; or a crash dump large enough to be still in packing.
void TestReportDelivery::abortEndsTheDelivery()
{
    QFETCH(bool, whilePacking);
    QFETCH(QList<bool>, aborts);
    QFETCH(bool, kept);
    const QString dump = m_appDir + QStringLiteral("/crashcore.dmp");
    if (whilePacking) {
        QByteArray chunk(1 << 20, Qt::Uninitialized);
        QRandomGenerator(5).fillRange(reinterpret_cast<quint32 *>(chunk.data()), chunk.size() / 4);
        QFile file(dump);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < 400; ++i)
            QCOMPARE(file.write(chunk), qint64(chunk.size()));
    }
    ProbeServer probe;
    const Outbox outbox(m_appDir + QStringLiteral("/outbox"));
    ReportContext crash = context();
    crash.feedbackMode = false;
    ReportDelivery delivery(form(), crash, probeSettings(probe, QString()));
    delivery.setOutbox(outbox);
    delivery.setSettingsUrl(nowhere());
    std::atomic<bool> packing{false};
    delivery.setProgress([&packing](ReportDelivery::Step step, qint64, qint64) {
        if (step == ReportDelivery::Packing)
            packing = true;
    });
    const auto when = [&] { return whilePacking ? packing.load() : !probe.received.isEmpty(); };
    QCOMPARE(runOnSendThread(delivery, when, aborts), int(ReportDelivery::Cancelled));
    QCOMPARE(logEntries(m_appDir), whilePacking ? QStringList() : QStringList{QStringLiteral("0|Send to Email Start.")});
    QCOMPARE(outbox.entries().size(), kept ? 1 : 0);
    if (whilePacking) { // neither the archive nor its temporary file
        QCOMPARE(QDir(m_appDir).entryList({QStringLiteral("crashcore.zip*")}, QDir::Files | QDir::Hidden),
                 QStringList());
        QCOMPARE(probe.connections, 0);
    }
}

void TestReportDelivery::fileNotReadWholeFailsTheMail_data()
{
    QTest::addColumn<bool>("saveAsFile"); // else sent, the picture removed once the dialogue begins
    QTest::newRow("sent: the attempt fails, nothing arrives, it cannot be kept") << false;
    QTest::newRow("saved as a file: an error and no file") << true;
}

void TestReportDelivery::fileNotReadWholeFailsTheMail()
{
    QFETCH(bool, saveAsFile);
    const QString photo = form().photoPaths.first();
    if (saveAsFile) {
        KeptReport report;
        report.messageId = QStringLiteral("gone@example.test");
        report.files = QStringList{photo, m_appDir + QStringLiteral("/gone.bin")};
        report.fileNames = QStringList{QStringLiteral("holiday.jpg"), QStringLiteral("gone.bin")};
        MailSettings settings;
        settings.senderAccount = Sender;
        settings.recipientAddress = Recipient;
        MimeText body;
        const auto message = ReportComposer::buildKeptMessage(report, settings, &body);
        const QString path = m_appDir + QStringLiteral("/saved.eml");
        QVERIFY(!ReportComposer::writeMailFile(*message, path));
        QCOMPARE(QDir(m_appDir).entryList({QStringLiteral("saved.eml*")}, QDir::Files | QDir::Hidden), QStringList());
        return;
    }
    const QString saveDir = m_appDir + QStringLiteral("/received");
    TestSupport::PeerProcess smtp;
    QVERIFY(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                       {QStringLiteral("--user"), Sender, QStringLiteral("--password"), Password,
                        QStringLiteral("--save-dir"), saveDir}));
    TestSupport::PeerProcess http;
    serveSettings(http, smtp.port(), QStringLiteral("0"));
    ReportDelivery delivery(form(), context(), MailSettings());
    delivery.setSettingsUrl(settingsUrl(http));
    const Outbox outbox(m_appDir + QStringLiteral("/outbox"));
    delivery.setOutbox(outbox);
    delivery.setProgress([photo](ReportDelivery::Step step, qint64, qint64) {
        if (step == ReportDelivery::Connecting)
            QFile::remove(photo);
    });
    QCOMPARE(runOnSendThread(delivery), int(ReportDelivery::OtherFailure));
    QVERIFY(delivery.keepFailed());
    QVERIFY(outbox.entries().isEmpty());
    QTest::qWait(300);
    QCOMPARE(QDir(saveDir).entryList(QDir::Files), QStringList());
}

void TestReportDelivery::hostileEntriesAreSkipped_data()
{
    QTest::addColumn<QString>("change"); // empty: the manifest's text edited, from -> to
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    const auto row = [](const char *name, const char *change, const char *from = "", const char *to = "") {
        QTest::newRow(name) << QString::fromLatin1(change) << QByteArray(from) << QByteArray(to);
    };
    row("archive deleted before the resend", "remove file");
    row("archive replaced by a link to a file outside", "link file");
    row("archive replaced by a folder", "folder file");
    row("files folder is a link outside", "link files");
    row("manifest is a link", "link manifest");
    row("entry folder is a link outside: not listed", "link entry");
    row("manifest truncated", "", "\"files\"", "");
    row("size of the wrong type", "", "\"size\": 12", "\"size\": \"12\"");
    row("negative size", "", "\"size\": 12", "\"size\": -1");
    row("huge body size", "", "\"bodySize\": 4", "\"bodySize\": 1e300");
    row("file name ..", "", "\"holiday.jpg\"", "\"..\"");
    row("file name with slashes", "", "\"holiday.jpg\"", "\"../../etc/passwd\"");
    row("file name with a control character", "", "\"holiday.jpg\"", "\"a\\u0007b\"");
    row("Message-ID with a line break", "", "\"hostile@example.test\"", "\"a@b\\r\\nBcc: x@y\"");
    row("no file list", "", "\"files\"", "\"filez\"");
}

// Stored whole, then changed on disk; the resend never sends it nor reads
// or writes outside the outbox, and the entry stays for a look by hand.
void TestReportDelivery::hostileEntriesAreSkipped()
{
    QFETCH(QString, change);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    const Outbox outbox(m_appDir + QStringLiteral("/outbox"));
    KeptReport report;
    report.messageId = QStringLiteral("hostile@example.test");
    report.body = QStringLiteral("body");
    report.files = form().photoPaths;
    report.fileNames = QStringList{QStringLiteral("holiday.jpg")};
    const QString id = outbox.store(report);
    QVERIFY(!id.isEmpty());
    const QString entry = outbox.folder() + QLatin1Char('/') + id;
    const QString file = entry + QStringLiteral("/files/0");
    const QString manifest = entry + QStringLiteral("/manifest.json");
    const QString outside = m_appDir + QStringLiteral("/outside");
    QVERIFY(TestSupport::writeFile(outside + QStringLiteral("/0"), m_photo));
    if (change == QLatin1String("remove file"))
        QVERIFY(QFile::remove(file));
    else if (change == QLatin1String("link file"))
        QVERIFY(QFile::remove(file) && QFile::link(outside + QStringLiteral("/0"), file));
    else if (change == QLatin1String("folder file"))
        QVERIFY(QFile::remove(file) && QDir().mkpath(file));
    else if (change == QLatin1String("link files"))
        QVERIFY(QDir(entry + QStringLiteral("/files")).removeRecursively()
                && QFile::link(outside, entry + QStringLiteral("/files")));
    else if (change == QLatin1String("link manifest"))
        QVERIFY(QFile::rename(manifest, outside + QStringLiteral("/manifest.json"))
                && QFile::link(outside + QStringLiteral("/manifest.json"), manifest));
    else if (change == QLatin1String("link entry"))
        QVERIFY(QDir().rename(entry, outside + QStringLiteral("/entry"))
                && QFile::link(outside + QStringLiteral("/entry"), entry));
    else { // an empty to cuts the text where from begins
        QByteArray json = TestSupport::readFile(manifest);
        QVERIFY(json.contains(from));
        QVERIFY(TestSupport::writeFile(manifest, to.isEmpty() ? json.left(json.indexOf(from)) : json.replace(from, to)));
    }
    const QByteArray outsideBefore = TestSupport::readFile(outside + QStringLiteral("/0"));

    QVERIFY(outbox.entries().isEmpty());
    OutboxResender resender(outbox);
    resender.setSettingsUrl(nowhere());
    const QList<OutboxResender::Result> results = resender.sendPending();
    const bool listed = change != QLatin1String("link entry");
    QCOMPARE(results.size(), listed ? 1 : 0);
    if (listed) {
        QCOMPARE(results.first().status, OutboxResender::Waiting);
        QVERIFY2(results.first().reason.contains(QLatin1String("damaged")), qPrintable(results.first().reason));
        QVERIFY(QFileInfo(entry).isDir());
        QVERIFY(TestSupport::readFile(outbox.folder() + QStringLiteral("/outbox.log")).contains("skipped, damaged"));
    }
    QCOMPARE(TestSupport::readFile(outside + QStringLiteral("/0")), outsideBefore);
    QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
             change == QLatin1String("link manifest") || change == QLatin1String("link entry") ? 2 : 1);
}

void TestReportDelivery::serverSizeLimit_data()
{
    QTest::addColumn<int>("limit"); // the form's mail is a few kilobytes
    QTest::newRow("under the limit: sent as before, progress to the size received") << 10000000;
    QTest::newRow("over the limit: no MAIL FROM, no data, not kept, the copy it replaces dropped") << 2000;
}

void TestReportDelivery::serverSizeLimit()
{
    QFETCH(int, limit);
    const bool fits = limit > 10000;
    TestSupport::PeerProcess smtp;
    QVERIFY2(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                        {QStringLiteral("--user"), Sender, QStringLiteral("--password"), Password,
                         QStringLiteral("--size-limit"), QString::number(limit), QStringLiteral("--log-commands")}),
             qPrintable(smtp.errorText()));
    TestSupport::PeerProcess http;
    serveSettings(http, smtp.port(), QStringLiteral("0"));
    const Outbox outbox(m_appDir + QStringLiteral("/outbox"));
    ReportDelivery delivery(form(), context(), MailSettings());
    delivery.setOutbox(outbox);
    delivery.setSettingsUrl(settingsUrl(http));
    // A copy of an earlier attempt goes either way: sent, or refused for good.
    KeptReport earlier;
    earlier.messageId = QStringLiteral("earlier@example.test");
    delivery.setSupersedes(outbox.store(earlier));
    QList<ReportDelivery::Step> steps;
    QList<QPair<qint64, qint64>> sent; // called on the send thread, read once it has ended
    delivery.setProgress([&](ReportDelivery::Step step, qint64 bytes, qint64 total) {
        if (steps.isEmpty() || steps.last() != step)
            steps << step;
        if (step == ReportDelivery::Sending)
            sent << qMakePair(bytes, total);
    });

    QCOMPARE(runOnSendThread(delivery), int(fits ? ReportDelivery::Submitted : ReportDelivery::OtherFailure));
    QCOMPARE(delivery.refusedForSize(), !fits);
    QVERIFY(outbox.entries().isEmpty());
    QCOMPARE(logEntries(m_appDir).size(), 2);
    QCOMPARE(steps.mid(0, 3), (QList<ReportDelivery::Step>{ReportDelivery::FetchingSettings, ReportDelivery::Packing,
                                                           ReportDelivery::Connecting}));
    if (!fits) {
        QVERIFY(sent.isEmpty());
        QVERIFY2(!smtp.output().contains("\"command\""), smtp.output().constData());
        return;
    }
    QJsonObject record;
    lastMail(smtp, &record);
    QVERIFY(!record.isEmpty());
    QVERIFY(smtp.output().contains("\"command\": \"MAIL\""));
    QCOMPARE(sent.first().first, 0);
    for (int i = 1; i < sent.size(); ++i)
        QVERIFY(sent.at(i).first > sent.at(i - 1).first);
    const qint64 received = qint64(record.value(QStringLiteral("size")).toDouble());
    QCOMPARE(sent.last(), qMakePair(received, received));
}

void TestReportDelivery::referenceOfMessageId_data()
{
    QTest::addColumn<QString>("messageId");
    QTest::addColumn<QString>("reference");
    QTest::newRow("new id") << "7f3a19c2b4d15e60718293a4b5c6d7e8@example.test" << "7F3A-19C2-B4D1";
    QTest::newRow("short random part") << "abc12@example.test" << "ABC1-2";
    QTest::newRow("digits after the at sign do not count") << "ab@12345678" << "AB";
    QTest::newRow("none") << "" << "";
}

void TestReportDelivery::referenceOfMessageId()
{
    QFETCH(QString, messageId);
    QFETCH(QString, reference);
    QCOMPARE(ReportDelivery::referenceOf(messageId), reference);
}

QTEST_GUILESS_MAIN(TestReportDelivery)
#include "tst_reportdelivery.moc"
