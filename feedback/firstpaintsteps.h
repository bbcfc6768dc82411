#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

// Set-up that nothing on screen waits for, run once the window has been
// painted (after the frame is out, not before it), or as soon as the event
// loop runs while the window is not shown.
class FirstPaintSteps : public QObject
{
public:
    explicit FirstPaintSteps(QWidget *window);

    // Queued until then; run at once afterwards.
    void add(std::function<void()> step);
    // Runs what is queued now, without waiting for the paint.
    void runNow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::vector<std::function<void()>> m_steps;
    bool m_done = false;
};
