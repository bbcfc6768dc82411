#include "cfeedback.h"

#include "appfolder.h"
#include "deliverylog.h"
#include "deployment.h"
#include "formaccessibility.h"
#include "firstpaintsteps.h"
#include "formsetup.h"
#include "hostplatform.h"
#include "keptreports.h"
#include "previewpanel.h"
#include "progressview.h"
#include "pzstylebutton.h"
#include "resultpage.h"
#include "screenshotwriter.h"
#include "skinconfig.h"
#include "translation.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

CFeedback::CFeedback(bool feedbackMode, const QString &userEmail, const QString &hostPath,
                     QWidget *parent)
    : PZStyleDialog(parent)
    , m_desktopGrab(HostPlatform::DesktopGrab::ofPrimaryScreen())
    , m_screenshotWriter(new ScreenshotWriter(this))
    , m_firstPaint(new FirstPaintSteps(this))
{
    m_context.appDir = QCoreApplication::applicationDirPath();
    m_context.feedbackMode = feedbackMode;
    m_context.hostPath = hostPath;
    m_context.userEmail = userEmail;
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

    applyInitialStates();
    applyTexts();
    applyLayoutSwitches();
    connectSignals();
    addUnits();
    requestVersionLists();

    m_context.productId = readProductInfo(QStringLiteral("PZ_PID"));
    m_mail.smtpHost = Deployment::smtpHost();

    // Nothing that can follow the first paint runs before it: the start-up
    // screenshot is written, the version lists are asked for and analytics
    // set up once the window has been painted.
    m_screenshotWriter->hold();
    m_firstPaint->add([this] { m_screenshotWriter->release(); });
}

void CFeedback::afterFirstPaint(std::function<void()> step)
{
    m_firstPaint->add(std::move(step));
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
    m_mail.recipientAddress = recipientAddress;
    m_mail.senderAccount = senderAccount;
    m_mail.senderPassword = senderPassword;
    m_keptReports->setLaunch(m_context.hostPath, m_context.productName, m_context.feedbackMode, m_mail);
    takeAutoScreenshot();
    setMailIdentity();
    restoreDraft();
}

void CFeedback::setMailIdentity()
{
    if (m_context.feedbackMode) {
        m_context.mailSubject = m_context.productName + QStringLiteral(" Win Feedback");
        m_context.recipientName = QStringLiteral("support");
    } else {
        m_context.mailSubject = m_context.productName + QStringLiteral(" for Win Crash Feedback");
        m_context.recipientName = QStringLiteral("feedback");
        if (m_mail.recipientAddress.isEmpty())
            m_mail.recipientAddress = Deployment::supportMailbox();
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
    return Translation::shared();
}

QString CFeedback::screenshotFolder()
{
    return AppFolder::ofProgram().screenshots();
}

void CFeedback::loadTranslation()
{
    const QString appName = readProductInfo(QStringLiteral("PZ_APP_NAME"));
    m_brandName = readProductInfo(QStringLiteral("PZ_BRANDNAME"));
    m_context.productName = productNameFromPath(m_context.hostPath);
    // Configuring analytics works out the machine identifier, which nothing
    // on screen needs.
    const QString category = m_brandName + QLatin1Char(' ') + appName + QStringLiteral(" (Windows version)");
    const QString analyticsBase = Deployment::analyticsBase();
    m_firstPaint->add([this, category, analyticsBase] { m_gaRequest.init(category, analyticsBase); });

    Translation::installFrom(QCoreApplication::applicationDirPath());
}

void CFeedback::applyInitialStates()
{
    FormSetUp::applyInitialStates(m_ui, m_context.userEmail);
    setWindowIcon(QIcon(m_skinPath + QStringLiteral("/Application/feedback_icon.ico")));
    applyModeTexts();
}

void CFeedback::applyModeTexts()
{
    FormSetUp::applyModeTexts(m_ui, this, m_context.feedbackMode);
}

void CFeedback::applyTexts()
{
    FormSetUp::applyTexts(m_ui);
}

void CFeedback::applyLayoutSwitches()
{
    const FormSetUp::Switches switches =
        FormSetUp::applyLayoutSwitches(m_ui, this, SkinConfig::instance().settings());
    m_context.showVersion = switches.showVersion;
    m_context.systemIsIos = switches.systemIsIos;
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
    QLabel *draftNote = FormSetUp::addDraftNote(m_ui);
    m_keptReports = new KeptReports(draftNote, ResultPage::addBandLine(m_ui, QStringLiteral("label_SubSaved")),
                                    m_linkColor, m_seams, this);
    connect(m_keptReports, &KeptReports::discardRequested, this, &CFeedback::discardDraft);

    m_previewPanel = new PreviewPanel(m_ui.widget_Submit, m_ui.ButtonSubmit, m_linkColor, this);
    m_previewPanel->setSource([this] { return reportForm(); }, [this] { return reportContext(); });
    connect(m_previewPanel, &PreviewPanel::hidePartsRequested, this,
            [this](const QString &path) { editPicture(path, m_previewPanel->details()); });
    // What a report carries changes with the ticks and the picture lists,
    // and when a screenshot file is complete.
    m_previewPanel->follow({m_ui.CheckBoxAttachLog, m_ui.CheckBoxAttachDB}, {m_ui.listWidget_Screen, m_ui.listWidget_Photo});
    const auto changed = [this] { m_previewPanel->changed(); };
    connect(m_screenshotWriter, &ScreenshotWriter::finished, this, changed);
    m_firstPaint->add(changed);

    m_progressView = new ProgressView(m_ui.frameLoading, m_ui.label_Submitting, m_ui.label_SubLoding,
                                      ResultPage::addBandLine(m_ui, QStringLiteral("label_SubReference")), m_linkColor, m_skinPath,
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
    m_firstPaint->add([this, url] {
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
    // The user's choice (or a restored draft's) stays.
    FormSetUp::loadVersionLists(m_ui, json, m_keptReports->draftVersions());
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
    parseMailSettings(QString::fromUtf8(reply->readAll()), m_context.productId, m_context.feedbackMode, m_mail);
    reply->deleteLater();
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
    // The style sheet has set dlgRadius by the first polish; publish it for
    // every styled window and round the window's own top and bottom.
    if (event->type() == QEvent::Polish && !m_polished) {
        m_polished = true;
        qApp->setProperty("dlgRadius", m_dlgRadius);
        if (m_previewPanel) // not yet built when a skin switch polishes the window during set-up
            m_previewPanel->updateLinkText(); // in the skin's link colour, known from now on
        FormSetUp::roundCorners(m_ui, m_dlgRadius);
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
