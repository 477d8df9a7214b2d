#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollix {

// A line of data/holidays.ini: a date or a range of dates without bells, a
// make-up date that rings the list of another weekday, or a special day (an
// exam day, a half day) that rings the list of a template.
struct HolidayRule {
    std::int64_t first = 0;  // days since 1970-01-01
    std::int64_t last = 0;
    int weekday = 0;  // 0: no bells; 1 Sunday .. 7 Saturday: that day's bells
    std::string name;
    int templet = 0;  // 1 .. 6: that template's bells

    bool makeUp() const { return weekday != 0; }
    bool special() const { return templet != 0; }
    // The line as the file holds it: "2026-12-21..2027-01-06 Winter holidays",
    // "2027-01-09 = Monday Make-up day", "2027-03-02 = Templet 2 Exams".
    std::string line() const;
};

// What a day is.
struct DayChoice {
    enum class Kind { Ordinary, NoBells, MakeUp, Special };
    Kind kind = Kind::Ordinary;
    int weekday = 0;  // whose list rings: the day's own, or the make-up's
    int templet = 0;  // a special day's template, 1 .. 6
    std::string name;
    std::string calendar;  // the subscribed calendar that chose the day; empty: holidays.ini
};

// The days a subscribed calendar gives, from its last good copy: held beside
// the file's lines and never written into it.
struct SubscribedDays {
    std::string calendar;
    std::vector<HolidayRule> rules;
};

// "2026-12-24" as days since 1970-01-01; nullopt for anything else.
std::optional<std::int64_t> parseDate(std::string_view text);
std::string dateText(std::int64_t day);
// 1 Sunday .. 7 Saturday.
int weekdayOf(std::int64_t day);
// "Sunday" .. "Saturday" or "1" .. "7", in any case; 0 for anything else.
int parseWeekday(std::string_view text);

// The calendar file. Lines it cannot read are kept as they are and reported
// with their number; the rules are applied in order, a day that rings (make-up
// or special) before a no-bell rule, a later line before an earlier one.
class HolidayCalendar {
  public:
    struct Problem {
        int line = 0;  // from 1; 0: the file as a whole
        std::string text;
        std::string why;
    };

    static HolidayCalendar parse(std::string_view text);
    // A missing file is an empty calendar. A file that cannot be read (not a
    // file, too large, broken UTF-16) is reported as problem line 0; writing
    // the calendar again keeps it beside the new one as NAME.unreadable.
    static HolidayCalendar read(const std::filesystem::path& file);
    // Whole and atomically, each line as it was read: lines nobody changed keep
    // their bytes and line ends. Returns an error text, empty on success.
    std::string write(const std::filesystem::path& file);

    const std::vector<HolidayRule>& rules() const { return rules_; }
    const std::vector<Problem>& problems() const { return problems_; }
    bool unreadable() const { return unreadable_; }

    void add(const HolidayRule& rule);
    void remove(std::size_t rule);

    // A date any line of the file names is the file's: hand-written rules win
    // over every subscribed calendar. Other dates go by the subscriptions, in
    // their order, with the file's own rules among each one's days.
    DayChoice choose(std::int64_t day) const;

    const std::vector<SubscribedDays>& subscribed() const { return subscribed_; }
    void setSubscribed(std::vector<SubscribedDays> days) { subscribed_ = std::move(days); }
    bool empty() const { return rules_.empty() && subscribed_.empty(); }

  private:
    struct Line {
        std::string text;
        std::optional<std::size_t> rule;
        std::string end;  // as the file ends it: CR LF, LF, or nothing on the last
    };
    void addLine(std::string text, int number, std::string end);

    std::vector<Line> lines_;
    std::vector<HolidayRule> rules_;
    std::vector<Problem> problems_;
    std::vector<SubscribedDays> subscribed_;
    bool unreadable_ = false;
};

}  // namespace tollix
