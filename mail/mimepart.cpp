#include "mimepart.h"

#include "mimeheader_p.h"
#include "mimelinefolder.h"
#include "mimeowedtext.h"
#include "mimesink.h"
#include "quotedprintable.h"

#include <array>
#include <cstring>

namespace {

const QLatin1String crlf("\r\n");
// A multiple of 3 (no padding inside the Base64 text) and of 57 (the input of
// one 76-character line), so that pieces join without a seam.
constexpr int base64Piece = 57 * 4096;
constexpr int quotedPrintablePiece = 64 * 1024;

} // namespace

MimePart::MimePart()
    : m_formatter(76)
{
}

MimePart::~MimePart() = default;

void MimePart::addHeaderLine(const QString &line)
{
    m_header += line;
    m_header += crlf;
}

QString MimePart::encodingName(Encoding encoding)
{
    switch (encoding) {
    case Enc7Bit:
        return QStringLiteral("7bit");
    case Enc8Bit:
        return QStringLiteral("8bit");
    case EncBase64:
        return QStringLiteral("base64");
    case EncQuotedPrintable:
        return QStringLiteral("quoted-printable");
    }
    return QString();
}

QString MimePart::toString()
{
    if (!m_prepared)
        prepare();
    if (m_owed) {
        const std::unique_ptr<MimeOwedText> owed = std::move(m_owed);
        m_mimeString = owed->text();
        if (owed->container)
            m_content = owed->containerContent();
    }
    return m_mimeString;
}

void MimePart::resetPreparation()
{
    m_owed.reset();
}

void MimePart::prepare()
{
    resetPreparation();
    m_mimeString = headText();
    if (m_deferBody) {
        m_owed = std::make_unique<MimeOwedText>();
        m_owed->head = m_mimeString;
        m_owed->bodyOwed = true;
        m_owed->content = m_content;
        m_owed->encoding = m_encoding;
        m_owed->maxLength = m_formatter.maxLength();
    } else {
        m_mimeString += encodeBody(m_content, m_encoding, m_formatter.maxLength());
        m_mimeString += crlf;
    }
    m_prepared = true;
}

MimeOwedText MimePart::owedText() const
{
    if (m_owed)
        return *m_owed;
    MimeOwedText whole;
    whole.head = m_mimeString;
    return whole;
}

bool MimePart::writeTo(MimeSink &sink)
{
    if (!m_prepared) {
        m_deferBody = true;
        prepare();
        m_deferBody = false;
    }
    if (m_owed)
        return m_owed->write(sink);
    return sink.write(m_mimeString.toUtf8());
}

QString MimePart::headText() const
{
    QString text = QStringLiteral("Content-Type: ") + MimeHeader::value(m_contentType);
    if (!m_contentName.isEmpty())
        text += QStringLiteral("; name=") + MimeHeader::quoted(m_contentName);
    if (!m_charset.isEmpty())
        text += QStringLiteral("; charset=") + MimeHeader::value(m_charset);
    if (!m_boundary.isEmpty())
        text += QStringLiteral("; boundary=") + m_boundary;
    text += crlf;
    text += QStringLiteral("Content-Transfer-Encoding: ") + encodingName(m_encoding) + crlf;
    if (!m_contentId.isEmpty())
        text += QStringLiteral("Content-ID: <") + MimeHeader::value(m_contentId) + QStringLiteral(">\r\n");
    text += m_header;
    text += crlf;
    return text;
}

QString MimePart::encodeBody(const QByteArray &content, Encoding encoding, int maxLength)
{
    switch (encoding) {
    case Enc7Bit: {
        // Only ASCII passes unchanged: the text is cut down to Latin-1 and the
        // bytes are read back as UTF-8. (Sized conversions throughout: the
        // byte-array overloads stop at the first NUL and would lose the rest.)
        const QByteArray latin1 = QString::fromUtf8(content.constData(), content.size()).toLatin1();
        return QString::fromUtf8(latin1.constData(), latin1.size());
    }
    case EncBase64: {
        QString out;
        MimeLineFolder(maxLength, false).fold(QString::fromLatin1(content.toBase64()), out);
        return out;
    }
    case EncQuotedPrintable: {
        QString out;
        MimeLineFolder(maxLength, true).fold(QuotedPrintable::encode(content), out);
        return out;
    }
    case Enc8Bit:
        break;
    }
    return QString::fromUtf8(content.constData(), content.size());
}

