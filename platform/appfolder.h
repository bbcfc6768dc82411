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
    QString screenshots() const;
    QString screenshotArchive() const;
    QString logs() const;
    QString logArchive() const;
    // The delivery's own log, one of the logs.
    QString deliveryLog() const;
    QString database() const;
    QString databaseArchive() const;
    QString crashDump() const;
    QString crashDumpArchive() const;

private:
    QString m_root;
};
