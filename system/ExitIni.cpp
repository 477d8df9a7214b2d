#include "system/ExitIni.h"

#include "schedule/TextFile.h"

namespace tollix {

namespace {

// A line of the time: missing gives the initial value; anything but a number
// in range is kept as it stands, so that it can neither match a wrong minute
// nor be lost.
void readTimeLine(const textfile::Lines& lines, std::size_t index, int highest, int& value,
                  std::optional<std::string>& raw) {
    const auto text = lines.text(index);
    if (!text)
        return;
    const auto number = textfile::parseInt(*text);
    if (number && *number >= 0 && *number <= highest)
        value = *number;
    else
        raw = *text;
}

}  // namespace

ExitSettings ReadExitIni(const std::filesystem::path& file, std::string* unreadable) {
    const auto lines = textfile::Lines::read(file);
    ExitSettings s;
    if (unreadable)
        *unreadable = lines.error();
    s.chkAutoExit = lines.checkOr(0, s.chkAutoExit);
    readTimeLine(lines, 1, 23, s.reservedExitHour, s.hourLine);
    readTimeLine(lines, 2, 59, s.reservedExitMinute, s.minuteLine);
    return s;
}

std::string WriteExitIni(const std::filesystem::path& file, const ExitSettings& s) {
    return textfile::write(
        file, {textfile::intLine(s.chkAutoExit),
               s.hourLine ? *s.hourLine : textfile::intLine(s.reservedExitHour),
               s.minuteLine ? *s.minuteLine : textfile::intLine(s.reservedExitMinute)});
}

}  // namespace tollix
