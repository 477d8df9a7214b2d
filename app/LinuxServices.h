#pragma once

#include "app/BellService.h"
#include "engine/RingLog.h"
#include "platform/BrokerLink.h"
#include "platform/CalendarFetch.h"
#include "platform/Clock.h"
#include "platform/ClockWatch.h"
#include "platform/OutputsPlayer.h"
#include "platform/PowerOff.h"
#include "platform/PulseMixer.h"
#include "platform/Speech.h"
#include "platform/TimeSetter.h"
#include "timesync/TimeSync.h"

#include <memory>
#include <string>
#include <vector>

namespace tollix {

// The Linux backends of the bell service, made once per run by either front end.
// The relay and IP-speaker backends of the outputs player.
RelaysAndStreams::Makers linuxRelaysAndStreams();

struct LinuxServices {
    explicit LinuxServices(const AppPaths& paths);

    BellServices bellServices(Messages& messages) {
        return {paths,    clock,    messages, mixer,   player,
                powerOff, timeSync, ringLog,  &speech, &playable};
    }
    // A file libmpv loads with a length: a sound that can ring.
    static bool playable(const std::filesystem::path& file);
    // What a run that did not end normally left on the sound server is given
    // back first; the mixer's mutes are undone even at exit() (Qt's answer to
    // a lost display), which passes by every other way out.
    void keepSoundState(BellEngine& engine);
    // What start-up found wrong with the program folder and the time servers' file.
    void sayStartProblems(Messages& messages, const std::vector<std::string>& failures) const;

    AppPaths paths;
    SystemClock clock;
    PulseMixer mixer;
    OutputsPlayer player;
    RingLog ringLog;
    // Internet time: the computer's clock where the system lets us set it,
    // otherwise the program's clock runs at the server's offset.
    TimedatedTimeSetter timeSetter;
    // Why data/timeserver.ini could not be read; empty when it could.
    std::string serversUnreadable;
    timesync::TimeSync timeSync;
    LogindPowerOff powerOff;
    // A clock set by anyone, or a wake from sleep.
    LinuxClockWatch clockWatch;
    // The other buildings' copies, when data/mqtt.ini names a broker.
    std::string brokerUnreadable;
    std::unique_ptr<BrokerLink> broker;
    // The spoken sounds, rendered as they appear in the sound folder.
    Speech speech;
    // The subscribed calendars over HTTPS.
    QtCalendarFetch calendarFetch;
};

}  // namespace tollix
