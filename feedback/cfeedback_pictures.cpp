// The two picture lists of the feedback window: screenshots (the start-up
// one and captures) and pictures from disk, and the editor that hides parts.

#include "cfeedback.h"

#include "formaccessibility.h"
#include "cscreenimg.h"
#include "hostplatform.h"
#include "imgview.h"
#include "picturethumbnail.h"
#include "previewpanel.h"
#include "pzmessagebox.h"
#include "pzstylebutton.h"
#include "screenshotwriter.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

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
    const QString path = m_seams.fileDialog ? m_seams.fileDialog(this, caption, folder, filter)
                                      : QFileDialog::getOpenFileName(this, caption, folder, filter);
    addPicture(path);
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
        showFailure(tr("Failed to upload pictures! Please try again."));
        return false;
    }
    listTile(list, path, pixmap, screenshot);
    return true;
}

void CFeedback::listTile(QListWidget *list, const QString &path, const QPixmap &thumbnail, bool screenshot)
{
    auto *tile = new ImgView();
    tile->setPicture(thumbnail);
    auto *item = new QListWidgetItem();
    item->setSizeHint(QSize(52, 41));
    item->setFlags(Qt::NoItemFlags); // only the tile reacts, not the item
    list->addItem(item);
    list->setItemWidget(item, tile); // the list owns the tile from here

    QPushButton *closeButton = tile->closeButton();
    if (screenshot) {
        m_screenItems.insert(closeButton, item);
        m_screenPaths.insert(closeButton, path);
        if (list->count() >= MaxPicturesPerList)
            m_ui.captureButton->setEnabled(false);
        connect(tile, &ImgView::SignalClose, this,
                [this](QPushButton *button) { removeScreenshot(button); });
        connect(tile, &ImgView::SignalOpen, this,
                [this](QPushButton *button) { editPicture(m_screenPaths.value(button)); });
    } else {
        m_photoItems.insert(closeButton, item);
        m_photoPaths.insert(item, path);
        if (list->count() >= MaxPicturesPerList)
            m_ui.addImage->setEnabled(false);
        connect(tile, &ImgView::SignalClose, this,
                [this](QPushButton *button) { removePicture(button); });
        connect(tile, &ImgView::SignalOpen, this,
                [this](QPushButton *button) { editPicture(m_photoPaths.value(m_photoItems.value(button))); });
    }
    m_access->nameTiles(list);
}

namespace {

// Takes the tile off its item and disposes of it. The tile is in the middle
// of emitting its close signal, so it goes later, not now.
void disposeTile(QListWidget *list, QListWidgetItem *item)
{
    if (!item)
        return;
    QPointer<QWidget> tile = list->itemWidget(item);
    list->removeItemWidget(item);
    if (tile) {
        tile->hide();
        tile->deleteLater();
    }
}

} // namespace

void CFeedback::removeScreenshot(QPushButton *closeButton)
{
    QListWidgetItem *item = m_screenItems.value(closeButton);
    disposeTile(m_ui.listWidget_Screen, item);
    m_ui.captureButton->setEnabled(true);
    const QString path = m_screenPaths.value(closeButton);
    m_screenshotWriter->discard(path);
    QFile::remove(path);
    m_pictureEdits.forget(path);
    delete item;
    m_screenItems.remove(closeButton);
    m_screenPaths.remove(closeButton);
    m_access->nameTiles(m_ui.listWidget_Screen);
}

void CFeedback::removePicture(QPushButton *closeButton)
{
    // The picture belongs to the user: only its entry goes.
    QListWidgetItem *item = m_photoItems.value(closeButton);
    disposeTile(m_ui.listWidget_Photo, item);
    m_ui.addImage->setEnabled(true);
    if (item)
        m_photoPaths.remove(item);
    delete item;
    m_photoItems.remove(closeButton);
    m_access->nameTiles(m_ui.listWidget_Photo);
}

void CFeedback::showFailure(const QString &text)
{
    if (m_seams.messageBox) {
        m_seams.messageBox(text, m_productName);
        return;
    }
    auto *box = new PZMessageBox(text, m_productName, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->exec();
}

void CFeedback::takeAutoScreenshot()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Asked for while the window was built (at start-up), or now.
    const auto desktop = m_desktopGrab ? std::move(m_desktopGrab) : HostPlatform::DesktopGrab::ofPrimaryScreen();
    QImage grab = desktop ? desktop->take() : QImage();
    if (grab.isNull()) {
        const QRect geometry = screen->geometry();
        grab = screen->grabWindow(0, 0, 0, geometry.width(), geometry.height()).toImage();
        grab.setDevicePixelRatio(1.0); // a plain picture, like the file it becomes
    }

    const QString folder = screenshotFolder();
    const QString path = ScreenshotWriter::newPath(folder);
    QDir dir;
    if (!dir.exists(folder) && !dir.mkdir(folder))
        return;
    if (grab.isNull())
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
    for (QListWidget *list : {m_ui.listWidget_Screen, m_ui.listWidget_Photo}) {
        while (list->count() > 0)
            delete list->takeItem(0);
    }
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
    if (auto *tile = item ? qobject_cast<ImgView *>(list->itemWidget(item)) : nullptr)
        tile->setPicture(PictureThumbnail::load(edited, PictureThumbnail::FormatFrom::SuffixThenContents));
    m_previewPanel->pictureEdited();
}
