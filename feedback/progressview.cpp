#include "progressview.h"

#include "creportdetails.h"
#include "windowlines.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QStyle>

namespace {

const char *const CancelLink = "cancel";
constexpr int ProgressSteps = 1000; // the bar counts in thousandths: a mail may pass 2 GB

} // namespace

ProgressView::ProgressView(QFrame *loadingFrame, QLabel *loadingText, QLabel *animation, QLabel *referenceLine,
                           const QColor &linkColour, const QString &skinPath, QObject *parent)
    : QObject(parent)
    , m_frame(loadingFrame)
    , m_text(loadingText)
    , m_animation(animation)
    , m_linkColour(linkColour)
    , m_skinPath(skinPath)
    , m_referenceLine(referenceLine)
{
    m_stepLine = new QLabel(m_frame);
    m_stepLine->setObjectName(QStringLiteral("label_SubStep"));
    m_stepLine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_sendProgress = new QProgressBar(m_frame);
    m_sendProgress->setObjectName(QStringLiteral("progressBar_Send"));
    m_sendProgress->setRange(0, ProgressSteps);
    m_sendProgress->setTextVisible(false);
    m_sendProgress->hide();
    m_cancelLink = new QLabel(m_frame);
    m_cancelLink->setObjectName(QStringLiteral("label_SubCancel"));
    m_cancelLink->setAccessibleName(QCoreApplication::translate("CFeedback", "Cancel"));
    connect(m_cancelLink, &QLabel::linkActivated, this, &ProgressView::cancelRequested);
    m_frame->installEventFilter(this);
    m_text->installEventFilter(this);

    // Selectable, so that it can be copied into a mail to support.
    m_referenceLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

bool ProgressView::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((watched == m_frame || watched == m_text)
        && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::LayoutDirectionChange))
        place();
    return QObject::eventFilter(watched, event);
}

void ProgressView::place()
{
    const Qt::LayoutDirection direction = m_frame->layoutDirection();
    const QRect area = m_frame->rect();
    const QRect text = QStyle::visualRect(direction, area, m_text->geometry());
    // Cancel at the end of the row; the bar and the step line centred below it.
    const QSize cancel = m_cancelLink->sizeHint();
    m_cancelLink->setGeometry(QStyle::visualRect(
        direction, area,
        QRect(area.width() - FormSideMargin - cancel.width(), text.center().y() - cancel.height() / 2, cancel.width(),
              cancel.height())));
    // The label is as tall as the row; its text sits at its centre.
    const int below = text.center().y() + m_text->fontMetrics().height() / 2 + 3;
    m_sendProgress->setGeometry(QStyle::visualRect(direction, area, QRect((area.width() - 240) / 2, below, 240, 4)));
    m_stepLine->setGeometry(FormSideMargin, below + 6, area.width() - 2 * FormSideMargin, m_stepLine->fontMetrics().height());
}

void ProgressView::remember(const QList<QWidget *> &inputs)
{
    // Cancel brings the form back exactly so, also what was disabled then
    // (a list that is full keeps its button off).
    m_inputsEnabled.clear();
    for (QWidget *input : inputs)
        m_inputsEnabled.append(input->isEnabled());
}

void ProgressView::start()
{
    m_stepLine->clear();
    m_sendProgress->hide();
    m_sendProgress->setValue(0);
    m_cancelLink->setText(linkHtml(CancelLink, QCoreApplication::translate("CFeedback", "Cancel"), m_linkColour));
    m_cancelLink->show();
    place();
    // One animation per submission; the previous one goes now.
    QMovie *previous = m_loadingMovie;
    m_loadingMovie = new QMovie(m_skinPath + QStringLiteral("/gif/loading.gif"), QByteArray(), this);
    m_animation->setMovie(m_loadingMovie);
    m_loadingMovie->start();
    delete previous;
}

void ProgressView::showStep(ReportDelivery::Step step, qint64 sent, qint64 total)
{
    if (m_cancelling)
        return;
    switch (step) {
    case ReportDelivery::FetchingSettings:
        m_stepLine->setText(QCoreApplication::translate("CFeedback", "Getting the mail settings\u2026"));
        break;
    case ReportDelivery::Packing:
        m_stepLine->setText(QCoreApplication::translate("CFeedback", "Packing the files\u2026"));
        break;
    case ReportDelivery::WaitingForOtherSend:
        m_stepLine->setText(QCoreApplication::translate("CFeedback", "Waiting for the copy being sent in the background\u2026"));
        break;
    case ReportDelivery::Connecting:
        m_stepLine->setText(QCoreApplication::translate("CFeedback", "Connecting to the mail server\u2026"));
        break;
    case ReportDelivery::Sending:
        m_stepLine->setText(QCoreApplication::translate("CFeedback", "Sending: %1 of %2")
                                .arg(CReportDetails::sizeText(sent), CReportDetails::sizeText(total)));
        m_sendProgress->setValue(total > 0 ? int(sent * ProgressSteps / total) : 0);
        // All of it is on its way; what is left is the server's answer,
        // and a message the server may have taken is not to be called off.
        if (sent >= total)
            m_cancelLink->hide();
        break;
    }
    m_sendProgress->setVisible(step == ReportDelivery::Sending);
}

bool ProgressView::cancel()
{
    if (m_cancelling)
        return false;
    m_cancelling = true;
    m_cancelLink->hide();
    m_stepLine->setText(QCoreApplication::translate("CFeedback", "Cancelling\u2026"));
    return true;
}

void ProgressView::cancelled(const QList<QWidget *> &inputs)
{
    m_cancelling = false;
    if (m_loadingMovie)
        m_loadingMovie->stop();
    for (int i = 0; i < inputs.size(); ++i)
        inputs.at(i)->setEnabled(m_inputsEnabled.value(i, true));
}

void ProgressView::showReference(const QString &reference)
{
    m_referenceLine->setText(QCoreApplication::translate("CFeedback", "Reference: %1").arg(reference));
    m_referenceLine->setVisible(!reference.isEmpty());
}

void ProgressView::hideReference()
{
    m_referenceLine->hide();
}
