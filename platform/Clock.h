#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

namespace tollix {

// A moment of local time, broken down.
struct LocalTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int weekday = 7;  // 1 Sunday .. 7 Saturday
    int utcOffsetSeconds = 0;

    int MinuteOfDay() const { return hour * 60 + minute; }
    int SecondOfDay() const { return hour * 3600 + minute * 60 + second; }
    // Days from 1970-01-01 to the local date.
    std::int64_t dayNumber() const {
        using namespace std::chrono;
        const year_month_day date{std::chrono::year(year),
                                  std::chrono::month(static_cast<unsigned>(month)),
                                  std::chrono::day(static_cast<unsigned>(day))};
        return sys_days(date).time_since_epoch().count();
    }
    // The local date and minute as one number: the same minute lived twice
    // (a clock set back, the end of summer time) has the same key.
    std::int64_t minuteKey() const { return dayNumber() * 1440 + MinuteOfDay(); }
    // Milliseconds since the epoch, UTC.
    std::int64_t epochMs() const {
        return (dayNumber() * 86400 + SecondOfDay() - utcOffsetSeconds) * 1000 + millisecond;
    }
};

// Every time of day the program uses comes from here.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
    // A clock that only runs forward, in milliseconds from any start. The
    // wall clock's progress against it shows a step or a sleep. By default
    // it follows the wall clock, so that no step is ever seen.
    virtual std::int64_t monotonicMs() const { return now().epochMs(); }
};

// The computer's clock, or server time where the computer's clock may not be
// set: then it runs the measured offset ahead of it.
class SystemClock final : public Clock {
  public:
    LocalTime now() const override;
    std::int64_t monotonicMs() const override;
    void setCorrectionMs(std::int64_t ms) { correctionMs_ = ms; }

  private:
    std::atomic<std::int64_t> correctionMs_{0};
};

}  // namespace tollix
