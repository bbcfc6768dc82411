#include "selectionrect.h"

#include <QtTest>

// Screen of 1920 x 1080 unless a row says otherwise.
static SelectionRect makeRect(int x1, int y1, int x2, int y2, int largestX = 1919, int largestY = 1079)
{
    SelectionRect s(largestX, largestY, 0, 0);
    s.setStart(x1, y1);
    s.setEnd(x2, y2);
    return s;
}

class TestSelectionRect : public QObject
{
    Q_OBJECT

private slots:
    void initialState()
    {
        SelectionRect s(1919, 1079, 5, 6);
        QVERIFY(s.rect().isNull());
        QCOMPARE(s.cursorPoint(), QPoint(5, 6));
        QCOMPARE(s.bottomRight(), QPoint(0, 0));
        // setStart alone recomputes nothing.
        s.setStart(10, 10);
        QVERIFY(s.rect().isNull());
        QCOMPARE(s.topLeft(), QPoint(0, 0));
    }

    void normalise_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QPoint>("topMiddle");
        QTest::addColumn<QPoint>("leftMiddle");
        QTest::newRow("forward") << QPoint(100, 100) << QPoint(200, 150) << QRect(QPoint(100, 100), QPoint(200, 150))
                                 << QPoint(150, 100) << QPoint(100, 125);
        QTest::newRow("reversed") << QPoint(200, 150) << QPoint(100, 100) << QRect(QPoint(100, 100), QPoint(200, 150))
                                  << QPoint(150, 100) << QPoint(100, 125);
        QTest::newRow("top-right-to-bottom-left") << QPoint(200, 100) << QPoint(100, 150)
                                                  << QRect(QPoint(100, 100), QPoint(200, 150)) << QPoint(150, 100)
                                                  << QPoint(100, 125);
        QTest::newRow("click-without-drag") << QPoint(40, 50) << QPoint(40, 50) << QRect(40, 50, 1, 1)
                                            << QPoint(40, 50) << QPoint(40, 50);
        QTest::newRow("odd-halves-truncate") << QPoint(0, 0) << QPoint(5, 3) << QRect(QPoint(0, 0), QPoint(5, 3))
                                             << QPoint(2, 0) << QPoint(0, 1);
        QTest::newRow("negative-halves-toward-zero") << QPoint(-5, -3) << QPoint(0, 0)
                                                     << QRect(QPoint(-5, -3), QPoint(0, 0)) << QPoint(-2, -3)
                                                     << QPoint(-5, -1);
    }
    void normalise()
    {
        QFETCH(QPoint, start);
        QFETCH(QPoint, end);
        QFETCH(QRect, rect);
        const SelectionRect s = makeRect(start.x(), start.y(), end.x(), end.y());
        QCOMPARE(s.rect(), rect);
        QCOMPARE(s.width(), rect.width() - 1);
        QCOMPARE(s.height(), rect.height() - 1);
        QCOMPARE(s.topLeft(), rect.topLeft());
        QCOMPARE(s.bottomRight(), rect.bottomRight());
        QCOMPARE(s.topRight(), rect.topRight());
        QCOMPARE(s.bottomLeft(), rect.bottomLeft());
        QTEST(s.topMiddle(), "topMiddle");
        QTEST(s.leftMiddle(), "leftMiddle");
        QCOMPARE(s.bottomMiddle(), QPoint(s.topMiddle().x(), rect.bottom()));
        QCOMPARE(s.rightMiddle(), QPoint(rect.right(), s.leftMiddle().y()));
    }

    void filterAppliesToEndOnly()
    {
        SelectionRect s(99, 99, 0, 0);
        s.setFilter([](QPoint &p) { p.setX(qMin(p.x(), 50)); });
        s.setStart(80, 10);
        s.setEnd(90, 20);
        QCOMPARE(s.startPoint(), QPoint(80, 10));
        QCOMPARE(s.endPoint(), QPoint(50, 20));
        QCOMPARE(s.rect(), QRect(QPoint(50, 10), QPoint(80, 20)));
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        QTest::addColumn<bool>("border");
        QTest::addColumn<int>("hit");
        // Rectangle (100, 100)-(200, 150).
        QTest::newRow("top-right") << QPoint(200, 100) << false << true << 5;
        QTest::newRow("bottom-right") << QPoint(200, 150) << false << true << 4;
        QTest::newRow("top-left") << QPoint(100, 100) << false << true << 7;
        QTest::newRow("bottom-left") << QPoint(100, 150) << false << true << 6;
        QTest::newRow("left-edge") << QPoint(100, 120) << false << true << 1;
        QTest::newRow("top-edge") << QPoint(150, 100) << false << true << 3;
        QTest::newRow("right-edge") << QPoint(200, 120) << false << true << 0;
        QTest::newRow("bottom-edge") << QPoint(150, 150) << false << true << 2;
        QTest::newRow("inside-next-to-left") << QPoint(101, 101) << true << false << 5;
        QTest::newRow("outside-top-right") << QPoint(201, 99) << false << false << 5;
        QTest::newRow("outside-left") << QPoint(99, 120) << false << false << 5;
        QTest::newRow("outside-below") << QPoint(150, 151) << false << false << 5;
    }
    void hitTest()
    {
        QFETCH(QPoint, point);
        const SelectionRect s = makeRect(100, 100, 200, 150);
        QTEST(s.isInside(point.x(), point.y()), "inside");
        QTEST(s.isOnBorder(point.x(), point.y()), "border");
        QTEST(int(s.hitCode(point.x(), point.y())), "hit");
    }

    void moveBy_data()
    {
        QTest::addColumn<QRect>("before");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("after");
        const QRect r(QPoint(100, 100), QPoint(200, 150));
        QTest::newRow("free") << r << QPoint(10, -20) << r.translated(10, -20);
        QTest::newRow("left-edge-reaches-zero") << r << QPoint(-100, 0) << r.translated(-100, 0);
        QTest::newRow("left-edge-pinned-right-stays") << r << QPoint(-150, 0) << QRect(QPoint(0, 100), QPoint(200, 150));
        QTest::newRow("top-edge-pinned") << r << QPoint(0, -101) << QRect(QPoint(100, 0), QPoint(200, 150));
        QTest::newRow("right-edge-reaches-largest") << r << QPoint(1719, 0) << r.translated(1719, 0);
        QTest::newRow("right-edge-pinned-left-stays") << r << QPoint(1720, 0)
                                                      << QRect(QPoint(100, 100), QPoint(1919, 150));
        QTest::newRow("bottom-edge-pinned") << r << QPoint(0, 1000) << QRect(QPoint(100, 100), QPoint(200, 1079));
    }
    void moveBy()
    {
        QFETCH(QRect, before);
        QFETCH(QPoint, delta);
        SelectionRect s = makeRect(before.left(), before.top(), before.right(), before.bottom());
        s.moveBy(delta.x(), delta.y());
        QTEST(s.rect(), "after");
    }

    void nudge_data()
    {
        QTest::addColumn<QRect>("before");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("left-at-one") << QRect(QPoint(1, 5), QPoint(10, 10)) << QPoint(-1, 0) << true;
        QTest::newRow("left-at-zero") << QRect(QPoint(0, 5), QPoint(10, 10)) << QPoint(-1, 0) << false;
        QTest::newRow("right-below-largest") << QRect(QPoint(5, 5), QPoint(1918, 10)) << QPoint(1, 0) << true;
        QTest::newRow("right-at-largest") << QRect(QPoint(5, 5), QPoint(1919, 10)) << QPoint(1, 0) << false;
        QTest::newRow("up-at-one") << QRect(QPoint(5, 1), QPoint(10, 10)) << QPoint(0, -1) << true;
        QTest::newRow("up-at-zero") << QRect(QPoint(5, 0), QPoint(10, 10)) << QPoint(0, -1) << false;
        QTest::newRow("down-below-largest") << QRect(QPoint(5, 5), QPoint(10, 1078)) << QPoint(0, 1) << true;
        QTest::newRow("down-at-largest") << QRect(QPoint(5, 5), QPoint(10, 1079)) << QPoint(0, 1) << false;
    }
    void nudge()
    {
        QFETCH(QRect, before);
        QFETCH(QPoint, delta);
        QFETCH(bool, accepted);
        SelectionRect s = makeRect(before.left(), before.top(), before.right(), before.bottom());
        QCOMPARE(s.nudge(delta.x(), delta.y()), accepted);
        QCOMPARE(s.rect(), accepted ? before.translated(delta) : before);
    }

    void sizeLabel_data()
    {
        QTest::addColumn<int>("y1");
        QTest::addColumn<bool>("above");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QRect>("text");
        QTest::newRow("y1-31-above") << 31 << true << QRect(QPoint(50, 13), QPoint(109, 27))
                                     << QRect(QPoint(50, 13), QPoint(109, 27));
        QTest::newRow("y1-30-inside") << 30 << false << QRect(QPoint(53, 33), QPoint(112, 47))
                                      << QRect(QPoint(50, 33), QPoint(109, 47));
    }
    void sizeLabel()
    {
        QFETCH(int, y1);
        const SelectionRect s = makeRect(50, y1, 300, 400);
        QTEST(s.labelAbove(), "above");
        QTEST(s.labelBox(), "box");
        QTEST(s.labelTextRect(), "text");
    }

    void sizeText_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("text");
        QTest::newRow("scale-1") << 1.0 << QStringLiteral("100 x 50");
        QTest::newRow("scale-2") << 2.0 << QStringLiteral("200 x 100");
        QTest::newRow("scale-1.25-truncates") << 1.25 << QStringLiteral("125 x 62");
    }
    void sizeText()
    {
        QFETCH(double, scale);
        QTEST(makeRect(100, 100, 200, 150).sizeText(scale), "text");
    }

    void magnifier_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<int>("corner");
        QTest::addColumn<QPoint>("origin");
        // W = 1919 - 150 = 1769, H = 1079 - 150 = 929.
        QTest::newRow("top-left-area") << QPoint(100, 100) << 0 << QPoint(110, 110);
        QTest::newRow("lower-right") << QPoint(1800, 1000) << 3 << QPoint(1690, 870);
        QTest::newRow("bottom-left-area") << QPoint(100, 1000) << 1 << QPoint(110, 870);
        QTest::newRow("y-at-H") << QPoint(100, 929) << 1 << QPoint(110, 799);
        QTest::newRow("x-at-W") << QPoint(1769, 100) << 2 << QPoint(1659, 110);
        QTest::newRow("x-at-W-low") << QPoint(1769, 1000) << 2 << QPoint(1659, 1010);
        QTest::newRow("x-past-W-y-at-H") << QPoint(1770, 929) << 2 << QPoint(1660, 939);
        QTest::newRow("x-past-W-y-past-H") << QPoint(1770, 930) << 3 << QPoint(1660, 800);
    }
    void magnifier()
    {
        QFETCH(QPoint, cursor);
        SelectionRect s(1919, 1079, 0, 0);
        s.setCursorPoint(cursor.x(), cursor.y());
        QTEST(int(s.magnifierCorner()), "corner");
        QTEST(s.magnifierOrigin(), "origin");
    }

    void toolbar_data()
    {
        QTest::addColumn<int>("y1");
        QTest::addColumn<int>("y2");
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("top");
        // Largest y is 1079: the buttons fit below while y2 + 40 <= 1079.
        QTest::newRow("room-below") << 30 << 1039 << int(SelectionRect::ToolbarBelow) << 1044;
        QTest::newRow("y1-30-no-room-below") << 30 << 1040 << int(SelectionRect::ToolbarAbove) << -5;
        QTest::newRow("y1-29-no-room-below") << 29 << 1040 << int(SelectionRect::ToolbarInside) << 34;
        QTest::newRow("y1-29-room-below") << 29 << 100 << int(SelectionRect::ToolbarBelow) << 105;
        QTest::newRow("near-bottom") << 500 << 1079 << int(SelectionRect::ToolbarAbove) << 465;
        QTest::newRow("full-screen") << 0 << 1079 << int(SelectionRect::ToolbarInside) << 5;
    }
    void toolbar()
    {
        QFETCH(int, y1);
        QFETCH(int, y2);
        QFETCH(int, top);
        const SelectionRect s = makeRect(100, y1, 500, y2);
        QTEST(int(s.toolbarPlace()), "place");
        QCOMPARE(s.toolbarTop(), top);
        QCOMPARE(s.cancelButtonRect(), QRect(QPoint(440, top), QPoint(469, top + 29)));
        QCOMPARE(s.saveButtonRect(), QRect(QPoint(470, top), QPoint(499, top + 29)));
    }
};

QTEST_APPLESS_MAIN(TestSelectionRect)
#include "tst_selectionrect.moc"
