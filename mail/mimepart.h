#pragma once

#include "mimecontentformatter.h"


#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class MimeSink;
struct MimeOwedText;

// One MIME entity: its header fields and body, and its serialised text.
//
// A part has two representations: the fields (content type, encoding, raw
// content ...) and the prepared text built from them by prepare(). Setters
// only change the fields; toString() prepares once and then keeps returning
// the text of that preparation until prepare() is called again.
//
// writeTo() produces the same bytes as toString() in UTF-8 but lets a large
// body be encoded and handed out piece by piece: the part is then prepared
// with its body "owed" (kept as raw content plus what to apply to it), and
// toString() completes the text from that if it is ever asked for.
class MimePart : public QObject
{
    Q_OBJECT
public:
    enum Encoding { Enc7Bit, Enc8Bit, EncBase64, EncQuotedPrintable };

    MimePart();
    ~MimePart() override;

    const QString &header() const { return m_header; }
    void setHeader(const QString &header) { m_header = header; }
    // Appends the line and "\r\n".
    void addHeaderLine(const QString &line);

    const QByteArray &content() const { return m_content; }
    void setContent(const QByteArray &content) { m_content = content; }

    const QString &contentId() const { return m_contentId; }
    void setContentId(const QString &contentId) { m_contentId = contentId; }
    const QString &contentName() const { return m_contentName; }
    void setContentName(const QString &contentName) { m_contentName = contentName; }
    const QString &contentType() const { return m_contentType; }
    void setContentType(const QString &contentType) { m_contentType = contentType; }
    const QString &charset() const { return m_charset; }
    void setCharset(const QString &charset) { m_charset = charset; }
    Encoding encoding() const { return m_encoding; }
    void setEncoding(Encoding encoding) { m_encoding = encoding; }
    const QString &boundary() const { return m_boundary; }

    MimeContentFormatter &contentFormatter() { return m_formatter; }
    bool isPrepared() const { return m_prepared; }

    // The serialised part; prepares it first if it never was.
    virtual QString toString();
    // Rebuilds the serialised text from the fields.
    virtual void prepare();

    // Hands the UTF-8 bytes of toString() to the sink, large bodies in pieces.
    // Prepares the part first if it never was. false when the sink refused.
    bool writeTo(MimeSink &sink);

    static QString encodingName(Encoding encoding);
    // The body text of raw content in the given transfer encoding.
    static QString encodeBody(const QByteArray &content, Encoding encoding, int maxLength);
    // The same as UTF-8 bytes, handed to the sink piece by piece.
    static bool writeBody(MimeSink &sink, const QByteArray &content, Encoding encoding, int maxLength);
    // Base64 in lines of maxLength characters (a multiple of 4) in one pass;
    // `continued` when the content follows earlier whole lines of the body.
    // The text is made in `buffer`, which a caller writing many pieces keeps
    // (a buffer of this size freed and fetched anew costs fresh pages each time).
    static bool writeBase64Lines(MimeSink &sink, const QByteArray &content, int maxLength, bool continued,
                                 QByteArray &buffer);
    // Input bytes of one piece of writeBase64Lines: a whole number of lines.
    static int base64LinesPiece(int maxLength);

protected:
    // Drops what an earlier preparation left owed; every prepare() starts so.
    void resetPreparation();
    // What is left to write of the prepared text (the whole text when nothing is owed).
    MimeOwedText owedText() const;
    QString headText() const;

    QString m_header;
    QByteArray m_content;
    QString m_contentId;
    QString m_contentName;
    QString m_contentType;
    QString m_charset;
    QString m_boundary;
    Encoding m_encoding = Enc7Bit;
    QString m_mimeString;
    MimeContentFormatter m_formatter;
    bool m_prepared = false;

    // Set around prepare() by writeTo(): leave the body out of m_mimeString.
    bool m_deferBody = false;
    // Set when m_mimeString holds the head only.
    std::unique_ptr<MimeOwedText> m_owed;

    friend class MimeMultiPart;
};
