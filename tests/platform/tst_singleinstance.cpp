#include "singleinstance.h"
#include "testsupport.h"

#include <QtTest>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUuid>

#include <memory>

// The lock file and the local socket are the Linux guard's; the Windows guard
// (named mutex and pipe) has its rows in win32/, run under Wine.
#ifdef Q_OS_WIN
#define LINUX_GUARD_ONLY() QSKIP("lock file and local socket of the Linux guard")
#else
#define LINUX_GUARD_ONLY()
#endif

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void firstAndSecondCopy();
    void decisionIsKeptAndNoMessageToSelf();
    void differentKeysDoNotMeet();
    void firstCopyGoneReleasesLock();
    void staleLockFromDeadProcess();
    void staleSocketFile();
    void liveServerWinsOverLockFile();
    void sendTimesOutWhenNobodyAnswers();
    void hostileClientsAreDropped();
    void defaultKeyUsesApplicationAndUser();
    void longRuntimeFolder_data();
    void longRuntimeFolder();

private:
    static QString uniqueKey() { return QStringLiteral("tst-") + QUuid::createUuid().toString(QUuid::Id128); }
};

// A new first copy of the key runs, and a later copy reaches it.
static void expectFirstCopyReachable(const QString &key)
{
    SingleInstance first(key);
    QVERIFY(!first.isRunning());
    QSignalSpy received(&first, &SingleInstance::messageReceived);
    SingleInstance second(key);
    QVERIFY(second.isRunning());
    QVERIFY(second.sendMessage(QStringLiteral("active"), 5000));
    QTRY_COMPARE(received.count(), 1);
}

void TestSingleInstance::firstAndSecondCopy()
{
    const QString key = uniqueKey();
    SingleInstance first(key);
    QVERIFY(!first.isRunning());
    QSignalSpy received(&first, &SingleInstance::messageReceived);

    SingleInstance second(key);
    QVERIFY(second.isRunning());
    QVERIFY(second.sendMessage(QStringLiteral("active"), 5000));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("active"));

    // Several messages, including non-ASCII and empty text, arrive intact and in order.
    QVERIFY(second.sendMessage(QStringLiteral("Gr\u00fc\u00dfe \u4f60\u597d"), 5000));
    QVERIFY(second.sendMessage(QString(), 5000));
    QTRY_COMPARE(received.count(), 3);
    QCOMPARE(received.at(1).at(0).toString(), QStringLiteral("Gr\u00fc\u00dfe \u4f60\u597d"));
    QCOMPARE(received.at(2).at(0).toString(), QString());
}

void TestSingleInstance::decisionIsKeptAndNoMessageToSelf()
{
    const QString key = uniqueKey();
    SingleInstance first(key);
    QVERIFY(!first.isRunning());
    QVERIFY(!first.isRunning());
    QSignalSpy received(&first, &SingleInstance::messageReceived);
    // The first copy has nobody to hand a message to.
    QVERIFY(!first.sendMessage(QStringLiteral("active"), 200));
    QCOMPARE(received.count(), 0);
}

void TestSingleInstance::differentKeysDoNotMeet()
{
    SingleInstance a(uniqueKey());
    SingleInstance b(uniqueKey());
    QVERIFY(!a.isRunning());
    QVERIFY(!b.isRunning());
    QVERIFY(a.lockFilePath() != b.lockFilePath());
    QVERIFY(a.serverName() != b.serverName());
}

void TestSingleInstance::firstCopyGoneReleasesLock()
{
    LINUX_GUARD_ONLY();
    const QString key = uniqueKey();
    {
        SingleInstance first(key);
        QVERIFY(!first.isRunning());
        QVERIFY(QFileInfo::exists(first.lockFilePath()));
    }
    SingleInstance next(key);
    QVERIFY(!next.isRunning());
    QVERIFY(QFileInfo::exists(next.lockFilePath()));
}

void TestSingleInstance::staleLockFromDeadProcess()
{
    LINUX_GUARD_ONLY();
    const QString key = uniqueKey();
    SingleInstance probe(key);
    const QString lockPath = probe.lockFilePath();

    // The PID of a process that has ended.
    QProcess child;
    child.start(QStringLiteral("/bin/true"), QStringList());
    QVERIFY(child.waitForStarted());
    const qint64 deadPid = child.processId();
    QVERIFY(child.waitForFinished());

    const QByteArray contents = QByteArray::number(deadPid) + '\n'
                                + QCoreApplication::applicationName().toUtf8() + '\n'
                                + QSysInfo::machineHostName().toUtf8() + '\n';
    QVERIFY(TestSupport::writeFile(lockPath, contents));

    // It really took over: a later copy finds it and reaches it.
    expectFirstCopyReachable(key);
}

void TestSingleInstance::staleSocketFile()
{
    LINUX_GUARD_ONLY();
    const QString key = uniqueKey();
    SingleInstance probe(key);
    // A file left where the socket goes, as after a crash.
    QVERIFY(TestSupport::writeFile(probe.serverName(), "left over"));

    expectFirstCopyReachable(key);
}

