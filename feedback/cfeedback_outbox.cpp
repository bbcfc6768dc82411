// Reports that failed and wait in the outbox, drafts of reports not sent,
// and the mail saved as a file from a failure page.

#include "cfeedback.h"

#include "outboxresender.h"
#include "reportcomposer.h"
#include "reportdelivery.h"
#include "screenshotwriter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

// The links of the two lines below.
const char *const DiscardLink = "discard";
const char *const SaveLink = "save";

} // namespace

// Two lines in room the window already has, so no widget of the form moves:
// the draft note beside the address field (where the address error shows,
// and never at the same time), the line of the failure pages in the free
// band just above the result.
void CFeedback::addOutboxLines()
{
    m_draftNote = new QLabel(m_ui.widget_2);
    m_draftNote->setObjectName(QStringLiteral("label_DraftNote"));
    m_draftNote->setWordWrap(true);
    m_draftNote->hide();
    m_ui.horizontalLayout_18->insertWidget(m_ui.horizontalLayout_18->indexOf(m_ui.label_EmailWrong) + 1,
                                           m_draftNote);
    connect(m_draftNote, SIGNAL(linkActivated(QString)), this, SLOT(SlotOutboxLink(QString)));

    m_savedLine = addResultBandLine(QStringLiteral("label_SubSaved"));
    connect(m_savedLine, SIGNAL(linkActivated(QString)), this, SLOT(SlotOutboxLink(QString)));

    m_retryTimer = new QTimer(this);
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, [this] {
        startBackgroundResend();
        // Looked at off the GUI thread: the outbox may be slow to read.
        auto *watcher = new QFutureWatcher<bool>(this);
        connect(watcher, &QFutureWatcher<bool>::finished, this, [this, watcher] {
            watcher->deleteLater();
            if (watcher->result())
                scheduleRetry(m_retryAttempt + 1);
        });
        watcher->setFuture(QtConcurrent::run([outbox = m_outbox] { return outbox.hasEntries(); }));
    });
}

// A hidden line in the free band above the result, lined up with the form.
QLabel *CFeedback::addResultBandLine(const QString &objectName)
{
    auto *line = new QLabel(m_ui.widget_mian);
    line->setObjectName(objectName);
    line->setWordWrap(true); // a longer translation takes a second line
    line->hide();
    auto *row = new QHBoxLayout();
    row->setContentsMargins(FormSideMargin, 0, FormSideMargin, 0);
    row->addWidget(line);
    m_ui.verticalLayout_7->insertLayout(m_ui.verticalLayout_7->indexOf(m_ui.widget_SubView), row);
    return line;
}

int CFeedback::sendPending(QTextStream &out)
{
    return OutboxResender::runCommand(out);
}

void CFeedback::startBackgroundResend()
{
    if (m_resendLauncher) {
        m_resendLauncher(m_launchSettings);
        return;
    }
    // Off the GUI thread, like everything that reads the outbox.
    QtConcurrent::run([outbox = m_outbox, program = QCoreApplication::applicationFilePath(),
                       fallback = m_launchSettings] {
        if (outbox.hasEntries())
            OutboxResender::startDetached(program, fallback);
    });
}

void CFeedback::scheduleRetry(int attempt)
{
    m_retryAttempt = attempt;
    m_retryTimer->start(Outbox::retryDelayMinutes(attempt) * 60 * 1000);
}

