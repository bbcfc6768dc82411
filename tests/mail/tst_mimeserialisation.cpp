// Byte-exact serialisation of addresses, parts and messages.

#include "mailtesthelpers.h"
#include "emailaddress.h"
#include "mimeattachment.h"
#include "mimecontentformatter.h"
#include "mimefile.h"
#include "mimemessage.h"
#include "mimemultipart.h"
#include "mimepart.h"
#include "mimesink.h"
#include "mimetext.h"
#include "quotedprintable.h"

#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using Recipients = QList<QPair<QString, QString>>; // (name, address)
Q_DECLARE_METATYPE(Recipients)
Q_DECLARE_METATYPE(MimePart::Encoding)

namespace {

const QString crlf = QStringLiteral("\r\n");

class CollectSink : public MimeSink
{
public:
    bool write(const QByteArray &bytes) override
    {
        data += bytes;
        ++pieces;
        return true;
    }
    QByteArray data;
    int pieces = 0;
};

QString headerBeforeDate(const QString &text)
{
    return text.left(text.indexOf(QStringLiteral("Date: ")));
}

QByteArray bytesOf(int size, int seed)
{
    return MailTest::bytesOf(size, seed, 1);
}

QString headOf(const QString &type, const QString &encoding, const QString &extra = QString())
{
    return QStringLiteral("Content-Type: ") + type + crlf + QStringLiteral("Content-Transfer-Encoding: ")
        + encoding + crlf + extra + crlf;
}

} // namespace

class TestMimeSerialisation : public QObject
{
    Q_OBJECT
private slots:
    void messageHeader_data();
    void messageHeader();
    void dateAndMessageId_data();
    void dateAndMessageId();
    void formatter_data();
    void formatter();
    void partBody_data();
    void partBody();
    void partHead_data();
    void partHead();
    void quotedPrintable_data();
    void quotedPrintable();
    void quotedPrintableDecode_data();
    void quotedPrintableDecode();
    void multipart();
    void rePreparation();
    void pieceByPieceEqualsText_data();
    void pieceByPieceEqualsText();
    void pieceByPieceKeepsPreparedText();
    void ownership();
    void contentKinds();
};

