#pragma once

#include "logscanner.h"
#include "reportdata.h"
#include "reportplan.h"

#include <QString>
#include <QVector>

// What a report would be if it were sent now, for the user to see before
// sending: the text as the delivery composes it, the plan of what is
// attached and, once estimated, the size of each archive and of the mail.
//
// Both steps touch the disk (listing folders, reading samples of files), so
// the window runs them off its thread: make() first, estimate() after.
struct ReportPreview
{
    QString body;
    ReportPlan plan;
    bool estimated = false;
    QVector<qint64> archiveSizes; // expected size of each archive of the plan
    qint64 mailSize = 0;          // expected size of the whole mail
    // What the logs hold that may be private, once they have been scanned.
    bool logsScanned = false;
    LogScanner::Counts logFindings;

    // Composes the body and makes the plan (lists folders, reads no file).
    static ReportPreview make(const ReportForm &form, const ReportContext &context);
    // Fills in the sizes.
    void estimate();

    // The database archive's expected size when it is expected to be too
    // large to send; 0 otherwise.
    qint64 databaseOverLimit() const;

    // Expected deflated size of a file of the given size: its first
    // SampleBytes are deflated as the archives deflate, and the result is
    // scaled to the whole file. Formats that are compressed already come
    // out near their own size by themselves. 0 for a file that cannot be read.
    static qint64 compressedSize(const QString &path, qint64 size);
    static constexpr qint64 SampleBytes = 256 * 1024;
    // Expected size of an archive of the given files.
    static qint64 archiveSize(const ReportPlan::Archive &archive);
    // Base64 text of that many bytes in lines of 76 characters, each line
    // ended by CR LF (RFC 2045 6.8).
    static qint64 base64Size(qint64 bytes);
};
