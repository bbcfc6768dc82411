// The translation named by Language/language, the shipped translations, and
// the window by keyboard and through the accessibility interface.

#include "cfeedback.h"
#include "previewpanel.h"
#include "cpictureeditor.h"
#include "creportdetails.h"
#include "hostinfo.h"
#include "imgview.h"
#include "pzmessagebox.h"
#include "pzstyledialog.h"
#include "pzstylebutton.h"
#include "pzstylewidgettitle.h"
#include "skinconfig.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDomDocument>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTestAccessibility>
#include <QTranslator>
#include <QtTest>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <memory>

namespace {

// A few translated texts; the ones with odd characters prove that the source
// texts match the compiled-in ones exactly.
QByteArray translationSource(const QByteArray &language)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"")
           + language + QByteArray("\">\n<context>\n<name>CFeedback</name>\n")
           + QByteArray("<message><source>Email:</source><translation>[Email]</translation></message>\n"
                        "<message><source>Submit</source><translation>[Submit]</translation></message>\n"
                        "<message><source>Crash Report</source><translation>[Crash]</translation></message>\n"
                        "<message><source> iTunes Version\xef\xbc\x9a</source><translation>[iTunes]</translation></message>\n"
                        "<message><source>Write your comments, suggestions, or questions here\xe2\x80\xa6</source>"
                        "<translation>[Ellipsis]</translation></message>\n"
                        "<message><source>Failed to submit your feedback.</source><translation>[Failed]</translation></message>\n"
                        "</context>\n</TS>\n");
}

QString sourcePath(const QString &relative)
{
    return QStringLiteral(FEEDBACK_SOURCE_DIR "/") + relative;
}

// Place markers and link targets, which a translation keeps; the count
// marker only where the plural form uses it.
QStringList markers(const QString &text, bool withCount)
{
    static const QRegularExpression pattern(QStringLiteral("%[0-9n]|href\\s*=\\s*\"[^\"]*\""));
    QStringList found;
    QRegularExpressionMatchIterator it = pattern.globalMatch(text);
    while (it.hasNext()) {
        const QString marker = it.next().captured();
        if (withCount || marker != QLatin1String("%n"))
            found << marker;
    }
    found.sort();
    return found;
}

// Calls visit with each <message> of a .ts file; false when it does not read.
bool forEachMessage(const QString &tsPath, const std::function<void(const QDomElement &)> &visit)
{
    QFile file(tsPath);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return false;
    const QDomNodeList messages = document.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.count(); ++i)
        visit(messages.at(i).toElement());
    return true;
}

// Entries of a .ts file that are unfinished or empty, or lost a marker.
QStringList incompleteEntries(const QString &tsPath)
{
    QStringList problems;
    const bool read = forEachMessage(tsPath, [&problems](const QDomElement &message) {
        const QString source = message.firstChildElement(QStringLiteral("source")).text();
        const QDomElement translation = message.firstChildElement(QStringLiteral("translation"));
        const QDomNodeList plurals = translation.elementsByTagName(QStringLiteral("numerusform"));
        QStringList forms;
        for (int f = 0; f < plurals.count(); ++f)
            forms << plurals.at(f).toElement().text();
        if (plurals.isEmpty())
            forms << translation.text();
        if (translation.hasAttribute(QStringLiteral("type")))
            problems << translation.attribute(QStringLiteral("type")) + QStringLiteral(": ") + source;
        for (const QString &form : forms) {
            if (form.isEmpty() || markers(form, plurals.isEmpty()) != markers(source, plurals.isEmpty()))
                problems << QStringLiteral("%1 -> %2").arg(source, form);
        }
    });
    return read ? problems : QStringList{QStringLiteral("unreadable")};
}

// Contexts and source texts of a .ts file's entries with plural forms.
QList<std::pair<QByteArray, QByteArray>> numerusEntries(const QString &tsPath)
{
    QList<std::pair<QByteArray, QByteArray>> found;
    forEachMessage(tsPath, [&found](const QDomElement &message) {
        if (message.attribute(QStringLiteral("numerus")) == QLatin1String("yes"))
            found.append({message.parentNode().firstChildElement(QStringLiteral("name")).text().toUtf8(),
                          message.firstChildElement(QStringLiteral("source")).text().toUtf8()});
    });
    return found;
}

