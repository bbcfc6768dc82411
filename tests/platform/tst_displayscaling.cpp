#include "displayscaling.h"
#include "scalingdecision.h"

#include <QtTest>

#include <optional>

using ScalingDecision::Decision;

class TestDisplayScaling : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
    void factorFileNotReadOnLargeScreen();
    void factorFileOnlyFirstTenBytes();
    void parseFactor_data();
    void parseFactor();
    void screenScaleFor_data();
    void screenScaleFor();
    void screenScaleReadsVariable();
    void xftDpi_data();
    void xftDpi();
    void primaryDisplay_data();
    void primaryDisplay();
};

using Monitors = QVector<ScalingDecision::Monitor>;
Q_DECLARE_METATYPE(Monitors)

using FactorFile = std::optional<QByteArray>;
Q_DECLARE_METATYPE(FactorFile)

void TestDisplayScaling::decision_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("scale");
    QTest::addColumn<FactorFile>("factorFile");
    QTest::addColumn<bool>("small");
    QTest::addColumn<QByteArray>("factor");
    QTest::addColumn<bool>("autoScaling");

    const FactorFile none;
    QTest::newRow("1920x1080 at 150% is small") << 1920 << 1080 << 1.5 << none << true << QByteArray("1.500000") << false;
    QTest::newRow("1920x1080 at 100% is large") << 1920 << 1080 << 1.0 << none << false << QByteArray() << true;
    QTest::newRow("1366x768 at 100% is small") << 1366 << 768 << 1.0 << none << true << QByteArray("1.000000") << false;
    QTest::newRow("factor file 2") << 1366 << 768 << 1.0 << FactorFile("2") << true << QByteArray("2.000000") << false;
    QTest::newRow("factor file 0.8 ignored") << 1920 << 1080 << 1.5 << FactorFile("0.8") << true << QByteArray("1.500000") << false;
    QTest::newRow("factor file exactly 1 used") << 1920 << 1080 << 1.5 << FactorFile("1") << true << QByteArray("1.000000") << false;
    QTest::newRow("factor file 0.999 ignored") << 1920 << 1080 << 1.5 << FactorFile("0.999") << true << QByteArray("1.500000") << false;
    QTest::newRow("factor file with blanks and trailing text") << 1366 << 768 << 1.0 << FactorFile(" \n 1.75x") << true << QByteArray("1.750000") << false;
    QTest::newRow("factor file not a number") << 1366 << 768 << 1.25 << FactorFile("abc") << true << QByteArray("1.250000") << false;
    QTest::newRow("factor file empty") << 1366 << 768 << 1.25 << FactorFile("") << true << QByteArray("1.250000") << false;
    QTest::newRow("factor file unreadable") << 1366 << 768 << 1.0 << none << true << QByteArray("1.000000") << false;
    QTest::newRow("factor file overflowing") << 1366 << 768 << 1.0 << FactorFile("1e99999999") << true << QByteArray("1.000000") << false;
    // The width and height limits, both sides.
    QTest::newRow("width 1280 large") << 1280 << 960 << 1.0 << none << false << QByteArray() << true;
    QTest::newRow("width 1279 small") << 1279 << 960 << 1.0 << none << true << QByteArray("1.000000") << false;
    QTest::newRow("height 959 small") << 1280 << 959 << 1.0 << none << true << QByteArray("1.000000") << false;
    // Logical sizes are truncated: 1919/1.5 = 1279.33 is below the limit, 1920/1.5 = 1280 is not.
    QTest::newRow("logical width truncated") << 1919 << 1500 << 1.5 << none << true << QByteArray("1.500000") << false;
    QTest::newRow("logical width exact") << 1920 << 1440 << 1.5 << none << false << QByteArray() << true;
    // A scale below 100 % counts as 100 %.
    QTest::newRow("scale below one raised") << 1366 << 768 << 0.75 << none << true << QByteArray("1.000000") << false;
    QTest::newRow("scale below one on large screen") << 1280 << 960 << 0.5 << none << false << QByteArray() << true;
    QTest::newRow("2560x1440 at 200% is small") << 2560 << 1440 << 2.0 << none << true << QByteArray("2.000000") << false;
    QTest::newRow("3840x2160 at 150% is large") << 3840 << 2160 << 1.5 << none << false << QByteArray() << true;
}

