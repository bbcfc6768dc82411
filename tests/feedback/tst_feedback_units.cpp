// The window's pieces that work without a window: the preview of what a
// report carries, against the packaging that sends it, and drafts read back
// from a store that may hold anything.
#include "draftstore.h"
#include "mimemessage.h"
#include "pictureedits.h"
#include "mimetext.h"
#include "reportcomposer.h"
#include "reportpackaging.h"
#include "reportpreview.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList entryNames(const QString &archive)
{
    QStringList names;
    for (const QString &line : TestSupport::zipEntries(archive))
        names.append(line.section(QLatin1Char(' '), 0, 0));
    return names;
}

} // namespace

class TestFeedbackUnits : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void previewAgreesWithPackaging_data();
    void previewAgreesWithPackaging();
    void hostileDraftsAreRefused_data();
    void hostileDraftsAreRefused();
    void draftPicturesComeBack_data();
    void draftPicturesComeBack();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;
};

void TestFeedbackUnits::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_app = m_dir->path();
}

void TestFeedbackUnits::previewAgreesWithPackaging_data()
{
    QTest::addColumn<bool>("feedbackMode");
    QTest::addColumn<bool>("logs");
    QTest::addColumn<int>("database"); // 0: not ticked, 1: ticked, 2: ticked and far too large
    QTest::addColumn<int>("screenshots");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<int>("attached"); // how many attachments go

    const QStringList none;
    const QStringList one{QStringLiteral("pictures/p.jpg")};
    QTest::newRow("nothing ticked") << true << false << 0 << 0 << none << 0;
    QTest::newRow("feedback: logs") << true << true << 0 << 0 << none << 1;
    QTest::newRow("crash report: logs and dump") << false << true << 0 << 0 << none << 2;
    QTest::newRow("database ticked") << true << false << 1 << 0 << none << 1;
    QTest::newRow("database over the limit") << true << true << 2 << 1 << one << 1;
    QTest::newRow("screenshot and picture") << true << false << 0 << 1 << one << 2;
    QTest::newRow("picture only: the screenshot folder still goes") << true << false << 0 << 0 << one << 2;
    QTest::newRow("missing picture") << true << false << 0 << 1 << QStringList{QStringLiteral("gone.jpg")} << 1;
    QTest::newRow("crash report: everything") << false << true << 1 << 2 << one << 5;
}

// The preview (what the window shows) and the packaging (what is sent) read
// one plan: the same archives in the same order with the same entries, and a
// mail size estimate near the mail that is written.
void TestFeedbackUnits::previewAgreesWithPackaging()
{
    QFETCH(bool, feedbackMode);
    QFETCH(bool, logs);
    QFETCH(int, database);
    QFETCH(int, screenshots);
    QFETCH(QStringList, pictures);
    QFETCH(int, attached);

    const QByteArray text = QByteArray("2024-01-01 12:00:00 INFO worker ok\n").repeated(20000);
    QVERIFY(TestSupport::writeFile(m_app + QStringLiteral("/Log/app.log"), text));
    QVERIFY(TestSupport::writeFile(m_app + QStringLiteral("/Log/old.log.1"), "rotated"));
    QVERIFY(TestSupport::writeFile(m_app + QStringLiteral("/Log/notes.txt"), "notes"));
    QVERIFY(TestSupport::writeFile(m_app + QStringLiteral("/crashcore.dmp"), TestSupport::randomBytes(50000, 3)));
    QVERIFY(TestSupport::writeFile(m_app + QStringLiteral("/parvane_db/main.db"),
                                   TestSupport::randomBytes(database == 2 ? 16000000 : 300000, 4)));
    QVERIFY(TestSupport::writeFile(m_app + QStringLiteral("/parvane_db/text.db"), text));
    QVERIFY(TestSupport::writeFile(m_app + QStringLiteral("/ScreenPicture/shot.png"), TestSupport::randomBytes(40000, 5)));
    QVERIFY(TestSupport::writeFile(m_app + QStringLiteral("/pictures/p.jpg"), TestSupport::randomBytes(30000, 6)));

    ReportForm form;
    form.comment = QStringLiteral("what went wrong");
    form.attachLog = logs;
    form.attachDatabase = database > 0;
    form.screenshotCount = screenshots;
    for (const QString &picture : pictures)
        form.photoPaths << m_app + QLatin1Char('/') + picture;
    ReportContext context;
    context.appDir = m_app;
    context.hostPath = m_app + QStringLiteral("/host.exe");
    context.feedbackMode = feedbackMode;
    ReportPreview preview = ReportPreview::make(form, context);
    preview.estimate();

    QStringList files;
    QCOMPARE(ReportPackaging::packageAttachments(form, m_app, feedbackMode, files), database < 2);
    QCOMPARE(files.size(), attached);
    QCOMPARE(preview.databaseOverLimit() > 0, database == 2);
    QStringList planned;
    for (const ReportPlan::Archive &archive : qAsConst(preview.plan.archives)) {
        if (!files.contains(archive.path))
            break; // a refused archive ends the packaging
        planned << archive.path;
        QStringList names;
        for (const ReportPlan::File &file : archive.files)
            names << QFileInfo(file.path).fileName();
        QCOMPARE(entryNames(archive.path), names);
    }
    if (database == 2)
        return;
    for (const ReportPlan::File &picture : qAsConst(preview.plan.pictures))
        planned << picture.path;
    QCOMPARE(files, planned);

    MimeText body;
    const auto message = ReportComposer::buildReportMessage(MailSettings(), context, &body, files);
    body.setText(preview.body);
    const QString mail = m_app + QStringLiteral("/mail.eml");
    QVERIFY(ReportComposer::writeMailFile(*message, mail));
    const qint64 written = QFileInfo(mail).size();
    QVERIFY2(qAbs(preview.mailSize - written) <= qMax<qint64>(written / 10, 2048),
             qPrintable(QStringLiteral("estimated %1, written %2").arg(preview.mailSize).arg(written)));
}

