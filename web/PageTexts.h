#pragma once

#include <QByteArray>

namespace tollix::web {

// The page in the program's language: its captions, and the words its script
// writes, which it reads from the page's body.
QByteArray translatedPage(QByteArray html);

}  // namespace tollix::web
