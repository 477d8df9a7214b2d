#include "countdown/Countdown.h"

#include <gtest/gtest.h>

namespace tollix::countdown {
namespace {

TEST(Countdown, TheEntryIsCheckedInOrderAndNoTimeAtAllIsRefused) {
    for (const auto [h, m, s, refusal] : std::vector<std::array<const char*, 4>>{
             {"", "", "", "Please input hour"},
             {"1", "", "", "Please input minute"},
             {"1", "0", "", "Please input second"},
             {"100", "60", "60", "(Hour)Please input digit between 0 and 99"},
             {"99", "60", "60", "(minute)Please input digit between 0 and 59"},
             {"99", "59", "60", "(second)Please input digit between 0 and 59"},
             {"0", "0", "0", "Please input second"},
             {"99", "59", "59", ""},
             {" 0", "0 ", "5", ""},
         })
        EXPECT_EQ(CheckEntry(h, m, s).value_or(""), refusal) << h << m << s;
}

TEST(Countdown, CountsDownPausesExactlyAndReachesZeroOnce) {
    Countdown count;
    count.start("99", "59", "59");
    EXPECT_EQ(count.remainingSeconds(), 359999);
    EXPECT_FALSE(count.tick());
    EXPECT_EQ(count.text(), "99:59:58");

    count.start("0", "10", "2");
    count.tick();
    count.tick();
    count.pause();
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(count.tick());  // paused: no second passes
    EXPECT_EQ(count.text(), "00:10:00");
    count.resume();
    count.tick();
    EXPECT_EQ(count.text(), "00:09:59");

    count.start("0", "0", "5");
    std::string rang;  // the seconds it rang on
    for (int second = 1; second <= 10; ++second) rang += count.tick() ? std::to_string(second) : "";
    EXPECT_EQ(rang, "5");
    EXPECT_EQ(count.state(), Countdown::State::Finished);
    EXPECT_EQ(count.text(), "00:00:00");
}

}  // namespace
}  // namespace tollix::countdown