// On the GUI thread, when the outcome of a delivery arrives.
void CFeedback::settleOutbox(bool accepted)
{
    if (!m_delivery)
        return;
    const QString kept = m_delivery->keptId();
    m_lastKept = !kept.isEmpty();
    m_lastReport = m_delivery->keptReport();
    m_lastSettings = m_delivery->settings();
    // An accepted or kept report has replaced the copy it superseded (the
    // delivery removed it) and leaves no draft; otherwise that copy stays.
    if (accepted || m_lastKept) {
        m_keptId = kept;
        m_drafts.discard(m_draftKey);
    }
    m_heldEntry.reset();
    if (m_lastKept)
        scheduleRetry(1);

    QString line;
    if (m_lastKept)
        line = tr("Your report is saved and will be sent automatically.") + QLatin1Char(' ');
    else if (m_delivery->keepFailed())
        line = tr("Your report could not be saved for a later attempt.") + QLatin1Char(' ');
    if (!accepted && !m_lastReport.messageId.isEmpty())
        line += linkHtml(SaveLink, tr("Save report as file\u2026"));
    m_savedLine->setText(line);
    m_savedLine->setVisible(!line.isEmpty());
}

// Before the user retries: the kept copy stays out of other attempts' reach
// until the retry has been accepted or kept (and the copy removed), or the
// window closes (and the copy goes later on its own). While another process
// sends it right now, the retry waits for that send (ReportDelivery).
void CFeedback::holdKeptEntry()
{
    if (m_keptId.isEmpty() || m_heldEntry)
        return;
    m_heldEntry = m_outbox.tryLock(m_keptId);
    // Sent meanwhile: nothing left to replace.
    if (m_heldEntry && !m_outbox.contains(m_keptId)) {
        m_heldEntry.reset();
        m_keptId.clear();
    }
}

void CFeedback::SlotOutboxLink(QString target)
{
    if (target == QLatin1String(DiscardLink))
        discardDraft();
    else if (target == QLatin1String(SaveLink))
        saveReportAsFile();
}

bool CFeedback::saveReportAsFile()
{
    if (m_lastReport.messageId.isEmpty())
        return false;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString suggested = folder + QLatin1Char('/') + m_productName + QStringLiteral(" report ")
                              + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HHmm"))
                              + QStringLiteral(".eml");
    const QString caption = tr("Save report as file");
    const QString filter = tr("Mail (*.eml)");
    QString path = m_fileDialog ? m_fileDialog(this, caption, suggested, filter)
                                : QFileDialog::getSaveFileName(this, caption, suggested, filter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".eml");
    // Up to the size of a whole mail: written on a worker, the window goes on.
    auto *watcher = new QFutureWatcher<bool>(this);
    connect(watcher, &QFutureWatcher<bool>::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        if (!watcher->result())
            showFailure(tr("The report could not be saved to %1.").arg(QDir::toNativeSeparators(path)));
    });
    watcher->setFuture(QtConcurrent::run(
        [outbox = m_outbox, keptId = m_keptId, report = m_lastReport, settings = m_lastSettings, path]() mutable {
            // The copies in the outbox outlive the archives of this run.
            const std::optional<OutboxEntry> kept = outbox.find(keptId);
            if (kept && kept->damage.isEmpty())
                report = kept->report;
            return ReportComposer::writeKeptMailFile(report, settings, path);
        }));
    return true;
}

// The form still says what the last report said, which waits in the outbox.
bool CFeedback::formMatchesLastReport() const
{
    if (!m_lastKept)
        return false;
    const ReportForm now = reportForm();
    return now.comment == m_lastForm.comment && now.customerEmail == m_lastForm.customerEmail
           && now.iosVersion == m_lastForm.iosVersion && now.androidVersion == m_lastForm.androidVersion
           && now.phoneBrand == m_lastForm.phoneBrand && now.phoneModel == m_lastForm.phoneModel
           && now.photoPaths == m_lastForm.photoPaths;
}

// Something typed or chosen that is neither sent nor kept in the outbox.
bool CFeedback::draftWanted() const
{
    const bool entered = !m_ui.plainTextEdit_Content->toPlainText().trimmed().isEmpty()
                         || m_ui.listWidget_Photo->count() > 0 || m_ui.listWidget_Screen->count() > 1;
    if (!entered)
        return false;
    switch (m_submitState) {
    case 1:
        // The delivery keeps it if it fails, unless the process ends before
        // (stopDelivery() drops the draft once the delivery kept or sent it).
        return true;
    case 2:
        return false;
    case 3:
    case 4:
        // A result page, or the form again after "try again".
        return !m_ui.widget_SubView->isHidden() ? !m_lastKept : !formMatchesLastReport();
    default:
        return true;
    }
}

