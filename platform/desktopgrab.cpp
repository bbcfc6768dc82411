#include "hostplatform.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace HostPlatform {

std::unique_ptr<DesktopGrab> DesktopGrab::ofPrimaryScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QString platform = QGuiApplication::platformName();
    if (!screen || (platform != QLatin1String("xcb") && platform != QLatin1String("windows")))
        return nullptr;
    const QSizeF size = QSizeF(screen->geometry().size()) * screen->devicePixelRatio();
    return std::make_unique<DesktopGrab>(QRect(QPoint(0, 0), size.toSize()));
}

QImage grabPrimaryScreen(std::unique_ptr<DesktopGrab> started)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QImage();
    const auto desktop = started ? std::move(started) : DesktopGrab::ofPrimaryScreen();
    QImage grab = desktop ? desktop->take() : QImage();
    if (grab.isNull()) {
        const QRect geometry = screen->geometry();
        grab = screen->grabWindow(0, 0, 0, geometry.width(), geometry.height()).toImage();
        grab.setDevicePixelRatio(1.0); // a plain picture, like the file it becomes
    }
    return grab;
}

} // namespace HostPlatform