void TestMimeSerialisation::messageHeader_data()
{
    QTest::addColumn<QString>("senderName");
    QTest::addColumn<Recipients>("to");
    QTest::addColumn<Recipients>("cc");
    QTest::addColumn<Recipients>("bcc");
    QTest::addColumn<MimePart::Encoding>("encoding");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("replyToName"); // "-" for none
    QTest::addColumn<QString>("inReplyTo");
    QTest::addColumn<QString>("expected");

    const Recipients one{{QString(), QStringLiteral("r@x.test")}};
    const auto E8 = MimePart::Enc8Bit;
    const QString mime = QStringLiteral("MIME-Version: 1.0\r\n");

    QTest::newRow("from-empty-name-one-unnamed-to")
        << QString() << one << Recipients() << Recipients() << E8 << QStringLiteral("Hi") << "-" << QString()
        << QStringLiteral("From: <s@x.test>\r\nTo: <r@x.test>\r\nSubject: Hi\r\n") + mime;
    QTest::newRow("two-named-to")
        << QStringLiteral("Me") << Recipients{{QStringLiteral("A"), QStringLiteral("a@x.test")}, {QStringLiteral("B"), QStringLiteral("b@x.test")}}
        << Recipients() << Recipients() << E8 << QStringLiteral("Hi") << "-" << QString()
        << QStringLiteral("From: Me <s@x.test>\r\nTo: A <a@x.test>, B <b@x.test>\r\nSubject: Hi\r\n") + mime;
    QTest::newRow("no-to-gives-bare-line")
        << QString() << Recipients() << Recipients() << Recipients() << E8 << QString() << "-" << QString()
        << QStringLiteral("From: <s@x.test>\r\nTo:\r\nSubject: \r\n") + mime;
    QTest::newRow("cc-line-only-with-cc")
        << QString() << one << Recipients{{QStringLiteral("C"), QStringLiteral("c@x.test")}, {QString(), QStringLiteral("d@x.test")}}
        << Recipients() << E8 << QStringLiteral("Hi") << "-" << QString()
        << QStringLiteral("From: <s@x.test>\r\nTo: <r@x.test>\r\nCc: C <c@x.test>, <d@x.test>\r\nSubject: Hi\r\n") + mime;
    QTest::newRow("bcc-never-written")
        << QString() << one << Recipients() << Recipients{{QStringLiteral("Hidden"), QStringLiteral("h@x.test")}}
        << E8 << QStringLiteral("Hi") << "-" << QString()
        << QStringLiteral("From: <s@x.test>\r\nTo: <r@x.test>\r\nSubject: Hi\r\n") + mime;
    QTest::newRow("qp-name-blank-and-colon")
        << QStringLiteral("a b:c") << one << Recipients() << Recipients() << MimePart::EncQuotedPrintable
        << QStringLiteral("x y:z") << "-" << QString()
        << QStringLiteral("From: =?utf-8?Q?a_b=3Ac?= <s@x.test>\r\nTo: <r@x.test>\r\nSubject: =?utf-8?Q?x_y=3Az?=\r\n") + mime;
    QTest::newRow("qp-non-ascii-and-equals")
        << QStringLiteral("J\u00fcrgen=") << one << Recipients() << Recipients() << MimePart::EncQuotedPrintable
        << QStringLiteral("\u00c4") << "-" << QString()
        << QStringLiteral("From: =?utf-8?Q?J=C3=BCrgen=3D?= <s@x.test>\r\nTo: <r@x.test>\r\nSubject: =?utf-8?Q?=C3=84?=\r\n") + mime;
    QTest::newRow("qp-underscore-and-question-mark-escaped")
        << QStringLiteral("a_b?\u00e9") << one << Recipients() << Recipients() << MimePart::EncQuotedPrintable
        << QStringLiteral("why?=_") << "-" << QString()
        << QStringLiteral("From: =?utf-8?Q?a=5Fb=3F=C3=A9?= <s@x.test>\r\nTo: <r@x.test>\r\nSubject: =?utf-8?Q?why=3F=3D=5F?=\r\n") + mime;
    QTest::newRow("base64-name-and-subject")
        << QStringLiteral("Me") << Recipients{{QStringLiteral("\u00e9"), QStringLiteral("r@x.test")}} << Recipients() << Recipients()
        << MimePart::EncBase64 << QStringLiteral("Hello") << "-" << QString()
        << QStringLiteral("From: =?utf-8?B?TWU=?= <s@x.test>\r\nTo: =?utf-8?B?w6k=?= <r@x.test>\r\nSubject: =?utf-8?B?SGVsbG8=?=\r\n") + mime;
    QTest::newRow("encoded-words-never-folded")
        << QString() << one << Recipients() << Recipients() << MimePart::EncBase64 << QString(100, QLatin1Char('s')) << "-" << QString()
        << QStringLiteral("From: <s@x.test>\r\nTo: <r@x.test>\r\nSubject: =?utf-8?B?")
               + QString::fromLatin1(QByteArray(100, 's').toBase64()) + QStringLiteral("?=\r\n") + mime;
    QTest::newRow("seven-bit-header-encoding-writes-names-plainly")
        << QStringLiteral("\u00e9") << one << Recipients() << Recipients() << MimePart::Enc7Bit << QStringLiteral("\u00e9") << "-" << QString()
        << QStringLiteral("From: \u00e9 <s@x.test>\r\nTo: <r@x.test>\r\nSubject: \u00e9\r\n") + mime;
    QTest::newRow("reply-to-unnamed-two-blanks")
        << QString() << one << Recipients() << Recipients() << E8 << QStringLiteral("Hi") << QString() << QString()
        << QStringLiteral("From: <s@x.test>\r\nTo: <r@x.test>\r\nSubject: Hi\r\nReply-To:  <rt@x.test>\r\n") + mime;
    QTest::newRow("reply-to-named-two-blanks")
        << QString() << one << Recipients() << Recipients() << E8 << QStringLiteral("Hi") << QStringLiteral("R") << QString()
        << QStringLiteral("From: <s@x.test>\r\nTo: <r@x.test>\r\nSubject: Hi\r\nReply-To:  R <rt@x.test>\r\n") + mime;
    // A CR or LF in a header value would start a field of its own.
    QTest::newRow("line-breaks-in-names-and-subject-become-blanks")
        << QStringLiteral("Me\r\nBcc: x@x.test") << Recipients{{QStringLiteral("A\nB"), QStringLiteral("a@x.test")}}
        << Recipients() << Recipients() << E8 << QStringLiteral("Hi\rX-Evil: 1") << "-" << QString()
        << QStringLiteral("From: Me  Bcc: x@x.test <s@x.test>\r\nTo: A B <a@x.test>\r\nSubject: Hi X-Evil: 1\r\n") + mime;
    QTest::newRow("in-reply-to-and-references")
        << QString() << one << Recipients() << Recipients() << E8 << QStringLiteral("Hi") << "-" << QStringLiteral("id@x.test")
        << QStringLiteral("From: <s@x.test>\r\nTo: <r@x.test>\r\nSubject: Hi\r\n") + mime
               + QStringLiteral("In-Reply-To: <id@x.test>\r\nReferences: <id@x.test>\r\n");
}

