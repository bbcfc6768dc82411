// The hand-built widget tree: names, classes, sizes, layouts and texts.

#include "pzstylebutton.h"
#include "pzstyledialog.h"
#include "pzstylewidgettitle.h"
#include "ui_cfeedback.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextDocument>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QMargins)

class TestFeedbackForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void widgetClassAndSize_data();
    void widgetClassAndSize();
    void fonts_data();
    void fonts();
    void layoutSpacingAndMargins_data();
    void layoutSpacingAndMargins();
    void layoutOrder_data();
    void layoutOrder();
    void texts_data();
    void texts();
    void windowIsFixed();
    void comboBoxesHoldOneCaption();
    void looksAndStretch();

private:
    QWidget *named(const QString &name) const;

    std::unique_ptr<PZStyleDialog> m_dialog;
    Ui_CFeedback m_ui;
};

void TestFeedbackForm::init()
{
    m_dialog = std::make_unique<PZStyleDialog>();
    m_ui = Ui_CFeedback();
    m_ui.setupUi(m_dialog.get());
}

void TestFeedbackForm::cleanup()
{
    m_dialog.reset();
}

QWidget *TestFeedbackForm::named(const QString &name) const
{
    return m_dialog->findChild<QWidget *>(name);
}

void TestFeedbackForm::widgetClassAndSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");

    const int M = QWIDGETSIZE_MAX;
    const auto row = [](const char *name, const char *cls, QSize min, QSize max) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(cls) << min << max;
    };
    row("widget_guide", "PZStyleWidgetTitle", QSize(580, 35), QSize(M, 35));
    row("widget_mian", "QWidget", QSize(580, 600), QSize(M, M));
    row("LabelTitle", "QLabel", QSize(500, 24), QSize(M, 48));
    row("widget_2", "QWidget", QSize(100, 37), QSize(M, M));
    row("LabelEmailTitle", "QLabel", QSize(0, 0), QSize(M, 24));
    row("label_wrong", "QLabel", QSize(0, 0), QSize(M, M));
    row("lineedit_EmailText", "QLineEdit", QSize(200, 30), QSize(200, 30));
    row("label_EmailWrong", "QLabel", QSize(150, 0), QSize(M, M));
    row("LabelContentTitle", "QLabel", QSize(100, 16), QSize(M, M));
    row("plainTextEdit_Content", "QPlainTextEdit", QSize(500, 100), QSize(M, 100));
    row("widget", "QWidget", QSize(0, 0), QSize(M, M));
    row("comboBox", "QComboBox", QSize(160, 30), QSize(160, 30));
    row("WindowVersion", "QLabel", QSize(150, 30), QSize(150, 30));
    row("iTunesVersion", "QLabel", QSize(150, 30), QSize(150, 30));
    row("lineEdit_Brand", "QLineEdit", QSize(240, 30), QSize(240, 30));
    row("lineEdit_Model", "QLineEdit", QSize(240, 30), QSize(240, 30));
    row("comboBox_Android", "QComboBox", QSize(240, 30), QSize(240, 30));
    row("label_System", "QLabel", QSize(240, 30), QSize(240, 30));
    row("label_Screen", "QLabel", QSize(0, 0), QSize(M, M));
    row("captureButton", "PZStyleButton", QSize(34, 28), QSize(34, 28));
    row("label_addPicture", "QLabel", QSize(0, 0), QSize(M, M));
    row("addImage", "PZStyleButton", QSize(34, 28), QSize(34, 28));
    row("listWidget_Screen", "QListWidget", QSize(175, 60), QSize(175, 60));
    row("listWidget_Photo", "QListWidget", QSize(175, 60), QSize(175, 60));
    row("label_line", "QLabel", QSize(0, 1), QSize(M, 1));
    row("CheckBoxAttachLog", "QCheckBox", QSize(14, 14), QSize(14, 14));
    row("label_AddLogFiles", "QLabel", QSize(0, 18), QSize(M, 18));
    row("CheckBoxAttachDB", "QCheckBox", QSize(14, 14), QSize(14, 14));
    row("label_AddDbFiles", "QLabel", QSize(0, 18), QSize(M, 18));
    row("label_Note", "QLabel", QSize(0, 0), QSize(M, M));
    row("widget_Submit", "QWidget", QSize(580, 70), QSize(M, 70));
    row("ButtonSubmit", "QPushButton", QSize(140, 34), QSize(140, 34));
    row("widget_SubView", "QWidget", QSize(580, 70), QSize(M, 70));
    row("frame", "QFrame", QSize(0, 55), QSize(M, M));
    row("label_SubStatus", "QLabel", QSize(40, 40), QSize(40, 40));
    row("label_SubTips", "QLabel", QSize(0, 0), QSize(M, M));
    row("label_SubDescribe", "QLabel", QSize(0, 30), QSize(M, M));
    row("frameLoading", "QFrame", QSize(0, 0), QSize(M, M));
    row("label_SubLoding", "QLabel", QSize(20, 20), QSize(20, 20));
    row("label_Submitting", "QLabel", QSize(0, 0), QSize(M, M));
}

