#pragma once

#include "mimepart.h"

#include <memory>

class QFile;

// A part whose body is the bytes of a file (read when the part is prepared)
// or a given byte array, sent as application/octet-stream in Base64.
class MimeFile : public MimePart
{
    Q_OBJECT
public:
    // Takes ownership of the file.
    explicit MimeFile(QFile *file);
    MimeFile(const QByteArray &bytes, const QString &fileName);
    ~MimeFile() override;

    QFile *file() const { return m_file.get(); }

    void prepare() override;

private:
    std::unique_ptr<QFile> m_file;
};
