// Address judgement while typing, and the screenshot and picture lists.

#include "cfeedback.h"
#include "cpictureeditor.h"
#include "cscreenimg.h"
#include "imgview.h"
#include "pzstylebutton.h"
#include "testsupport.h"
#include "windowtestsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QPushButton *tileButton(QListWidget *list, int row)
{
    auto *tile = qobject_cast<ImgView *>(list->itemWidget(list->item(row)));
    return tile ? tile->closeButton() : nullptr;
}

} // namespace

class TestFeedbackPictures : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void judgeAddress_data();
    void judgeAddress();
    void blankAddressEnablesSubmitOnly();
    void errorLabelStaysUntilValidJudgement();

    void startupScreenshotIsListed_data();
    void startupScreenshotIsListed();
    void capturesFillTheListToThree();
    void cancelledCaptureAddsNothing();
    void captureOverlayHidesAndRestoresWindow();
    void picturesFillTheListToThree();
    void pickedPicture_data();
    void pickedPicture();
    void clearPictureListsKeepsFiles();
    void doubleClickedTileHidesParts_data();
    void doubleClickedTileHidesParts();

private:
    std::unique_ptr<CFeedback> m_window;
    QTemporaryDir m_pictures;
    QStringList m_picked;
    QStringList m_dialogCalls;
    QList<QPair<QString, QString>> m_boxes;
};

void TestFeedbackPictures::init()
{
    WindowTest::cleanAppDir();
    WindowTest::setSkinSettings("{}");
    m_picked.clear();
    m_dialogCalls.clear();
    m_boxes.clear();
    m_window = std::make_unique<CFeedback>(true, QString(), QStringLiteral("C:/Apps/Photo Tool/PhotoTool.exe"));
    m_window->seams().fileDialog = [this](QWidget *parent, const QString &caption, const QString &folder,
                                       const QString &filter) {
        m_dialogCalls << QStringLiteral("%1|%2|%3|%4")
                             .arg(parent == m_window.get() ? QStringLiteral("window") : QStringLiteral("other"),
                                  caption, folder, filter);
        return m_picked.isEmpty() ? QString() : m_picked.takeFirst();
    };
    m_window->seams().messageBox = [this](const QString &text, const QString &caption) {
        m_boxes << qMakePair(text, caption);
    };
}

void TestFeedbackPictures::cleanup()
{
    m_window.reset();
    WindowTest::cleanAppDir();
}

void TestFeedbackPictures::judgeAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");

    QTest::newRow("plain") << "john@example.com" << true;
    QTest::newRow("two-letter top level") << "john@example.de" << true;
    QTest::newRow("capitals") << "John.Doe@Example.COM" << true;
    QTest::newRow("dots, hyphens, underscores inside") << "j.o-h_n@mail-server.ex_ample.org" << true;
    QTest::newRow("blanks around are trimmed") << "  john@example.com  " << true;
    QTest::newRow("four-letter top level") << "john@example.info" << false;
    QTest::newRow("one-letter top level") << "john@example.c" << false;
    QTest::newRow("plus sign") << "john+tag@example.com" << false;
    QTest::newRow("dotless domain") << "john@localhost" << false;
    QTest::newRow("two separators in a row") << "jo..hn@example.com" << false;
    QTest::newRow("separator before @") << "john.@example.com" << false;
    QTest::newRow("no local part") << "@example.com" << false;
    QTest::newRow("two @") << "jo@hn@example.com" << false;
    QTest::newRow("non-ASCII letter") << QString::fromUtf8("j\xc3\xb6rg@example.com") << false;
    QTest::newRow("blank inside") << "john doe@example.com" << false;
    QTest::newRow("long run without @") << QString(120, QLatin1Char('a')) + QStringLiteral("!") << false;
}

void TestFeedbackPictures::judgeAddress()
{
    QFETCH(QString, address);
    QFETCH(bool, valid);

    Ui_CFeedback &ui = m_window->form();
    ui.lineedit_EmailText->setText(address);
    emit ui.lineedit_EmailText->editingFinished();
    QCOMPARE(ui.label_EmailWrong->isHidden(), valid);
    QCOMPARE(ui.ButtonSubmit->isEnabled(), valid);
    QCOMPARE(CFeedback::isValidAddress(address.trimmed()), valid);
}

