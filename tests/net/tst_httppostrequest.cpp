#include "chttppostrequest.h"
#include "peerrecords.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <memory>

using TestSupport::PeerProcess;

#if defined(__SANITIZE_ADDRESS__)
// Freed memory is overwritten, so that a post touching its deleted owner
// fails loudly even inside the uninstrumented Qt libraries.
extern "C" const char *__asan_default_options()
{
    return "max_free_fill_size=4096:free_fill_byte=255";
}
#endif

namespace {

const QString Key = QStringLiteral("secret");

// Counts the outcome signals of a background post on the test thread (the
// signals come from the post's own thread and arrive queued).
class Outcome : public QObject
{
public:
    explicit Outcome(CHttpPostRequest *request)
    {
        connect(request, &CHttpPostRequest::SignalRequestTimeout, this, [this] { ++timeouts; });
        connect(request, &CHttpPostRequest::SignalRequestCancel, this, [this] { ++cancels; });
        connect(request, &CHttpPostRequest::SignalRequestResult, this, [this](const QByteArray &data) {
            results.append(data);
        });
    }
    int total() const { return timeouts + cancels + results.size(); }

    int timeouts = 0;
    int cancels = 0;
    QList<QByteArray> results;
};

QUrl peerUrl(const PeerProcess &peer, const QString &path, const QString &scheme = QStringLiteral("http"))
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(peer.port()).arg(path));
}

bool allPostsEnded()
{
    return CHttpPostRequest::runningPosts() == 0;
}

} // namespace

class TestHttpPostRequest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void signParameters_data();
    void signParameters();
    void md5UpperHex_data();
    void md5UpperHex();

    void backgroundPostDeliversAnswer_data();
    void backgroundPostDeliversAnswer();
    void backgroundPostTimesOut();
    void stopRequestCancels_data();
    void stopRequestCancels();
    void ownerDeletedDuringPost();

    void postSignedJson_data();
    void postSignedJson();
    void postSignedJsonTimesOut();
    void modernTlsServerAnswers_data();
    void modernTlsServerAnswers();

    void uploadFile_data();
    void uploadFile();
    void uploadMissingFile();
};

void TestHttpPostRequest::initTestCase()
{
    // The program runs with a UTF-8 locale codec; signatures depend on it.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
}

void TestHttpPostRequest::cleanup()
{
    // No post may outlive its test and confuse the next one.
    QTRY_VERIFY_WITH_TIMEOUT(allPostsEnded(), 20000);
}

// Expected digests are MD5 of the signed texts with the key "secret", e.g.
// "B=2&a=1&key=secret", "n=&key=secret", "key=secret", "a=1&sign=OLD&key=secret".
void TestHttpPostRequest::signParameters_data()
{
    QTest::addColumn<QJsonObject>("body");
    QTest::addColumn<QString>("expectedSign");

    QTest::newRow("upper-case key sorts before lower-case")
        << QJsonObject{{"a", "1"}, {"B", "2"}} << QStringLiteral("2FBD78154F87CD762E9F8430332FE30B");
    QTest::newRow("string values in key order")
        << QJsonObject{{"b", "2"}, {"a", "1"}} << QStringLiteral("9F565CCD686CFA5DC3B06B3A89E4E3AD");
    QTest::newRow("number signs as empty")
        << QJsonObject{{"n", 5}} << QStringLiteral("DF47805DF5CDD6B8CB7028BADF99BD7E");
    QTest::newRow("bool, array, object and null sign as empty")
        << QJsonObject{{"t", true}, {"x", QJsonArray{1}}, {"o", QJsonObject{}}, {"z", QJsonValue::Null}}
        << QStringLiteral("0988A895D3551A192DEA2E2E001396D3");
    QTest::newRow("empty body signs the key only")
        << QJsonObject{} << QStringLiteral("80353F06772F9B5C80204F40D0D34FDA");
    QTest::newRow("existing sign is part of the signed text")
        << QJsonObject{{"sign", "OLD"}, {"a", "1"}} << QStringLiteral("7E709441639E7E6576C40D6D8C037454");
    QTest::newRow("non-ASCII value signs its UTF-8 bytes")
        << QJsonObject{{"name", QStringLiteral("J\u00fcrgen")}} << QStringLiteral("094EC77C5C2FC3E872534E534BEEB0D6");
}

