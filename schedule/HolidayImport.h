#pragma once

#include "schedule/Holidays.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tollix {

// What an iCalendar file gives: the days its whole-day events cover, as
// no-bell dates or ranges named by their summary, in the order of the file.
// Repeating events are taken for `year` and the year after; single events
// from `year` on. Events with a time of day are counted and left out.
struct HolidayImport {
    std::vector<HolidayRule> rules;
    int withTimeOfDay = 0;
    int past = 0;       // events whose every day lies before `year`
    int cancelled = 0;  // STATUS:CANCELLED
    std::string error;  // not empty: the file is refused, nothing was taken

    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;
};

HolidayImport importICalendar(const std::filesystem::path& file, int year);
HolidayImport importICalendarText(const std::string& text, int year);

// A name that cannot change the meaning of a holidays.ini line: valid UTF-8,
// no control characters or line breaks, no '#', no leading '=', at most
// kMaxNameLength characters, cut between two characters.
inline constexpr std::size_t kMaxNameLength = 100;
std::string safeName(std::string_view text);

// What an import would change in a calendar: the imported days joined into
// ranges, joined with the days off already there.
struct HolidayPlan {
    std::vector<HolidayRule> added;     // in date order
    std::vector<std::size_t> replaced;  // rules of the calendar joined into `added`
    int duplicates = 0;                 // imported days that were already days off
    std::map<int, int> schoolDays;      // year: Monday to Friday days the import silences
    int schoolDaysYear = 0;             // a year more than half of whose weekdays it silences, or 0

    bool looksLikeSchoolDays() const { return schoolDaysYear != 0; }
};

HolidayPlan planImport(const HolidayCalendar& calendar, const std::vector<HolidayRule>& found);
void applyPlan(HolidayCalendar& calendar, const HolidayPlan& plan);

// The preview shown before anything is written: the ranges with their names
// (the first `maxRanges` of them), the school days silenced per year, what was
// skipped, and a plain warning for a calendar of school days.
std::string previewText(const HolidayImport& found, const HolidayPlan& plan,
                        std::size_t maxRanges = SIZE_MAX);
std::string schoolDaysWarning(const HolidayPlan& plan);

// holidays.ini as found on disk. A file that is there but cannot be read (no
// permission, a folder, not UTF-8) is `unreadable` and must never be written.
struct HolidayFile {
    HolidayCalendar calendar;
    std::string unreadable;
};
HolidayFile readHolidayFile(const std::filesystem::path& file);

// Changes holidays.ini as it is on disk now, under a lock shared by every
// copy of the program, so a rule another writer just added is kept. Returns
// an error text, empty on success; `change` may refuse with its own.
std::string changeHolidayFile(const std::filesystem::path& file,
                              const std::function<std::string(HolidayCalendar&)>& change);

}  // namespace tollix
