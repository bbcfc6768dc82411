#include "reportpackaging.h"
#include "logmasking.h"
#include "reportplan.h"
#include "zipstreamwriter.h"

#include <QDebug>
#include <QFileInfo>

namespace ReportPackaging {

namespace {

ZipStreamWriter::Outcome writeArchive(const QString &archivePath, const QStringList &filePaths,
                                      qint64 byteLimit, const std::atomic<bool> *abort = nullptr)
{
    ZipStreamWriter writer(archivePath, byteLimit);
    writer.setAbortFlag(abort);
    for (const QString &path : filePaths)
        writer.addFile(path); // a file that cannot be read whole is left out
    return writer.commit();
}

QStringList pathsOf(const QVector<ReportPlan::File> &files)
{
    QStringList paths;
    for (const ReportPlan::File &file : files)
        paths.append(file.path);
    return paths;
}

// The database or screenshot archive under SizeLimit: true to go on, false
// when it is too large to send. An archive that could not be written is
// left out and the packaging goes on.
bool zipLimited(const ReportPlan::Archive &archive, QStringList &attachmentFiles, const std::atomic<bool> *abort)
{
    const ZipStreamWriter::Outcome outcome = writeArchive(archive.path, pathsOf(archive.files), SizeLimit, abort);
    if (outcome == ZipStreamWriter::Outcome::OverLimit) {
        qDebug() << "archive over the size limit:" << archive.path;
        return false;
    }
    if (outcome == ZipStreamWriter::Outcome::Written) {
        const qint64 size = QFileInfo(archive.path).size();
        qDebug() << "archive size" << archive.path << size;
        if (exceedsLimit(size))
            return false;
        attachmentFiles.append(archive.path);
    }
    return true;
}

} // namespace

bool zipFolder(const QString &archivePath, const QString &folderPath)
{
    if (!QFileInfo(folderPath).isDir())
        return false;
    return zipFiles(archivePath, pathsOf(ReportPlan::folderFiles(folderPath)));
}

bool zipFiles(const QString &archivePath, const QStringList &filePaths)
{
    return writeArchive(archivePath, filePaths, ZipStreamWriter::NoLimit) == ZipStreamWriter::Outcome::Written;
}

void packLogs(const QString &appDir, bool feedbackMode, QStringList &attachmentFiles)
{
    ReportForm logsOnly;
    logsOnly.attachLog = true;
    packagePlan(ReportPlan::make(logsOnly, appDir, feedbackMode), attachmentFiles);
}

bool packagePlan(const ReportPlan &plan, QStringList &attachmentFiles, const std::atomic<bool> *abort)
{
    for (const ReportPlan::Archive &archive : plan.archives) {
        if (abort && *abort)
            return true;
        if (archive.sizeLimited) {
            if (!zipLimited(archive, attachmentFiles, abort))
                return false;
        } else if (archive.kind == ReportPlan::Kind::Logs && !plan.logsAsTheyAre()) {
            if (LogMasking::zipLogs(archive.path, pathsOf(archive.files), plan.maskLogs, plan.hiddenAreas))
                attachmentFiles.append(archive.path);
        } else if (writeArchive(archive.path, pathsOf(archive.files), ZipStreamWriter::NoLimit, abort)
                   == ZipStreamWriter::Outcome::Written) {
            attachmentFiles.append(archive.path);
        }
    }
    for (const ReportPlan::File &picture : plan.pictures) {
        if (QFileInfo(picture.path).isFile()) // it may have gone while the archives were written
            attachmentFiles.append(picture.path);
    }
    return true;
}

bool packageAttachments(const ReportForm &form, const QString &appDir, bool feedbackMode,
                        QStringList &attachmentFiles, const std::atomic<bool> *abort)
{
    return packagePlan(ReportPlan::make(form, appDir, feedbackMode), attachmentFiles, abort);
}

} // namespace ReportPackaging
