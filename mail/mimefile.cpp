#include "mimefile.h"

#include "mimeowedtext.h"

#include <QFile>
#include <QFileInfo>

MimeFile::MimeFile(QFile *file)
    : m_file(file)
{
    m_contentType = QStringLiteral("application/octet-stream");
    if (file)
        m_contentName = QFileInfo(file->fileName()).fileName();
    m_encoding = EncBase64;
}

MimeFile::MimeFile(const QByteArray &bytes, const QString &fileName)
{
    m_content = bytes;
    m_contentName = fileName;
    m_contentType = QStringLiteral("application/octet-stream");
    m_encoding = EncBase64;
}

MimeFile::~MimeFile() = default;

void MimeFile::prepare()
{
    resetPreparation();
    if (m_file && m_deferBody) {
        // Written piece by piece: the file is read while its body is written
        // (and again should the whole text ever be asked for).
        m_content.clear();
        MimePart::prepare();
        m_owed->contentFile = m_file->fileName();
        return;
    }
    if (m_file) {
        // A file that cannot be read gives an empty body.
        if (m_file->open(QIODevice::ReadOnly)) {
            m_content = m_file->readAll();
            m_file->close();
        } else {
            m_content.clear();
        }
    }
    MimePart::prepare();
}
