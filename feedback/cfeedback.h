#pragma once

#include "cgapostrequest.h"
#include "csendthread.h"
#include "mailsettings.h"
#include "pictureedits.h"
#include "pzstyledialog.h"
#include "reportdata.h"
#include "reportdelivery.h"
#include "ui_cfeedback.h"
#include "windowseams.h"

#include <QByteArray>
#include <QColor>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class FirstPaintSteps;
class FormAccessibility;
class KeptReports;
class PreviewPanel;
class ProgressView;
class QCloseEvent;
class QListWidget;
class QListWidgetItem;
class QNetworkReply;
class QPixmap;
class QPushButton;
class QTextStream;
class QTranslator;
class ScreenshotWriter;
namespace HostPlatform {
class DesktopGrab;
}
namespace PictureThumbnail {
enum class FormatFrom;
}

// The feedback window, and the state of the report it sends: the mode, the
// addresses and mail settings, the product's names, the attached pictures and
// the worker of a running submission.
//
// A submission runs on a CSendThread. The worker never touches a widget or a
// window member: Submit takes a snapshot of the form and of the report state
// on the GUI thread and hands it to a ReportDelivery, which the worker runs.
// The settings the delivery ends with are copied back when it has finished.
//
// What goes beyond that lives in units the window owns and wires: the
// reports kept for later and the drafts (KeptReports), what a report would
// carry and how large it would be (PreviewPanel), a report on its way and
// its reference (ProgressView), use by keyboard and screen reader
// (FormAccessibility), and what the user hid in the pictures (PictureEdits).
class CFeedback : public PZStyleDialog, public DeliveryRunner
{
    Q_OBJECT
    Q_PROPERTY(QColor linkColor READ linkColor WRITE setLinkColor)
    Q_PROPERTY(int dlgRadius READ dlgRadius WRITE setDlgRadius)

public:
    CFeedback(bool feedbackMode, const QString &userEmail, const QString &hostPath,
              QWidget *parent = nullptr);
    ~CFeedback() override;

    // Second stage of the set-up, called once before the window is shown.
    void setLaunchInfo(const QString &recipientAddress, const QString &senderAccount,
                       const QString &senderPassword);
    // Runs step once the window has been painted (or the event loop runs
    // with the window not shown); at once when that has happened.
    void afterFirstPaint(std::function<void()> step);

    // The text after the last "/" of the host path, cut before its first ".".
    static QString productNameFromPath(const QString &hostPath);
    // Text of the first element named key under the root of productinfo.xml
    // beside the program; empty when there is none.
    static QString readProductInfo(const QString &key);
    // The one translator of the process, created on first use.
    static QTranslator &translator();
    // Folder of the screenshots: the program's folder + "/ScreenPicture".
    static QString screenshotFolder();
    // The e-mail pattern of the skin, matched against the whole text.
    static bool isValidAddress(const QString &address);

    void loadVersionLists(const QByteArray &json);

    // Picture lists.
    void addScreenshot(const QString &path);
    void addPicture(const QString &path);
    void takeAutoScreenshot();
    void clearPictureLists();

    // Submission flow.
    void disableInputs();
    void restoreForm();
    void updateResultView();
    // Stops the running submission; the form comes back as it was before
    // Submit, nothing is sent or kept.
    void cancelSubmission();
    // Once the event loop has ended: aborts a delivery still running (the
    // report is kept when it can be) and waits for its worker at most
    // timeoutMs (-1: without limit). False when the worker still runs then:
    // the process is to end without the window being destroyed.
    bool stopDelivery(int timeoutMs);

    // Opens the editor that hides parts of a listed screenshot (rewritten in
    // place) or picture (edited in a copy; the user's file stays as it is),
    // above the given window (this one when null).
    void editPicture(const QString &path, QWidget *over = nullptr);

    // The worker routine, run on the send thread: the delivery built at
    // Submit takes its steps (fetchMailSettings, composeReportBody,
    // packageAttachments, deliverReport).
    void runDelivery() override;
    static bool removePath(const QString &path);
    // "--send-pending": sends what waits in the outbox, a line per report on out.
    static int sendPending(QTextStream &out);

    KeptReports &keptReports() const { return *m_keptReports; }
    PreviewPanel &previewPanel() const { return *m_previewPanel; }

