#include "mailsettings.h"

#include "blockingrequest.h"
#include "settingscipher.h"

#include <QDomDocument>
#include <QDomElement>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamReader>

QString decipherPassword(const QString &text)
{
    SettingsCipher cipher(7309);
    return cipher.decipherText(text);
}

namespace {

// One streaming pass before the DOM parser sees the text. That parser recurses
// once per nesting level (25,000 levels overflow the stack), expands internal
// entities without limit and spends a few hundred bytes per node, so a document
// type declaration, deep nesting, a large size or many nodes are refused here.
bool isPlainWellFormed(const QString &xml)
{
    if (xml.size() > MaxSettingsDocumentSize || xml.toUtf8().size() > MaxSettingsDocumentSize)
        return false;
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(false); // like the DOM parse: prefixes are just names
    int depth = 0;
    int nodes = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            return false;
        case QXmlStreamReader::StartElement:
            if (++depth > MaxSettingsDocumentDepth)
                return false;
            nodes += reader.attributes().size();
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            continue;
        default:
            break;
        }
        if (++nodes > MaxSettingsDocumentNodes)
            return false;
    }
    return !reader.hasError();
}

} // namespace

void parseMailSettings(const QString &xml, const QString &productId, bool feedbackMode,
                       MailSettings &settings)
{
    // A document that breaks off must not be applied up to the break.
    QDomDocument document;
    if (!isPlainWellFormed(xml) || !document.setContent(xml))
        return;

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
            // Indented by hand, a value sits between line breaks and blanks;
            // those must not reach an address, a host name or a number. The
            // password text goes to the cipher as it stands.
            const QString value = element.text().trimmed();
            if (name == QLatin1String("productPID")) {
                if (value != productId)
                    break;
                matched = true;
            } else if (name == QLatin1String("sendMailAccount")) {
                settings.senderAccount = value;
            } else if (name == QLatin1String("sendMailPwd")) {
                settings.senderPassword = decipherPassword(element.text());
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

bool downloadDocument(const QUrl &url, QByteArray *body, int timeoutMs, const std::atomic<bool> *cancel,
                      int maxBytes)
{
    // Manager and timer belong to the calling thread (the worker of a
    // delivery) and go away with this call, reply included.
    QNetworkAccessManager manager;
    QNetworkReply *reply = manager.get(QNetworkRequest(url));
    bool tooLarge = false;
    QByteArray received;
    // Taken as it arrives, and never more than one byte past the bound: a body
    // that runs past it is cut off at the network, not buffered and refused later.
    const auto take = [&] {
        received += reply->read(qint64(maxBytes) + 1 - received.size());
        if (received.size() > maxBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    };
    reply->setReadBufferSize(64 * 1024);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, take);
    QTimer watch;
    if (cancel) {
        QObject::connect(&watch, &QTimer::timeout, reply, [reply, cancel] {
            if (*cancel)
                reply->abort(); // ends as an error, so the document is not taken
        });
        watch.start(100);
    }
    const bool timedOut = !BlockingRequest::wait(reply, qMax(0, timeoutMs), QEventLoop::ExcludeUserInputEvents);
    watch.stop();
    if (!tooLarge && !timedOut)
        take();

    const bool ok = !timedOut && !tooLarge && reply->isFinished() && reply->error() == QNetworkReply::NoError;
    if (ok && body)
        *body = received;
    delete reply;
    return ok;
}
