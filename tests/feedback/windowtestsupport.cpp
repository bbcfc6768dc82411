#include "windowtestsupport.h"

#include "skinconfig.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace WindowTest {

QString appDir()
{
    return QCoreApplication::applicationDirPath();
}

void setSkinSettings(const QByteArray &json)
{
    TestSupport::writeFile(appDir() + QStringLiteral("/FeedbackRes/conf/Feedback.json"), json);
    SkinConfig::instance().load(appDir());
}

void writeProductInfo(const QString &productId, const QString &brand, const QString &appName)
{
    const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<productinfo>\n"
                                       "  <PZ_APP_NAME>%1</PZ_APP_NAME>\n"
                                       "  <PZ_BRANDNAME>%2</PZ_BRANDNAME>\n"
                                       "  <PZ_PID>%3</PZ_PID>\n</productinfo>\n")
                            .arg(appName, brand, productId);
    TestSupport::writeFile(appDir() + QStringLiteral("/productinfo.xml"), xml.toUtf8());
}

void cleanAppDir()
{
    const QString dir = appDir();
    for (const char *folder : {"Language", "FeedbackRes", "ScreenPicture", "Log", "parvane_db"})
        QDir(dir + QLatin1Char('/') + QLatin1String(folder)).removeRecursively();
    for (const char *file : {"productinfo.xml", "crashcore.zip", "crashcore.dmp", "ScreenPicture.zip",
                             "parvane_db.zip", "ScreenPicture"})
        QFile::remove(dir + QLatin1Char('/') + QLatin1String(file));
    // Outbox and drafts (the data folder lies in the build tree).
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).removeRecursively();
}

bool writePicture(const QString &path, const char *format, int width, int height)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    return image.save(path, format);
}

QStringList screenshotFiles()
{
    return QDir(appDir() + QStringLiteral("/ScreenPicture")).entryList(QDir::Files);
}

bool startupScreenshotWritten()
{
    // A second picture of the same second gets "-2".
    const QRegularExpression finished(QStringLiteral("^feedback\\d{12}(-\\d+)?\\.png$"));
    const auto written = [&] {
        const QStringList files = screenshotFiles();
        return files.size() == 1 && finished.match(files.first()).hasMatch();
    };
    if (QTest::qWaitFor(written, 20000)) // a whole screen, encoded on a busy machine
        return true;
    qWarning("screenshot folder: %s", qPrintable(screenshotFiles().join(QLatin1Char(' '))));
    return false;
}

bool hideAreaInEditor(QWidget *parent)
{
    auto *canvas = parent->findChild<QWidget *>(QStringLiteral("widget_PictureCanvas"));
    auto *done = parent->findChild<QPushButton *>(QStringLiteral("pushButton_EditorDone"));
    if (!canvas || !done)
        return false;
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(50, 40));
    QTest::mouseClick(done, Qt::LeftButton);
    return true;
}

} // namespace WindowTest
