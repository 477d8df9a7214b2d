#include "schedule/HolidayImport.h"

#include "schedule/SafeFile.h"

#include <QCoreApplication>
#include <QList>
#include <QLockFile>
#include <QString>
#include <QStringDecoder>
#include <QTextBoundaryFinder>

#include <libical/ical.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <optional>
#include <regex>
#include <set>

namespace tollix {

namespace {

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;
// A rule repeating every second from long ago must not hold the import up.
constexpr int kMaxRepeats = 100000;

std::int64_t dayOf(const icaltimetype& date) {
    using namespace std::chrono;
    return sys_days(year_month_day{std::chrono::year(date.year),
                                   std::chrono::month(static_cast<unsigned>(date.month)),
                                   std::chrono::day(static_cast<unsigned>(date.day))})
        .time_since_epoch()
        .count();
}

int yearOf(std::int64_t day) {
    using namespace std::chrono;
    return static_cast<int>(year_month_day{sys_days(days(day))}.year());
}

std::int64_t firstDayOf(int year) {
    using namespace std::chrono;
    return sys_days(std::chrono::year(year) / January / 1).time_since_epoch().count();
}

bool atMidnight(const icaltimetype& time) {
    return time.hour == 0 && time.minute == 0 && time.second == 0;
}

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

// The file's lines with folds undone, each with the number of its first line.
struct Line {
    std::string text;
    int number;
};

std::vector<Line> unfold(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<Line> lines;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && (line.front() == ' ' || line.front() == '\t') && !lines.empty())
            lines.back().text.append(line.substr(1));
        else if (!line.empty())
            lines.push_back({std::string(line), number});
    }
    return lines;
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

// BEGIN and END must pair up. Returns why not, and the line of each event.
std::string checkStructure(const std::vector<Line>& lines, std::vector<int>& events) {
    std::vector<std::pair<std::string, int>> open;
    bool calendar = false;
    for (const Line& line : lines) {
        const std::string text = upper(line.text);
        const bool begin = text.rfind("BEGIN:", 0) == 0;
        if (!begin && text.rfind("END:", 0) != 0)
            continue;
        const std::string name = text.substr(begin ? 6 : 4);
        const std::string at = "line " + std::to_string(line.number) + ": ";
        if (begin) {
            if (open.empty() && name != "VCALENDAR")
                return at + "BEGIN:" + name + " outside of a calendar (BEGIN:VCALENDAR)";
            calendar = true;
            if (name == "VEVENT")
                events.push_back(line.number);
            open.emplace_back(name, line.number);
        } else if (open.empty()) {
            return at + "END:" + name + " without its BEGIN";
        } else if (open.back().first != name) {
            return at + "END:" + name + " where BEGIN:" + open.back().first + " of line " +
                   std::to_string(open.back().second) + " is still open";
        } else {
            open.pop_back();
        }
    }
    if (!open.empty())
        return "line " + std::to_string(open.back().second) + ": BEGIN:" + open.back().first +
               " is never ended (END:" + open.back().first + ")";
    if (!calendar)
        return "this is not an iCalendar file (no BEGIN:VCALENDAR)";
    return {};
}

struct Reader {
    std::int64_t today;
    HolidayImport& result;
    // Instances of repeating events moved or cancelled by an event of their own.
    std::set<std::pair<std::string, std::int64_t>> overridden;

    std::int64_t windowFirst() const { return firstDayOf(yearOf(today)); }
    std::int64_t windowLast() const { return firstDayOf(yearOf(today) + 2) - 1; }

