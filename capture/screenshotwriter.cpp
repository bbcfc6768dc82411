#include "screenshotwriter.h"

#include <QImageWriter>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <utility>

struct ScreenshotWriter::Job
{
    QImage picture;
    QString path;
    // Held while the finished file is renamed into place, so that a discard
    // either comes first (no file appears) or after (the caller removes it).
    QMutex commit;
    bool wanted = true;
    bool saved = false;
    std::atomic<bool> ended{false};
};

ScreenshotWriter::ScreenshotWriter(QObject *parent)
    : QObject(parent)
{
    // One at a time: a screenshot is rarely followed by another within the
    // time one takes, and each holds a whole screen in memory.
    m_pool.setMaxThreadCount(1);
}

ScreenshotWriter::~ScreenshotWriter()
{
    // Nobody is left to list or remove a file that appears now.
    discardAll();
    m_pool.waitForDone();
}

void ScreenshotWriter::save(const QImage &picture, const QString &path)
{
    auto job = std::make_shared<Job>();
    job->picture = picture;
    job->path = path;
    m_jobs.push_back(job);
    if (m_holding)
        m_held.push_back(job);
    else
        start(job);
}

void ScreenshotWriter::start(const std::shared_ptr<Job> &job)
{
    m_pool.start([this, job] { run(job); });
}

void ScreenshotWriter::hold()
{
    m_holding = true;
}

void ScreenshotWriter::release()
{
    m_holding = false;
    for (const auto &job : std::exchange(m_held, {})) {
        if (job->wanted) {
            start(job);
        } else {
            // Discarded before it began: nothing to write, nothing to report.
            m_jobs.erase(std::find(m_jobs.begin(), m_jobs.end(), job));
        }
    }
}

// On the pool's thread. It touches the writer only to post the report; the
// destructor waits for this before the writer goes.
void ScreenshotWriter::run(const std::shared_ptr<Job> &job)
{
    QSaveFile file(job->path);
    // QSaveFile writes to a temporary file (an unnamed one where the system
    // allows) that only commit() puts in place; otherwise it goes.
    bool saved = !job->picture.isNull() && file.open(QIODevice::WriteOnly)
                 && QImageWriter(&file, "png").write(job->picture);
    {
        QMutexLocker lock(&job->commit);
        if (saved && job->wanted)
            saved = file.commit();
        else
            file.cancelWriting();
        job->saved = saved;
    }
    job->picture = QImage();
    job->ended = true;
    QMetaObject::invokeMethod(this, &ScreenshotWriter::reportEnded, Qt::QueuedConnection);
}

void ScreenshotWriter::reportEnded()
{
    // Taken out first: a receiver may start or discard saves.
    std::vector<std::shared_ptr<Job>> ended;
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        if ((*it)->ended) {
            ended.push_back(*it);
            it = m_jobs.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto &job : ended) {
        if (job->wanted)
            emit finished(job->path, job->saved);
    }
}

void ScreenshotWriter::waitForPending()
{
    release();
    m_pool.waitForDone();
    reportEnded();
}

void ScreenshotWriter::discard(const QString &path)
{
    for (const auto &job : m_jobs) {
        if (job->path == path) {
            QMutexLocker lock(&job->commit);
            job->wanted = false;
        }
    }
}

void ScreenshotWriter::discardAll()
{
    for (const auto &job : m_jobs) {
        QMutexLocker lock(&job->commit);
        job->wanted = false;
    }
}
