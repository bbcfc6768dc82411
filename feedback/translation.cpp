#include "translation.h"

#include <QApplication>
#include <QFile>
#include <QString>
#include <QTranslator>

namespace Translation {

QTranslator &shared()
{
    // One translator for the whole run; the application keeps it installed.
    static QTranslator *const instance = new QTranslator(QCoreApplication::instance());
    return *instance;
}

void installFrom(const QString &appDir)
{
    QFile languageFile(appDir + QStringLiteral("/Language/language"));
    if (!languageFile.open(QIODevice::ReadOnly))
        return;
    // Not trimmed: a name with a line break names a file that does not exist.
    const QString language = QString::fromUtf8(languageFile.readAll());
    if (language.isEmpty())
        return;
    const QString path = appDir + QStringLiteral("/FeedbackRes/QM/Feedback_") + language + QStringLiteral(".qm");
    if (!QFile::exists(path))
        return;
    // A file that does not load leaves the translator empty and the texts
    // English; the language still decides the direction.
    if (!shared().load(path))
        qDebug("Translation %s could not be loaded", qUtf8Printable(path));
    QCoreApplication::installTranslator(&shared());
    if (language == QLatin1String("Arabic"))
        QApplication::setLayoutDirection(Qt::RightToLeft);
}

} // namespace Translation