// Visible texts of a window that do not fit: a line wider than its widget,
// wrapped text taller than its widget, or a widget reaching out of the window.
// The machine's own name for its system is not ours (its label has a tool tip).
QStringList overflowingTexts(QWidget *window)
{
    static const QString systemName = HostInfo::windowsProductName();
    QStringList found;
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisible() || widget->window() != window)
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        QString text;
        bool fits = true;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : label->sizeHint().width() <= label->width();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            fits = button->sizeHint().width() <= button->width();
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            // What the field needs besides its text: its hint is 17 "x" wide.
            text = edit->placeholderText();
            const int frame = edit->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
            fits = metrics.horizontalAdvance(text) + frame <= edit->width();
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            text = combo->currentText();
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.currentText = text;
            const QSize needed = combo->style()->sizeFromContents(
                QStyle::CT_ComboBox, &option, QSize(metrics.horizontalAdvance(text), metrics.height()), combo);
            fits = needed.width() <= combo->width();
        }
        if (text.isEmpty() || text == systemName)
            continue;
        const QRect placed(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (!fits || !window->rect().contains(placed))
            found << QStringLiteral("%1 (%2 px wide): %3").arg(widget->objectName()).arg(widget->width()).arg(text);
    }
    return found;
}

QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QString();
}

} // namespace

class TestFeedbackTranslation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void language_data();
    void language();
    void formTextsMatchTheSourceTexts();
    void shippedLanguage_data();
    void shippedLanguage();
    void tabWalksInReadingOrder();
    void keysActivate();
    void accessibleNames_data();
    void accessibleNames();
    void appearingTextsAreAnnounced();

private:
    bool compileTranslation(const QByteArray &language, const QString &qmName);
    QString m_qmFolder;
};

void TestFeedbackTranslation::init()
{
    WindowTest::cleanAppDir();
    WindowTest::setSkinSettings("{}");
    m_qmFolder = WindowTest::appDir() + QStringLiteral("/FeedbackRes/QM");
}

void TestFeedbackTranslation::cleanup()
{
    qApp->setStyleSheet(QString());
    QCoreApplication::removeTranslator(&CFeedback::translator());
    QApplication::setLayoutDirection(Qt::LeftToRight);
    WindowTest::cleanAppDir();
}

bool TestFeedbackTranslation::compileTranslation(const QByteArray &language, const QString &qmName)
{
    QTemporaryDir work;
    const QString ts = work.path() + QStringLiteral("/feedback.ts");
    if (!TestSupport::writeFile(ts, translationSource(language)))
        return false;
    QDir().mkpath(m_qmFolder);
    QByteArray output;
    const int code = TestSupport::runProgram(QStringLiteral(FEEDBACK_LRELEASE),
                                             {ts, QStringLiteral("-qm"), m_qmFolder + QLatin1Char('/') + qmName},
                                             &output, 30000);
    if (code != 0)
        qWarning() << "lrelease failed:" << output;
    return code == 0 && QFile::exists(m_qmFolder + QLatin1Char('/') + qmName);
}

void TestFeedbackTranslation::language_data()
{
    QTest::addColumn<QByteArray>("languageFile"); // "<none>": no file
    QTest::addColumn<QString>("qmName");          // empty: no translation file
    QTest::addColumn<bool>("validQm");            // false: the file holds junk
    QTest::addColumn<bool>("translated");
    QTest::addColumn<bool>("rightToLeft");

    const auto row = [](const char *tag, const QByteArray &language, const char *qm, bool valid, bool translated,
                        bool rightToLeft) {
        QTest::newRow(tag) << language << QString::fromLatin1(qm) << valid << translated << rightToLeft;
    };
    row("Arabic with its translation", "Arabic", "Feedback_Arabic.qm", true, true, true);
    row("Arabic without a translation file", "Arabic", "", true, false, false);
    row("Arabic with an unreadable translation file is mirrored", "Arabic", "Feedback_Arabic.qm", false, false,
        true);
    row("Arabic ending in a line break", "Arabic\n", "Feedback_Arabic.qm", true, false, false);
    row("Arabic ending in CR LF", "Arabic\r\n", "Feedback_Arabic.qm", true, false, false);
    row("German is not mirrored", "German", "Feedback_German.qm", true, true, false);
    row("arabic in small letters is not mirrored", "arabic", "Feedback_arabic.qm", true, true, false);
    row("empty language file", "", "Feedback_.qm", true, false, false);
    row("no language file", "<none>", "Feedback_Arabic.qm", true, false, false);
}