void TestFeedbackForm::widgetClassAndSize()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);

    const QList<QWidget *> found = m_dialog->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QCOMPARE(found.first()->minimumSize(), minimum);
    QCOMPARE(found.first()->maximumSize(), maximum);
}

void TestFeedbackForm::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("weight");

    for (const char *name : {"LabelTitle", "LabelEmailTitle", "lineedit_EmailText", "LabelContentTitle",
                             "plainTextEdit_Content", "CheckBoxAttachLog", "CheckBoxAttachDB"})
        QTest::newRow(name) << QString::fromLatin1(name) << 10 << int(QFont::Normal);
    QTest::newRow("ButtonSubmit") << QStringLiteral("ButtonSubmit") << 15 << 50;
}

void TestFeedbackForm::fonts()
{
    QFETCH(QString, name);
    QFETCH(int, pointSize);
    QFETCH(int, weight);

    QWidget *widget = named(name);
    QVERIFY(widget);
    QCOMPARE(widget->font().family(), QStringLiteral("Segoe UI"));
    QVERIFY(widget->font().resolve() & QFont::FamilyResolved);
    QCOMPARE(widget->font().pointSize(), pointSize);
    QCOMPARE(widget->font().weight(), weight);
}

void TestFeedbackForm::layoutSpacingAndMargins_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QMargins>("margins"); // a side left to the style reads as 0 in a nested layout

    const auto row = [](const char *name, int spacing, QMargins margins) {
        QTest::newRow(name) << QString::fromLatin1(name) << spacing << margins;
    };
    row("verticalLayout_10", 0, QMargins(0, 0, 0, 0));
    row("verticalLayout_7", 0, QMargins(0, 0, 0, 0));
    row("verticalLayout_6", 0, QMargins(40, 24, 40, 0));
    row("horizontalLayout_4", 3, QMargins(0, 15, 0, 0));
    row("horizontalLayout_18", 3, QMargins(0, 0, 0, 0));
    row("verticalLayout", 6, QMargins(0, 10, 0, 15));
    row("verticalLayout_4", 0, QMargins(0, 0, 0, 5));
    row("horizontalLayout_5", 20, QMargins(0, 0, 0, 0));
    row("verticalLayout_3", 10, QMargins(0, 0, 0, 0));
    row("horizontalLayout_14", 20, QMargins(0, 0, 0, 0));
    row("horizontalLayout_12", 6, QMargins(0, 0, 0, 0));
    row("horizontalLayout_13", 6, QMargins(0, 0, 0, 0));
    row("horizontalLayout_15", 20, QMargins(0, 0, 0, 0));
    row("verticalLayout_2", 7, QMargins(0, 0, 0, 0));
    row("horizontalLayout_10", 6, QMargins(0, 0, 0, 0));
    row("horizontalLayout_8", 36, QMargins(0, 0, 0, 0));
    row("horizontalLayout_6", 6, QMargins(0, 0, 0, 0));
    row("horizontalLayout_7", 6, QMargins(0, 0, 0, 0));
    row("horizontalLayout_9", 5, QMargins(0, 0, 0, 0));
    row("verticalLayout_5", 10, QMargins(0, 0, 0, 0));
    row("horizontalLayout_16", 20, QMargins(0, 0, 0, 0));
    row("horizontalLayout", 10, QMargins(0, 0, 0, 0));
    row("horizontalLayout_2", 10, QMargins(0, 0, 0, 0));
    row("verticalLayout_8", 0, QMargins(0, 0, 0, 0));
    row("horizontalLayout_3", 0, QMargins(0, 15, 0, 20));
    row("horizontalLayout_20", 0, QMargins(0, 0, 0, 0));
    row("horizontalLayout_17", 20, QMargins(40, 0, 40, 0));
    row("verticalLayout_9", 0, QMargins(0, 0, 0, 0));
    row("horizontalLayout_19", 6, QMargins(11, 11, 11, 11));
}

