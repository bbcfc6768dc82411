// Submission: the last address check, the waiting view, the result pages and
// their links, whole deliveries against local servers, and closing the window
// while a delivery runs.

#include "cfeedback.h"
#include "keptreports.h"
#include "creportdetails.h"
#include "imgview.h"
#include "pzstylebutton.h"
#include "reportdelivery.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

constexpr int DeliveryTimeoutMs = 60000;

const char *const SuccessText =
    "<p>Your feedback is highly appreciated. We'll handle it soon. <a href = \"rewrite\"><span style=\" underline; "
    "%1\">Provide more feedback>></a></p>";
const char *const NetworkText =
    "<p> Please make sure that your network connection is active, and then <a href = \"try again\"><span style=\" "
    "underline; %1 \">try again</span></a>.</p>";
const char *const OtherText =
    "<p> Please <a href = \"try again\"><span style=\" underline; %1 \">try again</span></a>. If it fails again, "
    "please send an email to <a href = \"%3\"><span style=\" underline; %2\">%3</span></a>.</p>";

QList<QWidget *> inputs(const Ui_CFeedback &ui)
{
    return {ui.lineedit_EmailText, ui.plainTextEdit_Content, ui.comboBox,          ui.comboBox_Android,
            ui.lineEdit_Model,     ui.lineEdit_Brand,        ui.captureButton,     ui.addImage,
            ui.listWidget_Screen,  ui.listWidget_Photo,      ui.CheckBoxAttachDB,  ui.CheckBoxAttachLog};
}

// Sets an environment variable for the lifetime of the object.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value) : m_name(name), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv() { qputenv(m_name, m_old); }

private:
    const char *m_name;
    QByteArray m_old;
};

} // namespace

class TestFeedbackSubmit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void submitCheck_data();
    void submitCheck();
    void submittingView();
    void resultPages_data();
    void resultPages();
    void resultLink_data();
    void resultLink();
    void mailLink_data();
    void mailLink();
    void crashReportSecondSubmissionIsFeedback();
    void delivery_data();
    void delivery();
    void closeWhileSubmitting_data();
    void closeWhileSubmitting();
    void cancelWhileSending();
    void whatIsSent();
    void draftRestoredAndDiscarded();
    void retryReplacesKeptCopy();
    void retryWaitsForTheOtherSend_data();
    void retryWaitsForTheOtherSend();
    void closeWhileScreenshotIsWritten_data();
    void closeWhileScreenshotIsWritten();

private:
    void makeWindow(bool feedbackMode, const QString &userEmail = QString());
    void waitForWorker();
    // A settings document for product 1001 that points at the given SMTP port.
    bool serveSettings(quint16 smtpPort, const QString &password);

    std::unique_ptr<CFeedback> m_window;
    QList<QUrl> m_opened;
    QTemporaryDir m_work;
    QString m_cert;
    QString m_key;
    QString m_webRoot;
};

void TestFeedbackSubmit::initTestCase()
{
    QVERIFY(m_work.isValid());
    QByteArray output;
    QVERIFY2(TestSupport::makeSelfSignedCertificate(m_work.path(), &m_cert, &m_key, &output), output.constData());
    m_webRoot = m_work.path() + QStringLiteral("/www");
}

void TestFeedbackSubmit::init()
{
    WindowTest::cleanAppDir();
    WindowTest::setSkinSettings("{}");
    m_opened.clear();
}

void TestFeedbackSubmit::cleanup()
{
    m_window.reset(); // waits for a worker that may still run
    WindowTest::cleanAppDir();
}

void TestFeedbackSubmit::makeWindow(bool feedbackMode, const QString &userEmail)
{
    m_window = std::make_unique<CFeedback>(feedbackMode, userEmail, QStringLiteral("C:/Apps/Photo Tool/PhotoTool.exe"));
    m_window->seams().urlOpener = [this](const QUrl &url) {
        m_opened << url;
        return true;
    };
    m_window->seams().messageBox = [](const QString &, const QString &) {};
    m_window->keptReports().setResendLauncher([](const MailSettings &) {});
    // Keep failing deliveries short.
    m_window->seams().deliveryHook = [](ReportDelivery &delivery) {
        delivery.setSmtpTimeouts(5000, 5000, 10000);
        delivery.setDownloadTimeout(10000);
    };
}

void TestFeedbackSubmit::waitForWorker()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_window->sendThread() == nullptr, DeliveryTimeoutMs);
}

bool TestFeedbackSubmit::serveSettings(quint16 smtpPort, const QString &password)
{
    QDir().mkpath(m_webRoot + QStringLiteral("/files/public"));
    QByteArray output;
    const int code = TestSupport::runProgram(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(FEEDBACK_MAKE_EMAILINFO), QStringLiteral("--product-id"), QStringLiteral("1001"),
         QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"), QString::number(smtpPort),
         QStringLiteral("--connect-type"), QStringLiteral("1"), QStringLiteral("--sender"),
         QStringLiteral("sender@example.net"), QStringLiteral("--password"), password, QStringLiteral("--receiver"),
         QStringLiteral("support@example.net"), QStringLiteral("--crash-receiver"), QStringLiteral("crash@example.net"),
         QStringLiteral("-o"), m_webRoot + QStringLiteral("/files/public/emailinfo.xml")},
        &output, 30000);
    if (code != 0)
        qWarning() << output;
    return code == 0;
}

