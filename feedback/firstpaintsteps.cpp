#include "firstpaintsteps.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

FirstPaintSteps::FirstPaintSteps(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        if (!m_window->isVisible())
            runNow();
    });
}

void FirstPaintSteps::add(std::function<void()> step)
{
    if (m_done)
        step();
    else
        m_steps.push_back(std::move(step));
}

void FirstPaintSteps::runNow()
{
    if (m_done)
        return;
    m_done = true;
    m_window->removeEventFilter(this);
    const auto steps = std::exchange(m_steps, {});
    for (const auto &step : steps)
        step();
}

bool FirstPaintSteps::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Paint)
        QTimer::singleShot(0, this, &FirstPaintSteps::runNow);
    return false;
}
