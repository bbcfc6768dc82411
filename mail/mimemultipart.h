#pragma once

#include "mimepart.h"

#include <QList>

// A container part: its body is the given parts, each introduced by the
// boundary line, and the closing boundary line. The parts are not owned.
// The boundary is 32 hex digits of 128 random bits, drawn at construction and
// drawn again at preparation in the rare case that a part holds it.
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
    static bool holdsDelimiter(const MimePart *part, const QString &delimiter);
    // Draws the boundary anew while one of the prepared parts holds it.
    void chooseBoundaryFreeOfParts();

    QList<MimePart *> m_parts;
    MultiPartType m_type;
};
