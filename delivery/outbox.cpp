#include "outbox.h"

#include "atomicfile.h"
#include "storedjson.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr int FormatVersion = 1;
const char *const Manifest = "manifest.json";
const char *const Body = "body.txt";
constexpr qint64 CopyChunk = 1 << 20;
constexpr qint64 LogLimit = 256 * 1024;
// Our manifests are a few hundred bytes; a larger one is not read.
constexpr qint64 ManifestLimit = 1024 * 1024;
constexpr int MaxFiles = 1000;
constexpr qint64 MaxExactBytes = 1LL << 53;
const char *const SentMark = ".sent";
// A hidden folder this old belongs to no write or removal still under way.
constexpr qint64 DebrisAgeSecs = 3600;

const QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
const QFile::Permissions OwnerOnlyFolder = OwnerOnly | QFile::ExeOwner;

QString filePath(const QString &folder, int index)
{
    return folder + QStringLiteral("/files/") + QString::number(index);
}

// Written to a temporary name, synced and renamed: the file is whole or absent.
bool writeWhole(const QString &path, const QByteArray &bytes)
{
    AtomicFile file(path, AtomicFile::Kind::Private);
    return file.open() && file.write(bytes) == bytes.size() && file.commit();
}

bool copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    AtomicFile target(to, AtomicFile::Kind::Private);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly) || !target.open())
        return false;
    // A file that shrinks or grows while it is copied is no whole copy.
    const qint64 size = source.size();
    qint64 copied = 0;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(CopyChunk);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size())
            return false;
        copied += chunk.size();
    }
    return copied == size && source.size() == size && target.commit();
}

QString newId(const QDateTime &created)
{
    return created.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-"))
           + QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, QLatin1Char('0'));
}

// A regular file of its own, not a link that would lead out of the outbox.
bool isPlainFile(const QFileInfo &info)
{
    return info.isFile() && !info.isSymLink();
}

bool hasControl(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// A name the mail announces a file under: never a path.
bool isSafeName(const QString &name)
{
    return !name.isEmpty() && name.size() <= 255 && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !hasControl(name);
}

// A byte count as JSON writes it: a whole, non-negative number that a
// double holds exactly.
qint64 byteCount(const QJsonValue &value)
{
    const double number = value.toDouble(-1);
    if (!value.isDouble() || !(number >= 0 && number <= double(MaxExactBytes)) || number != qint64(number))
        return -1;
    return qint64(number);
}

QString text(const QJsonObject &object, const char *key, bool *ok)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString() && !value.isUndefined())
        *ok = false;
    return value.toString();
}

enum class Read { NotOurs, Damaged, Whole };

// The entry in folder: whole when its manifest is of our format and every
// file it names is there with its recorded size; damaged (with the reason)
// when it is ours but does not read or match; not ours otherwise.
Read readEntry(const QString &folder, OutboxEntry &entry, bool readBody)
{
    const QFileInfo info(folder);
    entry.folder = folder;
    entry.id = info.fileName();
    if (!Outbox::isValidId(entry.id) || info.isSymLink() || !info.isDir())
        return Read::NotOurs;
    entry.created = info.lastModified().toUTC();
    const auto damaged = [&entry](const QString &why) {
        entry.damage = why;
        return Read::Damaged;
    };
    const QFileInfo manifestInfo(folder + QLatin1Char('/') + QLatin1String(Manifest));
    QFile file(manifestInfo.filePath());
    if (!isPlainFile(manifestInfo) || manifestInfo.size() > ManifestLimit || !file.open(QIODevice::ReadOnly))
        return damaged(QStringLiteral("no readable manifest"));
    const QByteArray json = file.readAll();
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (document.isObject() && document.object().value(QStringLiteral("format")) != QJsonValue(FormatVersion))
        return Read::NotOurs;
    QString problem;
    const std::optional<OutboxManifest> manifest = Outbox::parseManifest(json, &problem);
    if (!manifest)
        return damaged(problem);
    KeptReport &report = entry.report;
    report = manifest->report;
    entry.created = manifest->created;
    const QFileInfo bodyInfo(folder + QLatin1Char('/') + QLatin1String(Body));
    if (!isPlainFile(bodyInfo) || bodyInfo.size() != manifest->bodySize)
        return damaged(QStringLiteral("the body is missing or changed"));
    entry.size = bodyInfo.size();
    if (!manifest->fileSizes.isEmpty() && QFileInfo(folder + QStringLiteral("/files")).isSymLink())
        return damaged(QStringLiteral("the files folder is a link"));
    for (int i = 0; i < manifest->fileSizes.size(); ++i) {
        const QFileInfo fileInfo(filePath(folder, i));
        if (!isPlainFile(fileInfo) || fileInfo.size() != manifest->fileSizes.at(i))
            return damaged(QStringLiteral("file %1 (%2) is missing or changed").arg(i).arg(report.fileNames.at(i)));
        report.files << fileInfo.filePath();
        entry.size += fileInfo.size();
    }
    if (readBody) {
        QFile body(bodyInfo.filePath());
        if (!body.open(QIODevice::ReadOnly))
            return damaged(QStringLiteral("the body does not read"));
        const QByteArray bytes = body.readAll();
        if (bytes.size() != manifest->bodySize)
            return damaged(QStringLiteral("the body does not read"));
        report.body = QString::fromUtf8(bytes);
    }
    return Read::Whole;
}

} // namespace

