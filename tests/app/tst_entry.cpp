// The program entry's rules: the six launch arguments and the window's placement.

#include "launcharguments.h"
#include "windowplacement.h"

#include <QtTest>

class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void modeArgument_data();
    void modeArgument();
    void argumentPositions();
    void centring_data();
    void centring();
};

void TestEntry::modeArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("feedbackMode");

    const QStringList five{"feedback", "to@x.com", "C:/A/B.exe", "me@x.com", "from@x.com", "pw"};
    QTest::newRow("0") << (five + QStringList{"0"}) << false;
    QTest::newRow("false") << (five + QStringList{"false"}) << false;
    QTest::newRow("FALSE") << (five + QStringList{"FALSE"}) << false;
    QTest::newRow("empty") << (five + QStringList{""}) << false;
    QTest::newRow("missing") << five << false;
    QTest::newRow("1") << (five + QStringList{"1"}) << true;
    QTest::newRow("true") << (five + QStringList{"true"}) << true;
    QTest::newRow("no") << (five + QStringList{"no"}) << true;
    QTest::newRow("blank") << (five + QStringList{" "}) << true;
}

void TestEntry::modeArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, feedbackMode);

    QCOMPARE(LaunchArguments::fromArguments(arguments).feedbackMode, feedbackMode);
}

void TestEntry::argumentPositions()
{
    const LaunchArguments full = LaunchArguments::fromArguments(
        {"prog", "to@x.com", "C:/A/B.exe", "me@x.com", "from@x.com", "pw", "1", "extra"});
    QCOMPARE(full.recipientAddress, QStringLiteral("to@x.com"));
    QCOMPARE(full.hostPath, QStringLiteral("C:/A/B.exe"));
    QCOMPARE(full.userEmail, QStringLiteral("me@x.com"));
    QCOMPARE(full.senderAccount, QStringLiteral("from@x.com"));
    QCOMPARE(full.senderPassword, QStringLiteral("pw"));
    QVERIFY(full.feedbackMode);

    // Fewer positions read as empty.
    const LaunchArguments two = LaunchArguments::fromArguments({"prog", "to@x.com"});
    QCOMPARE(two.recipientAddress, QStringLiteral("to@x.com"));
    QVERIFY(two.hostPath.isEmpty());
    QVERIFY(two.senderPassword.isEmpty());
    QVERIFY(!two.feedbackMode);
    const LaunchArguments none = LaunchArguments::fromArguments({});
    QVERIFY(none.recipientAddress.isEmpty());
}

void TestEntry::centring_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("position");

    QTest::newRow("1920x1040") << QRect(0, 0, 1920, 1040) << QSize(590, 645) << QPoint(665, 197);
    QTest::newRow("taskbar on top: measured from 0") << QRect(0, 40, 1920, 1040) << QSize(590, 645)
                                                     << QPoint(665, 197);
    QTest::newRow("taskbar at the left") << QRect(60, 0, 1860, 1080) << QSize(590, 645) << QPoint(635, 217);
    QTest::newRow("odd difference rounds down") << QRect(0, 0, 1001, 801) << QSize(590, 645) << QPoint(205, 78);
    QTest::newRow("window larger rounds toward zero") << QRect(0, 0, 589, 600) << QSize(590, 645)
                                                      << QPoint(0, -22);
}

void TestEntry::centring()
{
    QFETCH(QRect, available);
    QFETCH(QSize, window);
    QFETCH(QPoint, position);

    QCOMPARE(WindowPlacement::centredPosition(available, window), position);
}

QTEST_APPLESS_MAIN(TestEntry)
#include "tst_entry.moc"
