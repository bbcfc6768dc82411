// The real program under an X server: one copy at a time, activation by a
// later copy, a stale lock, a whole submission driven by xdotool (and, when
// it fails, sent by the next start), and --send-pending.

#include "outbox.h"
#include "singleinstance.h"
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRect>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

#ifndef Q_OS_WIN
#include <csignal>
#include <unistd.h>
#endif

namespace {

QString programPath()
{
    const QString overridden = qEnvironmentVariable("FEEDBACK_E2E_PROGRAM");
    return overridden.isEmpty() ? QStringLiteral(FEEDBACK_PROGRAM) : overridden;
}

QByteArray xdotool(const QStringList &arguments)
{
    QByteArray output;
    TestSupport::runProgram(QStringLiteral("xdotool"), arguments, &output, 15000);
    return output.trimmed();
}

// A click at (x, y) inside a window's frame.
void clickIn(const QRect &frame, int x, int y)
{
    xdotool({QStringLiteral("mousemove"), QString::number(frame.x() + x), QString::number(frame.y() + y),
             QStringLiteral("click"), QStringLiteral("1")});
}

bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

// The Message-ID of every mail in a folder, in file order.
QStringList messageIds(const QString &folder)
{
    QStringList ids;
    const QRegularExpression header(QStringLiteral("\\r\\nMessage-ID: <([^>]+)>"));
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.eml")}, QDir::Files, QDir::Name))
        ids << header.match(QString::fromUtf8(TestSupport::readFile(folder + QLatin1Char('/') + name))).captured(1);
    return ids;
}

bool writeSettings(const QString &www, quint16 smtpPort, const QString &connectType)
{
    QDir().mkpath(www + QStringLiteral("/files/public"));
    return TestSupport::runProgram(
               QStringLiteral("/usr/bin/python3"),
               {QStringLiteral(FEEDBACK_MAKE_EMAILINFO), QStringLiteral("--product-id"), QStringLiteral("1001"),
                QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"), QString::number(smtpPort),
                QStringLiteral("--connect-type"), connectType, QStringLiteral("--sender"),
                QStringLiteral("sender@example.net"), QStringLiteral("--password"), QStringLiteral("secret"),
                QStringLiteral("--receiver"), QStringLiteral("support@example.net"), QStringLiteral("-o"),
                www + QStringLiteral("/files/public/emailinfo.xml")},
               nullptr, 30000)
           == 0;
}

} // namespace

class TestE2eProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void secondCopyExitsAndActivatesTheFirst_data();
    void secondCopyExitsAndActivatesTheFirst();
    void messageInOtherLetterCaseChangesNothing();
    void staleLockDoesNotBlockTheNextStart();
    void submissionWithTheRealProgram_data();
    void submissionWithTheRealProgram();
    void sendPending_data();
    void sendPending();
    void closeWhilePacking_data();
    void closeWhilePacking();

private:
    std::unique_ptr<QProcess> start(const QStringList &arguments, const QString &program = QStringLiteral("feedback"));
    // The visible top-level window of a process (0 when none appears in time).
    quint64 waitForWindow(qint64 pid, int timeoutMs = 20000);
    QRect geometry(quint64 window);
    quint64 focusedWindow();
    void focusCover();

    QTemporaryDir m_appDir;
    QTemporaryDir m_runtime;
    QTemporaryDir m_data;
    QProcessEnvironment m_environment;
    std::unique_ptr<QWidget> m_cover;
    QList<QProcess *> m_started;
};

