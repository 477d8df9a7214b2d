#include "schedule/DefaultFiles.h"

#include "schedule/DataFiles.h"
#include "sound/BellSynth.h"
#include "system/ExitIni.h"

#include <functional>
#include <system_error>

namespace tollix {

namespace {

class Creator {
  public:
    std::vector<std::string> failures;

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
        if (const auto error = write(); !error.empty())
            failures.push_back("Cannot write " + path.string() + ": " + error);
    }
};

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
        make.file(paths.dayList(n), [&] { return writeDayList(paths.dayList(n), DayList{}); });

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
        return make.failures;
    for (const auto& bell : sound::kSynthBells) {
        const auto path = paths.soundFolder() / bell.fileName;
        make.file(path, [&] { return sound::writeWav(path, sound::synthesize(bell.bell)); });
    }
    return make.failures;
}

}  // namespace tollix
