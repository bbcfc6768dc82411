#include "settingscipher.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QtEndian>

#include <zlib.h>

namespace {

// The qCompress form: a 4-byte big-endian length, then a zlib stream. The
// claimed length is bounded before anything is allocated, and the stream may
// not produce more than it claims, so a hostile document cannot make us
// allocate gigabytes.
bool boundedUncompress(const QByteArray &packed, QByteArray *out)
{
    if (packed.size() < 4)
        return false;
    const quint32 claimed = qFromBigEndian<quint32>(packed.constData());
    if (claimed > quint32(SettingsCipher::MaxUncompressedSize))
        return false;
    if (packed.size() == 4 && claimed == 0) {
        out->clear();
        return true;
    }
    // One spare byte tells a stream that runs past its claim from one that fits.
    QByteArray buffer(int(claimed) + 1, Qt::Uninitialized);
    uLongf length = claimed + 1;
    const int result = ::uncompress(reinterpret_cast<Bytef *>(buffer.data()), &length,
                                    reinterpret_cast<const Bytef *>(packed.constData() + 4),
                                    uLong(packed.size() - 4));
    if (result != Z_OK || length > claimed)
        return false;
    buffer.truncate(int(length));
    *out = buffer;
    return true;
}

} // namespace

SettingsCipher::SettingsCipher(quint64 key)
    : m_key(key)
{
    // The generator seeded here also feeds the MIME boundary of the report.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    qsrand(uint(QDateTime::currentMSecsSinceEpoch() & 0xFFFF));
    QT_WARNING_POP
    // Part i starts from the key and is shifted right by a byte and cut to its
    // low byte i times over. Cutting on every pass means only part 1 carries a
    // byte of the key (the second one); parts 0 and 2 to 7 stay zero.
    m_keyParts = QByteArray(8, '\0');
    for (int i = 1; i < 8; ++i) {
        quint64 part = m_key;
        for (int pass = 0; pass < i; ++pass) {
            part = (part >> 8) & 0xFF;
            m_keyParts[i] = char(part);
        }
    }
}

QString SettingsCipher::decipherText(const QString &text)
{
    const QByteArray cipher = QByteArray::fromBase64(text.toLocal8Bit());
    return QString::fromUtf8(decipherBytes(cipher));
}

QByteArray SettingsCipher::decipherBytes(QByteArray cipher)
{
    if (m_keyParts.isEmpty()) {
        m_lastError = NoKey;
        return {};
    }
    if (cipher.size() < 3)
        return {};
    if (quint8(cipher.at(0)) != 3) {
        m_lastError = UnknownVersion;
        return {};
    }
    const quint8 flags = quint8(cipher.at(1));
    cipher.remove(0, 2);

    // The key rotates over seven parts (not eight) and the chaining value is
    // the previous enciphered byte plus one; both are part of the format.
    quint8 previous = 0;
    for (int i = 0; i < cipher.size(); ++i) {
        const quint8 current = quint8(cipher.at(i));
        cipher[i] = char(current ^ quint8(previous + 1) ^ quint8(m_keyParts.at(i % 7)));
        previous = current;
    }
    cipher.remove(0, 1); // pad byte

    if (flags & 0x02) {
        if (cipher.size() < 2) {
            m_lastError = IntegrityFailure;
            return {};
        }
        const quint16 stored = qFromBigEndian<quint16>(cipher.constData());
        cipher.remove(0, 2);
        if (stored != qChecksum(cipher.constData(), uint(cipher.size()))) {
            m_lastError = IntegrityFailure;
            return {};
        }
    } else if (flags & 0x04) {
        if (cipher.size() < 20) {
            m_lastError = IntegrityFailure;
            return {};
        }
        const QByteArray stored = cipher.left(20);
        cipher.remove(0, 20);
        if (stored != QCryptographicHash::hash(cipher, QCryptographicHash::Sha1)) {
            m_lastError = IntegrityFailure;
            return {};
        }
    }

    if (flags & 0x01) {
        QByteArray plain;
        if (!boundedUncompress(cipher, &plain)) {
            m_lastError = IntegrityFailure;
            return {};
        }
        cipher = plain;
    }

    m_lastError = NoError;
    return cipher;
}
