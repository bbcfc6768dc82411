#pragma once

#include <QString>
#include <QStringList>

// What the user entered, read from the window's widgets on the GUI thread when
// Submit starts a delivery. The worker reads only this copy, never a widget.
struct ReportForm
{
    QString customerEmail;   // the address field, trimmed
    QString comment;         // the content box, unchanged
    QString iosVersion;      // current text of the iOS version list
    QString androidVersion;  // current text of the Android version list
    QString windowsVersion;  // the host OS row
    QString iTunesVersion;   // the iTunes row
    QString phoneBrand;
    QString phoneModel;
    bool attachLog = false;
    bool attachDatabase = false;
    int screenshotCount = 0; // entries in the screenshot list
    QStringList photoPaths;  // files of the picture list's entries, in list order
    bool maskLogs = false;   // the log archive carries masked copies
    int hiddenAreas = 0;     // areas blacked out in the listed pictures
};

// The window's report state that composition and packaging read.
struct ReportContext
{
    QString appDir;          // folder of the executable
    QString productName;
    QString userEmail;       // the address given on the command line
    QString hostPath;        // the host executable
    QString productId;
    QString mailSubject;
    QString recipientName;
    bool showVersion = true;
    bool systemIsIos = true;
    bool feedbackMode = true;
};

// Mail-delivery settings: start-up values, replaced by the downloaded document.
struct MailSettings
{
    QString senderAccount;
    QString senderPassword;
    QString smtpHost;
    QString smtpPort = QStringLiteral("465");
    QString connectType;     // empty means TLS from the first byte
    QString recipientAddress;
};

// A report as it is kept for a later attempt: everything the mail is rebuilt
// from except the account, which comes from the settings of that attempt.
struct KeptReport
{
    QString messageId;       // the first attempt's, without angle brackets
    QString body;            // the composed text
    QStringList files;       // attachments, in mail order
    QStringList fileNames;   // the name each is announced under
    bool feedbackMode = true;
    QString hostPath;
    QString productId;
    QString mailSubject;
    QString recipientName;
};
