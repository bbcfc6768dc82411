#include "windowplacement.h"

namespace WindowPlacement {

QPoint centredPosition(const QRect &available, const QSize &window)
{
    // Integer division rounds toward zero, also for a window larger than the area.
    return QPoint((available.width() - window.width()) / 2,
                  (available.height() - window.height()) / 2);
}

} // namespace WindowPlacement
