#pragma once

#include "schedule/Holidays.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tollix {

// What an iCalendar file gives: its all-day events as no-bell dates or
// ranges named by their summary. Yearly events are taken for `year` and the
// year after; events with a time of day are counted and left out.
struct HolidayImport {
    std::vector<HolidayRule> rules;
    int withTimeOfDay = 0;
    std::string error;  // not empty: nothing was taken

    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;
};

HolidayImport importICalendar(const std::filesystem::path& file, int year);
HolidayImport importICalendarText(const std::string& text, int year);

}  // namespace tollix
