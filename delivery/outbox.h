#pragma once

#include "reportdata.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

// One report waiting in the outbox. Its files lie inside the entry's folder.
struct OutboxEntry
{
    QString id;
    QString folder;
    QDateTime created;
    qint64 size = 0; // body and files, in bytes
    KeptReport report;
    // Why the entry cannot be sent (a file missing or changed, a manifest
    // that does not read); empty for a whole entry.
    QString damage;
};

// What a manifest says, checked for types and ranges but not against the
// files beside it.
struct OutboxManifest
{
    KeptReport report; // without body and file paths
    QDateTime created;
    qint64 bodySize = 0;
    QList<qint64> fileSizes;
};

// Reports whose delivery failed, kept in the per-user data folder until a
// later attempt gets them accepted.
//
// An entry is a folder: manifest.json (format version, Message-ID, mode,
// host, product, subject), body.txt and copies of the attachments in files/.
// It is written under a hidden temporary name and renamed into place, and
// removed by renaming it back to a hidden name first, so a crash or a full
// disk never leaves a half-written entry that looks whole. Each entry has a
// lock file beside it (<id>.lock): whoever sends or removes an entry holds
// it, so two processes never send the same report; the lock of a process
// that died is taken over. The outbox keeps a log of its own (outbox.log).
//
// Everything in the folder is outside input: only names of the outbox's own
// id format are entries, symbolic links are never followed, and a manifest
// that does not read or files that do not match it make the entry damaged
// (listed for the log, never sent).
class Outbox
{
public:
    struct Limits
    {
        int maxReports = 20;
        qint64 maxBytes = 200LL * 1000 * 1000;
        int maxAgeDays = 30;
    };

    explicit Outbox(const QString &folder = defaultFolder());
    // <per-user application data>/outbox
    static QString defaultFolder();

    QString folder() const { return m_folder; }
    void setLimits(const Limits &limits) { m_limits = limits; }
    const Limits &limits() const { return m_limits; }

    // Copies the report into a new entry; once it is complete, drops expired
    // entries and, while a limit is passed, the oldest (never the new one).
    // The entry the report replaces (the caller removes it) does not count.
    // Returns the entry's id, or an empty text when the report is not kept
    // (larger than the whole outbox may hold, a file that cannot be read
    // whole, a disk that is full); then no other entry was touched.
    QString store(const KeptReport &report, const QDateTime &created = QDateTime::currentDateTimeUtc(),
                  const QString &replaces = QString()) const;

    enum class Listing { Whole, WithDamaged };
    // The entries, oldest first; damaged ones only when asked for. Entries
    // of an unknown format are left alone for the program that wrote them.
    QList<OutboxEntry> entries(Listing listing = Listing::Whole) const;
    // Whether a folder by an entry's name is there (no file is read).
    bool hasEntries() const;
    bool contains(const QString &id) const;
    // The entry by that id, damaged or whole, read afresh.
    std::optional<OutboxEntry> find(const QString &id) const;
    // The outbox's own id format: anything else from outside (a draft) never
    // reaches a path.
    static bool isValidId(const QString &id);
    static std::optional<OutboxManifest> parseManifest(const QByteArray &json, QString *problem = nullptr);

    // The entry's lock, held; null while another live process holds it.
    std::unique_ptr<QLockFile> tryLock(const QString &id) const;
    // Removes an entry whose lock the caller holds. sent: the server took
    // it, which wasSent() tells a window that waited for this send (for an
    // hour).
    void removeLocked(const QString &id, bool sent = false) const;
    bool wasSent(const QString &id) const;
    // Takes the lock and removes; false while another process holds it.
    bool remove(const QString &id) const;
    // Drops expired entries, and the oldest ones while more than the limits
    // allow. keep (just stored) is never dropped; replaced neither counts
    // nor is dropped. Entries locked by another process are being sent and
    // stay.
    void prune(const QString &keep = QString(), const QString &replaced = QString()) const;

    // Appends a time-stamped line to outbox.log.
    void log(const QString &text) const;

    // Minutes to wait before the n-th later attempt (n from 1): doubling
    // from two minutes, at most an hour.
    static int retryDelayMinutes(int attempt);

private:
    bool ensureFolder() const;
    void removeDebris() const;

    QString m_folder;
    Limits m_limits;
};