void TestE2eProgram::initTestCase()
{
    QVERIFY2(QFileInfo(programPath()).isExecutable(), qPrintable(programPath() + QStringLiteral(" is not built")));
    QVERIFY(m_appDir.isValid());
    QVERIFY(QFile::copy(programPath(), m_appDir.path() + QStringLiteral("/feedback")));
    QFile(m_appDir.path() + QStringLiteral("/feedback"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(copyFolder(QStringLiteral(FEEDBACK_RESOURCES), m_appDir.path() + QStringLiteral("/FeedbackRes")));
    QVERIFY(TestSupport::writeFile(m_appDir.path() + QStringLiteral("/productinfo.xml"),
                                   "<info><PZ_APP_NAME>Photo Tool</PZ_APP_NAME><PZ_BRANDNAME>Acme</PZ_BRANDNAME>"
                                   "<PZ_PID>1001</PZ_PID></info>"));
    QDir().mkpath(m_appDir.path() + QStringLiteral("/Log"));
    // The program reached through a symbolic link, and a copy installed in another folder.
    QVERIFY(QDir(m_appDir.path()).mkpath(QStringLiteral("link")) && QDir(m_appDir.path()).mkpath(QStringLiteral("other")));
    QVERIFY(QFile::link(m_appDir.path() + QStringLiteral("/feedback"), m_appDir.path() + QStringLiteral("/link/feedback")));
    QVERIFY(QFile::copy(m_appDir.path() + QStringLiteral("/feedback"), m_appDir.path() + QStringLiteral("/other/feedback")));
    QVERIFY(QFile::link(m_appDir.path() + QStringLiteral("/FeedbackRes"),
                        m_appDir.path() + QStringLiteral("/other/FeedbackRes")));

    // A runtime folder of our own keeps the lock and socket away from any
    // other copy on this machine; the client in this process uses it too.
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    m_environment.insert(QStringLiteral("XDG_DATA_HOME"), m_data.path());
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    m_environment.insert(QStringLiteral("FEEDBACK_DOWNLOAD_BASE"), QStringLiteral("http://127.0.0.1:1"));
    m_environment.insert(QStringLiteral("FEEDBACK_ANALYTICS_BASE"),
                         QStringLiteral("http://127.0.0.1:1/collect?v=1&t=event&tid=UA-TEST"));
    m_environment.insert(QStringLiteral("FEEDBACK_SMTP_HOST"), QStringLiteral("127.0.0.1"));
}

void TestE2eProgram::init()
{
    m_cover = std::make_unique<QWidget>();
    m_cover->setWindowTitle(QStringLiteral("cover"));
    m_cover->setGeometry(600, 150, 700, 700);
}

void TestE2eProgram::cleanup()
{
    for (QProcess *process : qAsConst(m_started)) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
        delete process;
    }
    m_started.clear();
    m_cover.reset();
}

std::unique_ptr<QProcess> TestE2eProgram::start(const QStringList &arguments, const QString &program)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(m_appDir.path() + QLatin1Char('/') + program);
    process->setArguments(arguments);
    process->setProcessEnvironment(m_environment);
    process->setWorkingDirectory(m_appDir.path());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start();
    process->waitForStarted(10000);
    return process;
}

quint64 TestE2eProgram::waitForWindow(qint64 pid, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QByteArray found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                          QStringLiteral("--pid"), QString::number(pid)});
        const QList<QByteArray> ids = found.split('\n');
        for (const QByteArray &id : ids) {
            bool ok = false;
            const quint64 window = id.trimmed().toULongLong(&ok);
            if (ok && geometry(window).width() >= 500)
                return window;
        }
        QTest::qWait(200);
    }
    return 0;
}

QRect TestE2eProgram::geometry(quint64 window)
{
    const QByteArray shell = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                                      QString::number(window)});
    QRect rect;
    for (const QByteArray &line : shell.split('\n')) {
        const int equals = line.indexOf('=');
        const QByteArray key = line.left(equals);
        const int value = line.mid(equals + 1).toInt();
        if (key == "X")
            rect.moveLeft(value);
        else if (key == "Y")
            rect.moveTop(value);
        else if (key == "WIDTH")
            rect.setWidth(value);
        else if (key == "HEIGHT")
            rect.setHeight(value);
    }
    return rect;
}

quint64 TestE2eProgram::focusedWindow()
{
    return xdotool({QStringLiteral("getwindowfocus"), QStringLiteral("-f")}).toULongLong();
}

void TestE2eProgram::focusCover()
{
    m_cover->show();
    m_cover->raise();
    m_cover->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_cover.get()));
    QTRY_COMPARE(focusedWindow(), quint64(m_cover->winId()));
}

