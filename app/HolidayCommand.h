#pragma once

#include <filesystem>

namespace tollix {

// Exit statuses of --import-holidays besides 0 (written).
inline constexpr int kImportFailed =
    1;  // a file that cannot be read, is broken, or cannot be written
inline constexpr int kImportRefused = 3;  // looks like a calendar of school days, no --yes

// tollix --import-holidays FILE [--yes]: prints the preview of the window as
// text and merges the days into `holidaysIni`, or refuses and writes nothing.
// Needs no display, and a running copy sees the change on its own.
int importHolidays(const std::filesystem::path& calendar, const std::filesystem::path& holidaysIni,
                   bool yes, int year);

}  // namespace tollix