void TestMimeSerialisation::messageHeader()
{
    QFETCH(QString, senderName);
    QFETCH(Recipients, to);
    QFETCH(Recipients, cc);
    QFETCH(Recipients, bcc);
    QFETCH(MimePart::Encoding, encoding);
    QFETCH(QString, subject);
    QFETCH(QString, replyToName);
    QFETCH(QString, inReplyTo);
    QFETCH(QString, expected);

    MimeMessage message;
    message.setSender(new EmailAddress(QStringLiteral("s@x.test"), senderName));
    for (const auto &r : to)
        message.addRecipient(new EmailAddress(r.second, r.first));
    for (const auto &r : cc)
        message.addRecipient(new EmailAddress(r.second, r.first), MimeMessage::Cc);
    for (const auto &r : bcc)
        message.addRecipient(new EmailAddress(r.second, r.first), MimeMessage::Bcc);
    message.setHeaderEncoding(encoding);
    message.setSubject(subject);
    EmailAddress replyTo(QStringLiteral("rt@x.test"), replyToName);
    if (replyToName != QLatin1String("-"))
        message.setReplyTo(&replyTo);
    message.setInReplyTo(inReplyTo);

    const QString text = message.toString();
    QCOMPARE(headerBeforeDate(text), expected);
    for (const auto &r : bcc)
        QVERIFY(!text.contains(r.second));
    QCOMPARE(message.recipients(MimeMessage::Bcc).size(), bcc.size());
}

void TestMimeSerialisation::dateAndMessageId_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("domain");

    QTest::newRow("sender's domain") << QStringLiteral("s@mail.x.test") << QStringLiteral("mail.x.test");
    QTest::newRow("no domain") << QStringLiteral("local") << QStringLiteral("localhost");
    QTest::newRow("literal domain") << QStringLiteral("s@[127.0.0.1]") << QStringLiteral("localhost");
    QTest::newRow("control character") << QStringLiteral("s@x\r\nBcc: y") << QStringLiteral("localhost");
}

void TestMimeSerialisation::dateAndMessageId()
{
    QFETCH(QString, sender);
    QFETCH(QString, domain);

    MimeMessage message;
    message.setSender(new EmailAddress(sender));
    const QString text = message.toString();
    // Two-digit day, English month, no weekday, numeric offset; then the id
    // on its own line, 128 random bits in hex.
    const QRegularExpression lines(QStringLiteral(
        "\r\nDate: \\d\\d (?:Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) \\d{4} \\d\\d:\\d\\d:\\d\\d [+-]\\d{4}\r\n"
        "Message-ID: <([0-9a-f]{32})@%1>\r\n"
        "Content-Type: multipart/related; boundary=[0-9a-f]{32}\r\n").arg(QRegularExpression::escape(domain)));
    const QRegularExpressionMatch match = lines.match(text);
    QVERIFY2(match.hasMatch(), qPrintable(text));
    // The same id on every serialisation, a new one for every message.
    QVERIFY(message.toString().contains(match.captured(1)));
    MimeMessage other;
    other.setSender(new EmailAddress(sender));
    QVERIFY(!other.toString().contains(match.captured(1)));
    other.setMessageId(message.messageId());
    QVERIFY(other.toString().contains(match.captured(1)));
}

