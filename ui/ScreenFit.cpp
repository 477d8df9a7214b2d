#include "ui/ScreenFit.h"

#include <algorithm>

namespace tollix {

QRect fitOnScreen(const QRect& area, QSize wished, QSize minimum) {
    const QSize size = wished.boundedTo(area.size()).expandedTo(minimum);
    QRect placed(QPoint(), size);
    placed.moveCenter(area.center());
    placed.moveLeft(
        std::max(area.left(), std::min(placed.left(), area.right() + 1 - size.width())));
    placed.moveTop(std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - size.height())));
    return placed;
}

}  // namespace tollix
