#include "picturethumbnail.h"

#include <QImage>
#include <QImageReader>

namespace PictureThumbnail {

bool isAcceptableSize(const QSize &size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return false;
    if (size.width() > MaxSide || size.height() > MaxSide)
        return false;
    return qint64(size.width()) * qint64(size.height()) <= MaxPixels;
}

namespace {

// The size to decode at: the picture fitted into the box with its aspect
// ratio, at least one pixel each way, never larger than the picture.
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

QImage readWith(QImageReader &reader, const QSize &box)
{
    if (!reader.canRead())
        return QImage();
    // Handlers that cannot tell the size up front are refused as well: the
    // size is the only guard against decoding a huge picture in full.
    const QSize size = reader.size();
    if (!isAcceptableSize(size))
        return QImage();
    const QSize target = targetSize(size, box);
    if (target != size)
        reader.setScaledSize(target);
    return reader.read();
}

} // namespace

QPixmap load(const QString &path, const char *formatHint, const QSize &box)
{
    if (path.isEmpty())
        return QPixmap();
    const QByteArray hint = formatHint ? QByteArray(formatHint).toLower() : QByteArray();
    const bool knownHint = !hint.isEmpty() && QImageReader::supportedImageFormats().contains(hint);

    QImage image;
    if (hint.isEmpty() || knownHint) {
        // The given format, or the suffix when none is given.
        QImageReader reader(path, hint);
        image = readWith(reader, box);
    }
    if (image.isNull()) {
        // A name no reader knows, or a file whose suffix lies (a JPEG saved
        // as .png): decide from the contents alone.
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        image = readWith(reader, box);
    }
    if (image.isNull())
        return QPixmap();
    return QPixmap::fromImage(std::move(image));
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
