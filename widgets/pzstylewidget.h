#pragma once

#include <QFrame>

// A frame that drags its top-level window: a mouse press over it hands the
// move to the window system, which moves the window until the button is
// released. Used as the base of title bars.
class PZStyleWidget : public QFrame
{
    Q_OBJECT
public:
    explicit PZStyleWidget(QWidget *parent = nullptr);
    ~PZStyleWidget() override;

    // Whether a press starts a window move. The window argument is kept for
    // callers' clarity only: the window that moves is always the top-level
    // window of this widget.
    virtual void setMovable(QWidget *window, bool movable);
    virtual void setWidgetText(const QString &text);
    virtual void initDesktopSize();
    virtual void setSizeValues(int first, int second);

    bool isMovable() const { return m_movable; }
    QString widgetText() const { return m_text; }

signals:
    void signalWidgetClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_movable = true;
    QString m_text;
    int m_desktopWidth = 0;
    int m_desktopHeight = 0;
    int m_firstValue = 0;
    int m_secondValue = 0;
};
