#include "pzstylewidget.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

PZStyleWidget::PZStyleWidget(QWidget *parent)
    : QFrame(parent)
{
    initDesktopSize();
}

PZStyleWidget::~PZStyleWidget() = default;

void PZStyleWidget::setMovable(QWidget *window, bool movable)
{
    Q_UNUSED(window)
    m_movable = movable;
}

void PZStyleWidget::setWidgetText(const QString &text)
{
    m_text = text;
}

void PZStyleWidget::initDesktopSize()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        m_desktopWidth = available.width();
        m_desktopHeight = available.height();
    }
}

void PZStyleWidget::setSizeValues(int first, int second)
{
    m_firstValue = first;
    m_secondValue = second;
}

void PZStyleWidget::mousePressEvent(QMouseEvent *event)
{
    // The press is not passed on: the window system takes over the pointer
    // for the interactive move.
    event->accept();
    if (!m_movable)
        return;
    QWidget *top = window();
    if (!top)
        return;
    if (QWindow *handle = top->windowHandle())
        handle->startSystemMove();
}

void PZStyleWidget::mouseReleaseEvent(QMouseEvent *event)
{
    // Swallowed so that a release at the end of a drag never reaches the parent.
    event->accept();
}

void PZStyleWidget::mouseMoveEvent(QMouseEvent *event)
{
    QFrame::mouseMoveEvent(event);
}

void PZStyleWidget::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
}
