// The school's wall clocks: the bells go by a time the school's clocks are
// ahead of (or behind) the computer's (the engine's tests ring by it).
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

TEST(SchoolClock, OneSignedNumberOfSecondsShiftsTheLocalTime) {
    const struct {
        const char* text;
        std::optional<std::int64_t> ms;
    } cases[] = {{"2.5", 2500},  {" -1\r", -1000}, {"+0.25", 250}, {"-3600", -3600000},
                 {"3600.5", {}}, {"2,5", {}},      {"nan", {}},    {"", {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(parseSchoolClock(c.text), c.ms) << c.text;
        if (c.ms) {
            EXPECT_EQ(parseSchoolClock(schoolClockText(*c.ms)), c.ms) << c.text;
        }
    }
    EXPECT_EQ(schoolClockText(0), "0");

    test::FakeClock computer;  // across midnight
    computer.time = {2026, 12, 7, 23, 59, 45, 500, 2, 3600};
    SchoolClock school(computer);
    school.setAheadMs(15000);
    const LocalTime t = school.now();
    EXPECT_EQ((std::vector<int>{t.day, t.hour, t.minute, t.second, t.millisecond, t.weekday}),
              (std::vector<int>{8, 0, 0, 0, 500, 3}));
    EXPECT_EQ(t.epochMs(), computer.time.epochMs() + 15000);
}

}  // namespace
}  // namespace tollix
