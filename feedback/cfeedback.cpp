#include "cfeedback.h"

#include "appfolder.h"
#include "deliverylog.h"
#include "deployment.h"
#include "formaccessibility.h"
#include "hostinfo.h"
#include "hostplatform.h"
#include "keptreports.h"
#include "previewpanel.h"
#include "progressview.h"
#include "pzstylebutton.h"
#include "pzstylewidgettitle.h"
#include "screenshotwriter.h"
#include "skinconfig.h"

#include <QDeadlineTimer>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDomDocument>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QVariant>

#include <utility>

CFeedback::CFeedback(bool feedbackMode, const QString &userEmail, const QString &hostPath,
                     QWidget *parent)
    : PZStyleDialog(parent)
    , m_feedbackMode(feedbackMode)
    , m_hostPath(hostPath)
    , m_userEmail(userEmail)
    , m_desktopGrab(startDesktopGrab())
    , m_screenshotWriter(new ScreenshotWriter(this))
{
    // The translator goes in before the tree is built, so every text below
    // comes out translated.
    loadTranslation();
    // Before the tree exists: changing the flags re-applies the style sheet
    // to every child, which costs a noticeable part of the start-up.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    m_ui.setupUi(this);
    setContentsMargins(5, 5, 5, 5); // room for the shadow around the body

    m_skinPath = SkinConfig::instance().skinDirectory();
    m_systemIsIos = true;
    m_submitState = 0;
    m_sendThread = nullptr;

    applyInitialStates();
    applyTexts();
    applyLayoutSwitches();
    connectSignals();
    addUnits();
    requestVersionLists();

    m_productId = readProductInfo(QStringLiteral("PZ_PID"));
    m_smtpHost = Deployment::smtpHost();
    m_smtpPort = QStringLiteral("465");

    // Nothing that can follow the first paint runs before it: the start-up
    // screenshot is written, the version lists are asked for and analytics
    // set up once the window has been painted (see event()), or as soon as
    // the event loop runs when the window has not been shown.
    m_screenshotWriter->hold();
    m_startUpSteps.push_back([this] { m_screenshotWriter->release(); });
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            finishStartUp();
    });
}

void CFeedback::afterFirstPaint(std::function<void()> step)
{
    if (m_startUpSteps.empty())
        step();
    else
        m_startUpSteps.push_back(std::move(step));
}

void CFeedback::finishStartUp()
{
    const auto steps = std::exchange(m_startUpSteps, {});
    for (const auto &step : steps)
        step();
}

CFeedback::~CFeedback()
{
    // The event loop may have ended while a submission still ran (the window
    // was closed during it); the program has then given it its time
    // (stopDelivery). The worker only uses its delivery and emits signals on
    // this object: its queued signals die with the object.
    stopDelivery(-1);
    if (m_cleanupPending)
        DeliveryLog::removeTemporaryFiles(QCoreApplication::applicationDirPath());
}

bool CFeedback::stopDelivery(int timeoutMs)
{
    if (!m_sendThread)
        return true;
    // No network reply is waited for; a report past its packing is kept in
    // the outbox to go later (a cancelled one stays cancelled).
    if (m_delivery)
        m_delivery->abort(true);
    if (!m_sendThread->wait(timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs)))
        return false;
    // Its outcome never reached the window.
    if (m_delivery)
        m_keptReports->stopped(*m_delivery);
    delete m_sendThread;
    m_sendThread = nullptr;
    return true;
}

void CFeedback::setLaunchInfo(const QString &recipientAddress, const QString &senderAccount,
                              const QString &senderPassword)
{
    m_recipientAddress = recipientAddress;
    m_senderAccount = senderAccount;
    m_senderPassword = senderPassword;
    m_keptReports->setLaunch(m_hostPath, m_productName, m_feedbackMode, mailSettings());
    takeAutoScreenshot();
    setMailIdentity();
    restoreDraft();
}

void CFeedback::setMailIdentity()
{
    if (m_feedbackMode) {
        m_mailSubject = m_productName + QStringLiteral(" Win Feedback");
        m_recipientName = QStringLiteral("support");
    } else {
        m_mailSubject = m_productName + QStringLiteral(" for Win Crash Feedback");
        m_recipientName = QStringLiteral("feedback");
        if (m_recipientAddress.isEmpty())
            m_recipientAddress = Deployment::supportMailbox();
    }
}

