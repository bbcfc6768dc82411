#include "outbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr int FormatVersion = 1;
const char *const Manifest = "manifest.json";
const char *const Body = "body.txt";
constexpr qint64 CopyChunk = 1 << 20;
constexpr qint64 LogLimit = 256 * 1024;
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    QFile::setPermissions(path, OwnerOnly);
    return true;
}

bool copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(CopyChunk);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size())
            return false;
    }
    if (!target.commit())
        return false;
    QFile::setPermissions(to, OwnerOnly);
    return true;
}

QString newId(const QDateTime &created)
{
    return created.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-"))
           + QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, QLatin1Char('0'));
}

// The entry in folder, when its manifest is of our format and every file it
// names is there with its recorded size.
bool readEntry(const QString &folder, OutboxEntry &entry)
{
    QFile file(folder + QLatin1Char('/') + QLatin1String(Manifest));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
    if (manifest.value(QStringLiteral("format")).toInt() != FormatVersion)
        return false;
    KeptReport &report = entry.report;
    QFile body(folder + QLatin1Char('/') + QLatin1String(Body));
    if (!body.open(QIODevice::ReadOnly)
        || body.size() != qint64(manifest.value(QStringLiteral("bodySize")).toDouble(-1)))
        return false;
    report.body = QString::fromUtf8(body.readAll());
    entry.size = body.size();
    const QJsonArray files = manifest.value(QStringLiteral("files")).toArray();
    for (int i = 0; i < files.size(); ++i) {
        const QJsonObject item = files.at(i).toObject();
        const QString path = filePath(folder, i);
        const qint64 size = QFileInfo(path).size();
        if (!QFileInfo(path).isFile() || size != qint64(item.value(QStringLiteral("size")).toDouble(-1)))
            return false;
        report.files << path;
        report.fileNames << item.value(QStringLiteral("name")).toString();
        entry.size += size;
    }
    report.messageId = manifest.value(QStringLiteral("messageId")).toString();
    report.feedbackMode = manifest.value(QStringLiteral("feedbackMode")).toBool();
    report.hostPath = manifest.value(QStringLiteral("hostPath")).toString();
    report.productId = manifest.value(QStringLiteral("productId")).toString();
    report.mailSubject = manifest.value(QStringLiteral("mailSubject")).toString();
    report.recipientName = manifest.value(QStringLiteral("recipientName")).toString();
    entry.created = QDateTime::fromString(manifest.value(QStringLiteral("created")).toString(), Qt::ISODateWithMs);
    entry.folder = folder;
    entry.id = QFileInfo(folder).fileName();
    return !report.messageId.isEmpty() && entry.created.isValid();
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

QString Outbox::store(const KeptReport &report, const QDateTime &created) const
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
    prune(size);

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
    return id;
}

QList<OutboxEntry> Outbox::entries() const
{
    QList<OutboxEntry> result;
    // Hidden names (temporary and removed entries) are not listed.
    const QFileInfoList folders = QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &folder : folders) {
        OutboxEntry entry;
        if (readEntry(folder.filePath(), entry))
            result << entry;
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const OutboxEntry &a, const OutboxEntry &b) { return a.created < b.created; });
    return result;
}

bool Outbox::contains(const QString &id) const
{
    OutboxEntry entry;
    return !id.isEmpty() && readEntry(m_folder + QLatin1Char('/') + id, entry);
}

std::unique_ptr<QLockFile> Outbox::tryLock(const QString &id) const
{
    if (id.isEmpty() || !ensureFolder())
        return nullptr;
    auto lock = std::make_unique<QLockFile>(m_folder + QLatin1Char('/') + id + QStringLiteral(".lock"));
    // Stale only when its process is gone: a send may take minutes.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

void Outbox::removeLocked(const QString &id) const
{
    const QString hidden = m_folder + QStringLiteral("/.del-") + id;
    if (QDir().rename(m_folder + QLatin1Char('/') + id, hidden))
        QDir(hidden).removeRecursively();
}

bool Outbox::remove(const QString &id) const
{
    const std::unique_ptr<QLockFile> lock = tryLock(id);
    if (!lock)
        return false;
    removeLocked(id);
    return true;
}

void Outbox::prune(qint64 incomingBytes) const
{
    removeDebris();
    QList<OutboxEntry> kept = entries();
    const QDateTime expiry = QDateTime::currentDateTimeUtc().addDays(-m_limits.maxAgeDays);
    const bool incoming = incomingBytes >= 0;
    qint64 total = incoming ? incomingBytes : 0;
    for (const OutboxEntry &entry : qAsConst(kept))
        total += entry.size;
    int count = kept.size() + (incoming ? 1 : 0);
    for (const OutboxEntry &entry : qAsConst(kept)) {
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
                                     QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &folder : hidden) {
        if (folder.fileName().startsWith(QLatin1String(".del-")) || folder.lastModified() < before)
            QDir(folder.filePath()).removeRecursively();
    }
}

void Outbox::log(const QString &text) const
{
    if (!ensureFolder())
        return;
    const QString path = m_folder + QStringLiteral("/outbox.log");
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
