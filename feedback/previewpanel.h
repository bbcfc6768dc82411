#pragma once

#include "logscanner.h"
#include "reportdata.h"
#include "reportpreview.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class CReportDetails;
class QCheckBox;
class QColor;
class QLabel;
class QListWidget;
class QTimer;
class QWidget;
template <typename T>
class QFutureWatcher;

// What a report sent now would carry, shown before it is sent: beside Submit
// the link "What is sent?" to the details dialog and the size of the mail,
// from a preview of the form made off the GUI thread (listed, then
// estimated) whenever what the report carries changes. Results of an older
// form than the last one asked for are dropped. Also what the details let
// the user choose: whether the logs go masked.
class PreviewPanel : public QObject
{
    Q_OBJECT
public:
    using FormReader = std::function<ReportForm()>;
    using ContextReader = std::function<ReportContext()>;

    // The two lines go into submitArea beside button, in room the submit
    // row has (not in its layout, so the button keeps its place); the
    // details open over window. linkColour is the window's.
    PreviewPanel(QWidget *submitArea, QWidget *button, const QColor &linkColour, QWidget *window);
    ~PreviewPanel() override;

    // Where the form comes from, read on the GUI thread.
    void setSource(FormReader form, ContextReader context);
    // What the report carries changes when one of boxes is toggled or one
    // of lists gains or loses a row.
    void follow(const QList<QCheckBox *> &boxes, const QList<QListWidget *> &lists);

    bool maskLogs() const { return m_maskLogs; }
    // What the report carries changed: one preview for a burst of changes.
    void changed();
    // The form as it is now, listed off the GUI thread; then estimated.
    void refresh();
    void showDetails();
    void closeDetails();
    // The dialog, while it is open; null otherwise.
    QWidget *details() const;
    // A picture was edited in place: the details show it anew.
    void pictureEdited();
    // The link in the link colour of now (the skin's, from the first polish on).
    void updateLinkText();

    QLabel *detailsLink() const { return m_detailsLink; }

signals:
    // "Hide parts…" in the details, on the picture file at path.
    void hidePartsRequested(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    void planned();
    void estimated();
    void scanLogs();
    void updateSizeLine();

    QWidget *m_window;
    QWidget *m_submitArea;
    QWidget *m_button;
    const QColor &m_linkColour;
    FormReader m_form;
    ContextReader m_context;
    QLabel *m_detailsLink = nullptr;
    QLabel *m_sizeLine = nullptr;
    QPointer<CReportDetails> m_details;
    ReportPreview m_preview;
    int m_previewRound = 0;  // the last one asked for
    int m_estimateRound = 0; // the one being estimated
    QTimer *m_previewTimer = nullptr;
    QFutureWatcher<ReportPreview> *m_planner = nullptr;
    QFutureWatcher<ReportPreview> *m_estimator = nullptr;
    bool m_maskLogs = false;
    // What the logs hold that may be private, scanned off the GUI thread for
    // the details; the key names the log files and versions scanned.
    QFutureWatcher<LogScanner::Counts> *m_logScanner = nullptr;
    QString m_scanningKey;
    QString m_scannedKey;
    LogScanner::Counts m_logFindings;
};
