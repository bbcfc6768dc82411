#pragma once

#include "testsupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QThread>

// Starts tests/peers/http_server.py; the server goes when the test process
// goes, even when the test crashes.
inline bool startHttpPeer(TestSupport::PeerProcess &peer, const QStringList &arguments)
{
    return peer.start(TestSupport::peerScript(QStringLiteral("http_server.py")),
                      QStringList{QStringLiteral("--die-with-parent")} + arguments);
}

// The requests a local http_server.py peer has recorded so far, one JSON
// object per request line of its output.
inline QList<QJsonObject> peerRequests(TestSupport::PeerProcess &peer)
{
    QList<QJsonObject> requests;
    const QList<QByteArray> lines = peer.output().split('\n');
    for (const QByteArray &line : lines) {
        const QJsonObject record = QJsonDocument::fromJson(line).object();
        if (record.contains(QStringLiteral("method")))
            requests.append(record);
    }
    return requests;
}

// Waits until the peer has recorded at least count requests.
inline bool waitForRequests(TestSupport::PeerProcess &peer, int count, int timeoutMs = 15000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (peerRequests(peer).size() < count) {
        if (deadline.hasExpired() || !peer.isRunning())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
    return true;
}
