#pragma once

#include "engine/AlarmSignal.h"
#include "engine/BellEngine.h"
#include "model/ScheduleModel.h"
#include "platform/Clock.h"
#include "web/HolidaysApi.h"
#include "web/ScheduleApi.h"
#include "web/SettingsApi.h"
#include "web/SoundsApi.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QThreadPool>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tollix::timesync {
class TimeSync;
}

namespace tollix::web {

// What the page may see and do, in JSON: the answers are the engine's and
// the model's own, never read back from a window. Every order is put on the
// ring record with the address it came from.
class WebApi {
  public:
    struct Services {
        ScheduleModel& model;
        BellEngine& engine;
        const Clock& clock;
        std::filesystem::path soundFolder;
        std::filesystem::path ringLog;
        // Internet time; none: the bells go by the computer's clock.
        const timesync::TimeSync* timeSync = nullptr;
        // The emergency signals; none: the page has no alarm controls.
        AlarmSignal* alarm = nullptr;
        // Words said at once; why not, or empty.
        std::function<QString(const QString& text, const std::string& by)> say = {};
        // Tries a sound file before it joins the folder; none: nothing is added.
        SoundsApi::Playable playable = {};
        // "Internet time" turned off: the bells go back to the computer's clock.
        std::function<void()> internetTimeOff = {};
        // Sounds that settings beyond the schedule name (the alarms).
        SoundsApi::NamedBy soundNamedBy = {};
        // "Auto execution" writes a start entry at log-on; else the page
        // says that it does nothing here and refuses a change.
        bool startEntry = true;
    };
    struct Reply {
        int status = 200;
        QJsonObject body;
    };

    explicit WebApi(Services services);

    // What changes, small enough to be asked every second: today's bells and
    // the last rings are only marked, and asked for when their mark changes.
    Reply status() const;
    // Today's bells in their order, none while the schedule is stopped.
    Reply today() const;
    Reply rings(int limit) const;
    Reply sounds() const;
    // `body`: {"sound": NAME}; `from`: the client's address.
    Reply ring(const QByteArray& body, const std::string& from);
    // `body`: {"text": WORDS}, said at once.
    Reply say(const QByteArray& body, const std::string& from);
    Reply stopBell(const std::string& from);
    Reply startSchedule(const std::string& from);
    Reply stopSchedule(const std::string& from);
    // `body`: {"alarm": "Lockdown"}; the signal sounds until All clear.
    Reply giveAlarm(const QByteArray& body, const std::string& from);
    Reply allClear(const std::string& from);
    // The schedule as the page edits it; a change is put on record.
    Reply schedule() const;
    // `version`: the If-Match header.
    Reply putSchedule(const QByteArray& body, const QByteArray& version, const std::string& from);
    // The sound folder: a file added (`fileName`: X-File-Name), one deleted,
    // one played for a try (`body`: {"sound": NAME}) and the try stopped.
    // The player tries an added file on a thread of its own for up to
    // seconds, never on the tick's: `answer` comes later, on this thread.
    void addSound(const QByteArray& bytes, const QByteArray& fileName, bool replace,
                  const std::string& from, std::function<void(const Reply&)> answer);
    Reply deleteSound(const QString& name, const std::string& from);
    Reply trySound(const QByteArray& body);
    Reply stopTry();
    // The settings beside the schedule; `version`: the If-Match header.
    Reply settings() const;
    Reply putSettings(const QByteArray& body, const QByteArray& version, const std::string& from);
    // Where the alarms' settings join the page's settings.
    SettingsApi& settingsApi() { return settings_; }
    // The holiday rules: read, one added, one removed, a calendar file
    // imported (`confirm`: after its preview; `termDates`: though it looks
    // like a calendar of school days).
    Reply holidays() const;
    Reply addHoliday(const QByteArray& body, const std::string& from);
    Reply removeHoliday(const QByteArray& body, const std::string& from);
    Reply importHolidays(const QByteArray& calendar, bool confirm, bool termDates,
                         const std::string& from);
    // A log-in, a refused one or a log-out, on record.
    void recordOrder(const std::string& what, const std::string& from);
    // Problems of other parts (the subscribed calendars), said with the status.
    void addProblems(std::function<QStringList()> problems) {
        moreProblems_.push_back(std::move(problems));
    }

  private:
    Services services_;
    std::vector<std::function<QStringList()>> moreProblems_;
    // Counts each new build of today's bells, and each start and stop.
    int todayMark_ = 1;
    QObject watching_;
    ScheduleApi schedule_{services_.model};
    SettingsApi settings_{services_.model, services_.startEntry};
    HolidaysApi holidays_{services_.model, services_.model.paths().holidaysIni()};
    SoundsApi sounds_{services_.model, services_.soundFolder, services_.playable,
                      services_.soundNamedBy};
    // Last: destroyed first, waiting for a file being tried. One at a time.
    QThreadPool tries_;
};

}  // namespace tollix::web
