// Submission: the last check, the worker, the result pages and their links.

#include "cfeedback.h"

#include "creportdetails.h"
#include "deliverylog.h"
#include "deployment.h"
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
#include <QLockFile>
#include <QMovie>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

namespace {

const char *const CancelLink = "cancel";
constexpr int ProgressSteps = 1000; // the bar counts in thousandths: a mail may pass 2 GB

} // namespace

void CFeedback::SlotSendEmail()
{
    const QString address = m_ui.lineedit_EmailText->text().trimmed();
    if (address.isEmpty()) {
        showAddressError();
        return;
    }
    if (!isValidAddress(address)) {
        showAddressError();
        m_ui.ButtonSubmit->setEnabled(false);
        return;
    }

    // The report takes every screenshot file: one still being written is
    // waited for (a save that fails takes its tile away before the form is
    // read), and the set-up that waited for the first paint is done now.
    finishStartUp();
    m_screenshotWriter->waitForPending();

    // Cancel brings the form back exactly so, also what was disabled then
    // (a list that is full keeps its button off).
    m_inputsEnabled.clear();
    for (QWidget *input : formInputs())
        m_inputsEnabled.append(input->isEnabled());
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
    m_delivery->setProgress([this](ReportDelivery::Step step, qint64 sent, qint64 total) {
        // On the send thread: the window hears of it queued, on its own thread.
        QMetaObject::invokeMethod(
            this, [this, step, sent, total] { showDeliveryStep(step, sent, total); }, Qt::QueuedConnection);
    });
    if (!m_keptId.isEmpty())
        m_delivery->setSupersedes(m_keptId, std::move(m_heldEntry));
    if (m_deliveryHook)
        m_deliveryHook(*m_delivery);
    m_sendThread = new CSendThread(this);
    m_sendThread->start(QThread::InheritPriority);
}

QList<QWidget *> CFeedback::formInputs() const
{
    return {m_ui.lineedit_EmailText, m_ui.plainTextEdit_Content, m_ui.comboBox,
            m_ui.comboBox_Android,   m_ui.lineEdit_Model,        m_ui.lineEdit_Brand,
            m_ui.captureButton,      m_ui.addImage,              m_ui.listWidget_Screen,
            m_ui.listWidget_Photo,   m_ui.CheckBoxAttachDB,      m_ui.CheckBoxAttachLog};
}

void CFeedback::disableInputs()
{
    for (QWidget *input : formInputs())
        input->setEnabled(false);
}

void CFeedback::restoreForm()
{
    m_savedLine->hide();
    m_referenceLine->hide();
    m_ui.widget_SubView->hide();
    m_ui.widget_Submit->show();
    for (QWidget *input : formInputs())
        input->setEnabled(true);
}

