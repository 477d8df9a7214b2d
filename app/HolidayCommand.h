#pragma once

#include <cstdint>
#include <filesystem>

namespace tollix {

// Exit statuses of --import-holidays besides 0 (written).
inline constexpr int kImportFailed =
    1;  // a file that cannot be read, is broken, or cannot be written
inline constexpr int kImportRefused = 3;  // looks like a calendar of school days, no --yes

// tollix --import-holidays FILE [--yes]: prints the preview of the window as
// text and adds the days to `holidaysIni`, or refuses and writes nothing.
// Events that end before `today` (days since 1970-01-01) are past.
// Needs no display, and a running copy sees the change on its own.
int importHolidays(const std::filesystem::path& calendar, const std::filesystem::path& holidaysIni,
                   bool yes, std::int64_t today);

}  // namespace tollix