void TestFeedbackSubmit::submitCheck_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("submitEnabled");

    QTest::newRow("blanks only") << "   " << false << true;
    QTest::newRow("dotless domain") << "john@localhost" << false << false;
    QTest::newRow("four-letter top level") << "john@example.info" << false << false;
    QTest::newRow("valid with blanks around") << "  john@example.com " << true << true;
}

void TestFeedbackSubmit::submitCheck()
{
    QFETCH(QString, address);
    QFETCH(bool, started);
    QFETCH(bool, submitEnabled);

    makeWindow(true);
    Ui_CFeedback &ui = m_window->form();
    ui.lineedit_EmailText->setText(address);
    QVERIFY(ui.ButtonSubmit->isEnabled());
    ui.ButtonSubmit->click();

    QCOMPARE(m_window->submitState(), started ? 1 : 0);
    QCOMPARE(m_window->sendThread() != nullptr, started);
    QCOMPARE(ui.label_EmailWrong->isHidden(), started);
    QCOMPARE(ui.ButtonSubmit->isEnabled(), submitEnabled);
    if (started) {
        waitForWorker();
        QCOMPARE(m_window->submitState(), 3); // nothing listens for SMTP here
    }
}

void TestFeedbackSubmit::submittingView()
{
    makeWindow(true, QStringLiteral("john@example.com"));
    Ui_CFeedback &ui = m_window->form();
    m_window->show();
    ui.ButtonSubmit->click();

    QCOMPARE(m_window->submitState(), 1);
    QVERIFY(ui.widget_Submit->isHidden());
    QVERIFY(!ui.widget_SubView->isHidden());
    QVERIFY(ui.frame->isHidden());
    QVERIFY(!ui.frameLoading->isHidden());
    QVERIFY(ui.label_SubLoding->movie());
    QCOMPARE(ui.label_SubLoding->movie()->fileName(), m_window->skinPath() + QStringLiteral("/gif/loading.gif"));
    for (QWidget *input : inputs(ui))
        QVERIFY2(!input->isEnabled(), qPrintable(input->objectName()));

    waitForWorker();
    QCOMPARE(m_window->submitState(), 3);
    QVERIFY(ui.frameLoading->isHidden());
    QVERIFY(!ui.frame->isHidden());
    QVERIFY(ui.widget_Submit->isHidden());
    for (QWidget *input : inputs(ui))
        QVERIFY2(!input->isEnabled(), qPrintable(input->objectName()));
}

void TestFeedbackSubmit::resultPages_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("linkColor"); // invalid: default
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("tips");
    QTest::addColumn<QString>("describe");
    QTest::addColumn<bool>("success");

    const QString blue = QStringLiteral("color:#0070c9");
    QTest::newRow("success, default colour")
        << 2 << QColor() << "" << "Submitted Successfully!" << QString::fromLatin1(SuccessText).arg(blue) << true;
    QTest::newRow("success, skin colour")
        << 2 << QColor(QStringLiteral("#AB12CD")) << "" << "Submitted Successfully!"
        << QString::fromLatin1(SuccessText).arg(QStringLiteral("color:#ab12cd")) << true;
    QTest::newRow("network failure") << 3 << QColor() << "to@x.com" << "Failed to submit your feedback."
                                     << QString::fromLatin1(NetworkText).arg(blue) << false;
    QTest::newRow("other failure shows the recipient")
        << 4 << QColor() << "to@x.com" << "Failed for an unknown error!"
        << QString::fromLatin1(OtherText).arg(blue, blue, QStringLiteral("to@x.com")) << false;
    QTest::newRow("other failure, empty recipient")
        << 4 << QColor() << "" << "Failed for an unknown error!"
        << QString::fromLatin1(OtherText).arg(blue, blue, QString()) << false;
    QTest::newRow("other failure, recipient with placeholders stays literal")
        << 4 << QColor() << "%1@x.com" << "Failed for an unknown error!"
        << QString::fromLatin1(OtherText).arg(blue, blue, QStringLiteral("%1@x.com")) << false;
    QTest::newRow("other failure, markup in the recipient is escaped")
        << 4 << QColor() << "a\"b<c>@x.com" << "Failed for an unknown error!"
        << QString::fromLatin1(OtherText).arg(blue, blue, QStringLiteral("a&quot;b&lt;c&gt;@x.com")) << false;
}

void TestFeedbackSubmit::resultPages()
{
    QFETCH(int, state);
    QFETCH(QColor, linkColor);
    QFETCH(QString, recipient);
    QFETCH(QString, tips);
    QFETCH(QString, describe);
    QFETCH(bool, success);

    makeWindow(true);
    m_window->setLaunchInfo(recipient, QString(), QString());
    if (linkColor.isValid())
        m_window->setLinkColor(linkColor);
    Ui_CFeedback &ui = m_window->form();
    if (state == 2)
        emit m_window->SignalSendSuccess();
    else if (state == 3)
        emit m_window->SignalNetWorkFail();
    else
        emit m_window->SignalOtherFail();

    QCOMPARE(m_window->submitState(), state);
    QCOMPARE(ui.label_SubTips->text(), tips);
    QCOMPARE(ui.label_SubDescribe->text(), describe);
    QCOMPARE(ui.label_SubStatus->property("success").toBool(), success);
    QVERIFY(ui.label_SubStatus->property("success").isValid());
    QVERIFY(ui.frameLoading->isHidden());
    QVERIFY(!ui.frame->isHidden());

    // The link the user sees targets the recipient exactly.
    if (state == 4 && !recipient.isEmpty()) {
        emit ui.label_SubDescribe->linkActivated(recipient);
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first().scheme(), QStringLiteral("mailto"));
        QCOMPARE(m_opened.first().path(), recipient);
    }
}

