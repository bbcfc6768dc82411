#pragma once

class ImgView;
class QListWidget;
class QListWidgetItem;
class QPixmap;
class QString;

// The tiles of the window's two picture lists: a list item each, with the
// tile as its widget.
namespace PictureTiles {

struct Tile
{
    QListWidgetItem *item;
    ImgView *view;
};

// A tile showing thumbnail at the end of list, which owns it from then on.
Tile append(QListWidget *list, const QPixmap &thumbnail);
// Takes item and its tile out of list (nothing when item is null). The tile
// may be in the middle of emitting its close signal, so it goes later.
void remove(QListWidget *list, QListWidgetItem *item);
// Empties list; every tile goes with its item.
void clear(QListWidget *list);
// item's tile shows the picture file at path from now on.
void showFile(QListWidget *list, QListWidgetItem *item, const QString &path);

} // namespace PictureTiles