void TestHttpPostRequest::signParameters()
{
    QFETCH(QJsonObject, body);
    QFETCH(QString, expectedSign);

    CHttpPostRequest request(Key);
    QJsonObject signedBody = body;
    request.signParameters(signedBody);

    QCOMPARE(signedBody.value("sign").toString(), expectedSign);
    QVERIFY(QRegularExpression("^[0-9A-F]{32}$").match(signedBody.value("sign").toString()).hasMatch());
    // Nothing but "sign" changes.
    signedBody.remove("sign");
    body.remove("sign");
    QCOMPARE(signedBody, body);
}

void TestHttpPostRequest::md5UpperHex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digest");
    QTest::newRow("empty") << QString() << QStringLiteral("D41D8CD98F00B204E9800998ECF8427E");
    QTest::newRow("ascii") << QStringLiteral("abc") << QStringLiteral("900150983CD24FB0D6963F7D28E17F72");
    QTest::newRow("non-ascii as utf-8") << QStringLiteral("\u00fc") << QStringLiteral("C03410A5204B21CD8229FF754688D743");
}

void TestHttpPostRequest::md5UpperHex()
{
    QFETCH(QString, text);
    QFETCH(QString, digest);
    QCOMPARE(CHttpPostRequest::md5UpperHex(text), digest);
}

void TestHttpPostRequest::backgroundPostDeliversAnswer_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("200 with body") << QStringLiteral("/api=200:{\"ok\":true}") << QByteArray("{\"ok\":true}");
    QTest::newRow("500 is still a result") << QStringLiteral("/api=500:broken") << QByteArray("broken");
    QTest::newRow("404 is still a result") << QStringLiteral("/other=200:x") << QByteArray("not found");
}

void TestHttpPostRequest::backgroundPostDeliversAnswer()
{
    QFETCH(QString, route);
    QFETCH(QByteArray, expected);

    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", route}), qPrintable(peer.errorText()));

    CHttpPostRequest request(Key);
    Outcome outcome(&request);
    const QJsonObject body{{"b", "2"}, {"a", 1}};
    request.postJson(peerUrl(peer, "/api"), body);

    QTRY_COMPARE_WITH_TIMEOUT(outcome.total(), 1, 15000);
    QCOMPARE(outcome.results.size(), 1);
    QCOMPARE(outcome.results.first(), expected);

    QTRY_VERIFY(allPostsEnded());
    QCOMPARE(outcome.total(), 1);

    const QList<QJsonObject> requests = peerRequests(peer);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].value("method").toString(), QStringLiteral("POST"));
    QCOMPARE(requests[0].value("headers").toObject().value("Content-Type").toString(),
             QStringLiteral("application/json"));
    // Sent as it is: compact and unsigned.
    QCOMPARE(requests[0].value("body").toString(), QStringLiteral("{\"a\":1,\"b\":\"2\"}"));
}

void TestHttpPostRequest::backgroundPostTimesOut()
{
    // The post gives up after its fixed 10 s; the server answers later.
    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", "/slow=200:late", "--delay", "/slow=14"}),
             qPrintable(peer.errorText()));

    CHttpPostRequest request(Key);
    Outcome outcome(&request);
    request.postJson(peerUrl(peer, "/slow"), QJsonObject{{"a", "1"}});

    QTRY_COMPARE_WITH_TIMEOUT(outcome.total(), 1, 30000);
    QCOMPARE(outcome.timeouts, 1);
    QTRY_VERIFY(allPostsEnded());
    QCOMPARE(outcome.results.size(), 0);
    QCOMPARE(outcome.cancels, 0);
}

void TestHttpPostRequest::stopRequestCancels_data()
{
    QTest::addColumn<bool>("waitForServer");
    QTest::newRow("stop while waiting for the answer") << true;
    QTest::newRow("stop right after starting") << false;
}

