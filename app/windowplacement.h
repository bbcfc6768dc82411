#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace WindowPlacement {

// Top-left corner that centres a window of the given size in the available
// area. Only the area's size counts: the position is measured from the origin
// of the virtual desktop, not from the area's own left and top.
QPoint centredPosition(const QRect &available, const QSize &window);

} // namespace WindowPlacement
