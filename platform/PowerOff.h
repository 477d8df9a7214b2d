#pragma once

namespace tollix {

// Switches the computer off (the reserved exit).
class PowerOff {
  public:
    virtual ~PowerOff() = default;
    virtual void powerOff() = 0;
};

}  // namespace tollix
