// Window set-up: product information, modes, skin switches, version lists,
// and the corner radius.

#include "cfeedback.h"
#include "firstpaintsteps.h"
#include "pzstylebutton.h"
#include "pzstylewidgettitle.h"
#include "skinconfig.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QStringList comboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

std::unique_ptr<CFeedback> makeWindow(bool feedbackMode = true, const QString &userEmail = QString(),
                                      const QString &hostPath = QStringLiteral("C:/Apps/PhotoTool.exe"))
{
    return std::make_unique<CFeedback>(feedbackMode, userEmail, hostPath);
}

} // namespace

class TestFeedbackSetup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void productName_data();
    void productName();
    void mailIdentity_data();
    void mailIdentity();
    void productInfo_data();
    void productInfo();
    void initialStates_data();
    void initialStates();
    void skinSwitches_data();
    void skinSwitches();
    void versionListViews();
    void loadVersionLists_data();
    void loadVersionLists();
    void downloadedVersionLists_data();
    void downloadedVersionLists();
    void radiusPublishedOnFirstPolish();
    void settingsReplyIsApplied();
    void activationMessage_data();
    void activationMessage();
    void stepsFollowTheFirstPaint_data();
    void stepsFollowTheFirstPaint();
};

void TestFeedbackSetup::init()
{
    WindowTest::cleanAppDir();
    WindowTest::setSkinSettings("{}");
}

void TestFeedbackSetup::cleanup()
{
    qApp->setStyleSheet(QString());
    qApp->setProperty("dlgRadius", QVariant());
    WindowTest::cleanAppDir();
}

void TestFeedbackSetup::productName_data()
{
    QTest::addColumn<QString>("hostPath");
    QTest::addColumn<QString>("name");

    QTest::newRow("blank in folder") << "C:/Apps/Photo Tool/PhotoTool.exe" << "PhotoTool";
    QTest::newRow("dots in folder and name") << "C:/Apps/Tool.beta/Tool.Pro.exe" << "Tool";
    QTest::newRow("backslashes, no dot") << "C:\\Apps\\Tool\\Tool" << "C:\\Apps\\Tool\\Tool";
    QTest::newRow("backslashes with dot") << "C:\\Apps\\Tool.exe" << "C:\\Apps\\Tool";
    QTest::newRow("no dot after slash") << "/opt/tool/Tool" << "Tool";
    QTest::newRow("trailing slash") << "C:/Apps/" << "";
    QTest::newRow("empty") << "" << "";
}

void TestFeedbackSetup::productName()
{
    QFETCH(QString, hostPath);
    QFETCH(QString, name);

    QCOMPARE(CFeedback::productNameFromPath(hostPath), name);
    const auto window = makeWindow(true, QString(), hostPath);
    QCOMPARE(window->reportContext().productName, name);
    QCOMPARE(window->reportContext().productName, name);
}

void TestFeedbackSetup::mailIdentity_data()
{
    QTest::addColumn<bool>("feedbackMode");
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("recipientName");
    QTest::addColumn<QString>("recipientAfter");

    QTest::newRow("feedback, no recipient stays empty")
        << true << "" << "PhotoTool Win Feedback" << "support" << "";
    QTest::newRow("feedback, recipient kept")
        << true << "a@b.com" << "PhotoTool Win Feedback" << "support" << "a@b.com";
    QTest::newRow("crash, empty recipient gets the support mailbox")
        << false << "" << "PhotoTool for Win Crash Feedback" << "feedback" << "help@support.test";
    QTest::newRow("crash, recipient kept")
        << false << "x@y.org" << "PhotoTool for Win Crash Feedback" << "feedback" << "x@y.org";
}