void TestMimeSerialisation::formatter_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("qp");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("expected");

    const QString a75(75, QLatin1Char('a'));
    const QString a76(76, QLatin1Char('a'));
    QTest::newRow("hard-76-fits") << a76 << false << 76 << a76;
    QTest::newRow("hard-77-breaks") << a76 + QLatin1Char('b') << false << 76 << a76 + crlf + QLatin1Char('b');
    QTest::newRow("hard-152-no-trailing-break") << a76 + a76 << false << 76 << a76 + crlf + a76;
    QTest::newRow("hard-empty") << QString() << false << 76 << QString();
    QTest::newRow("hard-short-lines") << QStringLiteral("abcdefg") << false << 3 << QStringLiteral("abc\r\ndef\r\ng");
    QTest::newRow("qp-75-fits") << a75 << true << 76 << a75;
    QTest::newRow("qp-76-soft-break") << a76 << true << 76 << a75 + QStringLiteral("=\r\na");
    QTest::newRow("qp-escape-at-73-stays") << QString(72, QLatin1Char('a')) + QStringLiteral("=3D") << true << 76
                                           << QString(72, QLatin1Char('a')) + QStringLiteral("=3D");
    QTest::newRow("qp-escape-at-74-moves") << QString(73, QLatin1Char('a')) + QStringLiteral("=3D") << true << 76
                                           << QString(73, QLatin1Char('a')) + QStringLiteral("=\r\n=3D");
    QTest::newRow("qp-escape-at-75-moves") << QString(74, QLatin1Char('a')) + QStringLiteral("=3D") << true << 76
                                           << QString(74, QLatin1Char('a')) + QStringLiteral("=\r\n=3D");
    QTest::newRow("qp-lf-resets-column") << a75 + QStringLiteral("\n") + a75 << true << 76
                                         << a75 + QStringLiteral("\n") + a75;
}

void TestMimeSerialisation::formatter()
{
    QFETCH(QString, input);
    QFETCH(bool, qp);
    QFETCH(int, maxLength);
    QFETCH(QString, expected);
    MimeContentFormatter formatter(maxLength);
    QCOMPARE(formatter.format(input, qp), expected);
}

void TestMimeSerialisation::partBody_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<MimePart::Encoding>("encoding");
    QTest::addColumn<QString>("expectedBody");

    const QByteArray b100 = bytesOf(100, 1);
    const QString b64 = QString::fromLatin1(b100.toBase64());
    QTest::newRow("base64-100-bytes-76-and-60")
        << b100 << MimePart::EncBase64 << b64.left(76) + crlf + b64.mid(76);
    QTest::newRow("base64-57-bytes-one-line")
        << bytesOf(57, 2) << MimePart::EncBase64 << QString::fromLatin1(bytesOf(57, 2).toBase64());
    QTest::newRow("base64-58-bytes-two-lines")
        << bytesOf(58, 3) << MimePart::EncBase64
        << QString::fromLatin1(bytesOf(58, 3).toBase64()).left(76) + crlf + QString::fromLatin1(bytesOf(58, 3).toBase64()).mid(76);
    QTest::newRow("base64-empty") << QByteArray() << MimePart::EncBase64 << QString();
    QTest::newRow("qp-a-equals-b-crlf") << QByteArray("a=b\r\n") << MimePart::EncQuotedPrintable << QStringLiteral("a=3Db=0D=0A");
    QTest::newRow("8bit-utf8-unchanged") << QStringLiteral("gr\u00fc\u00df\r\n.\n").toUtf8() << MimePart::Enc8Bit
                                         << QStringLiteral("gr\u00fc\u00df\r\n.\n");
    QTest::newRow("8bit-nul-keeps-the-rest") << QByteArray("a\0b\r\nc", 6) << MimePart::Enc8Bit << QStringLiteral("a\0b\r\nc");
    QTest::newRow("7bit-nul-keeps-the-rest") << QByteArray("a\0b", 3) << MimePart::Enc7Bit << QStringLiteral("a\0b");
    QTest::newRow("7bit-ascii-unchanged") << QByteArray("plain ascii") << MimePart::Enc7Bit << QStringLiteral("plain ascii");
    QTest::newRow("7bit-beyond-latin1-becomes-question-mark")
        << QStringLiteral("a\u20acb").toUtf8() << MimePart::Enc7Bit << QStringLiteral("a?b");
    QTest::newRow("7bit-latin1-letter-is-not-utf8")
        << QStringLiteral("\u00e9").toUtf8() << MimePart::Enc7Bit << QString(QChar(0xFFFD));
}