Outbox::Outbox(const QString &folder)
    : m_folder(folder)
{
}

QString Outbox::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/outbox");
}

bool Outbox::ensureFolder() const
{
    if (!QDir().mkpath(m_folder))
        return false;
    // Reports hold what users wrote and their logs: for their eyes only.
    QFile::setPermissions(m_folder, OwnerOnlyFolder);
    return true;
}

QString Outbox::store(const KeptReport &report, const QDateTime &created, const QString &replaces) const
{
    const QByteArray body = report.body.toUtf8();
    qint64 size = body.size();
    for (const QString &path : report.files)
        size += QFileInfo(path).size();
    if (size > m_limits.maxBytes) {
        log(QStringLiteral("not kept %1: %2 bytes, more than the outbox holds").arg(report.messageId).arg(size));
        return QString();
    }
    if (!ensureFolder())
        return QString();

    const QString id = newId(created);
    const QString temporary = m_folder + QStringLiteral("/.tmp-") + id;
    QJsonArray files;
    bool ok = QDir().mkpath(temporary + QStringLiteral("/files"))
              && writeWhole(temporary + QLatin1Char('/') + QLatin1String(Body), body);
    for (int i = 0; ok && i < report.files.size(); ++i) {
        ok = copyWhole(report.files.at(i), filePath(temporary, i));
        files.append(QJsonObject{{QStringLiteral("name"), report.fileNames.value(i)},
                                 {QStringLiteral("size"), double(QFileInfo(filePath(temporary, i)).size())}});
    }
    const QJsonObject manifest{
        {QStringLiteral("format"), FormatVersion},
        {QStringLiteral("messageId"), report.messageId},
        {QStringLiteral("created"), created.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("feedbackMode"), report.feedbackMode},
        {QStringLiteral("hostPath"), report.hostPath},
        {QStringLiteral("productId"), report.productId},
        {QStringLiteral("mailSubject"), report.mailSubject},
        {QStringLiteral("recipientName"), report.recipientName},
        {QStringLiteral("bodySize"), double(body.size())},
        {QStringLiteral("files"), files}};
    // The manifest goes last and the rename makes the entry visible at once.
    ok = ok && writeWhole(temporary + QLatin1Char('/') + QLatin1String(Manifest), QJsonDocument(manifest).toJson())
         && QFile::setPermissions(temporary, OwnerOnlyFolder)
         && QDir().rename(temporary, m_folder + QLatin1Char('/') + id);
    if (!ok) {
        QDir(temporary).removeRecursively();
        log(QStringLiteral("not kept %1: the copy could not be written").arg(report.messageId));
        return QString();
    }
    log(QStringLiteral("kept %1 as %2 (%3 files, %4 bytes)")
            .arg(report.messageId, id).arg(report.files.size()).arg(size));
    // Room is made only now that the copy is whole.
    prune(id, replaces);
    return id;
}

