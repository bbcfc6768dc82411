#include "pictureedits.h"

#include "cpictureeditor.h"
#include "deliverylog.h"
#include "draftstore.h"
#include "screenshotwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

PictureEdits::PictureEdits() = default;
PictureEdits::~PictureEdits() = default;

QString PictureEdits::targetFor(const QString &path, bool screenshot)
{
    if (screenshot || isCopy(path))
        return path;
    if (!m_copies)
        m_copies = std::make_unique<QTemporaryDir>();
    const QString base = m_copies->filePath(QFileInfo(path).completeBaseName());
    QString target = base + QStringLiteral(".png");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QStringLiteral("-%1.png").arg(n);
    return target;
}

bool PictureEdits::isCopy(const QString &path) const
{
    return m_copies && path.startsWith(m_copies->path() + QLatin1Char('/'));
}

void PictureEdits::keepIn(ReportDraft &draft, const QStringList &screenshots, const QStringList &pictures) const
{
    draft.screenshots = screenshots;
    for (const QString &path : pictures) {
        const bool copy = isCopy(path);
        (copy ? draft.editedPictures : draft.pictures) << path;
        draft.pictureOrder += QLatin1Char(copy ? 'e' : 'p');
    }
    for (const QString &path : draft.screenshots + draft.editedPictures)
        draft.hiddenAreas.insert(path, hiddenAreas(path));
}

PictureEdits::Restored PictureEdits::restore(const ReportDraft &draft, const QString &screenshotFolder)
{
    Restored restored;
    if (!draft.screenshots.isEmpty()) {
        DeliveryLog::removePath(screenshotFolder);
        QDir().mkpath(screenshotFolder);
    }
    for (const QString &path : draft.screenshots) {
        const QString copy = ScreenshotWriter::newPath(screenshotFolder);
        if (!QFile::copy(path, copy))
            continue;
        m_hiddenAreas.insert(copy, draft.hiddenAreas.value(path));
        restored.screenshots << copy;
    }
    // In the order the list had; what the order does not place (a draft of
    // before, a copy that did not survive) follows.
    QStringList own = draft.pictures;
    QStringList edits = draft.editedPictures;
    for (const QChar kind : draft.pictureOrder + QString(own.size(), QLatin1Char('p'))
                                + QString(edits.size(), QLatin1Char('e'))) {
        QStringList &from = kind == QLatin1Char('e') ? edits : own;
        if (from.isEmpty())
            continue;
        const QString path = from.takeFirst();
        if (kind == QLatin1Char('p')) {
            if (QFileInfo(path).isFile())
                restored.pictures << path;
            continue;
        }
        const QString copy = targetFor(DraftStore::pictureName(path), false);
        if (!QFile::copy(path, copy))
            continue;
        m_hiddenAreas.insert(copy, draft.hiddenAreas.value(path));
        restored.pictures << copy;
    }
    return restored;
}

void PictureEdits::edited(const QString &path, const QString &edited, int areas)
{
    m_hiddenAreas.insert(edited, m_hiddenAreas.take(path) + areas);
}

void PictureEdits::open(const QString &path, bool screenshot, QWidget *parent,
                        std::function<void(const QString &edited)> onEdited)
{
    if (!QFileInfo(path).isFile())
        return;
    auto *editor = new CPictureEditor(path, targetFor(path, screenshot), parent);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setWindowModality(Qt::WindowModal);
    QObject::connect(editor, &QDialog::accepted, editor, [this, editor, path, onEdited] {
        const int areas = editor->hiddenAreas().areas().size();
        if (areas <= 0)
            return; // nothing hidden, nothing written
        edited(path, editor->target(), areas);
        onEdited(editor->target());
    });
    editor->show();
}
