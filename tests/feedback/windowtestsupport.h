#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QWidget;

// Helpers for the window tests. The window reads its inputs from files beside
// the program; every test program has a folder of its own for that.
namespace WindowTest {

// The test program's folder (what the window takes as the program folder).
QString appDir();
// Writes FeedbackRes/conf/Feedback.json and loads it into the skin settings.
void setSkinSettings(const QByteArray &json);
// Writes productinfo.xml with the three keys the window reads.
void writeProductInfo(const QString &productId, const QString &brand, const QString &appName);
// Removes everything a test may have left in the program folder.
void cleanAppDir();
// A picture file of the given format (by Qt's writer name) at path.
bool writePicture(const QString &path, const char *format, int width = 64, int height = 48);
// Files in the screenshot folder.
QStringList screenshotFiles();
// Waits until the start-up screenshot is the one file there, under its own
// name (it is written under a temporary one first).
bool startupScreenshotWritten();
// In the picture editor open above parent: drags an area from (10, 10) to
// (50, 40) of the canvas and confirms with "Done". False when none is open.
bool hideAreaInEditor(QWidget *parent);

} // namespace WindowTest
