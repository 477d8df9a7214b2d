// tollix --import-holidays beside a running Tollix: the running copy reloads
// the calendar and keeps today's bell silent; a calendar of school days and a
// broken file are refused with nothing written.
#include "schedule/AppPaths.h"
#include "schedule/DataFiles.h"
#include "schedule/DefaultFiles.h"
#include "tests/support/Doubles.h"
#include "tests/support/Pulse.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tollix {
namespace {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

TEST(HolidayImportCommand, ARunningTollixReloadsTheImportedDaysOff) {
    if (!fs::exists(test::kFakeTimeLibrary))
        GTEST_SKIP() << "libfaketime is not installed";
    test::TempFolder home;
    const AppPaths paths(home.path() / "tollix");
    ASSERT_TRUE(EnsureProgramFolder(paths).empty());
    ASSERT_FALSE(test::makeTone(paths.soundFolder() / "first.wav", 1).empty());
    test::save(paths.dataIni(), {.auto_exe = 1, .timeMode = 2});
    ASSERT_TRUE(datafiles::writeWeekList(paths.weekList(), {"08hr 30min/first.wav"}).empty());
    test::writeBytes(paths.holidaysIni(), "2026-12-24..2026-12-26 Christmas\r\n");

    QProcessEnvironment env = test::programEnvironment(home.path());
    env.insert(u"FAKETIME"_s, u"@2026-12-07 08:29:40"_s);  // a Monday, 20 s before its bell
    // No sound server: a bell would still be on the record, and none of the
    // sound tests is disturbed.
    env.insert(u"PULSE_SERVER"_s, u"unix:/nonexistent/native"_s);
    const auto import = [&](const std::string& calendar) {
        QProcess command;
        command.setProcessEnvironment(env);
        command.start(QStringLiteral(TOLLIX_EXE),
                      {u"--import-holidays"_s, QString::fromStdString(calendar)});
        EXPECT_TRUE(command.waitForFinished(20000));
        return std::tuple{command.exitCode(), command.readAllStandardOutput().toStdString(),
                          command.readAllStandardError().toStdString()};
    };
    const std::string corpus = TOLLIX_SOURCE_DIR "/tests/schedule/calendars/";

    QProcess tollix;
    tollix.setProcessEnvironment(env);
    tollix.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    test::endWithTest(tollix);
    const auto started = std::chrono::steady_clock::now();
    tollix.start(QStringLiteral(TOLLIX_EXE), {});
    ASSERT_TRUE(tollix.waitForStarted(5000));
    std::this_thread::sleep_for(std::chrono::seconds(4));

    // Refused: nothing is written, and the reason is given.
    const auto [termStatus, termOut, termError] = import(corpus + "term-dates.ics");
    EXPECT_EQ(termStatus, 3);
    EXPECT_NE(termOut.find("looks like a calendar of school days"), std::string::npos) << termOut;
    const auto [brokenStatus, brokenOut, brokenError] = import(corpus + "unbalanced.ics");
    EXPECT_EQ(brokenStatus, 1);
    EXPECT_NE(brokenError.find("line 9: END:VCALENDAR"), std::string::npos) << brokenError;
    EXPECT_EQ(test::readBytes(paths.holidaysIni()), "2026-12-24..2026-12-26 Christmas\r\n");

    // Today becomes a day off while Tollix runs, joined with the rule there.
    test::writeBytes(home.path() / "today.ics",
                     "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261207\r\n"
                     "SUMMARY:Snow day\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\n"
                     "DTSTART;VALUE=DATE:20261225\r\nSUMMARY:Christmas Day\r\nEND:VEVENT\r\n"
                     "END:VCALENDAR\r\n");
    const auto [status, out, error] = import((home.path() / "today.ics").string());
    EXPECT_EQ(status, 0) << error;
    EXPECT_EQ(test::readBytes(paths.holidaysIni()),
              "2026-12-24..2026-12-26 Christmas\r\n2026-12-07 Snow day\r\n");

    ASSERT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(18))
        << "the import came too late to tell";
    std::this_thread::sleep_until(started + std::chrono::seconds(23));  // past 08:30
    ASSERT_EQ(tollix.state(), QProcess::Running);
    EXPECT_EQ(test::ringRecords(home.path() / "state" / "tollix" / "rings.log"), "");
    tollix.terminate();
    EXPECT_TRUE(tollix.waitForFinished(5000));
}

}  // namespace
}  // namespace tollix
