// The translation named by Language/language, compiled at test time with lrelease.

#include "cfeedback.h"
#include "pzstyledialog.h"
#include "pzstylebutton.h"
#include "pzstylewidgettitle.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

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

QTEST_MAIN(TestFeedbackTranslation)
#include "tst_feedback_translation.moc"
