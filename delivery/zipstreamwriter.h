#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>
#include <memory>

class AtomicFile;
class QFile;

// Writes a zip archive one entry at a time without holding a whole file in
// memory: each source is read in chunks, deflated and checksummed on the way,
// and the sizes and CRC of its local header are filled in by seeking back once
// the entry is done. Peak memory is two chunk buffers and one zlib stream,
// whatever the size of the files.
//
// The archive is built under a temporary name and only commit() renames it
// into place, so the final name never holds half an archive. Whatever the
// outcome, afterwards the final name holds this archive or nothing: a stale
// archive from an earlier run is never left to be taken for this one.
//
// There is no zip64: every size and offset must stay below 0xFFFFFFFF. A
// source that would not fit, or that cannot be read whole (open fails, read
// error, the file shrinks or grows while read), is left out: the archive is
// cut back to where its entry began and goes on with the next source.
//
// With a byte limit, writing stops as soon as the finished archive would
// certainly be larger than the limit, so a huge file is not deflated only to
// be refused; an archive of exactly the limit is still written.
class ZipStreamWriter
{
public:
    enum class Outcome { Written, OverLimit, Failed, Aborted };
    static constexpr qint64 NoLimit = -1;
    static constexpr int DeflateLevel = 6;

    // What an archive holds besides the compressed data: per entry its local
    // header and central directory record (with the name in each), and once
    // the end record.
    static qint64 entryOverhead(int nameBytes);
    static qint64 endRecordSize();

    explicit ZipStreamWriter(const QString &archivePath, qint64 byteLimit = NoLimit);
    ZipStreamWriter(const ZipStreamWriter &) = delete;
    ZipStreamWriter &operator=(const ZipStreamWriter &) = delete;
    ~ZipStreamWriter();

    // Adds the file under its bare file name; false when it was left out (or
    // the archive has already failed or gone over the limit).
    bool addFile(const QString &sourcePath);

    // Writes the central directory and end record and renames the archive
    // into place. Call once, after the last addFile().
    Outcome commit();

    // Looked at between chunks: once set, writing stops and commit() leaves
    // neither the archive nor its temporary file (Outcome::Aborted).
    void setAbortFlag(const std::atomic<bool> *flag) { m_abort = flag; }

    // Largest value a size or offset field may take. Lowering it lets the
    // 32-bit edge be reached without files of 4 GiB.
    void setFieldMax(qint64 fieldMax) { m_fieldMax = fieldMax; }

private:
    struct Entry
    {
        QByteArray name; // UTF-8
        quint16 flags = 0;
        quint16 dosTime = 0;
        quint16 dosDate = 0;
        quint32 crc = 0;
        quint32 compressedSize = 0;
        quint32 size = 0;
        quint32 offset = 0;
    };
    enum class DataResult { Kept, LeftOut, OverLimit, Failed, Aborted };

    DataResult writeData(QFile &source, qint64 size, Entry &entry);
    bool finishEntry(const Entry &entry);
    bool cutBackTo(qint64 offset);
    qint64 finishedSizeAtLeast(qint64 pendingCentralBytes) const;
    bool overLimit(qint64 pendingCentralBytes) const;
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }

    std::unique_ptr<AtomicFile> m_file;
    const qint64 m_byteLimit;
    qint64 m_fieldMax;
    Outcome m_state = Outcome::Written; // Written: still open for entries
    const std::atomic<bool> *m_abort = nullptr;
    QVector<Entry> m_entries;
    qint64 m_centralSize = 0;
    QByteArray m_readBuffer;
    QByteArray m_deflateBuffer;
};
