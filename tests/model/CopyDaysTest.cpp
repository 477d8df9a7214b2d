// "Set each day" starts from the week's list, and a list is copied to weekdays.
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

TEST(CopyDays, WeekdaysStartFromTheWeekAndTakeACopyKeepingNoRings) {
    test::TempFolder dir;
    const AppPaths paths{dir.path()};
    fs::create_directories(paths.dataFolder());
    writeBytes(paths.weekList(), "08hr 00min/a.mp3\r\n");
    writeBytes(paths.dayList(1), " 1 \r\n");  // Sunday: "No rings", no bells
    ScheduleModel model{paths};
    model.load(2);
    ASSERT_TRUE(model.weekdaysEmpty());
    model.startWeekdaysFromWeek();
    EXPECT_EQ(datafiles::readDayList(paths.dayList(1)).nobell, 1);
    EXPECT_EQ(datafiles::readDayList(paths.dayList(7)).lines, model.weekList());

    model.setTimeMode(ScheduleModel::TimeMode::Manual);
    model.setDayMode(ScheduleModel::DayMode::EachDay, 2);
    ASSERT_FALSE(model.addBell("9", "0", "b.mp3"));
    EXPECT_EQ(model.copyWouldReplace({2, 3, 9}), std::vector<int>{3});
    model.copyListTo({3, 5, 9});  // not a template
    EXPECT_EQ(model.dayList(5).lines, model.dayList(2).lines);
    EXPECT_EQ(datafiles::readDayList(paths.dayList(3)).lines.size(), 2u);
    EXPECT_EQ(model.dayList(9).lines.size(), 0u);
}

}  // namespace
}  // namespace tollix
