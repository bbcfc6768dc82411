#include "pzstylebutton.h"

#include <QApplication>
#include <QtTest>

#include <memory>

class TestStyleButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mouseClick_data();
    void mouseClick();
    void pressNeverGoesDown();
    void pressElsewhereReleaseOver();
    void keyboardStillClicks();
    void captionGreyWithoutSheet();

private:
    std::unique_ptr<QWidget> m_window;
    PZStyleButton *m_button = nullptr;
};

void TestStyleButton::init()
{
    // Inside a window, as in the form: a top-level window may be held wider
    // than asked (Windows keeps room for a title bar).
    m_window = std::make_unique<QWidget>();
    m_window->resize(200, 100);
    m_button = new PZStyleButton(m_window.get());
    m_button->setText(QStringLiteral("Submit"));
    m_button->setGeometry(10, 10, 80, 30);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestStyleButton::cleanup()
{
    m_window.reset();
    m_button = nullptr;
}

void TestStyleButton::mouseClick_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left-centre") << int(Qt::LeftButton) << QPoint(40, 15) << 1;
    QTest::newRow("left-top-left-edge") << int(Qt::LeftButton) << QPoint(0, 0) << 1;
    QTest::newRow("left-bottom-right-edge") << int(Qt::LeftButton) << QPoint(79, 29) << 1;
    QTest::newRow("left-just-right-of-edge") << int(Qt::LeftButton) << QPoint(80, 15) << 0;
    QTest::newRow("left-just-below-edge") << int(Qt::LeftButton) << QPoint(40, 30) << 0;
    QTest::newRow("left-just-left-of-edge") << int(Qt::LeftButton) << QPoint(-1, 15) << 0;
    QTest::newRow("left-far-outside") << int(Qt::LeftButton) << QPoint(300, 300) << 0;
    QTest::newRow("right-centre") << int(Qt::RightButton) << QPoint(40, 15) << 0;
    QTest::newRow("middle-centre") << int(Qt::MiddleButton) << QPoint(40, 15) << 0;
}

void TestStyleButton::mouseClick()
{
    QFETCH(int, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);

    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::mousePress(m_button, Qt::MouseButton(button), {}, QPoint(40, 15));
    QTest::mouseRelease(m_button, Qt::MouseButton(button), {}, releaseAt);
    QCOMPARE(clicked.count(), clicks);
    if (clicks)
        QCOMPARE(clicked.first().first().toBool(), false);
}

void TestStyleButton::pressNeverGoesDown()
{
    m_button->setCheckable(true);
    QSignalSpy pressed(m_button, &QAbstractButton::pressed);
    QSignalSpy released(m_button, &QAbstractButton::released);
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);

    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(40, 15));
    QVERIFY(!m_button->isDown());
    QCOMPARE(pressed.count(), 0);
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(40, 15));
    QCOMPARE(released.count(), 0);
    QCOMPARE(clicked.count(), 1);
    // No toggling by mouse: that belongs to the base release handling.
    QVERIFY(!m_button->isChecked());
}

void TestStyleButton::pressElsewhereReleaseOver()
{
    // A press that starts on another widget keeps the mouse there: the
    // release goes to that widget, and the button sees nothing.
    QWidget window;
    auto *button = new PZStyleButton(&window);
    button->setGeometry(100, 0, 80, 30);
    window.resize(200, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(window.windowHandle(), QPoint(140, 15));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(140, 15));
    QCOMPARE(clicked.count(), 0);

    // The same gesture wholly over the button clicks it.
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(120, 10));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(140, 15));
    QCOMPARE(clicked.count(), 1);
}

void TestStyleButton::keyboardStillClicks()
{
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    m_button->setFocus();
    QTest::keyClick(m_button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 1);
}

void TestStyleButton::captionGreyWithoutSheet()
{
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(m_button->palette().color(group, QPalette::ButtonText), QColor(66, 66, 66, 255));
}

QTEST_MAIN(TestStyleButton)
#include "tst_stylebutton.moc"
