// The password cipher of the mail settings document, checked against an
// encoder written here from the byte layout (not from the decoder).
#include "mailsettings.h"
#include "settingscipher.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

#include <zlib.h>

namespace {

const quint64 Key = 7309;

// Part i: the key shifted right by a byte and cut to its low byte, i times
// over. Only part 1 (the key's second byte, 0x1C for 7309 = 0x1C8D) can be
// non-zero; part 0 is zero.
QByteArray keyParts(quint64 key)
{
    QByteArray parts(8, '\0');
    parts[1] = char((key >> 8) & 0xFF);
    return parts;
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// Length prefix (big-endian) then a zlib stream, made with zlib itself.
QByteArray zlibPacked(const QByteArray &plain, quint32 claimedLength)
{
    uLongf size = compressBound(uLong(plain.size()));
    QByteArray stream(int(size), '\0');
    compress2(reinterpret_cast<Bytef *>(stream.data()), &size,
              reinterpret_cast<const Bytef *>(plain.constData()), uLong(plain.size()), 6);
    stream.truncate(int(size));
    return bigEndian32(claimedLength) + stream;
}

enum Check { NoCheck, Crc, Sha };

// body = pad byte, check value, payload; every body byte XOR (previous
// enciphered byte + 1) XOR key part (index mod 7); header = version, flags.
QByteArray encipherBody(const QByteArray &payload, Check check, quint8 flags, quint8 version = 3,
                        quint8 pad = 0x5A, quint64 key = Key)
{
    QByteArray body(1, char(pad));
    if (check == Crc) {
        QByteArray crc(2, '\0');
        qToBigEndian(qChecksum(payload.constData(), uint(payload.size())), crc.data());
        body += crc;
    } else if (check == Sha) {
        body += QCryptographicHash::hash(payload, QCryptographicHash::Sha1);
    }
    body += payload;

    const QByteArray parts = keyParts(key);
    QByteArray out;
    out.append(char(version));
    out.append(char(flags));
    quint8 previous = 0;
    for (int i = 0; i < body.size(); ++i) {
        const quint8 c = quint8(body.at(i)) ^ quint8(previous + 1) ^ quint8(parts.at(i % 7));
        out.append(char(c));
        previous = c;
    }
    return out;
}

Check checkForFlags(quint8 flags)
{
    if (flags & 0x02)
        return Crc;
    if (flags & 0x04)
        return Sha;
    return NoCheck;
}

QByteArray encipherPassword(const QString &password, quint8 flags, quint64 key = Key)
{
    QByteArray payload = password.toUtf8();
    if (flags & 0x01)
        payload = zlibPacked(payload, quint32(payload.size()));
    return encipherBody(payload, checkForFlags(flags), flags, 3, 0x5A, key);
}

QString randomPassword(QRandomGenerator &random, int length, bool wide)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        if (wide && random.bounded(3) == 0)
            text.append(QChar(char16_t(0x4E00 + random.bounded(0x2000)))); // CJK
        else if (wide && random.bounded(4) == 0)
            text.append(QChar(char16_t(0xC0 + random.bounded(0x40)))); // Latin-1 letters
        else
            text.append(QChar(char16_t(0x21 + random.bounded(0x5E))));
    }
    return text;
}

} // namespace

class TestSettingsCipher : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void rejected_data();
    void rejected();
    void textInput_data();
    void textInput();
    void errorClearedBySuccess();
};

void TestSettingsCipher::roundTrip_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("flags");
    QTest::addColumn<quint64>("key");

    QRandomGenerator random(20240611);
    const QList<int> flagSets{0, 1, 2, 4, 3, 5, 6, 7};
    for (int flags : flagSets) {
        const QByteArray f = QByteArray::number(flags);
        QTest::newRow("flags" + f + "-ascii") << randomPassword(random, 12, false) << flags << Key;
        QTest::newRow("flags" + f + "-non-ascii") << randomPassword(random, 9, true) << flags << Key;
        QTest::newRow("flags" + f + "-long") << randomPassword(random, 400, true) << flags << Key;
        QTest::newRow("flags" + f + "-one-char") << QStringLiteral("x") << flags << Key;
        QTest::newRow("flags" + f + "-empty") << QString() << flags << Key;
    }
    // Only the key's second byte takes part: the higher ones are cut away.
    QTest::newRow("eight-byte-key") << randomPassword(random, 40, true) << 2 << quint64(0x1122334455667788ULL);
}

void TestSettingsCipher::roundTrip()
{
    QFETCH(QString, password);
    QFETCH(int, flags);

    QFETCH(quint64, key);

    const QByteArray cipher = encipherPassword(password, quint8(flags), key);
    SettingsCipher decoder(key);
    QCOMPARE(QString::fromUtf8(decoder.decipherBytes(cipher)), password);
    QCOMPARE(decoder.lastError(), int(SettingsCipher::NoError));

    if (key == Key)
        QCOMPARE(decipherPassword(QString::fromLatin1(cipher.toBase64())), password);
}

