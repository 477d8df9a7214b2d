#include "engine/NextBell.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

using test::bells;

TEST(NextBell, TheFirstRegularBellAfterThisMinuteButNoAlarm) {
    const auto b = bells("08:00 a.mp3 08:45 b.mp3 09:30 c.mp3");
    EXPECT_EQ(ShowNextBell(b, 525, false).nextBellSound, "c.mp3");
    EXPECT_EQ(ShowNextBell(b, 0, true).nextBell, "08hr 00min");
    // None left: the week's list rings again tomorrow; a day's list does not.
    EXPECT_EQ(ShowNextBell(b, 580, true).nextBellSound, "a.mp3");
    EXPECT_EQ(ShowNextBell(b, 580, false).nextBellSound, "NEXT DAY");
    // Equal times show the lower index; alarms are never shown.
    const auto twins = bells("10:15 first.mp3 10:15 second.mp3");
    EXPECT_EQ(ShowNextBell(twins, 600, false).nextBellSound, "first.mp3");
    const auto withAlarm = bells("09:30 end.mp3 09:25 alarm.mp3", 1);
    EXPECT_EQ(ShowNextBell(withAlarm, 560, false).nextBell, "09hr 30min");
    EXPECT_EQ(ShowNextBell(bells(""), 560, true).nextBell, "NEXT DAY");
}

TEST(NextBell, CountdownCountsToTheBellAndOverMidnightAndTheClockHasTwelveHours) {
    EXPECT_EQ(nextBellCountdown("09hr 30min", 9 * 3600 + 20 * 60 + 15), "00:09:45");
    EXPECT_EQ(nextBellCountdown("08hr 00min", 9 * 3600 + 40 * 60), "22:20:00");
    EXPECT_EQ(nextBellCountdown("00hr 30min", 10 * 60), "00:20:00");
    EXPECT_EQ(nextBellCountdown("10hr 00min", 9 * 3600), "01:00:00");
    EXPECT_EQ(nextBellCountdown("NEXT DAY", 100), "00:00:00");
    EXPECT_EQ(twelveHourClock(12, 15, 0) + twelveHourClock(0, 15, 0) + twelveHourClock(11, 59, 59),
              "12:15:00PM12:15:00AM11:59:59AM");
}

}  // namespace
}  // namespace tollix
