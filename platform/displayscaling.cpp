#include "displayscaling.h"
#include "hostplatform.h"
#include "scalingdecision.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>

#include <atomic>

namespace {

constexpr double StandardDpi = 96.0;

std::atomic<double> storedDpiScale{0.0};

std::optional<QByteArray> readFactorFile()
{
    const QString folder = HostPlatform::executableDirectory();
    if (folder.isEmpty())
        return std::nullopt;
    QFile file(folder + QStringLiteral("/factor.tmp"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(10);
}

} // namespace

bool enableDpiAwareness()
{
    return HostPlatform::enableDpiAwareness();
}

double dpiScale()
{
    double scale = storedDpiScale.load();
    if (scale == 0.0) {
        scale = HostPlatform::screenMetrics().logicalDpi / StandardDpi;
        // Without a display there is nothing to measure later either: keep 1.0
        // rather than asking again on every call.
        if (scale <= 0.0)
            scale = 1.0;
        storedDpiScale.store(scale);
    }
    return scale;
}

double screenScale()
{
    std::optional<QByteArray> variable;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        variable = qgetenv("QT_SCALE_FACTOR");
    return ScalingDecision::screenScaleFor(variable, dpiScale());
}

void prepareDisplayScaling()
{
    enableDpiAwareness();

    const HostPlatform::ScreenMetrics metrics = HostPlatform::screenMetrics();
    if (metrics.logicalDpi > 0 && storedDpiScale.load() == 0.0)
        storedDpiScale.store(metrics.logicalDpi / StandardDpi);

    if (!metrics.available) {
        // Without a display to measure, leave the scaling to Qt as on a large screen.
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    } else {
        const ScalingDecision::Decision decision = ScalingDecision::decide(
            metrics.width, metrics.height, dpiScale(), readFactorFile);
        qDebug() << "x_avaliable" << decision.logicalWidth << " y_avaliable->" << decision.logicalHeight;
        if (decision.smallScreen) {
            qDebug() << "set QT_SCALE_FACTOR=" << decision.scaleFactor.constData();
            qputenv("QT_SCALE_FACTOR", decision.scaleFactor);
        }
        if (decision.enableHighDpiScaling)
            QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    }
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
}
