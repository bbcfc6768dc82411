#pragma once

#include "pzstyledialog.h"

class PZStyleButton;
class PZStyleWidgetTitle;
class QHBoxLayout;
class QLabel;
class QSpacerItem;

// The styled message dialog: a title bar, one centred word-wrapped message
// and an OK button, 430 x 200 pixels. Callers create it on the heap with
// Qt::WA_DeleteOnClose and run it with exec().
class PZMessageBox : public PZStyleDialog
{
    Q_OBJECT
public:
    PZMessageBox(const QString &text, const QString &title, QWidget *parent = nullptr);
    ~PZMessageBox() override;

    QString titleText() const { return m_title; }
    QString messageText() const { return m_text; }

private slots:
    void slotClose_ok();

private:
    void setupUi();
    void retranslateUi();

    QString m_title;
    QString m_text;
    PZStyleWidgetTitle *widget = nullptr;
    QWidget *widget_2 = nullptr;
    QLabel *label = nullptr;
    QWidget *layoutWidget = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QSpacerItem *horizontalSpacer = nullptr;
    QSpacerItem *horizontalSpacer_2 = nullptr;
    PZStyleButton *pushButton_ok = nullptr;
};
