#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace tollix {

// Moves the computer's clock.
class TimeSetter {
  public:
    virtual ~TimeSetter() = default;
    // Moves the clock by `microseconds`; `done` gets an empty text when the
    // system did it, otherwise why not. It is called later, never inside.
    virtual void setTimeRelative(std::int64_t microseconds,
                                 std::function<void(const QString& refusal)> done) = 0;
};

// timedated on the system bus, never asking for a password: at a school PC
// nobody is there to type one.
class TimedatedTimeSetter final : public TimeSetter {
  public:
    void setTimeRelative(std::int64_t microseconds,
                         std::function<void(const QString& refusal)> done) override;
};

}  // namespace tollix
