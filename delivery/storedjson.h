#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <optional>

// A file the program wrote and reads back (a draft, an outbox manifest): a
// JSON object of the given format version, or none with *problem saying why.
inline std::optional<QJsonObject> storedObject(const QByteArray &json, int format, QString *problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    const char *why = error.error != QJsonParseError::NoError || !document.isObject() ? "not a JSON object"
                      : document.object().value(QStringLiteral("format")) != QJsonValue(format) ? "unknown format"
                                                                                               : nullptr;
    if (!why)
        return document.object();
    if (problem)
        *problem = QLatin1String(why);
    return std::nullopt;
}

// A symbolic link where the program keeps a file of its own would lead a
// write elsewhere: the link goes (never what it points to).
inline void removeLinkAt(const QString &path)
{
    if (QFileInfo(path).isSymLink())
        QFile::remove(path);
}
