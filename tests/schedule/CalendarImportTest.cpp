// Calendar files as schools get them, one case each in calendars/: what the
// import takes, what it refuses, and that every name stays a name.
#include "schedule/HolidayImport.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

struct Case {
    const char* file;
    std::string days;  // the ranges added to an empty calendar, or the refusal
    int withTimeOfDay = 0;
    int past = 0;
    int schoolDaysYear = 0;
};

const Case kCorpus[] = {
    {"folding.ics",
     "2026-12-21..2027-01-04 Winter holidays\n2027-04-05..2027-04-09 Easter break\n"},
    {"bom.ics", "2027-01-01 Новый год\n2027-02-11..2027-02-12 春节 설날 🎉\n2027-03-01 삼일절\n"},
    {"recurrences.ics",
     "2026-01-01 New Year\n2026-03-29 Clocks go forward\n2026-06-01 Sports day\n"
     "2026-06-15 Sports day\n2026-09-15 Harvest day\n2026-11-02 Inset day\n2027-01-01 New Year\n"
     "2027-03-28 Clocks go forward\n2027-09-17 Harvest day (moved)\n2027-10-10 Founders day\n"
     "2027-11-01 Inset day\n2027-11-08 Inset day\n",
     0, 1},
    {"duration.ics",
     "2027-01-04 Inset one\n2027-02-15..2027-02-17 Half term\n2027-05-10 Exam day off\n"
     "2027-06-01 Whit Tuesday\n2027-07-19..2027-08-01 Summer\n"},
    {"zoned.ics", "2027-03-08 Women's day\n2027-05-03..2027-05-04 May break\n2027-06-14 Bank day\n",
     3},
    {"unbalanced.ics", "line 9: END:VCALENDAR where BEGIN:VEVENT of line 3 is still open"},
    {"no-date.ics", "line 7: the event \"Staff day\" has no date it starts on (DTSTART)"},
    {"term-dates.ics",
     "2027-01-04..2027-03-26 Spring term\n2027-04-12..2027-07-21 Summer term\n"
     "2027-09-01..2027-12-17 Autumn term\n",
     0, 0, 2027},
    {"hostile.ics",
     "2027-01-11 Line one line two\n2027-01-12 ＝Monday Open day\n2027-01-13 Room ＃5 closed\n"
     "2027-01-14 ＝Tuesday bells\n2027-01-15 " +
         std::string(99, 'a') + "\n2027-01-18 Caf\uFFFD day\n"},
};

HolidayImport corpus(const char* file) {
    return importICalendar(fs::path(TOLLIX_SOURCE_DIR) / "tests/schedule/calendars" / file,
                           *parseDate("2026-01-01"));
}

TEST(CalendarImport, EachFileGivesTheDaysAReaderWouldMark) {
    test::TempFolder dir;
    for (const Case& c : kCorpus) {
        SCOPED_TRACE(c.file);
        const HolidayImport found = corpus(c.file);
        const HolidayPlan plan = planImport(HolidayCalendar::parse(""), found.rules);
        std::string days = found.error;
        for (const HolidayRule& rule : plan.added) days += rule.line() + "\n";
        EXPECT_EQ(days, c.days);
        EXPECT_EQ(found.withTimeOfDay, c.withTimeOfDay);
        EXPECT_EQ(found.past, c.past);
        EXPECT_EQ(plan.schoolDaysYear, c.schoolDaysYear);

        // Written and read back, each range is the same day off with the same name.
        const auto file = dir.path() / (std::string(c.file) + ".ini");
        ASSERT_EQ(changeHolidayFile(file,
                                    [&](HolidayCalendar& holidays) {
                                        applyPlan(holidays, plan);
                                        return std::string();
                                    }),
                  "");
        const HolidayFile back = readHolidayFile(file);
        EXPECT_EQ(back.unreadable, "");
        EXPECT_TRUE(back.calendar.problems().empty());
        ASSERT_EQ(back.calendar.rules().size(), plan.added.size());
        for (std::size_t i = 0; i < plan.added.size(); ++i) {
            EXPECT_FALSE(back.calendar.rules()[i].makeUp());
            EXPECT_EQ(back.calendar.rules()[i].name, plan.added[i].name);
        }
    }
    EXPECT_EQ(schoolDaysWarning(planImport({}, corpus("term-dates.ics").rules)),
              "This looks like a calendar of school days, not holidays: it would silence 211 of "
              "the 261 weekdays of 2027.");
}

