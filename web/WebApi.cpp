#include "web/WebApi.h"

#include "engine/DayNote.h"
#include "engine/RingLog.h"
#include "sound/SoundLibrary.h"
#include "timesync/TimeSync.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace tollix::web {

namespace {

constexpr int kMaxRings = 500;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

WebApi::Reply refused(int status, const QString& message) {
    return {status, {{QStringLiteral("error"), message}}};
}

WebApi::Reply done() {
    return {200, {{QStringLiteral("ok"), true}}};
}

// A bell rung from the page says so in its reason; an order's line says it in its outcome.
std::string by(const std::string& from) {
    return "web from " + from;
}

QString isoTime(const LocalTime& t) {
    const int offset = t.utcOffsetSeconds;
    const int minutes = (offset < 0 ? -offset : offset) / 60;
    char out[40];
    std::snprintf(out, sizeof out, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.year, t.month,
                  t.day, t.hour, t.minute, t.second, offset < 0 ? '-' : '+', minutes / 60 % 100,
                  minutes % 60);
    return QString::fromLatin1(out);
}

QString clockText(int minuteOfDay) {
    return QStringLiteral("%1:%2")
        .arg(minuteOfDay / 60 % 100, 2, 10, QLatin1Char('0'))
        .arg(minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}

// Another, whenever a line is added to the ring record or it is rotated.
QString ringsMark(const std::filesystem::path& file) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    const auto written = std::filesystem::last_write_time(file, ec);
    if (ec)
        return {};
    return QStringLiteral("%1-%2").arg(size).arg(written.time_since_epoch().count());
}

std::vector<std::string> soundList(const std::filesystem::path& folder) {
    try {
        return sound::SoundFolderScan(folder);
    } catch (const std::filesystem::filesystem_error&) {
        return {};  // no list: nothing may be rung
    }
}

}  // namespace

WebApi::WebApi(Services services) : services_(std::move(services)) {
    const auto changed = [this] { ++todayMark_; };
    QObject::connect(&services_.engine, &BellEngine::dayChanged, &watching_, changed);
    QObject::connect(&services_.engine, &BellEngine::runningChanged, &watching_, changed);
    tries_.setMaxThreadCount(1);  // two uploads of one name never race
}

WebApi::Reply WebApi::status() const {
    const BellEngine& engine = services_.engine;
    QString state = QStringLiteral("OFF");
    if (engine.running())
        state = engine.today().kind == DayChoice::Kind::NoBells ? QStringLiteral("HOLIDAY")
                                                                : QStringLiteral("ON");
    // Nobody may see the window's message: a page on a phone says it.
    QJsonArray problems;
    for (const auto& why : services_.model.readProblems())
        problems.append(
            QCoreApplication::translate("WebPage",
                                        "A file could not be read: %1 (the initial settings "
                                        "are used)")
                .arg(text(why)));
    for (const auto& more : moreProblems_)
        for (const QString& problem : more()) problems.append(problem);
    const timesync::TimeSync* sync = services_.timeSync;
    const bool internetTime = sync && services_.model.general().chkTimeSync == 1;
    QJsonObject time{{QStringLiteral("source"),
                      internetTime ? QStringLiteral("server") : QStringLiteral("PC clock")}};
    if (internetTime) {
        time.insert(QStringLiteral("offset_ms"), static_cast<qint64>(sync->correctionMs()));
        time.insert(QStringLiteral("text"), sync->status());
    }
    return {
        200,
        {{QStringLiteral("state"), state},
         {QStringLiteral("day"), dayNoteText(engine, true)},
         {QStringLiteral("now"), isoTime(services_.clock.now())},
         {QStringLiteral("next_bell"), engine.nextBell},
         {QStringLiteral("next_sound"), engine.nextBellSound},
         {QStringLiteral("today_mark"), todayMark_},
         {QStringLiteral("rings_mark"), ringsMark(services_.ringLog)},
         {QStringLiteral("problems"), problems},
         {QStringLiteral("playing"), engine.isPlaying},
         {QStringLiteral("hearing"), engine.hearing()},
         {QStringLiteral("time_source"), time},
         {QStringLiteral("broker"), services_.alarm ? services_.alarm->linkProblem() : QString()},
         {QStringLiteral("alarm"),
          services_.alarm && !services_.alarm->active().empty()
              ? QJsonValue(QString::fromStdString(services_.alarm->active()))
              : QJsonValue()}}};
}