void TestMimeSerialisation::partBody()
{
    QFETCH(QByteArray, content);
    QFETCH(MimePart::Encoding, encoding);
    QFETCH(QString, expectedBody);

    MimePart part, streamed;
    for (MimePart *p : {&part, &streamed}) {
        p->setContentType(QStringLiteral("application/x-test"));
        p->setContent(content);
        p->setEncoding(encoding);
    }
    const QString head = headOf(QStringLiteral("application/x-test"), MimePart::encodingName(encoding));
    QCOMPARE(part.toString(), head + expectedBody + crlf);

    // Written piece by piece, the bytes are the same.
    CollectSink sink;
    QVERIFY(streamed.writeTo(sink));
    QCOMPARE(sink.data, (head + expectedBody + crlf).toUtf8());
}

void TestMimeSerialisation::partHead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");

    QTest::newRow("attachment-from-path-announcement")
        << "attachment-path"
        << QStringLiteral("Content-Type: application/octet-stream; name=\"logs.zip\"\r\n"
                          "Content-Transfer-Encoding: base64\r\nContent-disposition: attachment\r\n\r\n\r\n");
    QTest::newRow("file-from-bytes")
        << "file:a b.bin"
        << QStringLiteral("Content-Type: application/octet-stream; name=\"a b.bin\"\r\n"
                          "Content-Transfer-Encoding: base64\r\n\r\nAAE=\r\n");
    // Linux file names may hold line breaks, quotes and backslashes.
    QTest::newRow("file-name-line-break-quote-backslash")
        << "file:a\r\nX: 1\"\\.bin"
        << QStringLiteral("Content-Type: application/octet-stream; name=\"a  X: 1\\\"\\\\.bin\"\r\n"
                          "Content-Transfer-Encoding: base64\r\n\r\nAAE=\r\n");
    QTest::newRow("text-with-id-and-header-line")
        << "text"
        << QStringLiteral("Content-Type: text/plain; charset=utf-8\r\nContent-Transfer-Encoding: 8bit\r\n"
                          "Content-ID: <cid1>\r\nX-Extra: 1\r\n\r\nhi\r\n");
}

void TestMimeSerialisation::partHead()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    std::unique_ptr<MimePart> part;
    if (kind == QLatin1String("attachment-path")) {
        // Not readable here: the body is empty, the announcement is whole.
        part = std::make_unique<MimeAttachment>(new QFile(QStringLiteral("C:/x/logs.zip")));
    } else if (kind.startsWith(QLatin1String("file:"))) {
        part = std::make_unique<MimeFile>(QByteArray("\0\1", 2), kind.mid(5));
    } else {
        part = std::make_unique<MimeText>(QStringLiteral("hi"));
        part->setContentId(QStringLiteral("cid1"));
        part->addHeaderLine(QStringLiteral("X-Extra: 1"));
    }
    QCOMPARE(part->toString(), expected);
}

void TestMimeSerialisation::quotedPrintable_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a-equals-b-cr-lf") << QByteArray("a=b\r\n") << QStringLiteral("a=3Db=0D=0A");
    QTest::newRow("printable-edges") << QByteArray(" <>~") << QStringLiteral(" <>~");
    QTest::newRow("controls-and-del") << QByteArray("\x00\x1f\x7f", 3) << QStringLiteral("=00=1F=7F");
    QTest::newRow("high-bytes-upper-hex") << QByteArray("\xab\xff") << QStringLiteral("=AB=FF");
}

