#pragma once

#include <QString>

#include <functional>

class QUrl;
class QWidget;
class ReportDelivery;

// What the window hands to the user's desktop: the file dialogs, the message
// box and a mail link. Each has a stand-in a test can set, so the window is
// driven without a modal loop; unset, the real one opens.
struct WindowSeams
{
    // Asks for a file, to open or to save to; empty when the user cancels.
    std::function<QString(QWidget *parent, const QString &caption, const QString &folder,
                          const QString &filter)>
        fileDialog;
    std::function<void(const QString &text, const QString &caption)> messageBox;
    std::function<bool(const QUrl &url)> urlOpener;
    // Called with each new delivery before its thread starts.
    std::function<void(ReportDelivery &delivery)> deliveryHook;

    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) const;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) const;
    // Modal over parent.
    void showMessage(QWidget *parent, const QString &text, const QString &caption) const;
    void openUrl(const QUrl &url) const;
    void newDelivery(ReportDelivery &delivery) const;
};
