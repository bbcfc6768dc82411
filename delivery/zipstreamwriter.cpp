#include "zipstreamwriter.h"

#include "atomicfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <zlib.h>

namespace {

constexpr int ChunkSize = 256 * 1024;

// Record sizes without the file name (APPNOTE 4.3.7, 4.3.12, 4.3.16).
constexpr qint64 LocalHeaderSize = 30;
constexpr qint64 CentralHeaderSize = 46;
constexpr qint64 EndRecordSize = 22;
// Where crc-32 starts in the local header: after signature, version, flags,
// method, time and date.
constexpr qint64 LocalCrcOffset = 14;

// 0xFFFFFFFF in a size or offset field tells readers to look for a zip64
// record (APPNOTE 4.4.8), so the largest plain value is one less; likewise
// 0xFFFF for the entry count.
constexpr qint64 PlainFieldMax = 0xFFFFFFFELL;
constexpr int MaxEntries = 0xFFFE;

constexpr quint16 VersionDeflate = 20; // 2.0: deflate
constexpr quint16 MethodDeflate = 8;
constexpr quint16 FlagUtf8Name = 1 << 11; // APPNOTE 4.4.4, bit 11

void put16(QByteArray &bytes, quint16 value)
{
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

void put32(QByteArray &bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

// MS-DOS date and time (APPNOTE 4.4.6): local time in two-second steps,
// years 1980 to 2107; anything outside is pinned to the nearest end.
void toDosDateTime(const QDateTime &modified, quint16 *date, quint16 *time)
{
    const QDateTime first(QDate(1980, 1, 1), QTime(0, 0));
    const QDateTime last(QDate(2107, 12, 31), QTime(23, 59, 58));
    const QDateTime local = modified.isValid() ? qBound(first, modified.toLocalTime(), last) : first;
    const QDate d = local.date();
    const QTime t = local.time();
    *date = quint16(((d.year() - 1980) << 9) | (d.month() << 5) | d.day());
    *time = quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
}

// The fields local header and central directory record share, from
// "version needed" to "extra field length".
template<typename Entry>
QByteArray sharedFields(const Entry &entry)
{
    QByteArray bytes;
    put16(bytes, VersionDeflate);
    put16(bytes, entry.flags);
    put16(bytes, MethodDeflate);
    put16(bytes, entry.dosTime);
    put16(bytes, entry.dosDate);
    put32(bytes, entry.crc);
    put32(bytes, entry.compressedSize);
    put32(bytes, entry.size);
    put16(bytes, quint16(entry.name.size()));
    put16(bytes, 0); // no extra field
    return bytes;
}

// Raw deflate (no zlib header): the zip entry carries its own framing.
class Deflater
{
public:
    Deflater()
    {
        m_ok = deflateInit2(&m_stream, ZipStreamWriter::DeflateLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~Deflater()
    {
        if (m_ok)
            deflateEnd(&m_stream);
    }
    Deflater(const Deflater &) = delete;
    Deflater &operator=(const Deflater &) = delete;

    bool isOk() const { return m_ok; }
    z_stream &stream() { return m_stream; }

private:
    z_stream m_stream{};
    bool m_ok = false;
};

} // namespace

qint64 ZipStreamWriter::entryOverhead(int nameBytes)
{
    return LocalHeaderSize + CentralHeaderSize + 2 * qint64(nameBytes);
}

qint64 ZipStreamWriter::endRecordSize()
{
    return EndRecordSize;
}

ZipStreamWriter::ZipStreamWriter(const QString &archivePath, qint64 byteLimit)
    : m_file(std::make_unique<AtomicFile>(archivePath, AtomicFile::Kind::Shared)), m_byteLimit(byteLimit), m_fieldMax(PlainFieldMax)
{
    if (!m_file->open())
        m_state = Outcome::Failed;
}

ZipStreamWriter::~ZipStreamWriter() = default; // an uncommitted temporary is dropped

bool ZipStreamWriter::addFile(const QString &sourcePath)
{
    if (m_abort && *m_abort)
        m_state = Outcome::Aborted;
    if (m_state != Outcome::Written || m_entries.size() >= MaxEntries)
        return false;
    const QFileInfo info(sourcePath);
    // Gone, a folder, or a pipe or device that would block or never end.
    if (!info.isFile())
        return false;
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = source.size();
    Entry entry;
    entry.name = info.fileName().toUtf8();
    const qint64 offset = m_file->pos();
    if (size < 0 || size > m_fieldMax || offset > m_fieldMax || entry.name.size() > 0xFFFF)
        return false;
    for (const char c : qAsConst(entry.name)) {
        if (uchar(c) >= 0x80) {
            entry.flags |= FlagUtf8Name;
            break;
        }
    }
    toDosDateTime(info.lastModified(), &entry.dosDate, &entry.dosTime);
    entry.offset = quint32(offset);

    if (!write(QByteArrayLiteral("PK\x03\x04") + sharedFields(entry) + entry.name)) {
        m_state = Outcome::Failed;
        return false;
    }
    switch (writeData(source, size, entry)) {
    case DataResult::Kept:
        if (!finishEntry(entry)) {
            m_state = Outcome::Failed;
            return false;
        }
        if (overLimit(0))
            m_state = Outcome::OverLimit;
        return m_state == Outcome::Written;
    case DataResult::LeftOut:
        if (!cutBackTo(offset))
            m_state = Outcome::Failed;
        return false;
    case DataResult::OverLimit:
        m_state = Outcome::OverLimit;
        return false;
    case DataResult::Failed:
        m_state = Outcome::Failed;
        return false;
    case DataResult::Aborted:
        m_state = Outcome::Aborted;
        return false;
    }
    return false;
}

ZipStreamWriter::DataResult ZipStreamWriter::writeData(QFile &source, qint64 size, Entry &entry)
{
    Deflater deflater;
    if (!deflater.isOk())
        return DataResult::Failed;
    z_stream &z = deflater.stream();
    m_readBuffer.resize(ChunkSize);
    m_deflateBuffer.resize(ChunkSize);
    const qint64 dataStart = m_file->pos();
    const qint64 pendingCentral = CentralHeaderSize + entry.name.size();
    // The limit may only stop an entry that cannot be left out for its
    // compressed size: otherwise the archive without it might still fit.
    const bool mayStopEarly = dataStart + qint64(deflateBound(&z, uLong(size))) <= m_fieldMax;

    uLong crc = crc32(0, nullptr, 0);
    qint64 done = 0;
    int flush = Z_NO_FLUSH;
    int status = Z_OK;
    while (flush != Z_FINISH) {
        if (m_abort && *m_abort)
            return DataResult::Aborted;
        // Read on to the end of the file rather than stopping at the size it
        // had when opened: a file that grew while read would be stored cut.
        const qint64 count = source.read(m_readBuffer.data(), ChunkSize);
        if (count < 0 || (done += count) > size)
            return DataResult::LeftOut;
        crc = crc32(crc, reinterpret_cast<const Bytef *>(m_readBuffer.constData()), uInt(count));
        z.next_in = reinterpret_cast<Bytef *>(m_readBuffer.data());
        z.avail_in = uInt(count);
        flush = count == 0 ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = reinterpret_cast<Bytef *>(m_deflateBuffer.data());
            z.avail_out = ChunkSize;
            status = deflate(&z, flush);
            if (status == Z_STREAM_ERROR)
                return DataResult::Failed;
            if (!write(m_deflateBuffer.constData(), ChunkSize - qint64(z.avail_out)))
                return DataResult::Failed;
        } while (z.avail_out == 0);
        if (m_file->pos() > m_fieldMax)
            return DataResult::LeftOut;
        if (mayStopEarly && overLimit(pendingCentral)) {
            // Too large if kept; whether it is kept only needs the rest read.
            for (qint64 more; (more = source.read(m_readBuffer.data(), ChunkSize)) > 0;)
                done += more;
            return source.error() == QFileDevice::NoError && done == size ? DataResult::OverLimit
                                                                         : DataResult::LeftOut;
        }
    }
    if (status != Z_STREAM_END || done != size)
        return DataResult::LeftOut;
    entry.crc = quint32(crc);
    entry.compressedSize = quint32(m_file->pos() - dataStart);
    entry.size = quint32(size);
    return DataResult::Kept;
}

bool ZipStreamWriter::finishEntry(const Entry &entry)
{
    const qint64 end = m_file->pos();
    QByteArray fields;
    put32(fields, entry.crc);
    put32(fields, entry.compressedSize);
    put32(fields, entry.size);
    if (!m_file->seek(entry.offset + LocalCrcOffset) || !write(fields) || !m_file->seek(end))
        return false;
    m_entries.append(entry);
    m_centralSize += CentralHeaderSize + entry.name.size();
    return true;
}

bool ZipStreamWriter::cutBackTo(qint64 offset)
{
    return m_file->seek(offset) && m_file->resize(offset);
}

qint64 ZipStreamWriter::finishedSizeAtLeast(qint64 pendingCentralBytes) const
{
    return m_file->pos() + m_centralSize + pendingCentralBytes + EndRecordSize;
}

bool ZipStreamWriter::overLimit(qint64 pendingCentralBytes) const
{
    return m_byteLimit != NoLimit && finishedSizeAtLeast(pendingCentralBytes) > m_byteLimit;
}

bool ZipStreamWriter::write(const char *data, qint64 size)
{
    return m_file->write(data, size) == size;
}

ZipStreamWriter::Outcome ZipStreamWriter::commit()
{
    if (!m_file->isOpen()) // committed before, or never opened
        return m_state;
    if (m_state == Outcome::Written) {
        const qint64 centralStart = m_file->pos();
        QByteArray central;
        for (const Entry &entry : qAsConst(m_entries)) {
            central += QByteArrayLiteral("PK\x01\x02");
            put16(central, VersionDeflate); // made by: MS-DOS host, so no Unix modes are implied
            central += sharedFields(entry);
            put16(central, 0); // comment length
            put16(central, 0); // disk number
            put16(central, 0); // internal attributes
            put32(central, 0); // external attributes
            put32(central, entry.offset);
            central += entry.name;
        }
        central += QByteArrayLiteral("PK\x05\x06");
        put16(central, 0); // this disk
        put16(central, 0); // disk with the central directory
        put16(central, quint16(m_entries.size()));
        put16(central, quint16(m_entries.size()));
        put32(central, quint32(m_centralSize));
        put32(central, quint32(centralStart));
        put16(central, 0); // comment length
        if (!write(central))
            m_state = Outcome::Failed;
        else if (m_byteLimit != NoLimit && m_file->pos() > m_byteLimit)
            m_state = Outcome::OverLimit;
        else if (!m_file->commit())
            m_state = Outcome::Failed;
    }
    if (m_state != Outcome::Written) {
        if (m_file->isOpen())
            m_file->cancelWriting();
        QFile::remove(m_file->fileName());
    }
    return m_state;
}
