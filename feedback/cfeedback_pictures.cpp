// The two picture lists of the feedback window: screenshots (the start-up
// one and captures) and pictures from disk, and the editor that hides parts.

#include "cfeedback.h"

#include "formaccessibility.h"
#include "cscreenimg.h"
#include "hostplatform.h"
#include "imgview.h"
#include "picturethumbnail.h"
#include "picturetiles.h"
#include "previewpanel.h"
#include "pzstylebutton.h"
#include "screenshotwriter.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStandardPaths>

namespace {

constexpr int MaxPicturesPerList = 3;

} // namespace

void CFeedback::SlotScreenShot()
{
    hide();
    auto *overlay = new CScreenImg();
    connect(overlay, SIGNAL(SignalSaveFinished(QString)), this, SLOT(SlotSaveFinished(QString)));
    overlay->setAttribute(Qt::WA_DeleteOnClose);
    overlay->show();
}

void CFeedback::SlotSaveFinished(QString path)
{
    show();
    if (!path.isEmpty())
        addScreenshot(path);
}

void CFeedback::SlotAddImg()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/Pictures");
    const QString caption = tr("Open");
    // Translations keep the patterns in brackets.
    const QString filter = tr("Picture(*.jpg *.png *.bmp *.gif)");
    addPicture(m_seams.openFileName(this, caption, folder, filter));
}

void CFeedback::addScreenshot(const QString &path)
{
    addTile(m_ui.listWidget_Screen, path, PictureThumbnail::FormatFrom::SuffixThenContents, true);
}

void CFeedback::addPicture(const QString &path)
{
    addTile(m_ui.listWidget_Photo, path, PictureThumbnail::FormatFrom::Contents, false);
}

bool CFeedback::addTile(QListWidget *list, const QString &path, PictureThumbnail::FormatFrom format,
                        bool screenshot)
{
    if (path.isEmpty())
        return false;
    const QPixmap pixmap = PictureThumbnail::load(path, format);
    if (pixmap.isNull()) {
        m_seams.showMessage(this, tr("Failed to upload pictures! Please try again."), m_context.productName);
        return false;
    }
    listTile(list, path, pixmap, screenshot);
    return true;
}

void CFeedback::listTile(QListWidget *list, const QString &path, const QPixmap &thumbnail, bool screenshot)
{
    const PictureTiles::Tile tile = PictureTiles::append(list, thumbnail);
    QPushButton *closeButton = tile.view->closeButton();
    if (screenshot) {
        m_screenItems.insert(closeButton, tile.item);
        m_screenPaths.insert(closeButton, path);
    } else {
        m_photoItems.insert(closeButton, tile.item);
        m_photoPaths.insert(tile.item, path);
    }
    if (list->count() >= MaxPicturesPerList)
        (screenshot ? m_ui.captureButton : m_ui.addImage)->setEnabled(false);
    connect(tile.view, &ImgView::SignalClose, this, [this, screenshot](QPushButton *button) {
        screenshot ? removeScreenshot(button) : removePicture(button);
    });
    connect(tile.view, &ImgView::SignalOpen, this, [this, screenshot](QPushButton *button) {
        editPicture(screenshot ? m_screenPaths.value(button) : m_photoPaths.value(m_photoItems.value(button)));
    });
    m_access->nameTiles(list);
}

void CFeedback::removeScreenshot(QPushButton *closeButton)
{
    PictureTiles::remove(m_ui.listWidget_Screen, m_screenItems.take(closeButton));
    m_ui.captureButton->setEnabled(true);
    const QString path = m_screenPaths.value(closeButton);
    m_screenshotWriter->discard(path);
    QFile::remove(path);
    m_pictureEdits.forget(path);
    m_screenPaths.remove(closeButton);
    m_access->nameTiles(m_ui.listWidget_Screen);
}

void CFeedback::removePicture(QPushButton *closeButton)
{
    // The picture belongs to the user: only its entry goes.
    QListWidgetItem *item = m_photoItems.take(closeButton);
    m_photoPaths.remove(item);
    PictureTiles::remove(m_ui.listWidget_Photo, item);
    m_ui.addImage->setEnabled(true);
    m_access->nameTiles(m_ui.listWidget_Photo);
}

void CFeedback::takeAutoScreenshot()
{
    // Asked for while the window was built (at start-up), or now.
    const QImage grab = HostPlatform::grabPrimaryScreen(std::move(m_desktopGrab));
    if (grab.isNull())
        return;
    const QString folder = screenshotFolder();
    const QString path = ScreenshotWriter::newPath(folder);
    QDir dir;
    if (!dir.exists(folder) && !dir.mkdir(folder))
        return;
    // The tile comes from the grab in memory; encoding the PNG would hold up
    // the window for longer than anything else at start-up. Packaging waits
    // for the file, and a save that fails takes its tile away again.
    listTile(m_ui.listWidget_Screen, path, PictureThumbnail::fromImage(grab), true);
    m_screenshotWriter->save(grab, path);
}

void CFeedback::screenshotSaved(const QString &path, bool saved)
{
    if (saved)
        return;
    if (QPushButton *closeButton = m_screenPaths.key(path, nullptr))
        removeScreenshot(closeButton);
}

void CFeedback::clearPictureLists()
{
    m_ui.captureButton->setEnabled(true);
    // A deleted item takes its tile with it; the files stay where they are.
    PictureTiles::clear(m_ui.listWidget_Screen);
    PictureTiles::clear(m_ui.listWidget_Photo);
    // The entries would only point at deleted items now.
    m_screenItems.clear();
    m_screenPaths.clear();
    m_photoItems.clear();
    m_photoPaths.clear();
    m_pictureEdits.clear();
}

void CFeedback::editPicture(const QString &path, QWidget *over)
{
    const bool screenshot = m_screenPaths.key(path, nullptr) != nullptr;
    // While a report is being packed its pictures are not rewritten.
    if (m_sendThread || path.isEmpty() || (!screenshot && !m_photoPaths.key(path, nullptr)))
        return;
    // The screenshot file must be whole before it is read and rewritten.
    if (screenshot)
        m_screenshotWriter->waitForPending();
    m_pictureEdits.open(path, screenshot, over ? over : this,
                        [this, path](const QString &edited) { pictureEdited(path, edited); });
}

void CFeedback::pictureEdited(const QString &path, const QString &edited)
{
    QListWidgetItem *item = nullptr;
    QListWidget *list = m_ui.listWidget_Screen;
    if (QPushButton *button = m_screenPaths.key(path, nullptr)) {
        item = m_screenItems.value(button);
    } else if ((item = m_photoPaths.key(path, nullptr))) {
        list = m_ui.listWidget_Photo;
        m_photoPaths.insert(item, edited);
    }
    PictureTiles::showFile(list, item, edited);
    m_previewPanel->pictureEdited();
}
