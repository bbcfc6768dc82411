#pragma once

#include "pzstyledialog.h"
#include "reportpreview.h"

#include <QImage>
#include <QStringList>
#include <QVector>

class PZStyleButton;
class PZStyleWidgetTitle;
class QCheckBox;
class QLabel;
class QPushButton;
class QListWidget;
class QPlainTextEdit;
class QTreeWidget;
template <typename T>
class QFutureWatcher;

// "What is sent?": a styled dialog listing what the report would carry if it
// were sent now. The report text as the delivery composes it, each archive
// with the files that go into it, the pictures attached as they are,
// thumbnails of the screenshots and pictures, and the expected size of the
// mail. It shows at once and fills in as the window's preview arrives (the
// listing first, the sizes after); thumbnails load off the GUI thread.
class CReportDetails : public PZStyleDialog
{
    Q_OBJECT
public:
    explicit CReportDetails(QWidget *parent = nullptr);
    ~CReportDetails() override;

    void setPreview(const ReportPreview &preview);
    // Loads the thumbnails again, also of files whose paths are unchanged
    // (a picture was edited in place).
    void reloadThumbnails();

    // "3.2 MB" and the like, in decimal units, as the size limit is given.
    static QString sizeText(qint64 bytes);

signals:
    // "Mask them in the sent copy" was ticked or unticked.
    void maskLogsToggled(bool on);
    // "Hide parts…" (or a double click) on the thumbnail of that file.
    void hidePartsRequested(const QString &path);

private:
    void setupUi();
    void showLogFindings(const ReportPreview &preview);
    void fillFiles(const ReportPreview &preview);
    void loadThumbnails(const ReportPlan &plan);

    PZStyleWidgetTitle *m_title = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QTreeWidget *m_files = nullptr;
    QLabel *m_logFindings = nullptr;
    QCheckBox *m_maskLogs = nullptr;
    QListWidget *m_thumbnails = nullptr;
    QPushButton *m_hideParts = nullptr;
    QLabel *m_total = nullptr;
    PZStyleButton *m_close = nullptr;
    QStringList m_thumbnailPaths;
    QFutureWatcher<QVector<QImage>> *m_thumbnailLoader = nullptr;
};