void TestDisplayScaling::decision()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, scale);
    QFETCH(FactorFile, factorFile);
    QFETCH(bool, small);
    QFETCH(QByteArray, factor);
    QFETCH(bool, autoScaling);

    int reads = 0;
    const Decision d = ScalingDecision::decide(width, height, scale, [&] {
        ++reads;
        return factorFile;
    });
    QCOMPARE(d.smallScreen, small);
    QCOMPARE(d.scaleFactor, factor);
    QCOMPARE(d.enableHighDpiScaling, autoScaling);
    QCOMPARE(reads, small ? 1 : 0);
}

void TestDisplayScaling::factorFileNotReadOnLargeScreen()
{
    bool read = false;
    const Decision d = ScalingDecision::decide(1920, 1080, 1.0, [&] {
        read = true;
        return FactorFile("2");
    });
    QVERIFY(!read);
    QVERIFY(d.scaleFactor.isEmpty());
    QCOMPARE(d.logicalWidth, 1920);
    QCOMPARE(d.logicalHeight, 1080);
}

void TestDisplayScaling::factorFileOnlyFirstTenBytes()
{
    // "         2" fills the ten bytes; the 5 after them is not part of the number.
    Decision d = ScalingDecision::decide(1366, 768, 1.0, [] { return FactorFile("         25"); });
    QCOMPARE(d.scaleFactor, QByteArray("2.000000"));
    // Eleven blanks leave no number in the first ten bytes.
    d = ScalingDecision::decide(1366, 768, 1.0, [] { return FactorFile("           3"); });
    QCOMPARE(d.scaleFactor, QByteArray("1.000000"));
}

void TestDisplayScaling::parseFactor_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << QByteArray("2") << true << 2.0;
    QTest::newRow("decimal") << QByteArray("1.25") << true << 1.25;
    QTest::newRow("leading dot") << QByteArray(".5") << true << 0.5;
    QTest::newRow("trailing dot") << QByteArray("3.") << true << 3.0;
    QTest::newRow("exponent") << QByteArray("15e-1") << true << 1.5;
    QTest::newRow("tabs and newline first") << QByteArray("\t\r\n1.5") << true << 1.5;
    QTest::newRow("trailing newline") << QByteArray("1.5\n") << true << 1.5;
    QTest::newRow("negative") << QByteArray("-2") << true << -2.0;
    QTest::newRow("comma decimal stops at comma") << QByteArray("1,5") << true << 1.0;
    QTest::newRow("letters") << QByteArray("x2") << false << 0.0;
    QTest::newRow("empty") << QByteArray() << false << 0.0;
    QTest::newRow("sign only") << QByteArray("+") << false << 0.0;
    QTest::newRow("infinity") << QByteArray("inf") << false << 0.0;
    QTest::newRow("nan") << QByteArray("nan") << false << 0.0;
    QTest::newRow("hexadecimal stops at x") << QByteArray("0x10") << true << 0.0;
    QTest::newRow("nul byte first") << QByteArray("\0" "2", 2) << false << 0.0;
    QTest::newRow("out of range") << QByteArray("1e400") << false << 0.0;
}