    // The days an event covers from its start, or 0 for one with a time of day.
    static std::int64_t length(icalcomponent* event, const icaltimetype& start) {
        icalproperty* endProperty = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY);
        icalproperty* duration = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY);
        if (start.is_date) {
            if (endProperty) {
                const icaltimetype end = icalproperty_get_dtend(endProperty);
                return icaltime_is_null_time(end)
                           ? 1
                           : std::max<std::int64_t>(1, dayOf(end) - dayOf(start));
            }
            if (duration) {
                const std::int64_t seconds =
                    icaldurationtype_as_int(icalproperty_get_duration(duration));
                return std::max<std::int64_t>(1, (seconds + kSecondsPerDay - 1) / kSecondsPerDay);
            }
            return 1;
        }
        // A date-time event is whole days only from midnight to midnight.
        icaltimetype end = icaltime_null_time();
        if (endProperty)
            end = icalproperty_get_dtend(endProperty);
        else if (duration)
            end = icaltime_add(start, icalproperty_get_duration(duration));
        if (icaltime_is_null_time(end) || !atMidnight(start) || !atMidnight(end))
            return 0;
        return std::max<std::int64_t>(0, dayOf(end) - dayOf(start));
    }

    std::vector<std::int64_t> starts(icalcomponent* event, const icaltimetype& start,
                                     const std::string& uid) const {
        std::set<std::int64_t> days;
        bool repeats = false;
        for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
            repeats = true;
            const icalrecurrencetype rule = icalproperty_get_rrule(p);
            icalrecur_iterator* each = icalrecur_iterator_new(rule, start);
            if (!each)
                continue;
            // Each step is costly: a rule without a count starts at the years asked for.
            if (rule.count == 0 && dayOf(start) < windowFirst()) {
                icaltimetype from = start;
                from.year = yearOf(today);
                from.month = 1;
                from.day = 1;
                icalrecur_iterator_set_start(each, from);
            }
            int count = 0;
            for (icaltimetype next = icalrecur_iterator_next(each);
                 !icaltime_is_null_time(next) && dayOf(next) <= windowLast() &&
                 ++count < kMaxRepeats;
                 next = icalrecur_iterator_next(each))
                days.insert(dayOf(next));
            icalrecur_iterator_free(each);
        }
        for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
            repeats = true;
            const icaldatetimeperiodtype date = icalproperty_get_rdate(p);
            const icaltimetype time =
                icaltime_is_null_time(date.time) ? date.period.start : date.time;
            if (!icaltime_is_null_time(time) && dayOf(time) <= windowLast())
                days.insert(dayOf(time));
        }
        if (!repeats)
            return {dayOf(start)};
        days.insert(dayOf(start));  // the start is always the first instance
        for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
            days.erase(dayOf(icalproperty_get_exdate(p)));
        std::erase_if(days, [&](std::int64_t day) { return overridden.count({uid, day}) > 0; });
        return {days.begin(), days.end()};
    }

    // Returns why the event is refused, empty if it is not.
    std::string take(icalcomponent* event, int line) {
        const char* summary = icalcomponent_get_summary(event);
        const std::string name = safeName(summary ? summary : "");
        icalproperty* startProperty =
            icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        const icaltimetype start =
            startProperty ? icalproperty_get_dtstart(startProperty) : icaltime_null_time();
        if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start))
            return "line " + std::to_string(line) + ": the event \"" + name +
                   "\" has no date it starts on (DTSTART)";
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED) {
            ++result.cancelled;
            return {};
        }
        const std::int64_t days = length(event, start);
        if (days == 0) {
            ++result.withTimeOfDay;
            return {};
        }
        const char* uid = icalcomponent_get_uid(event);
        const bool single = !icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) &&
                            !icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
        std::vector<std::string> categories;
        for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY))
            if (const char* words = icalproperty_get_categories(p))
                for (const QString& word : QString::fromUtf8(words).split(QLatin1Char(',')))
                    categories.push_back(word.trimmed().toStdString());
        bool taken = false;
        for (const std::int64_t first : starts(event, start, uid ? uid : "")) {
            if (first + days - 1 < today || (!single && first > windowLast()))
                continue;
            result.rules.push_back(HolidayRule{first, first + days - 1, 0, name});
            result.categories.push_back(categories);
            taken = true;
        }
        if (!taken)
            ++result.past;
        return {};
    }
};

bool digitsAt(std::string_view text, std::size_t& at, std::size_t count, int& value) {
    value = 0;
    for (std::size_t end = at + count; at < end; ++at) {
        if (at >= text.size() || text[at] < '0' || text[at] > '9')
            return false;
        value = value * 10 + (text[at] - '0');
    }
    return true;
}