void TestFeedbackSubmit::resultLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("success");     // the page the link is on
    QTest::addColumn<bool>("contentKept");
    QTest::addColumn<int>("screenshots");  // tiles and files afterwards

    QTest::newRow("rewrite after a success: no new screenshot") << "rewrite" << true << false << 0;
    QTest::newRow("try again after a failure: one fresh screenshot") << "try again" << false << true << 1;
}

void TestFeedbackSubmit::resultLink()
{
    QFETCH(QString, link);
    QFETCH(bool, success);
    QFETCH(bool, contentKept);
    QFETCH(int, screenshots);

    makeWindow(true, QStringLiteral("john@example.com"));
    Ui_CFeedback &ui = m_window->form();
    m_window->setLaunchInfo(QString(), QString(), QString());
    QVERIFY(WindowTest::startupScreenshotWritten());
    const QStringList before = WindowTest::screenshotFiles();
    QCOMPARE(ui.listWidget_Screen->count(), 1);
    const QString picture = m_work.path() + QStringLiteral("/linked.png");
    QVERIFY(WindowTest::writePicture(picture, "PNG"));
    m_window->addPicture(picture);
    ui.plainTextEdit_Content->setPlainText(QStringLiteral("first report"));
    ui.CheckBoxAttachDB->setChecked(true);

    m_window->disableInputs();
    if (success)
        emit m_window->SignalSendSuccess();
    else
        emit m_window->SignalNetWorkFail();
    // The start-up file is removed; a fresh one of the same second would replace it.
    if (screenshots > 0)
        QTest::qWait(1100);
    emit ui.label_SubDescribe->linkActivated(link);

    QVERIFY(ui.widget_SubView->isHidden());
    QVERIFY(!ui.widget_Submit->isHidden());
    for (QWidget *input : inputs(ui))
        QVERIFY2(input->isEnabled(), qPrintable(input->objectName()));
    QCOMPARE(ui.plainTextEdit_Content->toPlainText(), contentKept ? QStringLiteral("first report") : QString());
    QCOMPARE(ui.listWidget_Photo->count(), 0);
    QCOMPARE(ui.listWidget_Screen->count(), screenshots);
    QTRY_COMPARE(WindowTest::screenshotFiles().size(), screenshots);
    const QStringList after = WindowTest::screenshotFiles();
    if (screenshots > 0)
        QVERIFY(after.first() != before.first());
    QVERIFY(QFile::exists(picture)); // the user's picture is only referred to
    QCOMPARE(ui.lineedit_EmailText->text(), QStringLiteral("john@example.com"));
    QVERIFY(ui.CheckBoxAttachDB->isChecked());
    QVERIFY(m_opened.isEmpty());
}

void TestFeedbackSubmit::mailLink_data()
{
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("opened"); // empty: nothing opened

    QTest::newRow("recipient") << "to@x.com" << "to@x.com" << "mailto:to@x.com";
    QTest::newRow("support mailbox") << "to@x.com" << "help@support.test" << "mailto:help@support.test";
    QTest::newRow("other address") << "to@x.com" << "else@x.com" << "";
    QTest::newRow("letter case counts") << "to@x.com" << "REWRITE" << "";
}

void TestFeedbackSubmit::mailLink()
{
    QFETCH(QString, recipient);
    QFETCH(QString, link);
    QFETCH(QString, opened);

    makeWindow(true, QStringLiteral("john@example.com"));
    m_window->setLaunchInfo(recipient, QString(), QString());
    m_window->form().ButtonSubmit->click(); // the submitting view; its worker fails at once
    waitForWorker();
    const QString stale = CFeedback::screenshotFolder() + QStringLiteral("/feedback000000000009.png");
    QVERIFY(WindowTest::writePicture(stale, "PNG"));
    emit m_window->SignalOtherFail();
    emit m_window->form().label_SubDescribe->linkActivated(link);

    QCOMPARE(m_opened.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty())
        QCOMPARE(m_opened.first().toString(), opened);
    // The page stays, but the screenshot folder is emptied by every link.
    QVERIFY(m_window->form().widget_Submit->isHidden());
    QVERIFY(!m_window->form().frame->isHidden());
    QCOMPARE(m_window->form().label_SubTips->text(), QStringLiteral("Failed for an unknown error!"));
    QVERIFY(!m_window->form().lineedit_EmailText->isEnabled());
    QVERIFY(!QFile::exists(stale));
    QVERIFY(QDir(CFeedback::screenshotFolder()).exists());
}

