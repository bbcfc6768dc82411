#include "deployment.h"

namespace {

// A non-blank environment value replaces the compiled-in default.
QString deploymentValue(const char *variable, const char *builtIn)
{
    const QString value = qEnvironmentVariable(variable).trimmed();
    return value.isEmpty() ? QString::fromUtf8(builtIn) : value;
}

// The cache value comes as CMake writes a truth value (ON, TRUE, 1 ...).
bool deploymentSwitch(const char *variable, const char *builtIn)
{
    const QString value = deploymentValue(variable, builtIn).toLower();
    return value == QLatin1String("1") || value == QLatin1String("on") || value == QLatin1String("true")
        || value == QLatin1String("yes");
}

} // namespace

namespace Deployment {

QString downloadBase()
{
    QString base = deploymentValue("FEEDBACK_DOWNLOAD_BASE", FEEDBACK_DEFAULT_DOWNLOAD_BASE);
    // The document paths are appended with their own leading slash.
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

QUrl mailSettingsUrl()
{
    return QUrl(downloadBase() + QStringLiteral("/files/public/emailinfo.xml"));
}

QUrl versionListUrl()
{
    return QUrl(downloadBase() + QStringLiteral("/files/public/FeedbackDownloadUrl.json"));
}

QString analyticsBase()
{
    return deploymentValue("FEEDBACK_ANALYTICS_BASE", FEEDBACK_DEFAULT_ANALYTICS_BASE);
}

QString smtpHost()
{
    return deploymentValue("FEEDBACK_SMTP_HOST", FEEDBACK_DEFAULT_SMTP_HOST);
}

QString supportMailbox()
{
    return deploymentValue("FEEDBACK_SUPPORT_MAILBOX", FEEDBACK_DEFAULT_SUPPORT_MAILBOX);
}

bool smtpTrace()
{
    return qEnvironmentVariableIntValue("FEEDBACK_SMTP_TRACE") != 0;
}

bool smtpVerifyPeer()
{
    return deploymentSwitch("FEEDBACK_SMTP_VERIFY_PEER", FEEDBACK_DEFAULT_SMTP_VERIFY_PEER);
}

bool maskLogsByDefault()
{
    return deploymentSwitch("FEEDBACK_MASK_LOGS", FEEDBACK_DEFAULT_MASK_LOGS);
}

} // namespace Deployment
