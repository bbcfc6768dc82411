#include "screenshotwriter.h"

#include "atomicfile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageWriter>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <mutex>
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
    // Taken for the last look at the wish and kept until the file has its name.
    std::unique_lock<QMutex> lock(job->commit, std::defer_lock);
    job->saved = write(job->picture, job->path, [&] {
        lock.lock();
        return job->wanted;
    });
    lock = {};
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

QString ScreenshotWriter::newPath(const QString &folder)
{
    static QSet<QString> given;
    const QString stem = folder + QStringLiteral("/feedback")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyMMddhhmmss"));
    QString path = stem + QStringLiteral(".png");
    for (int n = 2; given.contains(path) || QFileInfo::exists(path); ++n)
        path = stem + QStringLiteral("-%1.png").arg(n);
    given.insert(path);
    return path;
}

bool ScreenshotWriter::write(const QImage &picture, const QString &path, const std::function<bool()> &stillWanted)
{
    AtomicFile file(path, AtomicFile::Kind::Shared);
    const bool written = !picture.isNull() && file.open() && QImageWriter(&file, "png").write(picture);
    if (written && (!stillWanted || stillWanted()))
        return file.commit();
    file.cancelWriting();
    return false;
}

void ScreenshotWriter::discardAll()
{
    for (const auto &job : m_jobs) {
        QMutexLocker lock(&job->commit);
        job->wanted = false;
    }
}
