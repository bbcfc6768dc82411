#include "reportpackaging.h"
#include "zipstreamwriter.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace ReportPackaging {

namespace {

ZipStreamWriter::Outcome writeArchive(const QString &archivePath, const QStringList &filePaths,
                                      qint64 byteLimit)
{
    ZipStreamWriter writer(archivePath, byteLimit);
    for (const QString &path : filePaths)
        writer.addFile(path); // a file that cannot be read whole is left out
    return writer.commit();
}

ZipStreamWriter::Outcome zipFolderWithin(const QString &archivePath, const QString &folderPath,
                                         qint64 byteLimit)
{
    const QDir folder(folderPath);
    if (!folder.exists())
        return ZipStreamWriter::Outcome::Failed;
    QStringList paths;
    // A link would mail whatever it points to, wherever that lies.
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Unsorted);
    for (const QFileInfo &entry : entries)
        paths.append(entry.filePath());
    return writeArchive(archivePath, paths, byteLimit);
}

// The database or screenshot archive under SizeLimit: true to go on, false
// when it is too large to send. An archive that could not be written is
// left out and the packaging goes on.
bool zipLimitedFolder(const QString &archivePath, const QString &folderPath, QStringList &attachmentFiles)
{
    const ZipStreamWriter::Outcome outcome = zipFolderWithin(archivePath, folderPath, SizeLimit);
    if (outcome == ZipStreamWriter::Outcome::OverLimit) {
        qDebug() << "archive over the size limit:" << archivePath;
        return false;
    }
    if (outcome == ZipStreamWriter::Outcome::Written) {
        const qint64 size = QFileInfo(archivePath).size();
        qDebug() << "archive size" << archivePath << size;
        if (exceedsLimit(size))
            return false;
        attachmentFiles.append(archivePath);
    }
    return true;
}

} // namespace

bool zipFolder(const QString &archivePath, const QString &folderPath)
{
    return zipFolderWithin(archivePath, folderPath, ZipStreamWriter::NoLimit) == ZipStreamWriter::Outcome::Written;
}

bool zipFiles(const QString &archivePath, const QStringList &filePaths)
{
    return writeArchive(archivePath, filePaths, ZipStreamWriter::NoLimit) == ZipStreamWriter::Outcome::Written;
}

void packLogs(const QString &appDir, bool feedbackMode, QStringList &attachmentFiles)
{
    if (!feedbackMode) {
        const QString dump = appDir + QStringLiteral("/crashcore.dmp");
        const QString archive = appDir + QStringLiteral("/crashcore.zip");
        if (QFileInfo::exists(dump) && zipFiles(archive, {dump}))
            attachmentFiles.append(archive);
    }

    const QString logDir = appDir + QStringLiteral("/Log");
    if (!QFileInfo(logDir).isDir())
        return;
    // Smallest first; the delivery's own feedback.log is one of them.
    const QFileInfoList entries = QDir(logDir).entryInfoList(
        QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Size | QDir::Reversed);
    QStringList logs;
    for (const QFileInfo &entry : entries) {
        if (entry.isFile() && entry.suffix() == QLatin1String("log"))
            logs.append(entry.filePath());
    }
    const QString archive = logDir + QStringLiteral("/log.zip");
    if (zipFiles(archive, logs))
        attachmentFiles.append(archive);
}

bool packageAttachments(const ReportForm &form, const QString &appDir, bool feedbackMode,
                        QStringList &attachmentFiles)
{
    if (form.attachLog)
        packLogs(appDir, feedbackMode, attachmentFiles);

    const QString dbDir = appDir + QStringLiteral("/parvane_db");
    if (form.attachDatabase && QFileInfo(dbDir).isDir()
        && !zipLimitedFolder(appDir + QStringLiteral("/parvane_db.zip"), dbDir, attachmentFiles))
        return false;

    if (form.screenshotCount <= 0 && form.photoPaths.isEmpty())
        return true;

    const QString screenDir = appDir + QStringLiteral("/ScreenPicture");
    if (QFileInfo(screenDir).isDir()
        && !zipLimitedFolder(appDir + QStringLiteral("/ScreenPicture.zip"), screenDir, attachmentFiles))
        return false;

    for (const QString &path : form.photoPaths) {
        if (QFileInfo(path).isFile())
            attachmentFiles.append(path);
    }
    return true;
}

} // namespace ReportPackaging
