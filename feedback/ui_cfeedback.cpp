#include "ui_cfeedback.h"

#include "pzstylebutton.h"
#include "pzstyledialog.h"
#include "pzstylewidgettitle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QStringList>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// "Segoe UI" at 10 points: the face of every input and caption of the form.
QFont formFont()
{
    QFont font;
    font.setFamily(QStringLiteral("Segoe UI"));
    font.setPointSize(10);
    return font;
}

// The Submit button's face: 15 points at normal weight.
QFont submitFont()
{
    QFont font;
    font.setFamily(QStringLiteral("Segoe UI"));
    font.setPointSize(15);
    font.setBold(false);
    font.setWeight(50);
    return font;
}

constexpr int NoLimit = 16777215; // QWIDGETSIZE_MAX

QSpacerItem *horizontalStretch()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

} // namespace

// Negative margins below leave that side to the style, as a designer form does
// for margins it does not set.
void Ui_CFeedback::setupUi(PZStyleDialog *CFeedback)
{
    if (CFeedback->objectName().isEmpty())
        CFeedback->setObjectName(QStringLiteral("CFeedback"));
    CFeedback->resize(590, 645);
    CFeedback->setMinimumSize(QSize(590, 645));
    CFeedback->setMaximumSize(QSize(590, 645));

    verticalLayout_10 = new QVBoxLayout(CFeedback);
    verticalLayout_10->setSpacing(0);
    verticalLayout_10->setObjectName(QStringLiteral("verticalLayout_10"));
    verticalLayout_10->setContentsMargins(0, 0, 0, 0);

    widget_guide = new PZStyleWidgetTitle(CFeedback);
    widget_guide->setObjectName(QStringLiteral("widget_guide"));
    widget_guide->setMinimumSize(QSize(580, 35));
    widget_guide->setMaximumSize(QSize(NoLimit, 35));
    QFont guideFont;
    guideFont.setFamily(QStringLiteral("Segoe UI"));
    widget_guide->setFont(guideFont);
    widget_guide->setToolTipDuration(-1);
    verticalLayout_10->addWidget(widget_guide);

    widget_mian = new QWidget(CFeedback);
    widget_mian->setObjectName(QStringLiteral("widget_mian"));
    widget_mian->setMinimumSize(QSize(580, 600));
    widget_mian->setMaximumSize(QSize(NoLimit, NoLimit));
    widget_mian->setStyleSheet(QString());
    verticalLayout_7 = new QVBoxLayout(widget_mian);
    verticalLayout_7->setSpacing(0);
    verticalLayout_7->setObjectName(QStringLiteral("verticalLayout_7"));
    verticalLayout_7->setContentsMargins(0, 0, 0, 0);

    verticalLayout_6 = new QVBoxLayout();
    verticalLayout_6->setSpacing(0);
    verticalLayout_6->setObjectName(QStringLiteral("verticalLayout_6"));
    verticalLayout_6->setContentsMargins(40, 24, 40, -1);

    LabelTitle = new QLabel(widget_mian);
    LabelTitle->setObjectName(QStringLiteral("LabelTitle"));
    LabelTitle->setMinimumSize(QSize(500, 24));
    LabelTitle->setMaximumSize(QSize(NoLimit, 48));
    LabelTitle->setFont(formFont());
    verticalLayout_6->addWidget(LabelTitle);

    // Address row.
    horizontalLayout_4 = new QHBoxLayout();
    horizontalLayout_4->setSpacing(3);
    horizontalLayout_4->setObjectName(QStringLiteral("horizontalLayout_4"));
    horizontalLayout_4->setContentsMargins(-1, 15, -1, -1);
    widget_2 = new QWidget(widget_mian);
    widget_2->setObjectName(QStringLiteral("widget_2"));
    widget_2->setMinimumSize(QSize(100, 37));
    horizontalLayout_18 = new QHBoxLayout(widget_2);
    horizontalLayout_18->setSpacing(3);
    horizontalLayout_18->setObjectName(QStringLiteral("horizontalLayout_18"));
    horizontalLayout_18->setContentsMargins(0, 0, 0, 0);

    LabelEmailTitle = new QLabel(widget_2);
    LabelEmailTitle->setObjectName(QStringLiteral("LabelEmailTitle"));
    LabelEmailTitle->setMinimumSize(QSize(0, 0));
    LabelEmailTitle->setMaximumSize(QSize(NoLimit, 24));
    LabelEmailTitle->setFont(formFont());
    horizontalLayout_18->addWidget(LabelEmailTitle);

    label_wrong = new QLabel(widget_2);
    label_wrong->setObjectName(QStringLiteral("label_wrong"));
    label_wrong->setStyleSheet(QStringLiteral("color: rgb(250, 98, 75);"));
    horizontalLayout_18->addWidget(label_wrong);

    lineedit_EmailText = new QLineEdit(widget_2);
    lineedit_EmailText->setObjectName(QStringLiteral("lineedit_EmailText"));
    lineedit_EmailText->setMinimumSize(QSize(200, 30));
    lineedit_EmailText->setMaximumSize(QSize(200, 30));
    lineedit_EmailText->setFont(formFont());
    horizontalLayout_18->addWidget(lineedit_EmailText);

    horizontalSpacer_5 = new QSpacerItem(5, 5, QSizePolicy::Fixed, QSizePolicy::Minimum);
    horizontalLayout_18->addItem(horizontalSpacer_5);

    label_EmailWrong = new QLabel(widget_2);
    label_EmailWrong->setObjectName(QStringLiteral("label_EmailWrong"));
    label_EmailWrong->setMinimumSize(QSize(150, 0));
    label_EmailWrong->setMaximumSize(QSize(NoLimit, NoLimit));
    label_EmailWrong->setWordWrap(true);
    horizontalLayout_18->addWidget(label_EmailWrong);

    horizontalSpacer_6 = new QSpacerItem(87, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    horizontalLayout_18->addItem(horizontalSpacer_6);

    horizontalLayout_4->addWidget(widget_2);
    verticalLayout_6->addLayout(horizontalLayout_4);

    // Content.
    verticalLayout = new QVBoxLayout();
    verticalLayout->setSpacing(6);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setContentsMargins(-1, 10, -1, 15);
    LabelContentTitle = new QLabel(widget_mian);
    LabelContentTitle->setObjectName(QStringLiteral("LabelContentTitle"));
    LabelContentTitle->setMinimumSize(QSize(100, 16));
    LabelContentTitle->setMaximumSize(QSize(NoLimit, NoLimit));
    LabelContentTitle->setFont(formFont());
    verticalLayout->addWidget(LabelContentTitle);

    plainTextEdit_Content = new QPlainTextEdit(widget_mian);
    plainTextEdit_Content->setObjectName(QStringLiteral("plainTextEdit_Content"));
    QSizePolicy contentPolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    contentPolicy.setHorizontalStretch(0);
    contentPolicy.setVerticalStretch(0);
    contentPolicy.setHeightForWidth(plainTextEdit_Content->sizePolicy().hasHeightForWidth());
    plainTextEdit_Content->setSizePolicy(contentPolicy);
    plainTextEdit_Content->setMinimumSize(QSize(500, 100));
    plainTextEdit_Content->setMaximumSize(QSize(NoLimit, 100));
    plainTextEdit_Content->setFont(formFont());
    plainTextEdit_Content->setTabStopDistance(0);
    plainTextEdit_Content->setMaximumBlockCount(0);
    verticalLayout->addWidget(plainTextEdit_Content);
    verticalLayout_6->addLayout(verticalLayout);

    // Device and version block.
    widget = new QWidget(widget_mian);
    widget->setObjectName(QStringLiteral("widget"));
    verticalLayout_4 = new QVBoxLayout(widget);
    verticalLayout_4->setSpacing(0);
    verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
    verticalLayout_4->setContentsMargins(0, 0, 0, 5);

    horizontalLayout_5 = new QHBoxLayout();
    horizontalLayout_5->setSpacing(20);
    horizontalLayout_5->setObjectName(QStringLiteral("horizontalLayout_5"));
    comboBox = new QComboBox(widget);
    comboBox->setObjectName(QStringLiteral("comboBox"));
    comboBox->setMinimumSize(QSize(160, 30));
    comboBox->setMaximumSize(QSize(160, 30));
    comboBox->setIconSize(QSize(24, 16));
    horizontalLayout_5->addWidget(comboBox);
    WindowVersion = new QLabel(widget);
    WindowVersion->setObjectName(QStringLiteral("WindowVersion"));
    WindowVersion->setMinimumSize(QSize(150, 30));
    WindowVersion->setMaximumSize(QSize(150, 30));
    horizontalLayout_5->addWidget(WindowVersion);
    iTunesVersion = new QLabel(widget);
    iTunesVersion->setObjectName(QStringLiteral("iTunesVersion"));
    iTunesVersion->setMinimumSize(QSize(150, 30));
    iTunesVersion->setMaximumSize(QSize(150, 30));
    horizontalLayout_5->addWidget(iTunesVersion);
    verticalLayout_4->addLayout(horizontalLayout_5);

    verticalLayout_3 = new QVBoxLayout();
    verticalLayout_3->setSpacing(10);
    verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
    verticalLayout_3->setContentsMargins(0, -1, -1, -1);
    horizontalLayout_14 = new QHBoxLayout();
    horizontalLayout_14->setSpacing(20);
    horizontalLayout_14->setObjectName(QStringLiteral("horizontalLayout_14"));
    horizontalLayout_12 = new QHBoxLayout();
    horizontalLayout_12->setSpacing(6);
    horizontalLayout_12->setObjectName(QStringLiteral("horizontalLayout_12"));
    lineEdit_Brand = new QLineEdit(widget);
    lineEdit_Brand->setObjectName(QStringLiteral("lineEdit_Brand"));
    lineEdit_Brand->setMinimumSize(QSize(240, 30));
    lineEdit_Brand->setMaximumSize(QSize(240, 30));
    horizontalLayout_12->addWidget(lineEdit_Brand);
    horizontalLayout_14->addLayout(horizontalLayout_12);
    horizontalLayout_13 = new QHBoxLayout();
    horizontalLayout_13->setSpacing(6);
    horizontalLayout_13->setObjectName(QStringLiteral("horizontalLayout_13"));
    lineEdit_Model = new QLineEdit(widget);
    lineEdit_Model->setObjectName(QStringLiteral("lineEdit_Model"));
    lineEdit_Model->setMinimumSize(QSize(240, 30));
    lineEdit_Model->setMaximumSize(QSize(240, 30));
    horizontalLayout_13->addWidget(lineEdit_Model);
    horizontalLayout_14->addLayout(horizontalLayout_13);
    verticalLayout_3->addLayout(horizontalLayout_14);

    horizontalLayout_15 = new QHBoxLayout();
    horizontalLayout_15->setSpacing(20);
    horizontalLayout_15->setObjectName(QStringLiteral("horizontalLayout_15"));
    comboBox_Android = new QComboBox(widget);
    comboBox_Android->setObjectName(QStringLiteral("comboBox_Android"));
    comboBox_Android->setMinimumSize(QSize(240, 30));
    comboBox_Android->setMaximumSize(QSize(240, 30));
    comboBox_Android->setIconSize(QSize(24, 16));
    horizontalLayout_15->addWidget(comboBox_Android);
    label_System = new QLabel(widget);
    label_System->setObjectName(QStringLiteral("label_System"));
    label_System->setMinimumSize(QSize(240, 30));
    label_System->setMaximumSize(QSize(240, 30));
    horizontalLayout_15->addWidget(label_System);
    verticalLayout_3->addLayout(horizontalLayout_15);
    verticalLayout_4->addLayout(verticalLayout_3);
    verticalLayout_6->addWidget(widget);

    // Pictures.
    verticalLayout_2 = new QVBoxLayout();
    verticalLayout_2->setSpacing(7);
    verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
    horizontalLayout_10 = new QHBoxLayout();
    horizontalLayout_10->setSpacing(6);
    horizontalLayout_10->setObjectName(QStringLiteral("horizontalLayout_10"));
    horizontalLayout_8 = new QHBoxLayout();
    horizontalLayout_8->setSpacing(36);
    horizontalLayout_8->setObjectName(QStringLiteral("horizontalLayout_8"));

    horizontalLayout_6 = new QHBoxLayout();
    horizontalLayout_6->setSpacing(6);
    horizontalLayout_6->setObjectName(QStringLiteral("horizontalLayout_6"));
    horizontalLayout_6->setContentsMargins(0, -1, 0, -1);
    label_Screen = new QLabel(widget_mian);
    label_Screen->setObjectName(QStringLiteral("label_Screen"));
    label_Screen->setMinimumSize(QSize(0, 0));
    label_Screen->setMaximumSize(QSize(NoLimit, NoLimit));
    horizontalLayout_6->addWidget(label_Screen);
    captureButton = new PZStyleButton(widget_mian);
    captureButton->setObjectName(QStringLiteral("captureButton"));
    captureButton->setMinimumSize(QSize(34, 28));
    captureButton->setMaximumSize(QSize(34, 28));
    horizontalLayout_6->addWidget(captureButton);
    horizontalSpacer_2 = horizontalStretch();
    horizontalLayout_6->addItem(horizontalSpacer_2);
    horizontalLayout_8->addLayout(horizontalLayout_6);

    horizontalLayout_7 = new QHBoxLayout();
    horizontalLayout_7->setSpacing(6);
    horizontalLayout_7->setObjectName(QStringLiteral("horizontalLayout_7"));
    horizontalLayout_7->setContentsMargins(-1, -1, 0, -1);
    label_addPicture = new QLabel(widget_mian);
    label_addPicture->setObjectName(QStringLiteral("label_addPicture"));
    label_addPicture->setMinimumSize(QSize(0, 0));
    label_addPicture->setMaximumSize(QSize(NoLimit, NoLimit));
    horizontalLayout_7->addWidget(label_addPicture);
    addImage = new PZStyleButton(widget_mian);
    addImage->setObjectName(QStringLiteral("addImage"));
    addImage->setMinimumSize(QSize(34, 28));
    addImage->setMaximumSize(QSize(34, 28));
    horizontalLayout_7->addWidget(addImage);
    horizontalSpacer_3 = horizontalStretch();
    horizontalLayout_7->addItem(horizontalSpacer_3);
    horizontalLayout_8->addLayout(horizontalLayout_7);
    horizontalLayout_10->addLayout(horizontalLayout_8);
    horizontalSpacer_4 = horizontalStretch();
    horizontalLayout_10->addItem(horizontalSpacer_4);
    verticalLayout_2->addLayout(horizontalLayout_10);

    horizontalLayout_11 = new QHBoxLayout();
    horizontalLayout_11->setSpacing(6);
    horizontalLayout_11->setObjectName(QStringLiteral("horizontalLayout_11"));
    horizontalLayout_9 = new QHBoxLayout();
    horizontalLayout_9->setSpacing(5);
    horizontalLayout_9->setObjectName(QStringLiteral("horizontalLayout_9"));
    listWidget_Screen = new QListWidget(widget_mian);
    listWidget_Screen->setObjectName(QStringLiteral("listWidget_Screen"));
    listWidget_Screen->setMinimumSize(QSize(175, 60));
    listWidget_Screen->setMaximumSize(QSize(175, 60));
    horizontalLayout_9->addWidget(listWidget_Screen);
    listWidget_Photo = new QListWidget(widget_mian);
    listWidget_Photo->setObjectName(QStringLiteral("listWidget_Photo"));
    listWidget_Photo->setMinimumSize(QSize(175, 60));
    listWidget_Photo->setMaximumSize(QSize(175, 60));
    horizontalLayout_9->addWidget(listWidget_Photo);
    horizontalLayout_11->addLayout(horizontalLayout_9);
    horizontalSpacer_7 = horizontalStretch();
    horizontalLayout_11->addItem(horizontalSpacer_7);
    verticalLayout_2->addLayout(horizontalLayout_11);

    label_line = new QLabel(widget_mian);
    label_line->setObjectName(QStringLiteral("label_line"));
    label_line->setMinimumSize(QSize(0, 1));
    label_line->setMaximumSize(QSize(NoLimit, 1));
    verticalLayout_2->addWidget(label_line);
    verticalLayout_6->addLayout(verticalLayout_2);

    // Attachment switches.
    verticalLayout_5 = new QVBoxLayout();
    verticalLayout_5->setSpacing(10);
    verticalLayout_5->setObjectName(QStringLiteral("verticalLayout_5"));
    verticalLayout_5->setContentsMargins(-1, -1, -1, 0);
    horizontalLayout_16 = new QHBoxLayout();
    horizontalLayout_16->setSpacing(20);
    horizontalLayout_16->setObjectName(QStringLiteral("horizontalLayout_16"));

    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setSpacing(10);
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    CheckBoxAttachLog = new QCheckBox(widget_mian);
    CheckBoxAttachLog->setObjectName(QStringLiteral("CheckBoxAttachLog"));
    CheckBoxAttachLog->setMinimumSize(QSize(14, 14));
    CheckBoxAttachLog->setMaximumSize(QSize(14, 14));
    CheckBoxAttachLog->setFont(formFont());
    CheckBoxAttachLog->setStyleSheet(QStringLiteral("color: rgb(120, 120, 120);"));
    horizontalLayout->addWidget(CheckBoxAttachLog);
    label_AddLogFiles = new QLabel(widget_mian);
    label_AddLogFiles->setObjectName(QStringLiteral("label_AddLogFiles"));
    label_AddLogFiles->setMinimumSize(QSize(0, 18));
    label_AddLogFiles->setMaximumSize(QSize(NoLimit, 18));
    horizontalLayout->addWidget(label_AddLogFiles);
    horizontalLayout_16->addLayout(horizontalLayout);

    horizontalLayout_2 = new QHBoxLayout();
    horizontalLayout_2->setSpacing(10);
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    CheckBoxAttachDB = new QCheckBox(widget_mian);
    CheckBoxAttachDB->setObjectName(QStringLiteral("CheckBoxAttachDB"));
    CheckBoxAttachDB->setMinimumSize(QSize(14, 14));
    CheckBoxAttachDB->setMaximumSize(QSize(14, 14));
    CheckBoxAttachDB->setFont(formFont());
    CheckBoxAttachDB->setStyleSheet(QStringLiteral("color: rgb(120, 120, 120);"));
    horizontalLayout_2->addWidget(CheckBoxAttachDB);
    label_AddDbFiles = new QLabel(widget_mian);
    label_AddDbFiles->setObjectName(QStringLiteral("label_AddDbFiles"));
    label_AddDbFiles->setMinimumSize(QSize(0, 18));
    label_AddDbFiles->setMaximumSize(QSize(NoLimit, 18));
    horizontalLayout_2->addWidget(label_AddDbFiles);
    horizontalLayout_16->addLayout(horizontalLayout_2);
    horizontalSpacer_8 = horizontalStretch();
    horizontalLayout_16->addItem(horizontalSpacer_8);
    verticalLayout_5->addLayout(horizontalLayout_16);

    label_Note = new QLabel(widget_mian);
    label_Note->setObjectName(QStringLiteral("label_Note"));
    label_Note->setWordWrap(true);
    verticalLayout_5->addWidget(label_Note);
    verticalLayout_6->addLayout(verticalLayout_5);

    verticalLayout_7->addLayout(verticalLayout_6);

    verticalSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    verticalLayout_7->addItem(verticalSpacer);

    // Submit area.
    widget_Submit = new QWidget(widget_mian);
    widget_Submit->setObjectName(QStringLiteral("widget_Submit"));
    widget_Submit->setMinimumSize(QSize(580, 70));
    widget_Submit->setMaximumSize(QSize(NoLimit, 70));
    verticalLayout_8 = new QVBoxLayout(widget_Submit);
    verticalLayout_8->setSpacing(0);
    verticalLayout_8->setObjectName(QStringLiteral("verticalLayout_8"));
    verticalLayout_8->setContentsMargins(0, 0, 0, 0);
    horizontalLayout_3 = new QHBoxLayout();
    horizontalLayout_3->setSpacing(0);
    horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
    horizontalLayout_3->setContentsMargins(-1, 15, -1, 20);
    horizontalSpacer = horizontalStretch();
    horizontalLayout_3->addItem(horizontalSpacer);
    ButtonSubmit = new QPushButton(widget_Submit);
    ButtonSubmit->setObjectName(QStringLiteral("ButtonSubmit"));
    ButtonSubmit->setMinimumSize(QSize(140, 34));
    ButtonSubmit->setMaximumSize(QSize(140, 34));
    ButtonSubmit->setFont(submitFont());
    ButtonSubmit->setStyleSheet(QString());
    horizontalLayout_3->addWidget(ButtonSubmit);
    horizontalSpacer_9 = horizontalStretch();
    horizontalLayout_3->addItem(horizontalSpacer_9);
    verticalLayout_8->addLayout(horizontalLayout_3);
    verticalLayout_7->addWidget(widget_Submit);

    // Result view.
    widget_SubView = new QWidget(widget_mian);
    widget_SubView->setObjectName(QStringLiteral("widget_SubView"));
    widget_SubView->setMinimumSize(QSize(580, 70));
    widget_SubView->setMaximumSize(QSize(NoLimit, 70));
    widget_SubView->setStyleSheet(QString());
    horizontalLayout_20 = new QHBoxLayout(widget_SubView);
    horizontalLayout_20->setSpacing(0);
    horizontalLayout_20->setObjectName(QStringLiteral("horizontalLayout_20"));
    horizontalLayout_20->setContentsMargins(0, 0, 0, 0);

    frame = new QFrame(widget_SubView);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setMinimumSize(QSize(0, 55));
    frame->setFrameShadow(QFrame::Plain);
    horizontalLayout_17 = new QHBoxLayout(frame);
    horizontalLayout_17->setSpacing(20);
    horizontalLayout_17->setObjectName(QStringLiteral("horizontalLayout_17"));
    horizontalLayout_17->setContentsMargins(40, 0, 40, 0);
    label_SubStatus = new QLabel(frame);
    label_SubStatus->setObjectName(QStringLiteral("label_SubStatus"));
    label_SubStatus->setMinimumSize(QSize(40, 40));
    label_SubStatus->setMaximumSize(QSize(40, 40));
    horizontalLayout_17->addWidget(label_SubStatus);
    verticalLayout_9 = new QVBoxLayout();
    verticalLayout_9->setSpacing(0);
    verticalLayout_9->setObjectName(QStringLiteral("verticalLayout_9"));
    verticalLayout_9->setContentsMargins(-1, -1, -1, 0);
    label_SubTips = new QLabel(frame);
    label_SubTips->setObjectName(QStringLiteral("label_SubTips"));
    verticalLayout_9->addWidget(label_SubTips);
    label_SubDescribe = new QLabel(frame);
    label_SubDescribe->setObjectName(QStringLiteral("label_SubDescribe"));
    label_SubDescribe->setMinimumSize(QSize(0, 30));
    label_SubDescribe->setMaximumSize(QSize(NoLimit, NoLimit));
    label_SubDescribe->setWordWrap(true);
    verticalLayout_9->addWidget(label_SubDescribe);
    horizontalLayout_17->addLayout(verticalLayout_9);
    horizontalLayout_20->addWidget(frame);

    frameLoading = new QFrame(widget_SubView);
    frameLoading->setObjectName(QStringLiteral("frameLoading"));
    horizontalLayout_19 = new QHBoxLayout(frameLoading);
    horizontalLayout_19->setSpacing(6);
    horizontalLayout_19->setObjectName(QStringLiteral("horizontalLayout_19"));
    horizontalLayout_19->setContentsMargins(11, 11, 11, 11);
    horizontalSpacer_10 = horizontalStretch();
    horizontalLayout_19->addItem(horizontalSpacer_10);
    label_SubLoding = new QLabel(frameLoading);
    label_SubLoding->setObjectName(QStringLiteral("label_SubLoding"));
    label_SubLoding->setMinimumSize(QSize(20, 20));
    label_SubLoding->setMaximumSize(QSize(20, 20));
    label_SubLoding->setStyleSheet(QString());
    horizontalLayout_19->addWidget(label_SubLoding);
    label_Submitting = new QLabel(frameLoading);
    label_Submitting->setObjectName(QStringLiteral("label_Submitting"));
    label_Submitting->setIndent(0);
    horizontalLayout_19->addWidget(label_Submitting);
    horizontalSpacer_11 = horizontalStretch();
    horizontalLayout_19->addItem(horizontalSpacer_11);
    horizontalLayout_20->addWidget(frameLoading);

    verticalLayout_7->addWidget(widget_SubView);

    verticalLayout_10->addWidget(widget_mian);
    verticalLayout_10->setStretch(1, 1);

    retranslateUi(CFeedback);

    QMetaObject::connectSlotsByName(CFeedback);
}

void Ui_CFeedback::retranslateUi(PZStyleDialog *CFeedback)
{
    CFeedback->setWindowTitle(QCoreApplication::translate("CFeedback", "Feedback"));
    LabelTitle->setText(QString());
    LabelEmailTitle->setText(QCoreApplication::translate("CFeedback", "Email:"));
    label_wrong->setText(QCoreApplication::translate("CFeedback", "*"));
    lineedit_EmailText->setPlaceholderText(QCoreApplication::translate("CFeedback", "Enter your email address"));
    label_EmailWrong->setText(QCoreApplication::translate("CFeedback", "Invalid email address!"));
    LabelContentTitle->setText(QCoreApplication::translate("CFeedback", "Content:"));
    // The ellipsis is the single character U+2026.
    plainTextEdit_Content->setPlaceholderText(QCoreApplication::translate("CFeedback", "Write your comments, suggestions, or questions here\u2026"));
    comboBox->clear();
    comboBox->insertItems(0, QStringList() << QCoreApplication::translate("CFeedback", "iOS Version:"));
    WindowVersion->setText(QCoreApplication::translate("CFeedback", "Computer OS:"));
    // A leading blank and the full-width colon U+FF1A belong to this text.
    iTunesVersion->setText(QCoreApplication::translate("CFeedback", " iTunes Version\uFF1A"));
    comboBox_Android->clear();
    comboBox_Android->insertItems(0, QStringList() << QCoreApplication::translate("CFeedback", "Android Version:"));
    label_System->setText(QCoreApplication::translate("CFeedback", "Computer OS:"));
    label_Screen->setText(QCoreApplication::translate("CFeedback", "Screen capture:"));
    captureButton->setText(QString());
    label_addPicture->setText(QCoreApplication::translate("CFeedback", "Attach pictures:"));
    addImage->setText(QString());
    label_line->setText(QString());
    CheckBoxAttachLog->setText(QString());
    label_AddLogFiles->setText(QCoreApplication::translate("CFeedback", "Attach Log Files "));
    CheckBoxAttachDB->setText(QString());
    label_AddDbFiles->setText(QCoreApplication::translate("CFeedback", "Attach Database Files "));
    label_Note->setText(QCoreApplication::translate("CFeedback", "Note: Database files include the personal data on your device or in your backup files."));
    ButtonSubmit->setText(QString());
    label_SubStatus->setText(QString());
    label_SubTips->setText(QCoreApplication::translate("CFeedback", "Submitted Successfully!"));
    label_SubDescribe->setText(QCoreApplication::translate("CFeedback", "TextLabel"));
    label_SubLoding->setText(QString());
    label_Submitting->setText(QCoreApplication::translate("CFeedback", "Submitting..."));
}
