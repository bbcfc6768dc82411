#pragma once

#include <QEventLoop>

class QNetworkReply;

namespace BlockingRequest {

// Waits on the calling thread for a reply made there: a local event loop runs
// until the reply finishes or, with timeoutMs >= 0, until the time-out aborts
// it. False when the time-out ended it. The reply stays its manager's.
bool wait(QNetworkReply *reply, int timeoutMs = -1,
          QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);

} // namespace BlockingRequest
