#include "schedule/Intervals.h"

#include <gtest/gtest.h>

namespace tollix {
namespace {

// 9:00 to the end, 50 minutes' work and 10 rest; alarms of so many minutes,
// off unless positive (a negative one keeps its minutes).
IntervalSettings day(int exit_h, int exit_m, int after = 0, int before = 0) {
    const auto n = [](int minutes) { return std::to_string(std::abs(minutes)); };
    return {"9",      "0",         n(exit_h),   n(exit_m), "50",
            "10",     0,           "start.mp3", "end.mp3", after > 0,
            n(after), "after.mp3", before > 0,  n(before), "before.mp3"};
}

// The start bell, the end bells, the further start bells, then the alarms
// (1500 for one switched off). A period that ends on the end time rings; the
// alarm of the second start bell rings even after it.
TEST(Intervals, StartEndsFurtherStartsThenTheAlarms) {
    const std::vector<int> toNoon{540, 590, 650, 710, 600, 660, 720};
    const struct {
        IntervalSettings s;
        std::vector<int> regular, alarms;
        std::string sounds;  // the first letter of each
    } days[] = {
        {day(12, 0), toNoon, {}, "seeesss"},
        {day(11, 50), {540, 590, 650, 710, 600, 660}, {}, "seeess"},
        {day(10, 30), {540, 590, 600}, {}, "ses"},
        {day(12, 0, 5, 5), toNoon, {545, 585, 645, 705, 605, 665}, "seeesssabbbaa"},
        {day(12, 0, -5, 5), toNoon, {1500, 585, 645, 705, 1500, 1500}, "seeesssabbbaa"},
        {day(10, 5, 10, 5), {540, 590, 600}, {550, 585, 610}, "sesaba"},
    };
    for (auto d : days) {
        BellSchedule b;
        GenerateIntervalBells(d.s, false, b);
        EXPECT_EQ(b.regularCount, std::ssize(d.regular)) << d.s.exit_h << ":" << d.s.exit_m;
        d.regular.insert(d.regular.end(), d.alarms.begin(), d.alarms.end());
        EXPECT_EQ(std::vector<int>(b.todayTimes.begin(), b.todayTimes.begin() + b.todayCount),
                  d.regular);
        std::string sounds;
        for (int i = 0; i < b.todayCount; ++i) sounds += b.todaySounds[i].front();
        EXPECT_EQ(sounds, d.sounds);
    }
    BellSchedule b;
    EXPECT_EQ(GenerateIntervalBells(day(12, 0), false, b),
              (std::vector<std::string>{"09hr00min", "09hr50min", "10hr00min", "10hr50min",
                                        "11hr00min", "11hr50min", "12hr00min"}));
    EXPECT_TRUE(GenerateIntervalBells(day(12, 0), true, b).empty()) << "No rings";
    EXPECT_EQ(b.todayCount, 0);
}

// Each change mends the last refusal and brings the next check to light.
TEST(Intervals, ChecksRunInOrderWithTheirMessages) {
    using S = IntervalSettings;
    S s;
    s.start_h = s.start_m = s.exit_h = s.exit_m = "";
    s.ChkPreBell2 = 1;  // the alarm that is off is checked too
    const struct {
        std::string S::*field;
        const char *value, *refusal;  // nullptr: not looked at
    } steps[] = {
        {&S::exit_m, "", "Please input exit minute"},
        {&S::exit_m, "75", "Please input start hour"},
        {&S::start_h, "-1", "Please input start minute"},
        {&S::start_m, "0", "Please input end hour"},
        {&S::exit_h, "x", "(End minute)Please input digit between 0 and 59"},
        {&S::exit_m, " 30 ", "(Start Hour)Please input digit between 0 and 23"},
        {&S::start_h, "9", nullptr},
        {&S::start_m, "60", "(Start minute)Please input digit between 0 and 59"},
        {&S::start_m, "0", "(End hour)Please input digit between 0 and 23"},
        {&S::exit_h, "24", "(End hour)Please input digit between 0 and 23"},
        {&S::exit_h, "9", nullptr},
        {&S::worktime, "2.5", "(Work time)must over 1 minute"},
        {&S::worktime, "10", nullptr},
        {&S::resttime, "0", "(rest time)must over 1 minute"},
        {&S::resttime, "10", nullptr},
        {&S::exit_m, "0", "must end time bigger then start time"},
        {&S::TxtPreBell1, "0", nullptr},
        {&S::exit_h, "12", "(Alarm after start bell time)Please input digit between 1 and 99"},
        {&S::TxtPreBell1, "5", nullptr},
        {&S::TxtPreBell2, "150", "(Alarm before end bell time)Please input digit between 1 and 99"},
        {&S::TxtPreBell2, "5",
         "Sum of [Alarm after start bell time minute] and [Alarm before end bell minute] is must "
         "not over work time."},
        {&S::worktime, "11", "passes"},
        {&S::exit_h, "9", nullptr},
        // exactly work + rest is too short; a minute more is not
        {&S::exit_m, "21", "Start time and end time is must over sum of work time and rest time."},
        {&S::exit_m, "22", "passes"},
    };
    for (const auto& step : steps) {
        s.*step.field = step.value;
        if (step.refusal) {
            EXPECT_EQ(ValidateIntervals(s, true).value_or("passes"), step.refusal) << step.value;
        }
    }
    s.TxtPreBell1 = "0";
    EXPECT_FALSE(ValidateIntervals(s, false).has_value()) << "alarms are not checked when off";
    s.ChkPreBell2 = 0;
    EXPECT_FALSE(ValidateIntervals(s, true).has_value()) << "nor when both are switched off";
    BellSchedule b;
    GenerateIntervalBells(s, false, b);
    EXPECT_EQ(b.regularCount, 3);
}

}  // namespace
}  // namespace tollix
