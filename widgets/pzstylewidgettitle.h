#pragma once

#include "pzstylewidget.h"

class QHBoxLayout;
class QLabel;
class QPushButton;

// The title bar of the styled windows: a caption at the left, a close button
// at the right; dragging it moves the window. Its look comes from the
// application style sheet through the object names "widgetTitle",
// "label_title" and "btn_close".
class PZStyleWidgetTitle : public PZStyleWidget
{
    Q_OBJECT
public:
    explicit PZStyleWidgetTitle(QWidget *parent = nullptr);
    ~PZStyleWidgetTitle() override;

    void setTitleText(const QString &text);
    void hideCloseButton();
    void showCloseButton();

    QLabel *titleLabel() const { return label_title; }
    QPushButton *closeButton() const { return btn_close; }

signals:
    void signalCilckClose();

private:
    void onCloseClicked();

    QLabel *label_title = nullptr;
    QPushButton *btn_close = nullptr;
    QHBoxLayout *m_layout = nullptr;
};
