#include "mailsettings.h"

#include "settingscipher.h"

#include <QDomDocument>
#include <QDomElement>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

QString decipherPassword(const QString &text)
{
    SettingsCipher cipher(7309);
    return cipher.decipherText(text);
}

void parseMailSettings(const QString &xml, const QString &productId, bool feedbackMode,
                       MailSettings &settings)
{
    QDomDocument document;
    document.setContent(xml); // a parse error leaves an empty document

    QDomNode entry = document.documentElement().firstChild();
    if (entry.isNull() || !entry.isElement())
        return;

    // The names of the root and of the entries are not looked at. An entry is
    // applied child by child until a productPID that differs abandons it; the
    // values taken before that point stay. The walk ends after the matching
    // entry or at the first sibling that is not an element (a comment too).
    bool matched = false;
    for (;;) {
        for (QDomNode child = entry.firstChild(); !child.isNull(); child = child.nextSibling()) {
            const QDomElement element = child.toElement();
            if (element.isNull())
                continue;
            const QString name = element.tagName();
            const QString value = element.text();
            if (name == QLatin1String("productPID")) {
                if (value != productId)
                    break;
                matched = true;
            } else if (name == QLatin1String("sendMailAccount")) {
                settings.senderAccount = value;
            } else if (name == QLatin1String("sendMailPwd")) {
                settings.senderPassword = decipherPassword(value);
            } else if (name == QLatin1String("receiveMailAccount")) {
                if (feedbackMode)
                    settings.recipientAddress = value;
            } else if (name == QLatin1String("sendSever")) {
                settings.smtpHost = value;
            } else if (name == QLatin1String("sendSeverPort")) {
                settings.smtpPort = value;
            } else if (name == QLatin1String("connectType")) {
                settings.connectType = value;
            } else if (name == QLatin1String("crashReceiveMailAccount")) {
                if (!feedbackMode)
                    settings.recipientAddress = value;
            }
        }
        entry = entry.nextSibling();
        if (!entry.isElement() || matched)
            return;
    }
}

bool downloadDocument(const QUrl &url, QByteArray *body, int timeoutMs, const std::atomic<bool> *cancel)
{
    // Manager, loop and timer all belong to the calling thread (the worker of
    // a delivery) and go away with this call, reply included.
    QNetworkAccessManager manager;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);

    QNetworkReply *reply = manager.get(QNetworkRequest(url));
    bool timedOut = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&timedOut, reply] {
        timedOut = true;
        reply->abort();
    });
    QTimer watch;
    if (cancel) {
        QObject::connect(&watch, &QTimer::timeout, &loop, [reply, cancel] {
            if (*cancel)
                reply->abort(); // ends as an error, so the document is not taken
        });
        watch.start(100);
    }
    if (!reply->isFinished()) {
        timer.start(qMax(0, timeoutMs));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    timer.stop();
    watch.stop();

    const bool ok = !timedOut && reply->isFinished() && reply->error() == QNetworkReply::NoError;
    if (ok && body)
        *body = reply->readAll();
    delete reply;
    return ok;
}
