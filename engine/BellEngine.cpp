#include "engine/BellEngine.h"

#include "engine/NextBell.h"
#include "sound/MusicList.h"
#include "sound/OutputLine.h"
#include "sound/SoundLibrary.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace fs = std::filesystem;

namespace tollix {

namespace {

// A wall clock that moved this much more or less than the monotonic clock
// between two ticks was stepped, or the computer slept.
constexpr std::int64_t kStepMs = 1000;
// A bell that starts this long after its minute is recorded as late.
constexpr int kLateMs = 2000;

std::string minuteText(int minuteOfDay) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minuteOfDay / 60 % 100, minuteOfDay % 60);
    return text;
}

// A bell of another day than the record's own says which: the same minute
// of two days is two bells.
std::string dateUnlessToday(std::int64_t day, const LocalTime& t) {
    if (day == t.dayNumber())
        return {};
    using namespace std::chrono;
    const year_month_day date{sys_days(days(day))};
    char text[24];
    std::snprintf(text, sizeof text, " on %04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

bool holdsPlayableFile(const std::vector<std::string>& library) {
    return std::any_of(library.begin(), library.end(),
                       [](const std::string& name) { return sound::isSoundFile(name); });
}

}  // namespace

BellEngine::BellEngine(EngineServices services, ScheduleModel& model, QObject* parent)
    : QObject(parent),
      clock_(services.clock),
      soundControl(services.mixer),
      soundPlayer(services.player, soundControl, *this,
                  [&model] { return model.general().sound_zero == 1; }),
      Timer1(clock_),
      services_(std::move(services)),
      model_(model) {
    connect(&Timer1, &SecondTicker::tick, this, &BellEngine::Timer1_Timer);
    connect(&model_, &ScheduleModel::calendarChanged, this, &BellEngine::calendarChanged);
    connect(&model_, &ScheduleModel::calendarChanged, this, &BellEngine::checkSpecialDays);
    connect(&model_, &ScheduleModel::editorChanged, this, &BellEngine::checkSpecialDays);
    connect(&model_, &ScheduleModel::daysReloaded, this, &BellEngine::daysReloaded);
    connect(&model_, &ScheduleModel::notReloaded, this, [this](const QString& why) {
        recordSettingFailed("not read again: " + why.toStdString() + "; the bells ring as before");
    });
    connect(&model_, &ScheduleModel::schoolClockChanged, this, &BellEngine::schoolClockChanged);
    connect(&model_, &ScheduleModel::outputsChanged, this, &BellEngine::outputsChanged);
    services_.mixer.useOutputs(model_.outputs());
    services_.player.setOutputs(model_.outputs());
    clock_.setAheadMs(model_.schoolClockMs());
    // Nobody may be there to read the message of a save nobody asked for.
    connect(&model_, &ScheduleModel::notSaved, this, [this](const QString& why, bool own) {
        if (own)
            recordSettingFailed("not saved: " + why.toStdString());
    });
    const LocalTime now = clock_.now();
    lastMinute = now.minute;
    lastMinuteKey_ = now.minuteKey();
    scheduleDay_ = now.dayNumber();
}

// ---- The tick ---------------------------------------------------------------

void BellEngine::Timer1_Timer() {
    // A box shown by the tick is left open without holding up the next tick.
    if (inTick_)
        return;
    inTick_ = true;
    services_.messages.setWaiting(false);
    const LocalTime t = clock_.now();
    const bool seen = noticeStep(t);
    const bool stepped = seen || stepPending_;
    stepPending_ = false;
    if (seen)
        emit clockStepSeen();  // before this tick's time request

    emit ticked(t);
    settle();
    keepOthersSilent();
    // The player may learn the length only once the file has loaded.
    if (testing_ && ++testSeconds_ > (services_.player.length() + 999) / 1000 + 1)
        stopTest();
    bool tickDone = playingSecond(t);

    const std::int64_t key = t.minuteKey();
    if (!tickDone && key != lastMinuteKey_) {
        if (scheduleRunning == 1)
            recordJumpedOver(lastMinuteKey_, key, t);
        lastMinuteKey_ = key;
        lastMinute = t.minute;
        bellCheckArmed = 1;
        reservedExit(t);
        if (minuteSound_)
            RingNow(minuteSound_, minuteLibrary_, RingCause::ClockCheck);
        if (scheduleRunning == 0)
            bellCheckArmed = 0;
    }

    if (!tickDone && bellCheckArmed == 1 && scheduleRunning == 1) {
        bellCheckArmed = 0;
        if (t.dayNumber() != scheduleDay_) {
            // A new day (or the clock set across midnight): today's bells are
            // those of this weekday. The next tick checks this minute again.
            const std::int64_t before = scheduleDay_ * 1440 + 1439;
            endForNewDay();
            buildToday(t);
            ShowNextBell();
            if (before < t.dayNumber() * 1440)
                recordJumpedOver(t.dayNumber() * 1440 - 1, key, t);
            lastMinuteKey_ = kNoMinute;
            lastMinute = 59;
            tickDone = true;
        } else {
            checkBells(t);
        }
    }
    if (!tickDone && scheduleRunning == 1)
        warmNextBell(t);

    if (!tickDone) {
        if ((t.second + 3) % 6 == 0 && model_.general().chkTimeSync == 1 &&
            services_.sendTimeRequest)
            services_.sendTimeRequest();
        sideClockText = QString::fromStdString(twelveHourClock(t.hour, t.minute, t.second));
        bellCountdownText =
            QString::fromStdString(nextBellCountdown(nextBell.toStdString(), t.SecondOfDay()));
        emit sideTextsChanged();
    }
    if (stepped && scheduleRunning == 1)
        ShowNextBell();
    services_.messages.setWaiting(true);
    inTick_ = false;
}

void BellEngine::clockStepped() {
    stepPending_ = true;
    haveReading_ = false;  // announced: not seen again as a step
    Timer1.realign();
}

// The school's clocks set apart from the computer's: the bells' time steps.
void BellEngine::schoolClockChanged() {
    const std::int64_t ahead = model_.schoolClockMs();
    const std::int64_t moved = ahead - clock_.aheadMs();
    if (moved == 0) {
        schoolClockRead_ = true;
        return;
    }
    clock_.setAheadMs(ahead);
    clockStepped();
    if (!schoolClockRead_) {
        schoolClockRead_ = true;  // the settings as read at start
        return;
    }
    char amount[32];
    std::snprintf(amount, sizeof amount, "%+.3f s", static_cast<double>(moved) / 1000.0);
    record({clock_.now(), RingOutcome::Adjusted, "School clock",
            std::string(amount) + "; the school's clocks are " + schoolClockText(ahead) +
                " s ahead of the computer's"});
}

void BellEngine::ringEachMinute(std::optional<std::string> sound,
                                std::vector<std::string> library) {
    minuteSound_ = std::move(sound);
    minuteLibrary_ = std::move(library);
}

void BellEngine::recordAdjusted(const QString& server, std::int64_t ms, bool clockSet) {
    char amount[32];
    std::snprintf(amount, sizeof amount, "%+.3f s", static_cast<double>(ms) / 1000.0);
    record({clock_.now(), RingOutcome::Adjusted, server.toStdString(),
            std::string(amount) + (clockSet ? "; the computer's clock was set"
                                            : "; the bells follow the server, the computer's "
                                              "clock may not be set")});
}

// A sound server that restarted (PulseAudio, PipeWire) comes back unmuted:
// between bells, "No com sound" looks every few seconds and mutes again.
void BellEngine::keepOthersSilent() {
    constexpr int kEverySeconds = 5;
    if (++silenceCheck_ < kEverySeconds)
        return;
    silenceCheck_ = 0;
    // Outputs the mixer muted or gave back on its own go on record.
    soundControl.noteMuted();
    if (!isPlaying && !testing_ && held_.empty() && model_.general().sound_zero == 1 &&
        services_.mixer.connectedAfresh())
        soundControl.SetMasterMute(true);
}

bool BellEngine::noticeStep(const LocalTime& t) {
    const std::int64_t wall = t.epochMs();
    const std::int64_t monotonic = clock_.monotonicMs();
    const bool stepped = haveReading_ && std::llabs((wall - lastWallMs_) -
                                                    (monotonic - lastMonotonicMs_)) >= kStepMs;
    lastWallMs_ = wall;
    lastMonotonicMs_ = monotonic;
    haveReading_ = true;
    return stepped;
}

// The reserved exit, once a minute whether or not the schedule runs; once
// only, should the clock live the minute again. The system answers later: the
// tick, and a bell of this minute, go on meanwhile.
void BellEngine::reservedExit(const LocalTime& t) {
    const auto exit = model_.reservedExitAt();
    if (!exit || *exit != t.MinuteOfDay() || poweredOffAt_ == t.minuteKey())
        return;
    poweredOffAt_ = t.minuteKey();
    // What the program's own exit does, before the computer goes off.
    {
        const ScheduleModel::OwnSaves own(model_);
        model_.saveGeneral();
    }
    Shutdown();
    services_.powerOff.powerOff([self = QPointer<BellEngine>(this), t](const std::string& error) {
        if (self && !error.empty())
            self->powerOffFailed(t, error);
    });
}

void BellEngine::powerOffFailed(const LocalTime& t, const std::string& error) {
    // Still running: the output goes back to how the operator wants it.
    if (model_.general().sound_zero == 1 && !isPlaying)
        soundControl.SetMasterMute(true);
    record({t, RingOutcome::Failed, "Reservation Exit",
            "the computer was not switched off: " + error});
    emit powerOffRefused(QString::fromStdString(error));
}

// A minute rings once, whatever the clock does afterwards.
void BellEngine::checkBells(const LocalTime& t) {
    const int count = std::min<int>(schedule.todayCount, BellSchedule::kCapacity);
    const int minute = t.MinuteOfDay();
    const std::int64_t key = t.minuteKey();
    const bool rungBefore = rung_.count(key) > 0;
    bool any = false;
    for (int i = 0; i < count; ++i) {
        if (schedule.todayTimes[static_cast<std::size_t>(i)] != minute)
            continue;
        any = true;
        if (!held_.empty())
            record({t, RingOutcome::Held, schedule.todaySounds[static_cast<std::size_t>(i)],
                    held_ + "; scheduled " + minuteText(minute)});
        else if (rungBefore)
            record({t, RingOutcome::Held, schedule.todaySounds[static_cast<std::size_t>(i)],
                    "scheduled " + minuteText(minute) + "; this minute already rang"});
        else
            fireEntry(i, t);
    }
    if (!any)
        return;
    remember(key);
    // Rung or held, this minute is past: the next bell is a later one.
    ShowNextBell();
}

// Loading takes the player tens of milliseconds, more on a busy machine: a
// plain file of the next minute is loaded paused in this minute's last
// seconds, and its bell then only starts it. Music lists choose at the bell.
void BellEngine::warmNextBell(const LocalTime& t) {
    const int next = t.MinuteOfDay() + 1;
    if (t.second < 58 || next >= 1440 || isPlaying || testing_ || !held_.empty() ||
        rung_.count(t.minuteKey() + 1))
        return;
    const int count = std::min<int>(schedule.todayCount, BellSchedule::kCapacity);
    std::string name;
    for (int i = 0; i < count; ++i)
        if (schedule.todayTimes[static_cast<std::size_t>(i)] == next)
            name = schedule.todaySounds[static_cast<std::size_t>(i)];
    const fs::path file = bellFile(name);
    if (file.empty())
        return;
    std::string problem;
    const fs::path sounded = playable(file, problem);
    if (!problem.empty())
        return;
    (void)chooseOutputs();
    services_.player.warm(sounded.string());
}

fs::path BellEngine::playable(const fs::path& file, std::string& problem) const {
    if (!sound::isSpokenFile(file.filename().string()))
        return file;
    if (!services_.spoken) {
        problem = "words cannot be spoken here";
        return {};
    }
    sound::SpokenFile words = services_.spoken(file);
    problem = std::move(words.problem);
    return words.file;
}

fs::path BellEngine::bellFile(const std::string& name) const {
    std::error_code ec;
    const fs::path file = services_.soundFolder / name;
    if (sound::musicMinutes(name) > 0 || name.find('.') == std::string::npos ||
        !fs::is_regular_file(file, ec))
        return {};
    return file;
}

void BellEngine::remember(std::int64_t key) {
    rung_.insert(key);
    // A day and more is kept, whatever the clock did; never more than that.
    while (!rung_.empty() && *rung_.begin() < key - 2 * 1440) rung_.erase(rung_.begin());
    while (rung_.size() > kRungMinutesKept) rung_.erase(rung_.begin());
}

// Bells whose minute the clock jumped over are not rung late, but recorded.
void BellEngine::recordJumpedOver(std::int64_t fromKey, std::int64_t toKey, const LocalTime& t,
                                  const char* why) {
    if (fromKey == kNoMinute || toKey - fromKey <= 1)
        return;
    const int count = std::min<int>(schedule.todayCount, BellSchedule::kCapacity);
    for (int i = 0; i < count; ++i) {
        const int minute = schedule.todayTimes[static_cast<std::size_t>(i)];
        const std::int64_t key = scheduleDay_ * 1440 + minute;
        if (minute < 1440 && key > fromKey && key < toKey && rung_.count(key) == 0)
            record({t, RingOutcome::Missed, schedule.todaySounds[static_cast<std::size_t>(i)],
                    "scheduled " + minuteText(minute) + dateUnlessToday(scheduleDay_, t) + "; " +
                        why});
    }
}

// The sound of the bell now sounding, one second of it.
bool BellEngine::playingSecond(const LocalTime& time) {
    if (!isPlaying)
        return false;
    if (musicFileCount() > 0 && soundPlayer.FadeStep())
        return true;
    if (soundPlayer.CountSecond())
        return false;
    if (musicFileCount() > 0) {
        soundPlayer.Close();
        const auto next = sound::NextMusicFile(music, services_.soundFolder);
        soundPlayer.OpenNext(next.string());
    } else if (model_.general().bellRepeat != 1) {
        endBell();
    } else if (soundPlayer.Replay()) {
        settleAtOnce("repeated");
        pending_ = RingRecord{time, RingOutcome::Rang, replaySound_, "repeat"};
    } else {
        record({time, RingOutcome::Failed, replaySound_, "repeat; the file could not be played"});
        report(QStringLiteral(QT_TRANSLATE_NOOP("BellEngine", "the file could not be played")));
        endBell();
    }
    return false;
}

void BellEngine::endBell() {
    // A bell wins over a sound being tried: the player is the bell's now.
    if (std::exchange(testing_, false))
        emit testChanged(false);
    settleAtOnce("ended");
    soundPlayer.EndBell();
    ResetBellState();
}

// ---- Firing -------------------------------------------------------------------

void BellEngine::fireEntry(int index, const LocalTime& time) {
    endBell();
    const std::string name = schedule.todaySounds[static_cast<std::size_t>(index)];
    std::string reason = "scheduled " + minuteText(time.MinuteOfDay());
    // A tick that came late (a frozen process, a step into the minute) says so.
    if (const int lateMs = time.second * 1000 + time.millisecond; lateMs > kLateMs)
        reason += "; late " + std::to_string(lateMs / 1000) + " s";
    const fs::path& folder = services_.soundFolder;
    fs::path file;
    std::string note;
    const long minutes = sound::musicMinutes(name);
    if (minutes > 0) {
        musicSecondsLeft = minutes * 60;
        file = sound::StartScheduledMusicList(music, folder, name);
        if (music.filesFromSoundFolder)
            note = "; music list empty or missing, played " + file.filename().string();
    } else {
        // A file, or a name no list could hold: a bell sounds whenever any sound exists.
        file = bellFile(name);
        const auto first = file.empty() ? sound::firstPlayableFile(folder) : std::nullopt;
        if (first) {
            file = folder / *first;
            note = "; file missing, played " + *first;
        }
    }
    if (file.empty()) {
        ResetBellState();
        record(
            {time, RingOutcome::Failed, name, reason + "; no playable sound in the sound folder"});
        report(QStringLiteral(QT_TRANSLATE_NOOP("BellEngine", "the file could not be played")));
    } else if (!startBell(file, 1, {time, RingOutcome::Rang, name, reason + note})) {
        ResetBellState();  // nothing to play: the bell is skipped
    }
}

bool BellEngine::startBell(const fs::path& file, int extraSeconds, RingRecord record) {
    settleAtOnce("followed by another bell");
    record.reason += chooseOutputs();
    std::string problem;
    const fs::path sounded = playable(file, problem);
    if (!problem.empty() || !soundPlayer.OpenAndPlay(sounded.string(), extraSeconds)) {
        record.outcome = RingOutcome::Failed;
        record.reason +=
            problem.empty() ? "; the file could not be played" : "; not spoken: " + problem;
        this->record(std::move(record));
        report(QStringLiteral(QT_TRANSLATE_NOOP("BellEngine", "the file could not be played")));
        return false;
    }
    replaySound_ = record.sound;
    pending_ = std::move(record);
    return true;
}

// ---- Outputs ------------------------------------------------------------------

std::string BellEngine::chooseOutputs() {
    // Relays and streams play wherever they are listed; sinks only where the server has them.
    std::vector<std::string> listed, others;
    std::string unusable;
    for (const auto& line : model_.outputs()) {
        const sound::OutputLine output = sound::parseOutputLine(line);
        if (output.kind == sound::OutputLine::Kind::Sink)
            listed.push_back(line);
        else if (output.kind == sound::OutputLine::Kind::Unusable)
            unusable += (unusable.empty() ? "; output unusable: " : ", ") + line + " (" +
                        output.problem + ")";
        else
            others.push_back(line);
    }
    std::vector<std::string> there = listed;
    std::string missing;
    std::vector<Mixer::Sink> sinks;
    // A server that cannot be asked hears nothing anyway: the bell says so.
    if (!listed.empty() && services_.mixer.listOutputs(sinks)) {
        there.clear();
        for (const auto& name : listed) {
            if (std::any_of(sinks.begin(), sinks.end(),
                            [&name](const Mixer::Sink& sink) { return sink.name == name; }))
                there.push_back(name);
            else
                missing += (missing.empty() ? "" : ", ") + name;
        }
    }
    std::vector<std::string> playing = there;
    playing.insert(playing.end(), others.begin(), others.end());
    services_.player.setOutputs(playing);
    services_.mixer.useOutputs(there);
    if (missing.empty())
        return unusable;
    return "; output missing: " + missing +
           (there.empty() ? "; played on the default output" : "") + unusable;
}

// Other programs are held silent on the outputs now chosen, and only there:
// "No com sound" is the sinks' alone.
void BellEngine::outputsChanged() {
    const bool holding = model_.general().sound_zero == 1 && !isPlaying && held_.empty();
    if (holding)
        soundControl.SetMasterMute(false);
    std::vector<std::string> sinks;
    std::copy_if(model_.outputs().begin(), model_.outputs().end(), std::back_inserter(sinks),
                 sound::isSinkLine);
    services_.mixer.useOutputs(sinks);
    services_.player.setOutputs(model_.outputs());
    if (holding)
        soundControl.SetMasterMute(true);
}

void BellEngine::outputFailed(const std::string& what) {
    // The bell it failed for is still being judged: it goes on that bell's line.
    if (pending_)
        pending_->reason += "; output failed: " + what;
    else
        record({clock_.now(), RingOutcome::Failed, "output", what});
}

void BellEngine::recordRelaysRestored(const std::vector<std::string>& off,
                                      const std::vector<std::string>& failed) {
    for (const auto& command : off)
        record({clock_.now(), RingOutcome::Restored, "relay",
                "switched off (\"" + command + "\"); left on by a run that did not end normally"});
    for (const auto& what : failed)
        record({clock_.now(), RingOutcome::Failed, "relay",
                what + "; left on by a run that did not end normally"});
}

// ---- Was it heard? --------------------------------------------------------------

QString BellEngine::hearingProblem(MediaPlayer::Output heard) {
    switch (heard) {
        case MediaPlayer::Output::Silent:
        case MediaPlayer::Output::Starting:
            return QStringLiteral(QT_TRANSLATE_NOOP("BellEngine", "the file could not be played"));
        case MediaPlayer::Output::NullOutput:
            return QStringLiteral(QT_TRANSLATE_NOOP("BellEngine", "no sound output"));
        case MediaPlayer::Output::Playing:
            break;
    }
    Mixer::Output output;
    if (!services_.mixer.readOutput(output) || !output.exists)
        return QStringLiteral(QT_TRANSLATE_NOOP("BellEngine", "no sound output"));
    if (output.muted || output.volume <= 0)
        return QStringLiteral(QT_TRANSLATE_NOOP("BellEngine", "the speakers are muted"));
    return {};
}

void BellEngine::settle() {
    constexpr int kJudgeWaits = 3;
    if (!pending_)
        return;
    // A loaded machine may take a moment to start the sound: not yet is not never.
    const MediaPlayer::Output heard = services_.player.output();
    if (heard == MediaPlayer::Output::Starting && ++judgeWaits_ < kJudgeWaits)
        return;
    judgeWaits_ = 0;
    RingRecord done = std::move(*pending_);
    pending_.reset();
    const QString problem = hearingProblem(heard);
    if (!problem.isEmpty()) {
        done.outcome = RingOutcome::NotHeard;
        done.reason += "; " + problem.toStdString();
    }
    record(std::move(done));
    report(problem);
}

// A bell ended before the tick that judges it: it did start.
void BellEngine::settleAtOnce(const char* why) {
    if (!pending_)
        return;
    judgeWaits_ = 0;
    RingRecord done = std::move(*pending_);
    pending_.reset();
    done.reason += std::string("; ") + why + " within its first second";
    record(std::move(done));
}

void BellEngine::report(const QString& problem) {
    const QString text =
        problem.isEmpty()
            ? QString()
            : QCoreApplication::translate("BellEngine", "Bell not heard: %1")
                  .arg(QCoreApplication::translate("BellEngine", problem.toUtf8().constData()));
    if (text == shownProblem_)
        return;
    shownProblem_ = text;
    emit hearingChanged(text);
}

void BellEngine::record(RingRecord entry) {
    const std::string error = services_.ringLog.append(entry);
    if (!error.empty() && !recordFailedShown_) {
        recordFailedShown_ = true;
        emit recordUnavailable(QString::fromStdString(error));
    }
}

// ---- Start and stop -------------------------------------------------------------

void BellEngine::startSchedule() {
    const LocalTime now = clock_.now();
    lastMinute = now.minute;
    lastMinuteKey_ = now.minuteKey();
    scheduleRunning = 1;
    emit runningChanged(true);  // before the day: a day off then says so
    buildToday(now);
    // The minute of the start began without the schedule: its bells are not
    // rung late (another copy may have rung them), but put on record.
    recordJumpedOver(lastMinuteKey_ - 1, lastMinuteKey_ + 1, now,
                     "the schedule started within this minute");
    ShowNextBell();
}

Outcome BellEngine::start(const std::vector<std::string>& library) {
    if (auto refused = model_.prepareStart(holdsPlayableFile(library)))
        return refused;
    startSchedule();
    return std::nullopt;
}

void BellEngine::recordSettingFailed(const std::string& why) {
    record({clock_.now(), RingOutcome::Failed, "settings", why});
}

void BellEngine::ringSaid(const sound::SpokenFile& words, const std::string& reason) {
    const LocalTime now = clock_.now();
    if (!words.problem.empty()) {
        record({now, RingOutcome::Failed, "say", reason + "; not spoken: " + words.problem});
        report(QStringLiteral(QT_TRANSLATE_NOOP("BellEngine", "the file could not be played")));
        return;
    }
    endBell();
    if (!startBell(words.file, 1, {now, RingOutcome::Rang, "say", reason}))
        ResetBellState();
}

void BellEngine::recordCalendar(const std::string& name, bool taken, const std::string& text) {
    record({clock_.now(), taken ? RingOutcome::Adjusted : RingOutcome::Failed, "calendar " + name,
            text});
}

void BellEngine::recordOrder(const std::string& what, const std::string& by) {
    record({services_.clock.now(), RingOutcome::Web, what, by});
}

// The day's bells from the settings as stored. A day that cannot be built
// rings nothing; the next is built at its midnight all the same.
void BellEngine::buildToday(const LocalTime& t) {
    scheduleDay_ = t.dayNumber();
    DayPlan plan = model_.buildDay(scheduleDay_);
    today_ = plan.choice;
    schedule = std::move(plan.bells);
    todayLines_ = std::move(plan.clockLines);
    dayProblem_ = QString::fromStdString(plan.refusal);
    silentAhead_ = ringsNothingAhead();
    if (!plan.refusal.empty())
        record({t, RingOutcome::Failed, dateText(scheduleDay_),
                "the day's bells cannot be built: " + plan.refusal});
    emit dayChanged();
}

// Stopping, and a new day, end what still sounds.
void BellEngine::endForNewDay() {
    soundPlayer.Close();
    isPlaying = false;
    settleAtOnce("stopped with the schedule");
    soundPlayer.EndBell();
    ResetBellState();
}

// A running schedule is rebuilt only when today became another kind of day:
// a rebuild would cut off a bell that sounds.
void BellEngine::calendarChanged() {
    if (scheduleRunning != 1)
        return;
    const DayChoice day = model_.calendar().choose(scheduleDay_);
    if (day.kind != today_.kind || day.weekday != today_.weekday || day.templet != today_.templet) {
        endForNewDay();
        buildToday(clock_.now());
    } else {
        today_.name = day.name;
        silentAhead_ = ringsNothingAhead();
        emit dayChanged();
    }
    ShowNextBell();
}

// Lists changed on disk: today's bells are built again. A bell that sounds
// plays on, and a minute that rang does not ring twice.
void BellEngine::daysReloaded() {
    checkSpecialDays();
    const LocalTime now = clock_.now();
    if (scheduleRunning != 1 || now.dayNumber() != scheduleDay_)
        return;  // a new day is built by the tick
    buildToday(now);
    ShowNextBell();
}

void BellEngine::checkSpecialDays() {
    const auto lines = model_.specialDaysWithoutBells(clock_.now().dayNumber());
    QStringList fresh;
    for (const std::string& line : lines)
        if (!silentSpecialDays_.contains(line))
            fresh << QString::fromStdString(line);
    silentSpecialDays_ = {lines.begin(), lines.end()};
    if (!fresh.isEmpty())
        emit specialDaysWithoutBells(fresh);
}

// School days: Monday to Friday and the days the calendar makes ring, but
// none it puts off. Weekends with bells of their own count as bells too.
bool BellEngine::ringsNothingAhead() const {
    constexpr int kSchoolDays = 5;
    constexpr int kLookAhead = 400;
    if (schedule.todayCount > 0)
        return false;
    int schoolDays = 0;
    for (std::int64_t day = scheduleDay_ + 1;
         schoolDays < kSchoolDays && day <= scheduleDay_ + kLookAhead; ++day) {
        const DayChoice choice = model_.calendar().choose(day);
        if (choice.kind == DayChoice::Kind::NoBells)
            continue;
        if (model_.firstBellOn(day))
            return false;
        const int weekday = weekdayOf(day);  // 1 Sunday .. 7 Saturday
        if (choice.kind != DayChoice::Kind::Ordinary || (weekday > 1 && weekday < 7))
            ++schoolDays;
    }
    return true;
}

void BellEngine::stopSchedule() {
    scheduleRunning = 0;
    today_ = {};
    todayLines_.clear();
    dayProblem_.clear();
    silentAhead_ = false;
    endForNewDay();
    nextBell.clear();
    nextBellSound.clear();
    emit nextBellChanged();
    emit runningChanged(false);
}

// On a day off: the first bell of the first day that rings, with its date.
void BellEngine::showBellAfterDaysOff() {
    constexpr int kLookAhead = 400;
    for (std::int64_t day = scheduleDay_ + 1; day <= scheduleDay_ + kLookAhead; ++day) {
        const auto first = model_.firstBellOn(day);
        if (!first)
            continue;
        using namespace std::chrono;
        const year_month_day date{sys_days(days(day))};
        static constexpr const char* kDays[] = {
            QT_TRANSLATE_NOOP("BellEngine", "Sun"), QT_TRANSLATE_NOOP("BellEngine", "Mon"),
            QT_TRANSLATE_NOOP("BellEngine", "Tue"), QT_TRANSLATE_NOOP("BellEngine", "Wed"),
            QT_TRANSLATE_NOOP("BellEngine", "Thu"), QT_TRANSLATE_NOOP("BellEngine", "Fri"),
            QT_TRANSLATE_NOOP("BellEngine", "Sat")};
        static constexpr const char* kMonths[] = {
            QT_TRANSLATE_NOOP("BellEngine", "Jan"), QT_TRANSLATE_NOOP("BellEngine", "Feb"),
            QT_TRANSLATE_NOOP("BellEngine", "Mar"), QT_TRANSLATE_NOOP("BellEngine", "Apr"),
            QT_TRANSLATE_NOOP("BellEngine", "May"), QT_TRANSLATE_NOOP("BellEngine", "Jun"),
            QT_TRANSLATE_NOOP("BellEngine", "Jul"), QT_TRANSLATE_NOOP("BellEngine", "Aug"),
            QT_TRANSLATE_NOOP("BellEngine", "Sep"), QT_TRANSLATE_NOOP("BellEngine", "Oct"),
            QT_TRANSLATE_NOOP("BellEngine", "Nov"), QT_TRANSLATE_NOOP("BellEngine", "Dec")};
        nextBell = QStringLiteral("%1 %2 %3 %4")
                       .arg(QCoreApplication::translate("BellEngine", kDays[weekdayOf(day) - 1]))
                       .arg(static_cast<unsigned>(date.day()))
                       .arg(QCoreApplication::translate(
                                "BellEngine", kMonths[static_cast<unsigned>(date.month()) - 1]),
                            QString::fromStdString(bellText(first->first)));
        nextBellSound = QString::fromStdString(first->second);
        emit nextBellChanged();
        return;
    }
    nextBell = nextBellSound = QCoreApplication::translate("BellEngine", "NEXT DAY");
    emit nextBellChanged();
}

void BellEngine::ShowNextBell() {
    const int minute = clock_.now().MinuteOfDay();
    // On a day off, and after today's last bell before one or before a
    // special day, the next bell is the first after, with its date.
    const auto bellLeft = [&] {
        for (int i = 0; i < schedule.regularCount; ++i)
            if (schedule.todayTimes[static_cast<std::size_t>(i)] > minute)
                return true;
        return false;
    };
    const HolidayCalendar& calendar = model_.calendar();
    const auto unusual = [&] {
        const auto kind = calendar.choose(scheduleDay_ + 1).kind;
        return kind == DayChoice::Kind::NoBells || kind == DayChoice::Kind::Special;
    };
    if (today_.kind == DayChoice::Kind::NoBells || (!calendar.empty() && !bellLeft() && unusual()))
        return showBellAfterDaysOff();
    const NextBellText text =
        tollix::ShowNextBell(schedule, minute, model_.dayMode() == ScheduleModel::DayMode::Week);
    nextBell = QString::fromStdString(text.nextBell);
    nextBellSound = QString::fromStdString(text.nextBellSound);
    emit nextBellChanged();
}

// ---- Ringing by hand --------------------------------------------------------------

void BellEngine::RingNow(const std::optional<std::string>& selected,
                         const std::vector<std::string>& library, RingCause cause) {
    if (!held_.empty() && cause != RingCause::ByHand) {
        // Nobody asked at this moment: on record, no box over the signal.
        record({clock_.now(), RingOutcome::Held, selected.value_or(std::string()),
                held_ + (cause == RingCause::Countdown ? "; countdown" : "; school clock check")});
        return;
    }
    if (const auto refused = ringNow(selected, library,
                                     cause == RingCause::Countdown    ? "countdown"
                                     : cause == RingCause::ClockCheck ? "school clock check"
                                                                      : "ring now"))
        services_.messages.information(
            QCoreApplication::translate("Refusal", refused->title.c_str()),
            QCoreApplication::translate("Refusal", refused->text.c_str()));
}

Outcome BellEngine::ringNow(const std::optional<std::string>& selected,
                            const std::vector<std::string>& library, const std::string& reason) {
    if (!held_.empty())
        return Refusal{"TOLLIX", QT_TRANSLATE_NOOP("Refusal",
                                                   "An emergency signal sounds: no bell is rung "
                                                   "until All clear.")};
    if (!selected)
        return Refusal{"TOLLIX",
                       QT_TRANSLATE_NOOP("Refusal", "Select bell sound int [Select bell sound]")};
    if (!holdsPlayableFile(library))
        return Refusal{
            QT_TRANSLATE_NOOP("Refusal", "Warning"),
            QT_TRANSLATE_NOOP(
                "Refusal", "C:\\tollix\\sound folder must over one mp3 or wav or wma sound file")};
    const std::string& name = *selected;
    const fs::path& folder = services_.soundFolder;
    std::error_code ec;
    if (!fs::exists(folder / name, ec))
        return Refusal{"TOLLIX",
                       QT_TRANSLATE_NOOP("Refusal", "Not exist selected bell in sound folder.")};
    endBell();
    const LocalTime now = clock_.now();
    fs::path file = folder / name;
    if (name.find('.') == std::string::npos) {
        musicSecondsLeft = sound::musicMinutes(name) * 60;
        file = sound::StartMusicList(music, folder, name);
        if (file.empty()) {
            ResetBellState();
            return Refusal{"TOLLIX", QT_TRANSLATE_NOOP("Refusal",
                                                       "Music file must exist more than one in "
                                                       "music list folder, except file name "
                                                       "starting ##")};
        }
    }
    if (!startBell(file, 2, {now, RingOutcome::Rang, name, reason}))
        ResetBellState();
    return std::nullopt;
}

bool BellEngine::playTest(const std::string& sound) {
    if (isPlaying || !held_.empty())
        return false;
    stopTest();
    fs::path file = services_.soundFolder / sound;
    if (sound::isMusicFolder(sound)) {
        sound::MusicList list;
        file = sound::StartMusicList(list, services_.soundFolder, sound);
    }
    std::string problem;
    file = playable(file, problem);
    if (!problem.empty())
        return false;
    (void)chooseOutputs();  // where the bells play now, not where the last one did
    services_.player.setFileName(file.string());
    if (!services_.player.open())
        return false;
    soundControl.SetMasterMute(false);
    services_.player.play();
    testing_ = true;
    testSeconds_ = 0;
    emit testChanged(true);
    return true;
}

void BellEngine::stopTest() {
    if (!testing_)
        return;
    testing_ = false;
    services_.player.close();
    if (model_.general().sound_zero == 1)
        soundControl.SetMasterMute(true);
    emit testChanged(false);
}

void BellEngine::holdBells(std::string reason) {
    held_ = std::move(reason);
}

void BellEngine::quietAgain() {
    if (model_.general().sound_zero == 1 && !isPlaying && !testing_ && held_.empty())
        soundControl.SetMasterMute(true);
}

void BellEngine::bellStop() {
    endBell();
    services_.player.stopAll();
}

void BellEngine::Shutdown() {
    stopTest();
    settleAtOnce("the program ended");
    if (isPlaying)
        soundPlayer.Close();
    services_.player.stopAll();
    soundPlayer.PutBackVolume();
    soundControl.SetMasterMute(false);
}

void BellEngine::keepSoundStateIn(const fs::path& folder) {
    std::string undone;
    for (const auto& name : soundControl.keepMutedIn(folder / "muted"))
        undone += (undone.empty() ? "unmuted " : ", ") + name;
    if (const auto volume = soundPlayer.keepSavedVolumeIn(folder / "volume"))
        undone += (undone.empty() ? "" : "; ") + std::string("master volume put back to ") +
                  std::to_string(*volume);
    if (!undone.empty())
        record({clock_.now(), RingOutcome::Restored, "No com sound",
                undone + "; left so by a run that did not end normally"});
}

}  // namespace tollix
