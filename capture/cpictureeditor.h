#pragma once

#include "hiddenareas.h"
#include "pzstyledialog.h"

#include <QImage>
#include <QString>

class QLabel;
class QPushButton;
class PictureCanvas;

// Hides parts of a screenshot or picture before it is sent: the user drags
// rectangles over the picture, which are blacked out, can take them back one
// by one (Undo), and leaves with Done or Cancel. Done writes the picture with
// the areas black to the target file (a temporary name, then renamed); the
// hidden pixels are gone from the file, not covered by a layer. Cancel writes
// nothing. Source and target may be the same file; the window passes a copy
// as target for a picture of the user's own, which is never changed.
class CPictureEditor : public PZStyleDialog
{
    Q_OBJECT
public:
    CPictureEditor(const QString &source, const QString &target, QWidget *parent = nullptr);
    ~CPictureEditor() override;

    // False when the source is not a picture or too large to edit.
    bool isLoaded() const { return !m_picture.isNull(); }
    const HiddenAreas &hiddenAreas() const { return m_areas; }
    QString target() const { return m_target; }

private:
    void setupUi();
    void finish();
    void updateButtons();

    QString m_target;
    QImage m_picture;
    HiddenAreas m_areas;
    PictureCanvas *m_canvas = nullptr;
    QPushButton *m_undo = nullptr;
    QLabel *m_error = nullptr;
};
