#include "deployment.h"

#include <QtTest>

class TestDeployment : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void builtInDefaults();
    void downloadBase_data();
    void downloadBase();
    void overrides_data();
    void overrides();
    void maskLogsSwitch_data();
    void maskLogsSwitch();

private:
    const QList<QByteArray> m_variables{"FEEDBACK_DOWNLOAD_BASE", "FEEDBACK_ANALYTICS_BASE",
                                        "FEEDBACK_SMTP_HOST", "FEEDBACK_SUPPORT_MAILBOX",
                                        "FEEDBACK_MASK_LOGS"};
};

void TestDeployment::init()
{
    for (const QByteArray &name : m_variables)
        qunsetenv(name.constData());
}

void TestDeployment::cleanup()
{
    init();
}

void TestDeployment::builtInDefaults()
{
    // The compiled-in values are whatever the build configured; they must be usable as they are.
    QVERIFY(!Deployment::downloadBase().isEmpty());
    QVERIFY(!Deployment::downloadBase().endsWith(QLatin1Char('/')));
    QVERIFY(Deployment::mailSettingsUrl().isValid());
    QCOMPARE(Deployment::mailSettingsUrl().toString(),
             Deployment::downloadBase() + QStringLiteral("/files/public/emailinfo.xml"));
    QVERIFY(!Deployment::analyticsBase().isEmpty());
    QVERIFY(!Deployment::smtpHost().isEmpty());
    QVERIFY(Deployment::supportMailbox().contains(QLatin1Char('@')));
}

void TestDeployment::downloadBase_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("base");
    QTest::newRow("host and port") << QByteArray("http://127.0.0.1:8080") << QStringLiteral("http://127.0.0.1:8080");
    QTest::newRow("trailing slash") << QByteArray("http://127.0.0.1:8080/") << QStringLiteral("http://127.0.0.1:8080");
    QTest::newRow("several trailing slashes") << QByteArray("https://files.test//") << QStringLiteral("https://files.test");
    QTest::newRow("surrounding blanks") << QByteArray("  http://h:1  ") << QStringLiteral("http://h:1");
}

void TestDeployment::downloadBase()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, base);
    qputenv("FEEDBACK_DOWNLOAD_BASE", value);
    QCOMPARE(Deployment::downloadBase(), base);
    QCOMPARE(Deployment::mailSettingsUrl(), QUrl(base + QStringLiteral("/files/public/emailinfo.xml")));
    QCOMPARE(Deployment::versionListUrl(), QUrl(base + QStringLiteral("/files/public/FeedbackDownloadUrl.json")));
}

void TestDeployment::overrides_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("wins");
    QTest::newRow("analytics set") << QByteArray("FEEDBACK_ANALYTICS_BASE") << QByteArray("http://127.0.0.1:9/collect?v=1&tid=UA-1") << true;
    QTest::newRow("smtp set") << QByteArray("FEEDBACK_SMTP_HOST") << QByteArray("127.0.0.1") << true;
    QTest::newRow("mailbox set") << QByteArray("FEEDBACK_SUPPORT_MAILBOX") << QByteArray("help@local.test") << true;
    QTest::newRow("smtp empty keeps default") << QByteArray("FEEDBACK_SMTP_HOST") << QByteArray("") << false;
    QTest::newRow("mailbox blank keeps default") << QByteArray("FEEDBACK_SUPPORT_MAILBOX") << QByteArray("   ") << false;
    QTest::newRow("download empty keeps default") << QByteArray("FEEDBACK_DOWNLOAD_BASE") << QByteArray("") << false;
}

void TestDeployment::overrides()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(bool, wins);

    const auto read = [&variable] {
        if (variable == "FEEDBACK_ANALYTICS_BASE")
            return Deployment::analyticsBase();
        if (variable == "FEEDBACK_SMTP_HOST")
            return Deployment::smtpHost();
        if (variable == "FEEDBACK_DOWNLOAD_BASE")
            return Deployment::downloadBase();
        return Deployment::supportMailbox();
    };
    const QString builtIn = read();
    qputenv(variable.constData(), value);
    QCOMPARE(read(), wins ? QString::fromUtf8(value) : builtIn);
    qunsetenv(variable.constData());
    QCOMPARE(read(), builtIn);
}


void TestDeployment::maskLogsSwitch_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("on");
    QTest::newRow("ON") << QByteArray("ON") << true;
    QTest::newRow("yes, blanks") << QByteArray(" yes ") << true;
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("off") << QByteArray("off") << false;
    QTest::newRow("anything else") << QByteArray("mask") << false;
}

// The environment turns it either way, whatever the build chose.
void TestDeployment::maskLogsSwitch()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, on);
    qputenv("FEEDBACK_MASK_LOGS", value);
    QCOMPARE(Deployment::maskLogsByDefault(), on);
}

QTEST_GUILESS_MAIN(TestDeployment)
#include "tst_deployment.moc"
