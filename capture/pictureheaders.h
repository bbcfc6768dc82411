#pragma once

#include <QSize>

#include <optional>

class QIODevice;

// What a picture file's own header says about the memory its decoding takes,
// where the image reader does not tell: a GIF is decoded onto its logical
// screen, an icon onto the PNG it carries whatever its directory says, a JPEG sent in several scans keeps
// every DCT coefficient until the last one, and only a PNG stored line by
// line can be scaled while it is read.
// Each function reads from the start of the device and leaves its position
// anywhere; none trusts a length or offset before checking it.
namespace PictureHeaders {

// The logical screen of a GIF; invalid when the data is not a GIF.
QSize gifScreen(QIODevice &file);

// Whether a PNG is stored interlaced; std::nullopt when the data is not a PNG.
std::optional<bool> pngInterlaced(QIODevice &file);

// For an icon file (ICO or CUR), the size stated by the PNG stored as its
// first image; empty when that image is not a PNG, invalid when it claims
// more bytes than the file holds (the reader would reserve them all first).
// std::nullopt when the data is not an icon file.
std::optional<QSize> iconImageSize(QIODevice &file);

struct JpegFrame
{
    QSize size;
    // Bytes of DCT coefficients held for the whole picture: libjpeg buffers
    // them when the data comes in several scans (progressive, or components
    // sent one by one); 0 for a single interleaved scan.
    qint64 coefficientBytes = 0;
};

// The frame of a JPEG as read up to its first scan; std::nullopt when the
// data is not a JPEG or its header is broken.
std::optional<JpegFrame> jpegFrame(QIODevice &file);

} // namespace PictureHeaders
