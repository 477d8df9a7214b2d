#include "app/BellService.h"

#include "app/StartEntry.h"
#include "model/HolidaysFileWatch.h"
#include "schedule/Holidays.h"
#include "sound/SoundLibrary.h"
#include "timesync/TimeSync.h"
#include "web/WebApi.h"
#include "web/WebServer.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

namespace tollix {

namespace {

// The engine's request at the tick's moments goes to the internet time client.
std::function<void()> timeRequest(timesync::TimeSync& timeSync) {
    return [&timeSync] { timeSync.SendTimeRequest(); };
}

}  // namespace

BellService::BellService(BellServices services, QObject* parent)
    : QObject(parent),
      model(services.paths),
      engine(EngineServices{services.clock, services.player, services.mixer, services.messages,
                            services.paths.soundFolder(), services.powerOff, services.ringLog,
                            timeRequest(services.timeSync)},
             model),
      services_(std::move(services)) {
    services_.messages.setFolderText([this](const QString& text) {
        return QString::fromStdString(services_.paths.showFolder(text.toStdString()));
    });
    // A step only the tick sees (the clock faked or moved under a stopped timerfd) re-measures too.
    connect(&engine, &BellEngine::clockStepSeen, &services_.timeSync,
            &timesync::TimeSync::clockStepped);
    connect(&services_.timeSync, &timesync::TimeSync::adjusted, &engine,
            &BellEngine::recordAdjusted);
    if (services_.autoStart) {
        startEntry_ =
            std::make_unique<StartEntry>(model, *services_.autoStart, services_.executable);
        // On record too: a change from the web page may have nobody at the screen.
        connect(startEntry_.get(), &StartEntry::failed, this, [this](const QString& text) {
            engine.recordSettingFailed("log-on entry: " + startEntry_->error());
            warn(text);
        });
    }
}

BellService::~BellService() = default;

void BellService::follow(ClockWatch& watch) {
    connect(&watch, &ClockWatch::stepped, &engine, &BellEngine::clockStepped);
    connect(&watch, &ClockWatch::stepped, &services_.timeSync, &timesync::TimeSync::clockStepped);
}

void BellService::warn(const QString& text) {
    services_.messages.information(QCoreApplication::translate("tollix::main", "Warning"), text);
}

void BellService::runWithoutWindow() {
    // What a window would say in a box; nobody is there to close one.
    connect(&model, &ScheduleModel::notSaved, this, [this](const QString& error) {
        warn(QCoreApplication::translate("tollix::main", "The setting could not be saved: %1")
                 .arg(error));
    });
    connect(&model, &ScheduleModel::unreadable, this, [this](const QString& why) {
        warn(QCoreApplication::translate("tollix::main",
                                         "A file could not be read: %1\nThe initial "
                                         "settings are used, and the file is kept as it "
                                         "is until a setting it holds is changed.")
                 .arg(why));
    });
    connect(&engine, &BellEngine::hearingChanged, this, [this](const QString& problem) {
        if (!problem.isEmpty())
            warn(problem);
    });
    connect(&engine, &BellEngine::recordUnavailable, this, [this](const QString& why) {
        warn(QCoreApplication::translate(
                 "tollix::main", "The ring record cannot be kept: %1\nThe bells ring all the same.")
                 .arg(why));
    });
    connect(&engine, &BellEngine::specialDaysWithoutBells, this, [this](const QStringList& days) {
        warn(QCoreApplication::translate(
                 "tollix::main",
                 "These special days would ring no bells, their template holds none:\n%1")
                 .arg(days.join(QLatin1Char('\n'))));
    });
    connect(&engine, &BellEngine::powerOffRefused, this, [this](const QString& why) {
        warn(QCoreApplication::translate(
                 "tollix::main", "The computer could not be switched off at the reserved time.\n%1")
                 .arg(why));
    });

    // Another writer changed the calendar (an import over ssh, an editor): the bells follow it.
    auto* holidays = new HolidaysFileWatch(services_.paths.holidaysIni(), this);
    connect(holidays, &HolidaysFileWatch::changed, this,
            [this] { model.setCalendar(HolidayCalendar::read(services_.paths.holidaysIni())); });

    connect(&model, &ScheduleModel::notReloaded, this, [this](const QString& why) {
        warn(QCoreApplication::translate("tollix::main",
                                         "A file changed on disk could not be "
                                         "read: %1\nThe settings held are kept.")
                 .arg(why));
    });

    // The time servers silent too often: what the window would show, with their last status.
    connect(&services_.timeSync, &timesync::TimeSync::failedTooOften, this,
            [this] { warn(services_.timeSync.status()); });

    try {
        model.load(engine.clock().now().weekday);
    } catch (const std::exception& error) {
        warn(QString::fromLocal8Bit(error.what()));
    }
    model.followFiles();
    engine.soundControl.OpenMixer(0);
    engine.soundControl.SetMasterMute(model.general().sound_zero == 1);
    engine.Timer1.setEnabled(true);
    engine.Timer1_Timer();
    // Started by the system to ring: the schedule runs as if started by hand.
    if (const Outcome refused =
            engine.start(sound::SoundFolderScan(services_.paths.soundFolder()))) {
        const QString text = QCoreApplication::translate("Refusal", refused->text.c_str());
        engine.recordSettingFailed("schedule not started: " + text.toStdString());
        warn(text);
    }
}

web::WebApi& BellService::api() {
    if (!webApi_) {
        web::WebApi::Services with{model,
                                   engine,
                                   services_.clock,
                                   services_.paths.soundFolder(),
                                   services_.ringLog.file(),
                                   &services_.timeSync,
                                   services_.playable,
                                   [this] { services_.timeSync.stop(); }};
        with.startEntry = startEntry_ != nullptr;
        webApi_ = std::make_unique<web::WebApi>(std::move(with));
    }
    return *webApi_;
}

QByteArray BellService::statusText(bool asService) {
    const QJsonObject status = api().status().body;
    const auto value = [&status](const char* key) {
        return status.value(QLatin1String(key)).toString();
    };
    QStringList lines{
        asService ? QStringLiteral("running: service") : QStringLiteral("running: window"),
        QStringLiteral("state: ") + value("state")};
    if (const QString day = value("day"); !day.isEmpty())
        lines << QStringLiteral("day: ") + day;
    lines << QStringLiteral("next bell: %1 %2").arg(value("next_bell"), value("next_sound"));
    std::string unread;
    const auto last = RingLog::lastLines(services_.ringLog.file(), 1, &unread);
    lines << QStringLiteral("last ring: ") +
                 (last.empty() ? QString() : QString::fromStdString(last.back()));
    QStringList problems;
    for (const auto& problem : status.value(QLatin1String("problems")).toArray())
        problems << problem.toString();
    if (const QString hearing = value("hearing"); !hearing.isEmpty())
        problems << hearing;
    if (!unread.empty())
        problems << QString::fromStdString(unread);
    // The time servers silent: the bells go by the last good offset or the computer's clock.
    if (model.general().chkTimeSync == 1 && services_.timeSync.syncFailureCount() > 0)
        problems << services_.timeSync.status();
    if (const QString why = webServer_ ? webServer_->problem() : QString(); !why.isEmpty())
        problems << why;
    for (const QString& problem : problems) lines << QStringLiteral("problem: ") + problem;
    if (webServer_ && webServer_->port() != 0)
        lines << QStringLiteral("web page: %1://localhost:%2/")
                     .arg(webServer_->secure() ? QStringLiteral("https") : QStringLiteral("http"))
                     .arg(webServer_->port());
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

web::WebServer& BellService::serveWebPage() {
    if (!webServer_) {
        webServer_ = std::make_unique<web::WebServer>(
            api(),
            web::WebServer::Files{services_.paths.webIni(),
                                  services_.paths.dataFolder() / "web.crt",
                                  services_.paths.dataFolder() / "web.key"},
            [this] { return services_.clock.monotonicMs(); });
    }
    return *webServer_;
}

}  // namespace tollix
