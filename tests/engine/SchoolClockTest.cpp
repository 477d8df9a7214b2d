// The school's wall clocks: the bells go by a time the school's clocks are
// ahead of (or behind) the computer's, and a change of it is a clock step.
#include "engine/BellEngine.h"
#include "tests/support/Doubles.h"

#include <gtest/gtest.h>

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

// 30 s ahead, then none: 08:30 rings once, before the computer's 08:30.
TEST(SchoolClock, BellsGoBySchoolTimeAndAChangeRingsNoMinuteTwice) {
    test::TempFolder dir;
    const AppPaths paths{dir.path()};
    std::filesystem::create_directories(paths.dataFolder());
    test::save(paths.dataIni(), {.timeMode = 2});
    test::writeBytes(paths.weekList(), "08hr 30min/a.mp3\r\n");
    test::writeBytes(paths.clockIni(), "+30\n");
    test::writeBytes(paths.soundFolder() / "a.mp3", "x");
    ScheduleModel model{paths};
    test::SteppingClock clock;
    test::RecordingMessages messages;
    test::FakeMixer mixer;
    test::FakePlayer player;
    player.lengths[(paths.soundFolder() / "a.mp3").string()] = 3000;
    test::RecordingPowerOff power;
    RingLog log{dir.path() / "rings.log"};
    clock.wallMs = clock.runningMs = test::SteppingClock::localMs("2026-12-07 08:29:20");
    BellEngine engine({clock, player, mixer, messages, paths.soundFolder(), power, log}, model);
    model.load(2);  // read at start: no step on record
    EXPECT_EQ(engine.clock().now().second, 50);
    engine.startSchedule();
    const auto runTo = [&](const char* local) {
        while (clock.wallMs < test::SteppingClock::localMs(local)) {
            clock.second();
            engine.Timer1_Timer();
        }
    };
    runTo("2026-12-07 08:29:40");
    model.setSchoolClockMs(0);
    EXPECT_EQ(test::readBytes(paths.clockIni()), "0\n");
    runTo("2026-12-07 08:31:00");
    EXPECT_EQ(test::ringRecords(log.file()), "rang a.mp3, adjusted School clock, held a.mp3");
}

}  // namespace
}  // namespace tollix
