#pragma once

#include "reportdata.h"

#include <QByteArray>
#include <QString>

#include <atomic>

class QUrl;

// The plain password of an enciphered settings value (key 7309); empty when
// the text does not decipher.
QString decipherPassword(const QString &text);

// Bounds of a settings document that is taken at all. The real document is a
// few kilobytes, three levels deep, with a few dozen nodes and no document type
// declaration; anything beyond these is refused like a document that is not
// well-formed, so that no download can exhaust the stack or the memory.
constexpr int MaxSettingsDocumentSize = 1024 * 1024; // bytes of UTF-8
constexpr int MaxSettingsDocumentDepth = 16;         // nested elements
constexpr int MaxSettingsDocumentNodes = 20000;      // elements, attributes, texts, ...

// Applies a mail settings document to the settings. The entries under the
// root are walked in order until the entry whose productPID equals productId
// has been applied; see the .cpp for the exact walk. A document that is not
// well-formed or exceeds the bounds above changes nothing.
void parseMailSettings(const QString &xml, const QString &productId, bool feedbackMode,
                       MailSettings &settings);

// Blocking GET on the calling thread (runs a local event loop there). False on
// a network error, when no reply finished within timeoutMs, when *cancel
// turned true (looked at every 100 ms), or when the body runs past maxBytes
// (the transfer is aborted there, so a huge body is never held); *body is
// then left untouched.
bool downloadDocument(const QUrl &url, QByteArray *body, int timeoutMs = 30000,
                      const std::atomic<bool> *cancel = nullptr, int maxBytes = MaxSettingsDocumentSize);
