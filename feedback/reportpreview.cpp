#include "reportpreview.h"

#include "reportcomposer.h"
#include "reportpackaging.h"
#include "zipstreamwriter.h"

#include <QFile>
#include <QFileInfo>

#include <zlib.h>

namespace {

// The mail's own header fields, and the head and boundary line of each
// part: an allowance with room for long names, small beside any attachment.
constexpr qint64 MessageHeadBytes = 600;
constexpr qint64 PartHeadBytes = 180;
constexpr qint64 Base64LineChars = 76;
// The note of what was masked, with its entry in the log archive.
constexpr qint64 NoteAllowance = 400;

} // namespace

ReportPreview ReportPreview::make(const ReportForm &form, const ReportContext &context)
{
    ReportPreview preview;
    preview.body = ReportComposer::composeReportBody(form, context);
    preview.plan = ReportPlan::make(form, context.appDir, context.feedbackMode);
    return preview;
}

qint64 ReportPreview::compressedSize(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray sample = file.read(qMin(size, SampleBytes));
    z_stream stream{};
    if (deflateInit2(&stream, ZipStreamWriter::DeflateLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return size;
    QByteArray out(int(deflateBound(&stream, uLong(sample.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(sample.constData()));
    stream.avail_in = uInt(sample.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    const qint64 deflated = qint64(stream.total_out);
    deflateEnd(&stream);
    if (sample.isEmpty() || sample.size() >= size)
        return deflated;
    return qint64(double(deflated) * double(size) / double(sample.size()) + 0.5);
}

qint64 ReportPreview::archiveSize(const ReportPlan::Archive &archive)
{
    qint64 bytes = ZipStreamWriter::endRecordSize();
    for (const ReportPlan::File &file : archive.files) {
        bytes += ZipStreamWriter::entryOverhead(QFileInfo(file.path).fileName().toUtf8().size());
        bytes += compressedSize(file.path, file.size);
    }
    return bytes;
}

qint64 ReportPreview::base64Size(qint64 bytes)
{
    const qint64 chars = (bytes + 2) / 3 * 4;
    const qint64 lines = (chars + Base64LineChars - 1) / Base64LineChars;
    return chars + 2 * lines;
}

void ReportPreview::estimate()
{
    archiveSizes.clear();
    // Line ends go out as CR LF.
    mailSize = MessageHeadBytes + PartHeadBytes + body.toUtf8().size() + body.count(QLatin1Char('\n'));
    for (const ReportPlan::Archive &archive : qAsConst(plan.archives)) {
        archiveSizes.append(archiveSize(archive));
        if (archive.kind == ReportPlan::Kind::Logs && !plan.logsAsTheyAre())
            archiveSizes.last() += NoteAllowance;
        mailSize += PartHeadBytes + base64Size(archiveSizes.last());
    }
    for (const ReportPlan::File &picture : qAsConst(plan.pictures))
        mailSize += PartHeadBytes + base64Size(picture.size);
    estimated = true;
}

qint64 ReportPreview::databaseOverLimit() const
{
    for (int i = 0; i < plan.archives.size() && i < archiveSizes.size(); ++i) {
        if (plan.archives.at(i).kind == ReportPlan::Kind::Database
            && ReportPackaging::exceedsLimit(archiveSizes.at(i)))
            return archiveSizes.at(i);
    }
    return 0;
}
