#pragma once

#include <string>

namespace tollix {

// Switches the computer off (the reserved exit).
class PowerOff {
  public:
    virtual ~PowerOff() = default;
    // Empty when the system took the request; otherwise why it did not.
    virtual std::string powerOff() = 0;
};

// logind on the system bus: CanPowerOff, then PowerOff(false), never asking
// for a password (nobody is there to type it at the reserved time).
class LogindPowerOff final : public PowerOff {
  public:
    std::string powerOff() override;
};

}  // namespace tollix
