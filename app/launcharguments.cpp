#include "launcharguments.h"

#include <QVariant>

LaunchArguments LaunchArguments::fromArguments(const QStringList &arguments)
{
    const auto at = [&arguments](int position) { return arguments.value(position); };
    LaunchArguments result;
    result.recipientAddress = at(1);
    result.hostPath = at(2);
    result.userEmail = at(3);
    result.senderAccount = at(4);
    result.senderPassword = at(5);
    result.feedbackMode = modeFromText(at(6));
    return result;
}

bool LaunchArguments::modeFromText(const QString &text)
{
    return QVariant(text).toBool();
}
