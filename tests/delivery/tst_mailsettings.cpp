// The walk over the mail settings document and its download.
#include "mailsettings.h"
#include "testsupport.h"

#include <QtTest>

Q_DECLARE_METATYPE(MailSettings)

namespace {

// "secret-密" enciphered with the checksum flag.
const char *const SecretCipher = "AwLZsEQ2UjBDIUpmgiyr";

MailSettings startValues()
{
    MailSettings s;
    s.senderAccount = QStringLiteral("cmdline@host.test");
    s.senderPassword = QStringLiteral("cmdline-pw");
    s.smtpHost = QStringLiteral("smtp.default.test");
    s.smtpPort = QStringLiteral("465");
    s.connectType = QString();
    s.recipientAddress = QStringLiteral("first-arg@host.test");
    return s;
}

// A settings entry with the given children, e.g. entry({{"productPID","7"}}).
QString entry(const QList<QPair<QString, QString>> &children, const QString &name = QStringLiteral("item"))
{
    QString text = QLatin1Char('<') + name + QLatin1Char('>');
    for (const auto &child : children)
        text += QStringLiteral("<%1>%2</%1>").arg(child.first, child.second);
    return text + QStringLiteral("</") + name + QLatin1Char('>');
}

QString document(const QString &entries)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<emailinfo>\n") + entries + QStringLiteral("\n</emailinfo>\n");
}

using Kids = QList<QPair<QString, QString>>;
QPair<QString, QString> kid(const char *name, const QString &value)
{
    return {QString::fromLatin1(name), value};
}

QString full(const QString &pid, const QString &tag)
{
    return entry({kid("productPID", pid), kid("sendMailAccount", tag + QStringLiteral("@sender")),
                  kid("sendMailPwd", QString::fromLatin1(SecretCipher)),
                  kid("receiveMailAccount", tag + QStringLiteral("@feedback")),
                  kid("sendSever", tag + QStringLiteral(".smtp")), kid("sendSeverPort", QStringLiteral("2525")),
                  kid("connectType", QStringLiteral("2")),
                  kid("crashReceiveMailAccount", tag + QStringLiteral("@crash"))});
}

MailSettings fullValues(const QString &tag, bool feedbackMode)
{
    MailSettings s;
    s.senderAccount = tag + QStringLiteral("@sender");
    s.senderPassword = QStringLiteral("secret-密");
    s.smtpHost = tag + QStringLiteral(".smtp");
    s.smtpPort = QStringLiteral("2525");
    s.connectType = QStringLiteral("2");
    s.recipientAddress = tag + (feedbackMode ? QStringLiteral("@feedback") : QStringLiteral("@crash"));
    return s;
}

void compareSettings(const MailSettings &actual, const MailSettings &expected)
{
    QCOMPARE(actual.senderAccount, expected.senderAccount);
    QCOMPARE(actual.senderPassword, expected.senderPassword);
    QCOMPARE(actual.smtpHost, expected.smtpHost);
    QCOMPARE(actual.smtpPort, expected.smtpPort);
    QCOMPARE(actual.connectType, expected.connectType);
    QCOMPARE(actual.recipientAddress, expected.recipientAddress);
}

} // namespace

class TestMailSettings : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void documentFromDemoTool();
    void download();
    void downloadFailures_data();
    void downloadFailures();
};

