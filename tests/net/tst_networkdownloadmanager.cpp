#include "cnetworkdownloadmanager.h"
#include "peerrecords.h"
#include "testsupport.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::PeerProcess;

namespace {

const QByteArray FinalBody("final body");

QString confPath(const QString &name)
{
    return QCoreApplication::applicationDirPath() + "/FeedbackRes/conf/" + name;
}

QUrl peerUrl(const PeerProcess &peer, const QString &path)
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(peer.port()).arg(path));
}

// Server arguments for a chain of redirects /hop0 -> /hop1 -> ... -> /final.txt.
QStringList redirectChain(int hops)
{
    QStringList arguments;
    for (int i = 0; i < hops; ++i) {
        const QString next = i + 1 < hops ? QStringLiteral("/hop%1").arg(i + 1) : QStringLiteral("/final.txt");
        arguments << "--redirect" << QStringLiteral("/hop%1=%2").arg(i).arg(next);
    }
    return arguments;
}

} // namespace

class TestNetworkDownloadManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void downloadReplacesFile_data();
    void downloadReplacesFile();
    void redirects_data();
    void redirects();
    void failureRemovesFile_data();
    void failureRemovesFile();
    void unwritableTargetDoesNothing();
    void secondDownloadAbandonsFirst();

private:
    QTemporaryDir m_root;
};

void TestNetworkDownloadManager::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY(TestSupport::writeFile(m_root.filePath("final.txt"), FinalBody));
    QVERIFY(QDir().mkpath(confPath("sub")));
}

void TestNetworkDownloadManager::cleanup()
{
    QDir(confPath(QString())).removeRecursively();
    QVERIFY(QDir().mkpath(confPath("sub")));
}

void TestNetworkDownloadManager::downloadReplacesFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("oldContent");
    QTest::newRow("new file") << QStringLiteral("list.json") << QByteArray();
    QTest::newRow("longer old file is replaced") << QStringLiteral("list.json") << QByteArray(4096, 'o');
    QTest::newRow("into an existing sub-folder") << QStringLiteral("sub/list.json") << QByteArray();
}

void TestNetworkDownloadManager::downloadReplacesFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, oldContent);
    if (!oldContent.isEmpty())
        QVERIFY(TestSupport::writeFile(confPath(name), oldContent));

    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--root", m_root.path()}),
             qPrintable(peer.errorText()));

    CNetworkDownloadManager downloader;
    QSignalSpy finished(&downloader, &CNetworkDownloadManager::onDownloadFinished);
    downloader.download(name, peerUrl(peer, "/final.txt"));
    QVERIFY(finished.wait(15000));
    QCOMPARE(TestSupport::readFile(confPath(name)), FinalBody);
    QCOMPARE(finished.count(), 1);
}

void TestNetworkDownloadManager::redirects_data()
{
    QTest::addColumn<QStringList>("serverArguments");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<int>("requests");

    QTest::newRow("one redirect") << redirectChain(1) << QStringLiteral("/hop0") << true << 2;
    QTest::newRow("relative target resolved against the current url")
        << QStringList{"--redirect", "/a/b/start=../../final.txt"} << QStringLiteral("/a/b/start") << true << 2;
    QTest::newRow("limit-pass: 10 redirects") << redirectChain(10) << QStringLiteral("/hop0") << true << 11;
    QTest::newRow("limit-fail: 11 redirects") << redirectChain(11) << QStringLiteral("/hop0") << false << 11;
    QTest::newRow("redirect loop") << QStringList{"--redirect", "/loop=/loop"} << QStringLiteral("/loop") << false << 11;
    QTest::newRow("redirect to a missing file")
        << QStringList{"--redirect", "/gone=/missing.txt"} << QStringLiteral("/gone") << false << 2;
}

