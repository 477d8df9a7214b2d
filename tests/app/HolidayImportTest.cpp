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
#include <QTest>

#include <gtest/gtest.h>

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

    const fs::path clock = home.path() / "faketime";
    const QDate monday(2026, 12, 7);
    test::setFakeClock(clock, QDateTime(monday, QTime(8, 29)));  // before its bell
    QProcessEnvironment env = test::programEnvironment(home.path());
    env.insert(u"FAKETIME_TIMESTAMP_FILE"_s, QString::fromStdString(clock.string()));
    env.insert(u"FAKETIME_NO_CACHE"_s, u"1"_s);
    // No sound server: a bell would still be on the record.
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
    tollix.start(QStringLiteral(TOLLIX_EXE), {});
    // Up once it answers a second copy.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return fs::exists(home.path() / "run/tollix.socket"); }, 30000));

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

    test::setFakeClock(clock, QDateTime(monday, QTime(8, 29, 57)));
    QTest::qWait(6000);  // past 08:30
    ASSERT_EQ(tollix.state(), QProcess::Running);
    EXPECT_EQ(test::ringRecords(home.path() / "state" / "tollix" / "rings.log"), "");
    tollix.terminate();
    EXPECT_TRUE(tollix.waitForFinished(5000));
}

}  // namespace
}  // namespace tollix
