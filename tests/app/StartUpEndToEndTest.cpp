// The real program where a folder of start-up cannot be written, not even by
// root: every save of start-up fails, is said without waiting for anyone,
// and the schedule starts and rings.
#include "schedule/DefaultFiles.h"
#include "sound/BellSynth.h"
#include "tests/support/Mounts.h"
#include "tests/support/Program.h"

namespace tollix {
namespace {

void readOnlyStillRings(bool entryFolder) {
    test::Program tollix;
    const AppPaths& paths = tollix.paths;
    const fs::path autostart = tollix.home.path() / "config/autostart";
    fs::create_directories(autostart);
    test::SmallFileSystem disk(entryFolder ? autostart : paths.programFolder(), "8m");
    if (!disk.error().empty())
        GTEST_SKIP() << "no read-only file system (root writes anywhere else): " << disk.error();

    ASSERT_TRUE(EnsureProgramFolder(paths).empty());
    const std::string bell = sound::kSynthBells[0].fileName;
    tollix.settings({.timeMode = 2}, {"08hr 30min/" + bell});  // manual input, the week's list
    const std::string dataIni = readBytes(paths.dataIni());
    ASSERT_TRUE(disk.makeReadOnly());

    const QDate monday(2026, 12, 7);
    tollix.setClock(QDateTime(monday, QTime(8, 29)));
    ASSERT_TRUE(tollix.start());
    // Up once it answers a second copy, however long that takes: then its bell.
    ASSERT_TRUE(tollix.up()) << "not up: a start-up message waits for someone";
    tollix.setClock(QDateTime(monday, QTime(8, 29, 57)));
    const bool rang =
        QTest::qWaitFor([&] { return tollix.records().find(bell) != std::string::npos; }, 15000);
    EXPECT_TRUE(tollix.stop(10000));
    ASSERT_TRUE(rang) << "no bell in the record: a start-up message held the schedule";
    // Start-up's own saves failed: said in the record too, for nobody may be there.
    const std::string lines = tollix.records();
    EXPECT_EQ(lines.rfind("failed settings", 0), 0u) << lines;
    EXPECT_NE(lines.find("rang " + bell), std::string::npos) << lines;
    EXPECT_EQ(readBytes(paths.dataIni()), dataIni);  // "Auto execution" still set
}

TEST(StartUpEndToEnd, AReadOnlyProgramOrLogOnEntryFolderChangesNoSettingAndStillRings) {
    for (const bool entryFolder : {false, true}) readOnlyStillRings(entryFolder);
}

}  // namespace
}  // namespace tollix
