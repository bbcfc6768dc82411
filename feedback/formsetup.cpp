#include "formsetup.h"

#include "hostinfo.h"
#include "pzstylebutton.h"
#include "pzstylewidgettitle.h"
#include "ui_cfeedback.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVariant>

void FormSetUp::applyInitialStates(Ui_CFeedback &ui, const QString &userEmail)
{
    ui.label_EmailWrong->hide();
    ui.widget_SubView->hide();
    ui.ButtonSubmit->setEnabled(false);

    // Reached by Tab; a click leaves the focus where it was, as it always did.
    ui.captureButton->setFocusPolicy(Qt::TabFocus);
    ui.addImage->setFocusPolicy(Qt::TabFocus);
    ui.ButtonSubmit->setFocusPolicy(Qt::TabFocus);

    ui.CheckBoxAttachLog->setChecked(true);
    ui.CheckBoxAttachDB->setChecked(false);

    ui.lineedit_EmailText->setMaxLength(128);
    ui.lineedit_EmailText->setText(userEmail);
    if (!userEmail.isEmpty())
        ui.ButtonSubmit->setEnabled(true);

    ui.horizontalLayout_2->setSpacing(6);
    ui.horizontalLayout->setSpacing(6);
    ui.horizontalLayout_6->setSpacing(2);
    ui.horizontalLayout_7->setSpacing(2);

    ui.lineEdit_Brand->setPlaceholderText(tr("Mobile Phone Brand"));
    ui.lineEdit_Model->setPlaceholderText(tr("Phone Model"));

    for (QListWidget *list : {ui.listWidget_Screen, ui.listWidget_Photo}) {
        list->setViewMode(QListView::IconMode);
        list->setIconSize(QSize(52, 41));
        list->setSpacing(5);
        list->setMovement(QListView::Static);
        list->setFrameShape(QFrame::NoFrame);
        list->setFocusPolicy(Qt::NoFocus);
    }
}

void FormSetUp::applyModeTexts(Ui_CFeedback &ui, QWidget *window, bool feedbackMode)
{
    ui.widget_guide->setMovable(window, true);
    ui.widget_guide->setTitleText(feedbackMode ? tr("Feedback") : tr("Crash Report"));
    ui.plainTextEdit_Content->setPlaceholderText(
        feedbackMode ? tr("Write your comments, suggestions, or questions here...")
                     : tr("Please tell us how you were using the program when it crashed."));
}

void FormSetUp::applyTexts(Ui_CFeedback &ui)
{
    ui.LabelTitle->setText(tr("Please provide as much detail as you can. That will help us "
                              "quickly and correctly understand the problem you met."));
    ui.LabelTitle->setWordWrap(true);

    const QString system = HostInfo::windowsProductName();
    ui.WindowVersion->setText(system);
    ui.label_System->setText(system);
    ui.iTunesVersion->setText(HostInfo::iTunesVersionText());
    // The rows are narrow; the whole text stays readable as a tool tip.
    for (QLabel *label : {ui.WindowVersion, ui.label_System, ui.iTunesVersion}) {
        label->setFrameShape(QFrame::Box);
        label->setToolTip(label->text());
    }

    ui.ButtonSubmit->setText(tr("Submit"));
    ui.plainTextEdit_Content->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    ui.label_Screen->setText(tr("Screen capture:"));
    ui.label_addPicture->setText(tr("Attach pictures:"));
}

namespace {

// A switch of the skin settings as a truth value, the way a variant converts:
// true, a non-zero number or a text other than "", "0" and "false".
bool switchValue(const QJsonValue &value)
{
    return value.toVariant().toBool();
}

// Each list gets a list view of its own; the item retranslateUi put in
// belonged to the replaced model, so the list starts empty.
void giveOwnView(QComboBox *list, const QString &viewName)
{
    auto *view = new QListWidget(list);
    view->setObjectName(viewName);
    list->setModel(view->model());
    list->setView(view);
}

void fixSizes(Ui_CFeedback &ui, QWidget *window, QSize windowSize)
{
    window->setFixedSize(windowSize);
    ui.widget_mian->setFixedSize(windowSize - QSize(10, 45));
    ui.widget_mian->adjustSize();
    window->adjustSize();
}

} // namespace

void FormSetUp::fillVersionList(QComboBox *list, const QString &caption, const QJsonValue &choices)
{
    list->addItem(caption);
    const QJsonArray array = choices.toArray();
    for (const QJsonValue &choice : array)
        list->addItem(choice.toString());
}

FormSetUp::Switches FormSetUp::applyLayoutSwitches(Ui_CFeedback &ui, QWidget *window, const QJsonObject &settings)
{
    Switches switches;
    giveOwnView(ui.comboBox, QStringLiteral("iosVersion"));
    giveOwnView(ui.comboBox_Android, QStringLiteral("AndroidVersion"));

    const bool needDb = !settings.contains(QLatin1String("NeedDB"))
                        || switchValue(settings.value(QLatin1String("NeedDB")));
    if (!needDb) {
        ui.label_Note->hide();
        ui.CheckBoxAttachDB->hide();
        ui.label_AddDbFiles->hide();
    }

    if (settings.contains(QLatin1String("ShowVersion"))) {
        switches.showVersion = switchValue(settings.value(QLatin1String("ShowVersion")));
        if (!switches.showVersion) {
            ui.widget->hide();
            ui.plainTextEdit_Content->setFixedHeight(145);
            fixSizes(ui, window, QSize(590, needDb ? 605 : 585));
            return switches;
        }
    }

    if (!settings.contains(QLatin1String("System")))
        return switches;
    switches.systemIsIos = switchValue(settings.value(QLatin1String("System")));
    if (switches.systemIsIos) {
        ui.lineEdit_Model->hide();
        ui.lineEdit_Brand->hide();
        ui.comboBox_Android->hide();
        ui.label_System->hide();
        ui.plainTextEdit_Content->setFixedHeight(145);
        if (settings.contains(QLatin1String("iOS Version:")))
            fillVersionList(ui.comboBox, tr("iOS Version:"), settings.value(QLatin1String("iOS Version:")));
    } else {
        ui.WindowVersion->hide();
        ui.comboBox->hide();
        ui.iTunesVersion->hide();
        if (settings.contains(QLatin1String("Android Version:")))
            fillVersionList(ui.comboBox_Android, tr("Android Version:"),
                            settings.value(QLatin1String("Android Version:")));
    }
    if (!needDb)
        fixSizes(ui, window, QSize(590, 615));
    return switches;
}

