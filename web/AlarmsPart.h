#pragma once

#include "web/SettingsApi.h"
#include "web/SoundsApi.h"

namespace tollix {
class AlarmSignal;
}

namespace tollix::web {

// The emergency signals in the page's settings, as "alarms": {"signals":
// [{"name", "sound", "repeat"}], "choices": [the sounds a signal may have]}.
// A signal changed is checked and saved by the signal itself.
SettingsApi::Part alarmsPart(AlarmSignal& alarm);
// "Alarm: Lockdown" for a sound a signal names: such a sound stays.
SoundsApi::NamedBy soundOfAlarms(const AlarmSignal& alarm);

}  // namespace tollix::web