void TestFeedbackSetup::mailIdentity()
{
    QFETCH(bool, feedbackMode);
    QFETCH(QString, recipient);
    QFETCH(QString, subject);
    QFETCH(QString, recipientName);
    QFETCH(QString, recipientAfter);

    const auto window = makeWindow(feedbackMode, QString(), QStringLiteral("C:/Apps/Photo Tool/PhotoTool.exe"));
    window->setLaunchInfo(recipient, QStringLiteral("sender@x.com"), QStringLiteral("pw"));
    QCOMPARE(window->reportContext().mailSubject, subject);
    QCOMPARE(window->reportContext().recipientName, recipientName);
    QCOMPARE(window->mailSettings().recipientAddress, recipientAfter);

    const MailSettings settings = window->mailSettings();
    QCOMPARE(settings.recipientAddress, recipientAfter);
    QCOMPARE(settings.senderAccount, QStringLiteral("sender@x.com"));
    QCOMPARE(settings.senderPassword, QStringLiteral("pw"));
    QCOMPARE(settings.smtpHost, QStringLiteral("127.0.0.1"));
    QCOMPARE(settings.smtpPort, QStringLiteral("465"));
    QVERIFY(settings.connectType.isEmpty());

    const ReportContext context = window->reportContext();
    QCOMPARE(context.mailSubject, subject);
    QCOMPARE(context.recipientName, recipientName);
    QCOMPARE(context.feedbackMode, feedbackMode);
    QCOMPARE(context.appDir, QCoreApplication::applicationDirPath());
}

void TestFeedbackSetup::productInfo_data()
{
    QTest::addColumn<QByteArray>("xml"); // empty: no file
    QTest::addColumn<QString>("productId");
    QTest::addColumn<QString>("brand");
    QTest::addColumn<QString>("category");

    QTest::newRow("complete")
        << QByteArray("<info><PZ_APP_NAME>Photo Tool</PZ_APP_NAME><PZ_BRANDNAME>Acme</PZ_BRANDNAME>"
                      "<PZ_PID>1001</PZ_PID></info>")
        << "1001" << "Acme" << "Acme Photo Tool (Windows version)";
    QTest::newRow("first of two elements wins")
        << QByteArray("<info><PZ_PID>7</PZ_PID><PZ_PID>8</PZ_PID></info>") << "7" << "" << "  (Windows version)";
    QTest::newRow("nested element is not a key")
        << QByteArray("<info><group><PZ_PID>7</PZ_PID></group></info>") << "" << "" << "  (Windows version)";
    QTest::newRow("not well-formed")
        << QByteArray("<info><PZ_PID>7</PZ_PID>") << "" << "" << "  (Windows version)";
    QTest::newRow("no file") << QByteArray() << "" << "" << "  (Windows version)";
}

void TestFeedbackSetup::productInfo()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, productId);
    QFETCH(QString, brand);
    QFETCH(QString, category);

    if (!xml.isEmpty())
        QVERIFY(TestSupport::writeFile(WindowTest::appDir() + QStringLiteral("/productinfo.xml"), xml));
    const auto window = makeWindow();
    QCOMPARE(window->reportContext().productId, productId);
    QCOMPARE(window->brandName(), brand);
    QCOMPARE(window->reportContext().productId, productId);
    // Analytics is set up once the event loop runs.
    const auto hit = [&] { return window->analytics().hitUrlText(QStringLiteral("A")); };
    QTRY_VERIFY2(hit().contains(QStringLiteral("&ec=") + category + QStringLiteral("&ea=A")), qPrintable(hit()));
    QVERIFY(hit().startsWith(QStringLiteral("http://127.0.0.1:1/collect?")));
}

void TestFeedbackSetup::initialStates_data()
{
    QTest::addColumn<bool>("feedbackMode");
    QTest::addColumn<QString>("userEmail");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("placeholder");

    QTest::newRow("feedback without address")
        << true << "" << "Feedback" << "Write your comments, suggestions, or questions here...";
    QTest::newRow("crash with address") << false << "me@mail.com" << "Crash Report"
                                        << "Please tell us how you were using the program when it crashed.";
}

