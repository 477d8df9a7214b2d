#include "schedule/HolidayImport.h"
#include "schedule/SafeFile.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

constexpr const char* kCalendar =
    "# school year 2026/27\r\n"
    "2026-12-21..2027-01-06 Winter holidays\r\n"
    "2027-01-02 = Monday Make-up day\r\n"  // inside the holidays: the make-up wins
    "2027-01-09 = 4\r\n"
    "2028-02-29 Leap day off\r\n"
    "2027-03-01..2027-03-05 Week one\r\n"
    "2027-03-04 Ski day\r\n";  // overlapping: the later line names the day

TEST(Holidays, EachDateIsChosenByTheRules) {
    const HolidayCalendar calendar = HolidayCalendar::parse(kCalendar);
    EXPECT_TRUE(calendar.problems().empty());
    const struct {
        const char* date;
        DayChoice::Kind kind;
        int weekday;
        const char* name;
    } days[] = {
        {"2026-12-20", DayChoice::Kind::Ordinary, 1, ""},
        {"2026-12-21", DayChoice::Kind::NoBells, 2, "Winter holidays"},
        {"2026-12-31", DayChoice::Kind::NoBells, 5, "Winter holidays"},
        {"2027-01-02", DayChoice::Kind::MakeUp, 2, "Make-up day"},
        {"2027-01-06", DayChoice::Kind::NoBells, 4, "Winter holidays"},
        {"2027-01-07", DayChoice::Kind::Ordinary, 5, ""},
        {"2027-01-09", DayChoice::Kind::MakeUp, 4, ""},  // a Saturday with Wednesday's bells
        {"2028-02-29", DayChoice::Kind::NoBells, 3, "Leap day off"},
        {"2027-03-04", DayChoice::Kind::NoBells, 5, "Ski day"},
        {"2027-03-05", DayChoice::Kind::NoBells, 6, "Week one"},
    };
    for (const auto& d : days) {
        const DayChoice choice = calendar.choose(*parseDate(d.date));
        EXPECT_EQ(choice.kind, d.kind) << d.date;
        EXPECT_EQ(choice.weekday, d.weekday) << d.date;
        EXPECT_EQ(choice.name, d.name) << d.date;
    }
}

// Bad lines are reported by number, kept when the file is written again,
// and change nothing else.
TEST(Holidays, BadLinesAreReportedKeptAndHarmless) {
    test::TempFolder dir;
    const auto file = dir.path() / "holidays.ini";
    const std::string bad =
        "2027-02-29 No such day\r\n2027-01-06..2026-12-21 Backwards\r\n"
        "2027-01-09 = Mondy Typo\r\nChristmas\r\n";
    writeBytes(file, bad + "2026-12-24 Christmas Eve\r\n");
    HolidayCalendar calendar = HolidayCalendar::read(file);
    ASSERT_EQ(calendar.problems().size(), 4u);
    EXPECT_EQ(calendar.problems()[1].why, "the range ends before it starts");
    EXPECT_EQ(calendar.problems()[3].line, 4);
    ASSERT_EQ(calendar.rules().size(), 1u);

    calendar.add(HolidayRule{*parseDate("2027-01-09"), *parseDate("2027-01-09"), 2, "Make-up"});
    calendar.add(HolidayRule{*parseDate("2027-04-01"), *parseDate("2027-04-09"), 0, "Easter"});
    calendar.remove(0);  // Christmas Eve
    ASSERT_EQ(calendar.write(file), "");
    EXPECT_EQ(readBytes(file),
              bad + "2027-01-09 = Monday Make-up\r\n2027-04-01..2027-04-09 Easter\r\n");

    // A file far too large is not read; a change keeps it beside the new file.
    writeBytes(file, std::string(safefile::kHolidaysLimit + 1, '#'));
    HolidayCalendar huge = HolidayCalendar::read(file);
    EXPECT_EQ(huge.problems().size(), 1u);
    EXPECT_EQ(huge.choose(*parseDate("2026-12-24")).kind, DayChoice::Kind::Ordinary);
    EXPECT_EQ(huge.write(file), "");
    EXPECT_EQ(fs::file_size(file.string() + ".unreadable"), safefile::kHolidaysLimit + 1);
}

// What the import takes from a calendar is in the calendar files' table;
// here what is no calendar at all.
TEST(HolidayImport, WhatIsNoCalendarIsRefusedAndSaidWhy) {
    for (const char* broken : {"", "just text\n", "BEGIN:VCARD\r\nEND:VCARD\r\n"})
        EXPECT_NE(importICalendarText(broken, 2026).error, "") << broken;
    // A file that cannot be read, or is too large to be a calendar, is said so.
    test::TempFolder dir;
    writeBytes(dir.path() / "big.ics", std::string(HolidayImport::kMaxFileSize + 1, ' '));
    EXPECT_EQ(importICalendar(dir.path() / "big.ics", 2026).error,
              "the file is larger than a calendar can be (16 MB)");
    EXPECT_NE(importICalendar(dir.path() / "gone.ics", 2026).error, "");
}

}  // namespace
}  // namespace tollix
