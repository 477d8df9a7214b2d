#include "schedule/DataFiles.h"

#include "schedule/TextFile.h"

namespace tollix::datafiles {

using textfile::intLine;
using textfile::Lines;

namespace {

Lines readLines(const std::filesystem::path& file, std::string* unreadable) {
    Lines lines = Lines::read(file);
    if (unreadable)
        *unreadable = lines.error();
    return lines;
}

}  // namespace

GeneralSettings readGeneral(const std::filesystem::path& file, std::string* unreadable) {
    const Lines lines = readLines(file, unreadable);
    const GeneralSettings initial;
    // "Auto execution" decides whether any bell rings: a file that does not
    // say it clearly (emptied by a full disk, damaged) is not a setting.
    const auto first = lines.integer(0);
    if (lines.exists() && !(first == 0 || first == 1)) {
        if (unreadable)
            *unreadable = file.string() + ": " +
                          (lines.count() == 0 ? "the file is empty" : "its first line is damaged");
        return initial;
    }
    GeneralSettings s;
    s.auto_exe = lines.checkOr(0, initial.auto_exe);
    s.fileListIndex = lines.integerOr(1, initial.fileListIndex);
    s.timeMode = lines.integerOr(2, initial.timeMode) == 1 ? 1 : 2;
    s.dayMode = lines.integerOr(3, initial.dayMode) == 1 ? 1 : 2;
    s.sound_zero = lines.checkOr(4, initial.sound_zero);
    s.autoMode = lines.integerOr(5, initial.autoMode) == 1 ? 1 : 2;
    s.bellRepeat = lines.checkOr(6, initial.bellRepeat);
    s.chkTimeSync = lines.checkOr(7, initial.chkTimeSync);
    return s;
}

std::string writeGeneral(const std::filesystem::path& file, const GeneralSettings& s) {
    return textfile::write(
        file, {intLine(s.auto_exe), intLine(s.fileListIndex), intLine(s.timeMode == 2 ? 2 : 1),
               intLine(s.dayMode == 2 ? 2 : 1), intLine(s.sound_zero),
               intLine(s.autoMode == 1 ? 1 : 2), intLine(s.bellRepeat), intLine(s.chkTimeSync)});
}

namespace {

// Entry lines from `first` on; lines that are no entry at all (damage, or an
// over-long line) are left out, as they could never ring.
std::vector<std::string> entryLines(const Lines& lines, std::size_t first) {
    std::vector<std::string> result;
    for (std::size_t i = first; i < lines.count(); ++i) {
        const auto line = lines.text(i);
        if (line && BellEntry::parse(*line))
            result.push_back(*line);
    }
    return result;
}

}  // namespace

std::vector<std::string> readWeekList(const std::filesystem::path& file, std::string* unreadable) {
    return entryLines(readLines(file, unreadable), 0);
}

std::string writeWeekList(const std::filesystem::path& file,
                          const std::vector<std::string>& lines) {
    return textfile::write(file, lines);
}

DayList readDayList(const std::filesystem::path& file, std::string* unreadable) {
    const Lines lines = readLines(file, unreadable);
    return DayList{lines.checkOr(0, 0), entryLines(lines, 1)};
}

std::string writeDayList(const std::filesystem::path& file, const DayList& list) {
    std::vector<std::string> lines{intLine(list.nobell)};
    lines.insert(lines.end(), list.lines.begin(), list.lines.end());
    return textfile::write(file, lines);
}

IntervalSettings readIntervals(const std::filesystem::path& file, IntervalFile kind,
                               std::string* unreadable) {
    const Lines lines = readLines(file, unreadable);
    const IntervalSettings initial;
    IntervalSettings s;
    std::size_t i = 0;
    const auto text = [&](const std::string& init) { return lines.textOr(i++, init); };
    const auto check = [&](int init) { return lines.checkOr(i++, init); };
    s.start_h = text(initial.start_h);
    s.start_m = text(initial.start_m);
    s.exit_h = text(initial.exit_h);
    s.exit_m = text(initial.exit_m);
    s.worktime = text(initial.worktime);
    s.resttime = text(initial.resttime);
    if (kind == IntervalFile::Day)
        s.nobell = check(initial.nobell);
    s.txtStartBellSound = text(initial.txtStartBellSound);
    s.txtEndBellSound = text(initial.txtEndBellSound);
    s.ChkPreBell1 = check(initial.ChkPreBell1);
    s.TxtPreBell1 = text(initial.TxtPreBell1);
    s.TxtPreBellName1 = text(initial.TxtPreBellName1);
    s.ChkPreBell2 = check(initial.ChkPreBell2);
    s.TxtPreBell2 = text(initial.TxtPreBell2);
    s.TxtPreBellName2 = text(initial.TxtPreBellName2);
    return s;
}

std::string writeIntervals(const std::filesystem::path& file, const IntervalSettings& s,
                           IntervalFile kind) {
    std::vector<std::string> lines{s.start_h, s.start_m,  s.exit_h,
                                   s.exit_m,  s.worktime, s.resttime};
    if (kind == IntervalFile::Day)
        lines.push_back(intLine(s.nobell));
    for (const auto& line :
         {s.txtStartBellSound, s.txtEndBellSound, intLine(s.ChkPreBell1), s.TxtPreBell1,
          s.TxtPreBellName1, intLine(s.ChkPreBell2), s.TxtPreBell2, s.TxtPreBellName2})
        lines.push_back(line);
    return textfile::write(file, lines);
}

}  // namespace tollix::datafiles
