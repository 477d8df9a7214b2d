#include "schedule/DefaultFiles.h"

#include "schedule/BellEntry.h"

#include "schedule/DataFiles.h"
#include "sound/BellSynth.h"
#include "system/ExitIni.h"

#include <functional>
#include <map>
#include <system_error>

namespace tollix {

namespace {

class Creator {
  public:
    std::vector<std::string> failures;
    // Files that could not be written, by folder and reason: a read-only
    // folder is one line, not one for each of its files.
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> unwritten;

    std::vector<std::string> report() {
        for (const auto& [where, names] : unwritten) {
            std::string list;
            for (const auto& name : names) list += (list.empty() ? "" : ", ") + name;
            failures.push_back("Cannot write " + list + " in " + where.first + ": " + where.second);
        }
        return failures;
    }

    void folder(const std::filesystem::path& path) {
        std::error_code ec;
        std::filesystem::create_directories(path, ec);
        if (ec)
            failures.push_back("Cannot create the folder " + path.string() + ": " + ec.message());
    }

    // Writes the file through `write` only when it does not exist yet.
    void file(const std::filesystem::path& path, const std::function<std::string()>& write) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec) || ec)
            return;
        std::string error = write();
        if (error.empty())
            return;
        if (const std::string prefix = path.string() + ": "; error.starts_with(prefix))
            error.erase(0, prefix.size());
        unwritten[{path.parent_path().string(), error}].push_back(path.filename().string());
    }
};

// Templets 1 to 3 hold example days, so that trying one shows what it is
// for; the weekdays and templets 4 to 6 start empty.
DayList exampleDay(int n) {
    const std::string lesson = sound::kSynthBells[0].fileName;
    const std::string end = sound::kSynthBells[1].fileName;
    const std::string alarm = sound::kSynthBells[2].fileName;
    // Lessons of `length` minutes from `first`, with the breaks between them.
    auto day = [&](int first, int length, const std::vector<int>& breaks) {
        std::vector<std::string> lines;
        int at = first;
        for (std::size_t k = 0; k <= breaks.size(); ++k) {
            lines.push_back(BellEntry::text(at / 60, at % 60, lesson));
            at += length;
            lines.push_back(BellEntry::text(at / 60, at % 60, end));
            if (k < breaks.size())
                at += breaks[k];
        }
        return lines;
    };
    switch (n) {
        case 8:  // a full school day: 45-minute lessons, a long break and lunch
            return {0, day(8 * 60, 45, {10, 20, 10, 50, 10})};
        case 9:  // a short day: 35-minute lessons, 5-minute breaks
            return {0, day(8 * 60, 35, {5, 5, 15, 5})};
        case 10:  // an exam day: two sittings, a warning 15 minutes before each end
            return {0,
                    {BellEntry::text(9, 0, lesson), BellEntry::text(10, 45, alarm),
                     BellEntry::text(11, 0, end), BellEntry::text(13, 0, lesson),
                     BellEntry::text(14, 45, alarm), BellEntry::text(15, 0, end)}};
        default:
            return {};
    }
}

}  // namespace

std::vector<std::string> EnsureProgramFolder(const AppPaths& paths) {
    using namespace datafiles;
    Creator make;
    std::error_code ec;
    const bool newSoundFolder = !std::filesystem::exists(paths.soundFolder(), ec);
    make.folder(paths.dataFolder());
    make.folder(paths.soundFolder());

    make.file(paths.dataIni(), [&] { return writeGeneral(paths.dataIni(), GeneralSettings{}); });
    make.file(paths.exitIni(), [&] {
        return WriteExitIni(paths.exitIni(), ExitSettings{0, 18, 0, {}, {}});
    });
    make.file(paths.weekList(), [&] { return writeWeekList(paths.weekList(), {}); });
    for (int n = 1; n <= 13; ++n)
        make.file(paths.dayList(n), [&] { return writeDayList(paths.dayList(n), exampleDay(n)); });

    // Ready to start: the week's intervals ring the bundled bells.
    IntervalSettings intervals;
    intervals.txtStartBellSound = sound::kSynthBells[0].fileName;
    intervals.txtEndBellSound = sound::kSynthBells[1].fileName;
    intervals.TxtPreBellName1 = sound::kSynthBells[2].fileName;
    intervals.TxtPreBellName2 = sound::kSynthBells[2].fileName;
    make.file(paths.weekIntervals(),
              [&] { return writeIntervals(paths.weekIntervals(), intervals, IntervalFile::Week); });
    for (int n = 1; n <= 7; ++n)
        make.file(paths.dayIntervals(n), [&] {
            return writeIntervals(paths.dayIntervals(n), intervals, IntervalFile::Day);
        });

    // Bells go only into a sound folder made here: an operator's own folder
    // is theirs.
    if (!newSoundFolder)
        return make.report();
    for (const auto& bell : sound::kSynthBells) {
        const auto path = paths.soundFolder() / bell.fileName;
        make.file(path, [&] { return sound::writeWav(path, sound::synthesize(bell.bell)); });
    }
    return make.report();
}

}  // namespace tollix