void TestMailSettings::parse_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("feedbackMode");
    QTest::addColumn<MailSettings>("expected");

    const QString pid = QStringLiteral("P-100");
    const MailSettings start = startValues();

    QTest::newRow("matching-entry-feedback") << document(full(pid, QStringLiteral("a"))) << true << fullValues(QStringLiteral("a"), true);
    QTest::newRow("matching-entry-crash") << document(full(pid, QStringLiteral("a"))) << false << fullValues(QStringLiteral("a"), false);
    QTest::newRow("second-entry-matches")
        << document(full(QStringLiteral("P-200"), QStringLiteral("a")) + full(pid, QStringLiteral("b"))) << true
        << fullValues(QStringLiteral("b"), true);
    QTest::newRow("walk-stops-after-match")
        << document(full(pid, QStringLiteral("a")) + entry({kid("sendSever", QStringLiteral("later.smtp"))})) << true
        << fullValues(QStringLiteral("a"), true);
    QTest::newRow("no-entry-matches")
        << document(full(QStringLiteral("P-200"), QStringLiteral("a")) + full(QStringLiteral("P-300"), QStringLiteral("b")))
        << true << start;

    MailSettings hostOnly = start;
    hostOnly.smtpHost = QStringLiteral("early.smtp");
    QTest::newRow("value-before-mismatching-pid-stays")
        << document(entry({kid("sendSever", QStringLiteral("early.smtp")), kid("productPID", QStringLiteral("P-200")),
                           kid("sendSeverPort", QStringLiteral("1"))}))
        << true << hostOnly;

    MailSettings noPid = start;
    noPid.smtpHost = QStringLiteral("nopid.smtp");
    noPid.connectType = QStringLiteral("0");
    QTest::newRow("entry-without-pid-applied-walk-goes-on")
        << document(entry({kid("sendSever", QStringLiteral("nopid.smtp")), kid("connectType", QStringLiteral("0"))}) +
                    entry({kid("productPID", QStringLiteral("P-900")), kid("sendSever", QStringLiteral("x"))}))
        << true << noPid;
    QTest::newRow("entry-without-pid-then-match")
        << document(entry({kid("sendSever", QStringLiteral("nopid.smtp"))}) + full(pid, QStringLiteral("b"))) << true
        << fullValues(QStringLiteral("b"), true);

    MailSettings beforeComment = start;
    beforeComment.smtpHost = QStringLiteral("one.smtp");
    QTest::newRow("comment-between-entries-ends-walk")
        << document(entry({kid("sendSever", QStringLiteral("one.smtp"))}) + QStringLiteral("<!-- next -->") +
                    full(pid, QStringLiteral("b")))
        << true << beforeComment;
    QTest::newRow("text-between-entries-ends-walk")
        << document(entry({kid("sendSever", QStringLiteral("one.smtp"))}) + QStringLiteral("stray text") +
                    full(pid, QStringLiteral("b")))
        << true << beforeComment;
    QTest::newRow("first-child-comment") << document(QStringLiteral("<!-- c -->") + full(pid, QStringLiteral("a"))) << true << start;
    QTest::newRow("first-child-text") << document(QStringLiteral("text") + full(pid, QStringLiteral("a"))) << true << start;
    QTest::newRow("root-without-children") << QStringLiteral("<emailinfo/>") << true << start;
    QTest::newRow("malformed") << full(pid, QStringLiteral("a")).left(120) << true << start;
    QTest::newRow("empty-text") << QString() << true << start;
    QTest::newRow("not-xml") << QStringLiteral("<html><body>404") << true << start;

    MailSettings crashIgnored = start;
    crashIgnored.smtpHost = QStringLiteral("h");
    QTest::newRow("feedback-ignores-crash-address")
        << document(entry({kid("productPID", pid), kid("crashReceiveMailAccount", QStringLiteral("c@x")),
                           kid("sendSever", QStringLiteral("h"))}))
        << true << crashIgnored;
    QTest::newRow("crash-ignores-feedback-address")
        << document(entry({kid("productPID", pid), kid("receiveMailAccount", QStringLiteral("f@x")),
                           kid("sendSever", QStringLiteral("h"))}))
        << false << crashIgnored;

    // Names are compared case-sensitively: a "productpid" is just another
    // element, so the entry counts as one without a product id.
    MailSettings caseOnly = start;
    caseOnly.smtpPort = QStringLiteral("25");
    QTest::newRow("names-case-sensitive")
        << document(entry({kid("productpid", QStringLiteral("other")), kid("sendsever", QStringLiteral("lower.smtp")),
                           kid("SendSever", QStringLiteral("upper.smtp")), kid("sendSeverPort", QStringLiteral("25"))}))
        << true << caseOnly;
    QTest::newRow("pid-case-sensitive")
        << document(entry({kid("productPID", QStringLiteral("p-100")), kid("sendSever", QStringLiteral("x"))})) << true << start;

    MailSettings badPassword = start;
    badPassword.senderPassword = QString();
    QTest::newRow("undecipherable-password-empty")
        << document(entry({kid("productPID", pid), kid("sendMailPwd", QStringLiteral("bm90IGEgY2lwaGVy"))})) << true
        << badPassword;

    QTest::newRow("names-of-root-and-entries-ignored")
        << QStringLiteral("<a>") + entry({kid("productPID", pid)}, QStringLiteral("zz")) + full(pid, QStringLiteral("q")) + QStringLiteral("</a>")
        << true << start;
    QTest::newRow("other-names-ignored")
        << document(QStringLiteral("<p><productPID>P-100</productPID><extra>1</extra><sendSeverPort>26</sendSeverPort></p>"))
        << true << [&] { MailSettings s = start; s.smtpPort = QStringLiteral("26"); return s; }();
    const QString good = full(pid, QStringLiteral("a"));
    QTest::newRow("mismatched-end") << document(good).replace(QStringLiteral("</emailinfo>"), QStringLiteral("</emailinf>")) << true << start;
    QTest::newRow("doctype-entity") << document(entry({kid("productPID", pid), kid("sendSever", QStringLiteral("&h;"))}))
        .replace(QStringLiteral("\n<emailinfo>"), QStringLiteral("<!DOCTYPE e [<!ENTITY h \"evil.smtp\">]><emailinfo>")) << true << start;
    QTest::newRow("too-many-nodes") << document(good + QStringLiteral("<x/>").repeated(MaxSettingsDocumentNodes)) << true << start;
    for (const int over : {0, 1}) {
        const MailSettings expected = over ? start : fullValues(QStringLiteral("a"), true);
        const QString nest = QStringLiteral("<n>").repeated(MaxSettingsDocumentDepth - 1 + over); // below the root
        QTest::addRow("depth-limit-%s", over ? "fail" : "pass") << document(good + nest + QString(nest).replace(QLatin1Char('<'), QStringLiteral("</"))) << true << expected;
        QString sized = document(good + QStringLiteral("<!---->")); // padded with 3-byte characters: the bound is in UTF-8 bytes
        const int pad = MaxSettingsDocumentSize + over - sized.toUtf8().size();
        sized.insert(sized.indexOf(QStringLiteral("-->")), QString(pad / 3, QChar(0x5BC6)) + QString(pad % 3, QLatin1Char('.')));
        QTest::addRow("size-limit-%s", over ? "fail" : "pass") << sized << true << expected;
    }
    QTest::newRow("indented-by-hand") << document(QString(good).replace(QLatin1Char('>'), QStringLiteral(">\n  \t")).replace(QLatin1Char('<'), QStringLiteral(" \r\n<")))
                                      << true << fullValues(QStringLiteral("a"), true);
    QTest::newRow("empty-values-overwrite")
        << document(entry({kid("productPID", pid), kid("sendSever", QString()), kid("connectType", QString())}))
        << true << [&] { MailSettings s = start; s.smtpHost.clear(); return s; }();
}

