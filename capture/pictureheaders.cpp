#include "pictureheaders.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <climits>

namespace PictureHeaders {

namespace {

QByteArray readAt(QIODevice &file, qint64 offset, int length)
{
    if (!file.seek(offset))
        return QByteArray();
    const QByteArray bytes = file.read(length);
    return bytes.size() == length ? bytes : QByteArray();
}

const uchar *bytesOf(const QByteArray &bytes, int offset = 0)
{
    return reinterpret_cast<const uchar *>(bytes.constData()) + offset;
}

int clampedInt(quint32 value)
{
    return int(std::min<quint32>(value, INT_MAX));
}

// One segment of a JPEG header (ITU T.81 annex B).
struct Marker
{
    uchar code = 0;
    QByteArray payload; // without the two length bytes
};

// The next marker the way libjpeg finds it: bytes before an 0xFF are skipped,
// fill bytes (0xFF) are skipped, and 0xFF 0x00 is data, not a marker.
std::optional<Marker> nextMarker(QIODevice &file)
{
    char byte = 0;
    for (;;) {
        do {
            if (!file.getChar(&byte))
                return std::nullopt;
        } while (uchar(byte) != 0xFF);
        do {
            if (!file.getChar(&byte))
                return std::nullopt;
        } while (uchar(byte) == 0xFF);
        if (byte != 0)
            break;
    }
    Marker marker;
    marker.code = uchar(byte);
    // Markers that stand alone: TEM, RSTn, SOI and EOI.
    if (marker.code == 0x01 || (marker.code >= 0xD0 && marker.code <= 0xD9))
        return marker;
    const QByteArray length = file.read(2);
    if (length.size() != 2 || qFromBigEndian<quint16>(bytesOf(length)) < 2)
        return std::nullopt;
    const int payloadLength = qFromBigEndian<quint16>(bytesOf(length)) - 2;
    marker.payload = file.read(payloadLength);
    if (marker.payload.size() != payloadLength)
        return std::nullopt;
    return marker;
}

qint64 roundUp(qint64 value, int step)
{
    return (value + step - 1) / step * step;
}

// libjpeg's whole-picture coefficient buffer: per component, the blocks that
// cover it padded to whole sampling units, 64 coefficients of 2 bytes each.
qint64 coefficientBytes(const QSize &size, const QByteArray &components)
{
    int maxH = 1;
    int maxV = 1;
    for (int i = 1; i < components.size(); i += 3) {
        maxH = std::max(maxH, int(uchar(components.at(i))) >> 4);
        maxV = std::max(maxV, int(uchar(components.at(i))) & 15);
    }
    qint64 bytes = 0;
    for (int i = 1; i < components.size(); i += 3) {
        const int h = uchar(components.at(i)) >> 4;
        const int v = uchar(components.at(i)) & 15;
        const qint64 columns = (qint64(size.width()) * h + 8 * maxH - 1) / (8 * maxH);
        const qint64 rows = (qint64(size.height()) * v + 8 * maxV - 1) / (8 * maxV);
        bytes += roundUp(columns, h) * roundUp(rows, v) * 64 * 2;
    }
    return bytes;
}

bool validSampling(const QByteArray &components)
{
    for (int i = 1; i < components.size(); i += 3) {
        const int h = uchar(components.at(i)) >> 4;
        const int v = uchar(components.at(i)) & 15;
        if (h < 1 || h > 4 || v < 1 || v > 4)
            return false;
    }
    return true;
}

} // namespace

QSize gifScreen(QIODevice &file)
{
    const QByteArray head = readAt(file, 0, 10);
    if (!head.startsWith("GIF87a") && !head.startsWith("GIF89a"))
        return QSize();
    return QSize(qFromLittleEndian<quint16>(bytesOf(head, 6)), qFromLittleEndian<quint16>(bytesOf(head, 8)));
}

std::optional<bool> pngInterlaced(QIODevice &file)
{
    // Signature, then the IHDR chunk: length, type, width, height, depth,
    // colour type, compression, filter, interlace method.
    const QByteArray head = readAt(file, 0, 29);
    if (!head.startsWith("\x89PNG\r\n\x1a\n") || head.mid(12, 4) != "IHDR")
        return std::nullopt;
    return head.at(28) != 0;
}

std::optional<QSize> iconImageSize(QIODevice &file)
{
    // ICONDIR (reserved 0, type 1 for icons or 2 for cursors, count), then
    // 16-byte entries ending in the image's length and offset.
    const QByteArray directory = readAt(file, 0, 6 + 16);
    if (directory.isEmpty() || qFromLittleEndian<quint16>(bytesOf(directory)) != 0)
        return std::nullopt;
    const quint16 type = qFromLittleEndian<quint16>(bytesOf(directory, 2));
    if ((type != 1 && type != 2) || qFromLittleEndian<quint16>(bytesOf(directory, 4)) == 0)
        return std::nullopt;
    const quint32 length = qFromLittleEndian<quint32>(bytesOf(directory, 6 + 8));
    const quint32 offset = qFromLittleEndian<quint32>(bytesOf(directory, 6 + 12));
    if (quint64(offset) + length > quint64(file.size()))
        return QSize();
    // PNG signature, then the IHDR chunk: length, type, width, height.
    const QByteArray png = readAt(file, offset, 24);
    if (!png.startsWith("\x89PNG\r\n\x1a\n") || png.mid(12, 4) != "IHDR")
        return QSize(0, 0);
    return QSize(clampedInt(qFromBigEndian<quint32>(bytesOf(png, 16))),
                 clampedInt(qFromBigEndian<quint32>(bytesOf(png, 20))));
}

std::optional<JpegFrame> jpegFrame(QIODevice &file)
{
    if (readAt(file, 0, 2) != "\xFF\xD8")
        return std::nullopt;
    std::optional<JpegFrame> frame;
    bool severalScans = false;
    QByteArray components;
    while (const std::optional<Marker> marker = nextMarker(file)) {
        const uchar code = marker->code;
        const QByteArray &payload = marker->payload;
        // SOF0, SOF1 and SOF9 are sequential; SOF2 and SOF10 progressive.
        // libjpeg decodes no other frame type, and refuses a second frame.
        const bool sequential = code == 0xC0 || code == 0xC1 || code == 0xC9;
        const bool progressive = code == 0xC2 || code == 0xCA;
        if (sequential || progressive) {
            if (frame || payload.size() < 6)
                return std::nullopt;
            const int count = uchar(payload.at(5));
            components = payload.mid(6);
            if (count == 0 || components.size() != 3 * count || !validSampling(components))
                return std::nullopt;
            frame = JpegFrame{QSize(qFromBigEndian<quint16>(bytesOf(payload, 3)),
                                    qFromBigEndian<quint16>(bytesOf(payload, 1))),
                              0};
            severalScans = progressive;
        } else if (code == 0xDA) {
            // The first scan: fewer components than the frame means more scans follow.
            if (!frame || payload.isEmpty())
                return std::nullopt;
            if (severalScans || uchar(payload.at(0)) < components.size() / 3)
                frame->coefficientBytes = coefficientBytes(frame->size, components);
            return frame;
        } else if ((code >= 0xC3 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC)
                   || code == 0xD8 || code == 0xD9) {
            // Lossless or hierarchical frames, a second start, or an end before any scan.
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace PictureHeaders
