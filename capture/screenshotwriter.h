#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <vector>

// Writes grabbed screen pictures to their files off the GUI thread, so that a
// window can show itself while the PNG is still being encoded.
//
// Each picture goes to a temporary file beside its final name and is renamed
// into place only when complete: a file under the final name is never partial
// (the report packs every file of the screenshot folder). A save that is no
// longer wanted (its tile removed, the folder emptied, the window closed)
// ends without leaving any file, even when it is half-way through.
//
// finished() reports every save that was not discarded, exactly once, on the
// writer's thread: queued when the save ends, or at once from waitForPending().
class ScreenshotWriter : public QObject
{
    Q_OBJECT
public:
    explicit ScreenshotWriter(QObject *parent = nullptr);
    // Discards what is still running and waits for it.
    ~ScreenshotWriter() override;

    // Starts writing picture to path as PNG and returns at once; while the
    // writer is held, the save waits for release().
    void save(const QImage &picture, const QString &path);
    // Keeps new saves from starting, so that they do not compete for the
    // processor with what must happen first (a window's first paint).
    void hold();
    void release();
    // Releases, blocks until every save has ended, then reports those not yet
    // reported.
    void waitForPending();
    // The file at path is not wanted any more: a save of it that is still
    // running leaves nothing behind and is not reported.
    void discard(const QString &path);
    void discardAll();

    // A new screenshot's path in folder: "feedback" and the time to the
    // second, ".png"; then "-2", "-3", ... before ".png" when this process
    // gave out that path already (its file may not be written yet) or a file
    // has it, so two pictures of one second never share a path. GUI thread.
    static QString newPath(const QString &folder);
    // Writes picture as PNG on the calling thread, whole or not at all;
    // stillWanted, when given, is asked right before the file takes its name.
    static bool write(const QImage &picture, const QString &path,
                      const std::function<bool()> &stillWanted = nullptr);

signals:
    void finished(const QString &path, bool saved);

private:
    struct Job;
    void start(const std::shared_ptr<Job> &job);
    void run(const std::shared_ptr<Job> &job);
    void reportEnded();

    std::vector<std::shared_ptr<Job>> m_jobs; // asked for, not yet reported
    std::vector<std::shared_ptr<Job>> m_held; // asked for while held
    bool m_holding = false;
    QThreadPool m_pool;
};