QString CFeedback::productNameFromPath(const QString &hostPath)
{
    QString name = hostPath.mid(hostPath.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

QString CFeedback::readProductInfo(const QString &key)
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/productinfo.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QDomDocument document;
    if (!document.setContent(&file))
        return QString();
    return document.documentElement().firstChildElement(key).text();
}

QTranslator &CFeedback::translator()
{
    // One translator for the whole run; the application keeps it installed.
    static QTranslator *const instance = new QTranslator(QCoreApplication::instance());
    return *instance;
}

QString CFeedback::screenshotFolder()
{
    return AppFolder::ofProgram().screenshots();
}

void CFeedback::loadTranslation()
{
    const QString appName = readProductInfo(QStringLiteral("PZ_APP_NAME"));
    m_brandName = readProductInfo(QStringLiteral("PZ_BRANDNAME"));
    m_productName = productNameFromPath(m_hostPath);
    // Configuring analytics works out the machine identifier, which nothing
    // on screen needs.
    const QString category = m_brandName + QLatin1Char(' ') + appName + QStringLiteral(" (Windows version)");
    const QString analyticsBase = Deployment::analyticsBase();
    m_startUpSteps.push_back([this, category, analyticsBase] { m_gaRequest.init(category, analyticsBase); });

    const QString appDir = QCoreApplication::applicationDirPath();
    QFile languageFile(appDir + QStringLiteral("/Language/language"));
    if (!languageFile.open(QIODevice::ReadOnly))
        return;
    // Not trimmed: a name with a line break names a file that does not exist.
    const QString language = QString::fromUtf8(languageFile.readAll());
    if (language.isEmpty())
        return;
    const QString path =
        appDir + QStringLiteral("/FeedbackRes/QM/Feedback_") + language + QStringLiteral(".qm");
    if (!QFile::exists(path))
        return;
    // A file that does not load leaves the translator empty and the texts
    // English; the language still decides the direction.
    QTranslator &shared = translator();
    if (!shared.load(path))
        qDebug("Translation %s could not be loaded", qUtf8Printable(path));
    QCoreApplication::installTranslator(&shared);
    if (language == QLatin1String("Arabic"))
        QApplication::setLayoutDirection(Qt::RightToLeft);
}

void CFeedback::applyInitialStates()
{
    m_ui.label_EmailWrong->hide();
    m_ui.widget_SubView->hide();
    m_ui.ButtonSubmit->setEnabled(false);

    // Reached by Tab; a click leaves the focus where it was, as it always did.
    m_ui.captureButton->setFocusPolicy(Qt::TabFocus);
    m_ui.addImage->setFocusPolicy(Qt::TabFocus);
    m_ui.ButtonSubmit->setFocusPolicy(Qt::TabFocus);

    setWindowIcon(QIcon(m_skinPath + QStringLiteral("/Application/feedback_icon.ico")));
    applyModeTexts();

    m_ui.CheckBoxAttachLog->setChecked(true);
    m_ui.CheckBoxAttachDB->setChecked(false);

    m_ui.lineedit_EmailText->setMaxLength(128);
    m_ui.lineedit_EmailText->setText(m_userEmail);
    if (!m_userEmail.isEmpty())
        m_ui.ButtonSubmit->setEnabled(true);

    m_ui.horizontalLayout_2->setSpacing(6);
    m_ui.horizontalLayout->setSpacing(6);
    m_ui.horizontalLayout_6->setSpacing(2);
    m_ui.horizontalLayout_7->setSpacing(2);

    m_ui.lineEdit_Brand->setPlaceholderText(tr("Mobile Phone Brand"));
    m_ui.lineEdit_Model->setPlaceholderText(tr("Phone Model"));

    for (QListWidget *list : {m_ui.listWidget_Screen, m_ui.listWidget_Photo}) {
        list->setViewMode(QListView::IconMode);
        list->setIconSize(QSize(52, 41));
        list->setSpacing(5);
        list->setMovement(QListView::Static);
        list->setFrameShape(QFrame::NoFrame);
        list->setFocusPolicy(Qt::NoFocus);
    }
}

void CFeedback::applyModeTexts()
{
    m_ui.widget_guide->setMovable(this, true);
    if (m_feedbackMode) {
        m_ui.widget_guide->setTitleText(tr("Feedback"));
        m_ui.plainTextEdit_Content->setPlaceholderText(
            tr("Write your comments, suggestions, or questions here..."));
    } else {
        m_ui.widget_guide->setTitleText(tr("Crash Report"));
        m_ui.plainTextEdit_Content->setPlaceholderText(
            tr("Please tell us how you were using the program when it crashed."));
    }
}

void CFeedback::applyTexts()
{
    m_ui.LabelTitle->setText(tr("Please provide as much detail as you can. That will help us "
                                "quickly and correctly understand the problem you met."));
    m_ui.LabelTitle->setWordWrap(true);

    const QString system = HostInfo::windowsProductName();
    m_ui.WindowVersion->setText(system);
    m_ui.label_System->setText(system);
    m_ui.iTunesVersion->setText(HostInfo::iTunesVersionText());
    // The rows are narrow; the whole text stays readable as a tool tip.
    for (QLabel *label : {m_ui.WindowVersion, m_ui.label_System, m_ui.iTunesVersion}) {
        label->setFrameShape(QFrame::Box);
        label->setToolTip(label->text());
    }

    m_ui.ButtonSubmit->setText(tr("Submit"));
    m_ui.plainTextEdit_Content->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_ui.label_Screen->setText(tr("Screen capture:"));
    m_ui.label_addPicture->setText(tr("Attach pictures:"));
}

namespace {

// A switch of the skin settings as a truth value, the way a variant converts:
// true, a non-zero number or a text other than "", "0" and "false".
bool switchValue(const QJsonValue &value)
{
    return value.toVariant().toBool();
}

} // namespace

void CFeedback::fillVersionList(QComboBox *list, const QString &caption, const QJsonValue &choices)
{
    list->addItem(caption);
    const QJsonArray array = choices.toArray();
    for (const QJsonValue &choice : array)
        list->addItem(choice.toString());
}

void CFeedback::applyLayoutSwitches()
{
    const QJsonObject settings = SkinConfig::instance().settings();

    // Each list gets a list view of its own; the item retranslateUi put in
    // belonged to the replaced model, so both lists start empty.
    auto *iosView = new QListWidget(m_ui.comboBox);
    iosView->setObjectName(QStringLiteral("iosVersion"));
    m_ui.comboBox->setModel(iosView->model());
    m_ui.comboBox->setView(iosView);
    auto *androidView = new QListWidget(m_ui.comboBox_Android);
    androidView->setObjectName(QStringLiteral("AndroidVersion"));
    m_ui.comboBox_Android->setModel(androidView->model());
    m_ui.comboBox_Android->setView(androidView);

    const bool needDb = !settings.contains(QLatin1String("NeedDB"))
                        || switchValue(settings.value(QLatin1String("NeedDB")));
    if (!needDb) {
        m_ui.label_Note->hide();
        m_ui.CheckBoxAttachDB->hide();
        m_ui.label_AddDbFiles->hide();
    }

    if (settings.contains(QLatin1String("ShowVersion"))) {
        m_showVersion = switchValue(settings.value(QLatin1String("ShowVersion")));
        if (!m_showVersion) {
            m_ui.widget->hide();
            m_ui.plainTextEdit_Content->setFixedHeight(145);
            setFixedSize(590, needDb ? 605 : 585);
            m_ui.widget_mian->setFixedSize(580, needDb ? 560 : 540);
            m_ui.widget_mian->adjustSize();
            adjustSize();
            return;
        }
    }

    if (!settings.contains(QLatin1String("System")))
        return;
    m_systemIsIos = switchValue(settings.value(QLatin1String("System")));
    if (m_systemIsIos) {
        m_ui.lineEdit_Model->hide();
        m_ui.lineEdit_Brand->hide();
        m_ui.comboBox_Android->hide();
        m_ui.label_System->hide();
        m_ui.plainTextEdit_Content->setFixedHeight(145);
        if (settings.contains(QLatin1String("iOS Version:")))
            fillVersionList(m_ui.comboBox, tr("iOS Version:"),
                            settings.value(QLatin1String("iOS Version:")));
    } else {
        m_ui.WindowVersion->hide();
        m_ui.comboBox->hide();
        m_ui.iTunesVersion->hide();
        if (settings.contains(QLatin1String("Android Version:")))
            fillVersionList(m_ui.comboBox_Android, tr("Android Version:"),
                            settings.value(QLatin1String("Android Version:")));
    }
    if (!needDb) {
        setFixedSize(590, 615);
        m_ui.widget_mian->setFixedSize(580, 570);
        m_ui.widget_mian->adjustSize();
        adjustSize();
    }
}

void CFeedback::connectSignals()
{
    connect(m_ui.captureButton, SIGNAL(clicked()), this, SLOT(SlotScreenShot()));
    connect(m_ui.addImage, SIGNAL(clicked()), this, SLOT(SlotAddImg()));
    connect(m_ui.ButtonSubmit, SIGNAL(clicked()), this, SLOT(SlotSendEmail()));
    connect(m_ui.lineedit_EmailText, SIGNAL(textChanged(const QString &)), this,
            SLOT(SlotIsLineEditEmpty()));
    connect(m_ui.label_SubDescribe, SIGNAL(linkActivated(QString)), this,
            SLOT(SlotClickUrlLabel(QString)));
    connect(m_ui.lineedit_EmailText, SIGNAL(editingFinished()), this, SLOT(SlotJudgeEmailValid()));
    connect(this, SIGNAL(SignalNetWorkFail()), this, SLOT(SlotNetWorkFail()));
    connect(this, SIGNAL(SignalSendSuccess()), this, SLOT(SlotSendSuccess()));
    connect(this, SIGNAL(SignalOtherFail()), this, SLOT(SlotOtherFail()));
    connect(this, SIGNAL(SignalThreadFinish()), this, SLOT(SlotThreadFinished()));
    connect(m_screenshotWriter, &ScreenshotWriter::finished, this, &CFeedback::screenshotSaved);
}

// The units, and their lines in room the window already has, so no widget
// of the form moves: the draft note beside the address field (where the
// address error shows, never at the same time), the line of the failure
// pages and the reference of the success page in the free band just above
// the result, the link to the details and the size line beside Submit.
void CFeedback::addUnits()
{
    auto *draftNote = new QLabel(m_ui.widget_2);
    draftNote->setObjectName(QStringLiteral("label_DraftNote"));
    draftNote->setWordWrap(true);
    draftNote->hide();
    m_ui.horizontalLayout_18->insertWidget(m_ui.horizontalLayout_18->indexOf(m_ui.label_EmailWrong) + 1, draftNote);
    m_keptReports = new KeptReports(draftNote, addResultBandLine(QStringLiteral("label_SubSaved")), m_linkColor, this);
    m_keptReports->setSavePathAsker([this](const QString &caption, const QString &suggested, const QString &filter) {
        return m_seams.fileDialog ? m_seams.fileDialog(this, caption, suggested, filter)
                                  : QFileDialog::getSaveFileName(this, caption, suggested, filter);
    });
    connect(m_keptReports, &KeptReports::discardRequested, this, &CFeedback::discardDraft);
    connect(m_keptReports, &KeptReports::failed, this, &CFeedback::showFailure);

    m_previewPanel = new PreviewPanel(m_ui.widget_Submit, m_ui.ButtonSubmit, m_linkColor, this);
    m_previewPanel->setSource([this] { return reportForm(); }, [this] { return reportContext(); });
    connect(m_previewPanel, &PreviewPanel::hidePartsRequested, this,
            [this](const QString &path) { editPicture(path, m_previewPanel->details()); });
    // What a report carries changes with the ticks and the picture lists,
    // and when a screenshot file is complete.
    const auto changed = [this] { m_previewPanel->changed(); };
    connect(m_ui.CheckBoxAttachLog, &QCheckBox::toggled, this, changed);
    connect(m_ui.CheckBoxAttachDB, &QCheckBox::toggled, this, changed);
    for (QListWidget *list : {m_ui.listWidget_Screen, m_ui.listWidget_Photo}) {
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, changed);
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this, changed);
    }
    connect(m_screenshotWriter, &ScreenshotWriter::finished, this, changed);
    m_startUpSteps.push_back(changed);

    m_progressView = new ProgressView(m_ui.frameLoading, m_ui.label_Submitting, m_ui.label_SubLoding,
                                      addResultBandLine(QStringLiteral("label_SubReference")), m_linkColor, m_skinPath,
                                      this);
    connect(m_progressView, &ProgressView::cancelRequested, this, &CFeedback::cancelSubmission);

    m_access = new FormAccessibility(
        m_ui, {draftNote, m_previewPanel->detailsLink(), m_progressView->cancelLink(), m_keptReports->savedLine()},
        [this](bool next) { focusNextPrevChild(next); },
        [this](QListWidgetItem *item) { return QFileInfo(m_photoPaths.value(item)).fileName(); }, this);
}

