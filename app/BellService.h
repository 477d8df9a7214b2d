#pragma once

#include "engine/AlarmSignal.h"
#include "engine/BellEngine.h"
#include "engine/RingLog.h"
#include "model/ScheduleModel.h"
#include "platform/AutoStart.h"
#include "platform/Clock.h"
#include "platform/ClockWatch.h"
#include "platform/MediaPlayer.h"
#include "platform/Messages.h"
#include "platform/Mixer.h"
#include "platform/PowerOff.h"
#include "schedule/AppPaths.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace tollix {

class CalendarFetch;
class CalendarSubscriptions;

class StartEntry;
namespace timesync {
class TimeSync;
}
class Speech;
namespace web {
class WebApi;
class WebServer;
}  // namespace web

// What the bell service is given from outside: the platform services.
class BrokerLink;

struct BellServices {
    AppPaths paths;
    const Clock& clock;
    Messages& messages;
    Mixer& mixer;
    MediaPlayer& player;
    // The reserved exit's power-off.
    PowerOff& powerOff;
    // Internet time.
    timesync::TimeSync& timeSync;
    // The ring record.
    RingLog& ringLog;
    // The spoken sounds; none: they cannot sound.
    Speech* speech = nullptr;
    // Whether the player can play a file: a sound is added from the web page
    // only then.
    std::function<bool(const std::filesystem::path&)> playable = {};
    // "Auto execution"'s start entry for `executable`; none: the bells start
    // otherwise (the system's service) and the setting does nothing.
    AutoStart* autoStart = nullptr;
    std::string executable = {};
};

// The bell service: the settings, the engine that rings them and the web page
// over both. It runs with a window or without one; a window only draws it and
// forwards the operator's clicks.
class BellService final : public QObject {
    Q_OBJECT

  public:
    explicit BellService(BellServices services, QObject* parent = nullptr);
    ~BellService() override;

    // A clock set by anyone, or a wake from sleep: the tick moves to the new second.
    void follow(ClockWatch& watch);
    // Without a window: the settings read, the output unmuted (muted again
    // between bells when so set), the tick and the schedule started. What
    // goes wrong is said through the messages and the bells ring on.
    void runWithoutWindow();
    // The way out: every mute undone.
    void end() { engine.Shutdown(); }

    // The web page, off until data/web.ini names a port and a password.
    web::WebServer& serveWebPage();
    web::WebServer* webServer() const { return webServer_.get(); }

    const BellServices& services() const { return services_; }
    // "Auto execution" taking effect; none without a start entry.
    StartEntry* startEntry() const { return startEntry_.get(); }

    // Words said at once on the bells' outputs, once rendered; `by` goes on
    // record. Why not, or empty when they are on their way.
    QString say(const QString& text, const std::string& by = {});
    // The subscribed calendars of data/calendars.ini, fetched through `fetch`:
    // their days go to the bells beside holidays.ini, their state to the status.
    CalendarSubscriptions& subscribeCalendars(CalendarFetch& fetch);
    CalendarSubscriptions* calendars() const { return calendars_.get(); }

    // What `tollix --status` prints: how this copy runs, the state, the next
    // bell and its sound, the ring record's last line, the problems, and the
    // web page's address when it is on.
    QByteArray statusText(bool asService);

    // The emergency signals: data/alarms.ini read, a signal left by the last
    // run resumed. After the settings are read, so the outputs are known.
    // `broker`: the other buildings' copies, none when they are not joined.
    void startAlarms(BrokerLink* broker = nullptr);
    // An order line from a later copy ("alarm Lockdown", "all-clear"): the answer.
    QByteArray alarmOrder(const QByteArray& line);

    // Every setting as stored; the engine builds each day from it.
    ScheduleModel model;
    BellEngine engine;
    // Lockdown, Evacuation and All clear, over the engine.
    AlarmSignal alarm;

  private:
    void warn(const QString& text);
    web::WebApi& api();
    void joinBuildings(BrokerLink& broker);

    BellServices services_;
    std::unique_ptr<StartEntry> startEntry_;
    std::unique_ptr<web::WebApi> webApi_;
    std::unique_ptr<web::WebServer> webServer_;
    std::unique_ptr<CalendarSubscriptions> calendars_;
};

}  // namespace tollix
