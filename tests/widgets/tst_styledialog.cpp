#include "pzstyledialog.h"
#include "pzstylewidget.h"
#include "pzstylewidgettitle.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// Paints the dialog the way the window system would composite it: onto a
// fully transparent surface, with no window background.
QImage paintDialog(PZStyleDialog &dialog)
{
    QImage image(dialog.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    dialog.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A window that records the mouse events that reach it.
class RecordingWindow : public QWidget
{
public:
    int presses = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

// A window whose close tears down its title bar at once, before control
// returns to the close button's handler.
class TearDownWindow : public QWidget
{
public:
    QPointer<PZStyleWidgetTitle> title;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        delete title.data();
        QWidget::closeEvent(event);
    }
};

} // namespace

class TestStyleDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void shadowRings_data();
    void shadowRings();
    void corners_data();
    void corners();
    void radiusFollowsApplication();

    void keysDoNotClose_data();
    void keysDoNotClose();

    void closeButton_data();
    void closeButton();
    void closeButtonWithoutParent();
    void closeButtonWhenWindowDestroysBar();
    void titleRadiusFixedAtConstruction_data();
    void titleRadiusFixedAtConstruction();

    void mouseStaysInWidget_data();
    void mouseStaysInWidget();
};

void TestStyleDialog::cleanup()
{
    qApp->setProperty("dlgRadius", QVariant());
}

void TestStyleDialog::shadowRings_data()
{
    QTest::addColumn<QVariant>("radius");
    QTest::newRow("unset") << QVariant();
    QTest::newRow("zero") << QVariant(0);
    QTest::newRow("radius-8") << QVariant(8);
}

void TestStyleDialog::shadowRings()
{
    QFETCH(QVariant, radius);
    qApp->setProperty("dlgRadius", radius);

    PZStyleDialog dialog;
    dialog.resize(120, 90);
    const QImage image = paintDialog(dialog);
    const int w = image.width();
    const int h = image.height();
    const int midX = w / 2;
    const int midY = h / 2;

    // Body: opaque white from the fifth pixel inwards on every side.
    for (const QPoint &p : {QPoint(midX, midY), QPoint(5, midY), QPoint(w - 6, midY), QPoint(midX, 5),
                            QPoint(midX, h - 6)}) {
        QCOMPARE(image.pixelColor(p), QColor(Qt::white));
    }

    // Margin: five black rings fading outwards, one per pixel, on each side.
    const int alphas[5] = {44, 24, 16, 10, 4};
    for (int i = 0; i < 5; ++i) {
        const QPoint points[4] = {QPoint(4 - i, midY), QPoint(w - 5 + i, midY), QPoint(midX, 4 - i),
                                  QPoint(midX, h - 5 + i)};
        for (const QPoint &p : points) {
            const QColor c = image.pixelColor(p);
            QVERIFY2(qAbs(c.alpha() - alphas[i]) <= 1,
                     qPrintable(QStringLiteral("ring %1 at (%2,%3): alpha %4").arg(i).arg(p.x()).arg(p.y()).arg(c.alpha())));
            QVERIFY2(c.red() == 0 && c.green() == 0 && c.blue() == 0, qPrintable(c.name()));
        }
    }
}

void TestStyleDialog::corners_data()
{
    QTest::addColumn<QVariant>("radius");
    QTest::addColumn<bool>("rounded");

    QTest::newRow("unset-square") << QVariant() << false;
    QTest::newRow("not-a-number-square") << QVariant(QStringLiteral("big")) << false;
    QTest::newRow("zero-square") << QVariant(0) << false;
    QTest::newRow("numeric-text-8-rounded") << QVariant(QStringLiteral("8")) << true;
    QTest::newRow("radius-8-rounded") << QVariant(8) << true;
}