void TestE2eProgram::secondCopyExitsAndActivatesTheFirst_data()
{
    QTest::addColumn<QString>("secondProgram");
    QTest::addColumn<bool>("longRuntimeFolder");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("same program") << QStringLiteral("feedback") << false << true;
    QTest::newRow("through a symbolic link") << QStringLiteral("link/feedback") << false << true;
    QTest::newRow("runtime folder too long for a socket path") << QStringLiteral("feedback") << true << true;
    QTest::newRow("copy in another folder") << QStringLiteral("other/feedback") << false << false;
}

void TestE2eProgram::secondCopyExitsAndActivatesTheFirst()
{
    QFETCH(QString, secondProgram);
    QFETCH(bool, longRuntimeFolder);
    QFETCH(bool, handsOver);
    const auto restore = qScopeGuard([this, saved = m_environment] { m_environment = saved; });
    if (longRuntimeFolder) {
        const QString runtime = m_runtime.path() + QStringLiteral("/%1/%1").arg(QString(100, QLatin1Char('r')));
        QVERIFY(QDir().mkpath(runtime));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }

    // Owned by m_started from here, so cleanup() stops whatever still runs.
    QProcess *first = start({QString(), QStringLiteral("C:/Apps/Tool.exe"), QStringLiteral("me@example.com")}).release();
    m_started << first;
    const quint64 window = waitForWindow(first->processId());
    QVERIFY(window);
    // Centred on the available area of the 1920 x 1080 screen.
    QCOMPARE(geometry(window), QRect(665, 217, 590, 645));
    focusCover();

    QProcess *second = start({QStringLiteral("x@y.com"), QStringLiteral("C:/Apps/Other.exe")}, secondProgram).release();
    m_started << second;
    if (handsOver) {
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindow(), window, 10000);
    } else {
        QVERIFY2(waitForWindow(second->processId()), "the other program's window did not come up");
    }
    QCOMPARE(first->state(), QProcess::Running);
}

void TestE2eProgram::messageInOtherLetterCaseChangesNothing()
{
    auto first = start({QString(), QStringLiteral("C:/Apps/Tool.exe")});
    const quint64 window = waitForWindow(first->processId());
    m_started << first.release();
    QVERIFY(window);
    focusCover();

    SingleInstance client(SingleInstance::keyForProgram(m_appDir.path() + QStringLiteral("/feedback")));
    QVERIFY(client.isRunning());
    QVERIFY(client.sendMessage(QStringLiteral("Active"), 5000));
    QTest::qWait(500);
    QCOMPARE(focusedWindow(), quint64(m_cover->winId()));

    // The same channel with the exact text does activate it.
    QVERIFY(client.sendMessage(QStringLiteral("active"), 5000));
    QTRY_COMPARE_WITH_TIMEOUT(focusedWindow(), window, 10000);
}

void TestE2eProgram::staleLockDoesNotBlockTheNextStart()
{
    auto first = start({QString(), QStringLiteral("C:/Apps/Tool.exe")});
    QVERIFY(waitForWindow(first->processId()));
    first->kill(); // no chance to remove its lock or socket
    QVERIFY(first->waitForFinished(5000));

    auto next = start({QString(), QStringLiteral("C:/Apps/Tool.exe")});
    QVERIFY2(waitForWindow(next->processId()), "the next copy did not come up");
    QCOMPARE(next->state(), QProcess::Running);
    m_started << next.release();
}

void TestE2eProgram::submissionWithTheRealProgram_data()
{
    QTest::addColumn<bool>("serverDownFirst");
    QTest::newRow("delivered") << false;
    QTest::newRow("server down: kept, sent by the next start") << true;
}

