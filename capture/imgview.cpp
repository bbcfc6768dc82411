#include "imgview.h"

#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

ImgView::ImgView(QWidget *parent)
    : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("ImgView"));
    resize(94, 45);
    setMinimumSize(0, 0);
    setMaximumSize(94, 45);
    setContextMenuPolicy(Qt::NoContextMenu);
    setWindowTitle(tr("Form"));

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setGeometry(0, 5, 45, 40);
    m_label->setMinimumSize(45, 40);
    m_label->setMaximumSize(45, 40);
    m_label->setText(QStringLiteral("TextLabel"));

    // The button's look comes from the skin's style sheet, by object name.
    m_button = new QPushButton(this);
    m_button->setObjectName(QStringLiteral("pushButton"));
    m_button->setGeometry(38, 0, 15, 15);
    m_button->setText(QString());
    // Reached by Tab (the owner names it); a click does not move the focus.
    m_button->setFocusPolicy(Qt::TabFocus);

    setAttribute(Qt::WA_DeleteOnClose);
    // Lets the signal travel through queued and string-based connections.
    qRegisterMetaType<QPushButton *>();
    connect(m_button, &QPushButton::clicked, this, &ImgView::SlotClose);
    QMetaObject::connectSlotsByName(this);
}

void ImgView::setPicture(const QPixmap &picture)
{
    m_label->setPixmap(picture.scaled(m_label->size(), Qt::KeepAspectRatio, Qt::FastTransformation));
}

void ImgView::SlotClose()
{
    emit SignalClose(m_button);
}

void ImgView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit SignalOpen(m_button);
}
