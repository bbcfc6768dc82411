#include "cscreenimg.h"
#include "selectionrect.h"

#include <QtTest>

#include <QClipboard>
#include <QDir>
#include <QScreen>
#include <QToolButton>

namespace {

const QColor ScreenColour(200, 100, 50);
const QColor DimmedColour(120, 60, 30);
const QColor FrameColour(0, 174, 255);

// The screen the tests run on: the offscreen platform's 800 x 600 on Linux,
// the X server's under Wine.
QSize screenSize()
{
    return QGuiApplication::primaryScreen()->size();
}

// A synthetic frozen screen (of the screen's size where the overlay is shown).
QPixmap syntheticScreen(const QColor &colour = ScreenColour, const QSize &size = QSize(800, 600))
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

void sendMouse(QWidget *w, QEvent::Type type, const QPoint &pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void press(QWidget *w, const QPoint &pos) { sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton); }
void drag(QWidget *w, const QPoint &pos) { sendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton); }
void hover(QWidget *w, const QPoint &pos) { sendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton); }
void release(QWidget *w, const QPoint &pos) { sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton); }

void key(QWidget *w, int k)
{
    QKeyEvent event(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

// Drags out a complete selection from a to b.
void select(CScreenImg *overlay, const QPoint &a, const QPoint &b)
{
    press(overlay, a);
    drag(overlay, b);
    release(overlay, b);
}

QColor pixel(const QImage &image, int x, int y) { return QColor(image.pixel(x, y)); }

// The full-screen geometry arrives asynchronously; renders need all of it.
bool waitFullScreen(CScreenImg &overlay)
{
    return QTest::qWaitForWindowExposed(&overlay) && QTest::qWaitFor([&] { return overlay.size() == screenSize(); });
}

} // namespace

class TestCScreenImg : public QObject
{
    Q_OBJECT

private slots:
    void dimmedMatchesPerPixelDefinition()
    {
        // Every channel value in every channel position, plus a source with alpha.
        QImage source(256, 3, QImage::Format_ARGB32);
        for (int v = 0; v < 256; ++v) {
            source.setPixel(v, 0, qRgba(v, 255 - v, v / 2, 255));
            source.setPixel(v, 1, qRgba(255 - v, v, 255, 255));
            source.setPixel(v, 2, qRgba(v, v, v, 128));
        }
        const QImage result = CScreenImg::dimmed(source);
        QCOMPARE(result.size(), source.size());
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const QRgb in = source.pixel(x, y);
                const QRgb expected = qRgba(int(qRed(in) * 0.6), int(qGreen(in) * 0.6), int(qBlue(in) * 0.6), 255);
                QCOMPARE(result.pixel(x, y), expected);
            }
        }
        QCOMPARE(QColor(result.pixel(255, 0)).red(), 153);
        QCOMPARE(QColor(result.pixel(101, 0)).red(), 60);
    }

    void dimmedBackgroundOfOverlay()
    {
        CScreenImg overlay(syntheticScreen(QColor(255, 101, 7), screenSize()));
        QCOMPARE(overlay.dimmedImage().pixel(10, 10), qRgb(153, 60, 4));
        QCOMPARE(overlay.selection().largestX(), screenSize().width() - 1);
        QCOMPARE(overlay.selection().largestY(), screenSize().height() - 1);
        QVERIFY(overlay.isVisible());
        QVERIFY(waitFullScreen(overlay));
        QVERIFY(overlay.isFullScreen());
        QCOMPARE(pixel(overlay.grab().toImage(), 700, 500), QColor(153, 60, 4));
    }

    void logicalSize_data()
    {
        QTest::addColumn<QSize>("grab");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("scale-1.5") << QSize(2400, 1350) << 1.5 << QSize(1600, 900);
        QTest::newRow("scale-2") << QSize(3840, 2160) << 2.0 << QSize(1920, 1080);
        QTest::newRow("scale-1") << QSize(1920, 1080) << 1.0 << QSize(1920, 1080);
        QTest::newRow("scale-1.001-kept") << QSize(2000, 1000) << 1.001 << QSize(2000, 1000);
        QTest::newRow("scale-1.002-scaled") << QSize(2000, 1000) << 1.002 << QSize(1996, 998);
        QTest::newRow("scale-0-kept") << QSize(640, 480) << 0.0 << QSize(640, 480);
    }
    void logicalSize()
    {
        QFETCH(QSize, grab);
        QFETCH(double, scale);
        QPixmap pixmap(grab);
        pixmap.fill(Qt::red);
        QTEST(CScreenImg::toLogicalSize(pixmap, scale).size(), "expected");
    }

    void dragGeometry_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("click-without-drag") << QPoint(100, 100) << QPoint(100, 100) << QRect(100, 100, 1, 1);
        QTest::newRow("forward") << QPoint(150, 120) << QPoint(300, 250) << QRect(QPoint(150, 120), QPoint(300, 250));
        QTest::newRow("reversed") << QPoint(300, 250) << QPoint(150, 120) << QRect(QPoint(150, 120), QPoint(300, 250));
        QTest::newRow("end-clamped-to-width-height") << QPoint(700, 500) << QPoint(900, 700)
                                                     << QRect(QPoint(700, 500), QPoint(800, 600));
        QTest::newRow("end-at-width-height") << QPoint(700, 500) << QPoint(800, 600)
                                             << QRect(QPoint(700, 500), QPoint(800, 600));
        QTest::newRow("negative-end-kept") << QPoint(50, 60) << QPoint(-20, -30) << QRect(QPoint(-20, -30), QPoint(50, 60));
    }
    void dragGeometry()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        CScreenImg overlay(syntheticScreen());
        press(&overlay, from);
        QVERIFY(overlay.isSelecting());
        select(&overlay, from, to);
        QVERIFY(overlay.isSelected());
        QVERIFY(!overlay.isMagnifierOn());
        QTEST(overlay.selection().rect(), "rect");
    }

    void pressOnSelection_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QPoint>("moveTo");
        QTest::addColumn<QRect>("after");
        // Selection (100, 100)-(200, 150).
        QTest::newRow("top-right-corner") << QPoint(200, 100) << 5 << int(Qt::SizeBDiagCursor) << QPoint(250, 80)
                                          << QRect(QPoint(100, 80), QPoint(250, 150));
        QTest::newRow("one-outside-top-right") << QPoint(201, 99) << 9 << int(Qt::ArrowCursor) << QPoint(250, 80)
                                               << QRect(QPoint(100, 100), QPoint(200, 150));
        QTest::newRow("bottom-right-corner") << QPoint(200, 150) << 4 << int(Qt::SizeFDiagCursor) << QPoint(220, 170)
                                             << QRect(QPoint(100, 100), QPoint(220, 170));
        QTest::newRow("top-left-corner") << QPoint(100, 100) << 7 << int(Qt::SizeFDiagCursor) << QPoint(50, 60)
                                         << QRect(QPoint(50, 60), QPoint(200, 150));
        QTest::newRow("bottom-left-corner") << QPoint(100, 150) << 6 << int(Qt::SizeBDiagCursor) << QPoint(90, 160)
                                            << QRect(QPoint(90, 100), QPoint(200, 160));
        QTest::newRow("right-edge") << QPoint(200, 120) << 0 << int(Qt::SizeHorCursor) << QPoint(260, 300)
                                    << QRect(QPoint(100, 100), QPoint(260, 150));
        QTest::newRow("left-edge-past-right") << QPoint(100, 120) << 1 << int(Qt::SizeHorCursor) << QPoint(230, 0)
                                              << QRect(QPoint(200, 100), QPoint(230, 150));
        QTest::newRow("top-edge") << QPoint(150, 100) << 3 << int(Qt::SizeVerCursor) << QPoint(0, 90)
                                  << QRect(QPoint(100, 90), QPoint(200, 150));
        QTest::newRow("bottom-edge") << QPoint(150, 150) << 2 << int(Qt::SizeVerCursor) << QPoint(0, 175)
                                     << QRect(QPoint(100, 100), QPoint(200, 175));
        QTest::newRow("inside-move") << QPoint(150, 120) << 8 << int(Qt::SizeAllCursor) << QPoint(160, 100)
                                     << QRect(QPoint(110, 80), QPoint(210, 130));
        QTest::newRow("move-against-left-edge") << QPoint(150, 120) << 8 << int(Qt::SizeAllCursor) << QPoint(0, 120)
                                                << QRect(QPoint(0, 100), QPoint(200, 150));
    }
    void pressOnSelection()
    {
        QFETCH(QPoint, at);
        QFETCH(QPoint, moveTo);
        CScreenImg overlay(syntheticScreen());
        select(&overlay, QPoint(100, 100), QPoint(200, 150));
        press(&overlay, at);
        QTEST(overlay.dragMode(), "mode");
        QTEST(int(overlay.cursor().shape()), "cursor");
        drag(&overlay, moveTo);
        QTEST(overlay.selection().rect(), "after");
        release(&overlay, moveTo);
        QCOMPARE(overlay.dragMode(), 9);
        // Only the first press starts a rubber band.
        QVERIFY(!overlay.isSelecting());
    }

    void arrowKeys_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("key");
        QTest::addColumn<QRect>("after");
        QTest::newRow("left-stops-at-0") << QPoint(0, 10) << QPoint(20, 30) << int(Qt::Key_Left)
                                         << QRect(QPoint(0, 10), QPoint(20, 30));
        QTest::newRow("left-from-1") << QPoint(1, 10) << QPoint(20, 30) << int(Qt::Key_Left)
                                     << QRect(QPoint(0, 10), QPoint(19, 30));
        QTest::newRow("right-stops-at-width-1") << QPoint(700, 10) << QPoint(799, 30) << int(Qt::Key_Right)
                                                << QRect(QPoint(700, 10), QPoint(799, 30));
        QTest::newRow("right-from-width-2") << QPoint(700, 10) << QPoint(798, 30) << int(Qt::Key_Right)
                                            << QRect(QPoint(701, 10), QPoint(799, 30));
        QTest::newRow("up-stops-at-0") << QPoint(10, 0) << QPoint(20, 30) << int(Qt::Key_Up)
                                       << QRect(QPoint(10, 0), QPoint(20, 30));
        QTest::newRow("down-stops-at-height-1") << QPoint(10, 500) << QPoint(20, 599) << int(Qt::Key_Down)
                                                << QRect(QPoint(10, 500), QPoint(20, 599));
        QTest::newRow("down-from-height-2") << QPoint(10, 500) << QPoint(20, 598) << int(Qt::Key_Down)
                                            << QRect(QPoint(10, 501), QPoint(20, 599));
    }
    void arrowKeys()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, key);
        CScreenImg overlay(syntheticScreen());
        // Before the first release the keys do nothing.
        press(&overlay, from);
        drag(&overlay, to);
        const QRect dragging = overlay.selection().rect();
        ::key(&overlay, key);
        QCOMPARE(overlay.selection().rect(), dragging);
        release(&overlay, to);
        ::key(&overlay, key);
        QTEST(overlay.selection().rect(), "after");
    }

    void releaseWithoutPressIsIgnored()
    {
        CScreenImg overlay(syntheticScreen());
        release(&overlay, QPoint(10, 10));
        QVERIFY(!overlay.isSelected());
        QVERIFY(overlay.isMagnifierOn());
    }

    void paintedSelection()
    {
        CScreenImg overlay(syntheticScreen(ScreenColour, screenSize()));
        QVERIFY(waitFullScreen(overlay));
        select(&overlay, QPoint(100, 100), QPoint(300, 200));
        const QImage image = overlay.grab().toImage();
        QCOMPARE(pixel(image, 200, 150), ScreenColour);
        QCOMPARE(pixel(image, 50, 300), DimmedColour);
        QCOMPARE(pixel(image, 100, 150), FrameColour);
        QCOMPARE(pixel(image, 300, 150), FrameColour);
        QCOMPARE(pixel(image, 200, 100), FrameColour);
        // Handle squares sit just outside the rectangle.
        QCOMPARE(pixel(image, 98, 98), FrameColour);
        QCOMPARE(pixel(image, 302, 202), FrameColour);
        // Label box above the selection: dark, not the dimmed background.
        QCOMPARE(overlay.sizeLabelRect(), QRect(QPoint(100, 82), QPoint(159, 96)));
        const QColor label = pixel(image, 102, 84);
        QVERIFY2(label.red() < 40 && label.green() < 40 && label.blue() < 40, qPrintable(label.name()));
        // Tool buttons below the selection, right-aligned.
        QVERIFY(overlay.saveButton()->isVisible());
        QVERIFY(overlay.cancelButton()->isVisible());
        QCOMPARE(overlay.saveButton()->geometry(), QRect(QPoint(270, 205), QPoint(299, 234)));
        QCOMPARE(overlay.cancelButton()->geometry(), QRect(QPoint(240, 205), QPoint(269, 234)));
    }

    void buttonsFollowAndLabelInsideNearTop()
    {
        CScreenImg overlay(syntheticScreen());
        QVERIFY(overlay.saveButton()->isHidden());
        select(&overlay, QPoint(100, 30), QPoint(300, 580));
        overlay.grab();
        QCOMPARE(overlay.sizeLabelRect(), QRect(QPoint(100, 33), QPoint(159, 47)));
        QCOMPARE(overlay.saveButton()->geometry().top(), -5);
        press(&overlay, QPoint(200, 300));
        drag(&overlay, QPoint(200, 290));
        overlay.grab();
        // Moved up by 10: no room above or below any more, so inside at the top right.
        QCOMPARE(overlay.saveButton()->geometry().top(), 25);
    }

    void magnifierBeforeFirstPress()
    {
        CScreenImg overlay(syntheticScreen(ScreenColour, screenSize()));
        QVERIFY(waitFullScreen(overlay));
        hover(&overlay, QPoint(400, 300));
        QCOMPARE(overlay.selection().cursorPoint(), QPoint(400, 300));
        const QImage image = overlay.grab().toImage();
        QCOMPARE(overlay.magnifierSourceRect(), QRect(QPoint(390, 290), QPoint(409, 309)));
        // W = 649, H = 449: right and below the cursor.
        QCOMPARE(overlay.magnifierSizeRect(), QRect(QPoint(410, 410), QPoint(509, 424)));
        QCOMPARE(overlay.magnifierColourRect(), QRect(QPoint(410, 425), QPoint(509, 439)));
        // The readout names the dimmed background's value, not the screen's.
        QCOMPARE(overlay.magnifierColourText(), QStringLiteral("RGB(120,60,30)"));
        // The magnifier shows the screen's own colour, enlarged.
        QCOMPARE(pixel(image, 430, 330), ScreenColour);
        QCOMPARE(pixel(image, 460, 330), FrameColour);
    }

    void saveWritesInclusiveRectangleOnce_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("byEnter"); // the key instead of the save button
        QTest::newRow("click-one-pixel") << QPoint(10, 10) << QPoint(10, 10) << QSize(1, 1) << false;
        QTest::newRow("drag") << QPoint(10, 20) << QPoint(110, 70) << QSize(101, 51) << false;
        QTest::newRow("drag, Enter") << QPoint(10, 20) << QPoint(110, 70) << QSize(101, 51) << true;
        QTest::newRow("clamped-at-width") << QPoint(700, 500) << QPoint(999, 999) << QSize(100, 100) << false;
    }
    void saveWritesInclusiveRectangleOnce()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/ScreenPicture");
        QVERIFY(QDir().mkpath(folder));
        CScreenImg overlay(syntheticScreen());
        QSignalSpy spy(&overlay, &CScreenImg::SignalSaveFinished);
        QGuiApplication::clipboard()->clear();
        // File and clipboard are ready when the outcome is reported, and the
        // overlay closes only after reporting it.
        bool fileReady = false;
        QSize clipboardSize;
        bool openWhenReported = false;
        connect(&overlay, &CScreenImg::SignalSaveFinished, this, [&](const QString &saved) {
            fileReady = QFile::exists(saved);
            clipboardSize = QGuiApplication::clipboard()->image().size();
            openWhenReported = overlay.isVisible();
        });
        select(&overlay, from, to);
        QFETCH(bool, byEnter);
        if (byEnter)
            key(&overlay, Qt::Key_Return);
        else
            overlay.SlotSaveInClipboard();
        key(&overlay, Qt::Key_Escape);
        overlay.SlotCancle();
        QCOMPARE(spy.count(), 1);
        const QString path = spy.at(0).at(0).toString();
        QCOMPARE(QFileInfo(path).absolutePath(), folder);
        // Rows saved within one second get "-2", "-3" ... after the time.
        QVERIFY2(QRegularExpression(QStringLiteral("^feedback\\d{12}(-\\d+)?\\.png$")).match(QFileInfo(path).fileName()).hasMatch(),
                 qPrintable(path));
        QImage saved(path, "PNG");
        QFile::remove(path);
        QTEST(saved.size(), "size");
        QCOMPARE(QColor(saved.pixel(0, 0)), ScreenColour);
        QVERIFY(fileReady);
        QTEST(clipboardSize, "size");
        QVERIFY(openWhenReported);
        QVERIFY(!overlay.isVisible());
    }

    void cancelReportsEmptyPathOnce_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("escape-before-selection") << true;
        QTest::newRow("closed-by-window-system") << false;
    }
    void cancelReportsEmptyPathOnce()
    {
        QFETCH(bool, byEscape);
        CScreenImg overlay(syntheticScreen());
        QSignalSpy spy(&overlay, &CScreenImg::SignalSaveFinished);
        if (byEscape)
            key(&overlay, Qt::Key_Escape);
        else
            overlay.close();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString());
        QVERIFY(!overlay.isVisible());
        overlay.SlotSaveInClipboard();
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestCScreenImg)
#include "tst_cscreenimg.moc"