void TestE2eProgram::submissionWithTheRealProgram()
{
    QFETCH(bool, serverDownFirst);
    QTemporaryDir work;
    QString cert, key;
    QVERIFY(TestSupport::makeSelfSignedCertificate(work.path(), &cert, &key));
    const QString saveDir = work.path() + QStringLiteral("/mail");
    QDir().mkpath(saveDir);
    TestSupport::PeerProcess smtp;
    QVERIFY2(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                        {QStringLiteral("--mode"), QStringLiteral("tls"), QStringLiteral("--cert"), cert,
                         QStringLiteral("--key"), key, QStringLiteral("--user"), QStringLiteral("sender@example.net"),
                         QStringLiteral("--password"), QStringLiteral("secret"), QStringLiteral("--save-dir"), saveDir}),
             qPrintable(smtp.errorText()));
    const QString www = work.path() + QStringLiteral("/www");
    QVERIFY(writeSettings(www, serverDownFirst ? TestSupport::unusedPort() : smtp.port(), QStringLiteral("1")));
    TestSupport::PeerProcess web;
    QVERIFY2(web.start(TestSupport::peerScript(QStringLiteral("http_server.py")), {QStringLiteral("--root"), www}),
             qPrintable(web.errorText()));

    const QProcessEnvironment saved = m_environment;
    m_environment.insert(QStringLiteral("FEEDBACK_DOWNLOAD_BASE"),
                         QStringLiteral("http://127.0.0.1:%1").arg(web.port()));
    // Qt takes its own option -reverse out of the arguments and the positions
    // behind it move forward: the address still reaches the form (the mail
    // would not go out with "-reverse" as the address), and the layout is mirrored.
    const QStringList arguments{QString(), QStringLiteral("C:/Apps/Photo Tool/PhotoTool.exe"), QStringLiteral("-reverse"),
                                QStringLiteral("user@example.com"), QStringLiteral("start@example.net"),
                                QStringLiteral("start"), QStringLiteral("1")};
    auto program = start(arguments);
    const quint64 window = waitForWindow(program->processId());
    QVERIFY(window);
    const QRect frame = geometry(window);

    // Content box, then Submit, at their places in the standard skin.
    const auto click = [&frame](int x, int y) { clickIn(frame, x, y); };
    click(295, 250);
    QTest::qWait(300);
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"),
             QStringLiteral("typed by xdotool")});
    QTest::qWait(300);
    click(295, 602);

    OutboxEntry kept;
    QStringList keptSha1;
    if (serverDownFirst) {
        // Kept with copies of its archives; the window closes, the settings
        // now name the running server, and the next start sends it.
        const Outbox outbox(m_data.path() + QStringLiteral("/feedback/outbox"));
        QTRY_COMPARE_WITH_TIMEOUT(outbox.entries().size(), 1, 60000);
        kept = outbox.entries().first();
        for (const QString &file : kept.report.files)
            keptSha1 << QCryptographicHash::hash(TestSupport::readFile(file), QCryptographicHash::Sha1).toHex();
        click(frame.width() - 560, 22);
        QVERIFY(program->waitForFinished(15000));
        QVERIFY(writeSettings(www, smtp.port(), QStringLiteral("1")));
        program = start(arguments);
        QVERIFY(waitForWindow(program->processId()));
        QTRY_VERIFY_WITH_TIMEOUT(outbox.entries().isEmpty(), 60000);
    }
    m_environment = saved;

    QTRY_VERIFY_WITH_TIMEOUT(!QDir(saveDir).entryList({QStringLiteral("*.eml")}, QDir::Files).isEmpty(), 60000);
    QTest::qWait(500);
    QCOMPARE(QDir(saveDir).entryList({QStringLiteral("*.eml")}, QDir::Files).size(), 1);
    const QString mail = saveDir + QLatin1Char('/') + QDir(saveDir).entryList({QStringLiteral("*.eml")}, QDir::Files).first();
    const char *script = R"PY(
import email, hashlib, json, sys
from email import policy
with open(sys.argv[1], 'rb') as f:
    message = email.message_from_binary_file(f, policy=policy.default)
