#include "pictureedits.h"

#include "cpictureeditor.h"

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

QString PictureEdits::adopt(const QString &path, const QString &name)
{
    const QString copy = targetFor(name, false);
    return QFile::copy(path, copy) ? copy : QString();
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