void TestStyleDialog::corners()
{
    QFETCH(QVariant, radius);
    QFETCH(bool, rounded);
    qApp->setProperty("dlgRadius", radius);

    PZStyleDialog dialog;
    dialog.resize(100, 80);
    const QImage image = paintDialog(dialog);
    const QPoint corners[4] = {QPoint(0, 0), QPoint(99, 0), QPoint(0, 79), QPoint(99, 79)};
    const QPoint bodyCorners[4] = {QPoint(5, 5), QPoint(94, 5), QPoint(5, 74), QPoint(94, 74)};
    for (int i = 0; i < 4; ++i) {
        const QColor outer = image.pixelColor(corners[i]);
        const QColor body = image.pixelColor(bodyCorners[i]);
        if (rounded) {
            // The outermost ring is cut round: the very corner stays clear,
            // and so does the body's corner pixel.
            QCOMPARE(outer.alpha(), 0);
            QVERIFY2(body.alpha() < 128, qPrintable(body.name(QColor::HexArgb)));
        } else {
            QVERIFY2(qAbs(outer.alpha() - 4) <= 1, qPrintable(outer.name(QColor::HexArgb)));
            QCOMPARE(body, QColor(Qt::white));
        }
    }
    // Away from the corners the body is the same either way.
    QCOMPARE(image.pixelColor(5, 40), QColor(Qt::white));
    QCOMPARE(image.pixelColor(13, 13), QColor(Qt::white));
}

void TestStyleDialog::radiusFollowsApplication()
{
    // The radius is read at every paint, not fixed when the dialog is built.
    PZStyleDialog dialog;
    dialog.resize(100, 80);
    QCOMPARE(paintDialog(dialog).pixelColor(5, 5), QColor(Qt::white));
    qApp->setProperty("dlgRadius", 8);
    QVERIFY(paintDialog(dialog).pixelColor(5, 5).alpha() < 128);
}

void TestStyleDialog::keysDoNotClose_data()
{
    QTest::addColumn<bool>("styled");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("staysOpen");

    QTest::newRow("styled-escape") << true << int(Qt::Key_Escape) << true;
    QTest::newRow("styled-return") << true << int(Qt::Key_Return) << true;
    QTest::newRow("styled-enter") << true << int(Qt::Key_Enter) << true;
    // The same keys on a plain dialog prove that they are delivered at all.
    QTest::newRow("plain-escape") << false << int(Qt::Key_Escape) << false;
    QTest::newRow("plain-return") << false << int(Qt::Key_Return) << false;
}

void TestStyleDialog::keysDoNotClose()
{
    QFETCH(bool, styled);
    QFETCH(int, key);
    QFETCH(bool, staysOpen);

    std::unique_ptr<QDialog> dialog(styled ? new PZStyleDialog : new QDialog);
    auto *button = new QPushButton(QStringLiteral("OK"), dialog.get());
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog.get(), &QDialog::accept);
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    QSignalSpy clicked(button, &QPushButton::clicked);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    QTest::keyClick(dialog.get(), Qt::Key(key));
    QCOMPARE(dialog->isVisible(), staysOpen);
    if (staysOpen) {
        QCOMPARE(rejected.count(), 0);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(dialog->result(), 0);
    }
}

void TestStyleDialog::closeButton_data()
{
    QTest::addColumn<bool>("parentIsWindow");
    QTest::addColumn<bool>("deleteOnClose");

    QTest::newRow("parent-window") << true << false;
    QTest::newRow("parent-window-deleted-on-close") << true << true;
    QTest::newRow("parent-not-window") << false << false;
}

void TestStyleDialog::closeButton()
{
    QFETCH(bool, parentIsWindow);
    QFETCH(bool, deleteOnClose);

    auto *window = new PZStyleDialog;
    QPointer<PZStyleDialog> guard(window);
    window->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
    QWidget *holder = window;
    if (!parentIsWindow) {
        holder = new QWidget(window);
        holder->resize(300, 60);
    }
    auto *title = new PZStyleWidgetTitle(holder);
    title->resize(300, 35);
    QSignalSpy closed(title, &PZStyleWidgetTitle::signalCilckClose);
    QSignalSpy rejected(window, &QDialog::rejected);
    window->resize(320, 120);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    auto *button = title->findChild<QPushButton *>(QStringLiteral("btn_close"));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(closed.count(), 1);
    if (parentIsWindow) {
        if (deleteOnClose)
            QTRY_VERIFY(guard.isNull());
        else
            QVERIFY(!window->isVisible());
    } else {
        QVERIFY(window->isVisible());
        QCOMPARE(rejected.count(), 0);
    }
    delete guard.data();
}

