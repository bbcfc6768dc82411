#include "mimemultipart.h"

#include "mimeowedtext.h"

#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>

namespace {

const QStringList &typeTable()
{
    static const QStringList table{
        QStringLiteral("multipart/mixed"),       QStringLiteral("multipart/digest"),
        QStringLiteral("multipart/alternative"), QStringLiteral("multipart/related"),
        QStringLiteral("multipart/report"),      QStringLiteral("multipart/signed"),
        QStringLiteral("multipart/encrypted"),
    };
    return table;
}

QString newBoundary()
{
    // 128 bits from the system's secure source: nobody can write a text that
    // holds the boundary before it is chosen.
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(words), sizeof(words)).toHex());
}

// Whether target is root or lies somewhere inside it.
bool reaches(const MimePart *root, const MimePart *target)
{
    if (root == target)
        return true;
    const auto *multi = qobject_cast<const MimeMultiPart *>(root);
    if (!multi)
        return false;
    for (const MimePart *part : multi->parts()) {
        if (reaches(part, target))
            return true;
    }
    return false;
}

} // namespace

MimeMultiPart::MimeMultiPart(MultiPartType type)
    : m_type(type)
{
    m_contentType = typeName(type);
    m_encoding = Enc8Bit;
    m_boundary = newBoundary();
}

MimeMultiPart::~MimeMultiPart() = default;

QString MimeMultiPart::typeName(MultiPartType type)
{
    const QStringList &table = typeTable();
    return type >= 0 && type < table.size() ? table.at(type) : QString();
}

void MimeMultiPart::addPart(MimePart *part)
{
    if (part && !reaches(part, this))
        m_parts.append(part);
}

void MimeMultiPart::setMimeType(MultiPartType type)
{
    m_type = type;
    m_contentType = typeName(type);
}

bool MimeMultiPart::holdsDelimiter(const MimePart *part, const QString &delimiter)
{
    if (part->m_header.contains(delimiter))
        return true;
    if (const auto *multi = qobject_cast<const MimeMultiPart *>(part)) {
        return QStringLiteral("--") + multi->m_boundary == delimiter
            || std::any_of(multi->m_parts.cbegin(), multi->m_parts.cend(),
                           [&](const MimePart *inner) { return holdsDelimiter(inner, delimiter); });
    }
    // Base64 text has no "-"; the other encodings keep the delimiter's
    // characters as they are, so the raw content tells.
    if (part->m_encoding == EncBase64)
        return false;
    const QByteArray bytes = delimiter.toLatin1();
    if (part->m_owed && !part->m_owed->contentFile.isNull())
        return part->m_owed->rawContent().contains(bytes);
    return part->m_content.contains(bytes);
}

void MimeMultiPart::chooseBoundaryFreeOfParts()
{
    // RFC 2046 5.1.1: the delimiter must occur in none of the parts. A random
    // boundary practically never does, but a part may be written to hold one
    // seen before; then another is drawn.
    while (std::any_of(m_parts.cbegin(), m_parts.cend(), [this](const MimePart *part) {
        return holdsDelimiter(part, QStringLiteral("--") + m_boundary);
    }))
        m_boundary = newBoundary();
}

void MimeMultiPart::prepare()
{
    resetPreparation();

    // Left owed (to be written piece by piece) only while the parts' text goes
    // out unchanged and no part comes twice: a second preparation of the same
    // part would change the text of its first appearance.
    const bool distinct = QSet<MimePart *>(m_parts.cbegin(), m_parts.cend()).size() == m_parts.size();
    if (m_deferBody && m_encoding == Enc8Bit && distinct) {
        std::vector<MimeOwedText> owedParts;
        owedParts.reserve(size_t(m_parts.size()));
        for (MimePart *part : qAsConst(m_parts)) {
            part->m_deferBody = true;
            part->prepare();
            part->m_deferBody = false;
            owedParts.push_back(part->owedText());
        }
        chooseBoundaryFreeOfParts();
        m_content.clear();
        MimePart::prepare();
        m_owed->container = true;
        m_owed->boundary = m_boundary;
        m_owed->parts = std::move(owedParts);
        return;
    }

    QStringList texts;
    for (MimePart *part : qAsConst(m_parts)) {
        part->prepare();
        texts << part->toString();
    }
    chooseBoundaryFreeOfParts();
    QString text;
    for (const QString &partText : qAsConst(texts))
        text += QStringLiteral("--") + m_boundary + QStringLiteral("\r\n") + partText;
    text += QStringLiteral("--") + m_boundary + QStringLiteral("--\r\n");
    m_content = text.toUtf8();
    MimePart::prepare();
}
