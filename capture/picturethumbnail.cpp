#include "picturethumbnail.h"
#include "pictureheaders.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtMath>

#include <limits>

namespace PictureThumbnail {

bool isAcceptable(const QSize &decoded, qint64 bytes)
{
    if (decoded.width() <= 0 || decoded.height() <= 0)
        return false;
    if (decoded.width() > MaxSide || decoded.height() > MaxSide)
        return false;
    return qint64(decoded.width()) * decoded.height() <= MaxPixels && bytes <= MaxDecodeBytes;
}

namespace {

// What the file's own header says, read once before any reader touches it.
struct Headers
{
    QSize gifScreen;
    std::optional<QSize> icon;
    std::optional<PictureHeaders::JpegFrame> jpeg;
    std::optional<bool> pngInterlaced;
};

struct Decode
{
    QSize size;
    qint64 bytes = 0;
    bool scaledByReader = false;
};

bool isJpeg(const QImageReader &reader)
{
    return reader.format() == "jpeg" || reader.format() == "jpg";
}

qint64 pixels(const QSize &size)
{
    return qint64(size.width()) * size.height();
}

// Saturates instead of overflowing for the sizes a header can claim.
qint64 bytesFor(const QSize &size, int bytesPerPixel)
{
    const qint64 count = pixels(size);
    return count > std::numeric_limits<qint64>::max() / bytesPerPixel ? std::numeric_limits<qint64>::max()
                                                                        : count * bytesPerPixel;
}

// The size to show: the picture fitted into the box with its aspect ratio, at
// least one pixel each way, never larger than the picture.
QSize targetSize(const QSize &size, const QSize &box)
{
    if (!box.isValid() || box.isEmpty())
        return size;
    if (size.width() <= box.width() && size.height() <= box.height())
        return size;
    QSize fitted = size.scaled(box, Qt::KeepAspectRatio);
    fitted.setWidth(qMax(1, fitted.width()));
    fitted.setHeight(qMax(1, fitted.height()));
    return fitted;
}

// libjpeg decodes at M/8 of the full size (M from 1 to 8), and Qt's reader
// picks the smallest M that still covers the size asked for.
QSize jpegDecodeSize(const QSize &size, const QSize &target)
{
    const double shrink = qMin(double(size.width()) / target.width(), double(size.height()) / target.height());
    const int eighths = qBound(1, qCeil(8 / shrink), 8);
    return QSize(int((qint64(size.width()) * eighths + 7) / 8), int((qint64(size.height()) * eighths + 7) / 8));
}

// The size a reader decodes the picture at and the memory it holds meanwhile.
// The reported size is not always it: a GIF is drawn onto its logical screen
// and an icon decodes the PNG it carries, whatever their directories say.
Decode plannedDecode(const QImageReader &reader, const Headers &headers, const QSize &size, const QSize &target)
{
    if (isJpeg(reader)) {
        if (!headers.jpeg || headers.jpeg->size != size)
            return {};
        // The decoded picture, a converted copy for smooth scaling, and the
        // coefficients of a picture sent in several scans.
        const QSize decoded = jpegDecodeSize(size, target);
        return {decoded, pixels(decoded) * 8 + headers.jpeg->coefficientBytes, true};
    }
    // Qt reads such a PNG straight into the scaled size, a few lines at a time.
    const QImage::Format format = reader.imageFormat();
    if (reader.format() == "png" && headers.pngInterlaced == false
        && (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32))
        return {size, pixels(target) * 4, true};
    if (headers.icon && !headers.icon->isValid())
        return {};
    const QSize decoded = size.expandedTo(headers.gifScreen).expandedTo(headers.icon.value_or(QSize()));
    // Most formats decode to 32 bits a pixel; 16-bit channels (and an icon's
    // image, whose depth is not known here) to 64.
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const int bytesPerPixel = depth > 32 || headers.icon ? 8 : 4;
    return {decoded, bytesFor(decoded, bytesPerPixel), false};
}

// Scales down without a full-size copy: smooth scaling would first convert
// most formats to 32-bit premultiplied at full size, so the picture is first
// sampled down in its own format to a few times the target.
QImage shrink(const QImage &image, const QSize &target)
{
    const QSize sampled = image.size().boundedTo(target * 4);
    const QImage small =
        sampled == image.size() ? image : image.scaled(sampled, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return small.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage readWith(QImageReader &reader, const Headers &headers, const QSize &box)
{
    if (!reader.canRead())
        return QImage();
    // A reader that cannot tell the size up front is refused: the size is
    // the only guard against decoding a huge picture in full.
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0)
        return QImage();
    const QSize target = targetSize(size, box);
    const Decode decode = plannedDecode(reader, headers, size, target);
    if (!isAcceptable(decode.size, decode.bytes))
        return QImage();
    // Other readers would decode in full and then convert for smooth scaling.
    if (decode.scaledByReader && target != size)
        reader.setScaledSize(target);
    // Fitted again to what was decoded: a GIF's screen or an icon's PNG can
    // be larger than the size reported.
    const QImage image = reader.read();
    const QSize fitted = targetSize(image.size(), box);
    if (image.isNull() || image.size() == fitted)
        return image;
    return shrink(image, fitted);
}

} // namespace

QPixmap load(const QString &path, FormatFrom format, const QSize &box)
{
    return QPixmap::fromImage(loadImage(path, format, box));
}

QImage loadImage(const QString &path, FormatFrom format, const QSize &box)
{
    if (path.isEmpty())
        return QImage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const Headers headers{PictureHeaders::gifScreen(file), PictureHeaders::iconImageSize(file),
                          PictureHeaders::jpegFrame(file), PictureHeaders::pngInterlaced(file)};

    QImage image;
    if (format == FormatFrom::SuffixThenContents) {
        file.seek(0);
        QImageReader reader(&file);
        image = readWith(reader, headers, box);
    }
    if (image.isNull()) {
        // Asked for, or a file whose suffix lies (a JPEG saved as .png):
        // decide from the contents alone.
        file.seek(0);
        QImageReader reader(&file);
        reader.setDecideFormatFromContent(true);
        image = readWith(reader, headers, box);
    }
    return image;
}

QPixmap fromImage(const QImage &picture, const QSize &box)
{
    if (picture.isNull())
        return QPixmap();
    const QSize target = targetSize(picture.size(), box);
    if (target == picture.size())
        return QPixmap::fromImage(picture);
    // Sampled down to a few times the tile first, which reads only the rows
    // it keeps: reading every pixel of a desktop-sized grab costs more than
    // all the rest of the tile. Then smoothed, as the reader scales a file.
    const QSize sampled = (target * 4).boundedTo(picture.size());
    const QImage coarse = picture.scaled(sampled, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return QPixmap::fromImage(coarse.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace PictureThumbnail
