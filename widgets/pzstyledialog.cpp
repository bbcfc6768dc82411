#include "pzstyledialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

PZStyleDialog::PZStyleDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
}

PZStyleDialog::~PZStyleDialog() = default;

int PZStyleDialog::applicationRadius()
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return 0;
    bool ok = false;
    const int radius = app->property("dlgRadius").toInt(&ok);
    return ok ? qMax(0, radius) : 0;
}

void PZStyleDialog::keyPressEvent(QKeyEvent *event)
{
    // Return must not press a default button, and Escape never rejects: a
    // dialog that closes on Escape closes as its close button does.
    if (m_closesOnEscape && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
}

void PZStyleDialog::paintEvent(QPaintEvent *event)
{
    const qreal radius = applicationRadius();
    const int w = width();
    const int h = height();

    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addRoundedRect(QRectF(ShadowWidth, ShadowWidth, w - 2 * ShadowWidth, h - 2 * ShadowWidth),
                        radius, radius);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(body, Qt::white);

    // Ring i lies in the i-th pixel column/row outside the body. A one-pixel
    // pen is centred on its path, so the path runs through pixel centres;
    // otherwise each ring smears over two pixels and greys the body's edge.
    QColor shadow(0, 0, 0);
    for (int i = 0; i < ShadowWidth; ++i) {
        QPainterPath ring;
        ring.setFillRule(Qt::WindingFill);
        const qreal inset = ShadowWidth - i - 0.5;
        ring.addRoundedRect(QRectF(inset, inset, w - 2 * inset, h - 2 * inset), radius, radius);
        shadow.setAlpha(int(20 * (qSqrt(5.0) - qSqrt(qreal(i)))));
        painter.setPen(QPen(shadow, 1));
        painter.drawPath(ring);
    }
    painter.end();

    QDialog::paintEvent(event);
}
