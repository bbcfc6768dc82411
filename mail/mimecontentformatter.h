#pragma once

#include <QObject>
#include <QString>

// Folds encoded body text into lines of at most maxLength characters.
//
// Without the quoted-printable flag a hard "\r\n" is put between full lines
// (Base64 bodies). With the flag a soft line break "=\r\n" is used, a line
// keeps room for that "=", and an "=XX" escape is never split.
class MimeContentFormatter : public QObject
{
    Q_OBJECT
public:
    explicit MimeContentFormatter(int maxLength = 76);
    ~MimeContentFormatter() override;

    QString format(const QString &text, bool quotedPrintable = false) const;

    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length; }

private:
    int m_maxLength;
};
