#pragma once

#include "reportdata.h"
#include "reportplan.h"

#include <QString>
#include <QStringList>

#include <atomic>

// Zips what the user chose to attach into archives under the application's
// folder and lists the files to attach, in a fixed order: crash archive, log
// archive, database archive, screenshot archive, pictures.
namespace ReportPackaging {

// Largest database or screenshot archive that may be sent (decimal bytes).
constexpr qint64 SizeLimit = 15000000;

// True when an archive of that size may not be sent.
inline bool exceedsLimit(qint64 archiveSize) { return archiveSize > SizeLimit; }

// Every file directly inside the folder (no hidden files, no sub-folders, no
// symbolic links), each stored under its bare file name. False when the folder
// does not exist or the archive could not be written.
bool zipFolder(const QString &archivePath, const QString &folderPath);

// The listed files, in order, under their bare file names. Files are streamed
// in chunks; a file that cannot be read whole (unreadable, gone, shrinking or
// growing while read, or too large for a zip without zip64) is left out, never
// stored empty or cut. False when the archive could not be written.
bool zipFiles(const QString &archivePath, const QStringList &filePaths);

// The crash dump (Crash Report mode only) and the "*.log" files of appDir/Log.
void packLogs(const QString &appDir, bool feedbackMode, QStringList &attachmentFiles);

// Builds the plan's archives in order and appends them and its pictures to
// attachmentFiles. False only when a size-limited archive exceeds SizeLimit;
// nothing after it is packed. Such an archive is given up as soon as it is
// certain to exceed the limit, and is not left on disk. Once abort is set
// the archive being written is dropped (within a chunk) and nothing more is
// packed.
bool packagePlan(const ReportPlan &plan, QStringList &attachmentFiles, const std::atomic<bool> *abort = nullptr);

// packagePlan() of the plan the form makes now.
bool packageAttachments(const ReportForm &form, const QString &appDir, bool feedbackMode,
                        QStringList &attachmentFiles, const std::atomic<bool> *abort = nullptr);

} // namespace ReportPackaging
