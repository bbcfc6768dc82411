// Submission: the last check, the worker, the result pages and their links.

#include "cfeedback.h"

#include "deliverylog.h"
#include "deployment.h"
#include "mimetext.h"
#include "pzstylebutton.h"
#include "reportdelivery.h"
#include "screenshotwriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

void CFeedback::SlotSendEmail()
{
    const QString address = m_ui.lineedit_EmailText->text().trimmed();
    if (address.isEmpty()) {
        showDraftNote(false); // the error takes its place
        m_ui.label_EmailWrong->show();
        return;
    }
    if (!isValidAddress(address)) {
        showDraftNote(false);
        m_ui.label_EmailWrong->show();
        m_ui.ButtonSubmit->setEnabled(false);
        return;
    }

    // The report takes every screenshot file: one still being written is
    // waited for (a save that fails takes its tile away before the form is
    // read), and the set-up that waited for the first paint is done now.
    finishStartUp();
    m_screenshotWriter->waitForPending();

    disableInputs();
    showDraftNote(false);
    m_submitState = 1;
    updateResultView();

    if (m_sendThread)
        return;
    m_lastForm = reportForm();
    holdKeptEntry();
    // Everything the worker needs is taken here, on the GUI thread; it never
    // reads a widget or a member of the window.
    m_delivery = std::make_unique<ReportDelivery>(reportForm(), reportContext(), mailSettings());
    m_delivery->setAnalytics([this](const QString &action) { m_gaRequest.sendEvent(action); });
    m_delivery->setOutbox(m_outbox);
    if (m_heldEntry)
        m_delivery->setSupersedes(m_keptId);
    if (m_deliveryHook)
        m_deliveryHook(*m_delivery);
    m_sendThread = new CSendThread(this);
    m_sendThread->start(QThread::InheritPriority);
}

void CFeedback::disableInputs()
{
    const QList<QWidget *> inputs = {
        m_ui.lineedit_EmailText, m_ui.plainTextEdit_Content, m_ui.comboBox,
        m_ui.comboBox_Android,   m_ui.lineEdit_Model,        m_ui.lineEdit_Brand,
        m_ui.captureButton,      m_ui.addImage,              m_ui.listWidget_Screen,
        m_ui.listWidget_Photo,   m_ui.CheckBoxAttachDB,      m_ui.CheckBoxAttachLog};
    for (QWidget *input : inputs)
        input->setEnabled(false);
}

void CFeedback::restoreForm()
{
    m_savedLine->hide();
    m_ui.widget_SubView->hide();
    m_ui.widget_Submit->show();
    const QList<QWidget *> inputs = {
        m_ui.lineedit_EmailText, m_ui.plainTextEdit_Content, m_ui.comboBox,
        m_ui.comboBox_Android,   m_ui.lineEdit_Model,        m_ui.lineEdit_Brand,
        m_ui.captureButton,      m_ui.addImage,              m_ui.listWidget_Screen,
        m_ui.listWidget_Photo,   m_ui.CheckBoxAttachDB,      m_ui.CheckBoxAttachLog};
    for (QWidget *input : inputs)
        input->setEnabled(true);
}

void CFeedback::updateResultView()
{
    const QString colour = QStringLiteral("color:") + m_linkColor.name();
    switch (m_submitState) {
    case 1: {
        m_ui.widget_Submit->hide();
        m_ui.widget_SubView->show();
        m_ui.frame->hide();
        m_ui.frameLoading->show();
        // One animation per submission; the previous one goes now.
        QMovie *previous = m_loadingMovie;
        m_loadingMovie = new QMovie(m_skinPath + QStringLiteral("/gif/loading.gif"), QByteArray(), this);
        m_ui.label_SubLoding->setMovie(m_loadingMovie);
        m_loadingMovie->start();
        delete previous;
        break;
    }
    case 2:
        showResultPage(true, tr("Submitted Successfully!"),
                       tr("<p>Your feedback is highly appreciated. We'll handle it soon. <a href = \"rewrite\">"
                          "<span style=\" underline; %1\">Provide more feedback>></a></p>")
                           .arg(colour));
        break;
    case 3:
        showResultPage(false, tr("Failed to submit your feedback."),
                       tr("<p> Please make sure that your network connection is active, and then <a href = "
                          "\"try again\"><span style=\" underline; %1 \">try again</span></a>.</p>")
                           .arg(colour));
        break;
    case 4:
        // The address is escaped so that a quote or angle bracket in it can
        // neither break the link nor add markup; the link still targets it.
        showResultPage(false, tr("Failed for an unknown error!"),
                       tr("<p> Please <a href = \"try again\"><span style=\" underline; %1 \">try again</span>"
                          "</a>. If it fails again, please send an email to <a href = \"%3\"><span style=\" "
                          "underline; %2\">%3</span></a>.</p>")
                           .arg(colour, colour, m_recipientAddress.toHtmlEscaped()));
        break;
    default:
        break;
    }
    // Rules that select on the "success" property only apply after a re-polish.
    m_ui.label_SubStatus->style()->unpolish(m_ui.label_SubStatus);
    m_ui.label_SubStatus->style()->polish(m_ui.label_SubStatus);
    m_ui.label_SubStatus->update();
}

