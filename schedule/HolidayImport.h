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
// An event that ends before `today` (days since 1970-01-01) is past and left
// out; repeating events are taken for the year of `today` and the year after.
// Events with a time of day are counted and left out. A date or duration that
// is not a real one refuses the file.
struct HolidayImport {
    std::vector<HolidayRule> rules;
    std::vector<std::vector<std::string>> categories = {};  // per rule: its event's CATEGORIES
    int withTimeOfDay = 0;
    int datesWithTime = 0;  // dates declared VALUE=DATE but written with a time: read as dates
    int past = 0;           // events that end before today
    int cancelled = 0;      // STATUS:CANCELLED
    std::string error;      // not empty: the file is refused, nothing was taken

    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;
};

HolidayImport importICalendar(const std::filesystem::path& file, std::int64_t today);
HolidayImport importICalendarText(const std::string& text, std::int64_t today);

// A name that cannot change the meaning of a holidays.ini line: valid UTF-8,
// no control characters or line breaks, no '#', no leading '=', at most
// kMaxNameLength characters, cut between two characters.
inline constexpr std::size_t kMaxNameLength = 100;
std::string safeName(std::string_view text);

// What an import adds to a calendar: the imported days joined into ranges,
// each written as a line of its own. The lines already there are never
// changed; a day is off when any rule says so.
struct HolidayPlan {
    std::vector<HolidayRule> added;  // in date order
    // Per added range: its days that are off already ("2026-12-24..2026-12-26"), or empty.
    std::vector<std::string> partlyOff;
    std::vector<HolidayRule> alreadyOff;  // imported ranges one rule covers whole: not added
    std::map<int, int> schoolDays;        // year: Monday to Friday days the import silences
    int schoolDaysYear = 0;  // a year more than half of whose weekdays it silences, or 0

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