void CFeedback::requestVersionLists()
{
    // The address is the one of now; the request goes once the window is up
    // (the lists it brings refill combo boxes the user has not opened yet).
    const QUrl url = Deployment::versionListUrl();
    m_startUpSteps.push_back([this, url] {
        auto *network = new QNetworkAccessManager(this);
        connect(network, &QNetworkAccessManager::finished, this, [this](QNetworkReply *reply) {
            const QByteArray body = reply->readAll();
            reply->deleteLater();
            loadVersionLists(body);
        });
        network->get(QNetworkRequest(url));
    });
}

void CFeedback::loadVersionLists(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return;
    const QJsonObject root = document.object();
    if (root.contains(QLatin1String("iOS Version:"))) {
        // The user's choice (or a restored draft's) stays.
        const QString chosen = m_keptReports->draftVersions().value(0, m_ui.comboBox->currentText());
        m_ui.comboBox->clear();
        fillVersionList(m_ui.comboBox, tr("iOS Version:"), root.value(QLatin1String("iOS Version:")));
        m_ui.comboBox->setCurrentText(chosen);
    }
    if (root.contains(QLatin1String("Android Version:"))) {
        const QString chosen = m_keptReports->draftVersions().value(1, m_ui.comboBox_Android->currentText());
        m_ui.comboBox_Android->clear();
        fillVersionList(m_ui.comboBox_Android, tr("Android Version:"),
                        root.value(QLatin1String("Android Version:")));
        m_ui.comboBox_Android->setCurrentText(chosen);
    }
    m_keptReports->clearDraftVersions();
}

