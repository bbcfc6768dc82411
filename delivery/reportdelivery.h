#pragma once

#include "abortswitch.h"
#include "outbox.h"
#include "reportdata.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class MimeText;
class QLockFile;

// One report delivery: fetch the mail settings, compose the body, package the
// attachments and send the mail. Built on the GUI thread from a snapshot of
// the window's state, run on the send thread; it touches no widget. The
// settings it ends with (downloaded or not) are read back with settings().
class ReportDelivery
{
public:
    enum Outcome { Submitted = 2, NetworkFailure = 3, OtherFailure = 4, Cancelled = 5 };
    // Where the delivery is; Sending comes with the bytes of the mail sent
    // of its total, the others with 0 of 0.
    enum Step { FetchingSettings, Packing, Connecting, Sending, WaitingForOtherSend };
    using Progress = std::function<void(Step step, qint64 sent, qint64 total)>;

    ReportDelivery(const ReportForm &form, const ReportContext &context,
                   const MailSettings &settings);
    ~ReportDelivery();

    void setSettingsUrl(const QUrl &url); // default Deployment::mailSettingsUrl()
    void setAnalytics(std::function<void(const QString &action)> analytics);
    // Tests only; the defaults are the SMTP client's own.
    void setSmtpTimeouts(int connectMs, int responseMs, int sendMs);
    void setDownloadTimeout(int ms); // default 30000
    // Called on the delivery's thread as it goes from step to step and while
    // the mail is being sent (see SmtpClient::messageProgress).
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // The whole sequence; returns Submitted, NetworkFailure, OtherFailure, or
    // Cancelled after abort().
    int run();

    // May be called from any thread while the delivery runs: a settings
    // download or SMTP dialogue in flight ends within a tenth of a second
    // (the connection closed without QUIT and without ending the message),
    // and the delivery returns Cancelled instead of going on. keepReport:
    // the window closed under it, so the report is still packed and kept in
    // the outbox to go later; otherwise the user cancelled: the packing stops
    // within a chunk and nothing is kept, whatever abort comes after.
    void abort(bool keepReport = false) { m_abort.abort(keepReport); }
    bool isAborted() const { return m_abort.isAborted(); }
    // Aborted, and nothing of it is to be kept. Final once true.
    bool isCancelled() const { return m_abort.isCancelled(); }

    // The steps, in the order run() takes them.
    void fetchMailSettings();
    void composeReportBody(MimeText &body);
    bool packageAttachments();
    int deliverReport(MimeText &body);
    // Once the outcome is known: a report that reached the mail step and was
    // not accepted goes to the outbox; one accepted or kept replaces the
    // entry it supersedes.
    void finishReport(int outcome);

    // Failed reports are kept here; without an outbox nothing is kept.
    void setOutbox(const Outbox &outbox) { m_outbox = outbox; }
    // An earlier kept copy of the same report: this attempt goes under its
    // Message-ID and replaces it. lock: the entry's lock when the caller
    // holds it; otherwise run() first waits for the process that holds it
    // to end its send, and when that send got the copy accepted, reports
    // Submitted without a mail of its own.
    void setSupersedes(const QString &entryId, std::unique_ptr<QLockFile> lock = nullptr);
    // The outbox entry of this report; empty when it was not kept.
    QString keptId() const { return m_keptId; }
    // It was to be kept, and the copy could not be written.
    bool keepFailed() const { return m_keepFailed; }
    // What run() returned; 0 while it runs.
    int outcome() const { return m_outcome; }
    // The report as it went to the mail step (empty before it got there).
    KeptReport keptReport() const;

    MailSettings settings() const { return m_settings; }
    QStringList attachmentFiles() const { return m_attachmentFiles; }
    // The mail's Message-ID, once the delivery reached the mail step.
    QString messageId() const { return m_messageId; }
    // The server refused the mail as larger than it takes.
    bool refusedForSize() const { return m_refusedForSize; }

    // A short reference a user can quote and support can find in the
    // received mail's Message-ID: its first 12 hexadecimal digits, upper
    // case, in groups of four ("7F3A-19C2-B4D1"). Empty for an id without.
    static QString referenceOf(const QString &messageId);

private:
    void log(int code, const QString &message) const;
    void event(const QString &action) const;
    void step(Step step, qint64 sent = 0, qint64 total = 0) const;
    bool takeOverSuperseded();

    ReportForm m_form;
    ReportContext m_context;
    MailSettings m_settings;
    QStringList m_attachmentFiles;
    QUrl m_settingsUrl;
    std::function<void(const QString &)> m_analytics;
    int m_connectTimeout = -1;
    int m_responseTimeout = -1;
    int m_sendTimeout = -1;
    int m_downloadTimeout = 30000;
    std::optional<Outbox> m_outbox;
    QString m_supersedes;
    std::unique_ptr<QLockFile> m_supersededLock;
    QString m_keptId;
    bool m_keepFailed = false;
    std::atomic<int> m_outcome{0};
    QString m_messageId;
    QString m_bodyText;
    bool m_refusedForSize = false;
    Progress m_progress;
    AbortSwitch m_abort;
};