bool CFeedback::saveDraft()
{
    if (m_draftKey.isEmpty() || !draftWanted())
        return false;
    // The draft keeps copies of the screenshot files: one still being
    // written is waited for.
    m_screenshotWriter->waitForPending();
    const ReportForm form = reportForm();
    ReportDraft draft;
    draft.comment = form.comment;
    draft.email = m_ui.lineedit_EmailText->text();
    draft.iosVersion = form.iosVersion;
    draft.androidVersion = form.androidVersion;
    draft.phoneBrand = form.phoneBrand;
    draft.phoneModel = form.phoneModel;
    for (int row = 0; row < m_ui.listWidget_Screen->count(); ++row)
        draft.screenshots << m_screenPaths.value(m_screenItems.key(m_ui.listWidget_Screen->item(row)));
    draft.pictures = form.photoPaths;
    draft.supersedes = m_keptId;
    return m_drafts.save(m_draftKey, draft);
}

void CFeedback::restoreDraft()
{
    QString problem;
    const std::optional<ReportDraft> draft = m_drafts.load(m_draftKey, &problem);
    if (!draft) {
        if (!problem.isEmpty())
            m_outbox.log(QStringLiteral("draft %1 skipped: %2").arg(m_draftKey, problem));
        return;
    }
    m_ui.plainTextEdit_Content->setPlainText(draft->comment);
    m_ui.lineedit_EmailText->setText(draft->email);
    m_ui.comboBox->setCurrentText(draft->iosVersion);
    m_ui.comboBox_Android->setCurrentText(draft->androidVersion);
    m_draftVersions = QStringList{draft->iosVersion, draft->androidVersion};
    m_ui.lineEdit_Brand->setText(draft->phoneBrand);
    m_ui.lineEdit_Model->setText(draft->phoneModel);
    if (!draft->screenshots.isEmpty()) {
        // The draft's screenshots take the place of this start's, whose
        // file may not be written yet.
        m_screenshotWriter->discardAll();
        clearPictureLists();
        removePath(screenshotFolder());
        QDir().mkpath(screenshotFolder());
        int n = 0;
        for (const QString &path : draft->screenshots) {
            const QString copy = screenshotFolder() + QStringLiteral("/feedback%1-%2.%3")
                                                          .arg(QDateTime::currentDateTime().toString(
                                                                   QStringLiteral("yyMMddhhmmss")))
                                                          .arg(++n)
                                                          .arg(QFileInfo(path).suffix());
            if (QFile::copy(path, copy))
                addScreenshot(copy);
        }
    }
    for (const QString &path : draft->pictures) {
        if (QFileInfo(path).isFile())
            addPicture(path);
    }
    if (m_outbox.contains(draft->supersedes))
        m_keptId = draft->supersedes;
    showDraftNote(true);
}

void CFeedback::discardDraft()
{
    m_drafts.discard(m_draftKey);
    showDraftNote(false);
    m_ui.plainTextEdit_Content->clear();
    m_ui.lineedit_EmailText->setText(m_userEmail);
    m_ui.lineEdit_Brand->clear();
    m_ui.lineEdit_Model->clear();
    m_ui.comboBox->setCurrentIndex(0);
    m_ui.comboBox_Android->setCurrentIndex(0);
    m_draftVersions.clear();
    clearPictureLists();
    removePath(screenshotFolder());
    takeAutoScreenshot();
}

void CFeedback::showDraftNote(bool visible)
{
    if (visible)
        m_draftNote->setText(tr("Draft restored.") + QLatin1Char(' ')
                             + linkHtml(DiscardLink, tr("Discard")));
    m_draftNote->setVisible(visible);
}
