#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// What the user had entered in a window that closed without sending it.
struct ReportDraft
{
    QString comment;
    QString email;
    QString iosVersion;
    QString androidVersion;
    QString phoneBrand;
    QString phoneModel;
    QStringList screenshots; // files; copies inside the store once saved
    QStringList pictures;    // the user's own files, only referred to
    QStringList editedPictures; // edits of the user's pictures: files; copies inside the store once saved
    // The picture list's order: "p" for the next of pictures, "e" for the
    // next of editedPictures; empty (a draft of before): pictures first.
    QString pictureOrder;
    QString supersedes;      // outbox entry of an earlier attempt at it
    QMap<QString, int> hiddenAreas; // areas blacked out, by file of screenshots and editedPictures
};

// Drafts in the per-user data folder, one per host product and mode. A
// draft is a JSON file written whole under a temporary name and renamed, with
// copies of its screenshots and edited pictures beside it (the originals are
// removed when the window closes); the user's pictures stay where the user
// keeps them.
class DraftStore
{
public:
    explicit DraftStore(const QString &folder = defaultFolder());
    // <per-user application data>/drafts
    static QString defaultFolder();
    // A file-name-safe key for the host product and the mode.
    static QString key(const QString &hostPath, bool feedbackMode);

    bool save(const QString &key, const ReportDraft &draft) const;
    // The draft of the key; none when there is none, or when it does not
    // read (then *problem says why). A draft file is outside input: what
    // does not fit is dropped, never followed out of the store.
    std::optional<ReportDraft> load(const QString &key, QString *problem = nullptr) const;
    // The draft's JSON, checked for types; screenshot names stay bare names
    // (load() makes paths of those present in the store).
    static std::optional<ReportDraft> parse(const QByteArray &json, QString *problem = nullptr);
    // The file name an edited picture had when its draft was saved.
    static QString pictureName(const QString &path);
    void discard(const QString &key) const;

private:
    QString filesFolderOf(const QString &key) const;

    QString m_folder;
};