void TestFeedbackSubmit::crashReportSecondSubmissionIsFeedback()
{
    makeWindow(false, QStringLiteral("john@example.com"));
    m_window->setLaunchInfo(QString(), QString(), QString());
    QVERIFY(!m_window->reportContext().feedbackMode);
    m_window->form().ButtonSubmit->click();
    waitForWorker();
    QVERIFY(m_window->reportContext().feedbackMode);
    QVERIFY(m_window->reportContext().feedbackMode);
    QCOMPARE(m_window->reportContext().mailSubject, QStringLiteral("PhotoTool for Win Crash Feedback"));

    emit m_window->form().label_SubDescribe->linkActivated(QStringLiteral("try again"));
    m_window->form().ButtonSubmit->click();
    QCOMPARE(m_window->submitState(), 1);
    waitForWorker();
    QVERIFY(m_window->reportContext().feedbackMode);
}

void TestFeedbackSubmit::delivery_data()
{
    QTest::addColumn<QString>("password");    // what the settings document says
    QTest::addColumn<bool>("smtpListening");
    QTest::addColumn<int>("state");

    QTest::newRow("delivered") << "secret" << true << 2;
    QTest::newRow("wrong password") << "guess" << true << 4;
    QTest::newRow("unreachable SMTP") << "secret" << false << 3;
}

void TestFeedbackSubmit::delivery()
{
    QFETCH(QString, password);
    QFETCH(bool, smtpListening);
    QFETCH(int, state);

    static int run = 0;
    const QString saveDir = m_work.path() + QStringLiteral("/mail-") + QString::number(++run);
    QDir().mkpath(saveDir);
    TestSupport::PeerProcess smtp;
    quint16 smtpPort = TestSupport::unusedPort();
    if (smtpListening) {
        QVERIFY2(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                            {QStringLiteral("--mode"), QStringLiteral("tls"), QStringLiteral("--cert"), m_cert,
                             QStringLiteral("--key"), m_key, QStringLiteral("--user"),
                             QStringLiteral("sender@example.net"), QStringLiteral("--password"),
                             QStringLiteral("secret"), QStringLiteral("--save-dir"), saveDir}),
                 qPrintable(smtp.errorText()));
        smtpPort = smtp.port();
    }
    QVERIFY(serveSettings(smtpPort, password));
    TestSupport::PeerProcess web;
    QVERIFY2(web.start(TestSupport::peerScript(QStringLiteral("http_server.py")), {QStringLiteral("--root"), m_webRoot}),
             qPrintable(web.errorText()));

    WindowTest::writeProductInfo(QStringLiteral("1001"), QStringLiteral("Acme"), QStringLiteral("Photo Tool"));
    QDir().mkpath(WindowTest::appDir() + QStringLiteral("/Log"));
    const ScopedEnv download("FEEDBACK_DOWNLOAD_BASE", QByteArray("http://127.0.0.1:") + QByteArray::number(web.port()));
    makeWindow(true, QStringLiteral("user@example.com"));
    m_window->setLaunchInfo(QString(), QStringLiteral("start@example.net"), QStringLiteral("start"));
    Ui_CFeedback &ui = m_window->form();
    const QString comment = QStringLiteral("The export button does nothing.\n.\nQUIT\nStill here.");
    ui.plainTextEdit_Content->setPlainText(comment);
    ui.ButtonSubmit->click();
    QCOMPARE(m_window->submitState(), 1);
    waitForWorker();
    QCOMPARE(m_window->submitState(), state);

    // The settings the delivery used are now the window's.
    QCOMPARE(m_window->mailSettings().smtpPort, QString::number(smtpPort));
    QCOMPARE(m_window->mailSettings().recipientAddress, QStringLiteral("support@example.net"));
    QCOMPARE(m_window->mailSettings().senderAccount, QStringLiteral("sender@example.net"));
    QCOMPARE(m_window->mailSettings().senderPassword, password);
    QCOMPARE(m_window->mailSettings().connectType, QStringLiteral("1"));
    QVERIFY(m_window->reportContext().feedbackMode);

    const QString log = TestSupport::readTextFile(WindowTest::appDir() + QStringLiteral("/Log/feedback.log"));
    QVERIFY2(log.contains(QStringLiteral("Send to Email Start.")), qPrintable(log));

    if (state == 4) // the page names the recipient the settings gave
        QVERIFY2(ui.label_SubDescribe->text().contains(QStringLiteral(">support@example.net</span>")),
                 qPrintable(ui.label_SubDescribe->text()));
    // A failure keeps the report and says so; the mail it would have been
    // can be saved as a file, read back below like a delivered one.
    auto *savedLine = m_window->findChild<QLabel *>(QStringLiteral("label_SubSaved"));
    auto *reference = m_window->findChild<QLabel *>(QStringLiteral("label_SubReference"));
    QCOMPARE(reference->isHidden(), state != 2);
    QCOMPARE(m_window->keptReports().keptEntryId().isEmpty(), state == 2);
    QCOMPARE(savedLine->isHidden(), state == 2);
    QString mail;
    if (state != 2) {
        QVERIFY(QDir(saveDir).entryList(QDir::Files).isEmpty());
        // A place that cannot be written to: the user hears of it, under the product's name.
        mail = m_work.path() + QStringLiteral("/no-such-folder/saved");
        m_window->seams().fileDialog = [&](QWidget *, const QString &, const QString &, const QString &) { return mail; };
        QStringList told;
        m_window->seams().messageBox = [&](const QString &text, const QString &caption) { told << text << caption; };
        emit savedLine->linkActivated(QStringLiteral("save"));
        QTRY_COMPARE_WITH_TIMEOUT(told.size(), 2, 10000);
        QVERIFY2(told.first().contains(QDir::toNativeSeparators(mail + QStringLiteral(".eml"))), qPrintable(told.first()));
        QCOMPARE(told.last(), m_window->reportContext().productName);
        mail = m_work.path() + QStringLiteral("/saved-") + QString::number(run);
        emit savedLine->linkActivated(QStringLiteral("save"));
        mail += QStringLiteral(".eml");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mail), 10000); // written on a worker
    } else {
        QCOMPARE(ui.label_SubTips->text(), QStringLiteral("Submitted Successfully!"));
        QVERIFY(log.contains(QStringLiteral("Send to Email Success.")));
        const QStringList mails = QDir(saveDir).entryList({QStringLiteral("*.eml")}, QDir::Files);
        QCOMPARE(mails.size(), 1);
        mail = saveDir + QLatin1Char('/') + mails.first();
    }

    // Read the mail back with an independent parser; the screenshots come
    // out of their archive (a damaged entry fails its checksum here).
    const char *script = R"PY(
