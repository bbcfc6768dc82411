#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Loading a picture file for a preview tile without decoding more than the
// tile needs. JPEG is decoded scaled down by libjpeg and a PNG of 8-bit RGB
// channels stored line by line is scaled while it is read; other pictures are
// decoded whole, so the memory that takes is what limits them.
namespace PictureThumbnail {

// Largest side and number of pixels decoded.
constexpr int MaxSide = 30000;
constexpr qint64 MaxPixels = 100000000;
// Memory one decode may hold at a time. With what the program itself holds,
// loading any one picture stays below 300 MB.
constexpr qint64 MaxDecodeBytes = qint64(128) << 20;

// True when decoding a picture at the given size, holding the given bytes at
// a time, may go ahead.
bool isAcceptable(const QSize &decoded, qint64 bytes);

// How the picture's format is told.
enum class FormatFrom {
    SuffixThenContents, // a file we wrote: its suffix is right
    Contents,           // a file the user chose: a JPEG named .png still loads
};

// Reads the picture at path scaled to fit box (aspect ratio kept, never
// enlarged). Returns a null pixmap when the file is not a picture or would
// take too much memory to decode.
QPixmap load(const QString &path, FormatFrom format, const QSize &box = QSize(45, 40));
// The same as an image, which unlike a pixmap may be made on any thread.
QImage loadImage(const QString &path, FormatFrom format, const QSize &box);

// The same for a picture already in memory (a screen grab whose file is
// still being written).
QPixmap fromImage(const QImage &picture, const QSize &box = QSize(45, 40));

} // namespace PictureThumbnail