void TestMimeSerialisation::quotedPrintable()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QCOMPARE(QuotedPrintable::encode(input), expected);
    QCOMPARE(QuotedPrintable::decode(expected), input);
}

void TestMimeSerialisation::quotedPrintableDecode_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("escape-and-text") << QStringLiteral("a=3Db") << QByteArray("a=b");
    QTest::newRow("lower-case-hex") << QStringLiteral("=3d") << QByteArray("=");
    QTest::newRow("other-characters-count-as-zero") << QStringLiteral("=:G") << QByteArray("\0", 1);
    QTest::newRow("trailing-equals-kept") << QStringLiteral("ab=") << QByteArray("ab=");
    QTest::newRow("equals-one-char-kept") << QStringLiteral("ab=4") << QByteArray("ab=4");
    QTest::newRow("beyond-latin1-gives-zero") << QStringLiteral("\u20ac") << QByteArray("\0", 1);
}

void TestMimeSerialisation::quotedPrintableDecode()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(QuotedPrintable::decode(input), expected);
}

void TestMimeSerialisation::multipart()
{
    MimeMultiPart empty;
    const QString boundary = empty.boundary();
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(boundary).hasMatch());
    // Drawn from far more than 256 values, and again when a part holds it.
    QSet<QString> drawn;
    for (int i = 0; i < 300; ++i)
        drawn.insert(MimeMultiPart().boundary());
    QCOMPARE(drawn.size(), 300);
    for (const bool streamed : {false, true}) {
        MimeMultiPart container;
        MimeText forged(QStringLiteral("--") + container.boundary() + QStringLiteral("\r\nContent-Type: text/html\r\n\r\nx"));
        container.addPart(&forged);
        CollectSink sink;
        const QString text = streamed && container.writeTo(sink) ? QString::fromUtf8(sink.data) : container.toString();
        QCOMPARE(text.count(QStringLiteral("--") + container.boundary()), 2);
    }
    QCOMPARE(empty.toString(), QStringLiteral("Content-Type: multipart/related; boundary=") + boundary
                                   + QStringLiteral("\r\nContent-Transfer-Encoding: 8bit\r\n\r\n--") + boundary
                                   + QStringLiteral("--\r\n\r\n"));

    MimeMultiPart mixed(MimeMultiPart::Mixed);
    MimeText a(QStringLiteral("one"));
    MimeText b(QStringLiteral("two"));
    mixed.addPart(&a);
    mixed.addPart(&b);
    mixed.setMimeType(MimeMultiPart::Alternative);
    const QString m = mixed.boundary();
    const QString expected = headOf(QStringLiteral("multipart/alternative; boundary=") + m, QStringLiteral("8bit"))
        + QStringLiteral("--") + m + crlf + a.toString() + QStringLiteral("--") + m + crlf + b.toString()
        + QStringLiteral("--") + m + QStringLiteral("--\r\n\r\n");
    QCOMPARE(mixed.toString(), expected);
    QCOMPARE(mixed.content(), expected.mid(expected.indexOf(QStringLiteral("\r\n\r\n")) + 4).chopped(2).toUtf8());

    // A container is never put inside itself.
    mixed.addPart(&mixed);
    MimeMultiPart outer;
    outer.addPart(&mixed);
    mixed.addPart(&outer);
    QCOMPARE(mixed.parts().size(), 2);
}

