#pragma once

#include "draftstore.h"
#include "reportdata.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QByteArray;
class QComboBox;
class QJsonObject;
class QJsonValue;
class QLabel;
class QWidget;
class Ui_CFeedback;

// What turns the bare widget tree into the form the user sees, and the form
// read back as values: the window decides when, this knows which widget
// gets what. Nothing here holds state; the texts are the window's own.
class FormSetUp
{
    Q_DECLARE_TR_FUNCTIONS(CFeedback)

public:
    // What the skin's switches made of the form.
    struct Switches
    {
        bool showVersion = true;
        bool systemIsIos = true;
    };

    static void applyInitialStates(Ui_CFeedback &ui, const QString &userEmail);
    // The title and the comment's placeholder of a mode; window is what the
    // title bar moves.
    static void applyModeTexts(Ui_CFeedback &ui, QWidget *window, bool feedbackMode);
    static void applyTexts(Ui_CFeedback &ui);
    // Hides rows and fixes the sizes of window and form as the switches say,
    // and fills the local version lists.
    static Switches applyLayoutSwitches(Ui_CFeedback &ui, QWidget *window, const QJsonObject &settings);
    // The downloaded lists replace the local ones; a choice in keptChoices
    // (iOS, Android), or else the current one, stays chosen.
    static void loadVersionLists(Ui_CFeedback &ui, const QByteArray &json, const QStringList &keptChoices);
    // What the user types, chooses or attaches with: disabled while a
    // report is on its way.
    static QList<QWidget *> inputs(const Ui_CFeedback &ui);
    // The fields as a report takes them; the picture lists are the window's.
    static ReportForm readFields(const Ui_CFeedback &ui);
    // The fields a draft keeps, read from the form and written back; and
    // emptied, with the address the host product gave.
    static ReportDraft draftFields(const Ui_CFeedback &ui);
    static void fillFields(Ui_CFeedback &ui, const ReportDraft &draft);
    static void clearFields(Ui_CFeedback &ui, const QString &userEmail);
    // A hidden line beside the address field, where the address error
    // shows (never both at once).
    static QLabel *addDraftNote(Ui_CFeedback &ui);
    // Rounds the title bar's top and the form's bottom corners.
    static void roundCorners(Ui_CFeedback &ui, int radius);

private:
    static void fillVersionList(QComboBox *list, const QString &caption, const QJsonValue &choices);
};
