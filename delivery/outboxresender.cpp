#include "outboxresender.h"

#include "deployment.h"
#include "mailsettings.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "reportcomposer.h"
#include "reportdelivery.h"

#include <QLockFile>
#include <QProcess>
#include <QTextStream>

namespace {

const char *const AccountVariable = "FEEDBACK_SENDER_ACCOUNT";
const char *const PasswordVariable = "FEEDBACK_SENDER_PASSWORD";
const char *const RecipientVariable = "FEEDBACK_RECIPIENT";

} // namespace

QString OutboxResender::Result::line() const
{
    switch (status) {
    case Sent:
        return QStringLiteral("sent ") + id;
    case Gone:
        return QStringLiteral("gone %1: %2").arg(id, reason);
    default:
        return QStringLiteral("waiting %1: %2").arg(id, reason);
    }
}

OutboxResender::OutboxResender(const Outbox &outbox)
    : m_outbox(outbox)
    , m_settingsUrl(Deployment::mailSettingsUrl())
{
    m_fallback.smtpHost = Deployment::smtpHost();
}

QList<OutboxResender::Result> OutboxResender::sendPending()
{
    m_outbox.prune();
    const QList<OutboxEntry> entries = m_outbox.entries(Outbox::Listing::WithDamaged);
    QList<Result> results;
    if (entries.isEmpty())
        return results;
    QByteArray document;
    const bool fetched = downloadDocument(m_settingsUrl, &document, m_downloadTimeout);
    for (const OutboxEntry &entry : entries)
        results << resend(entry, fetched ? &document : nullptr);
    return results;
}

OutboxResender::Result OutboxResender::resend(const OutboxEntry &entry, const QByteArray *settingsDocument)
{
    Result result;
    result.id = entry.id;
    const std::unique_ptr<QLockFile> lock = m_outbox.tryLock(entry.id);
    if (!lock) {
        result.reason = QStringLiteral("in use by another process");
        return result;
    }
    // Read again under the lock: sent and removed by another process since
    // the list was read, or damaged (then it waits, never goes short).
    const std::optional<OutboxEntry> current = m_outbox.find(entry.id);
    if (!current) {
        result.status = Gone;
        result.reason = QStringLiteral("sent or removed by another process");
        return result;
    }
    if (!current->damage.isEmpty()) {
        result.reason = QStringLiteral("skipped, damaged: ") + current->damage;
        m_outbox.log(result.line());
        return result;
    }

    const KeptReport &report = current->report;
    MailSettings settings = m_fallback;
    if (settingsDocument) {
        parseMailSettings(QString::fromUtf8(*settingsDocument), report.productId, report.feedbackMode, settings);
    } else if (m_fallback.senderAccount.isEmpty()) {
        result.reason = QStringLiteral("no mail settings and no account to send with");
        m_outbox.log(result.line());
        return result;
    }
    if (!report.feedbackMode && settings.recipientAddress.isEmpty())
        settings.recipientAddress = Deployment::supportMailbox();

    int lastCode = 0;
    QString lastMessage;
    MimeText body;
    MailTransfer::Watch watch;
    const int outcome = MailTransfer::send(
        settings, m_timeouts, [&] { return ReportComposer::buildKeptMessage(report, settings, &body); },
        [&](int code, const QString &message) {
            lastCode = code;
            lastMessage = message;
        },
        nullptr, &watch);
    if (outcome == ReportDelivery::Submitted) {
        m_outbox.removeLocked(entry.id, true);
        result.status = Sent;
        m_outbox.log(QStringLiteral("sent %1 (%2) to %3").arg(entry.id, report.messageId, settings.recipientAddress));
        return result;
    }
    const QString server = settings.smtpHost + QLatin1Char(':') + settings.smtpPort;
    if (watch.refusedForSize) {
        // It would be refused on every later attempt too.
        m_outbox.removeLocked(entry.id);
        result.status = Gone;
        result.reason = QStringLiteral("larger than %1 takes, dropped").arg(server);
        m_outbox.log(result.line());
        return result;
    }
    if (!m_outbox.contains(entry.id))
        result.reason = QStringLiteral("a file of it could not be read whole");
    else if (outcome == ReportDelivery::NetworkFailure)
        result.reason = QStringLiteral("no mail dialogue with %1 (reply %2)").arg(server).arg(lastCode);
    else if (lastMessage == QLatin1String("NDNAME"))
        result.reason = QStringLiteral("login refused by %1 (reply %2)").arg(server).arg(lastCode);
    else
        result.reason = QStringLiteral("mail refused by %1 (reply %2)").arg(server).arg(lastCode);
    m_outbox.log(result.line());
    return result;
}

int OutboxResender::runCommand(QTextStream &out)
{
    const Outbox outbox;
    OutboxResender resender(outbox);
    MailSettings fallback = resender.m_fallback;
    fallback.senderAccount = qEnvironmentVariable(AccountVariable);
    fallback.senderPassword = qEnvironmentVariable(PasswordVariable);
    fallback.recipientAddress = qEnvironmentVariable(RecipientVariable);
    resender.setFallback(fallback);
    const QList<Result> results = resender.sendPending();
    for (const Result &result : results)
        out << result.line() << '\n';
    out.flush();
    return outbox.entries(Outbox::Listing::WithDamaged).isEmpty() ? 0 : 1;
}

bool OutboxResender::startDetached(const QString &program, const MailSettings &fallback)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments({QStringLiteral("--send-pending")});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(AccountVariable), fallback.senderAccount);
    environment.insert(QString::fromLatin1(PasswordVariable), fallback.senderPassword);
    environment.insert(QString::fromLatin1(RecipientVariable), fallback.recipientAddress);
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}