void TestFeedbackForm::layoutSpacingAndMargins()
{
    QFETCH(QString, name);
    QFETCH(int, spacing);
    QFETCH(QMargins, margins);

    QLayout *layout = m_dialog->findChild<QLayout *>(name);
    QVERIFY2(layout, qPrintable(name));
    QCOMPARE(layout->spacing(), spacing);
    QCOMPARE(layout->contentsMargins(), margins);
}

namespace {

// Names of a layout's items in order; spacers read as "w x h".
QStringList itemNames(QLayout *layout)
{
    QStringList names;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget())
            names << item->widget()->objectName();
        else if (item->layout())
            names << item->layout()->objectName();
        else if (QSpacerItem *spacer = item->spacerItem())
            names << QStringLiteral("%1x%2").arg(spacer->sizeHint().width()).arg(spacer->sizeHint().height());
    }
    return names;
}

} // namespace

void TestFeedbackForm::layoutOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");

    const auto row = [](const char *name, const QString &items) {
        QTest::newRow(name) << QString::fromLatin1(name) << items.split(QLatin1Char(' '));
    };
    row("verticalLayout_10", QStringLiteral("widget_guide widget_mian"));
    row("verticalLayout_7", QStringLiteral("verticalLayout_6 20x40 widget_Submit widget_SubView"));
    row("verticalLayout_6",
        QStringLiteral("LabelTitle horizontalLayout_4 verticalLayout widget verticalLayout_2 verticalLayout_5"));
    row("horizontalLayout_4", QStringLiteral("widget_2"));
    row("horizontalLayout_18",
        QStringLiteral("LabelEmailTitle label_wrong lineedit_EmailText 5x5 label_EmailWrong 87x20"));
    row("verticalLayout", QStringLiteral("LabelContentTitle plainTextEdit_Content"));
    row("verticalLayout_4", QStringLiteral("horizontalLayout_5 verticalLayout_3"));
    row("horizontalLayout_5", QStringLiteral("comboBox WindowVersion iTunesVersion"));
    row("verticalLayout_3", QStringLiteral("horizontalLayout_14 horizontalLayout_15"));
    row("horizontalLayout_14", QStringLiteral("horizontalLayout_12 horizontalLayout_13"));
    row("horizontalLayout_12", QStringLiteral("lineEdit_Brand"));
    row("horizontalLayout_13", QStringLiteral("lineEdit_Model"));
    row("horizontalLayout_15", QStringLiteral("comboBox_Android label_System"));
    row("verticalLayout_2", QStringLiteral("horizontalLayout_10 horizontalLayout_11 label_line"));
    row("horizontalLayout_10", QStringLiteral("horizontalLayout_8 40x20"));
    row("horizontalLayout_8", QStringLiteral("horizontalLayout_6 horizontalLayout_7"));
    row("horizontalLayout_6", QStringLiteral("label_Screen captureButton 40x20"));
    row("horizontalLayout_7", QStringLiteral("label_addPicture addImage 40x20"));
    row("horizontalLayout_11", QStringLiteral("horizontalLayout_9 40x20"));
    row("horizontalLayout_9", QStringLiteral("listWidget_Screen listWidget_Photo"));
    row("verticalLayout_5", QStringLiteral("horizontalLayout_16 label_Note"));
    row("horizontalLayout_16", QStringLiteral("horizontalLayout horizontalLayout_2 40x20"));
    row("horizontalLayout", QStringLiteral("CheckBoxAttachLog label_AddLogFiles"));
    row("horizontalLayout_2", QStringLiteral("CheckBoxAttachDB label_AddDbFiles"));
    row("horizontalLayout_3", QStringLiteral("40x20 ButtonSubmit 40x20"));
    row("horizontalLayout_20", QStringLiteral("frame frameLoading"));
    row("horizontalLayout_17", QStringLiteral("label_SubStatus verticalLayout_9"));
    row("verticalLayout_9", QStringLiteral("label_SubTips label_SubDescribe"));
    row("horizontalLayout_19", QStringLiteral("40x20 label_SubLoding label_Submitting 40x20"));
}

