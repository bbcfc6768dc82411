// The address field: judged when it is left and at Submit, against the
// skin's pattern; the error shown and told to screen readers.

#include "cfeedback.h"

#include "formaccessibility.h"
#include "keptreports.h"
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
        m_access->showAddressError(false);
    else
        showAddressError();
    m_ui.ButtonSubmit->setEnabled(valid);
}

void CFeedback::showAddressError()
{
    m_keptReports->showDraftNote(false); // the error takes its place
    m_access->showAddressError(true);
}
