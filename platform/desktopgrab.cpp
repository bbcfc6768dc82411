#include "hostplatform.h"

#include <QGuiApplication>
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

} // namespace HostPlatform