    // What a delivery started now would be given, read on the GUI thread.
    ReportForm reportForm() const;
    ReportContext reportContext() const { return m_context; }
    MailSettings mailSettings() const { return m_mail; }

    // The dialogs and links the window opens, replaceable by a test.
    WindowSeams &seams() { return m_seams; }

    QColor linkColor() const { return m_linkColor; }
    void setLinkColor(const QColor &color) { m_linkColor = color; }
    int dlgRadius() const { return m_dlgRadius; }
    void setDlgRadius(int radius) { m_dlgRadius = radius; }

    int submitState() const { return m_submitState; }
    QString skinPath() const { return m_skinPath; }
    QString brandName() const { return m_brandName; }
    CSendThread *sendThread() const { return m_sendThread; }
    Ui_CFeedback &form() { return m_ui; }
    const Ui_CFeedback &form() const { return m_ui; }
    const CGAPostRequest &analytics() const { return m_gaRequest; }

signals:
    void SignalNetWorkFail();
    void SignalSendSuccess();
    void SignalOtherFail();
    void SignalThreadFinish();

public slots:
    void SlotSendEmail();
    void SlotScreenShot();
    void SlotAddImg();
    void SlotSaveFinished(QString path);
    void SlotIsLineEditEmpty();
    void SlotJudgeEmailValid();
    void SlotClickUrlLabel(QString link);
    void SlotNetWorkFail();
    void SlotSendSuccess();
    void SlotOtherFail();
    void SlotThreadFinished();
    void SlotGetStr(QByteArray allData);
    void soltGetEmailInfoOver(QNetworkReply *reply);
    void SlotMessageReceived(QString message);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void loadTranslation();
    void applyInitialStates();
    void applyModeTexts();
    void applyTexts();
    void applyLayoutSwitches();
    void connectSignals();
    void addUnits();
    void requestVersionLists();
    void setMailIdentity();
    bool addTile(QListWidget *list, const QString &path, PictureThumbnail::FormatFrom format, bool screenshot);
    void listTile(QListWidget *list, const QString &path, const QPixmap &thumbnail, bool screenshot);
    void screenshotSaved(const QString &path, bool saved);
    void removeScreenshot(QPushButton *closeButton);
    void removePicture(QPushButton *closeButton);
    void pictureEdited(const QString &path, const QString &edited);
    void showAddressError();
    void showOutcome(int submitState);
    void restoreAfterCancel();
    void finishWorker();
    void applyDeliveryResult();
    // Drafts: the form as the draft keeps it, and back.
    bool saveDraft();
    void restoreDraft();
    void discardDraft();

    int m_submitState = 0;
    // The mode, the addresses and the product's names, as a delivery is given
    // them (the folder of the program included).
    ReportContext m_context;
    // The account and server of the mail, replaced by the downloaded settings.
    MailSettings m_mail;
    QString m_skinPath;
    QString m_brandName;
    QStringList m_attachmentFiles;
    QMap<QPushButton *, QListWidgetItem *> m_screenItems;
    QMap<QPushButton *, QListWidgetItem *> m_photoItems;
    QMap<QPushButton *, QString> m_screenPaths;
    QMap<QListWidgetItem *, QString> m_photoPaths;
    CSendThread *m_sendThread = nullptr;
    Ui_CFeedback m_ui;
    CGAPostRequest m_gaRequest;
    QColor m_linkColor = QColor(QStringLiteral("#0070c9"));
    int m_dlgRadius = 0;
    bool m_polished = false;

    // The delivery of the running submission; only the worker uses it while
    // the thread runs.
    std::unique_ptr<ReportDelivery> m_delivery;
    // The window was closed while a worker ran: the temporary files are
    // removed once the worker is done with them.
    bool m_cleanupPending = false;
    // The start-up screenshot, read by the display server while the window
    // is being built.
    std::unique_ptr<HostPlatform::DesktopGrab> m_desktopGrab;
    // Screenshots are encoded and written while the window is already up.
    ScreenshotWriter *m_screenshotWriter = nullptr;
    // Set-up that nothing on screen waits for; run after the first paint.
    FirstPaintSteps *m_firstPaint = nullptr;

    // The units, children of the window.
    KeptReports *m_keptReports = nullptr;
    PreviewPanel *m_previewPanel = nullptr;
    ProgressView *m_progressView = nullptr;
    FormAccessibility *m_access = nullptr;
    PictureEdits m_pictureEdits;

    WindowSeams m_seams;
};
