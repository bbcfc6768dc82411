#include "singleinstance.h"
#include "singleinstance_p.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

namespace {

QString defaultKey()
{
    const QString key = SingleInstance::keyForProgram(QCoreApplication::applicationFilePath());
    if (!key.isEmpty())
        return key;
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QStringLiteral("feedback");
    return name + SingleInstanceSystem::userSuffix();
}

// Lock and listener names: the readable end of the key (the program's name
// and the user) plus a hash of all of it, so any key gives a safe and distinct name.
QString fileStem(const QString &key)
{
    QString readable;
    for (const QChar c : key.right(40)) {
        readable += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('-') || c == QLatin1Char('_')
                        ? c
                        : QLatin1Char('_');
    }
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("%1-%2").arg(readable, QString::fromLatin1(hash));
}

} // namespace

QString SingleInstance::keyForProgram(const QString &programPath)
{
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    return canonical.isEmpty() ? QString() : canonical + SingleInstanceSystem::userSuffix();
}

QString SingleInstanceSystem::stemForKey(const QString &key)
{
    return fileStem(key.isEmpty() ? defaultKey() : key);
}

QString SingleInstance::lockFilePath() const
{
    return m_lockPath;
}

QString SingleInstance::serverName() const
{
    return m_serverName;
}

bool SingleInstance::isRunning()
{
    if (!m_decided) {
        m_decided = true;
        decide();
    }
    return m_running;
}
