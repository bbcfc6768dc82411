// The address field: judged when it is left and at Submit, against the
// skin's pattern; the error shown and told to screen readers.

#include "cfeedback.h"

#include "formaccessibility.h"
#include "keptreports.h"
#include "pzstylebutton.h"
#include "skinconfig.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

bool CFeedback::isValidAddress(const QString &address)
{
    // Whole-text match; the pattern spells out both letter cases itself.
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(SkinConfig::emailPattern()));
    return pattern.match(address).hasMatch();
}

void CFeedback::SlotIsLineEditEmpty()
{
    // Not trimmed: a field of blanks enables Submit, which then complains.
    m_ui.ButtonSubmit->setEnabled(!m_ui.lineedit_EmailText->text().isEmpty());
}

void CFeedback::SlotJudgeEmailValid()
{
    const QString address = m_ui.lineedit_EmailText->text().trimmed();
    if (address.isEmpty())
        return;
    const bool valid = isValidAddress(address);
    if (valid)
        hideAddressError();
    else
        showAddressError();
    m_ui.ButtonSubmit->setEnabled(valid);
}

void CFeedback::showAddressError()
{
    m_keptReports->showDraftNote(false); // the error takes its place
    m_ui.label_EmailWrong->show();
    m_ui.lineedit_EmailText->setAccessibleDescription(m_ui.label_EmailWrong->text());
    FormAccessibility::announce(m_ui.label_EmailWrong);
}

void CFeedback::hideAddressError()
{
    m_ui.label_EmailWrong->hide();
    m_ui.lineedit_EmailText->setAccessibleDescription(m_ui.lineedit_EmailText->placeholderText());
}
