#include "cgapostrequest.h"

#include "blockingrequest.h"
#include "hostinfo.h"

#include <QDebug>
#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {
// A hit that takes longer than this is abandoned; the delivery must go on.
constexpr int HitTimeoutMs = 5000;
}

CGAPostRequest::CGAPostRequest(QObject *parent)
    : QObject(parent)
{
}

void CGAPostRequest::init(const QString &category, const QString &baseUrl)
{
    m_category = category;
    m_baseUrl = baseUrl;
    m_clientId = HostInfo::machineId();
}

QString CGAPostRequest::hitUrlText(const QString &action) const
{
    // The event label repeats the client id.
    return QStringLiteral("%1&cid=%2&ec=%3&ea=%4&el=%5")
        .arg(m_baseUrl, m_clientId, m_category, action, m_clientId);
}

void CGAPostRequest::sendEvent(const QString &action)
{
    // Everything lives on the calling thread (usually the delivery worker),
    // so the call needs no event loop of its own besides this local one.
    QNetworkAccessManager manager;
    // Tolerant parsing writes spaces as %20 and non-ASCII text as UTF-8 escapes.
    const QUrl url(hitUrlText(action), QUrl::TolerantMode);
    QNetworkReply *reply = manager.get(QNetworkRequest(url));
    BlockingRequest::wait(reply, HitTimeoutMs);

    const char *name = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(reply->error());
    qDebug() << "Error:" << (name ? name : "UnknownNetworkError");
    // The reply belongs to the manager and goes with it.
}