import base64, email, io, json, sys, zipfile
from email import policy
with open(sys.argv[1], 'rb') as f:
    message = email.message_from_binary_file(f, policy=policy.default)
body = message.get_body(preferencelist=('plain',))
shots = {}
for part in message.iter_attachments():
    if part.get_filename() == 'ScreenPicture.zip':
        with zipfile.ZipFile(io.BytesIO(part.get_content())) as archive:
            shots = {name: base64.b64encode(archive.read(name)).decode() for name in archive.namelist()}
print(json.dumps({
    'screenshots': shots,
    'subject': str(message['Subject']),
    'id': str(message['Message-ID']),
    'to': str(message['To']),
    'from': str(message['From']),
    'body': body.get_content() if body else '',
    'attachments': [part.get_filename() for part in message.iter_attachments()],
}))
)PY";
    QByteArray output;
    QCOMPARE(TestSupport::runProgram(QStringLiteral("/usr/bin/python3"),
                                     {QStringLiteral("-c"), QString::fromLatin1(script), mail},
                                     &output, 30000),
             0);
    const QJsonObject parsed = QJsonDocument::fromJson(output).object();
    QVERIFY2(!parsed.isEmpty(), output.constData());
    if (state == 2) // the reference on the page is found in the mail's head
        QVERIFY2(reference->text().contains(ReportDelivery::referenceOf(parsed.value(QStringLiteral("id")).toString())),
                 qPrintable(reference->text()));
    QCOMPARE(parsed.value(QStringLiteral("subject")).toString(), QStringLiteral("PhotoTool Win Feedback"));
    QVERIFY2(parsed.value(QStringLiteral("to")).toString().contains(QStringLiteral("support@example.net")),
             output.constData());
    QVERIFY2(parsed.value(QStringLiteral("from")).toString().contains(QStringLiteral("sender@example.net")),
             output.constData());
    const QString body = parsed.value(QStringLiteral("body")).toString();
    QVERIFY2(body.contains(QStringLiteral("user@example.com")), qPrintable(body));
    QVERIFY2(body.contains(QStringLiteral("The export button does nothing.")), qPrintable(body));
    QVERIFY2(body.contains(QStringLiteral("Still here.")), qPrintable(body));

    // Submitted right after start-up, while the screenshot may still have
    // been written: the whole grab arrives.
    const QJsonObject shots = parsed.value(QStringLiteral("screenshots")).toObject();
    QCOMPARE(shots.size(), 1);
    const QImage shot = QImage::fromData(QByteArray::fromBase64(shots.begin().value().toString().toLatin1()), "PNG");
    QCOMPARE(shot.size(), QGuiApplication::primaryScreen()->size());
}

void TestFeedbackSubmit::closeWhileSubmitting_data()
{
    QTest::addColumn<bool>("destroyAtOnce");

    QTest::newRow("event loop goes on") << false;
    QTest::newRow("window destroyed while the worker runs") << true;
}

