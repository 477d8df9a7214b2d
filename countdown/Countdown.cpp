#include "countdown/Countdown.h"

#include "schedule/Intervals.h"

#include <QtGlobal>

#include <cstdio>

namespace tollix::countdown {

// The refusals are shown translated: the window looks them up under "Countdown".
std::optional<std::string> CheckEntry(const std::string& hours, const std::string& minutes,
                                      const std::string& seconds) {
    if (hours.empty())
        return QT_TRANSLATE_NOOP("Countdown", "Please input hour");
    if (minutes.empty())
        return QT_TRANSLATE_NOOP("Countdown", "Please input minute");
    if (seconds.empty())
        return QT_TRANSLATE_NOOP("Countdown", "Please input second");
    const auto h = wholeNumber(hours);
    const auto m = wholeNumber(minutes);
    const auto s = wholeNumber(seconds);
    if (!h || *h > 99)
        return QT_TRANSLATE_NOOP("Countdown", "(Hour)Please input digit between 0 and 99");
    if (!m || *m > 59)
        return QT_TRANSLATE_NOOP("Countdown", "(minute)Please input digit between 0 and 59");
    if (!s || *s > 59)
        return QT_TRANSLATE_NOOP("Countdown", "(second)Please input digit between 0 and 59");
    if (*h == 0 && *m == 0 && *s == 0)
        return QT_TRANSLATE_NOOP("Countdown", "Please input second");
    return std::nullopt;
}

std::string Display(long remaining) {
    char text[16];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", remaining / 3600 % 100,
                  remaining % 3600 / 60, remaining % 60);
    return text;
}

void Countdown::start(const std::string& hours, const std::string& minutes,
                      const std::string& seconds) {
    remaining_ = *wholeNumber(hours) * 3600 + *wholeNumber(minutes) * 60 + *wholeNumber(seconds);
    state_ = State::Running;
}

bool Countdown::tick() {
    if (state_ != State::Running)
        return false;
    if (--remaining_ > 0)
        return false;
    remaining_ = 0;
    state_ = State::Finished;
    return true;
}

void Countdown::pause() {
    if (state_ == State::Running)
        state_ = State::Paused;
}

void Countdown::resume() {
    if (state_ == State::Paused)
        state_ = State::Running;
}

}  // namespace tollix::countdown
