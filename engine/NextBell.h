#pragma once

#include "schedule/BellEntry.h"

#include <string>

namespace tollix {

struct NextBellText {
    std::string nextBell;       // "09hr 05min" or "NEXT DAY"
    std::string nextBellSound;  // the sound name or "NEXT DAY"
};

// The next regular bell strictly after `minuteOfDay` (alarms are never shown).
// When none is left today, the week's list shows its first bell again; a list
// of each day shows "NEXT DAY".
NextBellText ShowNextBell(const BellSchedule& schedule, int minuteOfDay, bool applyWeek);

// "09hr 05min".
std::string bellText(int minuteOfDay);

// The time left to the bell that `nextBell` names, as HH:MM:SS; a bell already
// past today is tomorrow's. "00:00:00" for "NEXT DAY" or nothing.
std::string nextBellCountdown(const std::string& nextBell, int secondOfDay);

// The clock of the side windows: 01:05:09PM.
std::string twelveHourClock(int hour, int minute, int second);

}  // namespace tollix