void TestFeedbackSetup::initialStates()
{
    QFETCH(bool, feedbackMode);
    QFETCH(QString, userEmail);
    QFETCH(QString, title);
    QFETCH(QString, placeholder);

    const auto window = makeWindow(feedbackMode, userEmail);
    Ui_CFeedback &ui = window->form();
    QCOMPARE(window->reportContext().feedbackMode, feedbackMode);
    QCOMPARE(window->submitState(), 0);
    QVERIFY(!window->sendThread());
    QCOMPARE(window->contentsMargins(), QMargins(5, 5, 5, 5));
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window->size(), QSize(590, 645));
    QCOMPARE(window->minimumSize(), window->maximumSize());

    QVERIFY(ui.label_EmailWrong->isHidden());
    QVERIFY(ui.widget_SubView->isHidden());
    QCOMPARE(ui.ButtonSubmit->isEnabled(), !userEmail.isEmpty());
    QCOMPARE(ui.ButtonSubmit->text(), QStringLiteral("Submit"));
    QCOMPARE(ui.lineedit_EmailText->text(), userEmail);
    QCOMPARE(ui.lineedit_EmailText->maxLength(), 128);
    QCOMPARE(ui.widget_guide->findChild<QLabel *>(QStringLiteral("label_title"))->text(), title);
    QVERIFY(ui.widget_guide->isMovable());
    QCOMPARE(ui.plainTextEdit_Content->placeholderText(), placeholder);
    QCOMPARE(ui.plainTextEdit_Content->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QVERIFY(ui.CheckBoxAttachLog->isChecked());
    QVERIFY(!ui.CheckBoxAttachDB->isChecked());
    // Tab reaches them; a click does not take the focus.
    QCOMPARE(ui.captureButton->focusPolicy(), Qt::TabFocus);
    QCOMPARE(ui.addImage->focusPolicy(), Qt::TabFocus);
    QCOMPARE(ui.ButtonSubmit->focusPolicy(), Qt::TabFocus);
    QCOMPARE(ui.horizontalLayout->spacing(), 6);
    QCOMPARE(ui.horizontalLayout_2->spacing(), 6);
    QCOMPARE(ui.horizontalLayout_6->spacing(), 2);
    QCOMPARE(ui.horizontalLayout_7->spacing(), 2);
    QCOMPARE(ui.lineEdit_Brand->placeholderText(), QStringLiteral("Mobile Phone Brand"));
    QCOMPARE(ui.lineEdit_Model->placeholderText(), QStringLiteral("Phone Model"));
    QCOMPARE(ui.LabelTitle->text(),
             QStringLiteral("Please provide as much detail as you can. That will help us quickly and "
                            "correctly understand the problem you met."));
    QVERIFY(ui.LabelTitle->wordWrap());
    QCOMPARE(ui.label_Screen->text(), QStringLiteral("Screen capture:"));
    QCOMPARE(ui.label_addPicture->text(), QStringLiteral("Attach pictures:"));
    QCOMPARE(ui.WindowVersion->frameShape(), QFrame::Box);
    QCOMPARE(ui.iTunesVersion->frameShape(), QFrame::Box);
    QCOMPARE(ui.label_System->frameShape(), QFrame::Box);
    QCOMPARE(ui.WindowVersion->text(), ui.label_System->text());
    for (QListWidget *list : {ui.listWidget_Screen, ui.listWidget_Photo}) {
        QCOMPARE(list->viewMode(), QListView::IconMode);
        QCOMPARE(list->iconSize(), QSize(52, 41));
        QCOMPARE(list->spacing(), 5);
        QCOMPARE(list->movement(), QListView::Static);
        QCOMPARE(list->frameShape(), QFrame::NoFrame);
        QCOMPARE(list->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(window->mailSettings().smtpPort, QStringLiteral("465"));
    QCOMPARE(window->mailSettings().smtpHost, QStringLiteral("127.0.0.1"));
    QCOMPARE(window->linkColor(), QColor(QStringLiteral("#0070c9")));
    QCOMPARE(window->skinPath(), SkinConfig::instance().skinDirectory());
}

void TestFeedbackSetup::skinSwitches_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<int>("contentHeight"); // 0: not fixed
    QTest::addColumn<bool>("deviceBlock");
    QTest::addColumn<bool>("iosRow");
    QTest::addColumn<bool>("androidRow");
    QTest::addColumn<bool>("databaseRow");
    QTest::addColumn<QStringList>("iosItems");
    QTest::addColumn<QStringList>("androidItems");
    QTest::addColumn<bool>("systemIsIos");
    QTest::addColumn<bool>("showVersion");

    const QStringList none;
    QTest::newRow("empty settings") << QByteArray("{}") << QSize(590, 645) << 0 << true << true << true << true
                                    << none << none << true << true;
    QTest::newRow("NeedDB false alone keeps the size")
        << QByteArray(R"({"NeedDB": false})") << QSize(590, 645) << 0 << true << true << true << false << none
        << none << true << true;
    QTest::newRow("ShowVersion false, NeedDB false")
        << QByteArray(R"({"ShowVersion": false, "NeedDB": false})") << QSize(590, 585) << 145 << false << true
        << true << false << none << none << true << false;
    QTest::newRow("ShowVersion false, NeedDB default")
        << QByteArray(R"({"ShowVersion": false})") << QSize(590, 605) << 145 << false << true << true << true
        << none << none << true << false;
    QTest::newRow("ShowVersion false ignores System")
        << QByteArray(R"({"ShowVersion": false, "System": false, "Android Version:": ["14"]})") << QSize(590, 605)
        << 145 << false << true << true << true << none << none << true << false;
    QTest::newRow("iOS with versions")
        << QByteArray(R"({"System": true, "iOS Version:": ["17", "16"]})") << QSize(590, 645) << 145 << true
        << true << false << true << QStringList{"iOS Version:", "17", "16"} << none << true << true;
    QTest::newRow("iOS, non-text element gives an empty entry")
        << QByteArray(R"({"System": true, "iOS Version:": [17, "16"]})") << QSize(590, 645) << 145 << true << true
        << false << true << QStringList{"iOS Version:", "", "16"} << none << true << true;
    QTest::newRow("Android with versions")
        << QByteArray(R"({"System": false, "Android Version:": ["14", "13"], "iOS Version:": ["17"]})")
        << QSize(590, 645) << 0 << true << false << true << true << none
        << QStringList{"Android Version:", "14", "13"} << false << true;
    QTest::newRow("System as text false is Android")
        << QByteArray(R"({"System": "false"})") << QSize(590, 645) << 0 << true << false << true << true << none
        << none << false << true;
    QTest::newRow("System as number 0 is Android")
        << QByteArray(R"({"System": 0})") << QSize(590, 645) << 0 << true << false << true << true << none << none
        << false << true;
    QTest::newRow("System as text yes is iOS")
        << QByteArray(R"({"System": "yes"})") << QSize(590, 645) << 145 << true << true << false << true << none
        << none << true << true;
    QTest::newRow("iOS and NeedDB false")
        << QByteArray(R"({"System": true, "NeedDB": false})") << QSize(590, 615) << 145 << true << true << false
        << false << none << none << true << true;
    QTest::newRow("ShowVersion true goes on to System")
        << QByteArray(R"({"ShowVersion": true, "System": false, "NeedDB": false})") << QSize(590, 615) << 0
        << true << false << true << false << none << none << false << true;
    QTest::newRow("versions without System are not listed")
        << QByteArray(R"({"iOS Version:": ["17"]})") << QSize(590, 645) << 0 << true << true << true << true
        << none << none << true << true;
    QTest::newRow("root array is no settings")
        << QByteArray(R"([{"System": false}])") << QSize(590, 645) << 0 << true << true << true << true << none
        << none << true << true;
}

void TestFeedbackSetup::skinSwitches()
{
    QFETCH(QByteArray, json);
    QFETCH(QSize, windowSize);
    QFETCH(int, contentHeight);
    QFETCH(bool, deviceBlock);
    QFETCH(bool, iosRow);
    QFETCH(bool, androidRow);
    QFETCH(bool, databaseRow);
    QFETCH(QStringList, iosItems);
    QFETCH(QStringList, androidItems);
    QFETCH(bool, systemIsIos);
    QFETCH(bool, showVersion);

    WindowTest::setSkinSettings(json);
    const auto window = makeWindow();
    const Ui_CFeedback &ui = window->form();

    QCOMPARE(window->minimumSize(), windowSize);
    QCOMPARE(window->maximumSize(), windowSize);
    QCOMPARE(window->size(), windowSize);
    if (contentHeight > 0) {
        QCOMPARE(ui.plainTextEdit_Content->minimumHeight(), contentHeight);
        QCOMPARE(ui.plainTextEdit_Content->maximumHeight(), contentHeight);
    } else {
        QCOMPARE(ui.plainTextEdit_Content->minimumHeight(), 100);
    }
    QCOMPARE(!ui.widget->isHidden(), deviceBlock);
    QCOMPARE(!ui.comboBox->isHidden(), iosRow);
    QCOMPARE(!ui.WindowVersion->isHidden(), iosRow);
    QCOMPARE(!ui.iTunesVersion->isHidden(), iosRow);
    QCOMPARE(!ui.comboBox_Android->isHidden(), androidRow);
    QCOMPARE(!ui.label_System->isHidden(), androidRow);
    QCOMPARE(!ui.lineEdit_Brand->isHidden(), androidRow);
    QCOMPARE(!ui.lineEdit_Model->isHidden(), androidRow);
    QCOMPARE(!ui.CheckBoxAttachDB->isHidden(), databaseRow);
    QCOMPARE(!ui.label_AddDbFiles->isHidden(), databaseRow);
    QCOMPARE(!ui.label_Note->isHidden(), databaseRow);
    QCOMPARE(comboItems(ui.comboBox), iosItems);
    QCOMPARE(comboItems(ui.comboBox_Android), androidItems);
    QCOMPARE(window->reportContext().systemIsIos, systemIsIos);
    QCOMPARE(window->reportContext().showVersion, showVersion);
    QCOMPARE(window->reportContext().systemIsIos, systemIsIos);
    QCOMPARE(window->reportContext().showVersion, showVersion);

    if (windowSize.height() != 645) {
        const QSize main(580, windowSize.height() - 45);
        QCOMPARE(ui.widget_mian->minimumSize(), main);
        QCOMPARE(ui.widget_mian->maximumSize(), main);
    }
}

void TestFeedbackSetup::versionListViews()
{
    const auto window = makeWindow();
    const Ui_CFeedback &ui = window->form();
    auto *iosView = qobject_cast<QListWidget *>(ui.comboBox->view());
    auto *androidView = qobject_cast<QListWidget *>(ui.comboBox_Android->view());
    QVERIFY(iosView);
    QVERIFY(androidView);
    QCOMPARE(iosView->objectName(), QStringLiteral("iosVersion"));
    QCOMPARE(androidView->objectName(), QStringLiteral("AndroidVersion"));
    QCOMPARE(ui.comboBox->model(), iosView->model());
    QCOMPARE(ui.comboBox_Android->model(), androidView->model());
}

void TestFeedbackSetup::loadVersionLists_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("iosItems");
    QTest::addColumn<QStringList>("androidItems");

    const QStringList localIos{"iOS Version:", "17", "16"};
    const QStringList none;
    QTest::newRow("both lists replaced")
        << QByteArray(R"({"iOS Version:": ["18"], "Android Version:": ["15", "14"]})") << QStringList{"iOS Version:", "18"}
        << QStringList{"Android Version:", "15", "14"};
    QTest::newRow("only Android") << QByteArray(R"({"Android Version:": ["15"]})") << localIos
                                  << QStringList{"Android Version:", "15"};
    QTest::newRow("empty array leaves the caption") << QByteArray(R"({"iOS Version:": []})")
                                                    << QStringList{"iOS Version:"} << none;
    QTest::newRow("malformed changes nothing") << QByteArray(R"({"iOS Version:": ["18"])") << localIos << none;
    QTest::newRow("empty body changes nothing") << QByteArray() << localIos << none;
    QTest::newRow("root array changes nothing") << QByteArray(R"([1, 2])") << localIos << none;
}

