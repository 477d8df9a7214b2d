#pragma once

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

    int MinuteOfDay() const { return hour * 60 + minute; }
    int SecondOfDay() const { return hour * 3600 + minute * 60 + second; }
};

// Every time of day the program uses comes from here.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

class SystemClock final : public Clock {
  public:
    LocalTime now() const override;
};

}  // namespace tollix
