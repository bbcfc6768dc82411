#pragma once

#include <QString>

// What the program keeps in its own folder, the folder of the executable.
// The host application writes there too: its logs, its database and, after a
// crash, the dump. The archives are made there for one delivery and removed.
class AppFolder
{
public:
    explicit AppFolder(const QString &root);
    // The folder of the running program.
    static AppFolder ofProgram();

    QString root() const { return m_root; }
    QString screenshots() const { return m_root + QStringLiteral("/ScreenPicture"); }
    QString screenshotArchive() const { return screenshots() + QStringLiteral(".zip"); }
    QString logs() const { return m_root + QStringLiteral("/Log"); }
    QString logArchive() const { return logs() + QStringLiteral("/log.zip"); }
    // The delivery's own log, one of the logs.
    QString deliveryLog() const { return logs() + QStringLiteral("/feedback.log"); }
    QString database() const { return m_root + QStringLiteral("/parvane_db"); }
    QString databaseArchive() const { return database() + QStringLiteral(".zip"); }
    QString crashDump() const { return m_root + QStringLiteral("/crashcore.dmp"); }
    QString crashDumpArchive() const { return m_root + QStringLiteral("/crashcore.zip"); }

private:
    QString m_root;
};
