#include "formaccessibility.h"

#include "imgview.h"
#include "pzstylebutton.h"
#include "pzstylewidgettitle.h"
#include "ui_cfeedback.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocumentFragment>

namespace {

// A caption read as a name: "Email:" and "Email：" read "Email".
QString captionName(const QString &caption)
{
    QString text = caption.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)))
        text.chop(1);
    return text.trimmed();
}

QString plainText(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// A screen reader says what appeared on its own.
void announce(QWidget *widget)
{
    QAccessibleEvent event(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

} // namespace

FormAccessibility::FormAccessibility(Ui_CFeedback &ui, const Links &links, std::function<void(bool)> focusNext,
                                     std::function<QString(QListWidgetItem *)> pictureName, QWidget *window)
    : QObject(window)
    , m_ui(ui)
    , m_links(links)
    , m_description(ui.label_SubDescribe)
    , m_focusNext(std::move(focusNext))
    , m_pictureName(std::move(pictureName))
{
    // Links follow Tab, Enter and Space; a click keeps the focus where it was.
    for (QLabel *link : linkLabels()) {
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        link->setFocusPolicy(Qt::TabFocus);
        link->installEventFilter(this);
    }
    // Tab leaves the comment instead of typing a tab (which shows as nothing).
    m_ui.plainTextEdit_Content->setTabChangesFocus(true);
    // From anywhere in the form, also from inside the comment, where Enter
    // is a line break.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *shortcut = new QShortcut(QKeySequence(int(Qt::CTRL) | key), window);
        connect(shortcut, &QShortcut::activated, this, [this, window] {
            if (m_ui.widget_Submit->isVisibleTo(window) && m_ui.ButtonSubmit->isEnabled())
                m_ui.ButtonSubmit->click();
        });
    }

    // Names from the captions on screen, so they read as the form does.
    m_ui.lineedit_EmailText->setAccessibleName(captionName(m_ui.LabelEmailTitle->text()));
    m_ui.lineedit_EmailText->setAccessibleDescription(m_ui.lineedit_EmailText->placeholderText());
    m_ui.plainTextEdit_Content->setAccessibleName(captionName(m_ui.LabelContentTitle->text()));
    m_ui.plainTextEdit_Content->setAccessibleDescription(m_ui.plainTextEdit_Content->placeholderText());
    m_ui.comboBox->setAccessibleName(captionName(QCoreApplication::translate("CFeedback", "iOS Version:")));
    m_ui.comboBox_Android->setAccessibleName(captionName(QCoreApplication::translate("CFeedback", "Android Version:")));
    m_ui.lineEdit_Brand->setAccessibleName(m_ui.lineEdit_Brand->placeholderText());
    m_ui.lineEdit_Model->setAccessibleName(m_ui.lineEdit_Model->placeholderText());
    m_ui.captureButton->setAccessibleName(captionName(m_ui.label_Screen->text()));
    m_ui.captureButton->setAccessibleDescription(QCoreApplication::translate("CFeedback", "Hides this window while you select a part of the screen."));
    m_ui.listWidget_Screen->setAccessibleName(captionName(m_ui.label_Screen->text()));
    m_ui.addImage->setAccessibleName(captionName(m_ui.label_addPicture->text()));
    m_ui.listWidget_Photo->setAccessibleName(captionName(m_ui.label_addPicture->text()));
    m_ui.CheckBoxAttachLog->setAccessibleName(m_ui.label_AddLogFiles->text().trimmed());
    m_ui.CheckBoxAttachDB->setAccessibleName(m_ui.label_AddDbFiles->text().trimmed());
    m_ui.CheckBoxAttachDB->setAccessibleDescription(m_ui.label_Note->text());
    updateTabOrder();
}

QList<QLabel *> FormAccessibility::linkLabels() const
{
    return {m_links.draftNote, m_links.detailsLink, m_links.cancelLink, m_links.savedLine, m_description};
}

// Reading order: the address row, the comment, the version rows, the picture
// buttons and tiles, the check boxes, the links beside Submit and Submit, the
// lines of the loading and result views, and last the window's close button.
// Hidden and disabled controls are passed over by Tab itself.
void FormAccessibility::updateTabOrder()
{
    QList<QWidget *> chain{m_ui.lineedit_EmailText, m_links.draftNote,  m_ui.plainTextEdit_Content,
                           m_ui.comboBox,           m_ui.lineEdit_Brand, m_ui.lineEdit_Model,
                           m_ui.comboBox_Android,   m_ui.captureButton,  m_ui.addImage};
    for (QListWidget *list : {m_ui.listWidget_Screen, m_ui.listWidget_Photo}) {
        for (int row = 0; row < list->count(); ++row) {
            if (auto *tile = qobject_cast<ImgView *>(list->itemWidget(list->item(row))))
                chain << tile->closeButton();
        }
    }
    chain << m_ui.CheckBoxAttachLog << m_ui.CheckBoxAttachDB << m_links.detailsLink << m_ui.ButtonSubmit
          << m_links.cancelLink << m_links.savedLine << m_ui.label_SubDescribe << m_ui.widget_guide->closeButton();
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

// A tile reads as what it shows: "Screenshot 2", or the picture's file name.
void FormAccessibility::nameTiles(QListWidget *list)
{
    const bool screenshots = list == m_ui.listWidget_Screen;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        auto *tile = qobject_cast<ImgView *>(list->itemWidget(item));
        if (!tile)
            continue;
        const QString name =
            screenshots ? QCoreApplication::translate("CFeedback", "Screenshot %1").arg(row + 1) : m_pictureName(item);
        tile->setAccessibleName(name);
        tile->closeButton()->setAccessibleName(QCoreApplication::translate("CFeedback", "Remove %1").arg(name));
    }
    updateTabOrder();
}

bool FormAccessibility::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label || !linkLabels().contains(label))
        return false;
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            return false;
        // Tab lands on the first link (Shift+Tab on the last), not on the
        // label around it, so that one key reaches one link.
        static_cast<QObject *>(label)->event(event);
        QKeyEvent tab(QEvent::KeyPress, reason == Qt::TabFocusReason ? Qt::Key_Tab : Qt::Key_Backtab,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(label, &tab);
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        // The label moves between its links; past its first or last link
        // it may stay where it is, and then the window moves on.
        const QString focusedLink = label->selectedText();
        static_cast<QObject *>(label)->event(event);
        if (label->hasFocus() && label->selectedText() == focusedLink)
            m_focusNext(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier)
        return false;
    // Space follows the focused link, as Enter does.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &enter);
    return true;
}

void FormAccessibility::showAddressError(bool shown)
{
    m_ui.label_EmailWrong->setVisible(shown);
    m_ui.lineedit_EmailText->setAccessibleDescription(shown ? m_ui.label_EmailWrong->text()
                                                            : m_ui.lineedit_EmailText->placeholderText());
    if (shown)
        announce(m_ui.label_EmailWrong);
}

void FormAccessibility::announceResultPage(const QList<QLabel *> &lines)
{
    QStringList description;
    for (QLabel *line : lines) {
        if (!line->isHidden())
            description << plainText(line->text());
    }
    m_ui.frame->setAccessibleName(m_ui.label_SubTips->text());
    m_ui.frame->setAccessibleDescription(description.join(QLatin1Char(' ')));
    announce(m_ui.frame);
    // Submit or Cancel had the focus and is gone, the form is disabled: the
    // page's links take it.
    m_ui.label_SubDescribe->setFocus(Qt::TabFocusReason);
}
