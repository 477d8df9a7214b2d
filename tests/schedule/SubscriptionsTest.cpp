// data/calendars.ini and the guard against a wrong calendar.
#include "model/ScheduleModel.h"
#include "schedule/Subscriptions.h"
#include "tests/support/Doubles.h"

#include <sys/stat.h>

namespace tollix::calendars {
namespace {

using namespace tollix::test;

TEST(CalendarSettings, ReadsAddressesNamesLoginsAndRefusesPlainHttpBeyondTheSchool) {
    TempFolder folder;
    const fs::path ini = folder.path() / "calendars.ini", auth = folder.path() / "calendars.auth";
    writeBytes(ini,
               "# the district\r\n"
               "webcal://cal.district.example/closures.ics = District\r\n"
               "https://anna:pw@cal.example.org/feed.ics\r\n"
               "http://192.168.1.20/school.ics = Local\r\n"
               "http://cal.example.org/open.ics = Far\r\n"
               "ftp://cal.example.org/x.ics\r\n"
               "refresh = 2\r\n"
               "ca = school-ca.pem\r\n"
               "colour = red\r\n");
    writeBytes(auth, "machine cal.district.example login school password secret\n");
    ::chmod(auth.c_str(), 0644);
    Settings open = readSettings(ini, auth);
    ASSERT_EQ(open.subscriptions.size(), 3u);
    EXPECT_EQ(open.subscriptions[0].url, "https://cal.district.example/closures.ics");
    EXPECT_EQ(open.subscriptions[0].name, "District");
    EXPECT_EQ(open.subscriptions[0].user, "");  // the file may be read by others: not used
    EXPECT_EQ(open.subscriptions[1].url, "https://cal.example.org/feed.ics");
    EXPECT_EQ(open.subscriptions[1].user + ":" + open.subscriptions[1].password, "anna:pw");
    EXPECT_EQ(open.subscriptions[1].name, "cal.example.org feed");
    EXPECT_TRUE(open.subscriptions[2].plainHttp);
    EXPECT_EQ(open.refreshHours, 2);
    EXPECT_EQ(open.ca, folder.path() / "school-ca.pem");
    ASSERT_EQ(open.problems.size(), 4u);
    EXPECT_NE(open.problems[0].find("chmod 600"), std::string::npos);
    EXPECT_NE(open.problems[1].find("line 5: http:// is only for the local network"),
              std::string::npos);
    EXPECT_NE(open.problems[2].find("line 6"), std::string::npos);
    EXPECT_NE(open.problems[3].find("line 9"), std::string::npos);

    ::chmod(auth.c_str(), 0600);
    const Settings closed = readSettings(ini, auth);
    EXPECT_EQ(closed.subscriptions[0].user + ":" + closed.subscriptions[0].password,
              "school:secret");
}

TEST(CalendarCopy, MarksTemplateAndMakeUpDaysAndRefusesImpossibleDates) {
    const std::int64_t today = *parseDate("2026-12-07");
    const auto event = [](const std::string& date, const std::string& summary,
                          const std::string& more = {}) {
        return "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:" + date + "\r\nSUMMARY:" + summary + "\r\n" +
               more + "END:VEVENT\r\n";
    };
    const CopyDays copy = readCopy(
        "BEGIN:VCALENDAR\r\n" + event("20261208", "Exams [Templet 2]") +
            event("20261212", "Make-up [Monday]") +
            event("20261214", "Half day", "CATEGORIES:School,Templet 5\r\n") +
            event("20261215", "Visit [Lab]") + event("20261130", "Past") + "END:VCALENDAR\r\n",
        today);
    ASSERT_EQ(copy.error, "");
    ASSERT_EQ(copy.rules.size(), 4u);
    EXPECT_EQ(copy.rules[0].line(), "2026-12-08 = Templet 2 Exams");
    EXPECT_EQ(copy.rules[1].line(), "2026-12-12 = Monday Make-up");
    EXPECT_EQ(copy.rules[2].line(), "2026-12-14 = Templet 5 Half day");
    EXPECT_EQ(copy.rules[3].line(), "2026-12-15 Visit [Lab]");
    const CopyDays broken = readCopy(
        "BEGIN:VCALENDAR\r\n" + event("20270230", "No such day") + "END:VCALENDAR\r\n", today);
    EXPECT_TRUE(broken.rules.empty());
    EXPECT_NE(broken.error, "");
}

TEST(CalendarGuard, HoldsAMonthMostlySilencedOrTooManyChangedSchoolDays) {
    const std::int64_t today = *parseDate("2026-12-07");
    const auto range = [](const char* first, const char* last) {
        return HolidayRule{*parseDate(first), *parseDate(last), 0, "Off"};
    };
    const std::vector<HolidayRule> winter{range("2026-12-21", "2027-01-01")};
    // Ten school days, the first copy: taken, and counted.
    const Change first = compare("District", {}, winter, today, true);
    EXPECT_EQ(first.held, "");
    EXPECT_EQ(first.counts(), "+10 days off, -0");
    // February silenced: 20 school days, more than half of the month.
    const Change term =
        compare("District", winter, {winter[0], range("2027-02-01", "2027-02-26")}, today, false);
    EXPECT_NE(term.held.find("20 of the 20 school days of 2027-02"), std::string::npos)
        << term.held;
    EXPECT_NE(term.preview.find("2027-02-01..2027-02-26"), std::string::npos) << term.preview;
    // Eleven of the 23 in March is not more than half; but with winter gone, 21 change.
    const std::vector<HolidayRule> march{range("2027-03-01", "2027-03-15")};
    EXPECT_EQ(compare("District", {}, march, today, true).held, "");
    const Change moved = compare("District", winter, march, today, false);
    EXPECT_NE(moved.held.find("change 21 school days"), std::string::npos) << moved.held;
    EXPECT_EQ(moved.counts(), "+11 days off, -10");
    // Five changed are taken.
    EXPECT_EQ(compare("District", winter, {range("2026-12-21", "2026-12-25")}, today, false).held,
              "");
    // A summer already off does not hold the next copy.
    const std::vector<HolidayRule> summer{range("2027-07-01", "2027-08-31")};
    EXPECT_NE(compare("District", {}, summer, today, true).held, "");
    EXPECT_EQ(
        compare("District", summer, {summer[0], range("2027-05-03", "2027-05-03")}, today, false)
            .held,
        "");
}

TEST(CalendarPrecedence, TheFilesOwnRulesWinAndTheSubscribedDaysOutliveItsReading) {
    TempFolder folder;
    ScheduleModel model{AppPaths(folder.path())};
    model.setSubscribedDays(
        {{"District", {{*parseDate("2026-12-21"), *parseDate("2026-12-31"), 0, "Winter"}}}});
    model.setCalendar(HolidayCalendar::parse("2026-12-24 = Templet 3 Carols\n"));
    EXPECT_EQ(model.calendar().choose(*parseDate("2026-12-24")).templet, 3);
    const DayChoice winter = model.calendar().choose(*parseDate("2026-12-23"));
    EXPECT_EQ(winter.kind, DayChoice::Kind::NoBells);
    EXPECT_EQ(winter.calendar, "District");
}

}  // namespace
}  // namespace tollix::calendars
