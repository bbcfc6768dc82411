// Runs the start-up scaling step the way the program does, before any
// application object exists, on a real X server. The test definition picks
// the screen size; the environment says what to set up and what to expect:
//   XFT_DPI        Xft.dpi to publish on the server (unset: none)
//   FACTOR_FILE    contents of factor.tmp beside the program (unset: no file)
//   EXPECT_FACTOR  the QT_SCALE_FACTOR the step must set (unset: none)
//   MONITORS       XRandR monitors to set up, "WxH+X+Y" separated by commas, "*" after the primary
// Each variant runs its own copy of the program, so the factor files do not meet.
#include "displayscaling.h"
#include "hostplatform.h"

#include <QFile>
#include <QSaveFile>
#include <QtTest>

bool publishXResources(const char *resources);
bool setXMonitors(const char *monitors);

namespace {

struct StartupState
{
    bool autoScaling = false;
    bool highDpiPixmaps = false;
    bool variableSet = false;
    QByteArray variable;
    HostPlatform::ScreenMetrics metrics;
};

StartupState startup;

} // namespace

class TestScalingStartup : public QObject
{
    Q_OBJECT

private slots:
    void outcome();
};

void TestScalingStartup::outcome()
{
    QVERIFY2(startup.metrics.available, "no X display reached");
    QVERIFY(startup.highDpiPixmaps);
    if (qEnvironmentVariableIsSet("XFT_DPI"))
        QCOMPARE(startup.metrics.logicalDpi, qgetenv("XFT_DPI").toDouble());
    else
        QCOMPARE(startup.metrics.logicalDpi, 96.0);
    QCOMPARE(dpiScale(), startup.metrics.logicalDpi / 96.0);

    if (qEnvironmentVariableIsSet("EXPECT_FACTOR")) {
        // A small screen: an exact factor and no automatic scaling.
        QVERIFY(!startup.autoScaling);
        QVERIFY(startup.variableSet);
        QCOMPARE(startup.variable, qgetenv("EXPECT_FACTOR"));
        QCOMPARE(screenScale(), startup.variable.toDouble());
    } else {
        // A large screen: Qt scales by itself and the variable stays unset.
        QVERIFY(startup.autoScaling);
        QVERIFY(!startup.variableSet);
        QCOMPARE(screenScale(), double(int(dpiScale() + 0.50001)));
    }
}

int main(int argc, char *argv[])
{
    const QString factorPath = HostPlatform::executableDirectory() + QStringLiteral("/factor.tmp");
    if (qEnvironmentVariableIsSet("FACTOR_FILE")) {
        QSaveFile file(factorPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(qgetenv("FACTOR_FILE")) < 0 || !file.commit())
            return 2;
    } else if (QFile::exists(factorPath) && !QFile::remove(factorPath)) {
        return 2;
    }
    if (qEnvironmentVariableIsSet("XFT_DPI")) {
        const QByteArray resources = "Xft.antialias:\t1\nXft.dpi:\t" + qgetenv("XFT_DPI") + "\n";
        if (!publishXResources(resources.constData()))
            return 2;
    }
    if (qEnvironmentVariableIsSet("MONITORS") && !setXMonitors(qgetenv("MONITORS").constData()))
        return 2;
    qunsetenv("QT_SCALE_FACTOR");

    prepareDisplayScaling();
    startup.autoScaling = QCoreApplication::testAttribute(Qt::AA_EnableHighDpiScaling);
    startup.highDpiPixmaps = QCoreApplication::testAttribute(Qt::AA_UseHighDpiPixmaps);
    startup.variableSet = qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
    startup.variable = qgetenv("QT_SCALE_FACTOR");
    startup.metrics = HostPlatform::screenMetrics();

    QCoreApplication app(argc, argv);
    TestScalingStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scalingstartup.moc"