std::optional<OutboxManifest> Outbox::parseManifest(const QByteArray &json, QString *problem)
{
    const auto fail = [problem](const QString &why) {
        if (problem)
            *problem = QStringLiteral("manifest: ") + why;
        return std::nullopt;
    };
    QString why;
    const std::optional<QJsonObject> stored = storedObject(json, FormatVersion, &why);
    if (!stored)
        return fail(why);
    const QJsonObject &object = *stored;
    OutboxManifest manifest;
    KeptReport &report = manifest.report;
    bool ok = true;
    report.messageId = text(object, "messageId", &ok);
    report.hostPath = text(object, "hostPath", &ok);
    report.productId = text(object, "productId", &ok);
    report.mailSubject = text(object, "mailSubject", &ok);
    report.recipientName = text(object, "recipientName", &ok);
    const QJsonValue mode = object.value(QStringLiteral("feedbackMode"));
    if (!ok || !(mode.isBool() || mode.isUndefined()))
        return fail(QStringLiteral("a field of the wrong type"));
    report.feedbackMode = mode.toBool();
    // The id and the subject go into header lines.
    if (report.messageId.isEmpty() || report.messageId.size() > 256 || hasControl(report.messageId)
        || hasControl(report.mailSubject) || hasControl(report.recipientName))
        return fail(QStringLiteral("a bad Message-ID, subject or name"));
    manifest.created = QDateTime::fromString(text(object, "created", &ok), Qt::ISODateWithMs);
    if (!manifest.created.isValid())
        return fail(QStringLiteral("no time of creation"));
    manifest.bodySize = byteCount(object.value(QStringLiteral("bodySize")));
    if (manifest.bodySize < 0)
        return fail(QStringLiteral("a bad body size"));
    const QJsonValue files = object.value(QStringLiteral("files"));
    if (!files.isArray() || files.toArray().size() > MaxFiles)
        return fail(QStringLiteral("a bad file list"));
    for (const QJsonValue &item : files.toArray()) {
        const QString name = item.toObject().value(QStringLiteral("name")).toString();
        const qint64 size = byteCount(item.toObject().value(QStringLiteral("size")));
        if (!isSafeName(name) || size < 0)
            return fail(QStringLiteral("a bad file name or size"));
        report.fileNames << name;
        manifest.fileSizes << size;
    }
    return manifest;
}

bool Outbox::isValidId(const QString &id)
{
    // As newId() makes them: d a decimal digit, x a lower-case hexadecimal one.
    static const char format[] = "dddddddd-dddddd-ddd-xxxxxxxx";
    if (id.size() != int(sizeof format) - 1)
        return false;
    for (int i = 0; i < id.size(); ++i) {
        const ushort c = id.at(i).unicode();
        const bool digit = c >= '0' && c <= '9';
        const bool fits = format[i] == '-' ? c == '-' : format[i] == 'd' ? digit : digit || (c >= 'a' && c <= 'f');
        if (!fits)
            return false;
    }
    return true;
}

QList<OutboxEntry> Outbox::entries(Listing listing) const
{
    QList<OutboxEntry> result;
    // Hidden names (temporary and removed entries) are not listed.
    const QFileInfoList folders =
        QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &folder : folders) {
        OutboxEntry entry;
        const Read read = readEntry(folder.filePath(), entry, listing == Listing::Whole);
        if (read == Read::Whole || (read == Read::Damaged && listing == Listing::WithDamaged))
            result << entry;
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const OutboxEntry &a, const OutboxEntry &b) { return a.created < b.created; });
    return result;
}

bool Outbox::hasEntries() const
{
    const QStringList names = QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    return std::any_of(names.cbegin(), names.cend(), &Outbox::isValidId);
}

bool Outbox::contains(const QString &id) const
{
    OutboxEntry entry;
    return isValidId(id) && readEntry(m_folder + QLatin1Char('/') + id, entry, false) == Read::Whole;
}

std::optional<OutboxEntry> Outbox::find(const QString &id) const
{
    OutboxEntry entry;
    if (!isValidId(id) || readEntry(m_folder + QLatin1Char('/') + id, entry, true) == Read::NotOurs)
        return std::nullopt;
    return entry;
}

