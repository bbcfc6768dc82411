#pragma once

#include "draftstore.h"
#include "mailsettings.h"
#include "outbox.h"
#include "reportdata.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QColor;
class QLabel;
class QLockFile;
class QTimer;
class QWidget;
class ReportDelivery;
struct WindowSeams;

// Reports that failed and wait in the outbox, drafts of reports not sent,
// and the mail saved as a file from a failure page.
//
// The report of the last delivery is remembered: its entry (empty when not
// kept), its parts and settings for "save as file", and the form it was made
// from. While the user retries, the entry's lock is held, so no background
// attempt sends the copy the retry replaces. Kept reports go in a process of
// its own ("--send-pending"), started after the window is shown and a few
// minutes after a failure, backing off, so closing never waits on the network.
//
// Two lines of the window are its own: the draft note (beside the address
// field, where the address error shows, and never at the same time) and the
// line of the failure pages (in the band above the result).
class KeptReports : public QObject
{
    Q_OBJECT
public:
    using ResendLauncher = std::function<void(const MailSettings &fallback)>;

    // linkColour and seams are the window's: the colour is read whenever a
    // line is written, the seams ask where to save and tell of a failure.
    KeptReports(QLabel *draftNote, QLabel *savedLine, const QColor &linkColour, const WindowSeams &seams,
                QWidget *window);
    ~KeptReports() override;

    // Replaces the start of the background resend process.
    void setResendLauncher(ResendLauncher launcher) { m_resendLauncher = std::move(launcher); }

    // The launch: whose drafts these are (the product names the saved file),
    // and the account of the command line.
    void setLaunch(const QString &hostPath, const QString &productName, bool feedbackMode,
                   const MailSettings &launchSettings);
    void startBackgroundResend();
    QString keptEntryId() const { return m_keptId; }

    // Before a delivery starts or the user retries: the kept copy stays out
    // of other attempts' reach until the retry has been accepted or kept.
    void holdKeptEntry();
    // The delivery of form keeps a failed report and replaces the kept copy.
    void prepare(ReportDelivery &delivery, const ReportForm &form);
    // On the GUI thread, when the outcome of delivery arrives.
    void settle(const ReportDelivery &delivery, bool accepted);
    // The delivery ended before its outcome reached the window: the draft
    // saved at close is dropped when it sent or kept the report.
    void stopped(const ReportDelivery &delivery);
    void hideSavedLine();

    // Whether the form (what is entered, the submission in that state, the
    // result page shown or not) makes a draft worth keeping.
    bool draftWanted(int submitState, bool resultShown, const ReportForm &now) const;
    bool saveDraft(ReportDraft draft);
    // The draft of the launch, shown as restored; the form is the caller's to fill.
    std::optional<ReportDraft> restoreDraft();
    void discardDraft();
    void showDraftNote(bool visible);
    // The version choices of a restored draft, until the lists are downloaded.
    QStringList draftVersions() const { return m_draftVersions; }
    void clearDraftVersions() { m_draftVersions.clear(); }

    bool saveReportAsFile();

    QLabel *draftNote() const { return m_draftNote; }
    QLabel *savedLine() const { return m_savedLine; }

signals:
    // "Discard" on the draft note: the form is to be emptied.
    void discardRequested();

private:
    void scheduleRetry(int attempt);
    void followLink(const QString &target);
    bool formMatchesLastReport(const ReportForm &now) const;

    QLabel *m_draftNote;
    QLabel *m_savedLine;
    const QColor &m_linkColour;
    const WindowSeams &m_seams;
    QWidget *m_window;
    Outbox m_outbox;
    DraftStore m_drafts;
    QString m_draftKey;
    QString m_productName;
    QString m_keptId;
    std::unique_ptr<QLockFile> m_heldEntry;
    KeptReport m_lastReport;
    MailSettings m_lastSettings;
    ReportForm m_lastForm;
    bool m_lastKept = false;
    MailSettings m_launchSettings;
    QTimer *m_retryTimer = nullptr;
    int m_retryAttempt = 0;
    QStringList m_draftVersions;
    ResendLauncher m_resendLauncher;
};
