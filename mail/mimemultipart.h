#pragma once

#include "mimepart.h"

#include <QList>

// A container part: its body is the given parts, each introduced by the
// boundary line, and the closing boundary line. The parts are not owned.
class MimeMultiPart : public MimePart
{
    Q_OBJECT
public:
    enum MultiPartType { Mixed, Digest, Alternative, Related, Report, Signed, Encrypted };

    explicit MimeMultiPart(MultiPartType type = Related);
    ~MimeMultiPart() override;

    // Parts are kept in the order they are added. A part that contains this
    // container is refused (it would never finish serialising).
    void addPart(MimePart *part);
    const QList<MimePart *> &parts() const { return m_parts; }

    MultiPartType mimeType() const { return m_type; }
    void setMimeType(MultiPartType type);

    // Prepares every part anew and gathers their text as this part's content.
    void prepare() override;

    static QString typeName(MultiPartType type);

private:
    QList<MimePart *> m_parts;
    MultiPartType m_type;
};
