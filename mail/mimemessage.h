#pragma once

#include "mimepart.h"

#include <QList>
#include <QObject>
#include <QString>

class EmailAddress;
class MimeSink;

// A whole mail: the header fields and one top-level body part.
//
// The message becomes the Qt parent of its sender and recipients. It deletes
// the content it created itself; content given with setContent() stays the
// caller's, and so do the parts added with addPart().
class MimeMessage : public QObject
{
public:
    enum RecipientType { To, Cc, Bcc };

    explicit MimeMessage(bool createAutoMimeContent = true);
    ~MimeMessage() override;

    void setSender(EmailAddress *sender);
    void addRecipient(EmailAddress *recipient, RecipientType type = To);
    void setReplyTo(EmailAddress *replyTo) { m_replyTo = replyTo; }
    void setSubject(const QString &subject) { m_subject = subject; }
    void setInReplyTo(const QString &messageId) { m_inReplyTo = messageId; }
    // The Message-ID without its angle brackets ("id@domain"). A message that
    // was given none makes one on first use, so every serialisation carries the
    // same; a resent message is given the id of its first attempt.
    void setMessageId(const QString &messageId) { m_messageId = messageId; }
    QString messageId() const;
    void setHeaderEncoding(MimePart::Encoding encoding) { m_headerEncoding = encoding; }
    void setContent(MimePart *content);
    // Added to the content only when that is exactly a MimeMultiPart.
    void addPart(MimePart *part);

    EmailAddress *sender() const { return m_sender; }
    EmailAddress *replyTo() const { return m_replyTo; }
    // 1 gives Cc, 2 Bcc, anything else To.
    const QList<EmailAddress *> &recipients(RecipientType type = To) const;
    const QString &subject() const { return m_subject; }
    const QString &inReplyTo() const { return m_inReplyTo; }
    MimePart::Encoding headerEncoding() const { return m_headerEncoding; }
    MimePart *content() const { return m_content; }
    QList<MimePart *> parts() const;

    // A new id: 128 random bits from the system's secure source as 32 hex
    // digits, "@", and the domain of the address ("localhost" when it has
    // none that is dot-atom text).
    static QString newMessageId(const QString &senderAddress);

    virtual QString toString();
    // Hands the UTF-8 bytes of toString() to the sink piece by piece.
    bool writeTo(MimeSink &sink);

private:
    QString headerText() const;
    QString namePart(const EmailAddress *address) const;
    QString encodedWord(const QString &text) const;
    QString addressList(const QList<EmailAddress *> &list) const;

    EmailAddress *m_sender = nullptr;
    EmailAddress *m_replyTo = nullptr;
    QList<EmailAddress *> m_recipientsTo;
    QList<EmailAddress *> m_recipientsCc;
    QList<EmailAddress *> m_recipientsBcc;
    QString m_subject;
    QString m_inReplyTo;
    mutable QString m_messageId;
    MimePart *m_content = nullptr;
    bool m_ownsContent = false;
    MimePart::Encoding m_headerEncoding = MimePart::Enc8Bit;
};
