// The real program in a program folder that cannot be written, not even by
// root: every save of start-up fails, is said without waiting for anyone,
// and the schedule starts and rings.
#include "schedule/AppPaths.h"
#include "schedule/DataFiles.h"
#include "schedule/DefaultFiles.h"
#include "sound/BellSynth.h"
#include "tests/support/Doubles.h"
#include "tests/support/Mounts.h"
#include "tests/support/Pulse.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>

namespace tollix {
namespace {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

TEST(StartUpEndToEnd, AReadOnlyProgramFolderStillRings) {
    if (!fs::exists(test::kFakeTimeLibrary))
        GTEST_SKIP() << "libfaketime is not installed";
    test::TempFolder home;
    const AppPaths paths{home.path() / "tollix"};
    fs::create_directories(paths.programFolder());
    test::SmallFileSystem disk(paths.programFolder(), "8m");
    if (!disk.error().empty())
        GTEST_SKIP() << "no read-only file system (root writes anywhere else): " << disk.error();

    ASSERT_TRUE(EnsureProgramFolder(paths).empty());
    test::save(paths.dataIni(), {.auto_exe = 1, .timeMode = 2});  // manual input, the week's list
    const std::string bell = sound::kSynthBells[0].fileName;
    ASSERT_EQ(datafiles::writeWeekList(paths.weekList(), {"08hr 30min/" + bell}), "");
    ASSERT_TRUE(disk.makeReadOnly());

    test::PulseServer::shared();
    const fs::path clockFile = home.path() / "faketime";
    const QDate monday(2026, 12, 7);
    test::setFakeClock(clockFile, QDateTime(monday, QTime(8, 29)));
    QProcessEnvironment env = test::programEnvironment(home.path());
    env.insert(u"FAKETIME_TIMESTAMP_FILE"_s, QString::fromStdString(clockFile.string()));
    env.insert(u"FAKETIME_NO_CACHE"_s, u"1"_s);

    QProcess tollix;
    tollix.setProcessEnvironment(env);
    tollix.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    test::endWithTest(tollix);
    tollix.start(QStringLiteral(TOLLIX_EXE), {});
    // Up once it answers a second copy, however long that takes: then its bell.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return fs::exists(home.path() / "run/tollix.socket"); }, 30000))
        << "not up: a start-up message waits for someone";
    test::setFakeClock(clockFile, QDateTime(monday, QTime(8, 29, 57)));
    const fs::path record = home.path() / "state" / "tollix" / "rings.log";
    const bool rang = QTest::qWaitFor(
        [&] { return test::ringRecords(record).find(bell) != std::string::npos; }, 15000);
    tollix.terminate();
    EXPECT_TRUE(tollix.waitForFinished(10000));
    ASSERT_TRUE(rang) << "no bell in the record: a start-up message held the schedule";
    // Start-up's own saves failed: said in the record too, for nobody may be there.
    const std::string lines = test::ringRecords(record);
    EXPECT_EQ(lines.rfind("failed settings", 0), 0u) << lines;
    EXPECT_NE(lines.find("rang " + bell), std::string::npos) << lines;
}

}  // namespace
}  // namespace tollix
