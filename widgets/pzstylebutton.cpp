#include "pzstylebutton.h"

#include <QMouseEvent>

PZStyleButton::PZStyleButton(QWidget *parent)
    : QPushButton(parent)
{
    // Caption grey unless the style sheet gives a colour.
    QPalette pal = palette();
    pal.setColor(QPalette::All, QPalette::ButtonText, QColor(66, 66, 66, 255));
    setPalette(pal);

    connect(this, &PZStyleButton::signalUpdate, this, QOverload<>::of(&QWidget::update));
}

PZStyleButton::~PZStyleButton() = default;

void PZStyleButton::mousePressEvent(QMouseEvent *event)
{
    // The base press handling is skipped on purpose (no down state).
    event->accept();
}

void PZStyleButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    if (rect().contains(event->pos()))
        emit clicked(false);
}

void PZStyleButton::enterEvent(QEvent *event)
{
    QPushButton::enterEvent(event);
    emit mouseEnter();
}

void PZStyleButton::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    emit mouseLeave();
}

void PZStyleButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
}
