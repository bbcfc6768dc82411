#pragma once

#include "reportdata.h"

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <atomic>
#include <functional>

class MimeText;
class SmtpClient;

// One report delivery: fetch the mail settings, compose the body, package the
// attachments and send the mail. Built on the GUI thread from a snapshot of
// the window's state, run on the send thread; it touches no widget. The
// settings it ends with (downloaded or not) are read back with settings().
class ReportDelivery
{
public:
    enum Outcome { Submitted = 2, NetworkFailure = 3, OtherFailure = 4, Cancelled = 5 };

    ReportDelivery(const ReportForm &form, const ReportContext &context,
                   const MailSettings &settings);

    void setSettingsUrl(const QUrl &url); // default Deployment::mailSettingsUrl()
    void setAnalytics(std::function<void(const QString &action)> analytics);
    // Tests only; the defaults are the SMTP client's own.
    void setSmtpTimeouts(int connectMs, int responseMs, int sendMs);
    void setDownloadTimeout(int ms); // default 30000

    // The whole sequence; returns Submitted, NetworkFailure, OtherFailure, or
    // Cancelled after abort().
    int run();

    // May be called from any thread while the delivery runs: a settings
    // download or SMTP dialogue in flight ends within a tenth of a second
    // (the connection closed without QUIT and without ending the message),
    // and the delivery returns Cancelled instead of going on.
    void abort();
    bool isAborted() const { return m_aborted; }

    // The steps, in the order run() takes them.
    void fetchMailSettings();
    void composeReportBody(MimeText &body);
    bool packageAttachments();
    int deliverReport(MimeText &body);

    MailSettings settings() const { return m_settings; }
    QStringList attachmentFiles() const { return m_attachmentFiles; }

private:
    void log(int code, const QString &message) const;
    void event(const QString &action) const;

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
    std::atomic<bool> m_aborted{false};
    QMutex m_clientMutex;
    SmtpClient *m_client = nullptr; // the dialogue in flight, for abort()
};