// Read on 2026-12-09, each event gives its days or the refusal, "|", and how
// many dates had a time, events a time of day, were past.
TEST(CalendarImport, DatesAreRealDeclaredDatesWinAndPastEndsBeforeToday) {
    const std::pair<const char*, const char*> cases[] = {
        {"DTSTART;VALUE=DATE:20270230",
         R"(line 3: "DTSTART;VALUE=DATE:20270230" is not a real date|000)"},
        {"DTSTART;VALUE=DATE:2027-13-45",
         R"(line 3: "DTSTART;VALUE=DATE:2027-13-45" is not a real date|000)"},
        {"DTSTART;VALUE=DATE:20270104\r\nDURATION:banana",
         R"(line 4: "DURATION:banana" is not a real duration|000)"},
        {"DTSTART;VALUE=DATE:20270213T150000Z\r\nDTEND;VALUE=DATE:20270223T140000Z",
         "2027-02-13..2027-02-22 X\n|200"},
        {"DTSTART:20270213T150000Z\r\nDTEND:20270213T160000Z", "|010"},
        {"DTSTART;VALUE=DATE:20261201\r\nDTEND;VALUE=DATE:20261209", "|001"},
        {"DTSTART;VALUE=DATE:20261207\r\nDURATION:P4D", "2026-12-07..2026-12-10 X\n|000"},
        {"DTSTART;VALUE=DATE:20200301\r\nRRULE:FREQ=YEARLY", "2027-03-01 X\n|000"},
    };
    for (const auto& [event, expected] : cases) {
        const HolidayImport found =
            importICalendarText(std::string("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n") + event +
                                    "\r\nSUMMARY:X\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
                                *parseDate("2026-12-09"));
        std::string days = found.error;
        for (const HolidayRule& rule : found.rules) days += rule.line() + "\n";
        EXPECT_EQ(days + "|" + std::to_string(found.datesWithTime) +
                      std::to_string(found.withTimeOfDay) + std::to_string(found.past),
                  expected);
    }
}

// An import adds lines: every line there keeps its bytes (removing one rule
// never removes another's days), and the preview says which days were off.
TEST(CalendarImport, AnImportAddsLinesAndKeepsEveryLineThere) {
    test::TempFolder dir;
    const std::string there =
        "# by hand\n2026-12-18..2026-12-22 Winter sports week\n2027-01-09 = Monday Make-up\n"
        "2027-03-02 = Templet 2 Exams\n2027-03-25 Open day\n2027-05-01..2027-05-02 Labour Day";
    const HolidayCalendar imported = HolidayCalendar::parse(
        "2026-12-21..2027-01-04 Winter holidays\n2027-01-03..2027-01-10 Winter holidays\n"
        "2027-03-22..2027-04-02 Easter\n2027-05-01 May Day");
    const HolidayImport found{
        .rules = imported.rules(), .datesWithTime = 2, .past = 1, .error = {}};
    HolidayCalendar holidays = HolidayCalendar::parse(there);
    const HolidayPlan plan = planImport(holidays, found.rules);
    applyPlan(holidays, plan);
    ASSERT_EQ(holidays.write(dir.path() / "holidays.ini"), "");
    EXPECT_EQ(readBytes(dir.path() / "holidays.ini"),
              there + "\n2026-12-21..2027-01-10 Winter holidays\n2027-03-22..2027-04-02 Easter\n");
    EXPECT_EQ(previewText(found, plan),
              "Days without bells to add:\n"
              "  2026-12-21..2027-01-10 Winter holidays (already without bells: "
              "2026-12-21..2026-12-22)\n"
              "  2027-03-22..2027-04-02 Easter (already without bells: 2027-03-25)\n"
              "Already days without bells, not added again:\n  2027-05-01 May Day\n"
              "School days (Monday to Friday) without bells: 9 in 2026, 16 in 2027\n"
              "Skipped events: 1 in the past\n2 dates written with a time, read as dates\n");
}

// A holidays.ini that cannot be read is said so and never written over.
TEST(CalendarImport, AnUnreadableCalendarIsNeverOverwritten) {
    test::TempFolder dir;
    const auto file = dir.path() / "holidays.ini";
    const auto add = [](HolidayCalendar& holidays) {
        holidays.add({*parseDate("2027-01-04"), *parseDate("2027-01-04"), 0, "Inset"});
        return std::string();
    };
    writeBytes(file, "2026-12-24 Christmas \xE9t\xE9\n");  // Latin-1, not UTF-8
    EXPECT_EQ(changeHolidayFile(file, add), "holidays.ini is not UTF-8 text: it is left as it is");
    EXPECT_EQ(readBytes(file), "2026-12-24 Christmas \xE9t\xE9\n");
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_EQ(readHolidayFile(file).unreadable,
              "holidays.ini cannot be read (is a folder, not a file): it is left as it is");
    EXPECT_NE(changeHolidayFile(file, add), "");
    EXPECT_TRUE(fs::is_directory(file));
}

}  // namespace
}  // namespace tollix
