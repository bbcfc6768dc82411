#include "pzmessagebox.h"
#include "pzstyledialog.h"
#include "skinconfig.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

// Stand-in for the feedback window: the shipped sheet selects the result
// icon and the window's properties by this class name.
class CFeedback : public PZStyleDialog
{
    Q_OBJECT
    Q_PROPERTY(int dlgRadius READ dlgRadius WRITE setDlgRadius)
    Q_PROPERTY(QColor linkColor READ linkColor WRITE setLinkColor)
public:
    using PZStyleDialog::PZStyleDialog;
    int dlgRadius() const { return m_radius; }
    void setDlgRadius(int radius) { m_radius = radius; }
    QColor linkColor() const { return m_linkColor; }
    void setLinkColor(const QColor &colour) { m_linkColor = colour; }

private:
    int m_radius = -1;
    QColor m_linkColor;
};

namespace {

QString shippedSheetPath()
{
    return SkinConfig::instance().skinDirectory() + QStringLiteral("/qss/Feedback.qss");
}

// Every url(...) target of a style sheet, in order of appearance.
QStringList urlTargets(const QString &sheet)
{
    QStringList targets;
    const QRegularExpression re(QStringLiteral("url\\(([^)]*)\\)"));
    auto it = re.globalMatch(sheet);
    while (it.hasNext())
        targets << it.next().captured(1).trimmed();
    return targets;
}

bool isMostly(const QColor &colour, Qt::GlobalColor channel)
{
    switch (channel) {
    case Qt::green:
        return colour.green() > colour.red() + 60 && colour.green() > colour.blue() + 30;
    case Qt::red:
        return colour.red() > colour.green() + 60 && colour.red() > colour.blue() + 60;
    case Qt::blue:
        return colour.blue() > colour.red() + 60;
    default:
        return false;
    }
}

} // namespace

class TestSkinConfig : public QObject
{
    Q_OBJECT

private slots:
    void loadSettings_data();
    void loadSettings();
    void settingsAreCopies();

    void rewriteResourceUrls_data();
    void rewriteResourceUrls();
    void readStyleSheet();

    void folders();
    void emailPattern_data();
    void emailPattern();

    void applyFromAnotherWorkingDirectory();
    void shippedSheetImagesLoad();
    void shippedIconAndAnimation();
    void shippedSettings();
    void sheetStylesResultAndProperties_data();
    void sheetStylesResultAndProperties();
    void sheetStylesMessageBox();
};

void TestSkinConfig::loadSettings_data()
{
    QTest::addColumn<QByteArray>("content");   // written to Feedback.json
    QTest::addColumn<bool>("asFolder");       // a folder in place of the file
    QTest::addColumn<bool>("present");        // whether a file is written at all
    QTest::addColumn<QByteArray>("expected"); // resulting settings; empty = baseline kept

    QTest::newRow("only-needdb-false") << QByteArray(R"({"NeedDB": false})") << false << true
                                       << QByteArray(R"({"NeedDB": false})");
    QTest::newRow("full-object")
        << QByteArray(R"({"NeedDB": true, "System": false, "Android Version:": ["14", "13"]})") << false
        << true << QByteArray(R"({"NeedDB": true, "System": false, "Android Version:": ["14", "13"]})");
    QTest::newRow("utf8-text") << QByteArray("{\"iOS Version:\": [\"17 \xc3\xa9\xe2\x80\xa6\"]}") << false
                               << true << QByteArray("{\"iOS Version:\": [\"17 \xc3\xa9\xe2\x80\xa6\"]}");
    QTest::newRow("empty-object") << QByteArray("{}") << false << true << QByteArray("{}");
    QTest::newRow("array-root") << QByteArray(R"([{"NeedDB": false}])") << false << true << QByteArray("{}");
    QTest::newRow("syntax-error") << QByteArray(R"({"NeedDB": false,)") << false << true << QByteArray();
    QTest::newRow("trailing-garbage") << QByteArray(R"({"NeedDB": false} x)") << false << true << QByteArray();
    QTest::newRow("empty-file") << QByteArray() << false << true << QByteArray();
    QTest::newRow("missing-file") << QByteArray() << false << false << QByteArray();
    QTest::newRow("folder-in-place") << QByteArray() << true << true << QByteArray();
}

