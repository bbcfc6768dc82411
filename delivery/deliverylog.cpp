#include "deliverylog.h"

#include "appfolder.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QTime>

namespace DeliveryLog {

void writeFeedbackLog(const QString &appDir, int code, const QString &message)
{
    // One multi-argument arg() call: a "%1" inside the message stays text.
    const QString line = QStringLiteral("%1 %2 feedback error code is %3\n")
                             .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")),
                                  message, QString::number(code));
    QFile file(AppFolder(appDir).deliveryLog());
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text)) {
        qDebug() << file.error() << file.errorString();
        return;
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream << line;
    stream.flush();
    file.close();
}

namespace {

bool removeFolderContents(const QString &folderPath)
{
    const QFileInfoList entries = QDir(folderPath).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        // A link to a folder elsewhere must not take that folder's files with it.
        if (entry.isSymLink() || !entry.isDir()) {
            if (!QFile::remove(entry.filePath()))
                return false;
        } else if (!removeFolderContents(entry.filePath())) {
            return false;
        }
    }
    return true;
}

} // namespace

bool removePath(const QString &path)
{
    if (path.isEmpty())
        return true;
    const QFileInfo info(path);
    if (!info.isDir()) {
        if (info.isFile() && !QFile::remove(path))
            return false;
        return true;
    }
    return removeFolderContents(path);
}

void removeTemporaryFiles(const QString &appDir)
{
    const AppFolder folder(appDir);
    removePath(folder.crashDumpArchive());
    removePath(folder.logArchive());
    removePath(folder.screenshots());
    removePath(folder.screenshotArchive());
}

} // namespace DeliveryLog
