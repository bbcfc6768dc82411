#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTemporaryDir;
class QWidget;
struct ReportDraft;

// What the user hid in the listed pictures: the areas blacked out per file,
// and the edited copies of the user's own pictures. A screenshot is
// rewritten in place; a picture of the user's is never changed, its edit
// goes to a copy (a PNG, which keeps the black exact and drops what the
// original's metadata said), removed with the window.
class PictureEdits
{
public:
    PictureEdits();
    ~PictureEdits();

    // Opens the editor of path above parent; onEdited gets the file edited
    // once the user has hidden something and confirmed.
    void open(const QString &path, bool screenshot, QWidget *parent,
              std::function<void(const QString &edited)> onEdited);
    // Whether path is one of the edited copies.
    bool isCopy(const QString &path) const;

    // The pictures' part of a draft, from the listed screenshots and
    // pictures in their order: an edited copy goes with the window, so the
    // draft keeps it; and how many areas were hidden in each file it keeps.
    void keepIn(ReportDraft &draft, const QStringList &screenshots, const QStringList &pictures) const;
    struct Restored
    {
        QStringList screenshots;
        QStringList pictures;
    };
    // What a draft's pictures become, to be listed: copies of its screenshots
    // in screenshotFolder (emptied first, when the draft has any), the user's
    // pictures still there, and edited copies of ours again; each file with
    // the areas hidden in it.
    Restored restore(const ReportDraft &draft, const QString &screenshotFolder);
    // The file the editor writes the edit of path to.
    QString targetFor(const QString &path, bool screenshot);
    // The edit of path, with areas more hidden, is now the file edited.
    void edited(const QString &path, const QString &edited, int areas);
    int hiddenAreas(const QString &path) const { return m_hiddenAreas.value(path); }
    void forget(const QString &path) { m_hiddenAreas.remove(path); }
    void clear() { m_hiddenAreas.clear(); }

private:
    QMap<QString, int> m_hiddenAreas;
    std::unique_ptr<QTemporaryDir> m_copies;
};
