#include "schedule/Intervals.h"

#include <gtest/gtest.h>

#include <random>

namespace tollix {
namespace {

IntervalSettings day(const char* start_h, const char* start_m, const char* exit_h,
                     const char* exit_m, const char* work = "50", const char* rest = "10") {
    IntervalSettings s;
    s.start_h = start_h;
    s.start_m = start_m;
    s.exit_h = exit_h;
    s.exit_m = exit_m;
    s.worktime = work;
    s.resttime = rest;
    s.txtStartBellSound = "start.mp3";
    s.txtEndBellSound = "end.mp3";
    s.TxtPreBellName1 = "after.mp3";
    s.TxtPreBellName2 = "before.mp3";
    return s;
}

std::vector<int> times(const BellSchedule& b, int from, int to) {
    return {b.todayTimes.begin() + from, b.todayTimes.begin() + to};
}

TEST(Intervals, RegularEntriesAreStartEndsThenFurtherStarts) {
    BellSchedule b;
    const auto lines = GenerateIntervalBells(day("9", "0", "12", "0"), false, b);
    EXPECT_EQ(b.regularCount, 7);
    EXPECT_EQ(b.todayCount, 7);
    EXPECT_EQ(times(b, 0, 7), (std::vector<int>{540, 590, 650, 710, 600, 660, 720}));
    EXPECT_EQ(b.todaySounds[0], "start.mp3");
    EXPECT_EQ(b.todaySounds[1], "end.mp3");
    EXPECT_EQ(b.todaySounds[4], "start.mp3");
    EXPECT_EQ(lines, (std::vector<std::string>{"09hr00min", "09hr50min", "10hr00min", "10hr50min",
                                               "11hr00min", "11hr50min", "12hr00min"}));
}

TEST(Intervals, AlarmsFollowInTheirOrderAndSwitchedOffOnesHold1500) {
    auto s = day("9", "0", "12", "0");
    s.ChkPreBell1 = s.ChkPreBell2 = 1;
    s.TxtPreBell1 = s.TxtPreBell2 = "5";
    BellSchedule b;
    GenerateIntervalBells(s, false, b);
    EXPECT_EQ(b.todayCount, 13);
    EXPECT_EQ(times(b, 7, 13), (std::vector<int>{545, 585, 645, 705, 605, 665}));
    EXPECT_EQ(b.todaySounds[7], "after.mp3");
    EXPECT_EQ(b.todaySounds[8], "before.mp3");

    s.ChkPreBell1 = 0;
    BellSchedule off;
    GenerateIntervalBells(s, false, off);
    EXPECT_EQ(times(off, 7, 13), (std::vector<int>{1500, 585, 645, 705, 1500, 1500}));
}

TEST(Intervals, ShortDaysAndTheAlarmOfTheSecondStartBell) {
    BellSchedule b;
    GenerateIntervalBells(day("9", "0", "10", "30"), false, b);
    EXPECT_EQ(times(b, 0, b.todayCount), (std::vector<int>{540, 590, 600}));

    auto s = day("9", "0", "10", "5");
    s.ChkPreBell1 = s.ChkPreBell2 = 1;
    s.TxtPreBell1 = "10";
    s.TxtPreBell2 = "5";
    BellSchedule late;
    GenerateIntervalBells(s, false, late);
    EXPECT_EQ(times(late, 3, late.todayCount), (std::vector<int>{550, 585, 610}));
}

TEST(Intervals, NoRingsLeavesNothingToRing) {
    BellSchedule b;
    EXPECT_TRUE(GenerateIntervalBells(day("9", "0", "12", "0"), true, b).empty());
    EXPECT_EQ(b.todayCount, 0);
}

// Each change mends the last refusal and brings the next check to light.
TEST(Intervals, ChecksRunInOrderWithTheirMessages) {
    using S = IntervalSettings;
    auto s = day("", "", "", "");
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

// Start bells at start + k(W+R), end bells at start + W + k(W+R), for as long
// as they are not after the end; the first start and end and the second
// start always.
TEST(Intervals, MatchesTheClosedFormOverManyRandomDays) {
    std::mt19937 random(20261206);
    for (int round = 0; round < 3000; ++round) {
        const int start = static_cast<int>(random() % 1400);
        const int work = 1 + static_cast<int>(random() % 120);
        const int rest = 1 + static_cast<int>(random() % 60);
        const int end = start + work + rest + 1 + static_cast<int>(random() % 1000);
        if (end > 1439)
            continue;
        auto s = day(std::to_string(start / 60).c_str(), std::to_string(start % 60).c_str(),
                     std::to_string(end / 60).c_str(), std::to_string(end % 60).c_str(),
                     std::to_string(work).c_str(), std::to_string(rest).c_str());
        ASSERT_FALSE(ValidateIntervals(s, false).has_value());
        BellSchedule b;
        GenerateIntervalBells(s, false, b);
        std::vector<int> expected{start};
        for (int k = 0; start + work + k * (work + rest) <= end || k == 0; ++k)
            expected.push_back(start + work + k * (work + rest));
        for (int k = 1; start + k * (work + rest) <= end || k == 1; ++k)
            expected.push_back(start + k * (work + rest));
        ASSERT_EQ(times(b, 0, b.regularCount), expected) << start << " " << end << " " << work;
        ASSERT_LE(b.regularCount, 1440);
    }
}

}  // namespace
}  // namespace tollix