void FormSetUp::loadVersionLists(Ui_CFeedback &ui, const QByteArray &json, const QStringList &keptChoices)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return;
    const QJsonObject root = document.object();
    if (root.contains(QLatin1String("iOS Version:"))) {
        const QString chosen = keptChoices.value(0, ui.comboBox->currentText());
        ui.comboBox->clear();
        fillVersionList(ui.comboBox, tr("iOS Version:"), root.value(QLatin1String("iOS Version:")));
        ui.comboBox->setCurrentText(chosen);
    }
    if (root.contains(QLatin1String("Android Version:"))) {
        const QString chosen = keptChoices.value(1, ui.comboBox_Android->currentText());
        ui.comboBox_Android->clear();
        fillVersionList(ui.comboBox_Android, tr("Android Version:"), root.value(QLatin1String("Android Version:")));
        ui.comboBox_Android->setCurrentText(chosen);
    }
}

void FormSetUp::roundCorners(Ui_CFeedback &ui, int radius)
{
    ui.widget_guide->setStyleSheet(QStringLiteral("QWidget#widget_guide { border-top-left-radius: %1px;"
                                                  "border-top-right-radius: %2px; }")
                                       .arg(radius)
                                       .arg(radius));
    ui.widget_mian->setStyleSheet(QStringLiteral("QWidget#widget_mian { border-bottom-left-radius: %1px;"
                                                 "border-bottom-right-radius: %2px; }")
                                      .arg(radius)
                                      .arg(radius));
}

QList<QWidget *> FormSetUp::inputs(const Ui_CFeedback &ui)
{
    return {ui.lineedit_EmailText, ui.plainTextEdit_Content, ui.comboBox,
            ui.comboBox_Android,   ui.lineEdit_Model,        ui.lineEdit_Brand,
            ui.captureButton,      ui.addImage,              ui.listWidget_Screen,
            ui.listWidget_Photo,   ui.CheckBoxAttachDB,      ui.CheckBoxAttachLog};
}

ReportForm FormSetUp::readFields(const Ui_CFeedback &ui)
{
    ReportForm form;
    form.customerEmail = ui.lineedit_EmailText->text().trimmed();
    form.comment = ui.plainTextEdit_Content->toPlainText();
    // The first row of a version list is its caption, not a choice; in a
    // translation it no longer says "version", which is how the report
    // tells it from a choice.
    form.iosVersion = ui.comboBox->currentIndex() > 0 ? ui.comboBox->currentText() : QString();
    form.androidVersion = ui.comboBox_Android->currentIndex() > 0 ? ui.comboBox_Android->currentText() : QString();
    form.windowsVersion = ui.WindowVersion->text();
    form.iTunesVersion = ui.iTunesVersion->text();
    form.phoneBrand = ui.lineEdit_Brand->text();
    form.phoneModel = ui.lineEdit_Model->text();
    form.attachLog = ui.CheckBoxAttachLog->isChecked();
    form.attachDatabase = ui.CheckBoxAttachDB->isChecked();
    form.screenshotCount = ui.listWidget_Screen->count();
    return form;
}

ReportDraft FormSetUp::draftFields(const Ui_CFeedback &ui)
{
    const ReportForm form = readFields(ui);
    ReportDraft draft;
    draft.comment = form.comment;
    draft.email = ui.lineedit_EmailText->text();
    draft.iosVersion = form.iosVersion;
    draft.androidVersion = form.androidVersion;
    draft.phoneBrand = form.phoneBrand;
    draft.phoneModel = form.phoneModel;
    return draft;
}

void FormSetUp::fillFields(Ui_CFeedback &ui, const ReportDraft &draft)
{
    ui.plainTextEdit_Content->setPlainText(draft.comment);
    ui.lineedit_EmailText->setText(draft.email);
    ui.comboBox->setCurrentText(draft.iosVersion);
    ui.comboBox_Android->setCurrentText(draft.androidVersion);
    ui.lineEdit_Brand->setText(draft.phoneBrand);
    ui.lineEdit_Model->setText(draft.phoneModel);
}

void FormSetUp::clearFields(Ui_CFeedback &ui, const QString &userEmail)
{
    ui.plainTextEdit_Content->clear();
    ui.lineedit_EmailText->setText(userEmail);
    ui.lineEdit_Brand->clear();
    ui.lineEdit_Model->clear();
    ui.comboBox->setCurrentIndex(0);
    ui.comboBox_Android->setCurrentIndex(0);
}

QLabel *FormSetUp::addDraftNote(Ui_CFeedback &ui)
{
    auto *note = new QLabel(ui.widget_2);
    note->setObjectName(QStringLiteral("label_DraftNote"));
    note->setWordWrap(true);
    note->hide();
    ui.horizontalLayout_18->insertWidget(ui.horizontalLayout_18->indexOf(ui.label_EmailWrong) + 1, note);
    return note;
}
