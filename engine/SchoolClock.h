#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tollix {

// The school's own time: the computer's clock (or the time server's) plus
// how far the school's wall clocks are ahead of it. The bells, the clock
// labels, the countdowns and the reserved exit go by it.
class SchoolClock final : public Clock {
  public:
    explicit SchoolClock(const Clock& base) : base_(base) {}

    LocalTime now() const override;
    // The monotonic clock is the base's: a change of the offset is a step.
    std::int64_t monotonicMs() const override { return base_.monotonicMs(); }

    std::int64_t aheadMs() const { return aheadMs_; }
    void setAheadMs(std::int64_t ms) { aheadMs_ = ms; }

  private:
    const Clock& base_;
    std::int64_t aheadMs_ = 0;
};

// The most data/clock.ini may say: a wall clock an hour off is another time zone.
inline constexpr double kSchoolClockLimitSeconds = 3600;

// data/clock.ini's one signed decimal number of seconds, as milliseconds;
// nullopt for anything else or beyond the limit.
std::optional<std::int64_t> parseSchoolClock(std::string_view text);
// "+2.5", "-1", "0".
std::string schoolClockText(std::int64_t ms);

}  // namespace tollix
