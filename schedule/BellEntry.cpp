#include "schedule/BellEntry.h"

#include <cstdio>

namespace tollix {

namespace {

std::optional<int> twoDigits(std::string_view text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return std::nullopt;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

}  // namespace

std::optional<BellEntry> BellEntry::parse(std::string_view line) {
    // 1-2 hour, 3-5 "hr ", 6-7 minute, 8-10 "min", 11 "/", then the sound.
    if (line.size() < 11 || line.substr(2, 3) != "hr " || line.substr(7, 3) != "min" ||
        line[10] != '/')
        return std::nullopt;
    const auto hour = twoDigits(line.substr(0, 2));
    const auto minute = twoDigits(line.substr(5, 2));
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return std::nullopt;
    return BellEntry{*hour * 60 + *minute, std::string(line.substr(11))};
}

std::string BellEntry::text(int hour, int minute, std::string_view sound) {
    char head[32];
    std::snprintf(head, sizeof head, "%02dhr %02dmin/", hour, minute);
    return std::string(head) + std::string(sound);
}

std::string BellEntry::clockText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%02dhr%02dmin", hour(), minute());
    return text;
}

}  // namespace tollix
