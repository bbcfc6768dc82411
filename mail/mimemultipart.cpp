#include "mimemultipart.h"

#include "mimeowedtext.h"

#include <QCryptographicHash>
#include <QSet>
#include <QStringList>
#include <QtGlobal>

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
    // The MD5 digest of one byte taken from Qt's pseudo-random generator.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const char byte = char(qrand() & 0xFF);
    QT_WARNING_POP
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArray(1, byte), QCryptographicHash::Md5).toHex());
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
        m_content.clear();
        MimePart::prepare();
        m_owed->container = true;
        m_owed->boundary = m_boundary;
        m_owed->parts = std::move(owedParts);
        return;
    }

    QString text;
    for (MimePart *part : qAsConst(m_parts)) {
        text += QStringLiteral("--") + m_boundary + QStringLiteral("\r\n");
        part->prepare();
        text += part->toString();
    }
    text += QStringLiteral("--") + m_boundary + QStringLiteral("--\r\n");
    m_content = text.toUtf8();
    MimePart::prepare();
}