void TestSingleInstance::liveServerWinsOverLockFile()
{
    LINUX_GUARD_ONLY();
    // A running copy whose lock file went missing (removed by hand or judged
    // stale) still answers on its socket: a new copy must not take over.
    const QString key = uniqueKey();
    SingleInstance first(key);
    QVERIFY(!first.isRunning());
    QVERIFY(QFile::remove(first.lockFilePath()));

    SingleInstance second(key);
    QVERIFY(second.isRunning());
    QSignalSpy received(&first, &SingleInstance::messageReceived);
    QVERIFY(second.sendMessage(QStringLiteral("active"), 5000));
    QTRY_COMPARE(received.count(), 1);
    // Give the first copy a lock file to release again.
    QVERIFY(TestSupport::writeFile(first.lockFilePath(), QByteArray()));
}

void TestSingleInstance::sendTimesOutWhenNobodyAnswers()
{
    LINUX_GUARD_ONLY();
    const QString key = uniqueKey();
    SingleInstance probe(key);
    // A live lock holder (this process) that never listens.
    QLockFile held(probe.lockFilePath());
    QVERIFY(held.tryLock(0));

    SingleInstance later(key);
    QVERIFY(later.isRunning());
    QVERIFY(!later.sendMessage(QStringLiteral("active"), 300));

    // A listener that accepts but never acknowledges.
    QLocalServer silent;
    QLocalServer::removeServer(probe.serverName());
    QVERIFY(silent.listen(probe.serverName()));
    QVERIFY(!later.sendMessage(QStringLiteral("active"), 300));

    // The holder starting to listen during the wait is still reached.
    silent.close();
    SingleInstance lateStarter(key);
    QSignalSpy received(&lateStarter, &SingleInstance::messageReceived);
    QTimer::singleShot(150, this, [&] {
        held.unlock();
        QVERIFY(!lateStarter.isRunning());
    });
    QVERIFY(later.sendMessage(QStringLiteral("active"), 5000));
    QCOMPARE(received.count(), 1);
}

void TestSingleInstance::hostileClientsAreDropped()
{
    const QString key = uniqueKey();
    SingleInstance first(key);
    QVERIFY(!first.isRunning());
    QSignalSpy received(&first, &SingleInstance::messageReceived);

    // An absurd length is refused by closing the connection.
    QLocalSocket huge;
    huge.connectToServer(first.serverName());
    QVERIFY(huge.waitForConnected(2000));
    huge.write(QByteArray("\xff\xff\xff\xff", 4) + "x");
    huge.flush();
    QTRY_COMPARE(huge.state(), QLocalSocket::UnconnectedState);

    // A message split over several writes is put together.
    QLocalSocket slow;
    slow.connectToServer(first.serverName());
    QVERIFY(slow.waitForConnected(2000));
    slow.write(QByteArray("\x00\x00", 2));
    slow.flush();
    QTest::qWait(50);
    slow.write(QByteArray("\x00\x06" "act", 5));
    slow.flush();
    QTest::qWait(50);
    QCOMPARE(received.count(), 0);
    slow.write("ive");
    slow.flush();
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("active"));
    QTRY_VERIFY(slow.bytesAvailable() >= 1);
    QCOMPARE(slow.read(1), QByteArray(1, '\x06'));
}

void TestSingleInstance::defaultKeyUsesApplicationAndUser()
{
    SingleInstance a;
    SingleInstance b;
    QCOMPARE(a.lockFilePath(), b.lockFilePath());
#ifndef Q_OS_WIN // there the user's SID fills the readable part
    QVERIFY(a.lockFilePath().contains(QCoreApplication::applicationName()));
#endif
    QVERIFY(a.serverName() != a.lockFilePath());
    // A key with path characters stays inside the state folder.
    SingleInstance odd(QStringLiteral("../../etc/x y"));
    QCOMPARE(QFileInfo(odd.lockFilePath()).path(), QFileInfo(a.lockFilePath()).path());
}

// unix(7): a socket path holds at most 107 bytes besides its terminating NUL.
void TestSingleInstance::longRuntimeFolder_data()
{
    QTest::addColumn<int>("socketPathBytes");
    QTest::newRow("socket path of 107 bytes") << 107;
    QTest::newRow("socket path of 108 bytes") << 108;
}

void TestSingleInstance::longRuntimeFolder()
{
    LINUX_GUARD_ONLY();
    QFETCH(int, socketPathBytes);
    const QString key = uniqueKey();
    QTemporaryDir base;
    const int nameBytes = QFileInfo(SingleInstance(key).serverName()).fileName().size() + 1;
    const QString runtime = base.path() + QLatin1Char('/') + QString(socketPathBytes - nameBytes - base.path().size() - 1, QLatin1Char('r'));
    QVERIFY(QDir().mkpath(runtime));
    const auto restore = qScopeGuard([saved = qgetenv("XDG_RUNTIME_DIR")] { qputenv("XDG_RUNTIME_DIR", saved); });
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    QCOMPARE(SingleInstance(key).serverName().startsWith(runtime + QLatin1Char('/')), socketPathBytes <= 107);
    expectFirstCopyReachable(key);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
