#include "engine/SchoolClock.h"

#include <QByteArray>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

namespace tollix {

LocalTime SchoolClock::now() const {
    LocalTime t = base_.now();
    if (aheadMs_ == 0)
        return t;
    // The local time is shifted as it stands: the UTC offset of a time a few
    // seconds on is the base's own but across a change of summer time.
    using namespace std::chrono;
    const std::int64_t localMs = t.epochMs() + t.utcOffsetSeconds * 1000LL + aheadMs_;
    const sys_time<milliseconds> local{milliseconds(localMs)};
    const sys_days day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss time{local - day};
    t.year = static_cast<int>(date.year());
    t.month = static_cast<int>(static_cast<unsigned>(date.month()));
    t.day = static_cast<int>(static_cast<unsigned>(date.day()));
    t.hour = static_cast<int>(time.hours().count());
    t.minute = static_cast<int>(time.minutes().count());
    t.second = static_cast<int>(time.seconds().count());
    t.millisecond = static_cast<int>(time.subseconds().count());
    t.weekday = static_cast<int>(weekday(day).c_encoding()) + 1;
    return t;
}

std::optional<std::int64_t> parseSchoolClock(std::string_view text) {
    bool ok = false;
    // Qt's reading is the same in every locale: "2.5", never "2,5".
    const double seconds =
        QByteArray(text.data(), static_cast<qsizetype>(text.size())).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || std::fabs(seconds) > kSchoolClockLimitSeconds)
        return std::nullopt;
    return std::llround(seconds * 1000);
}

std::string schoolClockText(std::int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.3f", static_cast<double>(ms) / 1000.0);
    std::string shown = text;
    while (shown.back() == '0') shown.pop_back();
    if (shown.back() == '.')
        shown.pop_back();
    return shown == "+0" ? "0" : shown;
}

}  // namespace tollix
