#pragma once

#include <QThread>

// Whoever runs a delivery on the send thread (the feedback window).
class DeliveryRunner
{
public:
    virtual ~DeliveryRunner() = default;
    virtual void runDelivery() = 0;
};

// One delivery per start: run() hands over to the runner and returns.
class CSendThread : public QThread
{
    Q_OBJECT
public:
    CSendThread(DeliveryRunner *runner, QObject *parent) : QThread(parent), m_runner(runner) {}

protected:
    void run() override { m_runner->runDelivery(); }

private:
    DeliveryRunner *m_runner;
};
