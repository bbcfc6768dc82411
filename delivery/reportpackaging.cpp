#include "reportpackaging.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <private/qzipwriter_p.h>

namespace ReportPackaging {

namespace {

// The file's content as long as it was when opened, or false. readAll() gives
// an empty array for a file over the QByteArray limit and a short one for a
// file that shrinks or fails while read; either would go out as a wrong entry.
bool readWhole(const QString &path, QByteArray *content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size < 0 || size > MaxEntrySize)
        return false;
    QByteArray bytes(int(size), Qt::Uninitialized);
    for (qint64 done = 0; done < size;) {
        const qint64 count = file.read(bytes.data() + done, size - done);
        if (count <= 0)
            return false;
        done += count;
    }
    *content = bytes;
    return true;
}

bool writeArchive(const QString &archivePath, const QStringList &filePaths)
{
    QZipWriter writer(archivePath, QIODevice::WriteOnly | QIODevice::Truncate);
    if (writer.status() != QZipWriter::NoError)
        return false;
    for (const QString &path : filePaths) {
        QByteArray content; // one file in memory at a time
        if (readWhole(path, &content))
            writer.addFile(QFileInfo(path).fileName(), content);
    }
    writer.close();
    return writer.status() == QZipWriter::NoError;
}

} // namespace

bool zipFolder(const QString &archivePath, const QString &folderPath)
{
    const QDir folder(folderPath);
    if (!folder.exists())
        return false;
    QStringList paths;
    // A link would mail whatever it points to, wherever that lies.
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Unsorted);
    for (const QFileInfo &entry : entries)
        paths.append(entry.filePath());
    return writeArchive(archivePath, paths);
}

bool zipFiles(const QString &archivePath, const QStringList &filePaths)
{
    return writeArchive(archivePath, filePaths);
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
    if (form.attachDatabase && QFileInfo(dbDir).isDir()) {
        const QString archive = appDir + QStringLiteral("/parvane_db.zip");
        if (zipFolder(archive, dbDir)) {
            if (exceedsLimit(QFileInfo(archive).size()))
                return false;
            attachmentFiles.append(archive);
        }
    }

    if (form.screenshotCount <= 0 && form.photoPaths.isEmpty())
        return true;

    const QString screenDir = appDir + QStringLiteral("/ScreenPicture");
    if (QFileInfo(screenDir).isDir()) {
        const QString archive = appDir + QStringLiteral("/ScreenPicture.zip");
        if (zipFolder(archive, screenDir)) {
            const qint64 size = QFileInfo(archive).size();
            qDebug() << "screenshot archive size" << size;
            if (exceedsLimit(size))
                return false;
            attachmentFiles.append(archive);
        }
    }

    for (const QString &path : form.photoPaths) {
        if (QFileInfo(path).isFile())
            attachmentFiles.append(path);
    }
    return true;
}

} // namespace ReportPackaging
