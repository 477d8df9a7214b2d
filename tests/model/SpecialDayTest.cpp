// Special days: a date of the calendar rings a template's list in every mode;
// one whose template holds no bells is said when set, a day gone by is not.
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

using Mode = ScheduleModel::TimeMode;
using Days = ScheduleModel::DayMode;

TEST(SpecialDay, RingsItsTemplateInEveryModeAndSaysWhyNot) {
    test::EngineDoubles doubles;
    const AppPaths& paths = doubles.paths;
    writeBytes(paths.holidaysIni(),
               "2026-12-08 = Templet 2 Exams\n"
               "2026-12-14..2026-12-15 = templet 6\n"
               "2026-12-16 = Templet 7 Typo\n"
               "2026-12-10 = Templet 3\n"
               "2026-12-15 No bells\n"  // a day that rings wins over a day off
               "2026-12-01 = Templet 3 Gone by\n");
    ScheduleModel model{paths};
    test::FakeClock clock;  // 2026-12-07
    BellEngine engine{doubles.engineServices(clock), model};
    QStringList said;
    QObject::connect(&engine, &BellEngine::specialDaysWithoutBells,
                     [&](const QStringList& days) { said << days.join(u'|'); });
    model.load(2);
    model.storeDayList(9, {0, {"10hr 00min/b.mp3", "08hr 15min/a.mp3"}});
    model.storeDayList(13, {0, {"12hr 00min/c.mp3"}});

    const auto& calendar = model.calendar();
    ASSERT_EQ(calendar.problems().size(), 1u);
    EXPECT_EQ(calendar.problems()[0].why, "\"7\" is no template (1 .. 6)");
    EXPECT_EQ(calendar.rules()[1].line(), "2026-12-14..2026-12-15 = Templet 6");
    EXPECT_EQ(calendar.choose(*parseDate("2026-12-08")).name, "Exams");

    for (const Mode mode : {Mode::Auto, Mode::Manual})
        for (const Days days : {Days::Week, Days::EachDay}) {
            model.setTimeMode(mode);
            model.setDayMode(days, 2);
            const DayPlan plan = model.buildDay(*parseDate("2026-12-08"));
            EXPECT_EQ(plan.choice.templet, 2);
            EXPECT_EQ(plan.clockLines, (std::vector<std::string>{"10hr00min", "08hr15min"}));
            EXPECT_EQ(model.buildDay(*parseDate("2026-12-15")).bells.todaySounds[0], "c.mp3");
            EXPECT_EQ(model.buildDay(*parseDate("2026-12-10")).refusal, "Templet 3 holds no bells");
            EXPECT_EQ(model.firstBellOn(*parseDate("2026-12-08")),
                      (std::pair<int, std::string>{495, "a.mp3"}));
        }
    model.editDay(9, 0);  // Templet 2 is emptied
    model.deleteAllBells();
    model.setCalendar(HolidayCalendar::read(paths.holidaysIni()));  // said once only
    EXPECT_EQ(said, (QStringList{u"2026-12-08 = Templet 2 Exams|2026-12-14..2026-12-15 = Templet 6|"
                                 u"2026-12-10 = Templet 3"_s,
                                 u"2026-12-08 = Templet 2 Exams"_s}));
}

}  // namespace
}  // namespace tollix
