#pragma once

#include "engine/BellEngine.h"

#include <QString>

#include <string>

namespace tollix {

// A refusal of the plain code ("Tuesday: must end time bigger then start
// time") in the installed language, part by part around ": ".
QString refusalText(const std::string& text);

// What is said of the running schedule's day under its state: a day off, a
// make-up day, a special day, a day whose settings cannot ring, or settings
// that ring nothing for a school week. Empty on an ordinary day. `local`: in
// the installed language, as the window and the web page say it; otherwise
// as written.
QString dayNoteText(const BellEngine& engine, bool local);

}  // namespace tollix