// "20270104" or "2027-01-04", with "T093000" or "T09:30:00" and "Z" or without:
// whether it is a real date (and time of day), and where its date ends.
bool realDateTime(std::string_view text, std::size_t& dateEnd) {
    std::size_t at = 0;
    int year = 0, month = 0, day = 0;
    if (!digitsAt(text, at, 4, year))
        return false;
    const bool dashes = at < text.size() && text[at] == '-';
    const auto separator = [&](char c) {
        if (!dashes)
            return true;
        return at < text.size() && text[at++] == c;
    };
    if (!separator('-') || !digitsAt(text, at, 2, month) || !separator('-') ||
        !digitsAt(text, at, 2, day))
        return false;
    using namespace std::chrono;
    if (!year_month_day{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                        std::chrono::day(static_cast<unsigned>(day))}
             .ok())
        return false;
    dateEnd = at;
    if (at == text.size())
        return true;
    int hour = 0, minute = 0, second = 0;
    if (text[at++] != 'T')
        return false;
    const bool colons = at + 2 < text.size() && text[at + 2] == ':';
    const auto colon = [&] { return !colons || (at < text.size() && text[at++] == ':'); };
    if (!digitsAt(text, at, 2, hour) || !colon() || !digitsAt(text, at, 2, minute) || !colon() ||
        !digitsAt(text, at, 2, second))
        return false;
    if (at < text.size() && text[at] == 'Z')
        ++at;
    return at == text.size() && hour < 24 && minute < 60 && second <= 60;
}

bool realDuration(std::string_view text) {
    static const std::regex kDuration(R"([+-]?P(\d+W|(\d+D)?(T(\d+H)?(\d+M)?(\d+S)?)?))");
    return std::regex_match(text.begin(), text.end(), kDuration) && text.back() != 'P' &&
           text.back() != 'T';
}

// The dates and durations the days are read from must be real ones: a file
// that says February 30 is broken, not a day in March. A value declared a
// date (VALUE=DATE) but written with a time is its date: the declared type wins.
std::string checkValues(std::vector<Line>& lines, int& datesWithTime) {
    static const std::set<std::string, std::less<>> kDays = {"DTSTART", "DTEND", "RDATE", "EXDATE",
                                                             "RECURRENCE-ID"};
    for (Line& line : lines) {
        const std::string name = upper(line.text.substr(0, line.text.find_first_of(";:")));
        const bool duration = name == "DURATION";
        if (!duration && !kDays.contains(name))
            continue;
        // The value follows the first colon outside of a quoted parameter.
        std::size_t colon = name.size();
        for (bool quoted = false; colon < line.text.size(); ++colon) {
            if (line.text[colon] == '"')
                quoted = !quoted;
            else if (line.text[colon] == ':' && !quoted)
                break;
        }
        const std::string parameters = upper(line.text.substr(name.size(), colon - name.size()));
        const auto declared = (parameters + ";").find(";VALUE=DATE;");
        std::string value = colon < line.text.size() ? upper(line.text.substr(colon + 1)) : "";
        const auto refused = [&](const char* what) {
            std::string shown = line.text.substr(0, 100);
            return "line " + std::to_string(line.number) + ": \"" + shown + "\" is not a real " +
                   what;
        };
        if (duration) {
            if (value.empty() || !realDuration(value))
                return refused("duration");
            continue;
        }
        std::string read;
        bool cut = false;
        for (std::size_t from = 0; from <= value.size();) {
            const auto end = std::min(value.find(',', from), value.size());
            std::string item = value.substr(from, end - from);
            const auto slash = item.find('/');  // a period: start/end or start/duration
            std::size_t dateEnd = 0, ignored = 0;
            if (!realDateTime(std::string_view(item).substr(0, slash), dateEnd) ||
                (slash != std::string::npos &&
                 !realDateTime(std::string_view(item).substr(slash + 1), ignored) &&
                 !realDuration(item.substr(slash + 1))))
                return refused("date");
            if (declared != std::string::npos && slash == std::string::npos &&
                dateEnd < item.size()) {
                item.resize(dateEnd);
                ++datesWithTime;
                cut = true;
            }
            read += (from ? "," : "") + item;
            from = end + 1;
        }
        if (cut)
            line.text = line.text.substr(0, colon + 1) + read;
    }
    return {};
}

template <typename Each>
void forEachEvent(icalcomponent* root, Each each) {
    const auto events = [&](icalcomponent* calendar) {
        for (icalcomponent* event =
                 icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            each(event);
    };
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        events(root);
        return;
    }
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        events(c);
}

