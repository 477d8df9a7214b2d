#include "engine/NextBell.h"

#include <algorithm>
#include <cstdio>

namespace tollix {

std::string bellText(int minuteOfDay) {
    char text[24];
    std::snprintf(text, sizeof text, "%02dhr %02dmin", minuteOfDay / 60 % 100, minuteOfDay % 60);
    return text;
}

namespace {

int digits(const std::string& text, std::size_t at) {
    int value = 0;
    for (std::size_t i = at; i < at + 2 && i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

NextBellText ShowNextBell(const BellSchedule& schedule, int minuteOfDay, bool applyWeek) {
    const int count = std::min(schedule.regularCount, BellSchedule::kCapacity);
    int best = -1;
    for (int i = 0; i < count; ++i) {
        const int time = schedule.todayTimes[static_cast<std::size_t>(i)];
        if (time > minuteOfDay &&
            (best < 0 || time < schedule.todayTimes[static_cast<std::size_t>(best)]))
            best = i;
    }
    if (best < 0 && applyWeek && count > 0)
        best = 0;  // the same list rings again tomorrow
    if (best < 0)
        return {"NEXT DAY", "NEXT DAY"};
    const auto at = static_cast<std::size_t>(best);
    return {bellText(schedule.todayTimes[at]), schedule.todaySounds[at]};
}

std::string nextBellCountdown(const std::string& nextBell, int secondOfDay) {
    const int hours = digits(nextBell, 0);
    const int minutes = digits(nextBell, 5);
    if (nextBell.empty() || nextBell == "NEXT DAY" || hours < 0 || minutes < 0)
        return "00:00:00";
    int next = hours * 3600 + minutes * 60;
    if (next < secondOfDay)
        next += 86400;
    const int left = next - secondOfDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", left / 3600 % 100, left % 3600 / 60,
                  left % 60);
    return text;
}

std::string twelveHourClock(int hour, int minute, int second) {
    const char* suffix = hour >= 12 ? "PM" : "AM";
    if (hour > 12)
        hour -= 12;
    if (hour == 0)
        hour = 12;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d%s", hour, minute % 100, second % 100, suffix);
    return text;
}

}  // namespace tollix
