#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QWidget;
class Ui_CFeedback;

// Use of the window by keyboard and with a screen reader: the tab order,
// links that answer to the keyboard, Ctrl+Enter, accessible names, and
// announcements of what appears on its own (the address error, the result
// page). Watches the link labels as their event filter.
class FormAccessibility : public QObject
{
    Q_OBJECT
public:
    // The window's lines with links, beside the result page's description.
    struct Links
    {
        QLabel *draftNote;
        QLabel *detailsLink;
        QLabel *cancelLink;
        QLabel *savedLine;
    };
    // focusNext moves the window's focus on, as Tab does (true) or Shift+Tab.
    // pictureName names a tile of the picture list by its item.
    FormAccessibility(Ui_CFeedback &ui, const Links &links, std::function<void(bool next)> focusNext,
                      std::function<QString(QListWidgetItem *item)> pictureName, QWidget *window);

    // A tile reads as what it shows: "Screenshot 2", or the picture's file name.
    void nameTiles(QListWidget *list);
    // Reading order, the tiles of the lists as they are now included.
    void updateTabOrder();
    // The address error beside its field, told when it appears.
    void showAddressError(bool shown);
    // The result band reads as one message: the state line, then what the
    // shown lines above it and the description say.
    void announceResultPage(const QList<QLabel *> &lines);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QLabel *> linkLabels() const;

    Ui_CFeedback &m_ui;
    Links m_links;
    QLabel *m_description; // the result page's, with its links
    std::function<void(bool)> m_focusNext;
    std::function<QString(QListWidgetItem *)> m_pictureName;
};
