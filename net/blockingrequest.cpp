#include "blockingrequest.h"

#include <QNetworkReply>
#include <QTimer>

namespace BlockingRequest {

bool wait(QNetworkReply *reply, int timeoutMs, QEventLoop::ProcessEventsFlags flags)
{
    if (reply->isFinished())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&timedOut, reply] {
        timedOut = true;
        reply->abort();
    });
    if (timeoutMs >= 0)
        timer.start(timeoutMs);
    loop.exec(flags);
    return !timedOut;
}

} // namespace BlockingRequest
