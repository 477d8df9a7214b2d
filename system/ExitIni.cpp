#include "system/ExitIni.h"

#include "schedule/TextFile.h"

namespace tollix {

ExitSettings ReadExitIni(const std::filesystem::path& file) {
    const auto lines = textfile::Lines::read(file);
    const ExitSettings initial;
    ExitSettings s;
    s.chkAutoExit = lines.checkOr(0, initial.chkAutoExit);
    // A time outside the day could never match the clock; keep the initial one.
    const int hour = lines.integerOr(1, initial.reservedExitHour);
    const int minute = lines.integerOr(2, initial.reservedExitMinute);
    s.reservedExitHour = hour >= 0 && hour <= 23 ? hour : initial.reservedExitHour;
    s.reservedExitMinute = minute >= 0 && minute <= 59 ? minute : initial.reservedExitMinute;
    return s;
}

std::string WriteExitIni(const std::filesystem::path& file, const ExitSettings& s) {
    return textfile::write(file,
                           {textfile::intLine(s.chkAutoExit), textfile::intLine(s.reservedExitHour),
                            textfile::intLine(s.reservedExitMinute)});
}

}  // namespace tollix
