#pragma once

#include "reportdata.h"

#include <QString>
#include <QVector>

// What a report carries if it is packed now: the archives in the order they
// are attached, each with the files that go into it, and the pictures that
// are attached as they are. The packaging builds the archives from this plan
// and the window's preview shows the same plan, so the two cannot disagree
// about what leaves the machine.
//
// Making a plan lists folders and reads file sizes; with a large folder that
// takes a while, so the window makes it off its thread.
struct ReportPlan
{
    struct File
    {
        QString path;
        qint64 size = 0;
    };
    enum class Kind { CrashDump, Logs, Database, Screenshots };
    struct Archive
    {
        Kind kind = Kind::Logs;
        QString path;        // where the archive is written
        QVector<File> files; // in the order they are stored
        // Too large to send beyond ReportPackaging::SizeLimit.
        bool sizeLimited = false;
    };

    QVector<Archive> archives;
    QVector<File> pictures;
    // The log archive carries masked copies; a note in it says what was
    // masked and how many areas of the pictures were blacked out.
    bool maskLogs = false;
    int hiddenAreas = 0;
    // The log archive is written as it always was, byte for byte.
    bool logsAsTheyAre() const { return !maskLogs && hiddenAreas <= 0; }

    // Under appDir: the crash dump (crash reports with logs ticked), the
    // "*.log" files of Log (logs ticked), the database folder (its box
    // ticked), the screenshot folder (when either picture list has an entry),
    // then the pictures from disk that exist.
    static ReportPlan make(const ReportForm &form, const QString &appDir, bool feedbackMode);

    // Every file directly inside the folder: no hidden files, no
    // sub-folders, no symbolic links (a link would mail whatever it points
    // to, wherever that lies). Empty when the folder does not exist.
    static QVector<File> folderFiles(const QString &folderPath);

    const Archive *archive(Kind kind) const;
};
