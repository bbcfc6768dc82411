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
    const QString folder = appDir + QStringLiteral("/FeedbackRes/QM/Feedback_");
    QFile languageFile(appDir + QStringLiteral("/Language/language"));
    // Not trimmed: a name with a line break names a file that does not exist.
    const QString language = languageFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(languageFile.readAll())
                                                                      : QString();
    const QString path = folder + language + QStringLiteral(".qm");
    if (language.isEmpty() || !QFile::exists(path)) {
        // The texts are English then, and English needs only its plural
        // forms: those of the sources say "file(s)".
        if (shared().load(folder + QStringLiteral("English.qm")))
            QCoreApplication::installTranslator(&shared());
        return;
    }
    // A file that does not load leaves the translator empty and the texts
    // English; the language still decides the direction.
    if (!shared().load(path))
        qDebug("Translation %s could not be loaded", qUtf8Printable(path));
    QCoreApplication::installTranslator(&shared());
    if (language == QLatin1String("Arabic"))
        QApplication::setLayoutDirection(Qt::RightToLeft);
}

} // namespace Translation
