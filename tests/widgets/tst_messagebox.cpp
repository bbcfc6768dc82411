#include "pzmessagebox.h"
#include "pzstylewidgettitle.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

QPushButton *okButton(QWidget *box)
{
    return box->findChild<QPushButton *>(QStringLiteral("pushButton_ok"));
}

PZStyleWidgetTitle *titleBar(QWidget *box)
{
    return box->findChild<PZStyleWidgetTitle *>(QStringLiteral("widget"));
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void caption_data();
    void caption();
    void longMessageWraps();
    void closing_data();
    void closing();
};

void TestMessageBox::caption_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty-title") << QString() << "Note";
    QTest::newRow("given-title") << "Attention" << "Attention";
    QTest::newRow("blank-title-kept") << " " << " ";
}

void TestMessageBox::caption()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);

    PZMessageBox box(QStringLiteral("Failed to upload pictures! Please try again."), title);
    PZStyleWidgetTitle *bar = titleBar(&box);
    QVERIFY(bar);
    auto *caption = bar->findChild<QLabel *>(QStringLiteral("label_title"));
    QVERIFY(caption);
    QCOMPARE(caption->text(), shown);
    // The box takes its title bar's look from the application sheet alone.
    QVERIFY(bar->styleSheet().isEmpty());

    auto *message = box.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(message);
    QCOMPARE(message->text(), QStringLiteral("Failed to upload pictures! Please try again."));
    QCOMPARE(box.size(), QSize(430, 200));
    QCOMPARE(okButton(&box)->text(), QStringLiteral("OK"));
}

void TestMessageBox::longMessageWraps()
{
    const QString text = QStringLiteral("A message long enough that it cannot possibly fit on a single line "
                                        "of a label three hundred and fifty one pixels wide.");
    PZMessageBox box(text, QString());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *message = box.findChild<QLabel *>(QStringLiteral("label"));
    QCOMPARE(message->width(), 351);
    QVERIFY(message->wordWrap());
    QVERIFY(message->heightForWidth(351) >= 2 * message->fontMetrics().height());
    QCOMPARE(message->alignment(), Qt::Alignment(Qt::AlignCenter));
    // Title bar on top of the body, both inside the shadow margin.
    QCOMPARE(titleBar(&box)->geometry(), QRect(5, 5, 420, 35));
}

void TestMessageBox::closing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("closes");

    QTest::newRow("ok-button") << "ok" << true;
    QTest::newRow("title-close-button") << "close" << true;
    // Keys go where the keyboard is: OK has it.
    QTest::newRow("escape") << "escape" << true;
    QTest::newRow("return-on-ok") << "return" << true;
    QTest::newRow("space-on-ok") << "space" << true;
}

void TestMessageBox::closing()
{
    QFETCH(QString, action);
    QFETCH(bool, closes);

    QPointer<PZMessageBox> box = new PZMessageBox(QStringLiteral("Message"), QString());
    box->setAttribute(Qt::WA_DeleteOnClose);

    bool stillOpenAfterAction = false;
    bool ran = false;
    QTimer::singleShot(0, this, [&] {
        ran = true;
        if (!box)
            return;
        if (action == QLatin1String("ok")) {
            QTest::mouseClick(okButton(box), Qt::LeftButton);
        } else if (action == QLatin1String("close")) {
            QTest::mouseClick(titleBar(box)->findChild<QPushButton *>(QStringLiteral("btn_close")),
                              Qt::LeftButton);
        } else {
            const Qt::Key key = action == QLatin1String("escape")   ? Qt::Key_Escape
                                : action == QLatin1String("return") ? Qt::Key_Return
                                                                    : Qt::Key_Space;
            QTest::keyClick(box->focusWidget(), key);
        }
        if (box && box->isVisible()) {
            stillOpenAfterAction = true;
            // Let the modal run end so that the test can go on.
            QTest::mouseClick(okButton(box), Qt::LeftButton);
        }
    });
    // A safety net: a box that never closes must not hang the test run.
    QTimer::singleShot(5000, this, [&] {
        if (box)
            box->done(-1);
    });

    const int result = box->exec();
    QVERIFY(ran);
    QCOMPARE(stillOpenAfterAction, !closes);
    QVERIFY(result != -1);
    QCOMPARE(result, int(QDialog::Rejected));
    // Deleted as soon as the modal run ends.
    QVERIFY(box.isNull());
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