void TestDisplayScaling::parseFactor()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(double, value);

    const std::optional<double> parsed = ScalingDecision::parseFactor(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestDisplayScaling::screenScaleFor_data()
{
    QTest::addColumn<FactorFile>("variable");
    QTest::addColumn<double>("dpiScale");
    QTest::addColumn<double>("expected");

    const FactorFile unset;
    QTest::newRow("100%") << unset << 1.0 << 1.0;
    QTest::newRow("125% rounds down") << unset << 1.25 << 1.0;
    QTest::newRow("150% rounds up") << unset << 1.5 << 2.0;
    QTest::newRow("175%") << unset << 1.75 << 2.0;
    QTest::newRow("200%") << unset << 2.0 << 2.0;
    QTest::newRow("just below half") << unset << 1.4999 << 1.0;
    QTest::newRow("variable wins") << FactorFile("1.500000") << 1.0 << 1.5;
    QTest::newRow("variable with blanks") << FactorFile(" 2 ") << 1.0 << 2.0;
    QTest::newRow("variable not a number") << FactorFile("big") << 2.0 << 0.0;
    QTest::newRow("variable empty") << FactorFile("") << 2.0 << 0.0;
}

void TestDisplayScaling::screenScaleFor()
{
    QFETCH(FactorFile, variable);
    QFETCH(double, dpiScale);
    QFETCH(double, expected);
    QCOMPARE(ScalingDecision::screenScaleFor(variable, dpiScale), expected);
}

void TestDisplayScaling::screenScaleReadsVariable()
{
    const QByteArray saved = qgetenv("QT_SCALE_FACTOR");
    const bool wasSet = qEnvironmentVariableIsSet("QT_SCALE_FACTOR");

    qputenv("QT_SCALE_FACTOR", "1.75");
    QCOMPARE(screenScale(), 1.75);
    qputenv("QT_SCALE_FACTOR", "junk");
    QCOMPARE(screenScale(), 0.0);
    qunsetenv("QT_SCALE_FACTOR");
    QCOMPARE(screenScale(), double(int(dpiScale() + 0.50001)));
    QVERIFY(dpiScale() > 0.0);

    if (wasSet)
        qputenv("QT_SCALE_FACTOR", saved);
}

void TestDisplayScaling::xftDpi_data()
{
    QTest::addColumn<QByteArray>("resources");
    QTest::addColumn<double>("dpi");

    QTest::newRow("among others") << QByteArray("Xft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n") << 144.0;
    QTest::newRow("fractional") << QByteArray("Xft.dpi: 120.5") << 120.5;
    QTest::newRow("absent") << QByteArray("Xcursor.size:\t24\n") << 0.0;
    QTest::newRow("other program's dpi") << QByteArray("XTerm.dpi: 200\n") << 0.0;
    QTest::newRow("not a number") << QByteArray("Xft.dpi: high\n") << 0.0;
    QTest::newRow("zero") << QByteArray("Xft.dpi: 0\n") << 0.0;
    QTest::newRow("empty") << QByteArray() << 0.0;
}

void TestDisplayScaling::xftDpi()
{
    QFETCH(QByteArray, resources);
    QFETCH(double, dpi);
    QCOMPARE(ScalingDecision::xftDpiFromResources(resources), dpi);
}

void TestDisplayScaling::primaryDisplay_data()
{
    QTest::addColumn<Monitors>("monitors");
    QTest::addColumn<QSize>("measured");
    const QRect external(0, 0, 1920, 1080);
    const QRect laptopRight(1920, 0, 1366, 768);
    QTest::newRow("no monitors: the screen") << Monitors{} << QSize(3286, 1080);
    QTest::newRow("laptop marked primary beside a larger monitor") << Monitors{{external, false}, {laptopRight, true}} << QSize(1366, 768);
    QTest::newRow("none marked: the one at the origin") << Monitors{{laptopRight, false}, {external, false}} << QSize(1920, 1080);
    QTest::newRow("none marked, none at the origin: the first")
        << Monitors{{QRect(10, 0, 1280, 1024), false}, {QRect(1290, 0, 1920, 1080), false}} << QSize(1280, 1024);
    QTest::newRow("primary without an area skipped") << Monitors{{QRect(0, 0, 0, 0), true}, {laptopRight, false}} << QSize(1366, 768);
    QTest::newRow("only monitors without an area: the screen") << Monitors{{QRect(0, 0, 0, 768), false}} << QSize(3286, 1080);
}

void TestDisplayScaling::primaryDisplay()
{
    QFETCH(Monitors, monitors);
    QTEST(ScalingDecision::primaryDisplaySize(monitors, QSize(3286, 1080)), "measured");
}

QTEST_GUILESS_MAIN(TestDisplayScaling)
#include "tst_displayscaling.moc"
