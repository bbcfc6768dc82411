// The error log line and the clean-up of temporary files.
#include "deliverylog.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The files removePath works on, relative to a temporary folder.
QStringList treeFiles()
{
    return {QStringLiteral("tree/a.txt"), QStringLiteral("tree/.hidden"), QStringLiteral("tree/sub/b.txt"),
            QStringLiteral("tree/sub/deeper/c.txt"), QStringLiteral("single.txt")};
}

} // namespace

class TestDeliveryLog : public QObject
{
    Q_OBJECT

private slots:
    void logLines();
    void logWithoutFolder();
    void removePath_data();
    void removePath();
    void removePathDoesNotFollowLinks();
    void removeTemporaryFiles();
};

void TestDeliveryLog::logLines()
{
    QTemporaryDir app;
    QVERIFY(QDir().mkpath(app.path() + QStringLiteral("/Log")));
    QVERIFY(TestSupport::writeFile(app.path() + QStringLiteral("/Log/feedback.log"), "earlier line\n"));
    DeliveryLog::writeFeedbackLog(app.path(), 0, QStringLiteral("Send to Email Start."));
    DeliveryLog::writeFeedbackLog(app.path(), 535, QStringLiteral("NDNAME"));
    DeliveryLog::writeFeedbackLog(app.path(), -1, QStringLiteral("50% %1 %3 密"));
    DeliveryLog::writeFeedbackLog(app.path(), 0, QString());

    const QStringList lines = TestSupport::readTextFile(app.path() + QStringLiteral("/Log/feedback.log"))
                                  .split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.at(0), QStringLiteral("earlier line"));
    const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d "));
    const QStringList tails{QStringLiteral("Send to Email Start. feedback error code is 0"),
                            QStringLiteral("NDNAME feedback error code is 535"),
                            QStringLiteral("50% %1 %3 密 feedback error code is -1"),
                            QStringLiteral(" feedback error code is 0")};
    for (int i = 0; i < tails.size(); ++i) {
        const QString line = lines.at(i + 1);
        QVERIFY2(time.match(line).hasMatch(), qPrintable(line));
        QCOMPARE(line.mid(9), tails.at(i));
    }
    QCOMPARE(lines.last(), QString());
}

void TestDeliveryLog::logWithoutFolder()
{
    QTemporaryDir app;
    DeliveryLog::writeFeedbackLog(app.path(), 3, QStringLiteral("lost"));
    QVERIFY(!QFileInfo::exists(app.path() + QStringLiteral("/Log")));
}

void TestDeliveryLog::removePath_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("remaining");

    const QStringList all = treeFiles();
    QTest::newRow("empty-path") << QString() << true << all;
    QTest::newRow("missing-file") << QStringLiteral("nothing.txt") << true << all;
    QTest::newRow("missing-folder") << QStringLiteral("nothing/") << true << all;
    QTest::newRow("file") << QStringLiteral("single.txt") << true << QStringList(all.mid(0, 4));
    QTest::newRow("folder-tree") << QStringLiteral("tree") << true << QStringList{QStringLiteral("single.txt")};
    QTest::newRow("sub-folder") << QStringLiteral("tree/sub") << true
                                << QStringList{QStringLiteral("tree/a.txt"), QStringLiteral("tree/.hidden"), QStringLiteral("single.txt")};
}

void TestDeliveryLog::removePath()
{
    QFETCH(QString, target);
    QFETCH(bool, result);
    QFETCH(QStringList, remaining);

    QTemporaryDir root;
    const QStringList all = treeFiles();
    for (const QString &name : all)
        QVERIFY(TestSupport::writeFile(root.path() + QLatin1Char('/') + name, "x"));

    QCOMPARE(DeliveryLog::removePath(target.isEmpty() ? QString() : root.path() + QLatin1Char('/') + target), result);
    for (const QString &name : all)
        QCOMPARE(QFileInfo::exists(root.path() + QLatin1Char('/') + name), remaining.contains(name));
    // Folders stay.
    QVERIFY(QFileInfo(root.path() + QStringLiteral("/tree/sub/deeper")).isDir());
}

void TestDeliveryLog::removePathDoesNotFollowLinks()
{
    QTemporaryDir root;
    const QString outside = root.path() + QStringLiteral("/outside/keep.txt");
    QVERIFY(TestSupport::writeFile(outside, "keep"));
    QVERIFY(TestSupport::writeFile(root.path() + QStringLiteral("/shots/a.png"), "a"));
    QVERIFY(QFile::link(root.path() + QStringLiteral("/outside"), root.path() + QStringLiteral("/shots/linked")));

    QVERIFY(DeliveryLog::removePath(root.path() + QStringLiteral("/shots")));
    QVERIFY(QFileInfo::exists(outside));
    QVERIFY(!QFileInfo::exists(root.path() + QStringLiteral("/shots/a.png")));
    QVERIFY(!QFileInfo(root.path() + QStringLiteral("/shots/linked")).isSymLink());
}

void TestDeliveryLog::removeTemporaryFiles()
{
    QTemporaryDir app;
    const QString a = app.path();
    const QStringList removed{QStringLiteral("/crashcore.zip"), QStringLiteral("/Log/log.zip"),
                              QStringLiteral("/ScreenPicture/feedback1.png"), QStringLiteral("/ScreenPicture/sub/x.png"),
                              QStringLiteral("/ScreenPicture.zip")};
    const QStringList kept{QStringLiteral("/parvane_db.zip"), QStringLiteral("/Log/feedback.log"),
                           QStringLiteral("/Log/app.log"), QStringLiteral("/crashcore.dmp"),
                           QStringLiteral("/parvane_db/main.db")};
    for (const QString &name : removed + kept)
        QVERIFY(TestSupport::writeFile(a + name, "x"));

    DeliveryLog::removeTemporaryFiles(a);
    for (const QString &name : removed)
        QVERIFY2(!QFileInfo::exists(a + name), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(QFileInfo::exists(a + name), qPrintable(name));
    QVERIFY(QFileInfo(a + QStringLiteral("/ScreenPicture")).isDir());
    QVERIFY(QDir(a + QStringLiteral("/ScreenPicture")).entryList(QDir::Files).isEmpty());

    // Nothing there at all: no failure.
    QTemporaryDir empty;
    DeliveryLog::removeTemporaryFiles(empty.path());
}

QTEST_GUILESS_MAIN(TestDeliveryLog)
#include "tst_deliverylog.moc"