void TestSkinConfig::loadSettings()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, asFolder);
    QFETCH(bool, present);
    QFETCH(QByteArray, expected);

    SkinConfig &config = SkinConfig::instance();

    // A known state first, so that "unchanged" can be told from "emptied".
    QTemporaryDir baselineDir;
    const QByteArray baseline = R"({"ShowVersion": false, "Baseline": 1})";
    QVERIFY(TestSupport::writeFile(baselineDir.path() + "/FeedbackRes/conf/Feedback.json", baseline));
    config.load(baselineDir.path());
    QCOMPARE(config.settings(), QJsonDocument::fromJson(baseline).object());

    QTemporaryDir appDir;
    const QString path = appDir.path() + "/FeedbackRes/conf/Feedback.json";
    if (asFolder)
        QVERIFY(QDir().mkpath(path));
    else if (present)
        QVERIFY(TestSupport::writeFile(path, content));

    config.load(appDir.path());

    const QJsonObject wanted = QJsonDocument::fromJson(expected.isEmpty() ? baseline : expected).object();
    QCOMPARE(config.settings(), wanted);
}

void TestSkinConfig::settingsAreCopies()
{
    QTemporaryDir appDir;
    QVERIFY(TestSupport::writeFile(appDir.path() + "/FeedbackRes/conf/Feedback.json",
                                   R"({"NeedDB": false})"));
    SkinConfig::instance().load(appDir.path());
    QJsonObject copy = SkinConfig::instance().settings();
    copy.insert(QStringLiteral("NeedDB"), true);
    copy.insert(QStringLiteral("System"), false);
    QCOMPARE(SkinConfig::instance().settings().value(QStringLiteral("NeedDB")).toBool(true), false);
    QVERIFY(!SkinConfig::instance().settings().contains(QStringLiteral("System")));
}

void TestSkinConfig::rewriteResourceUrls_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("resource-url") << "QWidget { background: url(:/img/bg.png); }"
                                  << "QWidget { background: url(FeedbackRes/skin/img/bg.png); }";
    QTest::newRow("every-occurrence")
        << "a { image: url(:/a.png); } b { border-image: url(:/b/c.png) 0 0 0 0; }"
        << "a { image: url(FeedbackRes/skin/a.png); } b { border-image: url(FeedbackRes/skin/b/c.png) 0 0 0 0; }";
    QTest::newRow("adjacent") << "url(:/url(:/x" << "url(FeedbackRes/skin/url(FeedbackRes/skin/x";
    QTest::newRow("capitals-untouched") << "a { image: URL(:/img/bg.png); }" << "a { image: URL(:/img/bg.png); }";
    QTest::newRow("mixed-case-untouched") << "a { image: Url(:/x.png); }" << "a { image: Url(:/x.png); }";
    QTest::newRow("blank-after-parenthesis-untouched") << "url( :/x.png)" << "url( :/x.png)";
    QTest::newRow("no-slash-untouched") << "url(:x.png)" << "url(:x.png)";
    QTest::newRow("file-path-untouched") << "url(img/x.png)" << "url(img/x.png)";
    QTest::newRow("empty") << QString() << QString();
}

void TestSkinConfig::rewriteResourceUrls()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(SkinConfig::rewriteResourceUrls(input), expected);
}

