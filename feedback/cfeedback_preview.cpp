// What a report sent now would carry, shown before it is sent: the link
// "What is sent?" and the size line beside Submit, the preview behind them,
// and the details dialog.

#include "cfeedback.h"

#include "creportdetails.h"
#include "deployment.h"
#include "logscanner.h"
#include "reportpackaging.h"
#include "screenshotwriter.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QtConcurrent>

namespace {

const char *const DetailsLink = "details";
// Room kept between a line and the button.
constexpr int Gap = 16;

} // namespace

QString CFeedback::linkHtml(const char *target, const QString &text) const
{
    return QStringLiteral("<a href=\"%1\"><span style=\"color:%2\">%3</span></a>")
        .arg(QLatin1String(target), m_linkColor.name(), text.toHtmlEscaped());
}

// Both lines take room the submit row has beside the button; they are not
// in its layout, so the button keeps its place.
void CFeedback::addPreviewWidgets()
{
    m_detailsLink = new QLabel(m_ui.widget_Submit);
    m_detailsLink->setObjectName(QStringLiteral("label_WhatIsSent"));
    m_detailsLink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setDetailsLinkText();
    connect(m_detailsLink, &QLabel::linkActivated, this, [this] { showReportDetails(); });

    m_sizeLine = new QLabel(m_ui.widget_Submit);
    m_sizeLine->setObjectName(QStringLiteral("label_SendSize"));
    m_sizeLine->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_sizeLine->setWordWrap(true);
    m_ui.widget_Submit->installEventFilter(this);
    m_ui.ButtonSubmit->installEventFilter(this);

    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(100); // one preview for a burst of changes
    connect(m_previewTimer, &QTimer::timeout, this, &CFeedback::refreshPreview);
    m_planner = new QFutureWatcher<ReportPreview>(this);
    connect(m_planner, &QFutureWatcher<ReportPreview>::finished, this, &CFeedback::previewPlanned);
    m_estimator = new QFutureWatcher<ReportPreview>(this);
    connect(m_estimator, &QFutureWatcher<ReportPreview>::finished, this, &CFeedback::previewEstimated);
    m_maskLogs = Deployment::maskLogsByDefault();
    m_logScanner = new QFutureWatcher<LogScanner::Counts>(this);
    connect(m_logScanner, &QFutureWatcher<LogScanner::Counts>::finished, this, [this] {
        m_scannedKey = m_scanningKey;
        m_logFindings = m_logScanner->result();
        scanLogs(); // hands the finds to the preview, or scans anew if the logs changed
    });

    // What a report carries changes with the ticks and the picture lists,
    // and when a screenshot file is complete.
    const auto changed = [this] { m_previewTimer->start(); };
    connect(m_ui.CheckBoxAttachLog, &QCheckBox::toggled, this, changed);
    connect(m_ui.CheckBoxAttachDB, &QCheckBox::toggled, this, changed);
    for (QListWidget *list : {m_ui.listWidget_Screen, m_ui.listWidget_Photo}) {
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, changed);
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this, changed);
    }
    connect(m_screenshotWriter, &ScreenshotWriter::finished, this, changed);
    m_startUpSteps.push_back(changed);
}

void CFeedback::setDetailsLinkText()
{
    m_detailsLink->setText(linkHtml(DetailsLink, tr("What is sent?")));
    m_detailsLink->setAccessibleName(tr("What is sent?"));
}

bool CFeedback::eventFilter(QObject *watched, QEvent *event)
{
    if (linkLabelEvent(watched, event))
        return true;
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::LayoutDirectionChange) {
        if (watched == m_ui.ButtonSubmit || watched == m_ui.widget_Submit)
            placeSubmitExtras();
        else if (watched == m_ui.label_Submitting || watched == m_ui.frameLoading)
            placeLoadingExtras();
    }
    return PZStyleDialog::eventFilter(watched, event);
}

