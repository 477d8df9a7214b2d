#pragma once

#include "schedule/AppPaths.h"

#include <string>
#include <vector>

namespace tollix {

// Makes a new program folder usable: the data and sound folders, every data
// file the readers expect, and a few bells made by the program. A file that
// exists is never touched. Returns one text per failure, empty when all is well.
std::vector<std::string> EnsureProgramFolder(const AppPaths& paths);

}  // namespace tollix