// Base64 folded into lines of maxLength characters (a multiple of 4), done in
// one pass: each line holds the encoding of maxLength / 4 * 3 input bytes, and
// pieces are whole lines, so the output is exactly that of the folding walk.
// Pieces stay well below 128 KiB so that their buffers are reused by the
// allocator instead of being mapped afresh for each one. With `continued` the
// content follows earlier whole lines of the same body.
int MimePart::base64LinesPiece(int maxLength)
{
    const int lineBytes = maxLength / 4 * 3;
    return lineBytes * qMax(1, (48 * 1024) / lineBytes);
}

bool MimePart::writeBase64Lines(MimeSink &sink, const QByteArray &content, int maxLength, bool continued,
                                QByteArray &out)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    // Two output characters for each 12 bits of input.
    static const auto pairs = [] {
        std::array<quint16, 4096> table{};
        for (int i = 0; i < 4096; ++i) {
            const char two[2] = {alphabet[i >> 6], alphabet[i & 63]};
            std::memcpy(&table[size_t(i)], two, 2);
        }
        return table;
    }();

    const int lineBytes = maxLength / 4 * 3;
    const int pieceBytes = base64LinesPiece(maxLength);
    const auto *data = reinterpret_cast<const uchar *>(content.constData());
    const int size = content.size();
    for (int offset = 0; offset < size; offset += pieceBytes) {
        const int n = qMin(pieceBytes, size - offset);
        const int lines = (n + lineBytes - 1) / lineBytes;
        // A line break goes before every line but the very first.
        out.resize((n + 2) / 3 * 4 + lines * 2);
        char *dst = out.data();
        const uchar *src = data + offset;
        const uchar *const end = src + n;
        bool first = offset == 0 && !continued;
        while (src < end) {
            if (!first) {
                *dst++ = '\r';
                *dst++ = '\n';
            }
            first = false;
            const uchar *lineEnd = src + qMin<qptrdiff>(lineBytes, end - src);
            for (; lineEnd - src >= 3; src += 3) {
                const uint v = uint(src[0]) << 16 | uint(src[1]) << 8 | src[2];
                std::memcpy(dst, &pairs[v >> 12], 2);
                std::memcpy(dst + 2, &pairs[v & 0xFFF], 2);
                dst += 4;
            }
            if (lineEnd - src > 0) {
                const bool two = lineEnd - src == 2;
                const uint v = uint(src[0]) << 16 | (two ? uint(src[1]) << 8 : 0u);
                dst[0] = alphabet[v >> 18];
                dst[1] = alphabet[(v >> 12) & 63];
                dst[2] = two ? alphabet[(v >> 6) & 63] : '=';
                dst[3] = '=';
                dst += 4;
                src = lineEnd;
            }
        }
        out.resize(int(dst - out.constData()));
        if (!sink.writePlainLines(out))
            return false;
    }
    return true;
}

bool MimePart::writeBody(MimeSink &sink, const QByteArray &content, Encoding encoding, int maxLength)
{
    const char *data = content.constData();
    const int size = content.size();
    switch (encoding) {
    case EncBase64: {
        QByteArray buffer;
        if (maxLength >= 4 && maxLength % 4 == 0)
            return writeBase64Lines(sink, content, maxLength, false, buffer);
        MimeLineFolder folder(maxLength, false);
        for (int offset = 0; offset < size; offset += base64Piece) {
            const int n = qMin(base64Piece, size - offset);
            QByteArray folded;
            folder.fold(QByteArray::fromRawData(data + offset, n).toBase64(), folded);
            if (!sink.write(folded))
                return false;
        }
        return true;
    }
    case EncQuotedPrintable: {
        MimeLineFolder folder(maxLength, true);
        for (int offset = 0; offset < size; offset += quotedPrintablePiece) {
            const int n = qMin(quotedPrintablePiece, size - offset);
            QByteArray folded;
            folder.fold(QuotedPrintable::encodeToLatin1(data + offset, n), folded);
            if (!sink.write(folded))
                return false;
        }
        return true;
    }
    default:
        return sink.write(encodeBody(content, encoding, maxLength).toUtf8());
    }
}
