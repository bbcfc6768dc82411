#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

// The capture overlay's selection, kept in several redundant forms (corners
// in caller order, the normalised rectangle, the eight handle points, width
// and height) so that every query while painting is a field read. All
// geometry decisions of the overlay live here; the widget only translates
// events into calls and the answers into pixels.
//
// Width and height are x2 - x1 and y2 - y1: a rectangle from (100, 100) to
// (200, 150) is 100 x 50 although it covers 101 x 51 pixels.
class SelectionRect
{
public:
    // Which border part a point hits; the values double as the overlay's
    // drag modes (8 = moving, 9 = idle).
    enum HitCode {
        RightEdge = 0,
        LeftEdge = 1,
        BottomEdge = 2,
        TopEdge = 3,
        BottomRightCorner = 4,
        TopRightCorner = 5,
        BottomLeftCorner = 6,
        TopLeftCorner = 7
    };

    // Where the magnifier box goes relative to the cursor.
    enum MagnifierCorner { RightBelow = 0, RightAbove = 1, LeftBelow = 2, LeftAbove = 3 };

    // Where the save and cancel buttons go relative to the selection.
    enum ToolbarPlace { ToolbarInside, ToolbarBelow, ToolbarAbove };

    using EndFilter = std::function<void(QPoint &)>;

    SelectionRect(int largestX, int largestY, int cursorX, int cursorY);

    void setFilter(EndFilter filter);
    // Stores the start point only; nothing is recomputed until setEnd.
    void setStart(int x, int y);
    // Filters and stores the end point, then recomputes every derived form.
    void setEnd(int x, int y);
    void setCursorPoint(int x, int y);
    // Shifts the rectangle; an edge that would leave the screen is pinned to
    // the screen border while the opposite edge stays where it was.
    void moveBy(int dx, int dy);
    // Shifts both corners by (dx, dy) when the whole rectangle stays on the
    // screen; false (and nothing changed) otherwise. Used by the arrow keys.
    bool nudge(int dx, int dy);

    bool isInside(int x, int y) const;
    bool isOnBorder(int x, int y) const;
    HitCode hitCode(int x, int y) const;

    QPoint startPoint() const { return m_start; }
    QPoint endPoint() const { return m_end; }
    QPoint cursorPoint() const { return m_cursor; }
    QRect rect() const { return m_rect; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int largestX() const { return m_largestX; }
    int largestY() const { return m_largestY; }

    QPoint topLeft() const { return m_topLeft; }
    QPoint topMiddle() const { return m_topMiddle; }
    QPoint topRight() const { return m_topRight; }
    QPoint leftMiddle() const { return m_leftMiddle; }
    QPoint rightMiddle() const { return m_rightMiddle; }
    QPoint bottomLeft() const { return m_bottomLeft; }
    QPoint bottomMiddle() const { return m_bottomMiddle; }
    QPoint bottomRight() const { return m_bottomRight; }

    // "W x H" in screen pixels: the logical size times the display scale,
    // truncated.
    QString sizeText(double scale) const;

    // Size label: above the selection when its top is more than 30 pixels
    // down, otherwise inside at its top-left.
    bool labelAbove() const;
    QRect labelBox() const;
    QRect labelTextRect() const;

    // Magnifier placement for the current cursor point, and the top-left
    // corner of its 100 x 100 box.
    MagnifierCorner magnifierCorner() const;
    QPoint magnifierOrigin() const;

    // Tool button placement: the place, the buttons' top y and their
    // rectangles (30 x 30, right-aligned with the selection, cancel left).
    ToolbarPlace toolbarPlace() const;
    int toolbarTop() const;
    QRect cancelButtonRect() const;
    QRect saveButtonRect() const;

private:
    void recompute();

    QPoint m_start;
    QPoint m_end;
    QPoint m_cursor;
    QRect m_rect;
    QPoint m_topLeft;
    QPoint m_topMiddle;
    QPoint m_topRight;
    QPoint m_leftMiddle;
    QPoint m_rightMiddle;
    QPoint m_bottomLeft;
    QPoint m_bottomMiddle;
    QPoint m_bottomRight;
    int m_largestX = 0;
    int m_largestY = 0;
    int m_width = 0;
    int m_height = 0;
    EndFilter m_filter;
};
