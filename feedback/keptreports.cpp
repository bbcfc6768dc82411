#include "keptreports.h"

#include "outboxresender.h"
#include "reportcomposer.h"
#include "reportdelivery.h"
#include "windowlines.h"
#include "windowseams.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QtConcurrent>

namespace {

// The links of the two lines.
const char *const DiscardLink = "discard";
const char *const SaveLink = "save";

} // namespace

KeptReports::KeptReports(QLabel *draftNote, QLabel *savedLine, const QColor &linkColour, const WindowSeams &seams,
                         QWidget *window)
    : QObject(window)
    , m_draftNote(draftNote)
    , m_savedLine(savedLine)
    , m_linkColour(linkColour)
    , m_seams(seams)
    , m_window(window)
{
    connect(m_draftNote, &QLabel::linkActivated, this, &KeptReports::followLink);
    connect(m_savedLine, &QLabel::linkActivated, this, &KeptReports::followLink);
}

KeptReports::~KeptReports() = default;

void KeptReports::setLaunch(const QString &hostPath, const QString &productName, bool feedbackMode,
                            const MailSettings &launchSettings)
{
    m_productName = productName;
    m_launchSettings = launchSettings;
    m_draftKey = DraftStore::key(hostPath, feedbackMode);
}

void KeptReports::startBackgroundResend()
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

void KeptReports::scheduleRetry(int attempt)
{
    // Made when a retry is first due: most windows never need it.
    if (!m_retryTimer) {
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
    m_retryAttempt = attempt;
    m_retryTimer->start(Outbox::retryDelayMinutes(attempt) * 60 * 1000);
}

void KeptReports::prepare(ReportDelivery &delivery, const ReportForm &form)
{
    m_lastForm = form;
    holdKeptEntry();
    delivery.setOutbox(m_outbox);
    if (!m_keptId.isEmpty())
        delivery.setSupersedes(m_keptId, std::move(m_heldEntry));
}

void KeptReports::settle(const ReportDelivery &delivery, bool accepted)
{
    const QString kept = delivery.keptId();
    m_lastKept = !kept.isEmpty();
    m_lastReport = delivery.keptReport();
    m_lastSettings = delivery.settings();
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
        line = QCoreApplication::translate("CFeedback", "Your report is saved and will be sent automatically.")
               + QLatin1Char(' ');
    else if (delivery.keepFailed())
        line = QCoreApplication::translate("CFeedback", "Your report could not be saved for a later attempt.")
               + QLatin1Char(' ');
    if (!accepted && !m_lastReport.messageId.isEmpty())
        line += linkHtml(SaveLink, QCoreApplication::translate("CFeedback", "Save report as file\u2026"), m_linkColour);
    m_savedLine->setText(line);
    m_savedLine->setVisible(!line.isEmpty());
}

void KeptReports::stopped(const ReportDelivery &delivery)
{
    if (delivery.outcome() == ReportDelivery::Submitted || !delivery.keptId().isEmpty())
        m_drafts.discard(m_draftKey);
}

void KeptReports::hideSavedLine()
{
    m_savedLine->hide();
}

// The kept copy stays held until the retry has been accepted or kept (and
// the copy removed), or the window closes (and the copy goes later on its
// own). While another process sends it right now, the retry waits for that
// send (ReportDelivery).
void KeptReports::holdKeptEntry()
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

void KeptReports::followLink(const QString &target)
{
    if (target == QLatin1String(DiscardLink))
        emit discardRequested();
    else if (target == QLatin1String(SaveLink))
        saveReportAsFile();
}

bool KeptReports::saveReportAsFile()
{
    if (m_lastReport.messageId.isEmpty())
        return false;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString suggested = folder + QLatin1Char('/') + m_productName + QStringLiteral(" report ")
                              + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HHmm"))
                              + QStringLiteral(".eml");
    QString path = m_seams.saveFileName(m_window, QCoreApplication::translate("CFeedback", "Save report as file"),
                                        suggested, QCoreApplication::translate("CFeedback", "Mail (*.eml)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".eml");
    // Up to the size of a whole mail: written on a worker, the window goes on.
    auto *watcher = new QFutureWatcher<bool>(this);
    connect(watcher, &QFutureWatcher<bool>::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        if (!watcher->result())
            m_seams.showMessage(m_window,
                                QCoreApplication::translate("CFeedback", "The report could not be saved to %1.")
                                    .arg(QDir::toNativeSeparators(path)),
                                m_productName);
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
bool KeptReports::formMatchesLastReport(const ReportForm &now) const
{
    if (!m_lastKept)
        return false;
    return now.comment == m_lastForm.comment && now.customerEmail == m_lastForm.customerEmail
           && now.iosVersion == m_lastForm.iosVersion && now.androidVersion == m_lastForm.androidVersion
           && now.phoneBrand == m_lastForm.phoneBrand && now.phoneModel == m_lastForm.phoneModel
           && now.photoPaths == m_lastForm.photoPaths;
}

bool KeptReports::draftWanted(int submitState, bool resultShown, const ReportForm &now) const
{
    // Typed or attached: more than the start-up screenshot.
    const bool entered = !now.comment.trimmed().isEmpty() || !now.photoPaths.isEmpty() || now.screenshotCount > 1;
    if (m_draftKey.isEmpty() || !entered)
        return false; // not launched, or nothing to keep
    switch (submitState) {
    case 1:
        // The delivery keeps it if it fails, unless the process ends before
        // (stopped() drops the draft once the delivery kept or sent it).
        return true;
    case 2:
        return false;
    case 3:
    case 4:
        // A result page, or the form again after "try again".
        return resultShown ? !m_lastKept : !formMatchesLastReport(now);
    default:
        return true;
    }
}

bool KeptReports::saveDraft(ReportDraft draft)
{
    if (m_draftKey.isEmpty())
        return false;
    draft.supersedes = m_keptId;
    return m_drafts.save(m_draftKey, draft);
}

std::optional<ReportDraft> KeptReports::restoreDraft()
{
    QString problem;
    std::optional<ReportDraft> draft = m_drafts.load(m_draftKey, &problem);
    if (!draft) {
        if (!problem.isEmpty())
            m_outbox.log(QStringLiteral("draft %1 skipped: %2").arg(m_draftKey, problem));
        return draft;
    }
    m_draftVersions = QStringList{draft->iosVersion, draft->androidVersion};
    if (m_outbox.contains(draft->supersedes))
        m_keptId = draft->supersedes;
    return draft;
}

void KeptReports::discardDraft()
{
    m_drafts.discard(m_draftKey);
    showDraftNote(false);
    m_draftVersions.clear();
}

void KeptReports::showDraftNote(bool visible)
{
    if (visible)
        m_draftNote->setText(QCoreApplication::translate("CFeedback", "Draft restored.") + QLatin1Char(' ')
                             + linkHtml(DiscardLink, QCoreApplication::translate("CFeedback", "Discard"), m_linkColour));
    m_draftNote->setVisible(visible);
}