void TestFeedbackSetup::loadVersionLists()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, iosItems);
    QFETCH(QStringList, androidItems);

    WindowTest::setSkinSettings(R"({"System": true, "iOS Version:": ["17", "16"]})");
    const auto window = makeWindow();
    window->SlotGetStr(json);
    QCOMPARE(comboItems(window->form().comboBox), iosItems);
    QCOMPARE(comboItems(window->form().comboBox_Android), androidItems);
    // Rows hidden by the switches stay hidden.
    QVERIFY(window->form().comboBox_Android->isHidden());
}

void TestFeedbackSetup::downloadedVersionLists_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QStringList>("iosItems");

    QTest::newRow("document replaces the local list")
        << QByteArray(R"({"iOS Version:": ["18", "17"]})") << QStringList{"iOS Version:", "18", "17"};
    QTest::newRow("malformed document leaves the local list")
        << QByteArray(R"({"iOS Version:": )") << QStringList{"iOS Version:", "16"};
}

void TestFeedbackSetup::downloadedVersionLists()
{
    QFETCH(QByteArray, document);
    QFETCH(QStringList, iosItems);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(TestSupport::writeFile(root.path() + QStringLiteral("/files/public/FeedbackDownloadUrl.json"), document));
    TestSupport::PeerProcess server;
    QVERIFY2(server.start(TestSupport::peerScript(QStringLiteral("http_server.py")),
                          {QStringLiteral("--root"), root.path()}),
             qPrintable(server.errorText()));

    const QByteArray previous = qgetenv("FEEDBACK_DOWNLOAD_BASE");
    qputenv("FEEDBACK_DOWNLOAD_BASE", QByteArray("http://127.0.0.1:") + QByteArray::number(server.port()));
    WindowTest::setSkinSettings(R"({"System": true, "iOS Version:": ["16"]})");
    const auto window = makeWindow();
    qputenv("FEEDBACK_DOWNLOAD_BASE", previous);

    QVERIFY(server.waitForOutput("/files/public/FeedbackDownloadUrl.json"));
    QTRY_COMPARE(comboItems(window->form().comboBox), iosItems);
    // Give a late answer the chance to arrive and change the list again.
    QTest::qWait(100);
    QCOMPARE(comboItems(window->form().comboBox), iosItems);
}

