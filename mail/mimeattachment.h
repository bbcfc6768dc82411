#pragma once

#include "mimefile.h"

// A file part announced as an attachment.
class MimeAttachment : public MimeFile
{
    Q_OBJECT
public:
    // Takes ownership of the file.
    explicit MimeAttachment(QFile *file);
    MimeAttachment(const QByteArray &bytes, const QString &fileName);
    ~MimeAttachment() override;

    // Every preparation appends the disposition line to the header again.
    void prepare() override;
};
