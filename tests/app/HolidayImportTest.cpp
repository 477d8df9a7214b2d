// tollix --import-holidays beside a running Tollix: the running copy reloads
// the calendar and keeps today's bell silent; a calendar of school days and a
// broken file are refused with nothing written.
#include "tests/support/Program.h"

namespace tollix {
namespace {

// The desktop program and the service alike.
class HolidayImportCommand : public ::testing::TestWithParam<QStringList> {};

TEST_P(HolidayImportCommand, ARunningTollixReloadsTheImportedDaysOff) {
    test::Program tollix;
    tollix.startArguments = GetParam();
    tollix.tone("first.wav", 1);
    tollix.settings({.timeMode = 2}, {"08hr 30min/first.wav"});
    const fs::path holidays = tollix.paths.holidaysIni();
    writeBytes(holidays, "2026-12-24..2026-12-26 Christmas\r\n");
    const QDate monday(2026, 12, 7);
    tollix.setClock(QDateTime(monday, QTime(8, 29)));  // before its bell
    // No sound server: a bell would still be on the record.
    tollix.env.insert(u"PULSE_SERVER"_s, u"unix:/nonexistent/native"_s);
    const auto import = [&](const std::string& calendar) {
        return tollix.command({u"--import-holidays"_s, QString::fromStdString(calendar)});
    };
    const std::string corpus = TOLLIX_SOURCE_DIR "/tests/schedule/calendars/";
    ASSERT_TRUE(tollix.start());
    ASSERT_TRUE(tollix.up());

    // Refused: nothing is written, and the reason is given.
    const auto term = import(corpus + "term-dates.ics");
    EXPECT_EQ(term.status, 3);
    EXPECT_NE(term.out.find("looks like a calendar of school days"), std::string::npos) << term.out;
    const auto broken = import(corpus + "unbalanced.ics");
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.error.find("line 9: END:VCALENDAR"), std::string::npos) << broken.error;
    EXPECT_EQ(readBytes(holidays), "2026-12-24..2026-12-26 Christmas\r\n");

    // Today becomes a day off while Tollix runs; last week is past.
    writeBytes(tollix.home.path() / "today.ics",
               "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261207\r\n"
               "SUMMARY:Snow day\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\n"
               "DTSTART;VALUE=DATE:20261201\r\nSUMMARY:Fair\r\nEND:VEVENT\r\n"
               "END:VCALENDAR\r\n");
    const auto today = import((tollix.home.path() / "today.ics").string());
    EXPECT_EQ(today.status, 0) << today.error;
    EXPECT_EQ(readBytes(holidays), "2026-12-24..2026-12-26 Christmas\r\n2026-12-07 Snow day\r\n");

    tollix.setClock(QDateTime(monday, QTime(8, 29, 57)));
    QTest::qWait(6000);  // past 08:30
    ASSERT_EQ(tollix.process.state(), QProcess::Running);
    EXPECT_EQ(tollix.records(), "");
    EXPECT_TRUE(tollix.stop());
}

INSTANTIATE_TEST_SUITE_P(Both, HolidayImportCommand,
                         ::testing::Values(QStringList{}, QStringList{u"--service"_s}));

}  // namespace
}  // namespace tollix
