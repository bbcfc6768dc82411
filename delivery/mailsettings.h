#pragma once

#include "reportdata.h"

#include <QByteArray>
#include <QString>

#include <atomic>

class QUrl;

// The plain password of an enciphered settings value (key 7309); empty when
// the text does not decipher.
QString decipherPassword(const QString &text);

// Applies a mail settings document to the settings. The entries under the
// root are walked in order until the entry whose productPID equals productId
// has been applied; see the .cpp for the exact walk.
void parseMailSettings(const QString &xml, const QString &productId, bool feedbackMode,
                       MailSettings &settings);

// Blocking GET on the calling thread (runs a local event loop there). False on
// a network error, when no reply finished within timeoutMs, or when *cancel
// turned true (looked at every 100 ms); *body is then left untouched.
bool downloadDocument(const QUrl &url, QByteArray *body, int timeoutMs = 30000,
                      const std::atomic<bool> *cancel = nullptr);
