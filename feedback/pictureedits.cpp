#include "pictureedits.h"

#include <QFileInfo>
#include <QTemporaryDir>

PictureEdits::PictureEdits() = default;
PictureEdits::~PictureEdits() = default;

QString PictureEdits::targetFor(const QString &path, bool screenshot)
{
    if (screenshot || (m_copies && path.startsWith(m_copies->path() + QLatin1Char('/'))))
        return path;
    if (!m_copies)
        m_copies = std::make_unique<QTemporaryDir>();
    const QString base = m_copies->filePath(QFileInfo(path).completeBaseName());
    QString target = base + QStringLiteral(".png");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QStringLiteral("-%1.png").arg(n);
    return target;
}

void PictureEdits::edited(const QString &path, const QString &edited, int areas)
{
    m_hiddenAreas.insert(edited, m_hiddenAreas.take(path) + areas);
}