void TestMimeSerialisation::rePreparation()
{
    MimeAttachment attachment(QByteArray("xyz"), QStringLiteral("f.bin"));
    const QString disposition = QStringLiteral("Content-disposition: attachment\r\n");
    attachment.prepare();
    attachment.prepare();
    QCOMPARE(attachment.toString().count(disposition), 2);
    QCOMPARE(attachment.header(), disposition + disposition);

    // Setters do not reset the prepared text.
    MimeText text(QStringLiteral("old"));
    const QString before = text.toString();
    text.setText(QStringLiteral("new"));
    text.setContentType(QStringLiteral("text/other"));
    QCOMPARE(text.toString(), before);
    text.prepare();
    QVERIFY(text.toString().endsWith(QStringLiteral("\r\n\r\nnew\r\n")));

    // The container prepares once; its parts anew every time it prepares.
    MimeMultiPart multi;
    MimeAttachment inner(QByteArray("1"), QStringLiteral("i.bin"));
    multi.addPart(&inner);
    QCOMPARE(multi.toString().count(disposition), 1);
    QCOMPARE(multi.toString().count(disposition), 1);
    multi.prepare();
    QCOMPARE(multi.toString().count(disposition), 2);
}

void TestMimeSerialisation::pieceByPieceEqualsText_data()
{
    QTest::addColumn<QList<int>>("attachmentSizes");
    QTest::addColumn<MimePart::Encoding>("attachmentEncoding");
    QTest::addColumn<bool>("nested");
    QTest::addColumn<int>("maxLength");

    const int piece = MimePart::base64LinesPiece(76);
    QTest::newRow("text-only") << QList<int>() << MimePart::EncBase64 << false << 76;
    QTest::newRow("small-attachments") << QList<int>{0, 1, 2, 3, 56, 57, 58} << MimePart::EncBase64 << false << 76;
    QTest::newRow("piece-boundaries") << QList<int>{piece - 1, piece, piece + 1, 3 * piece + 2}
                                      << MimePart::EncBase64 << false << 76;
    QTest::newRow("line-length-not-multiple-of-4") << QList<int>{piece + 1, 100} << MimePart::EncBase64 << false << 75;
    QTest::newRow("short-lines") << QList<int>{piece + 5, 7} << MimePart::EncBase64 << false << 4;
    QTest::newRow("quoted-printable") << QList<int>{1, 75, 200000} << MimePart::EncQuotedPrintable << false << 76;
    QTest::newRow("eight-bit") << QList<int>{1000} << MimePart::Enc8Bit << false << 76;
    QTest::newRow("seven-bit") << QList<int>{1000} << MimePart::Enc7Bit << false << 76;
    QTest::newRow("nested-containers") << QList<int>{10, 300000} << MimePart::EncBase64 << true << 76;
}

void TestMimeSerialisation::pieceByPieceEqualsText()
{
    QFETCH(QList<int>, attachmentSizes);
    QFETCH(MimePart::Encoding, attachmentEncoding);
    QFETCH(bool, nested);
    QFETCH(int, maxLength);

    QTemporaryDir dir;
    std::vector<std::unique_ptr<MimePart>> parts;
    const auto build = [&](MimeMultiPart &root, MimeMultiPart &inner) {
        parts.clear();
        parts.push_back(std::make_unique<MimeText>(QStringLiteral("Body \u00e9\r\n.\r\nline\0after NUL")));
        root.addPart(parts.back().get());
        for (int i = 0; i < attachmentSizes.size(); ++i) {
            const QString path = dir.filePath(QStringLiteral("a%1.bin").arg(i));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytesOf(attachmentSizes.at(i), i));
            f.close();
            parts.push_back(std::make_unique<MimeAttachment>(new QFile(path)));
            parts.back()->setEncoding(attachmentEncoding);
            parts.back()->contentFormatter().setMaxLength(maxLength);
            (nested ? inner : root).addPart(parts.back().get());
        }
        if (nested)
            root.addPart(&inner);
    };

    MimeMultiPart rootA(MimeMultiPart::Mixed), innerA;
    build(rootA, innerA);
    const QByteArray text = rootA.toString().toUtf8();
    QVERIFY(text.contains(QByteArray("line\0after NUL\r\n--", 18)));

    MimeMultiPart rootB(MimeMultiPart::Mixed), innerB;
    std::vector<std::unique_ptr<MimePart>> keep = std::move(parts);
    build(rootB, innerB);
    CollectSink sink;
    QVERIFY(rootB.writeTo(sink));
    // Same bytes, boundaries aside (each container draws its own).
    QByteArray streamed = sink.data;
    streamed.replace(rootB.boundary().toLatin1(), rootA.boundary().toLatin1());
    streamed.replace(innerB.boundary().toLatin1(), innerA.boundary().toLatin1());
    QCOMPARE(streamed.size(), text.size());
    QVERIFY(streamed == text);
    // And the text asked for afterwards is what went out.
    QVERIFY(rootB.toString().toUtf8() == sink.data);
    // A second writing gives the same bytes without preparing again.
    CollectSink again;
    QVERIFY(rootB.writeTo(again));
    QVERIFY(again.data == sink.data);
}