void TestSkinConfig::readStyleSheet()
{
    QTemporaryDir dir;
    QVERIFY(SkinConfig::readStyleSheet(dir.path() + "/missing.qss").isEmpty());

    // Read as UTF-8 whatever the locale, and rewritten on the way in.
    const QString sheet = QStringLiteral("/* caf\u00e9 \u2026 */\nQLabel { image: url(:/x.png); }\n");
    QVERIFY(TestSupport::writeFile(dir.path() + "/a.qss", sheet.toUtf8()));
    QCOMPARE(SkinConfig::readStyleSheet(dir.path() + "/a.qss"),
             QStringLiteral("/* caf\u00e9 \u2026 */\nQLabel { image: url(FeedbackRes/skin/x.png); }\n"));
}

void TestSkinConfig::folders()
{
    const SkinConfig &config = SkinConfig::instance();
    QCOMPARE(config.exeDirectory(), QCoreApplication::applicationDirPath());
    const QString skin = config.skinDirectory();
    QCOMPARE(skin, QCoreApplication::applicationDirPath() + "/FeedbackRes/skin");
    QVERIFY(!skin.contains(QLatin1Char('\\')));

    // Fixed at first use: moving elsewhere does not change it.
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    QCOMPARE(config.skinDirectory(), skin);
    QCOMPARE(config.exeDirectory(), QCoreApplication::applicationDirPath());
    QVERIFY(QDir::setCurrent(before));
}

void TestSkinConfig::emailPattern_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");

    QTest::newRow("plain") << "user@example.com" << true;
    QTest::newRow("separators") << "first.last-x_y@mail-host.example.org" << true;
    QTest::newRow("tld-two") << "a@b.cc" << true;
    QTest::newRow("tld-three") << "a@b.com" << true;
    QTest::newRow("tld-one") << "a@b.c" << false;
    QTest::newRow("tld-four") << "a@b.info" << false;
    QTest::newRow("double-dot") << "a..b@example.com" << false;
    QTest::newRow("leading-dot") << ".a@example.com" << false;
    QTest::newRow("dot-before-at") << "a.@example.com" << false;
    QTest::newRow("plus-sign") << "a+b@example.com" << false;
    QTest::newRow("no-local-part") << "@example.com" << false;
    QTest::newRow("two-at") << "a@b@example.com" << false;
    QTest::newRow("trailing-blank") << "a@example.com " << false;
    QTest::newRow("digit-tld") << "a@example.c0m" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSkinConfig::emailPattern()
{
    QFETCH(QString, address);
    QFETCH(bool, valid);
    QCOMPARE(SkinConfig::emailPattern().size(), 86);
    const QRegularExpression re(SkinConfig::emailPattern());
    QVERIFY(re.isValid());
    QCOMPARE(re.match(address).hasMatch(), valid);
}

void TestSkinConfig::applyFromAnotherWorkingDirectory()
{
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    SkinConfig::instance().applyStyleSheet();

    QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    const QString installed = qApp->styleSheet();
    QVERIFY(!installed.isEmpty());
    QCOMPARE(installed, SkinConfig::readStyleSheet(shippedSheetPath()));
    QVERIFY2(!installed.contains(QStringLiteral("url(:/")), "a resource URL was left in the sheet");

    // The relative image paths resolve against the working directory.
    const QStringList targets = urlTargets(installed);
    QVERIFY(targets.size() > 20);
    for (const QString &target : targets) {
        QVERIFY2(target.startsWith(QStringLiteral("FeedbackRes/skin/")), qPrintable(target));
        QVERIFY2(QFile::exists(target), qPrintable(target + " does not exist relative to the working directory"));
    }
}

void TestSkinConfig::shippedSheetImagesLoad()
{
    const QString sheet = SkinConfig::readStyleSheet(shippedSheetPath());
    QVERIFY(!sheet.isEmpty());
    const QString exeDir = SkinConfig::instance().exeDirectory();
    const QStringList targets = urlTargets(sheet);
    QVERIFY(!targets.isEmpty());
    for (const QString &target : targets) {
        QImageReader reader(exeDir + QLatin1Char('/') + target);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(target + ": " + reader.errorString()));
        QVERIFY2(image.width() <= 64 && image.height() <= 64, qPrintable(target + " is unexpectedly large"));
        QVERIFY2(image.hasAlphaChannel(), qPrintable(target + " has no transparency"));
    }
}