int weekdaysIn(int year) {
    int count = 0;
    for (std::int64_t day = firstDayOf(year); day < firstDayOf(year + 1); ++day)
        count += weekdayOf(day) >= 2 && weekdayOf(day) <= 6;
    return count;
}

bool joins(const HolidayRule& a, const HolidayRule& b) {
    return (a.first <= b.last && b.first <= a.last) ||
           ((a.last + 1 == b.first || b.last + 1 == a.first) && a.name == b.name);
}

bool covers(const HolidayRule& a, const HolidayRule& b) {
    return a.first <= b.first && b.last <= a.last;
}

// Two joined ranges keep the name of the longer.
HolidayRule joined(const HolidayRule& a, const HolidayRule& b) {
    const HolidayRule& longer = b.last - b.first > a.last - a.first ? b : a;
    return {std::min(a.first, b.first), std::max(a.last, b.last), 0, longer.name};
}

}  // namespace

std::string safeName(std::string_view text) {
    QString name = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (QChar& c : name) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
        else if (c == QLatin1Char('#'))
            c = QChar(0xFF03);  // FULLWIDTH NUMBER SIGN: reads the same, starts no comment
    }
    name = name.simplified();
    if (name.startsWith(QLatin1Char('=')))
        name[0] = QChar(0xFF1D);  // FULLWIDTH EQUALS SIGN: no make-up day
    // Cut between two characters as a reader sees them, not inside one.
    if (name.toUcs4().size() > static_cast<qsizetype>(kMaxNameLength)) {
        QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, name);
        qsizetype cut = 0;
        for (qsizetype at = boundaries.toNextBoundary(); at > 0; at = boundaries.toNextBoundary()) {
            if (QStringView(name).left(at).toUcs4().size() > static_cast<qsizetype>(kMaxNameLength))
                break;
            cut = at;
        }
        name = name.left(cut).trimmed();
    }
    return name.toStdString();
}

HolidayImport importICalendarText(const std::string& text, std::int64_t today) {
    HolidayImport result;
    std::vector<int> eventLines;
    std::vector<Line> lines = unfold(text);
    result.error = checkStructure(lines, eventLines);
    if (result.error.empty())
        result.error = checkValues(lines, result.datesWithTime);
    if (!result.error.empty())
        return result;
    // libical is given the lines unfolded, so any fold it would misread is gone.
    std::string clean;
    clean.reserve(text.size());
    for (const Line& line : lines) clean.append(line.text).append("\r\n");
    icalerror_set_errors_are_fatal(0);
    std::unique_ptr<icalcomponent, ComponentDeleter> root(icalparser_parse_string(clean.c_str()));
    if (!root) {
        result.error = "this is not an iCalendar file (no BEGIN:VCALENDAR)";
        return result;
    }
    Reader reader{today, result, {}};
    forEachEvent(root.get(), [&](icalcomponent* event) {
        icalproperty* moved = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
        const char* uid = icalcomponent_get_uid(event);
        if (moved && uid)
            reader.overridden.insert({uid, dayOf(icalproperty_get_recurrenceid(moved))});
    });
    std::size_t index = 0;
    forEachEvent(root.get(), [&](icalcomponent* event) {
        const int line = index < eventLines.size() ? eventLines[index] : 0;
        ++index;
        if (result.error.empty())
            result.error = reader.take(event, line);
    });
    if (!result.error.empty()) {
        result.rules.clear();
        result.categories.clear();
    }
    return result;
}

HolidayImport importICalendar(const std::filesystem::path& file, std::int64_t today) {
    const safefile::Reading reading = safefile::read(file, HolidayImport::kMaxFileSize);
    if (reading.read())
        return importICalendarText(reading.bytes, today);
    HolidayImport result;
    if (reading.missing())
        result.error = "the file cannot be read: " + std::string(std::strerror(ENOENT));
    else if (reading.tooLarge)
        result.error = "the file is larger than a calendar can be (16 MB)";
    else
        result.error = "the file cannot be read: " + reading.error;
    return result;
}