std::unique_ptr<QLockFile> Outbox::tryLock(const QString &id) const
{
    if (!isValidId(id) || !ensureFolder())
        return nullptr;
    auto lock = std::make_unique<QLockFile>(m_folder + QLatin1Char('/') + id + QStringLiteral(".lock"));
    // Stale only when its process is gone: a send may take minutes.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

void Outbox::removeLocked(const QString &id, bool sent) const
{
    // A link in an entry's place is not ours to remove (nor what it leads to).
    if (!isValidId(id) || QFileInfo(m_folder + QLatin1Char('/') + id).isSymLink())
        return;
    if (sent) {
        removeLinkAt(m_folder + QLatin1Char('/') + id + QLatin1String(SentMark));
        writeWhole(m_folder + QLatin1Char('/') + id + QLatin1String(SentMark), QByteArray());
    }
    const QString hidden = m_folder + QStringLiteral("/.del-") + id;
    if (QDir().rename(m_folder + QLatin1Char('/') + id, hidden))
        QDir(hidden).removeRecursively();
}

bool Outbox::wasSent(const QString &id) const
{
    return isValidId(id) && QFileInfo(m_folder + QLatin1Char('/') + id + QLatin1String(SentMark)).isFile();
}

bool Outbox::remove(const QString &id) const
{
    const std::unique_ptr<QLockFile> lock = tryLock(id);
    if (!lock)
        return false;
    removeLocked(id);
    return true;
}

void Outbox::prune(const QString &keep, const QString &replaced) const
{
    removeDebris();
    const QList<OutboxEntry> listed = entries(Listing::WithDamaged);
    const QDateTime expiry = QDateTime::currentDateTimeUtc().addDays(-m_limits.maxAgeDays);
    qint64 total = 0;
    int count = 0;
    for (const OutboxEntry &entry : listed) {
        if (entry.id != replaced) {
            total += entry.size;
            ++count;
        }
    }
    for (const OutboxEntry &entry : listed) {
        if (entry.id == keep || entry.id == replaced)
            continue;
        const char *why = entry.created < expiry      ? "older than the outbox keeps reports"
                          : count > m_limits.maxReports ? "the outbox holds too many reports"
                          : total > m_limits.maxBytes   ? "the outbox is full"
                                                        : nullptr;
        if (!why)
            continue;
        if (!remove(entry.id))
            continue;
        log(QStringLiteral("dropped %1 (%2): %3").arg(entry.id, entry.report.messageId, QLatin1String(why)));
        total -= entry.size;
        --count;
    }
}

void Outbox::removeDebris() const
{
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-DebrisAgeSecs);
    const QFileInfoList hidden =
        QDir(m_folder).entryInfoList({QStringLiteral(".tmp-*"), QStringLiteral(".del-*")},
                                     QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo &folder : hidden) {
        if (folder.fileName().startsWith(QLatin1String(".del-")) || folder.lastModified() < before)
            QDir(folder.filePath()).removeRecursively();
    }
    // Marks of sent reports are for a window that waited on that send.
    const QFileInfoList marks = QDir(m_folder).entryInfoList({QStringLiteral("*") + QLatin1String(SentMark)},
                                                             QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &mark : marks) {
        if (mark.lastModified() < before)
            QFile::remove(mark.filePath());
    }
}

void Outbox::log(const QString &text) const
{
    if (!ensureFolder())
        return;
    const QString path = m_folder + QStringLiteral("/outbox.log");
    removeLinkAt(path);
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    file.setPermissions(OwnerOnly);
    file.write(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")).toUtf8()
               + text.toUtf8() + '\n');
    if (file.size() <= LogLimit)
        return;
    // The newest half stays, from a line start on.
    file.close();
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray tail = file.readAll().right(int(LogLimit / 2));
    tail = tail.mid(tail.indexOf('\n') + 1);
    file.close();
    writeWhole(path, tail);
}

int Outbox::retryDelayMinutes(int attempt)
{
    return qMin(60, 2 << qBound(0, attempt - 1, 5));
}
