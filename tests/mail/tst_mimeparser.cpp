// Serialised messages read back by an independent parser (Python's email
// package): headers, parts and the decoded bytes of every attachment.

#include "mailtesthelpers.h"
#include "emailaddress.h"
#include "mimeattachment.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(MimePart::Encoding)

namespace {

QByteArray bytesOf(int size, int seed)
{
    return MailTest::bytesOf(size, seed, 7);
}

} // namespace

class TestMimeParser : public QObject
{
    Q_OBJECT
private slots:
    void parsedBack_data();
    void parsedBack();
};

void TestMimeParser::parsedBack_data()
{
    QTest::addColumn<QString>("senderName");
    QTest::addColumn<QString>("toName");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<MimePart::Encoding>("headerEncoding");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QList<int>>("attachmentSizes");
    QTest::addColumn<bool>("fromFiles");

    QTest::newRow("text-only-ascii")
        << QStringLiteral("Sender") << QStringLiteral("Support") << QStringLiteral("Report")
        << MimePart::Enc8Bit << QStringLiteral("Hello\r\nsecond line\r\n") << QList<int>() << false;
    QTest::newRow("qp-names-with-blank-and-colon")
        << QStringLiteral("a b:c") << QStringLiteral("J\u00fcrgen M\u00fcller") << QStringLiteral("Fehler: \u00e4\u00f6\u00fc")
        << MimePart::EncQuotedPrintable << QStringLiteral("K\u00f6rper\r\n") << QList<int>{10} << false;
    QTest::newRow("qp-underscore-and-question-mark")
        << QStringLiteral("a_b?\u00e9") << QStringLiteral("x_y") << QStringLiteral("Why?\u00e4_")
        << MimePart::EncQuotedPrintable << QStringLiteral("text") << QList<int>() << false;
    QTest::newRow("base64-names")
        << QStringLiteral("\u4e2d\u6587") << QStringLiteral("Caf\u00e9") << QStringLiteral("\u00e9t\u00e9 report")
        << MimePart::EncBase64 << QStringLiteral("text") << QList<int>{1} << false;
    QTest::newRow("attachments-from-files")
        << QStringLiteral("Sender") << QString() << QStringLiteral("Logs")
        << MimePart::Enc8Bit << QStringLiteral("see attached\r\n") << QList<int>{0, 1, 2, 57, 100, 300000} << true;
    QTest::newRow("body-with-dot-and-quit-lines")
        << QString() << QString() << QStringLiteral("Dots")
        << MimePart::Enc8Bit << QStringLiteral("line\r\n.\r\nQUIT\r\n..two\r\n") << QList<int>{3} << true;
}

void TestMimeParser::parsedBack()
{
    QFETCH(QString, senderName);
    QFETCH(QString, toName);
    QFETCH(QString, subject);
    QFETCH(MimePart::Encoding, headerEncoding);
    QFETCH(QString, body);
    QFETCH(QList<int>, attachmentSizes);
    QFETCH(bool, fromFiles);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MimeMessage message;
    message.setSender(new EmailAddress(QStringLiteral("sender@x.test"), senderName));
    message.addRecipient(new EmailAddress(QStringLiteral("to@x.test"), toName));
    message.addRecipient(new EmailAddress(QStringLiteral("cc@x.test")), MimeMessage::Cc);
    message.setSubject(subject);
    message.setHeaderEncoding(headerEncoding);
    MimeText text(body);
    message.addPart(&text);
    std::vector<std::unique_ptr<MimeAttachment>> attachments;
    QList<QByteArray> originals;
    for (int i = 0; i < attachmentSizes.size(); ++i) {
        const QByteArray bytes = bytesOf(attachmentSizes.at(i), i);
        originals << bytes;
        const QString name = QStringLiteral("file%1.zip").arg(i);
        if (fromFiles) {
            QVERIFY(TestSupport::writeFile(dir.filePath(name), bytes));
            attachments.push_back(std::make_unique<MimeAttachment>(new QFile(dir.filePath(name))));
        } else {
            attachments.push_back(std::make_unique<MimeAttachment>(bytes, name));
        }
        message.addPart(attachments.back().get());
    }

    const QString eml = dir.filePath(QStringLiteral("message.eml"));
    QVERIFY(TestSupport::writeFile(eml, message.toString().toUtf8()));
    QByteArray output;
    const int rc = TestSupport::runProgram(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(FEEDBACK_SOURCE_DIR "/tests/mail/parse_mime.py"), eml}, &output);
    QVERIFY2(rc == 0, output.constData());
    const QJsonObject parsed = QJsonDocument::fromJson(output).array().at(0).toObject();

    QCOMPARE(parsed.value(QStringLiteral("defects")).toArray().size(), 0);
    const QJsonArray from = parsed.value(QStringLiteral("from")).toArray().at(0).toArray();
    QCOMPARE(from.at(0).toString(), senderName);
    QCOMPARE(from.at(1).toString(), QStringLiteral("sender@x.test"));
    const QJsonArray to = parsed.value(QStringLiteral("to")).toArray().at(0).toArray();
    QCOMPARE(to.at(0).toString(), toName);
    QCOMPARE(to.at(1).toString(), QStringLiteral("to@x.test"));
    QCOMPARE(parsed.value(QStringLiteral("cc")).toArray().at(0).toArray().at(1).toString(), QStringLiteral("cc@x.test"));
    QCOMPARE(parsed.value(QStringLiteral("subject")).toString(), subject);
    QCOMPARE(parsed.value(QStringLiteral("top")).toString(), QStringLiteral("multipart/related"));

    const QJsonArray parts = parsed.value(QStringLiteral("parts")).toArray();
    QCOMPARE(parts.size(), 1 + attachmentSizes.size());
    const QJsonObject first = parts.at(0).toObject();
    QCOMPARE(first.value(QStringLiteral("type")).toString(), QStringLiteral("text/plain"));
    QCOMPARE(first.value(QStringLiteral("charset")).toString(), QStringLiteral("utf-8"));
    // The parser hands text lines out with bare LF.
    QCOMPARE(first.value(QStringLiteral("text")).toString(), QString(body).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    for (int i = 0; i < originals.size(); ++i) {
        const QJsonObject part = parts.at(i + 1).toObject();
        QCOMPARE(part.value(QStringLiteral("type")).toString(), QStringLiteral("application/octet-stream"));
        QCOMPARE(part.value(QStringLiteral("filename")).toString(), QStringLiteral("file%1.zip").arg(i));
        QCOMPARE(part.value(QStringLiteral("disposition")).toString(), QStringLiteral("attachment"));
        QCOMPARE(part.value(QStringLiteral("size")).toInt(), originals.at(i).size());
        QCOMPARE(part.value(QStringLiteral("md5")).toString().toLatin1(),
                 QCryptographicHash::hash(originals.at(i), QCryptographicHash::Md5).toHex());
    }
}

QTEST_GUILESS_MAIN(TestMimeParser)
#include "tst_mimeparser.moc"
