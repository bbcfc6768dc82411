#include "hiddenareas.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

bool HiddenAreas::add(const QRect &area)
{
    const QRect cut = area.normalized() & m_bounds;
    if (cut.isEmpty())
        return false;
    m_areas.append(cut);
    return true;
}

bool HiddenAreas::undo()
{
    if (m_areas.isEmpty())
        return false;
    m_areas.removeLast();
    return true;
}

QImage HiddenAreas::applied(const QImage &picture) const
{
    // Indexed and other formats a painter cannot draw on become 32-bit; a
    // picture with alpha keeps it, so the areas stay opaque black in it too.
    QImage result = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                      : QImage::Format_RGB32);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect &area : m_areas)
        painter.fillRect(area, Qt::black);
    return result;
}

bool HiddenAreas::save(const QImage &picture, const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "png");
    if (!writer.write(applied(picture))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