void TestFeedbackTranslation::language()
{
    QFETCH(QByteArray, languageFile);
    QFETCH(QString, qmName);
    QFETCH(bool, validQm);
    QFETCH(bool, translated);
    QFETCH(bool, rightToLeft);

    if (languageFile != "<none>")
        QVERIFY(TestSupport::writeFile(WindowTest::appDir() + QStringLiteral("/Language/language"), languageFile));
    if (!qmName.isEmpty() && validQm)
        QVERIFY(compileTranslation("ar", qmName));
    else if (!qmName.isEmpty())
        QVERIFY(TestSupport::writeFile(m_qmFolder + QLatin1Char('/') + qmName, "not a translation\n"));

    CFeedback window(false, QString(), QStringLiteral("C:/A/Tool.exe"));
    const Ui_CFeedback &ui = window.form();
    QCOMPARE(ui.LabelEmailTitle->text(), translated ? QStringLiteral("[Email]") : QStringLiteral("Email:"));
    QCOMPARE(ui.ButtonSubmit->text(), translated ? QStringLiteral("[Submit]") : QStringLiteral("Submit"));
    QCOMPARE(ui.widget_guide->titleLabel()->text(),
             translated ? QStringLiteral("[Crash]") : QStringLiteral("Crash Report"));
    // Texts without a translation stay English.
    QCOMPARE(ui.LabelContentTitle->text(), QStringLiteral("Content:"));
    QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    window.SlotNetWorkFail();
    QCOMPARE(ui.label_SubTips->text(),
             translated ? QStringLiteral("[Failed]") : QStringLiteral("Failed to submit your feedback."));
}

void TestFeedbackTranslation::formTextsMatchTheSourceTexts()
{
    QVERIFY(TestSupport::writeFile(WindowTest::appDir() + QStringLiteral("/Language/language"), "Arabic"));
    QVERIFY(compileTranslation("ar", QStringLiteral("Feedback_Arabic.qm")));
    CFeedback window(true, QString(), QStringLiteral("C:/A/Tool.exe"));

    // A bare form built while the translator is installed: the window replaces
    // these two texts during its own set-up.
    PZStyleDialog dialog;
    Ui_CFeedback ui;
    ui.setupUi(&dialog);
    QCOMPARE(ui.iTunesVersion->text(), QStringLiteral("[iTunes]"));
    QCOMPARE(ui.plainTextEdit_Content->placeholderText(), QStringLiteral("[Ellipsis]"));
    // The window's own placeholder uses three full stops and has no translation here.
    QCOMPARE(window.form().plainTextEdit_Content->placeholderText(),
             QStringLiteral("Write your comments, suggestions, or questions here..."));
}