void TestMailSettings::parse()
{
    QFETCH(QString, xml);
    QFETCH(bool, feedbackMode);
    QFETCH(MailSettings, expected);

    MailSettings settings = startValues();
    parseMailSettings(xml, QStringLiteral("P-100"), feedbackMode, settings);
    compareSettings(settings, expected);
}

void TestMailSettings::documentFromDemoTool()
{
    QByteArray xml;
    const int rc = TestSupport::runProgram(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(FEEDBACK_SOURCE_DIR "/demo/make_emailinfo.py"), QStringLiteral("--product-id"),
         QStringLiteral("77"), QStringLiteral("--host"), QStringLiteral("mx.test"), QStringLiteral("--port"),
         QStringLiteral("587"), QStringLiteral("--connect-type"), QStringLiteral("2"), QStringLiteral("--sender"),
         QStringLiteral("s@test"), QStringLiteral("--password"), QStringLiteral("Zu & <ä> 密码"),
         QStringLiteral("--receiver"), QStringLiteral("r@test"), QStringLiteral("--crash-receiver"),
         QStringLiteral("c@test"), QStringLiteral("--flags"), QStringLiteral("0x07")},
        &xml);
    QCOMPARE(rc, 0);
    MailSettings settings = startValues();
    parseMailSettings(QString::fromUtf8(xml), QStringLiteral("77"), false, settings);
    QCOMPARE(settings.senderPassword, QStringLiteral("Zu & <ä> 密码"));
    QCOMPARE(settings.smtpHost, QStringLiteral("mx.test"));
    QCOMPARE(settings.smtpPort, QStringLiteral("587"));
    QCOMPARE(settings.connectType, QStringLiteral("2"));
    QCOMPARE(settings.senderAccount, QStringLiteral("s@test"));
    QCOMPARE(settings.recipientAddress, QStringLiteral("c@test"));
}