void TestFeedbackSetup::radiusPublishedOnFirstPolish()
{
    qApp->setStyleSheet(QStringLiteral("CFeedback { qproperty-dlgRadius: 8; qproperty-linkColor: #c00a1b; }"));
    const auto window = makeWindow();
    QCOMPARE(window->dlgRadius(), 0); // the sheet applies at the first polish
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->dlgRadius(), 8);
    QCOMPARE(qApp->property("dlgRadius").toInt(), 8);
    QCOMPARE(window->linkColor(), QColor(QStringLiteral("#c00a1b")));
    QCOMPARE(window->form().widget_guide->styleSheet(),
             QStringLiteral("QWidget#widget_guide { border-top-left-radius: 8px;border-top-right-radius: 8px; }"));
    QCOMPARE(window->form().widget_mian->styleSheet(),
             QStringLiteral("QWidget#widget_mian { border-bottom-left-radius: 8px;border-bottom-right-radius: 8px; }"));

    // Only the first polish publishes.
    qApp->setProperty("dlgRadius", 3);
    window->hide();
    window->setStyleSheet(QStringLiteral("CFeedback { qproperty-dlgRadius: 12; }"));
    window->show();
    QCOMPARE(qApp->property("dlgRadius").toInt(), 3);
}

void TestFeedbackSetup::settingsReplyIsApplied()
{
    // Nothing connects this slot; handed a finished reply it applies the
    // settings document and releases the reply.
    QTemporaryDir root;
    const QByteArray xml = "<root><entry><productPID>1001</productPID><sendMailAccount>from@x.com</sendMailAccount>"
                           "<sendSever>mail.x.com</sendSever><sendSeverPort>587</sendSeverPort>"
                           "<connectType>2</connectType><receiveMailAccount>to@x.com</receiveMailAccount>"
                           "</entry></root>";
    QVERIFY(TestSupport::writeFile(root.path() + QStringLiteral("/emailinfo.xml"), xml));
    TestSupport::PeerProcess server;
    QVERIFY2(server.start(TestSupport::peerScript(QStringLiteral("http_server.py")), {QStringLiteral("--root"), root.path()}),
             qPrintable(server.errorText()));
    WindowTest::writeProductInfo(QStringLiteral("1001"), QString(), QString());
    const auto window = makeWindow();

    QNetworkAccessManager manager;
    QPointer<QNetworkReply> reply = manager.get(
        QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/emailinfo.xml").arg(server.port()))));
    QTRY_VERIFY(reply->isFinished());
    window->soltGetEmailInfoOver(reply);
    QCOMPARE(window->mailSettings().senderAccount, QStringLiteral("from@x.com"));
    QCOMPARE(window->mailSettings().smtpHost, QStringLiteral("mail.x.com"));
    QCOMPARE(window->mailSettings().smtpPort, QStringLiteral("587"));
    QCOMPARE(window->mailSettings().connectType, QStringLiteral("2"));
    QCOMPARE(window->mailSettings().recipientAddress, QStringLiteral("to@x.com"));
    QTRY_VERIFY(reply.isNull());
    window->soltGetEmailInfoOver(nullptr); // no reply, no harm
}

void TestFeedbackSetup::activationMessage_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("shown");

    QTest::newRow("active") << "active" << true;
    QTest::newRow("Active") << "Active" << false;
    QTest::newRow("active with blank") << "active " << false;
    QTest::newRow("empty") << "" << false;
}

