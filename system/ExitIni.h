#pragma once

#include <filesystem>
#include <string>

namespace tollix {

// "exit.ini": the reserved computer exit, three integer lines.
struct ExitSettings {
    int chkAutoExit = 0;
    int reservedExitHour = 0;
    int reservedExitMinute = 0;

    bool operator==(const ExitSettings&) const = default;
};

ExitSettings ReadExitIni(const std::filesystem::path& file);
// Returns an error text, empty on success.
std::string WriteExitIni(const std::filesystem::path& file, const ExitSettings& settings);

}  // namespace tollix
