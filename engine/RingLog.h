#pragma once

#include "platform/Clock.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tollix {

// What became of one bell.
// Web: an order given from the web page (stop, start, log in), with the address.
// Alarm, AllClear: an emergency signal ordered and ended, with who gave the order.
enum class RingOutcome {
    Rang,
    NotHeard,
    Failed,
    Missed,
    Held,
    Adjusted,
    Restored,
    Web,
    Alarm,
    AllClear
};

struct RingRecord {
    LocalTime when;
    RingOutcome outcome = RingOutcome::Rang;
    std::string sound;
    std::string reason;
};

// The ring record: one tab-separated line per bell decision, appended with a
// single write so that a line is never split, and rotated to "rings.log.1"
// before it grows past its limit. Nothing here may stop a bell: every failure
// is only reported.
class RingLog {
  public:
    static constexpr std::size_t kLimitBytes = 1024 * 1024;
    static constexpr std::size_t kLineBytes = 4096;

    explicit RingLog(std::filesystem::path file, std::size_t limitBytes = kLimitBytes);

    // $XDG_STATE_HOME/tollix/rings.log (~/.local/state/tollix/rings.log).
    static std::filesystem::path defaultFile();

    // Empty on success, else what went wrong.
    std::string append(const RingRecord& record);
    const std::filesystem::path& file() const { return file_; }

    // The line as written, newline included, at most kLineBytes long.
    static std::string line(const RingRecord& record);
    static const char* word(RingOutcome outcome);
    // The last `count` lines of the record, the rotated file included. What
    // could not be read (a record that is not a file) is said in `error`.
    static std::vector<std::string> lastLines(const std::filesystem::path& file, std::size_t count,
                                              std::string* error = nullptr);

  private:
    bool rotate(std::size_t adding, std::string& error);

    std::filesystem::path file_;
    std::size_t limit_;
    // Known once the folder exists and the file's size was read; kept up to
    // date by every line, so a line costs one open, one write and one close.
    bool ready_ = false;
    std::size_t size_ = 0;
};

}  // namespace tollix
