#include "schedule/Holidays.h"

#include "schedule/SafeFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <sstream>

namespace tollix {

namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// The first word and the rest, blanks around both removed.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
    text = trimmed(text);
    const auto end = std::find_if(text.begin(), text.end(), [](char c) {
        return std::isspace(static_cast<unsigned char>(c));
    });
    const auto length = static_cast<std::size_t>(end - text.begin());
    return {text.substr(0, length), trimmed(text.substr(length))};
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A rule, or why the line is none.
struct Reading {
    std::optional<HolidayRule> rule;
    std::string why;
};

Reading readRule(std::string_view line) {
    auto [dates, rest] = firstWord(line);
    HolidayRule rule;
    const auto dots = dates.find("..");
    const auto first = parseDate(dates.substr(0, dots));
    const auto last = dots == std::string_view::npos ? first : parseDate(dates.substr(dots + 2));
    if (!first || !last)
        return {std::nullopt,
                "\"" + std::string(dates) +
                    "\" is not a date (YYYY-MM-DD) or a range (YYYY-MM-DD..YYYY-MM-DD)"};
    if (*last < *first)
        return {std::nullopt, "the range ends before it starts"};
    rule.first = *first;
    rule.last = *last;
    if (!rest.empty() && rest.front() == '=') {
        auto [day, name] = firstWord(rest.substr(1));
        if (equalIgnoringCase(day, "Templet")) {
            const auto [number, after] = firstWord(name);
            if (number.size() != 1 || number[0] < '1' || number[0] > '6')
                return {std::nullopt, "\"" + std::string(number) + "\" is no template (1 .. 6)"};
            rule.templet = number[0] - '0';
            rule.name = std::string(after);
            return {rule, {}};
        }
        rule.weekday = parseWeekday(day);
        if (rule.weekday == 0)
            return {std::nullopt,
                    "\"" + std::string(day) + "\" is no weekday (Monday .. Sunday, or 1 .. 7)"};
        rest = name;
    }
    rule.name = std::string(rest);
    return {rule, {}};
}

}  // namespace

std::optional<std::int64_t> parseDate(std::string_view text) {
    text = trimmed(text);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (std::size_t i = 0; i < lengths[p]; ++i) {
            const char c = text[starts[p] + i];
            if (c < '0' || c > '9')
                return std::nullopt;
            parts[p] = parts[p] * 10 + (c - '0');
        }
    using namespace std::chrono;
    const year_month_day date{year(parts[0]), month(static_cast<unsigned>(parts[1])),
                              day(static_cast<unsigned>(parts[2]))};
    if (!date.ok())
        return std::nullopt;
    return sys_days(date).time_since_epoch().count();
}

std::string dateText(std::int64_t day) {
    using namespace std::chrono;
    const year_month_day date{sys_days(days(day))};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

int weekdayOf(std::int64_t day) {
    using namespace std::chrono;
    return static_cast<int>(weekday(sys_days(days(day))).c_encoding()) + 1;
}

int parseWeekday(std::string_view text) {
    text = trimmed(text);
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '7')
        return text[0] - '0';
    for (std::size_t i = 0; i < kWeekdays.size(); ++i)
        if (equalIgnoringCase(text, kWeekdays[i]))
            return static_cast<int>(i) + 1;
    return 0;
}

std::string HolidayRule::line() const {
    std::string text = dateText(first);
    if (last != first)
        text += ".." + dateText(last);
    if (special())
        text += " = Templet " + std::to_string(templet);
    else if (makeUp())
        text += " = " + std::string(kWeekdays[static_cast<std::size_t>(weekday - 1)]);
    if (!name.empty())
        text += " " + name;
    return text;
}

HolidayCalendar HolidayCalendar::parse(std::string_view text) {
    HolidayCalendar calendar;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        std::string lineEnd = end == std::string_view::npos ? "" : "\n";
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
            lineEnd.insert(0, "\r");
        }
        calendar.addLine(std::string(line), ++number, std::move(lineEnd));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return calendar;
}

void HolidayCalendar::addLine(std::string text, int number, std::string end) {
    std::string_view content = text;
    content = content.substr(0, content.find('#'));
    if (trimmed(content).empty()) {
        lines_.push_back({std::move(text), std::nullopt, std::move(end)});
        return;
    }
    const Reading reading = readRule(content);
    if (!reading.rule) {
        problems_.push_back({number, text, reading.why});
        lines_.push_back({std::move(text), std::nullopt, std::move(end)});
        return;
    }
    rules_.push_back(*reading.rule);
    lines_.push_back({std::move(text), rules_.size() - 1, std::move(end)});
}

HolidayCalendar HolidayCalendar::read(const std::filesystem::path& file) {
    const safefile::Reading reading = safefile::read(file, safefile::kHolidaysLimit);
    if (!reading.unreadable())
        return parse(reading.bytes);  // a missing file: every day is ordinary
    HolidayCalendar calendar;
    calendar.unreadable_ = true;
    calendar.problems_.push_back({0, {}, reading.error});
    return calendar;
}

std::string HolidayCalendar::write(const std::filesystem::path& file) {
    if (unreadable_) {
        if (auto error = safefile::keepAside(file); !error.empty())
            return error;
        unreadable_ = false;
    }
    // A new line ends as the file's lines end (CR LF in a new file).
    const auto ended = std::find_if(lines_.begin(), lines_.end(),
                                    [](const Line& line) { return !line.end.empty(); });
    const std::string usual = ended == lines_.end() ? "\r\n" : ended->end;
    std::string bytes;
    for (const Line& line : lines_) bytes += line.text + (line.end.empty() ? usual : line.end);
    return safefile::write(file, bytes);
}

void HolidayCalendar::add(const HolidayRule& rule) {
    rules_.push_back(rule);
    lines_.push_back({rule.line(), rules_.size() - 1, {}});
}

void HolidayCalendar::remove(std::size_t rule) {
    if (rule >= rules_.size())
        return;
    rules_.erase(rules_.begin() + static_cast<std::ptrdiff_t>(rule));
    lines_.erase(std::remove_if(lines_.begin(), lines_.end(),
                                [rule](const Line& line) { return line.rule == rule; }),
                 lines_.end());
    for (Line& line : lines_)
        if (line.rule && *line.rule > rule)
            --*line.rule;
}

namespace {

// A ringing rule (make-up or special) before a no-bell one, a later before an earlier.
std::optional<DayChoice> chooseAmong(const std::vector<HolidayRule>& rules, std::int64_t day) {
    const HolidayRule* noBells = nullptr;
    const HolidayRule* rings = nullptr;
    for (const HolidayRule& rule : rules)
        if (rule.first <= day && day <= rule.last)
            (rule.makeUp() || rule.special() ? rings : noBells) = &rule;
    if (rings && rings->special())
        return DayChoice{DayChoice::Kind::Special, weekdayOf(day), rings->templet, rings->name, {}};
    if (rings)
        return DayChoice{DayChoice::Kind::MakeUp, rings->weekday, 0, rings->name, {}};
    if (noBells)
        return DayChoice{DayChoice::Kind::NoBells, weekdayOf(day), 0, noBells->name, {}};
    return std::nullopt;
}

}  // namespace

DayChoice HolidayCalendar::choose(std::int64_t day) const {
    if (auto own = chooseAmong(rules_, day))
        return *own;
    for (const SubscribedDays& days : subscribed_)
        if (auto theirs = chooseAmong(days.rules, day)) {
            theirs->calendar = days.calendar;
            return *theirs;
        }
    return {DayChoice::Kind::Ordinary, weekdayOf(day), 0, {}, {}};
}

}  // namespace tollix
