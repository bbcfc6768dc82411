#pragma once

#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>

class QToolButton;
class SelectionRect;

// The full-screen capture overlay: freezes the screen as a picture, shows it
// dimmed, lets the user drag out one rectangle, adjust and move it, and then
// save it (file plus clipboard) or cancel. The outcome is reported with
// exactly one SignalSaveFinished, after which the overlay closes itself.
//
// Geometry decisions (hit codes, normalising, pinning, placement) are made by
// SelectionRect; this class translates events into calls and answers into
// pixels.
class CScreenImg : public QWidget
{
    Q_OBJECT

public:
    // Drag modes besides the hit codes 0 to 7 of SelectionRect.
    enum { MovingMode = 8, IdleMode = 9 };

    // Grabs the screen and shows the overlay full screen.
    explicit CScreenImg(QWidget *parent = nullptr);
    // Uses the given picture (already at overlay resolution) as the frozen
    // screen instead of grabbing one; otherwise identical.
    explicit CScreenImg(const QPixmap &screen, QWidget *parent = nullptr);
    ~CScreenImg() override;

    // Every colour channel multiplied by 0.6 (truncated), alpha opaque.
    static QImage dimmed(const QImage &source);
    // The grab brought to overlay coordinates for the display scale factor:
    // unchanged up to a factor of 1.001, otherwise (int(w / s), int(h / s)).
    static QPixmap toLogicalSize(const QPixmap &grab, double scale);

    // Where the display scale factor comes from (screenScale() by default);
    // read on every paint.
    void setScaleSource(std::function<double()> source);

    // The end filter of the selection: pulls x and y back to the screen
    // image's width and height (not width - 1); no lower bound.
    void clampEnd(QPoint &point) const;

    QPixmap screenImage() const { return m_screenImage; }
    QImage dimmedImage() const { return m_dimmedImage; }
    const SelectionRect &selection() const { return *m_selection; }
    // The pixels under the complete selection, as saved and put on the
    // clipboard (null before a selection exists).
    QPixmap selectedPicture() const;
    int dragMode() const { return m_dragMode; }
    bool isSelecting() const { return m_selecting; }
    bool isSelected() const { return m_selected; }
    bool isMagnifierOn() const { return m_magnifierOn; }
    // Rectangles stored by the last paint.
    QRect sizeLabelRect() const { return m_labelTextRect; }
    QRect magnifierSourceRect() const { return m_magnifierSource; }
    QRect magnifierSizeRect() const { return m_magnifierSizeRect; }
    QRect magnifierColourRect() const { return m_magnifierColourRect; }
    // The colour line the last paint wrote under the magnifier.
    QString magnifierColourText() const { return m_magnifierColourText; }
    QToolButton *saveButton() const { return m_saveButton; }
    QToolButton *cancelButton() const { return m_cancelButton; }

signals:
    void SignalSaveFinished(QString path);

public slots:
    void SlotSaveInClipboard();
    void SlotCancle();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setUp(const QPixmap *givenScreen);
    void grabScreen();
    void installScreen();
    void createToolButtons();
    void beginResize(int hit, const QPoint &pos);
    void drawSelection(QPixmap &store);
    void drawSizeLabel(QPainter &painter, double scale);
    void drawMagnifier(double scale);
    void placeToolButtons();
    QPixmap screenPixels(const QRect &area) const;
    void finish(const QString &path);

    QPixmap m_screenImage;
    QImage m_dimmedImage;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    QPalette m_palette;
    QPixmap m_selectionPicture;
    QPixmap m_savedRegion;
    QPixmap m_magnifierPicture;
    QRect m_paintedRect;
    QRect m_magnifierSource;
    QRect m_magnifierSizeRect;
    QRect m_magnifierColourRect;
    QRect m_labelTextRect;
    QString m_magnifierColourText;
    QPoint m_cursorPos;
    QPoint m_dragReference;
    int m_dragMode = IdleMode;
    bool m_noSelection = true;
    bool m_selecting = false;
    bool m_selected = false;
    bool m_magnifierOn = true;
    bool m_finished = false;
    std::unique_ptr<SelectionRect> m_selection;
    std::function<double()> m_scaleSource;
    QToolButton *m_saveButton = nullptr;
    QToolButton *m_cancelButton = nullptr;
};