void TestHttpPostRequest::stopRequestCancels()
{
    QFETCH(bool, waitForServer);

    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", "/slow=200:late", "--delay", "/slow=8"}),
             qPrintable(peer.errorText()));

    CHttpPostRequest request(Key);
    Outcome outcome(&request);
    request.postJson(peerUrl(peer, "/slow"), QJsonObject{{"a", "1"}});
    if (waitForServer)
        QVERIFY(waitForRequests(peer, 1));
    emit request.SignalStopRequest();

    QTRY_COMPARE_WITH_TIMEOUT(outcome.total(), 1, 15000);
    QCOMPARE(outcome.cancels, 1);
    QTRY_VERIFY(allPostsEnded());
    QCOMPARE(outcome.total(), 1);
}

void TestHttpPostRequest::ownerDeletedDuringPost()
{
    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", "/slow=200:late", "--delay", "/slow=1"}),
             qPrintable(peer.errorText()));

    auto request = std::make_unique<CHttpPostRequest>(Key);
    Outcome outcome(request.get());
    for (int i = 0; i < 3; ++i)
        request->postJson(peerUrl(peer, "/slow"), QJsonObject{{"n", i}});
    QVERIFY(waitForRequests(peer, 3));
    request.reset();

    // The posts end after their owner without touching it.
    QTRY_VERIFY_WITH_TIMEOUT(allPostsEnded(), 15000);
    QCoreApplication::processEvents();
    QCOMPARE(outcome.total(), 0);
}

void TestHttpPostRequest::postSignedJson_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("200 answer") << QStringLiteral("/api=200:accepted") << QByteArray("accepted");
    QTest::newRow("500 answer is still true") << QStringLiteral("/api=500:failed") << QByteArray("failed");
}

void TestHttpPostRequest::postSignedJson()
{
    QFETCH(QString, route);
    QFETCH(QByteArray, expected);

    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", route}), qPrintable(peer.errorText()));

    CHttpPostRequest request(Key);
    QJsonObject body{{"b", "2"}, {"a", "1"}};
    QByteArray reply;
    QVERIFY(request.postSignedJson(peerUrl(peer, "/api"), body, reply));
    QCOMPARE(reply, expected);
    QCOMPARE(body.value("sign").toString(), QStringLiteral("9F565CCD686CFA5DC3B06B3A89E4E3AD"));

    QVERIFY(waitForRequests(peer, 1));
    const QJsonObject sent = QJsonDocument::fromJson(peerRequests(peer)[0].value("body").toString().toUtf8()).object();
    QCOMPARE(sent, body);
}

void TestHttpPostRequest::postSignedJsonTimesOut()
{
    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", "/slow=200:late", "--delay", "/slow=14"}),
             qPrintable(peer.errorText()));

    CHttpPostRequest request(Key);
    QJsonObject body{{"a", "1"}};
    QByteArray reply("untouched");
    QVERIFY(!request.postSignedJson(peerUrl(peer, "/slow"), body, reply));
    QCOMPARE(reply, QByteArray("untouched"));
}

void TestHttpPostRequest::modernTlsServerAnswers_data()
{
    QTest::addColumn<QStringList>("tlsRange");
    QTest::newRow("TLS 1.2 only") << QStringList{"--min-tls", "1.2", "--max-tls", "1.2"};
    QTest::newRow("TLS 1.2 and newer") << QStringList{"--min-tls", "1.2"};
    QTest::newRow("TLS 1.3 only") << QStringList{"--min-tls", "1.3"};
}

