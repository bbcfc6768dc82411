// Submission: the last check, the worker, the result pages and their links.

#include "cfeedback.h"

#include "deliverylog.h"
#include "deployment.h"
#include "firstpaintsteps.h"
#include "formaccessibility.h"
#include "formsetup.h"
#include "keptreports.h"
#include "outboxresender.h"
#include "previewpanel.h"
#include "progressview.h"
#include "pzstylebutton.h"
#include "resultpage.h"
#include "screenshotwriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QUrl>

void CFeedback::SlotSendEmail()
{
    const QString address = m_ui.lineedit_EmailText->text().trimmed();
    if (address.isEmpty() || !isValidAddress(address)) {
        showAddressError();
        if (!address.isEmpty()) // a field of blanks keeps Submit, which complains again
            m_ui.ButtonSubmit->setEnabled(false);
        return;
    }

    // The report takes every screenshot file: one still being written is
    // waited for (a save that fails takes its tile away before the form is
    // read), and the set-up that waited for the first paint is done now.
    m_firstPaint->runNow();
    m_screenshotWriter->waitForPending();

    m_progressView->remember(FormSetUp::inputs(m_ui));
    disableInputs();
    m_keptReports->showDraftNote(false);
    m_submitState = 1;
    updateResultView();

    if (m_sendThread)
        return;
    // Everything the worker needs is taken here, on the GUI thread; it never
    // reads a widget or a member of the window.
    const ReportForm form = reportForm();
    m_delivery = std::make_unique<ReportDelivery>(form, reportContext(), mailSettings());
    m_delivery->setAnalytics([this](const QString &action) { m_gaRequest.sendEvent(action); });
    m_keptReports->prepare(*m_delivery, form);
    m_delivery->setProgress([this](ReportDelivery::Step step, qint64 sent, qint64 total) {
        // On the send thread: the window hears of it queued, on its own thread.
        const auto showStep = [this, step, sent, total] {
            if (m_submitState == 1) // not once the outcome is shown
                m_progressView->showStep(step, sent, total);
        };
        QMetaObject::invokeMethod(this, showStep, Qt::QueuedConnection);
    });
    m_seams.newDelivery(*m_delivery);
    m_sendThread = new CSendThread(this, this);
    m_sendThread->start(QThread::InheritPriority);
}

void CFeedback::disableInputs()
{
    for (QWidget *input : FormSetUp::inputs(m_ui))
        input->setEnabled(false);
}

void CFeedback::restoreForm()
{
    m_keptReports->hideSavedLine();
    m_progressView->hideReference();
    m_ui.widget_SubView->hide();
    m_ui.widget_Submit->show();
    for (QWidget *input : FormSetUp::inputs(m_ui))
        input->setEnabled(true);
}

void CFeedback::cancelSubmission()
{
    if (m_submitState == 1 && m_delivery && m_progressView->cancel())
        m_delivery->abort(false);
}

// The worker ended without an outcome: the form is back as it was before
// Submit, with what was typed and attached (screenshot files included),
// and the next Submit starts afresh in the same mode.
void CFeedback::restoreAfterCancel()
{
    m_submitState = 0;
    m_ui.widget_SubView->hide();
    m_ui.widget_Submit->show();
    m_progressView->cancelled(FormSetUp::inputs(m_ui));
    m_previewPanel->refresh();
}

void CFeedback::updateResultView()
{
    ResultPage::show(m_ui, m_submitState, m_linkColor, m_mail.recipientAddress);
    if (m_submitState == 1)
        m_progressView->start();
    else if (m_submitState > 1)
        m_access->announceResultPage(
            {m_progressView->referenceLine(), m_keptReports->savedLine(), m_ui.label_SubDescribe});
}

void CFeedback::SlotSendSuccess()
{
    m_progressView->showReference(m_delivery ? ReportDelivery::referenceOf(m_delivery->messageId()) : QString());
    showOutcome(2);
}

void CFeedback::SlotNetWorkFail()
{
    showOutcome(3);
}

void CFeedback::SlotOtherFail()
{
    showOutcome(4);
}

// The outcome's page (2: sent, 3 and 4: failed), once the report is settled
// as sent or kept.
void CFeedback::showOutcome(int submitState)
{
    applyDeliveryResult();
    if (m_delivery)
        m_keptReports->settle(*m_delivery, submitState == 2);
    m_submitState = submitState;
    updateResultView();
}

void CFeedback::SlotClickUrlLabel(QString link)
{
    m_screenshotWriter->discardAll();
    removePath(screenshotFolder());
    if (link == QLatin1String("try again")) {
        m_keptReports->holdKeptEntry();
        clearPictureLists();
        takeAutoScreenshot();
        restoreForm();
    } else if (link == m_mail.recipientAddress || link == Deployment::supportMailbox()) {
        m_seams.openUrl(QUrl(QStringLiteral("mailto:%1").arg(link)));
    } else if (link == QLatin1String("rewrite")) {
        restoreForm();
        m_ui.plainTextEdit_Content->setPlainText(QString());
        clearPictureLists();
    }
}

void CFeedback::SlotThreadFinished()
{
    // No outcome came: the user cancelled, and the report was not sent.
    const bool cancelled = m_submitState == 1;
    // Every later submission from this window goes as Feedback; a crash
    // report that was called off is still one.
    if (!cancelled)
        m_context.feedbackMode = true;
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
    m_mail = m_delivery->settings();
    m_attachmentFiles = m_delivery->attachmentFiles();
}

// Runs on the send thread. The delivery built at Submit takes its steps in
// order and keeps a failed report before the window hears of the
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

bool CFeedback::removePath(const QString &path)
{
    return DeliveryLog::removePath(path);
}

int CFeedback::sendPending(QTextStream &out)
{
    return OutboxResender::runCommand(out);
}
