#include "resultpage.h"

#include "ui_cfeedback.h"
#include "windowlines.h"

#include <QColor>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>
#include <QVariant>

void ResultPage::show(Ui_CFeedback &ui, int submitState, const QColor &linkColour, const QString &recipient)
{
    const QString colour = QStringLiteral("color:") + linkColour.name();
    switch (submitState) {
    case 1:
        ui.widget_Submit->hide();
        ui.widget_SubView->show();
        ui.frame->hide();
        ui.frameLoading->show();
        break;
    case 2:
        showResult(ui, true, tr("Submitted Successfully!"),
                   tr("<p>Your feedback is highly appreciated. We'll handle it soon. <a href = \"rewrite\">"
                      "<span style=\" underline; %1\">Provide more feedback>></a></p>")
                       .arg(colour));
        break;
    case 3:
        showResult(ui, false, tr("Failed to submit your feedback."),
                   tr("<p> Please make sure that your network connection is active, and then <a href = "
                      "\"try again\"><span style=\" underline; %1 \">try again</span></a>.</p>")
                       .arg(colour));
        break;
    case 4:
        // The address is escaped so that a quote or angle bracket in it can
        // neither break the link nor add markup; the link still targets it.
        showResult(ui, false, tr("Failed for an unknown error!"),
                   tr("<p> Please <a href = \"try again\"><span style=\" underline; %1 \">try again</span>"
                      "</a>. If it fails again, please send an email to <a href = \"%3\"><span style=\" "
                      "underline; %2\">%3</span></a>.</p>")
                       .arg(colour, colour, recipient.toHtmlEscaped()));
        break;
    default:
        break;
    }
    // Rules that select on the "success" property only apply after a re-polish.
    ui.label_SubStatus->style()->unpolish(ui.label_SubStatus);
    ui.label_SubStatus->style()->polish(ui.label_SubStatus);
    ui.label_SubStatus->update();
}

// The icon (chosen by the skin through the "success" property), the state
// line and the description with its links.
void ResultPage::showResult(Ui_CFeedback &ui, bool success, const QString &tips, const QString &description)
{
    ui.frameLoading->hide();
    ui.frame->show();
    ui.label_SubStatus->setProperty("success", success);
    ui.label_SubTips->setText(tips);
    ui.label_SubDescribe->setText(description);
}

QLabel *ResultPage::addBandLine(Ui_CFeedback &ui, const QString &objectName)
{
    auto *line = new QLabel(ui.widget_mian);
    line->setObjectName(objectName);
    line->setWordWrap(true); // a longer translation takes a second line
    line->hide();
    auto *row = new QHBoxLayout();
    row->setContentsMargins(FormSideMargin, 0, FormSideMargin, 0);
    row->addWidget(line);
    ui.verticalLayout_7->insertLayout(ui.verticalLayout_7->indexOf(ui.widget_SubView), row);
    return line;
}
