#pragma once

#include <QCoreApplication>
#include <QString>

class QColor;
class QLabel;
class Ui_CFeedback;

// The page that takes the form's place once Submit was pressed: the waiting
// view, and the three results with their links. The window decides which;
// this knows what each shows. The texts are the window's own.
class ResultPage
{
    Q_DECLARE_TR_FUNCTIONS(CFeedback)

public:
    // The page of a submit state (1 submitting, 2 success, 3 network
    // failure, 4 other failure; 0 shows nothing new). The links take the
    // link colour; the other failure's mail link is recipient.
    static void show(Ui_CFeedback &ui, int submitState, const QColor &linkColour, const QString &recipient);
    // A hidden line in the free band above the result, lined up with the form.
    static QLabel *addBandLine(Ui_CFeedback &ui, const QString &objectName);

private:
    static void showResult(Ui_CFeedback &ui, bool success, const QString &tips, const QString &description);
};
