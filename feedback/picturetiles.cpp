#include "picturetiles.h"

#include "imgview.h"
#include "picturethumbnail.h"

#include <QListWidget>
#include <QPointer>

namespace PictureTiles {

Tile append(QListWidget *list, const QPixmap &thumbnail)
{
    auto *view = new ImgView();
    view->setPicture(thumbnail);
    auto *item = new QListWidgetItem();
    item->setSizeHint(QSize(52, 41));
    item->setFlags(Qt::NoItemFlags); // only the tile reacts, not the item
    list->addItem(item);
    list->setItemWidget(item, view);
    return {item, view};
}

void remove(QListWidget *list, QListWidgetItem *item)
{
    if (!item)
        return;
    QPointer<QWidget> view = list->itemWidget(item);
    list->removeItemWidget(item);
    if (view) {
        view->hide();
        view->deleteLater();
    }
    delete item;
}

void clear(QListWidget *list)
{
    while (list->count() > 0)
        delete list->takeItem(0);
}

void showFile(QListWidget *list, QListWidgetItem *item, const QString &path)
{
    if (auto *view = item ? qobject_cast<ImgView *>(list->itemWidget(item)) : nullptr)
        view->setPicture(PictureThumbnail::load(path, PictureThumbnail::FormatFrom::SuffixThenContents));
}

} // namespace PictureTiles
