// Peak memory of loading one picture for a tile, over the worst pictures we
// can make: hostile headers that must be refused, and for each kind the
// largest picture still loaded. Every picture is loaded in a process of its
// own (peak memory is per process); prints name, outcome, time and peak RSS.
//
//   bench_thumbnail [folder]        make the pictures in folder (default: a
//                                   temporary one) and load each of them
//   bench_thumbnail --load <file>   load one picture, as the tiles do

#include "picturethumbnail.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdio>

#include <sys/resource.h>
#include <zlib.h>

namespace {

bool save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray encoded(const QImage &image, const char *format, bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}

// A small JPEG whose frame claims the given size; libjpeg decodes all of it.
QByteArray jpegClaiming(int width, int height, bool progressive, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(64, 64, format);
    image.fill(Qt::gray);
    QByteArray jpeg = encoded(image, "jpeg", progressive);
    char *frame = jpeg.data() + jpeg.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    qToBigEndian<quint16>(quint16(height), frame + 5);
    qToBigEndian<quint16>(quint16(width), frame + 7);
    return jpeg;
}

QByteArray gifWithScreen(int side)
{
    // One pixel on a logical screen whose size is filled in below.
    QByteArray gif = QByteArray::fromHex("47494638396100000000800000000000ffffff2c00000000010001000002024401003b");
    qToLittleEndian<quint16>(quint16(side), gif.data() + 6);
    qToLittleEndian<quint16>(quint16(side), gif.data() + 8);
    return gif;
}

QByteArray pngOf(int side, QImage::Format format)
{
    QImage image(side, side, format);
    image.fill(QColor(10, 200, 30, 128));
    return encoded(image, "png");
}

// The PNG signature and header chunk alone, claiming the given size.
QByteArray pngHeader(int side)
{
    QByteArray png = pngOf(1, QImage::Format_ARGB32).left(33);
    qToBigEndian<quint32>(quint32(side), png.data() + 16);
    qToBigEndian<quint32>(quint32(side), png.data() + 20);
    const QByteArray chunk = png.mid(12, 17);
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef *>(chunk.constData()), 17)), png.data() + 29);
    return png;
}

// An icon directory of one 16 x 16 entry whose image is the PNG.
QByteArray iconCarrying(const QByteArray &png)
{
    QByteArray ico = QByteArray::fromHex("0000010001001010000001002000") + QByteArray(8, '\0') + png;
    qToLittleEndian<quint32>(quint32(png.size()), ico.data() + 14);
    qToLittleEndian<quint32>(22, ico.data() + 18);
    return ico;
}

int loadOne(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();
    const QPixmap pixmap = PictureThumbnail::load(QString::fromLocal8Bit(argv[2]), PictureThumbnail::FormatFrom::Contents);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-8s %6lld ms %6ld MB\n",
                pixmap.isNull() ? "refused"
                                : qPrintable(QStringLiteral("%1x%2").arg(pixmap.width()).arg(pixmap.height())),
                timer.elapsed(), usage.ru_maxrss / 1024);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--load") == 0)
        return loadOne(argc, argv);

    QGuiApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QList<QPair<QString, QByteArray>> pictures = {
        {QStringLiteral("gif-35-bytes-16000-screen.gif"), gifWithScreen(16000)},
        {QStringLiteral("gif-5790-screen.gif"), gifWithScreen(5790)},
        {QStringLiteral("png-header-20000.png"), pngHeader(20000)},
        {QStringLiteral("png-rgba-5790.png"), pngOf(5790, QImage::Format_ARGB32)},
        {QStringLiteral("png-rgba64-4096.png"), pngOf(4096, QImage::Format_RGBA64)},
        {QStringLiteral("png-rgb-10000.png"), pngOf(10000, QImage::Format_RGB32)},
        {QStringLiteral("ico-carrying-png-header-20000.ico"), iconCarrying(pngHeader(20000))},
        {QStringLiteral("ico-carrying-png-4096.ico"), iconCarrying(pngOf(4096, QImage::Format_ARGB32))},
        {QStringLiteral("jpeg-108MP-phone.jpg"), jpegClaiming(12000, 9000, false)},
        {QStringLiteral("jpeg-200MP-phone.jpg"), jpegClaiming(16320, 12240, false)},
        {QStringLiteral("jpeg-32768.jpg"), jpegClaiming(32768, 32768, false)},
        {QStringLiteral("jpeg-gray-32768.jpg"), jpegClaiming(32768, 32768, false, QImage::Format_Grayscale8)},
        {QStringLiteral("jpeg-65500.jpg"), jpegClaiming(65500, 65500, false)},
        {QStringLiteral("jpeg-progressive-7500x5600.jpg"), jpegClaiming(7500, 5600, true)},
        {QStringLiteral("jpeg-progressive-108MP.jpg"), jpegClaiming(12000, 9000, true)},
        {QStringLiteral("jpeg-progressive-65500.jpg"), jpegClaiming(65500, 65500, true)},
    };
    for (const auto &picture : pictures) {
        const QString path = folder + QLatin1Char('/') + picture.first;
        if (!save(path, picture.second)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        std::printf("%-36s ", qPrintable(picture.first));
        std::fflush(stdout);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--load"), path});
        child.waitForFinished(-1);
    }
    return 0;
}
