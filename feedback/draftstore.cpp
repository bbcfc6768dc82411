#include "draftstore.h"

#include "atomicfile.h"
#include "outbox.h"
#include "storedjson.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <utility>

namespace {

constexpr int FormatVersion = 1;
// Drafts hold a comment and a few names: one this large is not ours.
constexpr qint64 DraftLimit = 16 * 1024 * 1024;
constexpr int MaxListed = 100;
constexpr int MaxHiddenAreas = 100000;

QJsonArray toArray(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

// The strings of an array (false when it is none or holds anything else).
bool toList(const QJsonValue &value, QStringList &list)
{
    if (value.isUndefined())
        return true;
    if (!value.isArray() || value.toArray().size() > MaxListed)
        return false;
    for (const QJsonValue &item : value.toArray()) {
        if (!item.isString())
            return false;
        list << item.toString();
    }
    return true;
}

// What a bare name may not hold: a control character or a folder separator.
bool breaksName(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('/') || c == QLatin1Char('\\');
}

bool isBareName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && std::none_of(name.cbegin(), name.cend(), breaksName);
}

// name with what a bare name may not hold made underscores.
QString plainName(QString name)
{
    std::replace_if(name.begin(), name.end(), breaksName, QLatin1Char('_'));
    return name;
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

QString DraftStore::filesFolderOf(const QString &key) const
{
    // Reads, copies and removals stay inside the store.
    const QString folder = m_folder + QLatin1Char('/') + key + QStringLiteral("-files");
    removeLinkAt(folder);
    return folder;
}

bool DraftStore::save(const QString &key, const ReportDraft &draft) const
{
    const QString filesFolder = filesFolderOf(key);
    if (!QDir().mkpath(filesFolder))
        return false;
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Copies under new names: the draft written before stays whole until the
    // new one has replaced it.
    QStringList names;
    QJsonObject areas;
    // A picture's copy keeps its file name after the unique part: the name
    // is what the report calls it.
    const auto copyIn = [&](const QStringList &paths, bool keepName) {
        QStringList copied;
        for (const QString &path : paths) {
            const QString unique = QUuid::createUuid().toString(QUuid::Id128);
            const QString name = keepName ? unique + QLatin1Char('-') + plainName(QFileInfo(path).fileName())
                                          : unique + QLatin1Char('.') + QFileInfo(path).suffix();
            if (!QFile::copy(path, filesFolder + QLatin1Char('/') + name))
                continue;
            copied << name;
            if (draft.hiddenAreas.value(path) > 0)
                areas.insert(name, draft.hiddenAreas.value(path));
        }
        names += copied;
        return toArray(copied);
    };
    const QJsonObject object{{QStringLiteral("format"), FormatVersion},
                             {QStringLiteral("comment"), draft.comment},
                             {QStringLiteral("email"), draft.email},
                             {QStringLiteral("iosVersion"), draft.iosVersion},
                             {QStringLiteral("androidVersion"), draft.androidVersion},
                             {QStringLiteral("phoneBrand"), draft.phoneBrand},
                             {QStringLiteral("phoneModel"), draft.phoneModel},
                             {QStringLiteral("screenshots"), copyIn(draft.screenshots, false)},
                             {QStringLiteral("pictures"), toArray(draft.pictures)},
                             {QStringLiteral("editedPictures"), copyIn(draft.editedPictures, true)},
                             {QStringLiteral("pictureOrder"), draft.pictureOrder},
                             {QStringLiteral("hiddenAreas"), areas},
                             {QStringLiteral("supersedes"), draft.supersedes}};
    const QString path = m_folder + QLatin1Char('/') + key + QStringLiteral(".json");
    removeLinkAt(path);
    AtomicFile file(path, AtomicFile::Kind::Private);
    const QByteArray json = QJsonDocument(object).toJson();
    const bool ok = file.open() && file.write(json) == json.size() && file.commit();
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

std::optional<ReportDraft> DraftStore::parse(const QByteArray &json, QString *problem)
{
    const auto fail = [problem](const char *why) {
        if (problem)
            *problem = QLatin1String(why);
        return std::nullopt;
    };
    const std::optional<QJsonObject> stored = storedObject(json, FormatVersion, problem);
    if (!stored)
        return std::nullopt;
    const QJsonObject &object = *stored;
    ReportDraft draft;
    const std::pair<const char *, QString *> texts[] = {
        {"comment", &draft.comment},       {"email", &draft.email},
        {"iosVersion", &draft.iosVersion}, {"androidVersion", &draft.androidVersion},
        {"phoneBrand", &draft.phoneBrand}, {"phoneModel", &draft.phoneModel},
        {"supersedes", &draft.supersedes}, {"pictureOrder", &draft.pictureOrder}};
    for (const auto &text : texts) {
        const QJsonValue value = object.value(QLatin1String(text.first));
        if (!value.isString() && !value.isUndefined())
            return fail("a field of the wrong type");
        *text.second = value.toString();
    }
    if (!toList(object.value(QStringLiteral("pictures")), draft.pictures)
        || !toList(object.value(QStringLiteral("screenshots")), draft.screenshots)
        || !toList(object.value(QStringLiteral("editedPictures")), draft.editedPictures))
        return fail("a list of the wrong type");
    const QJsonValue areas = object.value(QStringLiteral("hiddenAreas"));
    if (!areas.isUndefined() && (!areas.isObject() || areas.toObject().size() > 2 * MaxListed))
        return fail("hidden areas of the wrong type");
    const QJsonObject counts = areas.toObject();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        const double count = it.value().toDouble(-1);
        if (count < 0 || count > MaxHiddenAreas || count != int(count))
            return fail("a hidden area count out of range");
        draft.hiddenAreas.insert(it.key(), int(count));
    }
    if (draft.pictureOrder.size() > 2 * MaxListed
        || !std::all_of(draft.pictureOrder.cbegin(), draft.pictureOrder.cend(),
                        [](QChar c) { return c == QLatin1Char('p') || c == QLatin1Char('e'); }))
        return fail("a bad picture order");
    // Only an outbox id of its own format may name a kept copy.
    if (!draft.supersedes.isEmpty() && !Outbox::isValidId(draft.supersedes))
        return fail("a bad outbox id");
    // Only plain names inside the draft's own folder.
    if (!std::all_of(draft.screenshots.cbegin(), draft.screenshots.cend(), isBareName)
        || !std::all_of(draft.editedPictures.cbegin(), draft.editedPictures.cend(), isBareName))
        return fail("a bad screenshot or picture name");
    return draft;
}

std::optional<ReportDraft> DraftStore::load(const QString &key, QString *problem) const
{
    const QFileInfo info(m_folder + QLatin1Char('/') + key + QStringLiteral(".json"));
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    QFile file(info.filePath());
    if (!info.isFile() || info.isSymLink() || info.size() > DraftLimit || !file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = QStringLiteral("not a readable file of its own");
        return std::nullopt;
    }
    std::optional<ReportDraft> draft = parse(file.readAll(), problem);
    if (!draft)
        return std::nullopt;
    // Names become paths of the files present in the store.
    const QString filesFolder = filesFolderOf(key);
    const QMap<QString, int> areas = std::exchange(draft->hiddenAreas, {});
    for (QStringList *files : {&draft->screenshots, &draft->editedPictures}) {
        const QStringList names = std::exchange(*files, {});
        for (const QString &name : names) {
            const QFileInfo file(filesFolder + QLatin1Char('/') + name);
            if (!file.isFile() || file.isSymLink())
                continue;
            *files << file.filePath();
            if (areas.value(name) > 0)
                draft->hiddenAreas.insert(file.filePath(), areas.value(name));
        }
    }
    return draft;
}

QString DraftStore::pictureName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.mid(name.indexOf(QLatin1Char('-')) + 1);
}

void DraftStore::discard(const QString &key) const
{
    QFile::remove(m_folder + QLatin1Char('/') + key + QStringLiteral(".json"));
    QDir(filesFolderOf(key)).removeRecursively();
}
