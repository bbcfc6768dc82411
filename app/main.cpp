#include "cfeedback.h"
#include "keptreports.h"
#include "displayscaling.h"
#include "launcharguments.h"
#include "singleinstance.h"
#include "skinconfig.h"
#include "windowplacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTextCodec>
#include <QTextStream>

#include <cstdlib>

namespace {

// Window and --send-pending see the same per-user data folder (the outbox).
void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("feedback"));
}

} // namespace

int main(int argc, char *argv[])
{
    // Sends what waits in the outbox and ends: no window, no display, and no
    // single-instance lock, so it neither blocks nor waits for a window.
    if (argc == 2 && qstrcmp(argv[1], "--send-pending") == 0) {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        QCoreApplication app(argc, argv);
        setApplicationIdentity();
        QTextStream out(stdout);
        return CFeedback::sendPending(out);
    }

    // Scaling is settled before any Qt object exists.
    prepareDisplayScaling();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));

    // Everything here paints with the raster engine. Under X the GL
    // integration alone costs tens of milliseconds and of mebibytes before
    // the window can appear, so it stays out unless the environment names
    // one. The platform reads the variable when it creates the first window.
    const bool glUnchosen = !qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION");
    if (glUnchosen)
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    QApplication app(argc, argv);
    setApplicationIdentity();
    SingleInstance instance;
    if (instance.isRunning()) {
        // The running copy raises its window; this one ends either way.
        instance.sendMessage(QStringLiteral("active"), 5000);
        return 0;
    }

    // Qt has taken its own options (-reverse, -style ...) out by now.
    const LaunchArguments arguments = LaunchArguments::fromArguments(QCoreApplication::arguments());

    SkinConfig::instance().load(QCoreApplication::applicationDirPath());
    SkinConfig::instance().applyStyleSheet();

    CFeedback window(arguments.feedbackMode, arguments.userEmail, arguments.hostPath);
    QObject::connect(&instance, SIGNAL(messageReceived(const QString &)), &window,
                     SLOT(SlotMessageReceived(QString)));

    if (QScreen *screen = QGuiApplication::primaryScreen())
        window.move(WindowPlacement::centredPosition(screen->availableGeometry(), window.size()));

    // Takes the start-up screenshot, so it runs before the window shows.
    window.setLaunchInfo(arguments.recipientAddress, arguments.senderAccount,
                         arguments.senderPassword);

    // Brought to the front once, without staying above other windows.
    window.show();
    window.raise();
    window.activateWindow();
    // Programs started from here (the mail link) inherit the environment as it was.
    if (glUnchosen)
        qunsetenv("QT_XCB_GL_INTEGRATION");
    // Reports kept by earlier runs go once the window is up, in a process of their own.
    window.afterFirstPaint([&window] { window.keptReports().startBackgroundResend(); });

    const int code = app.exec();
    // A delivery the window closed under gets two seconds to stop (and keep
    // its report); a worker still busy after that (a long packing) ends with
    // the process, whose outbox locks go with it.
    if (!window.stopDelivery(2000))
        std::_Exit(code);
    return code;
}