void TestFeedbackUnits::hostileDraftsAreRefused_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("screenshots");
    const QByteArray shot = R"({"format": 1, "comment": "hi", "screenshots": ["a.png"]})";
    QTest::newRow("whole") << shot << QString() << true << 1;
    QTest::newRow("not JSON") << QByteArray("{\"format\": 1, \"comm") << QString() << false << 0;
    QTest::newRow("comment of the wrong type") << QByteArray(R"({"format": 1, "comment": 5})") << QString() << false << 0;
    QTest::newRow("screenshots not a list of texts")
        << QByteArray(R"({"format": 1, "screenshots": [1]})") << QString() << false << 0;
    QTest::newRow("supersedes outside the outbox")
        << QByteArray(R"({"format": 1, "supersedes": "../x"})") << QString() << false << 0;
    QTest::newRow("screenshot name with a slash")
        << QByteArray(R"({"format": 1, "screenshots": ["../../etc/passwd"]})") << QString() << false << 0;
    QTest::newRow("edited picture name with a slash")
        << QByteArray(R"({"format": 1, "editedPictures": ["x/../../a.png"]})") << QString() << false << 0;
    QTest::newRow("picture order of other letters")
        << QByteArray(R"({"format": 1, "pictureOrder": "pex"})") << QString() << false << 0;
    QTest::newRow("hidden areas not a count")
        << QByteArray(R"({"format": 1, "hiddenAreas": {"a.png": -1}})") << QString() << false << 0;
    QTest::newRow("screenshot name ..") << QByteArray(R"({"format": 1, "screenshots": [".."]})") << QString() << false << 0;
    QTest::newRow("screenshot name with a control character")
        << QByteArray(R"({"format": 1, "screenshots": ["a.png"]})") << QString() << false << 0;
    QTest::newRow("screenshot that is a link outside") << shot << QStringLiteral("link shot") << true << 0;
    QTest::newRow("screenshot folder that is a link outside") << shot << QStringLiteral("link folder") << true << 0;
    QTest::newRow("draft that is a folder") << QByteArray() << QStringLiteral("folder") << false << 0;
    QTest::newRow("draft that is a link outside") << shot << QStringLiteral("link draft") << false << 0;
}

void TestFeedbackUnits::hostileDraftsAreRefused()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, change);
    QFETCH(bool, loads);
    QFETCH(int, screenshots);
    if (change.startsWith(QLatin1String("link")) && !TestSupport::FollowedLinks)
        QSKIP("QFile::link makes a shortcut here, which no read follows");
    const QString folder = m_app + QStringLiteral("/drafts");
    const QString key = DraftStore::key(QStringLiteral("C:/Tool.exe"), true);
    const QString draft = folder + QLatin1Char('/') + key + QStringLiteral(".json");
    const QString files = folder + QLatin1Char('/') + key + QStringLiteral("-files");
    const QString outside = m_app + QStringLiteral("/outside");
    QVERIFY(TestSupport::writeFile(outside + QStringLiteral("/a.png"), "picture"));
    if (change == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(draft));
    else if (change == QLatin1String("link draft"))
        QVERIFY(TestSupport::writeFile(outside + QStringLiteral("/d.json"), json) && QDir().mkpath(folder)
                && QFile::link(outside + QStringLiteral("/d.json"), draft));
    else
        QVERIFY(TestSupport::writeFile(draft, json));
    if (change == QLatin1String("link folder"))
        QVERIFY(QFile::link(outside, files));
    else if (change == QLatin1String("link shot"))
        QVERIFY(QDir().mkpath(files) && QFile::link(outside + QStringLiteral("/a.png"), files + QStringLiteral("/a.png")));
    else
        QVERIFY(TestSupport::writeFile(files + QStringLiteral("/a.png"), "picture"));

    QString problem;
    const std::optional<ReportDraft> loaded = DraftStore(folder).load(key, &problem);
    QCOMPARE(bool(loaded), loads);
    QCOMPARE(problem.isEmpty(), loads);
    if (loaded)
        QCOMPARE(loaded->screenshots.size(), screenshots);
    DraftStore(folder).discard(key); // never what a link leads to
    QVERIFY(QFile::exists(outside + QStringLiteral("/a.png")));
}

