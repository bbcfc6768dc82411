#include "skinconfig.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTextStream>

namespace {

// Folder of the skin relative to the executable's folder. The installed style
// sheet refers to its images through this relative path, so the current
// directory has to be the executable's folder while styled widgets exist.
const QString kSkinFolder = QStringLiteral("FeedbackRes/skin");

} // namespace

SkinConfig &SkinConfig::instance()
{
    static SkinConfig config;
    return config;
}

void SkinConfig::load(const QString &appDir)
{
    QFile file(appDir + QStringLiteral("/FeedbackRes/conf/Feedback.json"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    file.close();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return;
    // An array at the root is valid JSON but carries no switches.
    m_settings = document.object();
}

QString SkinConfig::rewriteResourceUrls(const QString &styleSheet)
{
    // Images are written as resource URLs in the sheet; they are shipped as
    // plain files in the skin folder instead. Case-sensitive on purpose.
    QString result = styleSheet;
    result.replace(QStringLiteral("url(:/"), QStringLiteral("url(%1/").arg(kSkinFolder));
    return result;
}

QString SkinConfig::readStyleSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    const QString text = rewriteResourceUrls(stream.readAll());
    file.close();
    return text;
}

void SkinConfig::applyStyleSheet()
{
    const QString skin = skinDirectory();
    QDir::setCurrent(exeDirectory());
    const QString sheet = readStyleSheet(skin + QStringLiteral("/qss/Feedback.qss"));
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        app->setStyleSheet(sheet);
}

QJsonObject SkinConfig::settings() const
{
    return m_settings;
}

QString SkinConfig::exeDirectory() const
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists the kernel still knows the image.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (exe.isEmpty())
        return QDir::currentPath();
    return QFileInfo(exe).absolutePath();
}

QString SkinConfig::skinDirectory() const
{
    if (m_skinDirectory.isEmpty()) {
        QString dir = exeDirectory();
        dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
        m_skinDirectory = dir + QLatin1Char('/') + kSkinFolder;
    }
    return m_skinDirectory;
}

QString SkinConfig::emailPattern()
{
    return QStringLiteral(
        "^([a-zA-Z0-9]+[_\\.-]?)*[a-zA-Z0-9]+@([a-zA-Z0-9]+[_\\.-]?)*[a-zA-Z0-9]+\\.[a-zA-Z]{2,3}$");
}
