#include "creportdetails.h"

#include "logmasking.h"
#include "picturethumbnail.h"
#include "pzstylebutton.h"
#include "pzstylewidgettitle.h"
#include "reportpackaging.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

const QSize ThumbnailBox(96, 72);
// Rows listed per archive; a folder of thousands of files would hold up the window.
constexpr int MaxListedFiles = 200;

// A heading above a part of the dialog, which it names for screen readers.
QLabel *heading(const QString &text, QWidget *part, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("label_DetailsHeading"));
    label->setBuddy(part);
    part->setAccessibleName(text);
    return label;
}

} // namespace

CReportDetails::CReportDetails(QWidget *parent)
    : PZStyleDialog(parent)
{
    setupUi();
    m_thumbnailLoader = new QFutureWatcher<QVector<QImage>>(this);
    connect(m_thumbnailLoader, &QFutureWatcher<QVector<QImage>>::finished, this, [this] {
        const QVector<QImage> images = m_thumbnailLoader->result();
        m_thumbnails->clear();
        for (int i = 0; i < images.size() && i < m_thumbnailPaths.size(); ++i) {
            auto *item = new QListWidgetItem(m_thumbnails);
            item->setIcon(QIcon(QPixmap::fromImage(images.at(i))));
            item->setToolTip(QFileInfo(m_thumbnailPaths.at(i)).fileName());
            item->setData(Qt::UserRole, m_thumbnailPaths.at(i));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
    });
}

// The loader's job holds only copies of paths; it finishes on its own.
CReportDetails::~CReportDetails() = default;

void CReportDetails::setupUi()
{
    setObjectName(QStringLiteral("CReportDetails"));
    setWindowTitle(tr("What is sent?"));
    setFixedSize(540, 680);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(ShadowWidth, ShadowWidth, ShadowWidth, ShadowWidth);
    root->setSpacing(0);
    m_title = new PZStyleWidgetTitle(this);
    m_title->setFixedHeight(35);
    m_title->setMovable(this, true);
    m_title->setTitleText(tr("What is sent?"));
    root->addWidget(m_title);

    auto *body = new QWidget(this);
    body->setObjectName(QStringLiteral("widget_DetailsBody"));
    root->addWidget(body, 1);
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(24, 14, 24, 16);
    column->setSpacing(6);

    auto *intro = new QLabel(tr("This is what the report carries if you submit it now."), body);
    intro->setObjectName(QStringLiteral("label_DetailsIntro"));
    intro->setWordWrap(true);
    column->addWidget(intro);

    m_text = new QPlainTextEdit(body);
    column->addWidget(heading(tr("Report text"), m_text, body));
    m_text->setObjectName(QStringLiteral("plainTextEdit_ReportText"));
    m_text->setReadOnly(true);
    m_text->setFixedHeight(130);
    m_text->setPlaceholderText(tr("Composing\u2026"));
    column->addWidget(m_text);

    m_files = new QTreeWidget(body);
    column->addWidget(heading(tr("Attached files"), m_files, body));
    m_files->setObjectName(QStringLiteral("treeWidget_Files"));
    m_files->setColumnCount(2);
    m_files->setHeaderLabels({tr("File"), tr("Size")});
    m_files->header()->setStretchLastSection(false);
    m_files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_files->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_files->setRootIsDecorated(true);
    m_files->setSelectionMode(QAbstractItemView::NoSelection);
    m_files->setFocusPolicy(Qt::TabFocus); // a click leaves the focus where it was
    column->addWidget(m_files, 1);

    // What the logs hold that may be private, and the choice to mask it.
    m_logFindings = new QLabel(body);
    m_logFindings->setObjectName(QStringLiteral("label_LogFindings"));
    m_logFindings->setWordWrap(true);
    column->addWidget(m_logFindings);
    m_maskLogs = new QCheckBox(tr("Mask them in the sent copy"), body);
    m_maskLogs->setObjectName(QStringLiteral("checkBox_MaskLogs"));
    m_maskLogs->setToolTip(tr("The logs are sent with each of these replaced by <email>, <secret> or ~. "
                              "The log files on your computer are not changed."));
    column->addWidget(m_maskLogs);
    m_logFindings->hide();
    m_maskLogs->hide();
    connect(m_maskLogs, &QCheckBox::toggled, this, &CReportDetails::maskLogsToggled);

    m_thumbnails = new QListWidget(body);
    auto *pictureRow = new QHBoxLayout();
    pictureRow->addWidget(heading(tr("Screenshots and pictures"), m_thumbnails, body), 1);
    m_hideParts = new QPushButton(tr("Hide parts\u2026"), body);
    m_hideParts->setObjectName(QStringLiteral("pushButton_HideParts"));
    m_hideParts->setToolTip(tr("Black out parts of the chosen picture before it is sent"));
    m_hideParts->setFlat(true);
    m_hideParts->setEnabled(false);
    pictureRow->addWidget(m_hideParts);
    column->addLayout(pictureRow);
    m_thumbnails->setObjectName(QStringLiteral("listWidget_Thumbnails"));
    m_thumbnails->setViewMode(QListView::IconMode);
    m_thumbnails->setIconSize(ThumbnailBox);
    m_thumbnails->setMovement(QListView::Static);
    m_thumbnails->setSpacing(4);
    m_thumbnails->setFixedHeight(ThumbnailBox.height() + 20);
    // The keyboard chooses a picture with the arrow keys, for "Hide parts…".
    m_thumbnails->setFocusPolicy(Qt::TabFocus);
    m_thumbnails->setSelectionMode(QAbstractItemView::SingleSelection);
    column->addWidget(m_thumbnails);
    const auto requestHiding = [this] {
        if (QListWidgetItem *item = m_thumbnails->currentItem())
            emit hidePartsRequested(item->data(Qt::UserRole).toString());
    };
    connect(m_thumbnails, &QListWidget::itemSelectionChanged, this,
            [this] { m_hideParts->setEnabled(!m_thumbnails->selectedItems().isEmpty()); });
    connect(m_thumbnails, &QListWidget::itemDoubleClicked, this, requestHiding);
    connect(m_hideParts, &QPushButton::clicked, this, requestHiding);

    auto *bottom = new QHBoxLayout();
    bottom->setContentsMargins(0, 6, 0, 0);
    m_total = new QLabel(body);
    m_total->setObjectName(QStringLiteral("label_DetailsTotal"));
    m_total->setText(tr("Working out the size\u2026"));
    bottom->addWidget(m_total, 1);
    m_close = new PZStyleButton(body);
    m_close->setObjectName(QStringLiteral("pushButton_DetailsClose"));
    m_close->setFixedSize(100, 32);
    m_close->setText(tr("Close"));
    bottom->addWidget(m_close);
    column->addLayout(bottom);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    QWidget *order[] = {m_text, m_files, m_maskLogs, m_hideParts, m_thumbnails, m_close, m_title->closeButton()};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // Enter, Space or Escape close it at once.
    setClosesOnEscape(true);
    m_close->setFocus();
}

QString CReportDetails::sizeText(qint64 bytes)
{
    if (bytes < 1000)
        return tr("%1 bytes").arg(bytes);
    if (bytes < 999500)
        return tr("%1 KB").arg((bytes + 500) / 1000);
    const double megabytes = double(bytes) / 1e6;
    return tr("%1 MB").arg(QLocale().toString(megabytes, 'f', megabytes < 9.95 ? 1 : 0));
}

void CReportDetails::setPreview(const ReportPreview &preview)
{
    if (m_text->toPlainText() != preview.body)
        m_text->setPlainText(preview.body);
    fillFiles(preview);
    showLogFindings(preview);
    loadThumbnails(preview.plan);
    m_total->setText(preview.estimated ? tr("The mail: about %1").arg(sizeText(preview.mailSize))
                                       : tr("Working out the size\u2026"));
}

void CReportDetails::fillFiles(const ReportPreview &preview)
{
    m_files->clear();
    const ReportPlan &plan = preview.plan;
    for (int i = 0; i < plan.archives.size(); ++i) {
        const ReportPlan::Archive &archive = plan.archives.at(i);
        auto *item = new QTreeWidgetItem(m_files);
        item->setText(0, QFileInfo(archive.path).fileName());
        item->setToolTip(0, tr("An archive of the files below"));
        if (i < preview.archiveSizes.size()) {
            const qint64 size = preview.archiveSizes.at(i);
            item->setText(1, tr("about %1").arg(sizeText(size)));
            if (archive.sizeLimited && ReportPackaging::exceedsLimit(size)) {
                item->setForeground(1, QColor(0xe5, 0x48, 0x4d));
                item->setToolTip(1, tr("Too large to send (limit %1)").arg(sizeText(ReportPackaging::SizeLimit)));
            }
        } else {
            item->setText(1, QStringLiteral("\u2026"));
        }
        for (const ReportPlan::File &file : archive.files.mid(0, MaxListedFiles)) {
            auto *child = new QTreeWidgetItem(item, {QFileInfo(file.path).fileName(), sizeText(file.size)});
            child->setToolTip(0, file.path);
        }
        if (archive.files.size() > MaxListedFiles)
            new QTreeWidgetItem(item, {tr("and %n more file(s)", nullptr, archive.files.size() - MaxListedFiles)});
        if (archive.kind == ReportPlan::Kind::Logs && !plan.logsAsTheyAre()) {
            if (plan.maskLogs)
                item->setText(0, tr("%1 (masked copies)").arg(item->text(0)));
            if (plan.hiddenAreas > 0 || (plan.maskLogs && preview.logFindings.total() > 0)) {
                auto *note = new QTreeWidgetItem(item, {LogMasking::noteName()});
                note->setToolTip(0, tr("Says what was masked or hidden and how much, never what"));
            }
        } else if (archive.files.isEmpty()) {
            new QTreeWidgetItem(item, {tr("(no files)")});
        }
    }
    for (const ReportPlan::File &picture : plan.pictures) {
        auto *item = new QTreeWidgetItem(m_files, {QFileInfo(picture.path).fileName(), sizeText(picture.size)});
        item->setToolTip(0, picture.path);
    }
    if (m_files->topLevelItemCount() == 0)
        new QTreeWidgetItem(m_files, {tr("No files: only the text is sent.")});
    m_files->expandAll();
}

void CReportDetails::loadThumbnails(const ReportPlan &plan)
{
    QStringList paths;
    QVector<bool> fromDisk; // pictures are read by their contents, whatever their suffix says
    if (const ReportPlan::Archive *screenshots = plan.archive(ReportPlan::Kind::Screenshots)) {
        for (const ReportPlan::File &file : screenshots->files) {
            paths << file.path;
            fromDisk << false;
        }
    }
    for (const ReportPlan::File &picture : plan.pictures) {
        paths << picture.path;
        fromDisk << true;
    }
    if (paths == m_thumbnailPaths)
        return;
    m_thumbnailPaths = paths;
    m_thumbnailLoader->setFuture(QtConcurrent::run([paths, fromDisk] {
        QVector<QImage> images;
        for (int i = 0; i < paths.size(); ++i)
            images << PictureThumbnail::loadImage(paths.at(i), fromDisk.at(i) ? PictureThumbnail::FormatFrom::Contents : PictureThumbnail::FormatFrom::SuffixThenContents, ThumbnailBox);
        return images;
    }));
}

void CReportDetails::reloadThumbnails()
{
    m_thumbnailPaths.clear();
}

void CReportDetails::showLogFindings(const ReportPreview &preview)
{
    const bool logs = preview.plan.archive(ReportPlan::Kind::Logs) != nullptr;
    m_logFindings->setVisible(logs);
    m_maskLogs->setVisible(logs);
    {
        const QSignalBlocker quiet(m_maskLogs);
        m_maskLogs->setChecked(preview.plan.maskLogs);
    }
    if (!logs)
        return;
    const LogScanner::Counts &found = preview.logFindings;
    if (!preview.logsScanned) {
        m_logFindings->setText(tr("Checking the logs for addresses and secrets\u2026"));
        return;
    }
    if (found.total() == 0) {
        m_logFindings->setText(tr("The logs show no e-mail addresses, passwords, tokens, keys or home folders."));
        return;
    }
    QStringList kinds;
    if (const qint64 n = found.of(LogScanner::Email))
        kinds << tr("%n e-mail address(es)", nullptr, int(n));
    if (const qint64 n = found.of(LogScanner::Secret))
        kinds << tr("%n value(s) that look like passwords, tokens or keys", nullptr, int(n));
    if (const qint64 n = found.of(LogScanner::HomeFolder))
        kinds << tr("%n path(s) with a home folder", nullptr, int(n));
    m_logFindings->setText(tr("The logs contain %1 that may be private.").arg(kinds.join(tr(", "))));
}