void TestFeedbackSubmit::closeWhileSubmitting()
{
    QFETCH(bool, destroyAtOnce);

    // The settings answer late, so the worker is still busy when the window
    // closes; where the program ends at once, later than a slow machine
    // takes to close the window (only the abort ends that wait).
    QTcpServer smtp;
    QVERIFY(smtp.listen(QHostAddress::LocalHost));
    QVERIFY(serveSettings(destroyAtOnce ? smtp.serverPort() : TestSupport::unusedPort(), QStringLiteral("secret")));
    TestSupport::PeerProcess web;
    QVERIFY2(web.start(TestSupport::peerScript(QStringLiteral("http_server.py")),
                       {QStringLiteral("--root"), m_webRoot, QStringLiteral("--delay"),
                        QStringLiteral("/files/public/emailinfo.xml=%1").arg(destroyAtOnce ? 8 : 1.5)}),
             qPrintable(web.errorText()));
    WindowTest::writeProductInfo(QStringLiteral("1001"), QStringLiteral("Acme"), QStringLiteral("Photo Tool"));
    const ScopedEnv download("FEEDBACK_DOWNLOAD_BASE", QByteArray("http://127.0.0.1:") + QByteArray::number(web.port()));

    makeWindow(true, QStringLiteral("user@example.com"));
    const QString pending = CFeedback::screenshotFolder() + QStringLiteral("/feedback000000000010.png");
    QVERIFY(WindowTest::writePicture(pending, "PNG"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->form().ButtonSubmit->click();
    QVERIFY(web.waitForOutput("/files/public/emailinfo.xml"));

    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_window->sendThread());
    QVERIFY2(QFile::exists(pending), "files still in use were removed at close");

    if (destroyAtOnce) {
        QVERIFY(m_window->stopDelivery(2000)); // as the program does once its event loop ends
        m_window.reset(); // its late signals go nowhere
        QVERIFY(!QFile::exists(pending));
        QVERIFY2(!smtp.waitForNewConnection(0), "the delivery went on after the window was gone");
        QTest::qWait(50); // let any stray queued event surface
        return;
    }
    waitForWorker();
    QCOMPARE(m_window->submitState(), 3);
    QVERIFY(!QFile::exists(pending));
    QVERIFY(QDir(CFeedback::screenshotFolder()).exists());
}

// Cancel while a crash report of 30 MB is being sent: the connection goes
// without the final dot, nothing arrives or is kept, the worker ends at once,
// and the form is back as it was before Submit, still a crash report.
void TestFeedbackSubmit::cancelWhileSending()
{
    const QString saveDir = m_work.path() + QStringLiteral("/mail-cancelled");
    TestSupport::PeerProcess smtp;
    QVERIFY2(smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")),
                        {QStringLiteral("--mode"), QStringLiteral("tls"), QStringLiteral("--cert"), m_cert,
                         QStringLiteral("--key"), m_key, QStringLiteral("--user"), QStringLiteral("sender@example.net"),
                         QStringLiteral("--password"), QStringLiteral("secret"), QStringLiteral("--save-dir"), saveDir,
                         QStringLiteral("--throttle"), QStringLiteral("10000000")}),
             qPrintable(smtp.errorText()));
    QVERIFY(serveSettings(smtp.port(), QStringLiteral("secret")));
    TestSupport::PeerProcess web;
    QVERIFY2(web.start(TestSupport::peerScript(QStringLiteral("http_server.py")), {QStringLiteral("--root"), m_webRoot}),
             qPrintable(web.errorText()));
    WindowTest::writeProductInfo(QStringLiteral("1001"), QStringLiteral("Acme"), QStringLiteral("Photo Tool"));
    QByteArray log(30000000, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(log.data()), log.size() / 4);
    QVERIFY(TestSupport::writeFile(WindowTest::appDir() + QStringLiteral("/Log/big.log"), log));
    const ScopedEnv download("FEEDBACK_DOWNLOAD_BASE", QByteArray("http://127.0.0.1:") + QByteArray::number(web.port()));

    makeWindow(false, QStringLiteral("user@example.com"));
    m_window->setLaunchInfo(QString(), QStringLiteral("start@example.net"), QStringLiteral("start"));
    Ui_CFeedback &ui = m_window->form();
    ui.plainTextEdit_Content->setPlainText(QStringLiteral("It crashed while exporting."));
    ui.CheckBoxAttachDB->setChecked(true);
    const QString picture = m_work.path() + QStringLiteral("/cancel.png");
    QVERIFY(WindowTest::writePicture(picture, "PNG"));
    for (int i = 0; i < 3; ++i) // a full list: its button is off
        m_window->addPicture(picture);
    QVERIFY(WindowTest::startupScreenshotWritten());
    const QStringList screenshots = WindowTest::screenshotFiles();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QList<bool> enabled;
    for (QWidget *input : inputs(ui))
        enabled << input->isEnabled();
    QVERIFY(enabled.contains(false));

    ui.ButtonSubmit->click();
    auto *progress = m_window->findChild<QProgressBar *>(QStringLiteral("progressBar_Send"));
    QTRY_VERIFY_WITH_TIMEOUT(progress->isVisible(), DeliveryTimeoutMs);
    emit m_window->findChild<QLabel *>(QStringLiteral("label_SubCancel"))->linkActivated(QStringLiteral("cancel"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->sendThread(), 1000);

    QCOMPARE(m_window->submitState(), 0);
    QVERIFY(ui.widget_SubView->isHidden() && !ui.widget_Submit->isHidden());
    QVERIFY(!m_window->reportContext().feedbackMode);
    QList<bool> after;
    for (QWidget *input : inputs(ui))
        after << input->isEnabled();
    QCOMPARE(after, enabled);
    QCOMPARE(ui.plainTextEdit_Content->toPlainText(), QStringLiteral("It crashed while exporting."));
    QVERIFY(ui.CheckBoxAttachDB->isChecked());
    QCOMPARE(ui.listWidget_Photo->count(), 3);
    QCOMPARE(ui.listWidget_Screen->count(), 1);
    QCOMPARE(WindowTest::screenshotFiles(), screenshots);
    QVERIFY(Outbox().entries().isEmpty());
    QTest::qWait(500); // time for a message the server took to show
    QVERIFY2(!smtp.output().contains("mail_from"), smtp.output().constData());
}

// The link opens the details without waiting for them; they fill in with the
// text and files as the delivery would send them, and the size line warns
// about database files too large to send as soon as their box is ticked.
void TestFeedbackSubmit::whatIsSent()
{
    QVERIFY(TestSupport::writeFile(WindowTest::appDir() + QStringLiteral("/Log/app.log"), "started"));
    QByteArray database(16000000, Qt::Uninitialized);
    QRandomGenerator(9).fillRange(reinterpret_cast<quint32 *>(database.data()), database.size() / 4);
    QVERIFY(TestSupport::writeFile(WindowTest::appDir() + QStringLiteral("/parvane_db/main.db"), database));
    makeWindow(true, QStringLiteral("user@example.com"));
    m_window->setLaunchInfo(QString(), QString(), QString());
    m_window->form().plainTextEdit_Content->setPlainText(QStringLiteral("shown before it is sent"));
    m_window->show();
    emit m_window->findChild<QLabel *>(QStringLiteral("label_WhatIsSent"))->linkActivated(QStringLiteral("details"));
    auto *details = m_window->findChild<CReportDetails *>();
    QVERIFY(details && details->isVisible());
    auto *text = details->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit_ReportText"));
    QTRY_VERIFY(text->toPlainText().endsWith(QStringLiteral("shown before it is sent")));
    const auto *files = details->findChild<QTreeWidget *>(QStringLiteral("treeWidget_Files"));
    QTRY_VERIFY(!files->findItems(QStringLiteral("app.log"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    QVERIFY(files->findItems(QStringLiteral("main.db"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());

    auto *sizeLine = m_window->findChild<QLabel *>(QStringLiteral("label_SendSize"));
    QTRY_VERIFY(!sizeLine->text().isEmpty());
    QVERIFY(!sizeLine->property("warning").toBool());
    m_window->form().CheckBoxAttachDB->setChecked(true);
    QTRY_VERIFY_WITH_TIMEOUT(sizeLine->property("warning").toBool(), 10000);
    QTRY_VERIFY(!files->findItems(QStringLiteral("main.db"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());

    // What the logs hold that may be private is counted; ticking "mask"
    // makes the report mask it and say so in a note.
    QVERIFY(TestSupport::writeFile(WindowTest::appDir() + QStringLiteral("/Log/mail.log"),
                                   "from bob@example.org and ann@example.org token=abc\n"));
    m_window->form().CheckBoxAttachDB->setChecked(false);
    auto *findings = details->findChild<QLabel *>(QStringLiteral("label_LogFindings"));
    QTRY_VERIFY_WITH_TIMEOUT(findings->text().contains(QStringLiteral("2 e-mail address")), 10000);
    QVERIFY(findings->text().contains(QStringLiteral("1 value")));
    auto *mask = details->findChild<QCheckBox *>(QStringLiteral("checkBox_MaskLogs"));
    QVERIFY(mask->isVisible() && !mask->isChecked());
    QVERIFY(!m_window->reportForm().maskLogs);
    mask->click();
    QVERIFY(m_window->reportForm().maskLogs);
    QTRY_VERIFY(!files->findItems(QStringLiteral("masked.txt"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
}

// Typed and closed: the next start for the same product and mode restores
// text and pictures with a note; its link discards the draft.
void TestFeedbackSubmit::draftRestoredAndDiscarded()
{
    const QString picture = m_work.path() + QStringLiteral("/draft.png");
    QVERIFY(WindowTest::writePicture(picture, "PNG"));
    makeWindow(true, QStringLiteral("user@example.com"));
    m_window->setLaunchInfo(QString(), QString(), QString());
    m_window->form().plainTextEdit_Content->setPlainText(QStringLiteral("half-written report"));
    m_window->form().lineEdit_Brand->setText(QStringLiteral("Acme"));
    m_window->addPicture(picture);
    // An edited picture is a copy that goes with the window: the draft keeps it.
    const QString mine = m_work.path() + QStringLiteral("/mine.png");
    QVERIFY(WindowTest::writePicture(mine, "PNG", 200, 100));
    const QByteArray original = TestSupport::readFile(mine);
    m_window->addPicture(mine);
    m_window->editPicture(mine);
    QVERIFY(WindowTest::hideAreaInEditor(m_window.get()));
    QVERIFY(m_window->reportForm().photoPaths.value(1) != mine);
    QVERIFY(m_window->close());
    QVERIFY(WindowTest::screenshotFiles().isEmpty());

    for (const bool discard : {false, true}) {
        makeWindow(true, QStringLiteral("user@example.com"));
        m_window->setLaunchInfo(QString(), QString(), QString());
        Ui_CFeedback &ui = m_window->form();
        auto *note = m_window->findChild<QLabel *>(QStringLiteral("label_DraftNote"));
        QCOMPARE(ui.plainTextEdit_Content->toPlainText(), discard ? QString() : QStringLiteral("half-written report"));
        QCOMPARE(ui.lineEdit_Brand->text(), discard ? QString() : QStringLiteral("Acme"));
        QCOMPARE(ui.listWidget_Photo->count(), discard ? 0 : 2);
        if (!discard) {
            const QStringList pictures = m_window->reportForm().photoPaths;
            QCOMPARE(pictures.value(0), picture);
            QCOMPARE(QFileInfo(pictures.value(1)).fileName(), QStringLiteral("mine.png"));
            QVERIFY(pictures.value(1) != mine);
            QCOMPARE(QImage(pictures.value(1)).pixel(30, 25), qRgb(0, 0, 0));
            // The note in the log archive still counts the area.
            QCOMPARE(m_window->reportForm().hiddenAreas, 1);
        }
        QCOMPARE(TestSupport::readFile(mine), original);
        QCOMPARE(ui.listWidget_Screen->count(), 1);
        QVERIFY(WindowTest::startupScreenshotWritten());
        QCOMPARE(note->isHidden(), discard);
        if (!discard)
            emit note->linkActivated(QStringLiteral("discard"));
        QVERIFY(ui.plainTextEdit_Content->toPlainText().isEmpty());
        QVERIFY(note->isHidden());
        QVERIFY(m_window->close());
    }
}

// "try again" makes a new report; once that one is kept, the copy it
// replaces is gone, so the user's retry never yields two mails.
void TestFeedbackSubmit::retryReplacesKeptCopy()
{
    makeWindow(true, QStringLiteral("john@example.com"));
    m_window->setLaunchInfo(QString(), QStringLiteral("start@example.net"), QString());
    QStringList kept;
    for (int attempt = 0; attempt < 2; ++attempt) {
        m_window->form().ButtonSubmit->click(); // nothing listens for SMTP here
        waitForWorker();
        kept << m_window->keptReports().keptEntryId();
        emit m_window->form().label_SubDescribe->linkActivated(QStringLiteral("try again"));
    }
    QVERIFY(!kept.contains(QString()) && kept.first() != kept.last());
    QCOMPARE(Outbox().entries().size(), 1);
    QCOMPARE(Outbox().entries().first().id, kept.last());
}

void TestFeedbackSubmit::retryWaitsForTheOtherSend_data()
{
    QTest::addColumn<bool>("otherSent");
    QTest::newRow("the other send got it accepted: success, no mail of its own") << true;
    QTest::newRow("the other send failed: the retry goes under the kept Message-ID") << false;
}

// "try again" while another process holds the kept copy (a background
// resend): the window waits for that send instead of starting a second mail.
void TestFeedbackSubmit::retryWaitsForTheOtherSend()
{
    QFETCH(bool, otherSent);
    makeWindow(true, QStringLiteral("john@example.com"));
    m_window->setLaunchInfo(QString(), QStringLiteral("start@example.net"), QString());
    m_window->form().ButtonSubmit->click(); // nothing listens for SMTP here
    waitForWorker();
    const QString kept = m_window->keptReports().keptEntryId();
    QVERIFY(!kept.isEmpty());
    const QString messageId = Outbox().entries().first().report.messageId;

    std::unique_ptr<QLockFile> other = Outbox().tryLock(kept);
    QVERIFY(other);
    emit m_window->form().label_SubDescribe->linkActivated(QStringLiteral("try again"));
    m_window->form().ButtonSubmit->click();
    auto *step = m_window->findChild<QLabel *>(QStringLiteral("label_SubStep"));
    QTRY_VERIFY(step->text().startsWith(QStringLiteral("Waiting")));
    QCOMPARE(m_window->submitState(), 1);
    if (otherSent)
        Outbox().removeLocked(kept, true);
    other.reset();
    waitForWorker();

    // A send of its own would have failed here (no server).
    QCOMPARE(m_window->submitState(), otherSent ? 2 : 3);
    const QList<OutboxEntry> entries = Outbox().entries();
    QCOMPARE(entries.size(), otherSent ? 0 : 1);
    if (!otherSent) {
        QVERIFY(entries.first().id != kept);
        QCOMPARE(entries.first().report.messageId, messageId);
    }
}

void TestFeedbackSubmit::closeWhileScreenshotIsWritten_data()
{
    QTest::addColumn<bool>("painted"); // the save has begun, or waits for the first paint
    QTest::addColumn<bool>("destroyAtOnce");

    QTest::newRow("closed before the first paint") << false << true;
    QTest::newRow("closed while writing, event loop goes on") << true << false;
    QTest::newRow("closed while writing, window destroyed at once") << true << true;
}

void TestFeedbackSubmit::closeWhileScreenshotIsWritten()
{
    QFETCH(bool, painted);
    QFETCH(bool, destroyAtOnce);

    // A busy screen takes a while to encode.
    QImage noise(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x)
            line[x] = QRandomGenerator::global()->generate();
    }
    QLabel cover;
    cover.setWindowFlags(Qt::FramelessWindowHint);
    cover.setPixmap(QPixmap::fromImage(noise));
    cover.setGeometry(QGuiApplication::primaryScreen()->geometry());
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));

    makeWindow(true, QStringLiteral("user@example.com"));
    m_window->setLaunchInfo(QString(), QString(), QString());
    m_window->show();
    if (painted) { // the first paint lets the save begin; the noise keeps it busy
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTest::qWait(50);
    }
    QVERIFY(m_window->close());
    if (!destroyAtOnce)
        QTest::qWait(100);
    m_window.reset(); // waits for a save still running
    QVERIFY2(QDir(CFeedback::screenshotFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty(),
             qPrintable(WindowTest::screenshotFiles().join(QLatin1Char(' '))));
}

QTEST_MAIN(TestFeedbackSubmit)
#include "tst_feedback_submit.moc"