// One row per shipped translation, found by its source file.
void TestFeedbackTranslation::shippedLanguage_data()
{
    QTest::addColumn<QString>("language");
    const QStringList sources =
        QDir(sourcePath(QStringLiteral("translations"))).entryList({QStringLiteral("Feedback_*.ts")}, QDir::Files);
    for (const QString &source : sources) {
        const QString language = source.mid(9, source.size() - 12);
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestFeedbackTranslation::shippedLanguage()
{
    QFETCH(QString, language);
    const QString source = sourcePath(QStringLiteral("translations/Feedback_%1.ts").arg(language));

    // In step with the sources: lupdate on a copy adds and removes nothing.
    QTemporaryDir work;
    const QString copy = work.path() + QStringLiteral("/copy.ts");
    QVERIFY(QFile::copy(source, copy));
    QByteArray output;
    // English is the sources' language: its file holds the plural forms only.
    const bool english = language == QLatin1String("English");
    QStringList arguments = QStringLiteral(FEEDBACK_LUPDATE_ARGUMENTS).split(QLatin1Char('|'));
    if (english)
        arguments << QStringLiteral("-pluralonly");
    arguments << QStringLiteral("-ts") << copy;
    QCOMPARE(TestSupport::runProgram(QStringLiteral(FEEDBACK_LUPDATE), arguments, &output), 0);
    QVERIFY2(TestSupport::readFile(copy) == TestSupport::readFile(source),
             "lupdate changes the file: build the target update_translations and translate what it adds");
    const QStringList incomplete = incompleteEntries(source);
    QVERIFY2(incomplete.isEmpty(), qPrintable(incomplete.join(QLatin1Char('\n'))));

    // The compiled file loads, and the window in that language keeps every
    // text inside its widget, in the fonts this machine has.
    const QString qm = TestSupport::buildDir() + QStringLiteral("/FeedbackRes/QM/Feedback_%1.qm").arg(language);
    QTranslator probe;
    QVERIFY(probe.load(qm));
    QVERIFY(!probe.isEmpty());
    QDir().mkpath(m_qmFolder);
    QVERIFY(QFile::copy(qm, m_qmFolder + QStringLiteral("/Feedback_%1.qm").arg(language)));
    if (english) {
        // With no language named, a count reads "1 file", "2 files".
        const auto entries = numerusEntries(source);
        QVERIFY(!entries.isEmpty());
        CFeedback window(true, QString(), QStringLiteral("C:/A/Tool.exe"));
        for (const auto &[context, text] : entries) {
            const QString one = QCoreApplication::translate(context.constData(), text.constData(), nullptr, 1);
            const QString two = QCoreApplication::translate(context.constData(), text.constData(), nullptr, 2);
            QVERIFY2(one.contains(QLatin1Char('1')) && two.contains(QLatin1Char('2')), text.constData());
            QVERIFY2(!one.contains(QLatin1Char('(')) && !two.contains(QLatin1Char('(')), qPrintable(one + " / " + two));
        }
        return;
    }
    QVERIFY(TestSupport::writeFile(WindowTest::appDir() + QStringLiteral("/Language/language"), language.toUtf8()));
    if (TestSupport::underWine())
        QSKIP("the texts' room is measured in Windows' own fonts, which Wine does not have");
    qApp->setStyleSheet(SkinConfig::readStyleSheet(sourcePath(QStringLiteral("FeedbackRes/skin/qss/Feedback.qss"))));

    QVERIFY(WindowTest::writePicture(WindowTest::appDir() + QStringLiteral("/picture.png"), "PNG"));
    QVERIFY(TestSupport::writeFile(WindowTest::appDir() + QStringLiteral("/Log/app.log"),
                                   "login jane@example.org password=hunter22 /home/jane/x\n"));
    CFeedback window(false, QStringLiteral("user@example.com"), QStringLiteral("C:/A/Tool.exe"));
    QString failure;
    window.seams().messageBox = [&failure](const QString &text, const QString &) { failure = text; };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.form().ButtonSubmit->text() != QLatin1String("Submit"));
    const auto fits = [](QWidget *shown, const char *state) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); // what was just shown is laid out
        const QStringList overflowing = overflowingTexts(shown);
        if (!overflowing.isEmpty())
            qWarning("%s: %s", state, qPrintable(overflowing.join(QStringLiteral(" | "))));
        return overflowing.isEmpty();
    };
    QVERIFY(fits(&window, "form"));

    window.form().lineedit_EmailText->setText(QStringLiteral("not an address"));
    window.SlotJudgeEmailValid();
    QVERIFY(fits(&window, "address error"));
    window.form().lineedit_EmailText->setText(QStringLiteral("user@example.com"));
    window.SlotJudgeEmailValid();

    window.addPicture(source); // not a picture
    PZMessageBox box(failure, window.reportContext().productName);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(fits(&box, "message box"));
    box.close();

    CPictureEditor editor(WindowTest::appDir() + QStringLiteral("/picture.png"), QString());
    QVERIFY(editor.isLoaded());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QVERIFY(fits(&editor, "picture editor"));
    editor.close();

    window.previewPanel().showDetails();
    auto *details = window.findChild<CReportDetails *>();
    QVERIFY(details);
    QVERIFY(QTest::qWaitForWindowExposed(details));
    // With what the logs hold counted, and the choice to mask it.
    QTRY_VERIFY(details->findChild<QCheckBox *>(QStringLiteral("checkBox_MaskLogs"))->isVisible());
    QVERIFY(fits(details, "details"));
    details->close();

    // Nothing answers at the addresses of the test: the delivery fails.
    window.SlotSendEmail();
    QVERIFY(fits(&window, "sending"));
    QTRY_VERIFY_WITH_TIMEOUT(window.submitState() > 2 && !window.sendThread(), 60000);
    QVERIFY(fits(&window, "failure"));
    window.SlotOtherFail();
    QVERIFY(fits(&window, "other failure"));
    window.SlotSendSuccess();
    QVERIFY(fits(&window, "success"));
}

