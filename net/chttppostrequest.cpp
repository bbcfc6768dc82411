#include "chttppostrequest.h"

#include "blockingrequest.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#ifndef QT_NO_SSL
#include <QSslConfiguration>
#endif

#include <algorithm>
#include <atomic>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr int JsonPostTimeoutMs = 10000;

std::atomic<int> g_runningPosts{0};

// One running background post, as seen by the owner's thread.
struct BackgroundPost
{
    QNetworkReply *reply = nullptr; // set while the reply exists
    bool stopRequested = false;
};

QNetworkRequest jsonRequest(const QUrl &url)
{
    QNetworkRequest request(url);
#ifndef QT_NO_SSL
    // No certificate check, as the servers in the field use their own
    // certificates. The protocol is negotiated among the secure ones (TLS 1.2
    // and 1.3 included); the older "TLS 1.0 or SSL 3" value would suggest a
    // pin to versions current servers refuse, and Qt 6 no longer has it.
    QSslConfiguration tls = request.sslConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    tls.setProtocol(QSsl::SecureProtocols);
    request.setSslConfiguration(tls);
#endif
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    return request;
}

} // namespace

// State shared by the object and its background posts. The owner pointer is
// cleared by the destructor under the mutex, so a post that ends later finds
// nobody to emit through instead of a dangling object. The mutex is recursive
// because a receiver connected directly may delete the owner while one of its
// signals is being emitted under the lock.
struct CHttpPostRequest::Shared
{
    std::recursive_mutex mutex;
    CHttpPostRequest *owner = nullptr;
    std::vector<BackgroundPost *> posts;
};

CHttpPostRequest::CHttpPostRequest(const QString &key, QObject *parent)
    : QObject(parent)
    , m_key(key)
    , m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
    // Direct: the stop reaches the posts from whichever thread emits it.
    connect(this, &CHttpPostRequest::SignalStopRequest, this,
            &CHttpPostRequest::stopBackgroundPosts, Qt::DirectConnection);
}

CHttpPostRequest::~CHttpPostRequest()
{
    std::lock_guard<std::recursive_mutex> lock(m_shared->mutex);
    m_shared->owner = nullptr;
}

int CHttpPostRequest::runningPosts()
{
    return g_runningPosts.load();
}

void CHttpPostRequest::stopBackgroundPosts()
{
    std::lock_guard<std::recursive_mutex> lock(m_shared->mutex);
    for (BackgroundPost *post : m_shared->posts) {
        post->stopRequested = true;
        // The reply lives on the post's thread: abort it there. The queued
        // call is dropped if the reply is gone before it runs.
        if (QNetworkReply *reply = post->reply)
            QMetaObject::invokeMethod(reply, [reply] { reply->abort(); }, Qt::QueuedConnection);
    }
}

void CHttpPostRequest::postJson(const QUrl &url, const QJsonObject &body)
{
    const QByteArray data = QJsonDocument(body).toJson(QJsonDocument::Compact);
    std::shared_ptr<Shared> shared = m_shared;
    // Registered before the thread starts, so a stop emitted right after this
    // call is not lost.
    auto post = std::make_shared<BackgroundPost>();
    {
        std::lock_guard<std::recursive_mutex> lock(shared->mutex);
        shared->posts.push_back(post.get());
    }
    ++g_runningPosts;

    auto run = [shared, post, url, data]() {
        bool timedOut = false;
        bool cancelled = false;
        QByteArray answer;
        {
            QNetworkAccessManager manager;
            QNetworkReply *reply = manager.post(jsonRequest(url), data);

            bool stopNow = false;
            {
                std::lock_guard<std::recursive_mutex> lock(shared->mutex);
                post->reply = reply;
                stopNow = post->stopRequested;
            }
            if (stopNow)
                reply->abort();
            timedOut = !BlockingRequest::wait(reply, JsonPostTimeoutMs);
            {
                std::lock_guard<std::recursive_mutex> lock(shared->mutex);
                post->reply = nullptr;
            }

            cancelled = reply->error() == QNetworkReply::OperationCanceledError;
            if (!timedOut && !cancelled)
                answer = reply->readAll();
        }

        {
            std::lock_guard<std::recursive_mutex> lock(shared->mutex);
            shared->posts.erase(std::remove(shared->posts.begin(), shared->posts.end(), post.get()),
                                shared->posts.end());
            if (CHttpPostRequest *owner = shared->owner) {
                if (timedOut)
                    emit owner->SignalRequestTimeout();
                else if (cancelled)
                    emit owner->SignalRequestCancel();
                else
                    emit owner->SignalRequestResult(answer);
            }
        }
        --g_runningPosts;
    };

    try {
        std::thread(run).detach();
    } catch (const std::system_error &) {
        // No thread to be had: report the post as failed, as any other
        // failure that is not a time-out or a cancel.
        {
            std::lock_guard<std::recursive_mutex> lock(shared->mutex);
            shared->posts.erase(std::remove(shared->posts.begin(), shared->posts.end(), post.get()),
                                shared->posts.end());
        }
        --g_runningPosts;
        emit SignalRequestResult(QByteArray());
    }
}

bool CHttpPostRequest::postSignedJson(const QUrl &url, QJsonObject &body, QByteArray &reply)
{
    signParameters(body);
    const QByteArray data = QJsonDocument(body).toJson(QJsonDocument::Compact);

    QNetworkAccessManager manager;
    QNetworkReply *pending = manager.post(jsonRequest(url), data);
    if (!BlockingRequest::wait(pending, JsonPostTimeoutMs))
        return false;
    reply = pending->readAll();
    return true;
}

bool CHttpPostRequest::uploadFile(const QUrl &url, const QString &filePath, QByteArray &reply)
{
    if (!QFileInfo::exists(filePath))
        return false;

    auto multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);

    QHttpPart filePart;
    filePart.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QStringLiteral("form-data; name=\"file\";filename=\"%1\"")
                           .arg(QFileInfo(filePath).fileName()));
    // Streamed from disk by the multipart body, which owns the file.
    auto file = new QFile(filePath, multiPart);
    file->open(QIODevice::ReadOnly);
    filePart.setBodyDevice(file);
    multiPart->append(filePart);

    // The upload signature covers the key only, not the file.
    QHttpPart signPart;
    signPart.setHeader(QNetworkRequest::ContentDispositionHeader, QStringLiteral("form-data; name=\"sign\""));
    signPart.setBody(md5UpperHex(QStringLiteral("&key=") + m_key).toLatin1());
    multiPart->append(signPart);

    QNetworkAccessManager manager;
    QNetworkReply *pending = manager.post(QNetworkRequest(url), multiPart);
    multiPart->setParent(pending);
    BlockingRequest::wait(pending);
    reply = pending->readAll();
    return true;
}

void CHttpPostRequest::signParameters(QJsonObject &body) const
{
    QStringList keys = body.keys();
    // QString's operator< compares UTF-16 code units: "B" sorts before "a".
    std::sort(keys.begin(), keys.end());

    QString text;
    for (const QString &key : qAsConst(keys)) {
        const QJsonValue value = body.value(key);
        text += key + QLatin1Char('=') + (value.isString() ? value.toString() : QString()) + QLatin1Char('&');
    }
    text += QStringLiteral("key=") + m_key;
    body.insert(QStringLiteral("sign"), md5UpperHex(text));
}

QString CHttpPostRequest::md5UpperHex(const QString &text)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toLocal8Bit(), QCryptographicHash::Md5).toHex().toUpper());
}
