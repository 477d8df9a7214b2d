#include "schedule/Intervals.h"

#include <QtGlobal>

#include <algorithm>

namespace tollix {

std::optional<long> wholeNumber(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    long value = 0;
    for (auto i = first; i <= last; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 100000000L);  // far beyond any valid field
    }
    return value;
}

namespace {

bool inRange(const std::string& text, long low, long high) {
    const auto value = wholeNumber(text);
    return value && *value >= low && *value <= high;
}

long number(const std::string& text) {
    return wholeNumber(text).value_or(0);
}

}  // namespace

// The refusals are shown translated: the windows look them up under "Refusal".
std::optional<std::string> ValidateIntervals(const IntervalSettings& s, bool withAlarms) {
    if (s.exit_m.empty())
        return QT_TRANSLATE_NOOP("Refusal", "Please input exit minute");
    if (s.start_h.empty())
        return QT_TRANSLATE_NOOP("Refusal", "Please input start hour");
    if (s.start_m.empty())
        return QT_TRANSLATE_NOOP("Refusal", "Please input start minute");
    if (s.exit_h.empty())
        return QT_TRANSLATE_NOOP("Refusal", "Please input end hour");
    if (!inRange(s.exit_m, 0, 59))
        return QT_TRANSLATE_NOOP("Refusal", "(End minute)Please input digit between 0 and 59");
    if (!inRange(s.start_h, 0, 23))
        return QT_TRANSLATE_NOOP("Refusal", "(Start Hour)Please input digit between 0 and 23");
    if (!inRange(s.start_m, 0, 59))
        return QT_TRANSLATE_NOOP("Refusal", "(Start minute)Please input digit between 0 and 59");
    if (!inRange(s.exit_h, 0, 23))
        return QT_TRANSLATE_NOOP("Refusal", "(End hour)Please input digit between 0 and 23");
    const auto work = wholeNumber(s.worktime);
    if (!work || *work < 1)
        return QT_TRANSLATE_NOOP("Refusal", "(Work time)must over 1 minute");
    const auto rest = wholeNumber(s.resttime);
    if (!rest || *rest < 1)
        return QT_TRANSLATE_NOOP("Refusal", "(rest time)must over 1 minute");
    const long startMinute = number(s.start_h) * 60 + number(s.start_m);
    const long endMinute = number(s.exit_h) * 60 + number(s.exit_m);
    if (endMinute <= startMinute)
        return QT_TRANSLATE_NOOP("Refusal", "must end time bigger then start time");
    if (withAlarms && (s.ChkPreBell1 == 1 || s.ChkPreBell2 == 1)) {
        if (!inRange(s.TxtPreBell1, 1, 99))
            return QT_TRANSLATE_NOOP(
                "Refusal", "(Alarm after start bell time)Please input digit between 1 and 99");
        if (!inRange(s.TxtPreBell2, 1, 99))
            return QT_TRANSLATE_NOOP(
                "Refusal", "(Alarm before end bell time)Please input digit between 1 and 99");
        if (number(s.TxtPreBell1) + number(s.TxtPreBell2) >= *work)
            return QT_TRANSLATE_NOOP(
                "Refusal",
                "Sum of [Alarm after start bell time minute] and [Alarm before end bell "
                "minute] is must not over work time.");
    }
    if (endMinute - startMinute <= *work + *rest)
        return QT_TRANSLATE_NOOP(
            "Refusal", "Start time and end time is must over sum of work time and rest time.");
    return std::nullopt;
}

std::vector<std::string> GenerateIntervalBells(const IntervalSettings& s, bool nobell,
                                               BellSchedule& schedule) {
    const int startMinute = static_cast<int>(number(s.start_h) * 60 + number(s.start_m));
    const int endMinute = static_cast<int>(number(s.exit_h) * 60 + number(s.exit_m));
    const int work = static_cast<int>(number(s.worktime));
    const int period = work + static_cast<int>(number(s.resttime));
    int count = 0;
    auto append = [&](int minute, const std::string& sound) {
        if (count >= BellSchedule::kCapacity)
            return;
        schedule.todayTimes[static_cast<std::size_t>(count)] = minute;
        schedule.todaySounds[static_cast<std::size_t>(count)] = sound;
        ++count;
    };

    std::vector<int> ends;
    std::vector<int> starts{startMinute};
    append(startMinute, s.txtStartBellSound);
    for (int end = startMinute + work;; end += period) {
        ends.push_back(end);
        append(end, s.txtEndBellSound);
        if (end + period > endMinute)
            break;
    }
    for (int start = startMinute + period;; start += period) {
        starts.push_back(start);
        append(start, s.txtStartBellSound);
        if (start + period > endMinute)
            break;
    }
    schedule.regularCount = count;
    schedule.todayCount = static_cast<std::int16_t>(count);
    if (nobell) {
        // No bell today: none is shown as the next one either.
        schedule.todayCount = 0;
        schedule.regularCount = 0;
        return {};
    }

    if (s.ChkPreBell1 == 1 || s.ChkPreBell2 == 1) {
        const int afterStart = static_cast<int>(number(s.TxtPreBell1));
        const int beforeEnd = static_cast<int>(number(s.TxtPreBell2));
        auto alarm1 = [&](int start) {
            append(s.ChkPreBell1 == 1 ? start + afterStart : BellSchedule::kSwitchedOff,
                   s.TxtPreBellName1);
        };
        alarm1(starts[0]);
        for (int end : ends)
            append(s.ChkPreBell2 == 1 ? end - beforeEnd : BellSchedule::kSwitchedOff,
                   s.TxtPreBellName2);
        alarm1(starts[1]);  // always, even after the end time
        for (std::size_t k = 2; k < starts.size() && starts[k] + afterStart <= endMinute; ++k)
            alarm1(starts[k]);
        schedule.todayCount = static_cast<std::int16_t>(count);
    }

    std::vector<std::string> lines;
    for (int i = 0; i < schedule.regularCount; ++i)
        lines.push_back(
            BellEntry{schedule.todayTimes[static_cast<std::size_t>(i)], {}}.clockText());
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace tollix