void CFeedback::SlotGetStr(QByteArray allData)
{
    loadVersionLists(allData);
}

void CFeedback::soltGetEmailInfoOver(QNetworkReply *reply)
{
    if (!reply)
        return;
    MailSettings settings = mailSettings();
    parseMailSettings(QString::fromUtf8(reply->readAll()), m_productId, m_feedbackMode, settings);
    reply->deleteLater();
    setMailSettings(settings);
}

void CFeedback::setMailSettings(const MailSettings &settings)
{
    m_senderAccount = settings.senderAccount;
    m_senderPassword = settings.senderPassword;
    m_smtpHost = settings.smtpHost;
    m_smtpPort = settings.smtpPort;
    m_connectType = settings.connectType;
    m_recipientAddress = settings.recipientAddress;
}

void CFeedback::SlotMessageReceived(QString message)
{
    if (message != QLatin1String("active"))
        return;
    show();
    activateWindow();
    raise();
}

bool CFeedback::event(QEvent *event)
{
    const bool result = PZStyleDialog::event(event);
    // The details are a window of their own, which would otherwise stay on
    // screen (and in the picture, when the window hides for a capture).
    if (event->type() == QEvent::Hide && m_previewPanel)
        m_previewPanel->closeDetails();
    // After the frame is out, not before it.
    if (event->type() == QEvent::Paint && !m_startUpSteps.empty())
        QTimer::singleShot(0, this, &CFeedback::finishStartUp);
    // The style sheet has set dlgRadius by the first polish; publish it for
    // every styled window and round the window's own top and bottom.
    if (event->type() == QEvent::Polish && !m_polished) {
        m_polished = true;
        qApp->setProperty("dlgRadius", m_dlgRadius);
        if (m_previewPanel) // not yet built when a skin switch polishes the window during set-up
            m_previewPanel->updateLinkText(); // in the skin's link colour, known from now on
        m_ui.widget_guide->setStyleSheet(
            QStringLiteral("QWidget#widget_guide { border-top-left-radius: %1px;"
                           "border-top-right-radius: %2px; }")
                .arg(m_dlgRadius)
                .arg(m_dlgRadius));
        m_ui.widget_mian->setStyleSheet(
            QStringLiteral("QWidget#widget_mian { border-bottom-left-radius: %1px;"
                           "border-bottom-right-radius: %2px; }")
                .arg(m_dlgRadius)
                .arg(m_dlgRadius));
    }
    return result;
}

void CFeedback::closeEvent(QCloseEvent *event)
{
    // Before the screenshots go: the draft keeps copies of them.
    saveDraft();
    // While a worker runs it still reads and sends the archives: their
    // removal waits until it has finished (SlotThreadFinished or the
    // destructor). The window itself hides at once. A screenshot still being
    // written is dropped.
    m_screenshotWriter->discardAll();
    if (m_sendThread)
        m_cleanupPending = true;
    else
        DeliveryLog::removeTemporaryFiles(QCoreApplication::applicationDirPath());
    PZStyleDialog::closeEvent(event);
}
