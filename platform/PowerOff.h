#pragma once

#include <functional>
#include <string>

namespace tollix {

// Switches the computer off (the reserved exit).
class PowerOff {
  public:
    virtual ~PowerOff() = default;
    // Asks the system to switch off and returns at once; `done` gets an empty
    // text when the system took the request, otherwise why it did not. It is
    // called once, later, never inside.
    virtual void powerOff(std::function<void(const std::string& refusal)> done) = 0;
};

// logind on the system bus: CanPowerOff, then PowerOff(false), never asking
// for a password (nobody is there to type it at the reserved time). Neither
// call holds the caller: a login manager that does not answer in time has
// refused.
class LogindPowerOff final : public PowerOff {
  public:
    explicit LogindPowerOff(int answerMs = 5000) : answerMs_(answerMs) {}
    void powerOff(std::function<void(const std::string& refusal)> done) override;

  private:
    int answerMs_;
};

}  // namespace tollix
