#pragma once

#include <QByteArray>
#include <QString>

// Turns the enciphered password of the mail settings document back into text.
//
// Layout of the enciphered bytes: version (3), flags (0x01 compressed, 0x02
// CRC-16 present, 0x04 SHA-1 present; 0x02 wins over 0x04), then the body.
// Each body byte is XORed with the previous enciphered byte plus one and with
// a part of the key; the deciphered body starts with one pad byte, then the
// check value (if any), then the payload (qCompress form when flagged).
class SettingsCipher
{
public:
    enum Error { NoError = 0, NoKey = 1, UnknownVersion = 2, IntegrityFailure = 3 };

    // Largest payload accepted from a compressed body. A password is a few
    // dozen bytes; the length field comes from the network and is not trusted.
    static constexpr int MaxUncompressedSize = 64 * 1024;

    explicit SettingsCipher(quint64 key);

    QString decipherText(const QString &text);
    QByteArray decipherBytes(QByteArray cipher);
    int lastError() const { return m_lastError; }

private:
    quint64 m_key;
    QByteArray m_keyParts;
    int m_compressionMode = 0;
    int m_protectionMode = 1;
    int m_lastError = NoError;
};
