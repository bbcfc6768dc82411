#include "mimeattachment.h"

MimeAttachment::MimeAttachment(QFile *file)
    : MimeFile(file)
{
}

MimeAttachment::MimeAttachment(const QByteArray &bytes, const QString &fileName)
    : MimeFile(bytes, fileName)
{
}

MimeAttachment::~MimeAttachment() = default;

void MimeAttachment::prepare()
{
    m_header += QStringLiteral("Content-disposition: attachment\r\n");
    MimeFile::prepare();
}