body = message.get_body(preferencelist=('plain',))
print(json.dumps({'subject': str(message['Subject']), 'to': str(message['To']), 'id': str(message['Message-ID']),
                  'body': body.get_content() if body else '',
                  'sha1': [hashlib.sha1(part.get_content()).hexdigest() for part in message.iter_attachments()]}))
)PY";
    QByteArray output;
    QCOMPARE(TestSupport::runProgram(QStringLiteral("/usr/bin/python3"),
                                     {QStringLiteral("-c"), QString::fromLatin1(script), mail}, &output, 30000),
             0);
    const QJsonObject parsed = QJsonDocument::fromJson(output).object();
    QCOMPARE(parsed.value(QStringLiteral("subject")).toString(), QStringLiteral("PhotoTool Win Feedback"));
    QVERIFY2(parsed.value(QStringLiteral("to")).toString().contains(QStringLiteral("support@example.net")),
             output.constData());
    QVERIFY2(parsed.value(QStringLiteral("body")).toString().contains(QStringLiteral("typed by xdotool")),
             output.constData());
    QVERIFY2(parsed.value(QStringLiteral("body")).toString().contains(QStringLiteral("user@example.com")),
             output.constData());
    if (serverDownFirst) {
        QCOMPARE(parsed.value(QStringLiteral("id")).toString(), QLatin1Char('<') + kept.report.messageId + QLatin1Char('>'));
        QCOMPARE(parsed.value(QStringLiteral("body")).toString(), kept.report.body);
        QCOMPARE(parsed.value(QStringLiteral("sha1")).toVariant().toStringList(), keptSha1);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::readFile(m_appDir.path() + QStringLiteral("/Log/feedback.log"))
                                     .contains("Send to Email Success."),
                                 10000);
    }

    // The title bar's close button (on the left, mirrored) ends the program
    // and empties the screenshot folder.
    click(frame.width() - 560, 22);
    QVERIFY(program->waitForFinished(15000));
    QCOMPARE(program->exitCode(), 0);
    QVERIFY(QDir(m_appDir.path() + QStringLiteral("/ScreenPicture")).exists());
    QVERIFY(QDir(m_appDir.path() + QStringLiteral("/ScreenPicture")).entryList(QDir::Files).isEmpty());
}

void TestE2eProgram::sendPending_data()
{
    QTest::addColumn<QStringList>("serverArgs");
    QTest::addColumn<int>("reports");
    QTest::addColumn<int>("together");      // processes started at once in the first round
    QTest::addColumn<bool>("killFirst");    // SIGKILL in the first round once the server has the mail
    QTest::addColumn<QList<int>>("codes");  // exit code per round (-1: not looked at)

    QTest::newRow("refused with 421, then accepted")
        << QStringList{QStringLiteral("--refuse-first"), QStringLiteral("1")} << 1 << 1 << false << QList<int>{1, 0};
    QTest::newRow("two at once: each report once") << QStringList{} << 3 << 2 << false << QList<int>{-1};
    QTest::newRow("killed before the reply: at worst twice, never lost")
        << QStringList{QStringLiteral("--hold-first"), QStringLiteral("60")} << 1 << 1 << true << QList<int>{-1, 0};
}

void TestE2eProgram::sendPending()
{
    QFETCH(QStringList, serverArgs);
    QFETCH(int, reports);
    QFETCH(int, together);
    QFETCH(bool, killFirst);
    QFETCH(QList<int>, codes);

    QTemporaryDir work;
    const QString saveDir = work.path() + QStringLiteral("/mail");
    TestSupport::PeerProcess smtp;
    QVERIFY(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                       QStringList{QStringLiteral("--user"), QStringLiteral("sender@example.net"),
                                   QStringLiteral("--password"), QStringLiteral("secret"), QStringLiteral("--save-dir"),
                                   saveDir} + serverArgs));
    QVERIFY(writeSettings(work.path(), smtp.port(), QStringLiteral("0")));
    TestSupport::PeerProcess web;
    QVERIFY(web.start(TestSupport::peerScript(QStringLiteral("http_server.py")), {QStringLiteral("--root"), work.path()}));

    const Outbox outbox(m_data.path() + QStringLiteral("/feedback/outbox"));
    QStringList ids;
    for (int i = 0; i < reports; ++i) {
        KeptReport report;
        report.messageId = QStringLiteral("report%1@example.net").arg(i);
        report.body = QStringLiteral("kept report %1").arg(i);
        report.productId = QStringLiteral("1001");
        ids << report.messageId;
        QVERIFY(!outbox.store(report).isEmpty());
    }
    QProcessEnvironment environment = m_environment;
    environment.insert(QStringLiteral("FEEDBACK_DOWNLOAD_BASE"), QStringLiteral("http://127.0.0.1:%1").arg(web.port()));
    for (int round = 0; round < codes.size(); ++round) {
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int i = 0; i < (round == 0 ? together : 1); ++i) {
            runs.push_back(std::make_unique<QProcess>());
            runs.back()->setProcessEnvironment(environment);
            runs.back()->start(m_appDir.path() + QStringLiteral("/feedback"), {QStringLiteral("--send-pending")});
        }
        if (killFirst && round == 0) {
            QVERIFY(smtp.waitForOutput("\"mail_from\""));
#ifdef Q_OS_WIN
            runs.front()->kill(); // TerminateProcess: no chance to clean up either
#else
            ::kill(pid_t(runs.front()->processId()), SIGKILL);
#endif
        }
        for (const auto &run : runs) {
            QVERIFY(run->waitForFinished(60000));
            const QByteArray lines = run->readAllStandardOutput();
            if (codes.at(round) >= 0) {
                QCOMPARE(run->exitCode(), codes.at(round));
                QCOMPARE(lines.count('\n'), reports);
                QVERIFY2(lines.startsWith(codes.at(round) == 0 ? "sent " : "waiting "), lines.constData());
            }
        }
    }
    QVERIFY(outbox.entries().isEmpty());
    QStringList received = messageIds(saveDir);
    received.removeDuplicates();
    received.sort();
    QCOMPARE(received, ids);
    QCOMPARE(messageIds(saveDir).size(), reports + (killFirst ? 1 : 0));
}

