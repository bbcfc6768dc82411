#include "reportplan.h"

#include <QDir>
#include <QFileInfo>

namespace {

ReportPlan::File fileOf(const QFileInfo &info)
{
    return {info.filePath(), info.size()};
}

} // namespace

QVector<ReportPlan::File> ReportPlan::folderFiles(const QString &folderPath)
{
    QVector<File> files;
    const QFileInfoList entries = QDir(folderPath).entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Unsorted);
    for (const QFileInfo &entry : entries)
        files.append(fileOf(entry));
    return files;
}

ReportPlan ReportPlan::make(const ReportForm &form, const QString &appDir, bool feedbackMode)
{
    ReportPlan plan;
    plan.maskLogs = form.maskLogs;
    plan.hiddenAreas = form.hiddenAreas;
    if (form.attachLog) {
        const QFileInfo dump(appDir + QStringLiteral("/crashcore.dmp"));
        if (!feedbackMode && dump.exists())
            plan.archives.append({Kind::CrashDump, appDir + QStringLiteral("/crashcore.zip"), {fileOf(dump)}, false});

        const QString logDir = appDir + QStringLiteral("/Log");
        if (QFileInfo(logDir).isDir()) {
            // Smallest first; the delivery's own feedback.log is one of them.
            // The archive goes even when there is no log to put in it.
            Archive logs{Kind::Logs, logDir + QStringLiteral("/log.zip"), {}, false};
            const QFileInfoList entries = QDir(logDir).entryInfoList(
                QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Size | QDir::Reversed);
            for (const QFileInfo &entry : entries) {
                if (entry.isFile() && entry.suffix() == QLatin1String("log"))
                    logs.files.append(fileOf(entry));
            }
            plan.archives.append(logs);
        }
    }

    const QString dbDir = appDir + QStringLiteral("/parvane_db");
    if (form.attachDatabase && QFileInfo(dbDir).isDir())
        plan.archives.append({Kind::Database, appDir + QStringLiteral("/parvane_db.zip"), folderFiles(dbDir), true});

    if (form.screenshotCount <= 0 && form.photoPaths.isEmpty())
        return plan;
    const QString screenDir = appDir + QStringLiteral("/ScreenPicture");
    if (QFileInfo(screenDir).isDir())
        plan.archives.append(
            {Kind::Screenshots, appDir + QStringLiteral("/ScreenPicture.zip"), folderFiles(screenDir), true});
    for (const QString &path : form.photoPaths) {
        const QFileInfo picture(path);
        if (picture.isFile())
            plan.pictures.append(fileOf(picture));
    }
    return plan;
}

const ReportPlan::Archive *ReportPlan::archive(Kind kind) const
{
    for (const Archive &candidate : archives) {
        if (candidate.kind == kind)
            return &candidate;
    }
    return nullptr;
}
