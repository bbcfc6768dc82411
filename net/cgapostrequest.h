#pragma once

#include <QObject>
#include <QString>

// Usage events sent as blocking HTTPS GETs (Measurement Protocol v1 "event"
// hits). Never fails the caller: every outcome ends in one debug line.
class CGAPostRequest : public QObject
{
public:
    explicit CGAPostRequest(QObject *parent = nullptr);

    void init(const QString &category, const QString &baseUrl);
    // Blocks the calling thread (at most about 5 s) until the hit is done.
    void sendEvent(const QString &action);
    // The hit URL text for an action, before tolerant URL parsing.
    QString hitUrlText(const QString &action) const;

private:
    QString m_baseUrl;
    QString m_clientId;
    QString m_category;
};