void TestFeedbackPictures::blankAddressEnablesSubmitOnly()
{
    Ui_CFeedback &ui = m_window->form();
    QVERIFY(!ui.ButtonSubmit->isEnabled());
    ui.lineedit_EmailText->setText(QStringLiteral(" "));
    QVERIFY(ui.ButtonSubmit->isEnabled());
    emit ui.lineedit_EmailText->editingFinished();
    QVERIFY(ui.ButtonSubmit->isEnabled());
    QVERIFY(ui.label_EmailWrong->isHidden());
    ui.lineedit_EmailText->clear();
    QVERIFY(!ui.ButtonSubmit->isEnabled());
}

void TestFeedbackPictures::errorLabelStaysUntilValidJudgement()
{
    Ui_CFeedback &ui = m_window->form();
    ui.lineedit_EmailText->setText(QStringLiteral("bad@address"));
    emit ui.lineedit_EmailText->editingFinished();
    QVERIFY(!ui.label_EmailWrong->isHidden());
    QVERIFY(!ui.ButtonSubmit->isEnabled());

    ui.lineedit_EmailText->clear();
    QVERIFY(!ui.label_EmailWrong->isHidden());
    QVERIFY(!ui.ButtonSubmit->isEnabled());
    ui.lineedit_EmailText->setText(QStringLiteral("good@address.com"));
    QVERIFY(!ui.label_EmailWrong->isHidden()); // typing alone does not hide it
    QVERIFY(ui.ButtonSubmit->isEnabled());
    emit ui.lineedit_EmailText->editingFinished();
    QVERIFY(ui.label_EmailWrong->isHidden());
}

void TestFeedbackPictures::startupScreenshotIsListed_data()
{
    QTest::addColumn<bool>("folderIsFile");
    QTest::newRow("written") << false;
    QTest::newRow("save fails: the tile goes again") << true;
}

void TestFeedbackPictures::startupScreenshotIsListed()
{
    QFETCH(bool, folderIsFile);
    if (folderIsFile)
        QVERIFY(TestSupport::writeFile(CFeedback::screenshotFolder(), "not a folder"));
    m_window->setLaunchInfo(QString(), QString(), QString());
    // Listed from the grab at once; the file follows.
    QCOMPARE(m_window->form().listWidget_Screen->count(), 1);
    if (folderIsFile) {
        QTRY_COMPARE(m_window->form().listWidget_Screen->count(), 0);
        QVERIFY(m_window->form().captureButton->isEnabled());
        QVERIFY(QFileInfo(CFeedback::screenshotFolder()).isFile());
        return;
    }
    QVERIFY(WindowTest::startupScreenshotWritten());
    QListWidgetItem *item = m_window->form().listWidget_Screen->item(0);
    QCOMPARE(item->sizeHint(), QSize(52, 41));
    QCOMPARE(item->flags(), Qt::NoItemFlags);
    QVERIFY(qobject_cast<ImgView *>(m_window->form().listWidget_Screen->itemWidget(item)));
    QCOMPARE(m_window->reportForm().screenshotCount, 1);
    QVERIFY(m_window->form().captureButton->isEnabled());
}

