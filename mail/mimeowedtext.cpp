#include "mimeowedtext.h"

#include "mimesink.h"

#include <QFile>

QByteArray MimeOwedText::containerContent() const
{
    QString text;
    for (const MimeOwedText &part : parts) {
        text += QStringLiteral("--") + boundary + QStringLiteral("\r\n");
        text += part.text();
    }
    text += QStringLiteral("--") + boundary + QStringLiteral("--\r\n");
    return text.toUtf8();
}

QByteArray MimeOwedText::rawContent() const
{
    if (contentFile.isNull())
        return content;
    // A file that cannot be read gives an empty body.
    QFile file(contentFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Reads the file piece by piece into one reused buffer, each piece a whole
// number of Base64 lines. A file that cannot be read whole (it cannot be
// opened, a read fails, it shrinks or grows meanwhile) stops the writer:
// an attachment never goes out empty or cut.
static bool writeFileAsBase64(MimeSink &sink, const QString &path, int maxLength)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const int pieceBytes = MimePart::base64LinesPiece(maxLength);
    QByteArray piece(pieceBytes, Qt::Uninitialized);
    QByteArray text;
    bool continued = false;
    qint64 total = 0;
    for (;;) {
        qint64 filled = 0;
        while (filled < pieceBytes) {
            const qint64 got = file.read(piece.data() + filled, pieceBytes - filled);
            if (got < 0)
                return false;
            if (got == 0)
                break;
            filled += got;
        }
        total += filled;
        if (filled == 0)
            return total == size;
        if (!MimePart::writeBase64Lines(sink, QByteArray::fromRawData(piece.constData(), int(filled)),
                                        maxLength, continued, text))
            return false;
        continued = true;
        if (filled < pieceBytes)
            return total == size && file.size() == size;
    }
}

// Length of the Base64 text writeFileAsBase64() makes of the file: 4
// characters for every 3 bytes begun, CR LF between lines.
static qint64 base64FileLength(const QString &path, int maxLength)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const qint64 chars = (file.size() + 2) / 3 * 4;
    const qint64 lines = (chars + maxLength - 1) / maxLength;
    return chars + (lines > 0 ? 2 * (lines - 1) : 0);
}

QString MimeOwedText::text() const
{
    if (!bodyOwed)
        return head;
    const QByteArray body = container ? containerContent() : rawContent();
    return head + MimePart::encodeBody(body, encoding, maxLength) + QStringLiteral("\r\n");
}

bool MimeOwedText::write(MimeSink &sink) const
{
    if (!sink.write(head.toUtf8()))
        return false;
    if (!bodyOwed)
        return true;
    if (container) {
        // Only 8bit containers are owed; their body is the parts' text unchanged.
        const QByteArray open = "--" + boundary.toUtf8() + "\r\n";
        for (const MimeOwedText &part : parts) {
            if (!sink.write(open) || !part.write(sink))
                return false;
        }
        if (!sink.write("--" + boundary.toUtf8() + "--\r\n"))
            return false;
    } else if (!contentFile.isNull() && encoding == MimePart::EncBase64 && maxLength >= 4 && maxLength % 4 == 0) {
        if (!sink.measurePlainLines(base64FileLength(contentFile, maxLength))
            && !writeFileAsBase64(sink, contentFile, maxLength))
            return false;
    } else if (!MimePart::writeBody(sink, rawContent(), encoding, maxLength)) {
        return false;
    }
    return sink.write(QByteArrayLiteral("\r\n"));
}
