// A message from fuzzed header values, body and attachment, written whole and
// piece by piece. Input: a byte of encodings (header: bits 0-1, body: bits
// 2-3, each counted from 8bit, so 0 is the default of both), then subject,
// display name, file name, body and attachment bytes, separated by 0xFF
// (never part of UTF-8).
#include "emailaddress.h"
#include "mimeattachment.h"
#include "mimemessage.h"
#include "mimemultipart.h"
#include "mimesink.h"
#include "mimetext.h"

#include <QRegularExpression>

#include <cstdlib>

struct Collect : MimeSink
{
    bool write(const QByteArray &bytes) override { return data += bytes, true; }
    QByteArray data;
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Any field besides ours in the head would have been injected.
    static const QRegularExpression foreignField(QStringLiteral(
        "\r\n(?!To:|Subject:|MIME-Version:|Date:|Message-ID:|Content-Type:|Content-Transfer-Encoding:)"));
    if (size == 0)
        return 0;
    const QList<QByteArray> f = QByteArray(reinterpret_cast<const char *>(data) + 1, int(size) - 1).split('\xff');
    const auto field = [&f](int i) { return i < f.size() ? QString::fromUtf8(f[i].constData(), f[i].size()) : QString(); };
    QByteArray forms[2];
    for (int streamed = 0; streamed < 2; ++streamed) {
        MimeMessage message;
        message.setSender(new EmailAddress(QStringLiteral("s@x.test"), field(1)));
        message.addRecipient(new EmailAddress(QStringLiteral("r@x.test"), field(1)));
        message.setSubject(field(0));
        message.setMessageId(QStringLiteral("id@x.test"));
        message.setHeaderEncoding(MimePart::Encoding((data[0] + 1) & 3));
        MimeText body(field(3));
        body.setEncoding(MimePart::Encoding(((data[0] >> 2) + 1) & 3));
        MimeAttachment attachment(f.mid(4).join('\xff'), field(2));
        message.addPart(&body);
        message.addPart(&attachment);
        Collect sink;
        QByteArray text = streamed && message.writeTo(sink) ? sink.data : message.toString().toUtf8();
        const QByteArray boundary = static_cast<MimeMultiPart *>(message.content())->boundary().toLatin1();
        // The delimiter opens the two parts and closes the container, nowhere else.
        if (QString::fromUtf8(text.left(text.indexOf("\r\n\r\n"))).contains(foreignField)
            || text.count("\n--" + boundary) != 3
            || (body.encoding() == MimePart::Enc8Bit && !text.contains(body.text().toUtf8())))
            std::abort();
        // The two forms may differ in the boundary and the date only.
        const int date = text.indexOf("\r\nDate: ");
        forms[streamed] = text.remove(date, text.indexOf("\r\n", date + 2) - date).replace(boundary, "B");
    }
    if (forms[0] != forms[1])
        std::abort();
    return 0;
}
