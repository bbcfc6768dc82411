// Measures what the user waits for after pressing the capture button: the
// overlay's construction (screen grab, scaling, dimming, full-screen show)
// until its window is exposed and painted. Prints min and median of several
// runs, plus the grab and the dimming on their own.

#include "cscreenimg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class PaintWatcher : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

void report(const char *name, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%-28s min %7.1f ms   median %7.1f ms   max %7.1f ms   (%zu runs)\n", name, values.front(),
                values[values.size() / 2], values.back(), values.size());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "no screen\n");
        return 1;
    }
    std::printf("screen %dx%d, platform %s\n", screen->geometry().width(), screen->geometry().height(),
                qPrintable(QGuiApplication::platformName()));

    std::vector<double> constructed, shown, grab, dim;
    for (int i = 0; i < runs; ++i) {
        settle(150);
        PaintWatcher watcher;
        QElapsedTimer timer;
        timer.start();
        auto *overlay = new CScreenImg;
        constructed.push_back(timer.nsecsElapsed() / 1e6);
        overlay->installEventFilter(&watcher);
        // Blocking waits keep this process off the CPU the X server needs; the
        // timer only wakes the loop so the give-up check can run.
        QTimer wake;
        wake.start(50);
        while (!(overlay->windowHandle() && overlay->windowHandle()->isExposed() && watcher.painted)) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (timer.elapsed() > 10000) {
                std::fprintf(stderr, "overlay never exposed\n");
                return 1;
            }
        }
        shown.push_back(timer.nsecsElapsed() / 1e6);
        overlay->removeEventFilter(&watcher);
        overlay->SlotCancle();
        delete overlay;
    }
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QPixmap pixmap = screen->grabWindow(0);
        grab.push_back(timer.nsecsElapsed() / 1e6);
        const QImage image = pixmap.toImage();
        timer.restart();
        const QImage dimmed = CScreenImg::dimmed(image);
        dim.push_back(timer.nsecsElapsed() / 1e6);
        if (dimmed.isNull())
            return 1;
    }
    report("construct (grab..show)", constructed);
    report("until exposed and painted", shown);
    report("  screen grab alone", grab);
    report("  dimming alone", dim);
    return 0;
}
