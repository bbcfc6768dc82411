#include "cgapostrequest.h"
#include "hostinfo.h"
#include "peerrecords.h"
#include "testsupport.h"

#include <QLoggingCategory>
#include <QMap>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

using TestSupport::PeerProcess;

namespace {

const QString Property = QStringLiteral("UA-12345678-1");

QString baseUrl(quint16 port)
{
    return QStringLiteral("http://127.0.0.1:%1/collect?v=1&t=event&tid=%2").arg(port).arg(Property);
}

// Query parameters as the server received them, still percent-encoded.
QMap<QString, QString> rawQuery(const QString &target)
{
    QMap<QString, QString> fields;
    const QStringList pairs = target.mid(target.indexOf('?') + 1).split('&');
    for (const QString &pair : pairs) {
        const int eq = pair.indexOf('=');
        fields.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return fields;
}

} // namespace

class TestGAPostRequest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void hitReachesServer_data();
    void hitReachesServer();
    void sendsFromWorkerThread();
    void silentServerDoesNotHang();
    void unreachablePortReturns();
};

void TestGAPostRequest::initTestCase()
{
    // The test runner silences debug output; every hit ends in a debug line
    // naming the reply's error, which these tests check.
    QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, true);
}

void TestGAPostRequest::hitReachesServer_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("encodedCategory");

    QTest::newRow("plain category")
        << QStringLiteral("Brand") << QStringLiteral("Feedback_Start_Send_to_Email") << QStringLiteral("Brand");
    QTest::newRow("spaces become %20")
        << QStringLiteral("Brand App (Windows version)") << QStringLiteral("Feedback_Sent_to_Email")
        << QStringLiteral("Brand%20App%20(Windows%20version)");
    QTest::newRow("non-ASCII becomes UTF-8 escapes")
        << QStringLiteral("Br\u00e4nd \u65e5") << QStringLiteral("Feedback_Sent_to_Email")
        << QStringLiteral("Br%C3%A4nd%20%E6%97%A5");
}

void TestGAPostRequest::hitReachesServer()
{
    QFETCH(QString, category);
    QFETCH(QString, action);
    QFETCH(QString, encodedCategory);

    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", "/collect=200:"}),
             qPrintable(peer.errorText()));

    CGAPostRequest analytics;
    analytics.init(category, baseUrl(peer.port()));
    QTest::ignoreMessage(QtDebugMsg, "Error: NoError");
    analytics.sendEvent(action);

    QVERIFY(waitForRequests(peer, 1));
    const QJsonObject hit = peerRequests(peer)[0];
    QCOMPARE(hit.value("method").toString(), QStringLiteral("GET"));
    const QString target = hit.value("path").toString();
    QVERIFY2(target.startsWith("/collect?v=1&t=event&tid=" + Property + "&cid="), qPrintable(target));

    const QMap<QString, QString> query = rawQuery(target);
    const QString cid = query.value("cid");
    QVERIFY2(QRegularExpression("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$")
                 .match(cid).hasMatch(), qPrintable(cid));
    QCOMPARE(cid, HostInfo::machineId());
    QCOMPARE(query.value("el"), cid);
    QCOMPARE(query.value("ec"), encodedCategory);
    QCOMPARE(query.value("ea"), action);
}

void TestGAPostRequest::sendsFromWorkerThread()
{
    // The delivery sends its events from a worker thread without an event loop.
    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", "/collect=200:"}),
             qPrintable(peer.errorText()));

    CGAPostRequest analytics;
    analytics.init(QStringLiteral("Brand"), baseUrl(peer.port()));
    std::unique_ptr<QThread> worker(QThread::create([&analytics] {
        analytics.sendEvent(QStringLiteral("Feedback_Start_Send_to_Email"));
        analytics.sendEvent(QStringLiteral("Feedback_Sent_to_Email"));
    }));
    worker->start();
    QVERIFY(worker->wait(30000));

    QVERIFY(waitForRequests(peer, 2));
    const QList<QJsonObject> hits = peerRequests(peer);
    QCOMPARE(rawQuery(hits[0].value("path").toString()).value("ea"), QStringLiteral("Feedback_Start_Send_to_Email"));
    QCOMPARE(rawQuery(hits[1].value("path").toString()).value("ea"), QStringLiteral("Feedback_Sent_to_Email"));
}

void TestGAPostRequest::silentServerDoesNotHang()
{
    // The server takes the hit but never answers; the call still returns.
    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", "/collect=200:", "--delay", "/collect=600"}),
             qPrintable(peer.errorText()));

    CGAPostRequest analytics;
    analytics.init(QStringLiteral("Brand"), baseUrl(peer.port()));
    QTest::ignoreMessage(QtDebugMsg, "Error: OperationCanceledError");
    analytics.sendEvent(QStringLiteral("Feedback_Start_Send_to_Email"));
    QVERIFY(waitForRequests(peer, 1));
}

void TestGAPostRequest::unreachablePortReturns()
{
    CGAPostRequest analytics;
    analytics.init(QStringLiteral("Brand"), baseUrl(TestSupport::unusedPort()));
    QTest::ignoreMessage(QtDebugMsg, "Error: ConnectionRefusedError");
    analytics.sendEvent(QStringLiteral("Feedback_Start_Send_to_Email"));
}

QTEST_GUILESS_MAIN(TestGAPostRequest)
#include "tst_gapostrequest.moc"