void TestFeedbackPictures::capturesFillTheListToThree()
{
    Ui_CFeedback &ui = m_window->form();
    m_window->setLaunchInfo(QString(), QString(), QString());
    const QString folder = CFeedback::screenshotFolder();
    const QString first = folder + QStringLiteral("/feedback000000000001.png");
    const QString second = folder + QStringLiteral("/feedback000000000002.png");
    QVERIFY(WindowTest::writePicture(first, "PNG"));
    QVERIFY(WindowTest::writePicture(second, "PNG"));

    m_window->SlotSaveFinished(first);
    QCOMPARE(ui.listWidget_Screen->count(), 2);
    QVERIFY(ui.captureButton->isEnabled());
    m_window->SlotSaveFinished(second);
    QCOMPARE(ui.listWidget_Screen->count(), 3);
    QVERIFY(!ui.captureButton->isEnabled());
    QVERIFY(m_window->isVisible());

    // Closing the middle tile frees a place and deletes that file only.
    QPushButton *close = tileButton(ui.listWidget_Screen, 1);
    QVERIFY(close);
    close->click();
    QCOMPARE(ui.listWidget_Screen->count(), 2);
    QVERIFY(ui.captureButton->isEnabled());
    QVERIFY(!QFile::exists(first));
    QVERIFY(QFile::exists(second));
    QTRY_COMPARE(WindowTest::screenshotFiles().size(), 2);
    QCOMPARE(m_window->reportForm().screenshotCount, 2);

    // A file that is already gone does not stop the removal.
    QVERIFY(QFile::remove(second));
    tileButton(ui.listWidget_Screen, 1)->click();
    QCOMPARE(ui.listWidget_Screen->count(), 1);
    QVERIFY(m_boxes.isEmpty());
}

void TestFeedbackPictures::cancelledCaptureAddsNothing()
{
    m_window->hide();
    m_window->SlotSaveFinished(QString());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->form().listWidget_Screen->count(), 0);
    QVERIFY(m_boxes.isEmpty());
}

void TestFeedbackPictures::captureOverlayHidesAndRestoresWindow()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->SlotScreenShot();
    QVERIFY(!m_window->isVisible());
    QPointer<CScreenImg> overlay;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<CScreenImg *>(widget))
            overlay = candidate;
    }
    QVERIFY(overlay);
    QVERIFY(overlay->testAttribute(Qt::WA_DeleteOnClose));
    overlay->SlotCancle();
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->form().listWidget_Screen->count(), 0);
    QTRY_VERIFY(overlay.isNull());
}

void TestFeedbackPictures::picturesFillTheListToThree()
{
    Ui_CFeedback &ui = m_window->form();
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        paths << m_pictures.path() + QStringLiteral("/picture%1.jpg").arg(i);
        QVERIFY(WindowTest::writePicture(paths.last(), "JPEG"));
    }
    m_picked = paths;
    m_window->SlotAddImg();
    m_window->SlotAddImg();
    QVERIFY(ui.addImage->isEnabled());
    m_window->SlotAddImg();
    QCOMPARE(ui.listWidget_Photo->count(), 3);
    QVERIFY(!ui.addImage->isEnabled());
    QCOMPARE(m_window->reportForm().photoPaths, paths);

    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/Pictures");
    QCOMPARE(m_dialogCalls.size(), 3);
    QCOMPARE(m_dialogCalls.first(),
             QStringLiteral("window|Open|%1|Picture(*.jpg *.png *.bmp *.gif)").arg(folder));

    tileButton(ui.listWidget_Photo, 0)->click();
    QCOMPARE(ui.listWidget_Photo->count(), 2);
    QVERIFY(ui.addImage->isEnabled());
    QVERIFY(QFile::exists(paths.first())); // the user's file is only referred to
    QCOMPARE(m_window->reportForm().photoPaths, paths.mid(1));
    QCOMPARE(ui.listWidget_Screen->count(), 0);
}

void TestFeedbackPictures::pickedPicture_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("format"); // empty: write text instead of a picture
    QTest::addColumn<bool>("listed");

    QTest::newRow("PNG") << "a.png" << QByteArray("PNG") << true;
    QTest::newRow("BMP") << "a.bmp" << QByteArray("BMP") << true;
    QTest::newRow("JPEG named .png") << "photo.png" << QByteArray("JPEG") << true;
    QTest::newRow("PNG named .jpg") << "photo.jpg" << QByteArray("PNG") << true;
    QTest::newRow("text named .png") << "notes.png" << QByteArray() << false;
    QTest::newRow("missing file") << "<missing>.png" << QByteArray("missing") << false;
}

