#include "draftstore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

namespace {

constexpr int FormatVersion = 1;

QJsonArray toArray(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

QStringList toList(const QJsonValue &value)
{
    QStringList list;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &item : array)
        list << item.toString();
    return list;
}

} // namespace

DraftStore::DraftStore(const QString &folder)
    : m_folder(folder)
{
}

QString DraftStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/drafts");
}

QString DraftStore::key(const QString &hostPath, bool feedbackMode)
{
    const QByteArray hash = QCryptographicHash::hash(hostPath.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return (feedbackMode ? QStringLiteral("feedback-") : QStringLiteral("crash-")) + QString::fromLatin1(hash);
}

bool DraftStore::save(const QString &key, const ReportDraft &draft) const
{
    const QString filesFolder = m_folder + QLatin1Char('/') + key + QStringLiteral("-files");
    if (!QDir().mkpath(filesFolder))
        return false;
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Copies under new names: the draft written before stays whole until the
    // new one has replaced it.
    QStringList names;
    for (const QString &path : draft.screenshots) {
        const QString name = QUuid::createUuid().toString(QUuid::Id128) + QLatin1Char('.')
                             + QFileInfo(path).suffix();
        if (QFile::copy(path, filesFolder + QLatin1Char('/') + name))
            names << name;
    }
    const QJsonObject object{{QStringLiteral("format"), FormatVersion},
                             {QStringLiteral("comment"), draft.comment},
                             {QStringLiteral("email"), draft.email},
                             {QStringLiteral("iosVersion"), draft.iosVersion},
                             {QStringLiteral("androidVersion"), draft.androidVersion},
                             {QStringLiteral("phoneBrand"), draft.phoneBrand},
                             {QStringLiteral("phoneModel"), draft.phoneModel},
                             {QStringLiteral("screenshots"), toArray(names)},
                             {QStringLiteral("pictures"), toArray(draft.pictures)},
                             {QStringLiteral("supersedes"), draft.supersedes}};
    QSaveFile file(m_folder + QLatin1Char('/') + key + QStringLiteral(".json"));
    const QByteArray json = QJsonDocument(object).toJson();
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit();
    // Once the new draft is in place, the copies it does not name go; when
    // it could not be written, its own copies go.
    const QStringList present = QDir(filesFolder).entryList(QDir::Files);
    for (const QString &name : present) {
        const bool named = names.contains(name);
        if (ok ? !named : named)
            QFile::remove(filesFolder + QLatin1Char('/') + name);
    }
    return ok;
}

std::optional<ReportDraft> DraftStore::load(const QString &key) const
{
    QFile file(m_folder + QLatin1Char('/') + key + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    if (object.value(QStringLiteral("format")).toInt() != FormatVersion)
        return std::nullopt;
    ReportDraft draft;
    draft.comment = object.value(QStringLiteral("comment")).toString();
    draft.email = object.value(QStringLiteral("email")).toString();
    draft.iosVersion = object.value(QStringLiteral("iosVersion")).toString();
    draft.androidVersion = object.value(QStringLiteral("androidVersion")).toString();
    draft.phoneBrand = object.value(QStringLiteral("phoneBrand")).toString();
    draft.phoneModel = object.value(QStringLiteral("phoneModel")).toString();
    draft.pictures = toList(object.value(QStringLiteral("pictures")));
    draft.supersedes = object.value(QStringLiteral("supersedes")).toString();
    const QStringList names = toList(object.value(QStringLiteral("screenshots")));
    for (const QString &name : names) {
        // Only plain names inside the draft's own folder.
        const QString path = m_folder + QLatin1Char('/') + key + QStringLiteral("-files/") + name;
        if (!name.contains(QLatin1Char('/')) && QFileInfo(path).isFile())
            draft.screenshots << path;
    }
    return draft;
}

void DraftStore::discard(const QString &key) const
{
    QFile::remove(m_folder + QLatin1Char('/') + key + QStringLiteral(".json"));
    QDir(m_folder + QLatin1Char('/') + key + QStringLiteral("-files")).removeRecursively();
}
