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