void TestFeedbackUnits::draftPicturesComeBack_data()
{
    QTest::addColumn<QString>("lost");
    QTest::addColumn<QStringList>("screenshots");
    QTest::addColumn<QStringList>("pictures");
    // Listed: screenshots s1 (1 area hidden) and s2; pictures p2 (edited: 2
    // areas, in a copy), the user's p1, p3. "lost" is gone before the restore.
    QTest::newRow("all there") << QString() << QStringList{"s1:1", "s2:0"} << QStringList{"p2:2", "p1:0", "p3:0"};
    QTest::newRow("the user's picture gone") << QStringLiteral("p1") << QStringList{"s1:1", "s2:0"}
                                             << QStringList{"p2:2", "p3:0"};
    QTest::newRow("a kept screenshot gone") << QStringLiteral("s1") << QStringList{"s2:0"}
                                            << QStringList{"p2:2", "p1:0", "p3:0"};
    QTest::newRow("the kept edit gone") << QStringLiteral("p2") << QStringList{"s1:1", "s2:0"}
                                        << QStringList{"p1:0", "p3:0"};
    QTest::newRow("no screenshots listed") << QStringLiteral("no screenshots") << QStringList()
                                           << QStringList{"p2:2", "p1:0", "p3:0"};
    QTest::newRow("a draft of before: no order") << QStringLiteral("order") << QStringList{"s1:1", "s2:0"}
                                                 << QStringList{"p1:0", "p3:0", "p2:2"};
}

// A draft keeps the listed pictures with what was hidden in them, and a
// later window lists them again: screenshots as new files of its screenshot
// folder, the user's own pictures where they are, edits as copies of its own.
void TestFeedbackUnits::draftPicturesComeBack()
{
    QFETCH(QString, lost);
    QFETCH(QStringList, screenshots);
    QFETCH(QStringList, pictures);
    const QString shots = m_app + QStringLiteral("/ScreenPicture");
    const auto file = [this](const QString &name) {
        const QString path = m_app + QStringLiteral("/") + name + QStringLiteral(".png");
        return TestSupport::writeFile(path, QFileInfo(name).fileName().toLatin1()) ? path : QString();
    };
    QStringList listedShots{file(QStringLiteral("ScreenPicture/s1")), file(QStringLiteral("ScreenPicture/s2"))};
    if (lost == QLatin1String("no screenshots"))
        listedShots.clear();
    PictureEdits before;
    const QString p2 = file(QStringLiteral("p2"));
    const QString p2Copy = before.targetFor(p2, false);
    QVERIFY(QFile::copy(p2, p2Copy));
    before.edited(p2, p2Copy, 2);
    if (!listedShots.isEmpty()) {
        const QString s1 = listedShots.first();
        before.edited(s1, s1, 1);
    }

    ReportDraft draft;
    before.keepIn(draft, listedShots, {p2Copy, file(QStringLiteral("p1")), file(QStringLiteral("p3"))});
    if (lost == QLatin1String("order"))
        draft.pictureOrder.clear();
    const QString store = m_app + QStringLiteral("/drafts");
    QVERIFY(DraftStore(store).save(QStringLiteral("k"), draft));
    std::optional<ReportDraft> loaded = DraftStore(store).load(QStringLiteral("k"));
    QVERIFY(loaded);
    QCOMPARE(loaded->pictures.size() + loaded->editedPictures.size() + loaded->screenshots.size(),
             3 + listedShots.size());
    const QString startShot = file(QStringLiteral("ScreenPicture/start"));
    const QMap<QString, QString> keptFile{{"s1", loaded->screenshots.value(0)},
                                          {"p1", m_app + QStringLiteral("/p1.png")},
                                          {"p2", loaded->editedPictures.value(0)}};
    if (keptFile.contains(lost))
        QVERIFY(QFile::remove(keptFile[lost]));

    PictureEdits after;
    const PictureEdits::Restored restored = after.restore(*loaded, shots);
    // Each listed file as "<what it holds>:<areas hidden>".
    const auto described = [&after](const QStringList &paths) {
        QStringList out;
        for (const QString &path : paths)
            out << QString::fromLatin1(TestSupport::readFile(path)) + QLatin1Char(':')
                       + QString::number(after.hiddenAreas(path));
        return out;
    };
    QCOMPARE(described(restored.screenshots), screenshots);
    QCOMPARE(described(restored.pictures), pictures);
    for (const QString &path : restored.screenshots)
        QCOMPARE(QFileInfo(path).absolutePath(), shots);
    // The start-up screenshot makes way for the draft's, and only for them.
    QCOMPARE(QFile::exists(startShot), listedShots.isEmpty());
    for (const QString &path : restored.pictures)
        QCOMPARE(after.isCopy(path), !path.startsWith(m_app + QLatin1Char('/')));
}

QTEST_GUILESS_MAIN(TestFeedbackUnits)
#include "tst_feedback_units.moc"
