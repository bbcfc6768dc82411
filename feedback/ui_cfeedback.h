#pragma once

class PZStyleButton;
class PZStyleDialog;
class PZStyleWidgetTitle;
class QCheckBox;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;
class QWidget;

// The widget tree of the feedback window, built by hand in the way a
// designer form would be. The object names are what the skin style sheet and
// the window's behaviour refer to, so they must not change. The widgets are
// owned by their Qt parents; this holder owns nothing.
class Ui_CFeedback
{
public:
    QVBoxLayout *verticalLayout_10 = nullptr;
    PZStyleWidgetTitle *widget_guide = nullptr;
    QWidget *widget_mian = nullptr;
    QVBoxLayout *verticalLayout_7 = nullptr;

    // The form.
    QVBoxLayout *verticalLayout_6 = nullptr;
    QLabel *LabelTitle = nullptr;
    QHBoxLayout *horizontalLayout_4 = nullptr;
    QWidget *widget_2 = nullptr;
    QHBoxLayout *horizontalLayout_18 = nullptr;
    QLabel *LabelEmailTitle = nullptr;
    QLabel *label_wrong = nullptr;
    QLineEdit *lineedit_EmailText = nullptr;
    QSpacerItem *horizontalSpacer_5 = nullptr;
    QLabel *label_EmailWrong = nullptr;
    QSpacerItem *horizontalSpacer_6 = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QLabel *LabelContentTitle = nullptr;
    QPlainTextEdit *plainTextEdit_Content = nullptr;

    // Device and version block.
    QWidget *widget = nullptr;
    QVBoxLayout *verticalLayout_4 = nullptr;
    QHBoxLayout *horizontalLayout_5 = nullptr;
    QComboBox *comboBox = nullptr;
    QLabel *WindowVersion = nullptr;
    QLabel *iTunesVersion = nullptr;
    QVBoxLayout *verticalLayout_3 = nullptr;
    QHBoxLayout *horizontalLayout_14 = nullptr;
    QHBoxLayout *horizontalLayout_12 = nullptr;
    QLineEdit *lineEdit_Brand = nullptr;
    QHBoxLayout *horizontalLayout_13 = nullptr;
    QLineEdit *lineEdit_Model = nullptr;
    QHBoxLayout *horizontalLayout_15 = nullptr;
    QComboBox *comboBox_Android = nullptr;
    QLabel *label_System = nullptr;

    // Pictures.
    QVBoxLayout *verticalLayout_2 = nullptr;
    QHBoxLayout *horizontalLayout_10 = nullptr;
    QHBoxLayout *horizontalLayout_8 = nullptr;
    QHBoxLayout *horizontalLayout_6 = nullptr;
    QLabel *label_Screen = nullptr;
    PZStyleButton *captureButton = nullptr;
    QSpacerItem *horizontalSpacer_2 = nullptr;
    QHBoxLayout *horizontalLayout_7 = nullptr;
    QLabel *label_addPicture = nullptr;
    PZStyleButton *addImage = nullptr;
    QSpacerItem *horizontalSpacer_3 = nullptr;
    QSpacerItem *horizontalSpacer_4 = nullptr;
    QHBoxLayout *horizontalLayout_11 = nullptr;
    QHBoxLayout *horizontalLayout_9 = nullptr;
    QListWidget *listWidget_Screen = nullptr;
    QListWidget *listWidget_Photo = nullptr;
    QSpacerItem *horizontalSpacer_7 = nullptr;
    QLabel *label_line = nullptr;

    // Attachment switches.
    QVBoxLayout *verticalLayout_5 = nullptr;
    QHBoxLayout *horizontalLayout_16 = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QCheckBox *CheckBoxAttachLog = nullptr;
    QLabel *label_AddLogFiles = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QCheckBox *CheckBoxAttachDB = nullptr;
    QLabel *label_AddDbFiles = nullptr;
    QSpacerItem *horizontalSpacer_8 = nullptr;
    QLabel *label_Note = nullptr;

    QSpacerItem *verticalSpacer = nullptr;

    // Submit area.
    QWidget *widget_Submit = nullptr;
    QVBoxLayout *verticalLayout_8 = nullptr;
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QSpacerItem *horizontalSpacer = nullptr;
    QPushButton *ButtonSubmit = nullptr;
    QSpacerItem *horizontalSpacer_9 = nullptr;

    // Result view.
    QWidget *widget_SubView = nullptr;
    QHBoxLayout *horizontalLayout_20 = nullptr;
    QFrame *frame = nullptr;
    QHBoxLayout *horizontalLayout_17 = nullptr;
    QLabel *label_SubStatus = nullptr;
    QVBoxLayout *verticalLayout_9 = nullptr;
    QLabel *label_SubTips = nullptr;
    QLabel *label_SubDescribe = nullptr;
    QFrame *frameLoading = nullptr;
    QHBoxLayout *horizontalLayout_19 = nullptr;
    QSpacerItem *horizontalSpacer_10 = nullptr;
    QLabel *label_SubLoding = nullptr;
    QLabel *label_Submitting = nullptr;
    QSpacerItem *horizontalSpacer_11 = nullptr;

    void setupUi(PZStyleDialog *CFeedback);
    void retranslateUi(PZStyleDialog *CFeedback);
};