WebApi::Reply WebApi::today() const {
    const BellEngine& engine = services_.engine;
    QJsonArray bells;
    if (engine.running()) {
        // The alarms before and after the intervals' bells ring too.
        const BellSchedule& schedule = engine.bells();
        std::vector<std::pair<int, std::string>> ringing;
        for (int i = 0; i < std::min<int>(schedule.todayCount, BellSchedule::kCapacity); ++i)
            if (const auto at = static_cast<std::size_t>(i);
                schedule.todayTimes[at] != BellSchedule::kSwitchedOff)
                ringing.emplace_back(schedule.todayTimes[at], schedule.todaySounds[at]);
        std::stable_sort(ringing.begin(), ringing.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [minute, sound] : ringing)
            bells.append(QJsonObject{{QStringLiteral("time"), clockText(minute)},
                                     {QStringLiteral("sound"), text(sound)}});
    }
    return {200, {{QStringLiteral("today_mark"), todayMark_}, {QStringLiteral("bells"), bells}}};
}

WebApi::Reply WebApi::rings(int limit) const {
    QJsonArray lines;
    for (const auto& line : RingLog::lastLines(
             services_.ringLog, static_cast<std::size_t>(std::clamp(limit, 1, kMaxRings)))) {
        const QStringList fields = text(line).split(QLatin1Char('\t'));
        lines.append(QJsonObject{{QStringLiteral("time"), fields.value(0)},
                                 {QStringLiteral("outcome"), fields.value(1)},
                                 {QStringLiteral("sound"), fields.value(2)},
                                 {QStringLiteral("reason"), fields.value(3)}});
    }
    return {200, {{QStringLiteral("rings"), lines}}};
}

WebApi::Reply WebApi::sounds() const {
    QJsonArray files;
    QJsonArray music;
    for (const auto& name : soundList(services_.soundFolder))
        (sound::isMusicFolder(name) ? music : files).append(text(name));
    return {200, {{QStringLiteral("sounds"), files}, {QStringLiteral("music"), music}}};
}

WebApi::Reply WebApi::ring(const QByteArray& body, const std::string& from) {
    const QJsonValue name = QJsonDocument::fromJson(body).object().value(QStringLiteral("sound"));
    const std::vector<std::string> library = soundList(services_.soundFolder);
    const std::string sound = name.toString().toStdString();
    if (!name.isString() || std::find(library.begin(), library.end(), sound) == library.end())
        return refused(400, refusalText("Not exist selected bell in sound folder."));
    if (const auto refusal = services_.engine.ringNow(sound, library, by(from)))
        return refused(409, refusalText(refusal->text));
    return done();
}

WebApi::Reply WebApi::giveAlarm(const QByteArray& body, const std::string& from) {
    const QJsonValue name = QJsonDocument::fromJson(body).object().value(QStringLiteral("alarm"));
    const auto signal = alarmName(name.toString().toStdString());
    if (!services_.alarm || !signal || *signal == kAllClear)
        return refused(400, QCoreApplication::translate("WebPage", "Unknown signal."));
    services_.alarm->order(*signal, "web from " + from);
    return done();
}

WebApi::Reply WebApi::allClear(const std::string& from) {
    if (!services_.alarm)
        return refused(400, QCoreApplication::translate("WebPage", "Unknown signal."));
    services_.alarm->order(kAllClear, "web from " + from);
    return done();
}

WebApi::Reply WebApi::say(const QByteArray& body, const std::string& from) {
    const QJsonValue text = QJsonDocument::fromJson(body).object().value(QStringLiteral("text"));
    if (!text.isString() || text.toString().trimmed().isEmpty())
        return refused(400, QCoreApplication::translate("tollix::main", "Type the words to say."));
    if (text.toString().trimmed().size() > sound::kLongestSaid)
        return refused(
            400, QCoreApplication::translate("tollix::main", "At most %1 characters can be said.")
                     .arg(sound::kLongestSaid));
    const QString refusal =
        services_.say ? services_.say(text.toString(), by(from))
                      : QCoreApplication::translate("tollix::main", "Words cannot be spoken here.");
    if (!refusal.isEmpty())
        return refused(400, refusal);
    return done();
}

WebApi::Reply WebApi::stopBell(const std::string& from) {
    services_.engine.recordOrder("Stop bell", "from " + from);
    services_.engine.bellStop();
    return done();
}

WebApi::Reply WebApi::startSchedule(const std::string& from) {
    if (services_.engine.running())
        return refused(409, QCoreApplication::translate("WebPage", "The schedule is running."));
    if (const auto refusal = services_.engine.start(soundList(services_.soundFolder)))
        return refused(409, refusalText(refusal->text));
    services_.engine.recordOrder("Start", "from " + from);
    return done();
}