void TestE2eProgram::closeWhilePacking_data()
{
    QTest::addColumn<bool>("cancelFirst");
    QTest::newRow("cancelled, then closed at once: nothing kept or sent later") << true;
    QTest::newRow("closed: the program ends without the packing, the report stays a draft") << false;
}

// A crash report with a dump that takes seconds to pack (random bytes).
void TestE2eProgram::closeWhilePacking()
{
    QFETCH(bool, cancelFirst);
    const QString dump = m_appDir.path() + QStringLiteral("/crashcore.dmp");
    const auto removeDump = qScopeGuard([dump] { QFile::remove(dump); });
    QFile file(dump);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < 400; ++i) {
        QRandomGenerator(i).fillRange(reinterpret_cast<quint32 *>(chunk.data()), chunk.size() / 4);
        QCOMPARE(file.write(chunk), qint64(chunk.size()));
    }
    file.close();
    const QString drafts = m_data.path() + QStringLiteral("/feedback/drafts");
    QDir(drafts).removeRecursively();

    auto program = start({QString(), QStringLiteral("C:/Apps/Photo Tool/PhotoTool.exe"), QStringLiteral("-reverse"),
                          QStringLiteral("user@example.com"), QStringLiteral("start@example.net"),
                          QStringLiteral("start"), QString()});
    const quint64 window = waitForWindow(program->processId());
    QVERIFY(window);
    const QRect frame = geometry(window);
    const auto click = [&frame](int x, int y) { clickIn(frame, x, y); };
    click(295, 250);
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("crashed")});
    click(295, 602);
    // Packing: the program has the dump open.
    const auto reading = [&] {
        const QString fds = QStringLiteral("/proc/%1/fd").arg(program->processId());
        for (const QFileInfo &fd : QDir(fds).entryInfoList(QDir::AllEntries | QDir::System))
            if (fd.symLinkTarget() == dump)
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(reading(), 20000);
    if (cancelFirst)
        click(66, 604); // Cancel, at the start of the mirrored row
    click(frame.width() - 560, 22);
    QVERIFY(program->waitForFinished(15000));

    const Outbox outbox(m_data.path() + QStringLiteral("/feedback/outbox"));
    QVERIFY(outbox.entries(Outbox::Listing::WithDamaged).isEmpty());
    QCOMPARE(QDir(drafts).entryList({QStringLiteral("*.json")}, QDir::Files).size(), 1); // what was typed
    auto pending = start({QStringLiteral("--send-pending")});
    QVERIFY(pending->waitForFinished(30000));
    QCOMPARE(pending->exitCode(), 0);
}

QTEST_MAIN(TestE2eProgram)
#include "tst_e2e_program.moc"