void TestFeedbackPictures::pickedPicture()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, format);
    QFETCH(bool, listed);

    const QString path = m_pictures.path() + QLatin1Char('/') + fileName;
    if (format.isEmpty())
        QVERIFY(TestSupport::writeFile(path, "just some words, not a picture\n"));
    else if (format != "missing")
        QVERIFY(WindowTest::writePicture(path, format.constData()));
    m_picked = QStringList{path};
    m_window->SlotAddImg();

    QCOMPARE(m_window->form().listWidget_Photo->count(), listed ? 1 : 0);
    if (listed) {
        QVERIFY(m_boxes.isEmpty());
    } else {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.first().first, QStringLiteral("Failed to upload pictures! Please try again."));
        QCOMPARE(m_boxes.first().second, QStringLiteral("PhotoTool"));
    }
}

void TestFeedbackPictures::clearPictureListsKeepsFiles()
{
    Ui_CFeedback &ui = m_window->form();
    m_window->setLaunchInfo(QString(), QString(), QString());
    const QString shot = CFeedback::screenshotFolder() + QStringLiteral("/feedback000000000003.png");
    QVERIFY(WindowTest::writePicture(shot, "PNG"));
    m_window->SlotSaveFinished(shot);
    m_window->SlotSaveFinished(shot);
    QVERIFY(!ui.captureButton->isEnabled());
    const QString picture = m_pictures.path() + QStringLiteral("/kept.png");
    QVERIFY(WindowTest::writePicture(picture, "PNG"));
    m_window->addPicture(picture);

    m_window->clearPictureLists();
    QCOMPARE(ui.listWidget_Screen->count(), 0);
    QCOMPARE(ui.listWidget_Photo->count(), 0);
    QVERIFY(ui.captureButton->isEnabled());
    QVERIFY(QFile::exists(shot));
    QVERIFY(QFile::exists(picture));
    QTRY_COMPARE(WindowTest::screenshotFiles().size(), 2);
    QVERIFY(m_window->reportForm().photoPaths.isEmpty());
}

void TestFeedbackPictures::doubleClickedTileHidesParts_data()
{
    QTest::addColumn<bool>("screenshot");
    QTest::newRow("screenshot: rewritten where it is") << true;
    QTest::newRow("picture from disk: a copy is sent, the file stays") << false;
}

// A double click on a tile opens the editor; after Done the report sends
// the edited file and counts the area for the note in the log archive.
void TestFeedbackPictures::doubleClickedTileHidesParts()
{
    QFETCH(bool, screenshot);
    const QString path = screenshot ? CFeedback::screenshotFolder() + QStringLiteral("/feedback1.png")
                                    : m_pictures.path() + QStringLiteral("/mine.jpg");
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(WindowTest::writePicture(path, screenshot ? "png" : "jpeg", 200, 100));
    const QByteArray original = TestSupport::readFile(path);
    QListWidget *list = screenshot ? m_window->form().listWidget_Screen : m_window->form().listWidget_Photo;
    if (screenshot) {
        m_window->addScreenshot(path);
    } else {
        m_picked = QStringList{path};
        m_window->SlotAddImg();
    }
    QCOMPARE(list->count(), 1);

    QTest::mouseDClick(list->itemWidget(list->item(0)), Qt::LeftButton);
    QVERIFY(m_window->findChild<CPictureEditor *>());
    QVERIFY(WindowTest::hideAreaInEditor(m_window.get()));

    const ReportForm form = m_window->reportForm();
    QCOMPARE(form.hiddenAreas, 1);
    const QString sent = screenshot ? path : form.photoPaths.value(0);
    QCOMPARE(sent == path, screenshot);
    QCOMPARE(TestSupport::readFile(path) == original, !screenshot);
    const QImage edited(sent);
    QCOMPARE(edited.size(), QSize(200, 100));
    QCOMPARE(edited.pixel(30, 25), qRgb(0, 0, 0));
    QVERIFY(edited.pixel(100, 80) != qRgb(0, 0, 0));

    // Removing the picture takes its areas out of the count.
    QTest::mouseClick(tileButton(list, 0), Qt::LeftButton);
    QCOMPARE(m_window->reportForm().hiddenAreas, 0);
}

QTEST_MAIN(TestFeedbackPictures)
#include "tst_feedback_pictures.moc"