void TestSettingsCipher::rejected_data()
{
    QTest::addColumn<QByteArray>("cipher");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("error");

    const QByteArray secret("s3cret");
    const int none = SettingsCipher::NoError;
    const int version = SettingsCipher::UnknownVersion;
    const int integrity = SettingsCipher::IntegrityFailure;

    QTest::newRow("empty") << QByteArray() << QByteArray() << none;
    QTest::newRow("two-bytes") << QByteArray("\x03\x00", 2) << QByteArray() << none;
    QTest::newRow("three-bytes-pad-only") << encipherBody(QByteArray(), NoCheck, 0) << QByteArray() << none;
    QTest::newRow("version-2") << encipherBody(secret, NoCheck, 0, 2) << QByteArray() << version;
    QTest::newRow("version-4") << encipherBody(secret, NoCheck, 0, 4) << QByteArray() << version;

    QByteArray badCrc = encipherBody(secret, Crc, 0x02);
    badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 0x01);
    QTest::newRow("crc-mismatch") << badCrc << QByteArray() << integrity;
    QByteArray badSha = encipherBody(secret, Sha, 0x04);
    badSha[badSha.size() - 1] = char(badSha.at(badSha.size() - 1) ^ 0x40);
    QTest::newRow("sha-mismatch") << badSha << QByteArray() << integrity;
    QTest::newRow("crc-too-short") << encipherBody(QByteArray("\x01", 1), NoCheck, 0x02) << QByteArray() << integrity;
    QTest::newRow("crc-empty-payload") << encipherBody(QByteArray(), Crc, 0x02) << QByteArray() << none;
    QTest::newRow("sha-19-bytes") << encipherBody(QByteArray(19, 'a'), NoCheck, 0x04) << QByteArray() << integrity;
    QTest::newRow("sha-empty-payload") << encipherBody(QByteArray(), Sha, 0x04) << QByteArray() << none;
    // With both flags the checksum is the one that counts.
    QTest::newRow("both-flags-sha-given") << encipherBody(secret, Sha, 0x06) << QByteArray() << integrity;

    // Compressed payloads: the length field comes from the network.
    QTest::newRow("compressed-at-bound")
        << encipherBody(zlibPacked(QByteArray(SettingsCipher::MaxUncompressedSize, 'p'),
                                   SettingsCipher::MaxUncompressedSize), NoCheck, 0x01)
        << QByteArray(SettingsCipher::MaxUncompressedSize, 'p') << none;
    QTest::newRow("compressed-claim-over-bound")
        << encipherBody(zlibPacked(secret, SettingsCipher::MaxUncompressedSize + 1), NoCheck, 0x01)
        << QByteArray() << integrity;
    QTest::newRow("compressed-claim-2GiB")
        << encipherBody(zlibPacked(secret, 0x7FFFFFF0u), Crc, 0x03) << QByteArray() << integrity;
    QTest::newRow("compressed-stream-longer-than-claim")
        << encipherBody(zlibPacked(QByteArray(50000, 'z'), 16), NoCheck, 0x01) << QByteArray() << integrity;
    QTest::newRow("compressed-claim-larger-than-stream")
        << encipherBody(zlibPacked(secret, 100), NoCheck, 0x01) << secret << none;
    QTest::newRow("compressed-corrupt-stream")
        << encipherBody(bigEndian32(6) + QByteArray("not a zlib stream"), NoCheck, 0x01) << QByteArray() << integrity;
    QTest::newRow("compressed-truncated-length")
        << encipherBody(QByteArray("\x00\x00", 2), NoCheck, 0x01) << QByteArray() << integrity;
    QTest::newRow("compressed-empty-claim-zero")
        << encipherBody(bigEndian32(0), NoCheck, 0x01) << QByteArray() << none;
}

void TestSettingsCipher::rejected()
{
    QFETCH(QByteArray, cipher);
    QFETCH(QByteArray, expected);
    QFETCH(int, error);

    SettingsCipher decoder(Key);
    QCOMPARE(decoder.decipherBytes(cipher), expected);
    QCOMPARE(decoder.lastError(), error);
}

void TestSettingsCipher::textInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString good = QString::fromLatin1(encipherPassword(QStringLiteral("pw-1"), 0x02).toBase64());
    QTest::newRow("valid") << good << QStringLiteral("pw-1");
    QTest::newRow("surrounding-blanks") << QStringLiteral("  ") + good + QStringLiteral("\n") << QStringLiteral("pw-1");
    QTest::newRow("not-base64") << QStringLiteral("!!!###") << QString();
    QTest::newRow("plain-word") << QStringLiteral("password") << QString();
    QTest::newRow("base64-of-two-bytes") << QStringLiteral("AwA=") << QString();
    QTest::newRow("truncated") << good.left(good.size() - 4) << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestSettingsCipher::textInput()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(decipherPassword(text), expected);
}

void TestSettingsCipher::errorClearedBySuccess()
{
    SettingsCipher decoder(Key);
    QVERIFY(decoder.decipherBytes(encipherBody("x", NoCheck, 0, 9)).isEmpty());
    QCOMPARE(decoder.lastError(), int(SettingsCipher::UnknownVersion));
    QCOMPARE(decoder.decipherBytes(encipherPassword(QStringLiteral("ok"), 0x04)), QByteArray("ok"));
    QCOMPARE(decoder.lastError(), int(SettingsCipher::NoError));
}

QTEST_GUILESS_MAIN(TestSettingsCipher)
#include "tst_settingscipher.moc"
