#pragma once

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

class StartEntry;
namespace timesync {
class TimeSync;
}
namespace web {
class WebApi;
class WebServer;
}  // namespace web

// What the bell service is given from outside: the platform services.
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

    // What `tollix --status` prints: how this copy runs, the state, the next
    // bell and its sound, the ring record's last line, the problems, and the
    // web page's address when it is on.
    QByteArray statusText(bool asService);

    // Every setting as stored; the engine builds each day from it.
    ScheduleModel model;
    BellEngine engine;

  private:
    void warn(const QString& text);
    web::WebApi& api();

    BellServices services_;
    std::unique_ptr<StartEntry> startEntry_;
    std::unique_ptr<web::WebApi> webApi_;
    std::unique_ptr<web::WebServer> webServer_;
};

}  // namespace tollix
