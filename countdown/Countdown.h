#pragma once

#include <optional>
#include <string>

namespace tollix::countdown {

// The entry of a countdown: the message that refuses it, or nothing when it
// is taken. Empty fields, values past their range, negative numbers, words
// and a total of no time at all are refused; none of them could ever ring.
std::optional<std::string> CheckEntry(const std::string& hours, const std::string& minutes,
                                      const std::string& seconds);

// A count as the windows show it: 01:05:09.
std::string Display(long remainingSeconds);

// A countdown for a lesson, a test or a break, one second per tick.
class Countdown {
  public:
    enum class State { Entry, Running, Paused, Finished };

    // Starts from an entry CheckEntry took.
    void start(const std::string& hours, const std::string& minutes, const std::string& seconds);
    // One second has passed: true on the one tick that reaches zero.
    bool tick();
    void pause();
    void resume();
    // Back to the entry.
    void exit() { state_ = State::Entry; }

    State state() const { return state_; }
    long remainingSeconds() const { return remaining_; }
    std::string text() const { return Display(remaining_); }

  private:
    State state_ = State::Entry;
    long remaining_ = 0;
};

}  // namespace tollix::countdown