void TestMimeSerialisation::pieceByPieceKeepsPreparedText()
{
    MimeMultiPart root;
    MimeText text(QStringLiteral("first"));
    auto *attachment = new MimeAttachment(QByteArray(1000, 'q'), QStringLiteral("q.bin"));
    root.addPart(&text);
    root.addPart(attachment);
    CollectSink sink;
    QVERIFY(root.writeTo(sink));

    // Changes after the preparation do not reach the prepared text, and a
    // part that goes away does not take its text with it.
    attachment->setContent(QByteArray("changed"));
    attachment->setEncoding(MimePart::EncQuotedPrintable);
    attachment->contentFormatter().setMaxLength(10);
    text.setText(QStringLiteral("second"));
    text.prepare();
    delete attachment;
    QVERIFY(root.toString().toUtf8() == sink.data);
    QCOMPARE(root.parts().size(), 2);
}

void TestMimeSerialisation::ownership()
{
    QPointer<EmailAddress> sender = new EmailAddress(QStringLiteral("s@x.test"));
    QPointer<EmailAddress> rcpt = new EmailAddress(QStringLiteral("r@x.test"));
    QPointer<EmailAddress> odd = new EmailAddress(QStringLiteral("o@x.test"));
    EmailAddress replyTo(QStringLiteral("rt@x.test"));
    QPointer<MimePart> autoContent;
    MimeText body(QStringLiteral("kept"));
    {
        MimeMessage message;
        autoContent = message.content();
        message.setSender(sender);
        message.addRecipient(rcpt, MimeMessage::Cc);
        message.addRecipient(odd, MimeMessage::RecipientType(9)); // in no list, still adopted
        message.setReplyTo(&replyTo);
        message.addPart(&body);
        QCOMPARE(message.recipients(MimeMessage::To).size(), 0);
        QCOMPARE(message.recipients(MimeMessage::Cc).size(), 1);
        QCOMPARE(message.parts(), QList<MimePart *>{&body});
        QCOMPARE(replyTo.parent(), nullptr);
    }
    QVERIFY(!sender);
    QVERIFY(!rcpt);
    QVERIFY(!odd);
    QVERIFY(!autoContent);
    QCOMPARE(body.text(), QStringLiteral("kept"));

    // Content given by the caller stays the caller's.
    MimeMultiPart own;
    {
        MimeMessage message;
        QPointer<MimePart> created = message.content();
        message.setContent(&own);
        QVERIFY(!created);
    }
    QCOMPARE(own.parts().size(), 0);
}

void TestMimeSerialisation::contentKinds()
{
    // Parts are added only to a content that is exactly a MimeMultiPart.
    MimeMessage message(false);
    QVERIFY(!message.content());
    QVERIFY(message.parts().isEmpty());
    MimeText text(QStringLiteral("t"));
    message.setContent(&text);
    MimeText other(QStringLiteral("o"));
    message.addPart(&other);
    QCOMPARE(message.parts(), QList<MimePart *>{&text});
    message.setSender(new EmailAddress(QStringLiteral("s@x.test")));
    QVERIFY(message.toString().endsWith(QStringLiteral("\r\n\r\nt\r\n")));

    // Without a sender the From line carries the null address.
    MimeMessage anonymous;
    QVERIFY(anonymous.toString().startsWith(QStringLiteral("From: <>\r\n")));
}

QTEST_GUILESS_MAIN(TestMimeSerialisation)
#include "tst_mimeserialisation.moc"
