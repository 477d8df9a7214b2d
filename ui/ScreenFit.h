#pragma once

#include <QRect>

namespace tollix {

// Where a window of the wished size goes on a screen's free area: as large
// as it wishes but no larger than the area, never below its minimum, centred,
// and with its top-left corner (the title it is moved by) on the area.
QRect fitOnScreen(const QRect& area, QSize wished, QSize minimum);

}  // namespace tollix
