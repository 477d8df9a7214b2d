#pragma once

#include <QIcon>
#include <QImage>

namespace tollix {

// The program's icon: a golden bell on the blue of the title bar.
QImage drawBell(int size);
QIcon bellIcon();

}  // namespace tollix