HolidayPlan planImport(const HolidayCalendar& calendar, const std::vector<HolidayRule>& found) {
    HolidayPlan plan;
    std::vector<HolidayRule> ranges = found;
    std::sort(ranges.begin(), ranges.end(), [](const HolidayRule& a, const HolidayRule& b) {
        return a.first != b.first ? a.first < b.first : a.last > b.last;
    });
    // The imported days once: each range swallows every imported range it meets.
    std::vector<HolidayRule> imported;
    for (HolidayRule range : ranges) {
        bool inside = false;
        for (auto it = imported.begin(); it != imported.end();) {
            if (!joins(*it, range)) {
                ++it;
            } else if (covers(*it, range)) {
                inside = true;
                break;
            } else {
                range = joined(range, *it);
                imported.erase(it);
                it = imported.begin();
            }
        }
        if (!inside)
            imported.push_back(range);
    }
    std::sort(imported.begin(), imported.end(),
              [](const HolidayRule& a, const HolidayRule& b) { return a.first < b.first; });

    // The calendar's lines stay as they are. A range one of its rules covers
    // whole would say nothing new; any other is a line of its own, its days
    // already off said as such.
    std::vector<HolidayRule> off;
    for (const HolidayRule& rule : calendar.rules())
        if (!rule.makeUp() && !rule.special())
            off.push_back(rule);
    std::sort(off.begin(), off.end(),
              [](const HolidayRule& a, const HolidayRule& b) { return a.first < b.first; });
    for (const HolidayRule& range : imported) {
        if (std::any_of(off.begin(), off.end(),
                        [&](const HolidayRule& rule) { return covers(rule, range); })) {
            plan.alreadyOff.push_back(range);
            continue;
        }
        // Its days off already, as days: touching parts of two rules are one.
        std::vector<std::pair<std::int64_t, std::int64_t>> parts;
        for (const HolidayRule& rule : off) {
            const std::int64_t first = std::max(rule.first, range.first);
            const std::int64_t last = std::min(rule.last, range.last);
            if (first > last)
                continue;
            if (!parts.empty() && first <= parts.back().second + 1)
                parts.back().second = std::max(parts.back().second, last);
            else
                parts.emplace_back(first, last);
        }
        std::string partly;
        for (const auto& [first, last] : parts)
            partly += (partly.empty() ? "" : ", ") + HolidayRule{first, last, 0, {}}.line();
        plan.added.push_back(range);
        plan.partlyOff.push_back(partly);
    }

    // The school days silenced: each imported day once.
    std::set<std::int64_t> silenced;
    for (const HolidayRule& rule : found)
        for (std::int64_t day = rule.first; day <= rule.last; ++day)
            if (weekdayOf(day) >= 2 && weekdayOf(day) <= 6 && silenced.insert(day).second)
                ++plan.schoolDays[yearOf(day)];
    for (const auto& [year, count] : plan.schoolDays)
        if (plan.schoolDaysYear == 0 && 2 * count > weekdaysIn(year))
            plan.schoolDaysYear = year;
    return plan;
}

void applyPlan(HolidayCalendar& calendar, const HolidayPlan& plan) {
    for (const HolidayRule& rule : plan.added) calendar.add(rule);
}

namespace {

// The preview is read by a person: in the desktop's language when the
// program has installed one, the written words otherwise.
QString said(const char* text) {
    return QCoreApplication::translate("HolidayImport", text);
}

}  // namespace

std::string schoolDaysWarning(const HolidayPlan& plan) {
    if (!plan.looksLikeSchoolDays())
        return {};
    return said(QT_TRANSLATE_NOOP("HolidayImport",
                                  "This looks like a calendar of school days, not holidays: it "
                                  "would silence %1 of the %2 weekdays of %3."))
        .arg(plan.schoolDays.at(plan.schoolDaysYear))
        .arg(weekdaysIn(plan.schoolDaysYear))
        .arg(plan.schoolDaysYear)
        .toStdString();
}

