#include "mimemessage.h"

#include "emailaddress.h"
#include "mimeheader_p.h"
#include "mimemultipart.h"
#include "mimesink.h"
#include "quotedprintable.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QStringList>

#include <typeinfo>

MimeMessage::MimeMessage(bool createAutoMimeContent)
{
    if (createAutoMimeContent) {
        m_content = new MimeMultiPart(MimeMultiPart::Related);
        m_ownsContent = true;
    }
}

MimeMessage::~MimeMessage()
{
    if (m_ownsContent)
        delete m_content;
}

void MimeMessage::setSender(EmailAddress *sender)
{
    m_sender = sender;
    if (sender)
        sender->setParent(this);
}

void MimeMessage::addRecipient(EmailAddress *recipient, RecipientType type)
{
    if (!recipient)
        return;
    switch (type) {
    case To:
        m_recipientsTo.append(recipient);
        break;
    case Cc:
        m_recipientsCc.append(recipient);
        break;
    case Bcc:
        m_recipientsBcc.append(recipient);
        break;
    }
    recipient->setParent(this);
}

void MimeMessage::setContent(MimePart *content)
{
    if (m_ownsContent) {
        if (content != m_content)
            delete m_content;
        m_ownsContent = false;
    }
    m_content = content;
}

void MimeMessage::addPart(MimePart *part)
{
    if (m_content && typeid(*m_content) == typeid(MimeMultiPart))
        static_cast<MimeMultiPart *>(m_content)->addPart(part);
}

const QList<EmailAddress *> &MimeMessage::recipients(RecipientType type) const
{
    switch (type) {
    case Cc:
        return m_recipientsCc;
    case Bcc:
        return m_recipientsBcc;
    default:
        return m_recipientsTo;
    }
}

QList<MimePart *> MimeMessage::parts() const
{
    if (auto *multi = dynamic_cast<MimeMultiPart *>(m_content))
        return multi->parts();
    if (m_content)
        return {m_content};
    return {};
}

namespace {

// RFC 5322 3.4.1 and 3.2.3: a domain in dot-atom form; anything else (a
// literal, control characters, an empty label) is not ours to repeat.
bool isDotAtomDomain(const QString &domain)
{
    if (domain.isEmpty() || domain.size() > 255)
        return false;
    const QStringList labels = domain.split(QLatin1Char('.'));
    for (const QString &label : labels) {
        if (label.isEmpty())
            return false;
        for (const QChar c : label) {
            const bool allowed = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-')
                || c == QLatin1Char('_');
            if (!allowed)
                return false;
        }
    }
    return true;
}

} // namespace

QString MimeMessage::newMessageId(const QString &senderAddress)
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray random(reinterpret_cast<const char *>(words), sizeof(words));
    const QString domain = senderAddress.mid(senderAddress.lastIndexOf(QLatin1Char('@')) + 1);
    const bool hasDomain = senderAddress.contains(QLatin1Char('@')) && isDotAtomDomain(domain);
    return QString::fromLatin1(random.toHex()) + QLatin1Char('@')
        + (hasDomain ? domain : QStringLiteral("localhost"));
}

QString MimeMessage::messageId() const
{
    if (m_messageId.isEmpty())
        m_messageId = newMessageId(m_sender ? m_sender->address() : QString());
    return m_messageId;
}

QString MimeMessage::encodedWord(const QString &text) const
{
    const QByteArray utf8 = MimeHeader::value(text).toUtf8();
    switch (m_headerEncoding) {
    case MimePart::EncBase64:
        return QStringLiteral("=?utf-8?B?") + QString::fromLatin1(utf8.toBase64()) + QStringLiteral("?=");
    case MimePart::EncQuotedPrintable: {
        QString encoded = QuotedPrintable::encode(utf8);
        // Inside an encoded word "_" stands for a blank and "?=" ends the
        // word, so a literal "_" or "?" has to be escaped like "=" is.
        encoded.replace(QLatin1Char('_'), QLatin1String("=5F"));
        encoded.replace(QLatin1Char('?'), QLatin1String("=3F"));
        encoded.replace(QLatin1Char(' '), QLatin1Char('_'));
        encoded.replace(QLatin1Char(':'), QLatin1String("=3A"));
        return QStringLiteral("=?utf-8?Q?") + encoded + QStringLiteral("?=");
    }
    default:
        return MimeHeader::value(text);
    }
}

QString MimeMessage::namePart(const EmailAddress *address) const
{
    const QString name = address ? address->name() : QString();
    if (name.isEmpty())
        return QString();
    return QLatin1Char(' ') + encodedWord(name);
}

QString MimeMessage::addressList(const QList<EmailAddress *> &list) const
{
    QString text;
    for (int i = 0; i < list.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        text += namePart(list.at(i)) + QStringLiteral(" <") + MimeHeader::value(list.at(i)->address())
            + QLatin1Char('>');
    }
    return text;
}

QString MimeMessage::headerText() const
{
    const QLatin1String crlf("\r\n");
    QString text;
    // Without a sender the From line carries the null address "<>".
    text += QStringLiteral("From:") + namePart(m_sender) + QStringLiteral(" <")
        + MimeHeader::value(m_sender ? m_sender->address() : QString()) + QLatin1Char('>') + crlf;
    text += QStringLiteral("To:") + addressList(m_recipientsTo) + crlf;
    if (!m_recipientsCc.isEmpty())
        text += QStringLiteral("Cc:") + addressList(m_recipientsCc) + crlf;
    text += QStringLiteral("Subject: ") + encodedWord(m_subject) + crlf;
    if (m_replyTo) {
        text += QStringLiteral("Reply-To: ") + namePart(m_replyTo) + QStringLiteral(" <")
            + MimeHeader::value(m_replyTo->address()) + QLatin1Char('>') + crlf;
    }
    text += QStringLiteral("MIME-Version: 1.0\r\n");
    if (!m_inReplyTo.isEmpty()) {
        const QString id = MimeHeader::value(m_inReplyTo);
        text += QStringLiteral("In-Reply-To: <") + id + QStringLiteral(">\r\n");
        text += QStringLiteral("References: <") + id + QStringLiteral(">\r\n");
    }
    text += QStringLiteral("Date: %1\r\n")
                .arg(QDateTime::currentDateTime().toString(Qt::RFC2822Date));
    // Some receiving servers refuse mail without one, and relays do not
    // always add it.
    text += QStringLiteral("Message-ID: <") + MimeHeader::value(messageId()) + QStringLiteral(">\r\n");
    return text;
}

QString MimeMessage::toString()
{
    QString text = headerText();
    if (m_content)
        text += m_content->toString();
    return text;
}

bool MimeMessage::writeTo(MimeSink &sink)
{
    if (!sink.write(headerText().toUtf8()))
        return false;
    return !m_content || m_content->writeTo(sink);
}
