#include "pzmessagebox.h"

#include "pzstylebutton.h"
#include "pzstylewidgettitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>

namespace {

QFont uiFont(const QString &family, int points, bool normalWeight)
{
    QFont font;
    font.setFamily(family);
    font.setPointSize(points);
    if (normalWeight) {
        font.setBold(false);
        font.setItalic(false);
        font.setWeight(QFont::Normal);
    }
    return font;
}

} // namespace

PZMessageBox::PZMessageBox(const QString &text, const QString &title, QWidget *parent)
    : PZStyleDialog(parent)
    , m_title(title)
    , m_text(text)
{
    setupUi();
    widget->setMovable(this, true);
    if (m_title.isEmpty())
        m_title = tr("Note");
    widget->setTitleText(m_title);
    label->setAlignment(Qt::AlignCenter);
    label->setText(m_text);
    // Read out with the box; OK has the keyboard, so Enter, Space or Escape close it.
    setAccessibleName(m_title);
    setAccessibleDescription(m_text);
    setClosesOnEscape(true);
    pushButton_ok->setFocus();
    connect(pushButton_ok, &QPushButton::clicked, this, &PZMessageBox::slotClose_ok);
}

PZMessageBox::~PZMessageBox() = default;

void PZMessageBox::setupUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("PZMessageBox"));
    resize(430, 200);
    setMinimumSize(430, 200);
    setMaximumSize(430, 200);

    // The title bar and the content cover exactly the painted body, which
    // is inset by the shadow width on every side.
    widget = new PZStyleWidgetTitle(this);
    widget->setObjectName(QStringLiteral("widget"));
    widget->setGeometry(5, 5, 420, 35);
    widget->setMinimumSize(420, 35);
    widget->setMaximumSize(420, 35);
    widget->setFont(uiFont(QStringLiteral("Segoe UI"), 10, true));
    widget->setStyleSheet(QString());

    widget_2 = new QWidget(this);
    widget_2->setObjectName(QStringLiteral("widget_2"));
    widget_2->setGeometry(5, 40, 420, 155);
    widget_2->setMinimumSize(420, 155);
    widget_2->setMaximumSize(420, 155);
    widget_2->setFont(uiFont(QStringLiteral("Tahoma"), 10, false));
    widget_2->setStyleSheet(QString());

    label = new QLabel(widget_2);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(40, 40, 351, 41);
    label->setFont(uiFont(QStringLiteral("Segoe UI"), 10, false));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);

    layoutWidget = new QWidget(widget_2);
    layoutWidget->setObjectName(QStringLiteral("layoutWidget"));
    layoutWidget->setGeometry(10, 100, 401, 34);

    horizontalLayout = new QHBoxLayout(layoutWidget);
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    horizontalLayout->setSpacing(6);
    horizontalLayout->setContentsMargins(0, 0, 0, 0);

    horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    horizontalLayout->addItem(horizontalSpacer);

    pushButton_ok = new PZStyleButton(layoutWidget);
    pushButton_ok->setObjectName(QStringLiteral("pushButton_ok"));
    pushButton_ok->setMinimumSize(100, 32);
    pushButton_ok->setMaximumSize(100, 32);
    pushButton_ok->setFont(uiFont(QStringLiteral("Segoe UI"), 15, true));
    pushButton_ok->setStyleSheet(QString());
    pushButton_ok->setAutoDefault(true);
    pushButton_ok->setFlat(true);
    horizontalLayout->addWidget(pushButton_ok);

    horizontalSpacer_2 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    horizontalLayout->addItem(horizontalSpacer_2);

    widget_2->raise();
    widget->raise();

    retranslateUi();
}

void PZMessageBox::retranslateUi()
{
    setWindowTitle(tr("PZMessageBox"));
    pushButton_ok->setText(tr("OK"));
}

void PZMessageBox::slotClose_ok()
{
    close();
}
