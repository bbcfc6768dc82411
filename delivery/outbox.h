#pragma once

#include "reportdata.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

class QLockFile;

// One report waiting in the outbox. Its files lie inside the entry's folder.
struct OutboxEntry
{
    QString id;
    QString folder;
    QDateTime created;
    qint64 size = 0; // body and files, in bytes
    KeptReport report;
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

    // Copies the report into a new entry, first dropping expired entries and,
    // while a limit would be passed, the oldest. Returns the entry's id, or
    // an empty text when the report is not kept (larger than the whole
    // outbox may hold, a file that cannot be read, a disk that is full).
    QString store(const KeptReport &report,
                  const QDateTime &created = QDateTime::currentDateTimeUtc()) const;

    // The whole entries, oldest first. Entries of an unknown format are
    // left alone for the program that wrote them.
    QList<OutboxEntry> entries() const;
    bool contains(const QString &id) const;

    // The entry's lock, held; null while another live process holds it.
    std::unique_ptr<QLockFile> tryLock(const QString &id) const;
    // Removes an entry whose lock the caller holds.
    void removeLocked(const QString &id) const;
    // Takes the lock and removes; false while another process holds it.
    bool remove(const QString &id) const;
    // Drops expired entries, and the oldest ones while more than the limits
    // allow with room kept for incomingBytes in one more entry. Entries
    // locked by another process are being sent and stay.
    void prune(qint64 incomingBytes = -1) const;

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
