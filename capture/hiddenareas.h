#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// Areas of a picture to black out before it is sent, in the picture's own
// pixels, in the order they were drawn (undo takes the last one back).
// Filled solid black rather than blurred: a blur can be undone and leaks text.
class HiddenAreas
{
public:
    explicit HiddenAreas(const QSize &pictureSize = QSize()) : m_bounds(QPoint(0, 0), pictureSize) {}

    // Normalised and cut to the picture; false (and nothing added) when
    // nothing of it lies on the picture.
    bool add(const QRect &area);
    bool undo();
    const QVector<QRect> &areas() const { return m_areas; }
    bool isEmpty() const { return m_areas.isEmpty(); }

    // The picture with every area opaque black.
    QImage applied(const QImage &picture) const;
    // Writes that as PNG under a temporary name beside path and renames it
    // into place, so path never holds half a picture.
    bool save(const QImage &picture, const QString &path) const;

private:
    QRect m_bounds;
    QVector<QRect> m_areas;
};
