#include "cscreenimg.h"
#include "displayscaling.h"

#include <QtTest>

#include <QScreen>

// Runs on a real X server: the overlay grabs what is on the screen.
class TestCaptureGrab : public QObject
{
    Q_OBJECT

private slots:
    void grabsAndDimsTheScreen()
    {
        if (qAbs(screenScale() - 1.0) > 0.001)
            QSKIP("The X server reports a display scale other than 1");
        // Something recognisable on the screen first.
        QWidget marker;
        marker.setWindowFlags(Qt::FramelessWindowHint);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(250, 100, 5));
        marker.setPalette(palette);
        marker.setAutoFillBackground(true);
        marker.setGeometry(0, 0, 300, 300);
        marker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&marker));
        QTest::qWait(200);

        CScreenImg overlay;
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(overlay.screenImage().size(), screen);
        QCOMPARE(overlay.dimmedImage().size(), screen);
        const QPoint inside = marker.geometry().center();
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
};

QTEST_MAIN(TestCaptureGrab)
#include "tst_capturegrab.moc"