void TestHttpPostRequest::modernTlsServerAnswers()
{
    QFETCH(QStringList, tlsRange);
    if (!QSslSocket::supportsSsl())
        QSKIP("Qt has no TLS backend here");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString cert, key;
    QByteArray log;
    QVERIFY2(TestSupport::makeSelfSignedCertificate(dir.path(), &cert, &key, &log), log.constData());

    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, QStringList{"--route", "/api=200:secure", "--tls", cert, key} + tlsRange),
             qPrintable(peer.errorText()));

    // Self-signed certificate: the request does not check the peer.
    CHttpPostRequest request(Key);
    QJsonObject body{{"a", "1"}};
    QByteArray reply;
    QVERIFY(request.postSignedJson(peerUrl(peer, "/api", "https"), body, reply));
    QCOMPARE(reply, QByteArray("secure"));

    Outcome outcome(&request);
    request.postJson(peerUrl(peer, "/api", "https"), body);
    QTRY_COMPARE_WITH_TIMEOUT(outcome.total(), 1, 15000);
    QCOMPARE(outcome.results.value(0), QByteArray("secure"));
}

void TestHttpPostRequest::uploadFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("size");
    QTest::newRow("small file") << QStringLiteral("report.zip") << 10;
    QTest::newRow("empty file") << QStringLiteral("empty.log") << 0;
    QTest::newRow("large file with a space in its name") << QStringLiteral("crash dump.bin") << 3 * 1024 * 1024 + 7;
}

void TestHttpPostRequest::uploadFile()
{
    QFETCH(QString, fileName);
    QFETCH(int, size);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QByteArray content(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        content[i] = char((i * 131 + 7) % 251);
    const QString path = dir.filePath("sub/" + fileName);
    QVERIFY(TestSupport::writeFile(path, content));

    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", "/upload=200:stored"}),
             qPrintable(peer.errorText()));

    CHttpPostRequest request(Key);
    QByteArray reply;
    QVERIFY(request.uploadFile(peerUrl(peer, "/upload"), path, reply));
    QCOMPARE(reply, QByteArray("stored"));

    QVERIFY(waitForRequests(peer, 1));
    const QJsonObject received = peerRequests(peer)[0];
    QCOMPARE(received.value("method").toString(), QStringLiteral("POST"));
    QVERIFY(received.value("headers").toObject().value("Content-Type").toString().startsWith("multipart/form-data"));
    const QJsonArray parts = received.value("parts").toArray();
    QCOMPARE(parts.size(), 2);

    const QJsonObject filePart = parts[0].toObject();
    QCOMPARE(filePart.value("name").toString(), QStringLiteral("file"));
    QCOMPARE(filePart.value("filename").toString(), fileName);
    QCOMPARE(filePart.value("disposition").toString(),
             QStringLiteral("form-data; name=\"file\";filename=\"%1\"").arg(fileName));
    QCOMPARE(filePart.value("length").toInt(), size);
    QCOMPARE(filePart.value("sha256").toString().toLatin1(),
             QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());

    const QJsonObject signPart = parts[1].toObject();
    QCOMPARE(signPart.value("name").toString(), QStringLiteral("sign"));
    QVERIFY(signPart.value("filename").isNull());
    QCOMPARE(signPart.value("disposition").toString(), QStringLiteral("form-data; name=\"sign\""));
    // MD5 of "&key=secret".
    QCOMPARE(signPart.value("value").toString(), QStringLiteral("703E7A32F6B3257C1BA566815B929B7D"));
}

void TestHttpPostRequest::uploadMissingFile()
{
    PeerProcess peer;
    QVERIFY2(startHttpPeer(peer, {"--route", "/upload=200:stored"}),
             qPrintable(peer.errorText()));

    CHttpPostRequest request(Key);
    QByteArray reply("untouched");
    QVERIFY(!request.uploadFile(peerUrl(peer, "/upload"), QStringLiteral("/nonexistent/folder/file.zip"), reply));
    QCOMPARE(reply, QByteArray("untouched"));

    // A later request is the first and only one the server saw.
    QJsonObject probe;
    QVERIFY(request.postSignedJson(peerUrl(peer, "/probe"), probe, reply));
    QVERIFY(waitForRequests(peer, 1));
    const QList<QJsonObject> requests = peerRequests(peer);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].value("path").toString(), QStringLiteral("/probe"));
}

QTEST_GUILESS_MAIN(TestHttpPostRequest)
#include "tst_httppostrequest.moc"
