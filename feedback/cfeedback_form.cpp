// The form as values: the snapshot a delivery and the preview are given,
// and the draft a closed window keeps, read from the form and filled back.

#include "cfeedback.h"

#include "formsetup.h"
#include "keptreports.h"
#include "previewpanel.h"
#include "screenshotwriter.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPlainTextEdit>

ReportForm CFeedback::reportForm() const
{
    ReportForm form = FormSetUp::readFields(m_ui);
    for (int row = 0; row < m_ui.listWidget_Photo->count(); ++row)
        form.photoPaths << m_photoPaths.value(m_ui.listWidget_Photo->item(row));
    form.maskLogs = m_previewPanel->maskLogs();
    for (const QString &path : m_screenPaths.values() + form.photoPaths)
        form.hiddenAreas += m_pictureEdits.hiddenAreas(path);
    return form;
}

// Something typed or chosen that is neither sent nor kept in the outbox.
bool CFeedback::saveDraft()
{
    const ReportForm form = reportForm();
    if (!m_keptReports->draftWanted(m_submitState, !m_ui.widget_SubView->isHidden(), form))
        return false;
    // The draft keeps copies of the screenshot files: one still being
    // written is waited for.
    m_screenshotWriter->waitForPending();
    ReportDraft draft = FormSetUp::draftFields(m_ui);
    QStringList screenshots;
    for (int row = 0; row < m_ui.listWidget_Screen->count(); ++row)
        screenshots << m_screenPaths.value(m_screenItems.key(m_ui.listWidget_Screen->item(row)));
    m_pictureEdits.keepIn(draft, screenshots, form.photoPaths);
    return m_keptReports->saveDraft(draft);
}

void CFeedback::restoreDraft()
{
    const std::optional<ReportDraft> draft = m_keptReports->restoreDraft();
    if (!draft)
        return;
    FormSetUp::fillFields(m_ui, *draft);
    // The draft's screenshots take the place of this start's, whose file
    // may not be written yet.
    if (!draft->screenshots.isEmpty()) {
        m_screenshotWriter->discardAll();
        clearPictureLists();
    }
    const PictureEdits::Restored pictures = m_pictureEdits.restore(*draft, screenshotFolder());
    for (const QString &path : pictures.screenshots)
        addScreenshot(path);
    for (const QString &path : pictures.pictures)
        addPicture(path);
    m_keptReports->showDraftNote(true);
}

void CFeedback::discardDraft()
{
    m_keptReports->discardDraft();
    FormSetUp::clearFields(m_ui, m_context.userEmail);
    clearPictureLists();
    removePath(screenshotFolder());
    takeAutoScreenshot();
}