// One of the three result pages: the icon (chosen by the skin through the
// "success" property), the state line and the description with its links.
void CFeedback::showResultPage(bool success, const QString &tips, const QString &description)
{
    m_ui.frameLoading->hide();
    m_ui.frame->show();
    m_ui.label_SubStatus->setProperty("success", success);
    m_ui.label_SubTips->setText(tips);
    m_ui.label_SubDescribe->setText(description);
}

void CFeedback::SlotSendSuccess()
{
    applyDeliveryResult();
    settleOutbox(true);
    m_submitState = 2;
    updateResultView();
}

void CFeedback::SlotNetWorkFail()
{
    applyDeliveryResult();
    settleOutbox(false);
    m_submitState = 3;
    updateResultView();
}

void CFeedback::SlotOtherFail()
{
    applyDeliveryResult();
    settleOutbox(false);
    m_submitState = 4;
    updateResultView();
}

void CFeedback::SlotClickUrlLabel(QString link)
{
    m_screenshotWriter->discardAll();
    removePath(screenshotFolder());
    if (link == QLatin1String("try again")) {
        holdKeptEntry();
        clearPictureLists();
        takeAutoScreenshot();
        restoreForm();
    } else if (link == m_recipientAddress || link == Deployment::supportMailbox()) {
        openMailLink(link);
    } else if (link == QLatin1String("rewrite")) {
        restoreForm();
        m_ui.plainTextEdit_Content->setPlainText(QString());
        clearPictureLists();
    }
}

void CFeedback::openMailLink(const QString &address)
{
    const QUrl url(QStringLiteral("mailto:%1").arg(address));
    if (m_urlOpener)
        m_urlOpener(url);
    else
        QDesktopServices::openUrl(url);
}

void CFeedback::SlotThreadFinished()
{
    // Every later submission from this window goes as Feedback.
    m_feedbackMode = true;
    finishWorker();
}

void CFeedback::finishWorker()
{
    if (m_sendThread) {
        m_sendThread->quit();
        m_sendThread->wait();
        m_sendThread->deleteLater();
        m_sendThread = nullptr;
    }
    applyDeliveryResult();
    m_delivery.reset();
    if (m_cleanupPending) {
        m_cleanupPending = false;
        DeliveryLog::removeTemporaryFiles(QCoreApplication::applicationDirPath());
    }
}

// The settings the delivery ended with become the window's, in time for the
// result page (the other-failure page shows the recipient). The worker has
// emitted its outcome by now and changes nothing more.
void CFeedback::applyDeliveryResult()
{
    if (!m_delivery)
        return;
    setMailSettings(m_delivery->settings());
    m_attachmentFiles = m_delivery->attachmentFiles();
}

// Runs on the send thread. It works on the delivery built at Submit and
// reports through the window's signals, which reach the GUI thread queued.
void CFeedback::runDelivery()
{
    if (!m_delivery) {
        emit SignalOtherFail();
        emit SignalThreadFinish();
        return;
    }
    fetchMailSettings();
    MimeText body;
    composeReportBody(body);
    if (!packageAttachments()) {
        emit SignalOtherFail();
    } else {
        const int outcome = deliverReport(body);
        // Kept (or not) before the window hears of the outcome.
        m_delivery->finishReport(outcome);
        switch (outcome) {
        case ReportDelivery::Submitted:
            emit SignalSendSuccess();
            break;
        case ReportDelivery::NetworkFailure:
            emit SignalNetWorkFail();
            break;
        default:
            emit SignalOtherFail();
            break;
        }
    }
    emit SignalThreadFinish();
}

// The steps of the worker routine; each hands over to the running delivery
// (none outside a submission).
void CFeedback::fetchMailSettings()
{
    if (m_delivery)
        m_delivery->fetchMailSettings();
}

void CFeedback::composeReportBody(MimeText &body)
{
    if (m_delivery)
        m_delivery->composeReportBody(body);
}

bool CFeedback::packageAttachments()
{
    return m_delivery && m_delivery->packageAttachments();
}

int CFeedback::deliverReport(MimeText &body)
{
    return m_delivery ? m_delivery->deliverReport(body) : int(ReportDelivery::OtherFailure);
}

void CFeedback::writeFeedbackLog(int code, const QString &message)
{
    DeliveryLog::writeFeedbackLog(QCoreApplication::applicationDirPath(), code, message);
}

bool CFeedback::removePath(const QString &path)
{
    return DeliveryLog::removePath(path);
}