// Tab from the address field visits every control once, each below or after
// the one before (mirrored in Arabic), and ends at the window's close button;
// Shift+Tab walks back.
void TestFeedbackTranslation::tabWalksInReadingOrder()
{
    CFeedback window(true, QString(), QStringLiteral("C:/A/Tool.exe"));
    const QString picture = WindowTest::appDir() + QStringLiteral("/picture.png");
    QVERIFY(WindowTest::writePicture(picture, "PNG"));
    window.addPicture(picture);
    window.addScreenshot(picture);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.form().lineedit_EmailText->setFocus();
    // Submit is enabled by an address.
    QTest::keyClicks(window.form().lineedit_EmailText, QStringLiteral("user@example.com"));

    QList<QWidget *> walk{QApplication::focusWidget()};
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == walk.first())
            break;
        walk << QApplication::focusWidget();
    }
    QCOMPARE(walk.first(), window.form().lineedit_EmailText);
    QCOMPARE(walk.last(), window.form().widget_guide->closeButton());
    for (int i = 1; i + 1 < walk.size(); ++i) {
        const QRect before(walk.at(i - 1)->mapTo(&window, QPoint()), walk.at(i - 1)->size());
        const QRect now(walk.at(i)->mapTo(&window, QPoint()), walk.at(i)->size());
        const bool sameRow = now.top() < before.bottom() && before.top() < now.bottom();
        QVERIFY2(sameRow ? now.left() > before.left() : now.top() >= before.top(),
                 qPrintable(walk.at(i - 1)->objectName() + QStringLiteral(" before ") + walk.at(i)->objectName()));
    }
    // Every control the keyboard can reach is in the walk, and named.
    const auto widgets = window.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)
            && !widget->focusProxy() && widget->window() == &window)
            QVERIFY2(walk.contains(widget), qPrintable(widget->objectName()));
    }
    for (QWidget *widget : qAsConst(walk))
        QVERIFY2(!accessibleText(widget, QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));

    for (int i = walk.size() - 1; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), walk.at(i));
    }
}

