#include "schedule/DefaultFiles.h"
#include "sound/BellSynth.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

// Beside the executable when its folder holds data, otherwise under XDG_DATA_HOME.
TEST(ProgramFolder, PortableOrUnderXdgDataHomeAndMessagesShowIt) {
    test::TempFolder exe, home;
    const test::ScopedEnv xdg("XDG_DATA_HOME", home.path().c_str());
    const AppPaths paths = AppPaths::resolve(exe.path());
    EXPECT_EQ(paths.dayList(9), home.path() / "tollix" / "data" / "mdata_9.ini");
    EXPECT_EQ(paths.dayIntervals(7), home.path() / "tollix" / "data" / "adata_7.ini");
    fs::create_directory(exe.path() / "data");
    EXPECT_EQ(AppPaths::resolve(exe.path()).programFolder(), exe.path());
    // Most desktops: under the home folder.
    const test::ScopedEnv noXdg("XDG_DATA_HOME", nullptr), user("HOME", "/home/op");
    EXPECT_EQ(AppPaths::resolve(home.path()).programFolder(), "/home/op/.local/share/tollix");
    EXPECT_EQ(AppPaths("/home/op").showFolder("Put files in C:\\tollix\\sound folder."),
              "Put files in /home/op/sound folder.");
}

TEST(FirstStart, CreatesEveryDataFileAndWorkingBells) {
    test::TempFolder dir;
    const AppPaths paths(dir.path() / "tollix");
    EXPECT_TRUE(EnsureProgramFolder(paths).empty());

    // Templets 1 to 3 are example days of the bundled bells; 4 to 6 are empty.
    for (int n = 8; n <= 10; ++n) {
        const DayList example = datafiles::readDayList(paths.dayList(n));
        EXPECT_GE(example.lines.size(), 6u) << n;
        for (const auto& line : example.lines)
            EXPECT_TRUE(BellEntry::parse(line).has_value()) << line;
    }
    for (int n = 11; n <= 13; ++n) EXPECT_EQ(readBytes(paths.dayList(n)), " 0 \r\n") << n;
    EXPECT_EQ(readBytes(paths.dataIni()),
              " 0 \r\n-1 \r\n 1 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(readBytes(paths.weekList()), "");
    for (int n = 1; n <= 7; ++n) EXPECT_TRUE(fs::exists(paths.dayIntervals(n))) << n;
    // The week's intervals ring the bells that were made.
    const auto week =
        datafiles::readIntervals(paths.weekIntervals(), datafiles::IntervalFile::Week);
    EXPECT_TRUE(fs::exists(paths.soundFolder() / week.txtStartBellSound));
    EXPECT_TRUE(fs::exists(paths.soundFolder() / week.txtEndBellSound));
}

// An operator's files stay as they are; a folder that cannot be made is said.
TEST(FirstStart, NeverOverwritesAndLeavesAnOperatorsSoundFolderAlone) {
    test::TempFolder dir;
    const AppPaths paths(dir.path());
    writeBytes(paths.dataIni(), " 1 \r\n");
    writeBytes(paths.soundFolder() / "own.mp3", "x");
    EXPECT_TRUE(EnsureProgramFolder(paths).empty());
    EXPECT_EQ(readBytes(paths.dataIni()), " 1 \r\n");
    EXPECT_FALSE(fs::exists(paths.soundFolder() / "chime.wav"));
    EXPECT_TRUE(fs::exists(paths.exitIni()));

    const auto failures = EnsureProgramFolder(AppPaths(paths.dataIni()));
    ASSERT_FALSE(failures.empty());
    EXPECT_NE(failures.front().find("data.ini"), std::string::npos);
}

TEST(SynthesizedBells, AreWavFilesOfAudibleSound) {
    test::TempFolder dir;
    for (const auto& bell : sound::kSynthBells) {
        const auto samples = sound::synthesize(bell.bell);
        EXPECT_GT(samples.size(), std::size_t{sound::kSynthRate}) << bell.fileName;
        int peak = 0;
        for (auto s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_NEAR(peak, 0.8 * 32767, 2) << bell.fileName;
        // It starts and ends quietly, so it does not click.
        EXPECT_LT(std::abs(samples.front()), 2000);
        EXPECT_LT(std::abs(samples.back()), 3000) << bell.fileName;

        const auto path = dir.path() / bell.fileName;
        ASSERT_EQ(sound::writeWav(path, samples), "");
        const std::string bytes = readBytes(path);
        EXPECT_EQ(bytes.size(), 44 + samples.size() * 2);
        EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(8, 8) + bytes.substr(36, 4),
                  "RIFFWAVEfmt data");
    }
}

}  // namespace
}  // namespace tollix
