#include "mimecontentformatter.h"

#include "mimelinefolder.h"

MimeContentFormatter::MimeContentFormatter(int maxLength)
    : m_maxLength(maxLength)
{
}

MimeContentFormatter::~MimeContentFormatter() = default;

QString MimeContentFormatter::format(const QString &text, bool quotedPrintable) const
{
    QString out;
    MimeLineFolder folder(m_maxLength, quotedPrintable);
    folder.fold(text, out);
    return out;
}