std::string previewText(const HolidayImport& found, const HolidayPlan& plan,
                        std::size_t maxRanges) {
    QString text = plan.added.empty()
                       ? said(QT_TRANSLATE_NOOP("HolidayImport", "No new days without bells."))
                       : said(QT_TRANSLATE_NOOP("HolidayImport", "Days without bells to add:"));
    text += QLatin1Char('\n');
    const auto list = [&](const std::vector<HolidayRule>& ranges, const auto& also) {
        for (std::size_t i = 0; i < ranges.size() && i < maxRanges; ++i)
            text +=
                QStringLiteral("  %1%2\n").arg(QString::fromStdString(ranges[i].line()), also(i));
        if (ranges.size() > maxRanges)
            text += said(QT_TRANSLATE_NOOP("HolidayImport", "  ... and %1 more"))
                        .arg(ranges.size() - maxRanges) +
                    QLatin1Char('\n');
    };
    list(plan.added, [&](std::size_t i) {
        return plan.partlyOff[i].empty()
                   ? QString()
                   : said(QT_TRANSLATE_NOOP("HolidayImport", " (already without bells: %1)"))
                         .arg(QString::fromStdString(plan.partlyOff[i]));
    });
    if (!plan.alreadyOff.empty()) {
        text += said(QT_TRANSLATE_NOOP("HolidayImport",
                                       "Already days without bells, not added again:")) +
                QLatin1Char('\n');
        list(plan.alreadyOff, [](std::size_t) { return QString(); });
    }
    if (!plan.schoolDays.empty()) {
        QStringList years;
        for (const auto& [year, count] : plan.schoolDays)
            years << said(QT_TRANSLATE_NOOP("HolidayImport", "%1 in %2")).arg(count).arg(year);
        text += said(QT_TRANSLATE_NOOP("HolidayImport",
                                       "School days (Monday to Friday) without bells: %1"))
                    .arg(years.join(QStringLiteral(", "))) +
                QLatin1Char('\n');
    }
    QStringList skipped;
    const auto skip = [&](int count, const char* what) {
        if (count > 0)
            skipped << said(what).arg(count);
    };
    skip(found.withTimeOfDay, QT_TRANSLATE_NOOP("HolidayImport", "%1 with a time of day"));
    skip(found.past, QT_TRANSLATE_NOOP("HolidayImport", "%1 in the past"));
    skip(found.cancelled, QT_TRANSLATE_NOOP("HolidayImport", "%1 cancelled"));
    if (!skipped.isEmpty())
        text += said(QT_TRANSLATE_NOOP("HolidayImport", "Skipped events: %1"))
                    .arg(skipped.join(QStringLiteral(", "))) +
                QLatin1Char('\n');
    if (found.datesWithTime > 0)
        text +=
            said(QT_TRANSLATE_NOOP("HolidayImport", "%1 dates written with a time, read as dates"))
                .arg(found.datesWithTime) +
            QLatin1Char('\n');
    if (plan.looksLikeSchoolDays())
        text += QString::fromStdString(schoolDaysWarning(plan)) + QLatin1Char('\n');
    return text.toStdString();
}

HolidayFile readHolidayFile(const std::filesystem::path& file) {
    HolidayFile result;
    const safefile::Reading reading = safefile::read(file, safefile::kHolidaysLimit);
    if (reading.missing())
        return result;
    const auto unreadable = [&](const std::string& why) {
        result.unreadable = file.filename().string() + " " + why + ": it is left as it is";
        result.calendar = HolidayCalendar::parse("");
        return result;
    };
    if (!reading.read()) {
        // The file is named already: only why.
        const std::string prefix = file.string() + ": ";
        std::string why = reading.error;
        if (why.rfind(prefix, 0) == 0)
            why.erase(0, prefix.size());
        return unreadable("cannot be read (" + why + ")");
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(
        QByteArrayView(reading.bytes.data(), static_cast<qsizetype>(reading.bytes.size())));
    if (utf8.hasError())
        return unreadable("is not UTF-8 text");
    result.calendar = HolidayCalendar::parse(reading.bytes);
    return result;
}

std::string changeHolidayFile(const std::filesystem::path& file,
                              const std::function<std::string(HolidayCalendar&)>& change) {
    QLockFile lock(QString::fromStdString(file.string() + ".lock"));
    if (!lock.tryLock(10000))
        return "another copy of the program is changing the holidays; try again";
    HolidayFile current = readHolidayFile(file);
    if (!current.unreadable.empty())
        return current.unreadable;
    if (std::string refused = change(current.calendar); !refused.empty())
        return refused;
    return current.calendar.write(file);
}

}  // namespace tollix