// Enter in the comment is a line break, Ctrl+Enter submits; Space follows a
// link; Escape closes the dialog it opened.
void TestFeedbackTranslation::keysActivate()
{
    CFeedback window(true, QStringLiteral("user@example.com"), QStringLiteral("C:/A/Tool.exe"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const Ui_CFeedback &ui = window.form();

    QLabel *detailsLink = window.findChild<QLabel *>(QStringLiteral("label_WhatIsSent"));
    detailsLink->setFocus(Qt::TabFocusReason);
    QTest::keyClick(detailsLink, Qt::Key_Space);
    QPointer<CReportDetails> details = window.findChild<CReportDetails *>();
    QVERIFY(details);
    QVERIFY(QTest::qWaitForWindowActive(details));
    QTest::keyClick(details->focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!details);

    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ui.plainTextEdit_Content->setFocus();
    QTest::keyClicks(ui.plainTextEdit_Content, QStringLiteral("first"));
    QTest::keyClick(ui.plainTextEdit_Content, Qt::Key_Return);
    QTest::keyClicks(ui.plainTextEdit_Content, QStringLiteral("second"));
    QCOMPARE(ui.plainTextEdit_Content->toPlainText(), QStringLiteral("first\nsecond"));
    QCOMPARE(window.submitState(), 0);
    QTest::keyClick(ui.plainTextEdit_Content, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(window.submitState(), 1);
    QCOMPARE(ui.plainTextEdit_Content->toPlainText(), QStringLiteral("first\nsecond"));
    QTRY_VERIFY_WITH_TIMEOUT(!window.sendThread(), 60000);
}

// Each control reads as the caption beside it, or has a name of its own
// (icon-only buttons, tiles); descriptions where the form shows a hint.
void TestFeedbackTranslation::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption"); // the label that shows its name; empty: none on screen
    QTest::addColumn<bool>("described");

    QTest::newRow("address") << "lineedit_EmailText" << "LabelEmailTitle" << true;
    QTest::newRow("comment") << "plainTextEdit_Content" << "LabelContentTitle" << true;
    QTest::newRow("iOS version") << "comboBox" << "" << false;
    QTest::newRow("Android version") << "comboBox_Android" << "" << false;
    QTest::newRow("brand") << "lineEdit_Brand" << "" << true;
    QTest::newRow("model") << "lineEdit_Model" << "" << true;
    QTest::newRow("capture, icon only") << "captureButton" << "label_Screen" << true;
    QTest::newRow("pictures, icon only") << "addImage" << "label_addPicture" << false;
    QTest::newRow("screenshot tile") << "listWidget_Screen/pushButton" << "" << false;
    QTest::newRow("picture tile") << "listWidget_Photo/pushButton" << "" << false;
    QTest::newRow("log files") << "CheckBoxAttachLog" << "label_AddLogFiles" << false;
    QTest::newRow("database files") << "CheckBoxAttachDB" << "label_AddDbFiles" << true;
    QTest::newRow("what is sent") << "label_WhatIsSent" << "" << false;
    QTest::newRow("submit") << "ButtonSubmit" << "" << false;
    QTest::newRow("close, icon only") << "btn_close" << "" << false;
}

void TestFeedbackTranslation::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(bool, described);

    CFeedback window(true, QString(), QStringLiteral("C:/A/Tool.exe"));
    const QString picture = WindowTest::appDir() + QStringLiteral("/holiday.png");
    QVERIFY(WindowTest::writePicture(picture, "PNG"));
    window.addPicture(picture);
    window.addScreenshot(picture);
    QWidget *widget = nullptr;
    if (control.contains(QLatin1Char('/'))) {
        auto *list = window.findChild<QListWidget *>(control.section(QLatin1Char('/'), 0, 0));
        auto *tile = qobject_cast<ImgView *>(list->itemWidget(list->item(list->count() - 1)));
        QVERIFY(tile);
        widget = tile->closeButton();
        // The tile says which picture it is, and its button what it removes.
        QVERIFY(!accessibleText(tile, QAccessible::Name).isEmpty());
        QVERIFY(accessibleText(widget, QAccessible::Name).contains(accessibleText(tile, QAccessible::Name)));
    } else {
        widget = window.findChild<QWidget *>(control);
    }
    QVERIFY(widget);
    const QString name = accessibleText(widget, QAccessible::Name);
    QVERIFY(!name.trimmed().isEmpty());
    if (!caption.isEmpty())
        QVERIFY2(window.findChild<QLabel *>(caption)->text().startsWith(name), qPrintable(name));
    QCOMPARE(!accessibleText(widget, QAccessible::Description).isEmpty(), described);
}

// The address error and the result page speak up when they appear.
void TestFeedbackTranslation::appearingTextsAreAnnounced()
{
    // As a screen reader does; the offscreen platform has nobody listening.
    QTestAccessibility::initialize();
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    CFeedback window(true, QString(), QStringLiteral("C:/A/Tool.exe"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Ui_CFeedback &ui = window.form();
    const auto alerted = [](QWidget *widget) {
        const auto events = QTestAccessibility::events();
        for (const QAccessibleEvent *event : events) {
            if (event->type() == QAccessible::Alert && event->object() == widget)
                return true;
        }
        return false;
    };

    QTestAccessibility::clearEvents();
    ui.lineedit_EmailText->setText(QStringLiteral("user@example"));
    window.SlotJudgeEmailValid();
    QVERIFY(alerted(ui.label_EmailWrong));
    QCOMPARE(accessibleText(ui.lineedit_EmailText, QAccessible::Description), ui.label_EmailWrong->text());

    QTestAccessibility::clearEvents();
    window.SlotNetWorkFail();
    QVERIFY(alerted(ui.frame));
    QCOMPARE(accessibleText(ui.frame, QAccessible::Name), ui.label_SubTips->text());
    QVERIFY(accessibleText(ui.frame, QAccessible::Description).contains(QStringLiteral("try again")));
    QTestAccessibility::clearEvents();
    platform->setActive(false);
}

QTEST_MAIN(TestFeedbackTranslation)
#include "tst_feedback_translation.moc"