// The step, a thin progress bar and Cancel go around the animation and its
// text, and the reference of the success page in the band above the result
// (where the failure pages say the report is kept): all in room the result
// area has, none in a layout of the form, so nothing of the form moves.
void CFeedback::addDeliveryWidgets()
{
    m_stepLine = new QLabel(m_ui.frameLoading);
    m_stepLine->setObjectName(QStringLiteral("label_SubStep"));
    m_stepLine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_sendProgress = new QProgressBar(m_ui.frameLoading);
    m_sendProgress->setObjectName(QStringLiteral("progressBar_Send"));
    m_sendProgress->setRange(0, ProgressSteps);
    m_sendProgress->setTextVisible(false);
    m_sendProgress->hide();
    m_cancelLink = new QLabel(m_ui.frameLoading);
    m_cancelLink->setObjectName(QStringLiteral("label_SubCancel"));
    connect(m_cancelLink, &QLabel::linkActivated, this, [this] { cancelSubmission(); });
    m_ui.frameLoading->installEventFilter(this);
    m_ui.label_Submitting->installEventFilter(this);

    m_referenceLine = addResultBandLine(QStringLiteral("label_SubReference"));
    // Selectable, so that it can be copied into a mail to support.
    m_referenceLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void CFeedback::placeLoadingExtras()
{
    const Qt::LayoutDirection direction = m_ui.frameLoading->layoutDirection();
    const QRect area = m_ui.frameLoading->rect();
    const QRect text = QStyle::visualRect(direction, area, m_ui.label_Submitting->geometry());
    // Cancel at the end of the row; the bar and the step line centred below it.
    const QSize cancel = m_cancelLink->sizeHint();
    m_cancelLink->setGeometry(QStyle::visualRect(
        direction, area,
        QRect(area.width() - FormSideMargin - cancel.width(), text.center().y() - cancel.height() / 2, cancel.width(),
              cancel.height())));
    // The label is as tall as the row; its text sits at its centre.
    const int below = text.center().y() + m_ui.label_Submitting->fontMetrics().height() / 2 + 3;
    m_sendProgress->setGeometry(QStyle::visualRect(direction, area, QRect((area.width() - 240) / 2, below, 240, 4)));
    m_stepLine->setGeometry(FormSideMargin, below + 6, area.width() - 2 * FormSideMargin, m_stepLine->fontMetrics().height());
}

// Queued from the send thread.
void CFeedback::showDeliveryStep(ReportDelivery::Step step, qint64 sent, qint64 total)
{
    if (m_submitState != 1 || m_cancelling)
        return;
    switch (step) {
    case ReportDelivery::FetchingSettings:
        m_stepLine->setText(tr("Getting the mail settings\u2026"));
        break;
    case ReportDelivery::Packing:
        m_stepLine->setText(tr("Packing the files\u2026"));
        break;
    case ReportDelivery::WaitingForOtherSend:
        m_stepLine->setText(tr("Waiting for the copy being sent in the background\u2026"));
        break;
    case ReportDelivery::Connecting:
        m_stepLine->setText(tr("Connecting to the mail server\u2026"));
        break;
    case ReportDelivery::Sending:
        m_stepLine->setText(
            tr("Sending: %1 of %2").arg(CReportDetails::sizeText(sent), CReportDetails::sizeText(total)));
        m_sendProgress->setValue(total > 0 ? int(sent * ProgressSteps / total) : 0);
        // All of it is on its way; what is left is the server's answer,
        // and a message the server may have taken is not to be called off.
        if (sent >= total)
            m_cancelLink->hide();
        break;
    }
    m_sendProgress->setVisible(step == ReportDelivery::Sending);
}

void CFeedback::cancelSubmission()
{
    if (m_submitState != 1 || !m_delivery || m_cancelling)
        return;
    m_cancelling = true;
    m_cancelLink->hide();
    m_stepLine->setText(tr("Cancelling\u2026"));
    m_delivery->abort(false);
}

// The worker ended without an outcome: the form is back as it was before
// Submit, with what was typed and attached (screenshot files included),
// and the next Submit starts afresh in the same mode.
void CFeedback::restoreAfterCancel()
{
    m_submitState = 0;
    m_cancelling = false;
    if (m_loadingMovie)
        m_loadingMovie->stop();
    m_ui.widget_SubView->hide();
    m_ui.widget_Submit->show();
    const QList<QWidget *> inputs = formInputs();
    for (int i = 0; i < inputs.size(); ++i)
        inputs.at(i)->setEnabled(m_inputsEnabled.value(i, true));
    refreshPreview();
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
        m_stepLine->clear();
        m_sendProgress->hide();
        m_sendProgress->setValue(0);
        m_cancelLink->setText(linkHtml(CancelLink, tr("Cancel")));
        m_cancelLink->show();
        placeLoadingExtras();
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
    announceResultPage();
}

void CFeedback::SlotSendSuccess()
{
    applyDeliveryResult();
    const QString reference = m_delivery ? ReportDelivery::referenceOf(m_delivery->messageId()) : QString();
    m_referenceLine->setText(tr("Reference: %1").arg(reference));
    m_referenceLine->setVisible(!reference.isEmpty());
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
    // No outcome came: the user cancelled, and the report was not sent.
    const bool cancelled = m_submitState == 1;
    // Every later submission from this window goes as Feedback; a crash
    // report that was called off is still one.
    if (!cancelled)
        m_feedbackMode = true;
    finishWorker();
    if (cancelled)
        restoreAfterCancel();
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

// Runs on the send thread. The delivery built at Submit takes its steps in
// order (below) and keeps a failed report before the window hears of the
// outcome; the window's signals reach the GUI thread queued. A delivery the
// user cancelled ends without an outcome, so the window shows no result page.
void CFeedback::runDelivery()
{
    switch (m_delivery ? m_delivery->run() : int(ReportDelivery::OtherFailure)) {
    case ReportDelivery::Submitted:
        emit SignalSendSuccess();
        break;
    case ReportDelivery::NetworkFailure:
        emit SignalNetWorkFail();
        break;
    case ReportDelivery::Cancelled:
        break;
    default:
        emit SignalOtherFail();
        break;
    }
    emit SignalThreadFinish();
}

// The steps of the worker routine, in the order ReportDelivery::run() takes
// them; each hands over to the running delivery (none outside a submission).
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
