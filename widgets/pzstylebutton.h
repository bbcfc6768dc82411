#pragma once

#include <QPushButton>

// The push button of the styled windows. It is painted from the application
// style sheet like any push button but handles the mouse itself: a left
// release over it emits clicked(false); presses never put it into the down
// state, so it emits neither pressed() nor released() by mouse.
class PZStyleButton : public QPushButton
{
    Q_OBJECT
public:
    explicit PZStyleButton(QWidget *parent = nullptr);
    ~PZStyleButton() override;

signals:
    void signalUpdate();
    void mouseEnter();
    void mouseLeave();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
