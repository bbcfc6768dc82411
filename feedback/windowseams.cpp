#include "windowseams.h"

#include "pzmessagebox.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

QString WindowSeams::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                  const QString &filter) const
{
    return fileDialog ? fileDialog(parent, caption, folder, filter)
                      : QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString WindowSeams::saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                  const QString &filter) const
{
    return fileDialog ? fileDialog(parent, caption, suggested, filter)
                      : QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

void WindowSeams::showMessage(QWidget *parent, const QString &text, const QString &caption) const
{
    if (messageBox) {
        messageBox(text, caption);
        return;
    }
    auto *box = new PZMessageBox(text, caption, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->exec();
}

void WindowSeams::openUrl(const QUrl &url) const
{
    if (urlOpener)
        urlOpener(url);
    else
        QDesktopServices::openUrl(url);
}

void WindowSeams::newDelivery(ReportDelivery &delivery) const
{
    if (deliveryHook)
        deliveryHook(delivery);
}
