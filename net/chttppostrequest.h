#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QJsonObject;
class QUrl;

// A small HTTP client for JSON posts and a file upload. Requests are signed
// with an MD5 digest over the sorted parameters and the key given at
// construction.
//
// postJson() runs on a detached thread of its own and reports exactly one of
// SignalRequestTimeout, SignalRequestCancel or SignalRequestResult, emitted
// from that thread. The object may be deleted while such a post still runs:
// the post then finishes quietly without emitting anything.
class CHttpPostRequest : public QObject
{
    Q_OBJECT
public:
    explicit CHttpPostRequest(const QString &key, QObject *parent = nullptr);
    ~CHttpPostRequest() override;

    // Starts the post in the background and returns at once. The body is
    // sent as it is, without a signature.
    void postJson(const QUrl &url, const QJsonObject &body);
    // Signs the body in place, posts it and waits up to 10 s. True with the
    // reply body when the request ended in time (also on HTTP or network
    // errors), false after the time-out (reply untouched).
    bool postSignedJson(const QUrl &url, QJsonObject &body, QByteArray &reply);
    // Uploads one file as multipart/form-data with a "sign" part and waits
    // for the answer (no time-out). False at once when the file is missing.
    bool uploadFile(const QUrl &url, const QString &filePath, QByteArray &reply);

    // Adds "sign": MD5 over "k1=v1&k2=v2&...&key=<key>" with the keys in
    // ordinal order; values that are not JSON strings sign as empty text.
    void signParameters(QJsonObject &body) const;
    // MD5 of the text's local 8-bit encoding as 32 upper-case hex digits.
    static QString md5UpperHex(const QString &text);

    // Background posts of all objects that have not ended yet.
    static int runningPosts();

    struct Shared;

signals:
    void SignalRequestTimeout();
    void SignalRequestCancel();
    void SignalRequestResult(QByteArray data);
    void SignalStopRequest();

private:
    void stopBackgroundPosts();

    const QString m_key;
    // Outlives this object while background posts still hold it.
    std::shared_ptr<Shared> m_shared;
};
