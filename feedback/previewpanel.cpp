#include "previewpanel.h"

#include "creportdetails.h"
#include "deployment.h"
#include "reportpackaging.h"
#include "windowlines.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QTimer>
#include <QtConcurrent>

namespace {

const char *const DetailsLink = "details";
// Room kept between a line and the button.
constexpr int Gap = 16;

} // namespace

PreviewPanel::PreviewPanel(QWidget *submitArea, QWidget *button, const QColor &linkColour, QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_submitArea(submitArea)
    , m_button(button)
    , m_linkColour(linkColour)
{
    m_detailsLink = new QLabel(submitArea);
    m_detailsLink->setObjectName(QStringLiteral("label_WhatIsSent"));
    m_detailsLink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    updateLinkText();
    connect(m_detailsLink, &QLabel::linkActivated, this, [this] { showDetails(); });

    m_sizeLine = new QLabel(submitArea);
    m_sizeLine->setObjectName(QStringLiteral("label_SendSize"));
    m_sizeLine->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_sizeLine->setWordWrap(true);
    submitArea->installEventFilter(this);
    button->installEventFilter(this);

    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(100); // one preview for a burst of changes
    connect(m_previewTimer, &QTimer::timeout, this, &PreviewPanel::refresh);
    m_planner = new QFutureWatcher<ReportPreview>(this);
    connect(m_planner, &QFutureWatcher<ReportPreview>::finished, this, &PreviewPanel::planned);
    m_estimator = new QFutureWatcher<ReportPreview>(this);
    connect(m_estimator, &QFutureWatcher<ReportPreview>::finished, this, &PreviewPanel::estimated);
    m_maskLogs = Deployment::maskLogsByDefault();
    m_logScanner = new QFutureWatcher<LogScanner::Counts>(this);
    connect(m_logScanner, &QFutureWatcher<LogScanner::Counts>::finished, this, [this] {
        m_scannedKey = m_scanningKey;
        m_logFindings = m_logScanner->result();
        scanLogs(); // hands the finds to the preview, or scans anew if the logs changed
    });
}

PreviewPanel::~PreviewPanel() = default;

void PreviewPanel::setSource(FormReader form, ContextReader context)
{
    m_form = std::move(form);
    m_context = std::move(context);
}

void PreviewPanel::updateLinkText()
{
    const QString text = QCoreApplication::translate("CFeedback", "What is sent?");
    m_detailsLink->setText(linkHtml(DetailsLink, text, m_linkColour));
    m_detailsLink->setAccessibleName(text);
}

bool PreviewPanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((watched == m_button || watched == m_submitArea)
        && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::LayoutDirectionChange))
        place();
    return QObject::eventFilter(watched, event);
}

void PreviewPanel::place()
{
    // Worked out left to right, then mirrored for a right-to-left layout.
    const Qt::LayoutDirection direction = m_submitArea->layoutDirection();
    const QRect area = m_submitArea->rect();
    const QRect button = QStyle::visualRect(direction, area, m_button->geometry());
    // A band centred on the button.
    const int height = 2 * button.center().y() + 1;
    const QRect leading(FormSideMargin, 0, button.left() - Gap - FormSideMargin, height);
    const int trailingLeft = button.right() + 1 + Gap;
    const QRect trailing(trailingLeft, 0, area.width() - FormSideMargin - trailingLeft, height);
    m_detailsLink->setGeometry(QStyle::visualRect(direction, area, leading));
    m_sizeLine->setGeometry(QStyle::visualRect(direction, area, trailing));
}

void PreviewPanel::follow(const QList<QCheckBox *> &boxes, const QList<QListWidget *> &lists)
{
    for (QCheckBox *box : boxes)
        connect(box, &QCheckBox::toggled, this, &PreviewPanel::changed);
    for (QListWidget *list : lists) {
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, &PreviewPanel::changed);
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this, &PreviewPanel::changed);
    }
}

void PreviewPanel::changed()
{
    m_previewTimer->start();
}

void PreviewPanel::refresh()
{
    ++m_previewRound;
    const ReportForm form = m_form();
    const ReportContext context = m_context();
    m_planner->setFuture(QtConcurrent::run([form, context] { return ReportPreview::make(form, context); }));
}

void PreviewPanel::planned()
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

void PreviewPanel::estimated()
{
    if (m_estimateRound != m_previewRound)
        return; // the form changed meanwhile; its own estimate follows
    m_preview = m_estimator->result();
    scanLogs();
    updateSizeLine();
    if (m_details)
        m_details->setPreview(m_preview);
}

void PreviewPanel::updateSizeLine()
{
    // The database archive is the one that can grow beyond what may be
    // sent; the user learns it here rather than after submitting.
    const qint64 database = m_preview.databaseOverLimit();
    if (database > 0) {
        m_sizeLine->setText(
            QCoreApplication::translate("CFeedback", "Database files too large to send (about %1, limit %2)")
                .arg(CReportDetails::sizeText(database), CReportDetails::sizeText(ReportPackaging::SizeLimit)));
    } else {
        m_sizeLine->setText(
            QCoreApplication::translate("CFeedback", "About %1").arg(CReportDetails::sizeText(m_preview.mailSize)));
    }
    m_sizeLine->setProperty("warning", database > 0);
    m_sizeLine->style()->unpolish(m_sizeLine);
    m_sizeLine->style()->polish(m_sizeLine);
}

void PreviewPanel::showDetails()
{
    if (!m_details) {
        m_details = new CReportDetails(m_window);
        m_details->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_details, &CReportDetails::maskLogsToggled, this, [this](bool on) {
            m_maskLogs = on;
            m_previewTimer->start();
        });
        connect(m_details, &CReportDetails::hidePartsRequested, this, &PreviewPanel::hidePartsRequested);
    }
    // Made anew: the text may have changed since the last preview.
    refresh();
    m_details->show();
    m_details->raise();
    m_details->activateWindow();
}

void PreviewPanel::closeDetails()
{
    if (m_details)
        m_details->close();
}

QWidget *PreviewPanel::details() const
{
    return m_details;
}

void PreviewPanel::pictureEdited()
{
    if (m_details)
        m_details->reloadThumbnails();
    m_previewTimer->start();
}

// What the logs hold that may be private, for the details: scanned off the
// GUI thread once per version of the log files, since they may be large.
void PreviewPanel::scanLogs()
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