void TestNetworkDownloadManager::redirects()
{
    QFETCH(QStringList, serverArguments);
    QFETCH(QString, start);
    QFETCH(bool, succeeds);
    QFETCH(int, requests);

    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, QStringList{"--root", m_root.path()} + serverArguments),
             qPrintable(peer.errorText()));

    CNetworkDownloadManager downloader;
    QSignalSpy finished(&downloader, &CNetworkDownloadManager::onDownloadFinished);
    downloader.download("redirected.txt", peerUrl(peer, start));
    QVERIFY(finished.wait(30000));

    if (succeeds) {
        // The redirect answers carry longer bodies: none of them may remain.
        QCOMPARE(TestSupport::readFile(confPath("redirected.txt")), FinalBody);
    } else {
        QVERIFY(!QFile::exists(confPath("redirected.txt")));
    }
    QCOMPARE(peerRequests(peer).size(), requests);
    QCOMPARE(finished.count(), 1);
}

void TestNetworkDownloadManager::failureRemovesFile_data()
{
    QTest::addColumn<QStringList>("serverArguments");
    QTest::addColumn<QByteArray>("oldContent");
    QTest::newRow("404, no old file") << QStringList{"--route", "/file=404:missing"} << QByteArray();
    QTest::newRow("404 removes the old file of that name") << QStringList{"--route", "/file=404:missing"}
                                                           << QByteArray("old content");
    QTest::newRow("500 removes the partial file") << QStringList{"--route", "/file=500:partial body"} << QByteArray();
}

void TestNetworkDownloadManager::failureRemovesFile()
{
    QFETCH(QStringList, serverArguments);
    QFETCH(QByteArray, oldContent);
    if (!oldContent.isEmpty())
        QVERIFY(TestSupport::writeFile(confPath("list.json"), oldContent));

    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, serverArguments), qPrintable(peer.errorText()));

    CNetworkDownloadManager downloader;
    QSignalSpy finished(&downloader, &CNetworkDownloadManager::onDownloadFinished);
    downloader.download("list.json", peerUrl(peer, "/file"));
    QVERIFY(finished.wait(15000));
    QVERIFY(!QFile::exists(confPath("list.json")));
    QCOMPARE(finished.count(), 1);
}

void TestNetworkDownloadManager::unwritableTargetDoesNothing()
{
    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--root", m_root.path()}),
             qPrintable(peer.errorText()));

    CNetworkDownloadManager downloader;
    QSignalSpy finished(&downloader, &CNetworkDownloadManager::onDownloadFinished);
    downloader.download("no/such/folder/list.json", peerUrl(peer, "/final.txt"));
    QCOMPARE(finished.count(), 0);

    // A second download is the only request and the only signal.
    downloader.download("probe.txt", peerUrl(peer, "/final.txt?probe"));
    QVERIFY(finished.wait(15000));
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 1);
    const QList<QJsonObject> requests = peerRequests(peer);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].value("path").toString(), QStringLiteral("/final.txt?probe"));
    QVERIFY(!QFile::exists(confPath("no")));
}

void TestNetworkDownloadManager::secondDownloadAbandonsFirst()
{
    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--root", m_root.path(), "--route", "/slow=200:slow body", "--delay", "/slow=3"}),
             qPrintable(peer.errorText()));

    CNetworkDownloadManager downloader;
    QSignalSpy finished(&downloader, &CNetworkDownloadManager::onDownloadFinished);
    downloader.download("first.txt", peerUrl(peer, "/slow"));
    QVERIFY(waitForRequests(peer, 1));
    downloader.download("second.txt", peerUrl(peer, "/final.txt"));
    QVERIFY(finished.wait(15000));

    QCOMPARE(TestSupport::readFile(confPath("second.txt")), FinalBody);
    QVERIFY(!QFile::exists(confPath("first.txt")));
    QCOMPARE(finished.count(), 1);
}

QTEST_GUILESS_MAIN(TestNetworkDownloadManager)
#include "tst_networkdownloadmanager.moc"