void TestFeedbackForm::layoutOrder()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);

    QLayout *layout = m_dialog->findChild<QLayout *>(name);
    QVERIFY2(layout, qPrintable(name));
    QCOMPARE(itemNames(layout), items);
}

void TestFeedbackForm::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *tag, const char *name, const char *property, const QString &text) {
        QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(property) << text;
    };
    row("LabelTitle", "LabelTitle", "text", QString());
    row("LabelEmailTitle", "LabelEmailTitle", "text", QStringLiteral("Email:"));
    row("label_wrong", "label_wrong", "text", QStringLiteral("*"));
    row("address placeholder", "lineedit_EmailText", "placeholderText", QStringLiteral("Enter your email address"));
    row("label_EmailWrong", "label_EmailWrong", "text", QStringLiteral("Invalid email address!"));
    row("LabelContentTitle", "LabelContentTitle", "text", QStringLiteral("Content:"));
    row("content placeholder ends in U+2026", "plainTextEdit_Content", "placeholderText",
        QStringLiteral("Write your comments, suggestions, or questions here") + QChar(0x2026));
    row("WindowVersion", "WindowVersion", "text", QStringLiteral("Computer OS:"));
    row("iTunesVersion has a leading blank and U+FF1A", "iTunesVersion", "text",
        QStringLiteral(" iTunes Version") + QChar(0xFF1A));
    row("label_System", "label_System", "text", QStringLiteral("Computer OS:"));
    row("label_Screen", "label_Screen", "text", QStringLiteral("Screen capture:"));
    row("captureButton", "captureButton", "text", QString());
    row("label_addPicture", "label_addPicture", "text", QStringLiteral("Attach pictures:"));
    row("addImage", "addImage", "text", QString());
    row("label_line", "label_line", "text", QString());
    row("CheckBoxAttachLog has no text", "CheckBoxAttachLog", "text", QString());
    row("label_AddLogFiles has a trailing blank", "label_AddLogFiles", "text", QStringLiteral("Attach Log Files "));
    row("CheckBoxAttachDB has no text", "CheckBoxAttachDB", "text", QString());
    row("label_AddDbFiles has a trailing blank", "label_AddDbFiles", "text",
        QStringLiteral("Attach Database Files "));
    row("label_Note", "label_Note", "text",
        QStringLiteral("Note: Database files include the personal data on your device or in your backup files."));
    row("ButtonSubmit", "ButtonSubmit", "text", QString());
    row("label_SubStatus", "label_SubStatus", "text", QString());
    row("label_SubTips", "label_SubTips", "text", QStringLiteral("Submitted Successfully!"));
    row("label_SubDescribe", "label_SubDescribe", "text", QStringLiteral("TextLabel"));
    row("label_SubLoding", "label_SubLoding", "text", QString());
    row("label_Submitting", "label_Submitting", "text", QStringLiteral("Submitting..."));
}