void TestMailSettings::download()
{
    QTemporaryDir root;
    const QByteArray xml = document(full(QStringLiteral("P-1"), QStringLiteral("d"))).toUtf8().leftJustified(MaxSettingsDocumentSize);
    QVERIFY(TestSupport::writeFile(root.path() + QStringLiteral("/files/public/emailinfo.xml"), xml));
    QVERIFY(TestSupport::writeFile(root.path() + QStringLiteral("/files/public/over.xml"), xml + ' '));
    TestSupport::PeerProcess server;
    QVERIFY2(server.start(TestSupport::peerScript(QStringLiteral("http_server.py")),
                          {QStringLiteral("--root"), root.path()}),
             qPrintable(server.errorText()));

    QByteArray body;
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/files/public/emailinfo.xml").arg(server.port()));
    QVERIFY(downloadDocument(url, &body, 5000));
    QCOMPARE(body, xml);
    QVERIFY(!downloadDocument(url.resolved(QUrl(QStringLiteral("over.xml"))), &body, 5000)); // cut off at the bound
    QCOMPARE(body, xml);
    QVERIFY(server.waitForOutput("\"path\": \"/files/public/emailinfo.xml\""));
}

void TestMailSettings::downloadFailures_data()
{
    QTest::addColumn<QStringList>("serverArguments");
    QTest::addColumn<bool>("serverRuns");
    QTest::addColumn<int>("timeoutMs");

    const QString path = QStringLiteral("/files/public/emailinfo.xml");
    QTest::newRow("not-found") << QStringList{} << true << 5000;
    QTest::newRow("server-error") << QStringList{QStringLiteral("--route"), path + QStringLiteral("=500:<emailinfo/>")}
                                  << true << 5000;
    QTest::newRow("no-server") << QStringList{} << false << 5000;
    // Takes the request and never answers: the time-out ends the wait.
    QTest::newRow("silent-server") << QStringList{QStringLiteral("--delay"), path + QStringLiteral("=60"),
                                                  QStringLiteral("--route"), path + QStringLiteral("=200:<a/>")}
                                   << true << 300;
}

void TestMailSettings::downloadFailures()
{
    QFETCH(QStringList, serverArguments);
    QFETCH(bool, serverRuns);
    QFETCH(int, timeoutMs);

    TestSupport::PeerProcess server;
    quint16 port = TestSupport::unusedPort();
    if (serverRuns) {
        QVERIFY2(server.start(TestSupport::peerScript(QStringLiteral("http_server.py")), serverArguments),
                 qPrintable(server.errorText()));
        port = server.port();
    }
    QByteArray body("untouched");
    QVERIFY(!downloadDocument(QUrl(QStringLiteral("http://127.0.0.1:%1/files/public/emailinfo.xml").arg(port)),
                              &body, timeoutMs));
    QCOMPARE(body, QByteArray("untouched"));
    if (serverRuns)
        QVERIFY(server.waitForOutput("emailinfo.xml"));
}

QTEST_GUILESS_MAIN(TestMailSettings)
#include "tst_mailsettings.moc"
