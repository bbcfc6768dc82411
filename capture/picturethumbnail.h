#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Loading a picture file for a preview tile without decoding more than the
// tile needs.
namespace PictureThumbnail {

// Pictures larger than this are refused before any pixel is decoded.
constexpr int MaxSide = 30000;
constexpr qint64 MaxPixels = 100000000;

// True when a picture of the given size may be decoded.
bool isAcceptableSize(const QSize &size);

// Reads the picture at path scaled to fit box (aspect ratio kept, never
// enlarged). The format hint is the reader's format name; null or empty means
// "by the file suffix, then by the contents", and a name no reader knows
// (such as "JFIF") means "by the contents". Returns a null pixmap when the
// file is not a picture or is absurdly large.
QPixmap load(const QString &path, const char *formatHint, const QSize &box = QSize(45, 40));

// The same for a picture already in memory (a screen grab whose file is
// still being written).
QPixmap fromImage(const QImage &picture, const QSize &box = QSize(45, 40));

} // namespace PictureThumbnail
