#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// Quoted-printable text of raw bytes, and back. Only static operations.
class QuotedPrintable : public QObject
{
    Q_OBJECT
public:
    // Printable ASCII other than "=" stays as it is (blank included); every
    // other byte becomes "=" and two upper-case hexadecimal digits.
    static QString encode(const QByteArray &input);
    // "=" and two characters give one byte; a trailing "=" with fewer than
    // two characters after it is kept as it is.
    static QByteArray decode(const QString &input);

    // The encoding as Latin-1 bytes, for writing bodies piece by piece.
    static QByteArray encodeToLatin1(const char *data, int size);

private:
    QuotedPrintable() = default;
};