void CFeedback::placeSubmitExtras()
{
    // Worked out left to right, then mirrored for a right-to-left layout.
    const Qt::LayoutDirection direction = m_ui.widget_Submit->layoutDirection();
    const QRect area = m_ui.widget_Submit->rect();
    const QRect button = QStyle::visualRect(direction, area, m_ui.ButtonSubmit->geometry());
    // A band centred on the button.
    const int height = 2 * button.center().y() + 1;
    const QRect leading(FormSideMargin, 0, button.left() - Gap - FormSideMargin, height);
    const int trailingLeft = button.right() + 1 + Gap;
    const QRect trailing(trailingLeft, 0, area.width() - FormSideMargin - trailingLeft, height);
    m_detailsLink->setGeometry(QStyle::visualRect(direction, area, leading));
    m_sizeLine->setGeometry(QStyle::visualRect(direction, area, trailing));
}

// The form as it is now, listed off the GUI thread; then estimated.
void CFeedback::refreshPreview()
{
    ++m_previewRound;
    const ReportForm form = reportForm();
    const ReportContext context = reportContext();
    m_planner->setFuture(QtConcurrent::run([form, context] { return ReportPreview::make(form, context); }));
}

void CFeedback::previewPlanned()
{
    m_preview = m_planner->result();
    scanLogs();
    if (m_details)
        m_details->setPreview(m_preview);
    m_estimateRound = m_previewRound;
    ReportPreview listed = m_preview;
    m_estimator->setFuture(QtConcurrent::run([listed]() mutable {
        listed.estimate();
        return listed;
    }));
}

void CFeedback::previewEstimated()
{
    if (m_estimateRound != m_previewRound)
        return; // the form changed meanwhile; its own estimate follows
    m_preview = m_estimator->result();
    scanLogs();
    updateSizeLine();
    if (m_details)
        m_details->setPreview(m_preview);
}

void CFeedback::updateSizeLine()
{
    // The database archive is the one that can grow beyond what may be
    // sent; the user learns it here rather than after submitting.
    const qint64 database = m_preview.databaseOverLimit();
    if (database > 0) {
        m_sizeLine->setText(tr("Database files too large to send (about %1, limit %2)")
                                .arg(CReportDetails::sizeText(database),
                                     CReportDetails::sizeText(ReportPackaging::SizeLimit)));
    } else {
        m_sizeLine->setText(tr("About %1").arg(CReportDetails::sizeText(m_preview.mailSize)));
    }
    m_sizeLine->setProperty("warning", database > 0);
    m_sizeLine->style()->unpolish(m_sizeLine);
    m_sizeLine->style()->polish(m_sizeLine);
}

void CFeedback::showReportDetails()
{
    if (!m_details) {
        m_details = new CReportDetails(this);
        m_details->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_details, &CReportDetails::maskLogsToggled, this, [this](bool on) {
            m_maskLogs = on;
            m_previewTimer->start();
        });
        connect(m_details, &CReportDetails::hidePartsRequested, this,
                [this](const QString &path) { editPicture(path, m_details); });
    }
    // Made anew: the text may have changed since the last preview.
    refreshPreview();
    m_details->show();
    m_details->raise();
    m_details->activateWindow();
}

// What the logs hold that may be private, for the details: scanned off the
// GUI thread once per version of the log files, since they may be large.
void CFeedback::scanLogs()
{
    const ReportPlan::Archive *logs = m_preview.plan.archive(ReportPlan::Kind::Logs);
    if (!logs)
        return;
    QString key;
    QStringList paths;
    for (const ReportPlan::File &file : logs->files) {
        paths << file.path;
        key += file.path + QLatin1Char('\t') + QString::number(QFileInfo(file.path).size()) + QLatin1Char('\t')
               + QString::number(QFileInfo(file.path).lastModified().toMSecsSinceEpoch()) + QLatin1Char('\n');
    }
    if (key == m_scannedKey) {
        m_preview.logFindings = m_logFindings;
        m_preview.logsScanned = true;
        if (m_details)
            m_details->setPreview(m_preview);
        return;
    }
    if (!m_details || (m_logScanner->isRunning() && key == m_scanningKey))
        return;
    m_scanningKey = key;
    m_logScanner->setFuture(QtConcurrent::run([paths] {
        const LogScanner scanner(QDir::homePath());
        LogScanner::Counts counts;
        for (const QString &path : paths)
            scanner.scanFile(path, counts);
        return counts;
    }));
}
