#pragma once

#include "reportdelivery.h"

#include <QObject>
#include <QVector>

class QColor;
class QFrame;
class QLabel;
class QMovie;
class QProgressBar;

// What the window shows of a report on its way: the loading animation, and
// around it the step, a thin progress bar and Cancel; after an accepted
// report, its reference in the band above the result. All of it sits in room
// the result area has, none in a layout of the form, so nothing of the form
// moves. Cancel brings the form's inputs back as they were at Submit.
class ProgressView : public QObject
{
    Q_OBJECT
public:
    // The step, bar and Cancel go into the loading frame, around its text;
    // the animation plays in its label. The reference line is placed by the
    // window. linkColour is the window's, read when Cancel shows.
    ProgressView(QFrame *loadingFrame, QLabel *loadingText, QLabel *animation, QLabel *referenceLine,
                 const QColor &linkColour, const QString &skinPath, QObject *parent);

    // Submit: the inputs as they are now, for Cancel to bring back.
    void remember(const QList<QWidget *> &inputs);
    // The loading view is shown: it starts afresh.
    void start();
    // Queued from the send thread, while submitting.
    void showStep(ReportDelivery::Step step, qint64 sent, qint64 total);
    // False when Cancel was already asked for.
    bool cancel();
    // The worker ended without an outcome: the animation stops, the inputs
    // come back as remember() found them.
    void cancelled(const QList<QWidget *> &inputs);
    bool cancelling() const { return m_cancelling; }

    void showReference(const QString &reference);
    void hideReference();

    QLabel *cancelLink() const { return m_cancelLink; }
    QLabel *referenceLine() const { return m_referenceLine; }

signals:
    void cancelRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QFrame *m_frame;
    QLabel *m_text;
    QLabel *m_animation;
    const QColor &m_linkColour;
    QString m_skinPath;
    QLabel *m_stepLine = nullptr;
    QProgressBar *m_sendProgress = nullptr;
    QLabel *m_cancelLink = nullptr;
    QLabel *m_referenceLine = nullptr;
    QMovie *m_loadingMovie = nullptr;
    bool m_cancelling = false;
    QVector<bool> m_inputsEnabled; // in the order remember() was given them
};
