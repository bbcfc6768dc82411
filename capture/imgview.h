#pragma once

#include <QWidget>

class QLabel;
class QMouseEvent;
class QPixmap;
class QPushButton;

// Preview tile of one attached picture: a 45 x 40 thumbnail with a small
// close button at its top right. Pressing the button asks the owner (the
// feedback window's picture list) to remove the picture; the button is the
// owner's key for the tile.
class ImgView : public QWidget
{
    Q_OBJECT

public:
    explicit ImgView(QWidget *parent = nullptr);

    // Shows the picture scaled to the thumbnail, aspect ratio kept.
    void setPicture(const QPixmap &picture);
    QPushButton *closeButton() const { return m_button; }
    QLabel *pictureLabel() const { return m_label; }

signals:
    void SignalClose(QPushButton *button);
    // The tile was double-clicked: the owner opens the picture to hide parts of it.
    void SignalOpen(QPushButton *button);

public slots:
    void SlotClose();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QLabel *m_label = nullptr;
    QPushButton *m_button = nullptr;
};