void TestFeedbackForm::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QString, text);

    QWidget *widget = named(name);
    QVERIFY(widget);
    const QVariant value = widget->property(property.toLatin1().constData());
    QVERIFY(value.isValid());
    QCOMPARE(value.toString(), text);
}

void TestFeedbackForm::windowIsFixed()
{
    QCOMPARE(m_dialog->objectName(), QStringLiteral("CFeedback"));
    QCOMPARE(m_dialog->size(), QSize(590, 645));
    QCOMPARE(m_dialog->minimumSize(), QSize(590, 645));
    QCOMPARE(m_dialog->maximumSize(), QSize(590, 645));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Feedback"));
    m_dialog->resize(800, 800);
    QCOMPARE(m_dialog->size(), QSize(590, 645));
}

void TestFeedbackForm::comboBoxesHoldOneCaption()
{
    QCOMPARE(m_ui.comboBox->count(), 1);
    QCOMPARE(m_ui.comboBox->itemText(0), QStringLiteral("iOS Version:"));
    QCOMPARE(m_ui.comboBox_Android->count(), 1);
    QCOMPARE(m_ui.comboBox_Android->itemText(0), QStringLiteral("Android Version:"));
    // Running the texts again must not pile up captions.
    m_ui.retranslateUi(m_dialog.get());
    QCOMPARE(m_ui.comboBox->count(), 1);
    QCOMPARE(m_ui.comboBox_Android->count(), 1);
}

void TestFeedbackForm::looksAndStretch()
{
    QCOMPARE(m_ui.verticalLayout_10->stretch(1), 1);
    QCOMPARE(m_ui.widget_guide->toolTipDuration(), -1);
    QCOMPARE(m_ui.widget_guide->font().family(), QStringLiteral("Segoe UI"));
    QCOMPARE(m_ui.label_wrong->styleSheet(), QStringLiteral("color: rgb(250, 98, 75);"));
    QCOMPARE(m_ui.CheckBoxAttachLog->styleSheet(), QStringLiteral("color: rgb(120, 120, 120);"));
    QCOMPARE(m_ui.CheckBoxAttachDB->styleSheet(), QStringLiteral("color: rgb(120, 120, 120);"));
    QVERIFY(m_ui.label_EmailWrong->wordWrap());
    QVERIFY(m_ui.label_Note->wordWrap());
    QVERIFY(m_ui.label_SubDescribe->wordWrap());
    QCOMPARE(m_ui.label_Submitting->indent(), 0);
    QCOMPARE(m_ui.frame->frameShadow(), QFrame::Plain);
    QCOMPARE(m_ui.comboBox->iconSize(), QSize(24, 16));
    QCOMPARE(m_ui.comboBox_Android->iconSize(), QSize(24, 16));
    QCOMPARE(m_ui.plainTextEdit_Content->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(m_ui.plainTextEdit_Content->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(m_ui.plainTextEdit_Content->document()->maximumBlockCount(), 0);
    QCOMPARE(m_ui.plainTextEdit_Content->tabStopDistance(), 0.0);
    // The spacer beside the address field is fixed, the one after the error text grows.
    QCOMPARE(m_ui.horizontalSpacer_5->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(m_ui.horizontalSpacer_6->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(m_ui.verticalSpacer->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
}

QTEST_MAIN(TestFeedbackForm)
#include "tst_feedback_form.moc"
