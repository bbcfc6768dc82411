#include "selectionrect.h"

#include <algorithm>
#include <utility>

namespace {
// The magnifier keeps to the right of and below the cursor unless the cursor
// is within this many pixels of the right or bottom screen edge.
constexpr int MagnifierMargin = 150;
// Label and toolbar thresholds, in overlay pixels.
constexpr int LabelRoomAbove = 30;
constexpr int ToolbarRoomAbove = 30;
constexpr int ToolbarRoomBelow = 40;
constexpr int ButtonSize = 30;
} // namespace

SelectionRect::SelectionRect(int largestX, int largestY, int cursorX, int cursorY)
    : m_cursor(cursorX, cursorY)
    , m_largestX(largestX)
    , m_largestY(largestY)
{
}

void SelectionRect::setFilter(EndFilter filter)
{
    m_filter = std::move(filter);
}

void SelectionRect::setStart(int x, int y)
{
    m_start = QPoint(x, y);
}

void SelectionRect::setEnd(int x, int y)
{
    QPoint end(x, y);
    if (m_filter)
        m_filter(end);
    m_end = end;
    recompute();
}

void SelectionRect::setCursorPoint(int x, int y)
{
    m_cursor = QPoint(x, y);
}

void SelectionRect::recompute()
{
    const int x1 = std::min(m_start.x(), m_end.x());
    const int y1 = std::min(m_start.y(), m_end.y());
    const int x2 = std::max(m_start.x(), m_end.x());
    const int y2 = std::max(m_start.y(), m_end.y());
    const int midX = (x1 + x2) / 2;
    const int midY = (y1 + y2) / 2;

    m_topLeft = QPoint(x1, y1);
    m_topMiddle = QPoint(midX, y1);
    m_topRight = QPoint(x2, y1);
    m_leftMiddle = QPoint(x1, midY);
    m_rightMiddle = QPoint(x2, midY);
    m_bottomLeft = QPoint(x1, y2);
    m_bottomMiddle = QPoint(midX, y2);
    m_bottomRight = QPoint(x2, y2);
    m_width = x2 - x1;
    m_height = y2 - y1;
    m_rect = QRect(m_topLeft, m_bottomRight);
}

void SelectionRect::moveBy(int dx, int dy)
{
    int nx1 = m_rect.left() + dx;
    int ny1 = m_rect.top() + dy;
    int nx2 = m_rect.right() + dx;
    int ny2 = m_rect.bottom() + dy;
    if (nx1 < 0) {
        nx1 = 0;
        nx2 -= dx;
    }
    if (ny1 < 0) {
        ny1 = 0;
        ny2 -= dy;
    }
    if (nx2 > m_largestX) {
        nx2 = m_largestX;
        nx1 -= dx;
    }
    if (ny2 > m_largestY) {
        ny2 = m_largestY;
        ny1 -= dy;
    }
    setStart(nx1, ny1);
    setEnd(nx2, ny2);
}

bool SelectionRect::nudge(int dx, int dy)
{
    if (dx < 0 && m_rect.left() + dx < 0)
        return false;
    if (dx > 0 && m_rect.right() + dx > m_largestX)
        return false;
    if (dy < 0 && m_rect.top() + dy < 0)
        return false;
    if (dy > 0 && m_rect.bottom() + dy > m_largestY)
        return false;
    setStart(m_rect.left() + dx, m_rect.top() + dy);
    setEnd(m_rect.right() + dx, m_rect.bottom() + dy);
    return true;
}

bool SelectionRect::isInside(int x, int y) const
{
    return m_rect.left() < x && x < m_rect.right() && m_rect.top() < y && y < m_rect.bottom();
}

bool SelectionRect::isOnBorder(int x, int y) const
{
    const int x1 = m_rect.left();
    const int y1 = m_rect.top();
    const int x2 = m_rect.right();
    const int y2 = m_rect.bottom();
    if (x < x1 || x > x2 || y < y1 || y > y2)
        return false;
    return x == x1 || x == x2 || y == y1 || y == y2;
}

SelectionRect::HitCode SelectionRect::hitCode(int x, int y) const
{
    const QPoint p(x, y);
    if (!isOnBorder(x, y) || p == m_topRight)
        return TopRightCorner;
    if (p == m_bottomRight)
        return BottomRightCorner;
    if (p == m_topLeft)
        return TopLeftCorner;
    if (p == m_bottomLeft)
        return BottomLeftCorner;
    if (x == m_rect.left())
        return LeftEdge;
    if (y == m_rect.top())
        return TopEdge;
    if (x == m_rect.right())
        return RightEdge;
    return BottomEdge;
}

QString SelectionRect::sizeText(double scale) const
{
    return QStringLiteral("%1 x %2")
        .arg(static_cast<int>(m_width * scale))
        .arg(static_cast<int>(m_height * scale));
}

bool SelectionRect::labelAbove() const
{
    return m_rect.top() > LabelRoomAbove;
}

QRect SelectionRect::labelBox() const
{
    const int x1 = m_rect.left();
    const int y1 = m_rect.top();
    if (labelAbove())
        return QRect(QPoint(x1, y1 - 18), QPoint(x1 + 59, y1 - 4));
    return QRect(QPoint(x1 + 3, y1 + 3), QPoint(x1 + 62, y1 + 17));
}

QRect SelectionRect::labelTextRect() const
{
    const int x1 = m_rect.left();
    const int y1 = m_rect.top();
    if (labelAbove())
        return labelBox();
    return QRect(QPoint(x1, y1 + 3), QPoint(x1 + 59, y1 + 17));
}

SelectionRect::MagnifierCorner SelectionRect::magnifierCorner() const
{
    const int w = m_largestX - MagnifierMargin;
    const int h = m_largestY - MagnifierMargin;
    const int x = m_cursor.x();
    const int y = m_cursor.y();
    if (x < w && y < h)
        return RightBelow;
    if (x > w && y > h)
        return LeftAbove;
    if (x < w)
        return RightAbove;
    return LeftBelow;
}

QPoint SelectionRect::magnifierOrigin() const
{
    const int x = m_cursor.x();
    const int y = m_cursor.y();
    switch (magnifierCorner()) {
    case RightBelow:
        return QPoint(x + 10, y + 10);
    case LeftAbove:
        return QPoint(x - 110, y - 130);
    case RightAbove:
        return QPoint(x + 10, y - 130);
    case LeftBelow:
        break;
    }
    return QPoint(x - 110, y + 10);
}

SelectionRect::ToolbarPlace SelectionRect::toolbarPlace() const
{
    const bool roomBelow = m_rect.bottom() + ToolbarRoomBelow <= m_largestY;
    if (m_rect.top() < ToolbarRoomAbove && !roomBelow)
        return ToolbarInside;
    if (roomBelow)
        return ToolbarBelow;
    return ToolbarAbove;
}

int SelectionRect::toolbarTop() const
{
    switch (toolbarPlace()) {
    case ToolbarInside:
        return m_rect.top() + 5;
    case ToolbarBelow:
        return m_rect.bottom() + 5;
    case ToolbarAbove:
        break;
    }
    return m_rect.top() - 35;
}

QRect SelectionRect::cancelButtonRect() const
{
    const int x2 = m_rect.right();
    return QRect(x2 - 2 * ButtonSize, toolbarTop(), ButtonSize, ButtonSize);
}

QRect SelectionRect::saveButtonRect() const
{
    const int x2 = m_rect.right();
    return QRect(x2 - ButtonSize, toolbarTop(), ButtonSize, ButtonSize);
}
