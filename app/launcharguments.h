#pragma once

#include <QString>
#include <QStringList>

// The six positional arguments the host product starts the program with.
// A position that is not given reads as empty.
struct LaunchArguments
{
    QString recipientAddress; // 1
    QString hostPath;         // 2
    QString userEmail;        // 3
    QString senderAccount;    // 4
    QString senderPassword;   // 5
    bool feedbackMode = false; // 6: false for "", "0" or "false" in any case

    // From the application's argument list (position 0 is the program and
    // Qt's own options are already gone).
    static LaunchArguments fromArguments(const QStringList &arguments);
    // The mode text as a truth value, the way a variant holding text converts.
    static bool modeFromText(const QString &text);
};