void TestSkinConfig::shippedIconAndAnimation()
{
    const QString skin = SkinConfig::instance().skinDirectory();

    QImageReader icon(skin + "/Application/feedback_icon.ico");
    QCOMPARE(icon.format(), QByteArray("ico"));
    QVERIFY(icon.imageCount() >= 2);
    QVERIFY(!icon.read().isNull());

    QMovie movie(skin + "/gif/loading.gif");
    QVERIFY(movie.isValid());
    QVERIFY(movie.frameCount() > 1);
    QVERIFY(movie.jumpToFrame(0));
    QCOMPARE(movie.currentImage().size(), QSize(20, 20));

    // The overlay's tool buttons load these two by path.
    for (const char *name : {"/button/selected.png", "/button/delete.png"}) {
        QImageReader reader(skin + QLatin1String(name));
        QCOMPARE(reader.size(), QSize(30, 30));
    }
}

void TestSkinConfig::shippedSettings()
{
    SkinConfig::instance().load(QCoreApplication::applicationDirPath());
    const QJsonObject settings = SkinConfig::instance().settings();
    QVERIFY(settings.value(QStringLiteral("NeedDB")).isBool());
    QVERIFY(settings.value(QStringLiteral("ShowVersion")).isBool());
    QVERIFY(settings.value(QStringLiteral("System")).isBool());
    for (const char *key : {"iOS Version:", "Android Version:"}) {
        const QJsonArray list = settings.value(QLatin1String(key)).toArray();
        QVERIFY2(!list.isEmpty(), key);
        for (const QJsonValue &entry : list)
            QVERIFY2(entry.isString() && !entry.toString().isEmpty(), key);
    }
}

void TestSkinConfig::sheetStylesResultAndProperties_data()
{
    QTest::addColumn<QVariant>("success");
    QTest::addColumn<int>("colour");

    QTest::newRow("success") << QVariant(true) << int(Qt::green);
    QTest::newRow("failure") << QVariant(false) << int(Qt::red);
}

void TestSkinConfig::sheetStylesResultAndProperties()
{
    QFETCH(QVariant, success);
    QFETCH(int, colour);

    SkinConfig::instance().applyStyleSheet();

    CFeedback window;
    window.setObjectName(QStringLiteral("CFeedback"));
    auto *status = new QLabel(&window);
    status->setObjectName(QStringLiteral("label_SubStatus"));
    status->setGeometry(10, 10, 40, 40);
    status->setProperty("success", success);
    window.resize(100, 100);
    window.ensurePolished();
    status->ensurePolished();

    // The sheet publishes the window's radius and link colour.
    QCOMPARE(window.dlgRadius(), 8);
    QVERIFY(window.linkColor().isValid());

    const QImage image = status->grab().toImage();
    const QColor centre = image.pixelColor(image.width() / 2, 5);
    QVERIFY2(isMostly(centre, Qt::GlobalColor(colour)), qPrintable(centre.name(QColor::HexArgb)));
}

void TestSkinConfig::sheetStylesMessageBox()
{
    SkinConfig::instance().applyStyleSheet();
    PZMessageBox box(QStringLiteral("Message"), QString());
    box.ensurePolished();
    auto *ok = box.findChild<QPushButton *>(QStringLiteral("pushButton_ok"));
    QVERIFY(ok);
    const QImage image = ok->grab().toImage();
    QVERIFY2(isMostly(image.pixelColor(4, image.height() / 2), Qt::blue),
             qPrintable(image.pixelColor(4, image.height() / 2).name()));
}

QTEST_MAIN(TestSkinConfig)
#include "tst_skinconfig.moc"
