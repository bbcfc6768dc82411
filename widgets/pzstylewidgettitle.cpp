#include "pzstylewidgettitle.h"

#include "pzstyledialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

PZStyleWidgetTitle::PZStyleWidgetTitle(QWidget *parent)
    : PZStyleWidget(parent)
{
    setObjectName(QStringLiteral("widgetTitle"));

    // The radius is taken once: a title bar built before the window publishes
    // it keeps square corners until its owner restyles it.
    const int radius = PZStyleDialog::applicationRadius();
    setStyleSheet(QStringLiteral("PZStyleWidgetTitle { border-top-left-radius: %1px;"
                                 "border-top-right-radius: %2px; }")
                      .arg(radius)
                      .arg(radius));

    label_title = new QLabel(this);
    label_title->setObjectName(QStringLiteral("label_title"));
    btn_close = new QPushButton(this);
    btn_close->setObjectName(QStringLiteral("btn_close"));
    btn_close->setFixedSize(20, 20);
    btn_close->setAccessibleName(tr("Close"));

    m_layout = new QHBoxLayout(this);
    m_layout->setSpacing(6);
    m_layout->setContentsMargins(15, 0, 15, 0);
    m_layout->addWidget(label_title);
    m_layout->addStretch(1);
    m_layout->addWidget(btn_close);

    connect(btn_close, &QPushButton::clicked, this, &PZStyleWidgetTitle::onCloseClicked);
}

PZStyleWidgetTitle::~PZStyleWidgetTitle() = default;

void PZStyleWidgetTitle::setTitleText(const QString &text)
{
    label_title->setText(text);
}

void PZStyleWidgetTitle::hideCloseButton()
{
    if (btn_close)
        btn_close->hide();
}

void PZStyleWidgetTitle::showCloseButton()
{
    if (btn_close)
        btn_close->show();
}

void PZStyleWidgetTitle::onCloseClicked()
{
    // Closing the window may destroy it, and this bar with it, before the
    // signal goes out (a close handler that deletes at once). Never emit
    // from a destroyed object.
    QPointer<PZStyleWidgetTitle> self(this);
    QWidget *owner = parentWidget();
    if (owner && owner->isWindow())
        owner->close();
    if (self)
        emit signalCilckClose();
}