void TestStyleDialog::closeButtonWithoutParent()
{
    PZStyleWidgetTitle title;
    title.resize(200, 35);
    QSignalSpy closed(&title, &PZStyleWidgetTitle::signalCilckClose);
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    QTest::mouseClick(title.findChild<QPushButton *>(QStringLiteral("btn_close")), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    // With no parent there is nothing to close, not even the bar itself.
    QVERIFY(title.isVisible());
}

void TestStyleDialog::closeButtonWhenWindowDestroysBar()
{
    TearDownWindow window;
    window.title = new PZStyleWidgetTitle(&window);
    window.title->resize(200, 35);
    window.resize(220, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    int emitted = 0;
    connect(window.title, &PZStyleWidgetTitle::signalCilckClose, this, [&emitted] { ++emitted; });
    QTest::mouseClick(window.title->findChild<QPushButton *>(QStringLiteral("btn_close")), Qt::LeftButton);
    QVERIFY(window.title.isNull());
    QVERIFY(!window.isVisible());
    QCOMPARE(emitted, 0);
}

void TestStyleDialog::titleRadiusFixedAtConstruction_data()
{
    QTest::addColumn<QVariant>("radius");
    QTest::addColumn<QString>("expected");

    QTest::newRow("unset") << QVariant() << "0px";
    QTest::newRow("not-a-number") << QVariant(QStringLiteral("x")) << "0px";
    QTest::newRow("radius-8") << QVariant(8) << "8px";
}

void TestStyleDialog::titleRadiusFixedAtConstruction()
{
    QFETCH(QVariant, radius);
    QFETCH(QString, expected);
    qApp->setProperty("dlgRadius", radius);
    PZStyleWidgetTitle title;
    qApp->setProperty("dlgRadius", 20);

    const QString sheet = title.styleSheet();
    QCOMPARE(sheet, QStringLiteral("PZStyleWidgetTitle { border-top-left-radius: %1;border-top-right-radius: %1; }")
                        .arg(expected));
    QCOMPARE(title.objectName(), QStringLiteral("widgetTitle"));
}

void TestStyleDialog::mouseStaysInWidget_data()
{
    QTest::addColumn<bool>("movable");
    QTest::addColumn<int>("button");

    QTest::newRow("movable-left") << true << int(Qt::LeftButton);
    QTest::newRow("movable-right") << true << int(Qt::RightButton);
    QTest::newRow("fixed-left") << false << int(Qt::LeftButton);
}

void TestStyleDialog::mouseStaysInWidget()
{
    QFETCH(bool, movable);
    QFETCH(int, button);

    RecordingWindow window;
    auto *bar = new PZStyleWidget(&window);
    bar->setGeometry(0, 0, 200, 35);
    bar->setMovable(&window, movable);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint before = window.pos();

    QTest::mousePress(bar, Qt::MouseButton(button), {}, QPoint(50, 10));
    QTest::mouseRelease(bar, Qt::MouseButton(button), {}, QPoint(60, 12));
    QCOMPARE(bar->isMovable(), movable);
    // Neither the press nor the release at the end of a drag reaches the window.
    QCOMPARE(window.presses, 0);
    QCOMPARE(window.releases, 0);
    QCOMPARE(window.pos(), before);

    // A click below the bar does reach the window (the recording works).
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(50, 70));
    QCOMPARE(window.presses, 1);
    QCOMPARE(window.releases, 1);
}

QTEST_MAIN(TestStyleDialog)
#include "tst_styledialog.moc"
