#include "appfolder.h"

#include <QCoreApplication>

AppFolder::AppFolder(const QString &root)
    : m_root(root)
{
}

AppFolder AppFolder::ofProgram()
{
    return AppFolder(QCoreApplication::applicationDirPath());
}

QString AppFolder::screenshots() const
{
    return m_root + QStringLiteral("/ScreenPicture");
}

QString AppFolder::screenshotArchive() const
{
    return screenshots() + QStringLiteral(".zip");
}

QString AppFolder::logs() const
{
    return m_root + QStringLiteral("/Log");
}

QString AppFolder::logArchive() const
{
    return logs() + QStringLiteral("/log.zip");
}

QString AppFolder::deliveryLog() const
{
    return logs() + QStringLiteral("/feedback.log");
}

QString AppFolder::database() const
{
    return m_root + QStringLiteral("/parvane_db");
}

QString AppFolder::databaseArchive() const
{
    return database() + QStringLiteral(".zip");
}

QString AppFolder::crashDump() const
{
    return m_root + QStringLiteral("/crashcore.dmp");
}

QString AppFolder::crashDumpArchive() const
{
    return m_root + QStringLiteral("/crashcore.zip");
}