void TestFeedbackSetup::activationMessage()
{
    QFETCH(QString, message);
    QFETCH(bool, shown);

    const auto window = makeWindow();
    QVERIFY(!window->isVisible());
    window->SlotMessageReceived(message);
    QCOMPARE(window->isVisible(), shown);
}

void TestFeedbackSetup::stepsFollowTheFirstPaint_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("window shown: after its paint") << "show";
    QTest::newRow("window never shown: when the event loop runs") << "hidden";
    QTest::newRow("run now (Submit before the paint)") << "runNow";
}

void TestFeedbackSetup::stepsFollowTheFirstPaint()
{
    QFETCH(QString, how);
    QWidget window;
    window.resize(120, 80);
    auto *steps = new FirstPaintSteps(&window);
    QStringList ran;
    // A step added once the steps run, runs at once.
    steps->add([&] {
        ran << QStringLiteral("a");
        steps->add([&] { ran << QStringLiteral("late"); });
    });
    steps->add([&] { ran << QStringLiteral("b"); });
    const QStringList all{QStringLiteral("a"), QStringLiteral("late"), QStringLiteral("b")};

    if (how == QLatin1String("runNow")) {
        steps->runNow();
        QCOMPARE(ran, all);
    } else {
        if (how == QLatin1String("show"))
            window.show();
        QVERIFY(ran.isEmpty()); // nothing before the event loop runs
        QTRY_COMPARE(ran, all);
    }
    // Once only, whatever comes later.
    steps->runNow();
    window.show();
    window.repaint();
    QTest::qWait(50);
    QCOMPARE(ran, all);
}

QTEST_MAIN(TestFeedbackSetup)
#include "tst_feedback_setup.moc"