WebApi::Reply WebApi::stopSchedule(const std::string& from) {
    if (!services_.engine.running())
        return refused(409, QCoreApplication::translate("WebPage", "The schedule is stopped."));
    services_.engine.stopSchedule();
    services_.engine.recordOrder("Stop", "from " + from);
    return done();
}

WebApi::Reply WebApi::schedule() const {
    return {200, schedule_.read()};
}

WebApi::Reply WebApi::putSchedule(const QByteArray& body, const QByteArray& version,
                                  const std::string& from) {
    const ScheduleApi::Reply reply =
        schedule_.write(body, version, soundList(services_.soundFolder));
    if (reply.changed)
        recordOrder("Schedule changed", from);
    return {reply.status, reply.body};
}

WebApi::Reply WebApi::settings() const {
    return {200, settings_.read()};
}

WebApi::Reply WebApi::putSettings(const QByteArray& body, const QByteArray& version,
                                  const std::string& from) {
    const SettingsApi::Reply reply = settings_.write(body, version);
    for (const std::string& name : reply.changed) {
        // As the window's box: other programs are silenced or heard at once.
        if (name == "No com sound")
            services_.engine.soundControl.SetMasterMute(services_.model.general().sound_zero == 1);
        if (name == "Internet time" && services_.model.general().chkTimeSync != 1 &&
            services_.internetTimeOff)
            services_.internetTimeOff();
        recordOrder("Setting changed: " + name, from);
    }
    return {reply.status, reply.body};
}

WebApi::Reply WebApi::holidays() const {
    return {200, holidays_.read()};
}

namespace {

WebApi::Reply recorded(const HolidaysApi::Reply& reply, WebApi& api, const std::string& from) {
    if (!reply.record.empty())
        api.recordOrder(reply.record, from);
    return {reply.status, reply.body};
}

}  // namespace

WebApi::Reply WebApi::addHoliday(const QByteArray& body, const std::string& from) {
    return recorded(holidays_.add(body), *this, from);
}

WebApi::Reply WebApi::removeHoliday(const QByteArray& body, const std::string& from) {
    return recorded(holidays_.remove(body), *this, from);
}

WebApi::Reply WebApi::importHolidays(const QByteArray& calendar, bool confirm, bool termDates,
                                     const std::string& from) {
    return recorded(
        holidays_.import(calendar, confirm, termDates, services_.clock.now().dayNumber()), *this,
        from);
}

void WebApi::addSound(const QByteArray& bytes, const QByteArray& fileName, bool replace,
                      const std::string& from, std::function<void(const Reply&)> answer) {
    tries_.start([this, bytes, fileName, replace, from, answer = std::move(answer)] {
        const SoundsApi::Reply reply = sounds_.add(bytes, fileName, replace);
        QMetaObject::invokeMethod(
            &watching_,
            [this, reply, from, answer] {
                if (!reply.record.empty())
                    recordOrder(reply.record, from);
                answer({reply.status, reply.body});
            },
            Qt::QueuedConnection);
    });
}

WebApi::Reply WebApi::deleteSound(const QString& name, const std::string& from) {
    const SoundsApi::Reply reply = sounds_.remove(name);
    if (!reply.record.empty())
        recordOrder(reply.record, from);
    return {reply.status, reply.body};
}

// As "Play" under the sound list: never over a bell.
WebApi::Reply WebApi::trySound(const QByteArray& body) {
    const QJsonValue name = QJsonDocument::fromJson(body).object().value(QStringLiteral("sound"));
    const std::vector<std::string> library = soundList(services_.soundFolder);
    const std::string sound = name.toString().toStdString();
    if (!name.isString() || std::find(library.begin(), library.end(), sound) == library.end())
        return refused(400, refusalText("Not exist selected bell in sound folder."));
    if (!services_.engine.playTest(sound))
        return refused(
            409, services_.engine.isPlaying
                     ? QCoreApplication::translate("WebPage", "A bell is sounding.")
                     : QCoreApplication::translate("WebPage", "The sound could not be played."));
    return done();
}

WebApi::Reply WebApi::stopTry() {
    services_.engine.stopTest();
    return done();
}

void WebApi::recordOrder(const std::string& what, const std::string& from) {
    services_.engine.recordOrder(what, "from " + from);
}

}  // namespace tollix::web
