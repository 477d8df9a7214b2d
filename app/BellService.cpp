#include "app/BellService.h"

#include "model/CalendarSubscriptions.h"
#include "model/HolidaysFileWatch.h"
#include "platform/Speech.h"
#include "schedule/Holidays.h"
#include "sound/SoundLibrary.h"
#include "timesync/TimeSync.h"
#include "web/AlarmsPart.h"
#include "web/WebApi.h"
#include "web/WebServer.h"

#include <QCoreApplication>
#include "platform/BrokerLink.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tollix {

namespace {

// The engine's request at the tick's moments goes to the internet time client.
std::function<void()> timeRequest(timesync::TimeSync& timeSync) {
    return [&timeSync] { timeSync.SendTimeRequest(); };
}

std::function<sound::SpokenFile(const std::filesystem::path&)> spokenBy(Speech* speech) {
    if (!speech)
        return {};
    return [speech](const std::filesystem::path& file) { return speech->wavFor(file); };
}

}  // namespace

BellService::BellService(BellServices services, QObject* parent)
    : QObject(parent),
      model(services.paths),
      engine(EngineServices{services.clock, services.player, services.mixer, services.messages,
                            services.paths.soundFolder(), services.powerOff, services.ringLog,
                            timeRequest(services.timeSync), spokenBy(services.speech)},
             model),
      alarm({engine, services.player, services.ringLog, services.paths.soundFolder(),
             services.paths.dataFolder() / "alarms.ini", services.ringLog.file().parent_path()}),
      services_(std::move(services)) {
    services_.messages.setFolderText([this](const QString& text) {
        return QString::fromStdString(services_.paths.showFolder(text.toStdString()));
    });
    // A step only the tick sees (the clock faked or moved under a stopped timerfd) re-measures too.
    connect(&engine, &BellEngine::clockStepSeen, &services_.timeSync,
            &timesync::TimeSync::clockStepped);
    connect(&services_.timeSync, &timesync::TimeSync::adjusted, &engine,
            &BellEngine::recordAdjusted);
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

void BellService::startAlarms(BrokerLink* broker) {
    alarm.start();
    if (broker)
        joinBuildings(*broker);
}

// Orders given here go out retained under TOPIC/alarm with this building's
// name; those of other buildings sound here. The broker only spreads them:
// unreachable, it is said, and our own orders sound all the same.
void BellService::joinBuildings(BrokerLink& broker) {
    const QString building = broker.settings().building;
    const auto unreachable = [this, &broker](bool connected) {
        alarm.setLinkProblem(
            connected ? QString()
                      : QCoreApplication::translate("tollix::main",
                                                    "The broker %1 cannot be reached: signals "
                                                    "sound in this building only.")
                            .arg(broker.settings().url));
    };
    unreachable(broker.connected());
    connect(&broker, &BrokerLink::connectedChanged, this, unreachable);
    connect(&alarm, &AlarmSignal::given, this, [&broker, building](const QString& name) {
        broker.publish(QJsonDocument(QJsonObject{{QStringLiteral("signal"), name},
                                                 {QStringLiteral("origin"), building}})
                           .toJson(QJsonDocument::Compact));
    });
    connect(&broker, &BrokerLink::received, this, [this, building](const QByteArray& message) {
        const QJsonObject order = QJsonDocument::fromJson(message).object();
        const QString origin = order.value(QStringLiteral("origin")).toString();
        if (origin.isEmpty() || origin == building)
            return;  // our own, back from the broker
        alarm.order(order.value(QStringLiteral("signal")).toString().toStdString(),
                    origin.toStdString(), false);
    });
}

QByteArray BellService::alarmOrder(const QByteArray& line) {
    const QByteArray word = line == "all-clear" ? QByteArray(kAllClear) : line.mid(6);
    if (!alarm.order(word.toStdString(), "command line"))
        return "unknown signal: " + word + '\n';
    return "taken: " + word + '\n';
}

QString BellService::say(const QString& text, const std::string& by) {
    const QString words = text.trimmed();
    if (words.isEmpty())
        return QCoreApplication::translate("tollix::main", "Type the words to say.");
    if (words.size() > sound::kLongestSaid)
        return QCoreApplication::translate("tollix::main", "At most %1 characters can be said.")
            .arg(sound::kLongestSaid);
    if (!services_.speech)
        return QCoreApplication::translate("tollix::main", "Words cannot be spoken here.");
    // The record names the words, on one line.
    std::string reason = words.simplified().left(60).toStdString();
    if (!by.empty())
        reason += "; " + by;
    services_.speech->say(words.toStdString(), [this, reason](const sound::SpokenFile& wav) {
        engine.ringSaid(wav, reason);
    });
    return {};
}

web::WebApi& BellService::api() {
    if (!webApi_) {
        webApi_ = std::make_unique<web::WebApi>(web::WebApi::Services{
            model, engine, services_.clock, services_.paths.soundFolder(), services_.ringLog.file(),
            &services_.timeSync, &alarm,
            [this](const QString& text, const std::string& by) { return say(text, by); },
            services_.playable, web::soundOfAlarms(alarm)});
        webApi_->settingsApi().addPart(QStringLiteral("alarms"), web::alarmsPart(alarm));
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
    if (!alarm.active().empty())
        lines << QStringLiteral("alarm: %1 (given by %2)")
                     .arg(QString::fromStdString(alarm.active()),
                          QString::fromStdString(alarm.givenBy()));
    if (const QString day = value("day"); !day.isEmpty())
        lines << QStringLiteral("day: ") + day;
    lines << QStringLiteral("next bell: %1 %2").arg(value("next_bell"), value("next_sound"));
    if (calendars_)
        lines << calendars_->stateLines();
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
    if (!alarm.linkProblem().isEmpty())
        problems << alarm.linkProblem();
    if (const QString why = webServer_ ? webServer_->problem() : QString(); !why.isEmpty())
        problems << why;
    for (const QString& problem : problems) lines << QStringLiteral("problem: ") + problem;
    if (webServer_ && webServer_->port() != 0)
        lines << QStringLiteral("web page: %1://localhost:%2/")
                     .arg(webServer_->secure() ? QStringLiteral("https") : QStringLiteral("http"))
                     .arg(webServer_->port());
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

CalendarSubscriptions& BellService::subscribeCalendars(CalendarFetch& fetch) {
    if (!calendars_) {
        calendars_ = std::make_unique<CalendarSubscriptions>(CalendarSubscriptions::Services{
            services_.paths.dataFolder(), fetch,
            [this] { return engine.clock().now().dayNumber(); },
            [this](const std::string& name, bool taken, const std::string& text) {
                engine.recordCalendar(name, taken, text);
            }});
        connect(calendars_.get(), &CalendarSubscriptions::daysChanged, this,
                [this](const std::vector<SubscribedDays>& days) { model.setSubscribedDays(days); });
        api().addProblems([this] { return calendars_->problems(); });
        calendars_->start();
    }
    return *calendars_;
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
