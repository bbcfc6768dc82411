#include "cscreenimg.h"
#include "displayscaling.h"
#include "hostplatform.h"

#include <QtTest>

#include <QScreen>

#include <memory>

// Runs on a real X server: the overlay grabs what is on the screen.
class TestCaptureGrab : public QObject
{
    Q_OBJECT

    // Something recognisable on the screen.
    std::unique_ptr<QWidget> m_marker;

private slots:
    void initTestCase()
    {
        if (qAbs(screenScale() - 1.0) > 0.001)
            QSKIP("The X server reports a display scale other than 1");
        m_marker = std::make_unique<QWidget>();
        m_marker->setWindowFlags(Qt::FramelessWindowHint);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(250, 100, 5));
        m_marker->setPalette(palette);
        m_marker->setAutoFillBackground(true);
        m_marker->setGeometry(0, 0, 300, 300);
        m_marker->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_marker.get()));
        QTest::qWait(200);
    }

    void grabsAndDimsTheScreen()
    {
        CScreenImg overlay;
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(overlay.screenImage().size(), screen);
        QCOMPARE(overlay.dimmedImage().size(), screen);
        const QPoint inside = m_marker->geometry().center();
        QCOMPARE(QColor(overlay.screenImage().toImage().pixel(inside)), QColor(250, 100, 5));
        QCOMPARE(QColor(overlay.dimmedImage().pixel(inside)), QColor(150, 60, 3));
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        QVERIFY(overlay.isFullScreen());
        QTRY_COMPARE(overlay.size(), screen);

        QSignalSpy spy(&overlay, &CScreenImg::SignalSaveFinished);
        QTest::keyClick(&overlay, Qt::Key_Escape);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!overlay.isVisible());
    }

    // The shared-memory grab reads what Qt's own grab reads.
    void desktopGrabMatchesQt_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("read"); // the area cut to the screen
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect corner(screen.right() - 39, screen.bottom() - 29, 40, 30);
        QTest::newRow("whole screen") << screen << screen;
        QTest::newRow("part, marker inside") << QRect(100, 50, 300, 200) << QRect(100, 50, 300, 200);
        QTest::newRow("over the edge") << corner.adjusted(0, 0, 40, 30) << corner;
        QTest::newRow("off the screen") << QRect(-50, -50, 20, 20) << QRect();
    }
    void desktopGrabMatchesQt()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, read);
        const QImage grab = HostPlatform::DesktopGrab(area).take();
        if (read.isEmpty()) {
            QVERIFY(grab.isNull());
            return;
        }
        if (grab.isNull())
            QSKIP("The display offers no shared memory");
        QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(grab, screen->grabWindow(0, read.x(), read.y(), read.width(), read.height()).toImage());
    }
};

QTEST_MAIN(TestCaptureGrab)
#include "tst_capturegrab.moc"
