#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tollix {

// "exit.ini": the reserved computer exit, three integer lines.
struct ExitSettings {
    int chkAutoExit = 0;
    int reservedExitHour = 0;
    int reservedExitMinute = 0;
    // A time line that holds no time of day (25, a word) as the file has it:
    // that time never comes, and the line is written back as it was.
    std::optional<std::string> hourLine;
    std::optional<std::string> minuteLine;

    bool timeValid() const { return !hourLine && !minuteLine; }
    bool operator==(const ExitSettings&) const = default;
};

// A file that is there but cannot be read (not a file, too large) gives the
// initial settings and says why in `unreadable`.
ExitSettings ReadExitIni(const std::filesystem::path& file, std::string* unreadable = nullptr);
// Returns an error text, empty on success.
std::string WriteExitIni(const std::filesystem::path& file, const ExitSettings& settings);

}  // namespace tollix
