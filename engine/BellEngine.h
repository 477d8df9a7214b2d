#pragma once

#include "engine/RingLog.h"
#include "engine/SchoolClock.h"
#include "engine/SecondTicker.h"
#include "model/ScheduleModel.h"
#include "platform/Clock.h"
#include "platform/MediaPlayer.h"
#include "platform/Messages.h"
#include "platform/Mixer.h"
#include "platform/PowerOff.h"
#include "schedule/BellEntry.h"
#include "schedule/Holidays.h"
#include "sound/BellState.h"
#include "sound/SoundPlayer.h"
#include "sound/SpokenText.h"
#include "sound/sound_control.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tollix {

// What the engine is given from outside.
struct EngineServices {
    const Clock& clock;
    MediaPlayer& player;
    Mixer& mixer;
    Messages& messages;
    std::filesystem::path soundFolder;
    // The reserved exit's power-off.
    PowerOff& powerOff;
    RingLog& ringLog;
    // One request to the internet time server.
    std::function<void()> sendTimeRequest = {};
    // The rendered WAV of a spoken sound (".say"); none: such a sound cannot sound.
    std::function<sound::SpokenFile(const std::filesystem::path& sayFile)> spoken = {};
};

// Why a bell is rung by hand.
enum class RingCause { ByHand, Countdown, ClockCheck };

// The bell engine: today's bells, the one-second tick that rings them, the
// bell now sounding, ringing by hand and the next bell. It owns the day; the
// windows draw what it reports and forward the operator's clicks.
class BellEngine final : public QObject, public sound::BellState {
    Q_OBJECT

  public:
    // The settings it reads and builds each day from are the model's.
    BellEngine(EngineServices services, ScheduleModel& model, QObject* parent = nullptr);

    // One tick of the clock.
    void Timer1_Timer();
    // The wall clock was stepped or the computer woke up: the next tick comes
    // on the new second and the next bell is computed afresh.
    void clockStepped();
    // Internet time moved the clock the bells go by: on record.
    void recordAdjusted(const QString& server, std::int64_t ms, bool clockSet);

    // No bells on days off, another weekday's bells on make-up days.
    DayChoice dayChoice(const LocalTime& t) const {
        return model_.calendar().choose(t.dayNumber());
    }

    // Today's bells, built from the stored settings, ring from the next minute
    // on; none on a day off. A day that cannot be built rings nothing, is put
    // on record and said; the schedule runs on and builds the next day.
    void startSchedule();
    void stopSchedule();
    // Start as the operator gives it: the settings' checks first, whose
    // refusal is returned. `library`: the sound list.
    Outcome start(const std::vector<std::string>& library);
    bool running() const { return scheduleRunning == 1; }
    const BellSchedule& bells() const { return schedule; }
    // Today's regular bells as "Today Bells" shows them.
    const std::vector<std::string>& todayLines() const { return todayLines_; }
    // What the running schedule's day is.
    const DayChoice& today() const { return today_; }
    // Why today rings nothing although it should; empty when it was built.
    const QString& dayProblem() const { return dayProblem_; }
    // The started schedule rings nothing today nor on the next five school
    // days: the settings left every list empty (a mode switched, "Set each day").
    bool silentAhead() const { return silentAhead_; }
    void ShowNextBell();

    // Rings `selected` of the sound list `library` at once; refusals are shown.
    void RingNow(const std::optional<std::string>& selected,
                 const std::vector<std::string>& library, RingCause cause = RingCause::ByHand);
    // The same, the refusal returned; `reason` goes on record ("ring now").
    Outcome ringNow(const std::optional<std::string>& selected,
                    const std::vector<std::string>& library, const std::string& reason);
    // A setting the program could not keep by itself, on record as `failed`
    // "settings": nobody may be there to read the box.
    void recordSettingFailed(const std::string& why);
    // Words said at once ("say"), rendered to `words`, on record with `reason`.
    void ringSaid(const sound::SpokenFile& words, const std::string& reason);
    // An order from outside the window on record: what, and by whom.
    void recordOrder(const std::string& what, const std::string& by);
    // A subscribed calendar's copy taken (`taken`: an adjusted line) or its fetch failed.
    void recordCalendar(const std::string& name, bool taken, const std::string& text);
    // Empty once a bell is heard; otherwise why the last was not.
    const QString& hearing() const { return shownProblem_; }
    void bellStop();
    // The way out: a faded volume put back and the output unmuted.
    void Shutdown();
    // Keeps what the sound server must get back (the outputs muted, a volume
    // saved by a fade) in `folder`, after giving back what a run that did not
    // end normally left there, which the ring record tells.
    void keepSoundStateIn(const std::filesystem::path& folder);
    // An output that failed (a relay's command, a stream): on the record of
    // the bell being judged, else on a line of its own.
    void outputFailed(const std::string& what);
    // Relays a run that did not end normally left on, switched off at start
    // (`off`, their commands) or not (`failed`, why).
    void recordRelaysRestored(const std::vector<std::string>& off,
                              const std::vector<std::string>& failed);

    // The school's time, which the bells and every clock shown go by.
    const Clock& clock() const { return clock_; }
    // While set, `sound` of `library` rings at every full minute of school
    // time: the operator lines the school clock up by ear.
    void ringEachMinute(std::optional<std::string> sound, std::vector<std::string> library = {});

    // A sound of the list played for a test: no bell, and not on the record.
    // It never sounds over a bell: refused while one sounds, and ended by any
    // bell that starts. A music list plays its first file. False when it
    // cannot be played.
    bool playTest(const std::string& sound);
    void stopTest();
    bool testPlaying() const { return testing_; }

    // An emergency signal sounds: every scheduled bell is held on record with
    // `reason` ("alarm: Lockdown"), ring now and countdown bells are refused,
    // and the outputs are the signal's. Empty: the bells ring again.
    void holdBells(std::string reason);
    const std::string& heldFor() const { return held_; }
    // The listed outputs that are there now play the next sound; what is
    // missing, for the record.
    std::string chooseBellOutputs() { return chooseOutputs(); }
    // What the player is given for `file`: a spoken sound's WAV; `problem`
    // says why a spoken sound has none.
    std::filesystem::path playable(const std::filesystem::path& file, std::string& problem) const;
    // Between bells, other programs are held silent again when so set.
    void quietAgain();

  private:
    SchoolClock clock_;

  public:
    sound::sound_control soundControl;
    sound::SoundPlayer soundPlayer;
    SecondTicker Timer1;

    // The texts the windows show.
    QString nextBell;           // "09hr 05min", "NEXT DAY" or empty
    QString nextBellSound;      // its sound, "NEXT DAY" or empty
    QString sideClockText;      // 01:05:09PM
    QString bellCountdownText;  // 00:12:40

    static constexpr std::size_t kRungMinutesKept = 4 * 1440;

  signals:
    // The schedule was started or stopped, by whichever front end.
    void runningChanged(bool running);
    // Today's bells were built afresh: at start, at midnight, after a calendar change.
    void dayChanged();
    // Every tick, for the clock labels.
    void ticked(const tollix::LocalTime& time);
    // Every tick, for the large-print windows: sideClockText and bellCountdownText.
    void sideTextsChanged();
    void nextBellChanged();
    // Whenever it changes: empty once a bell is heard; otherwise why the last was not.
    void hearingChanged(const QString& problem);
    // The ring record cannot be written; said once.
    void recordUnavailable(const QString& why);
    // A sound tried from the list began or ended.
    void testChanged(bool playing);
    // The reserved exit came and the computer could not be switched off.
    void powerOffRefused(const QString& why);
    // The tick saw the wall clock move apart from the monotonic clock, a step
    // nobody announced through clockStepped().
    void clockStepSeen();
    // Special days from today on would ring nothing: their template holds no
    // bells. Said when the calendar or a template makes it so, once each.
    void specialDaysWithoutBells(const QStringList& lines);

  private:
    void checkSpecialDays();
    void daysReloaded();
    void buildToday(const LocalTime& time);
    void calendarChanged();
    void schoolClockChanged();
    void endForNewDay();
    bool playingSecond(const LocalTime& time);
    void fireEntry(int index, const LocalTime& time);
    bool startBell(const std::filesystem::path& file, int extraSeconds, RingRecord record);
    void endBell();
    void checkBells(const LocalTime& time);
    // The file of the next minute's bell is loaded in its last seconds.
    void warmNextBell(const LocalTime& time);
    // The sound folder's file of a bell that names one; empty for a music
    // list or a file that is not there.
    std::filesystem::path bellFile(const std::string& name) const;
    void reservedExit(const LocalTime& time);
    void powerOffFailed(const LocalTime& time, const std::string& error);
    void recordJumpedOver(std::int64_t fromKey, std::int64_t toKey, const LocalTime& time,
                          const char* why =
                              "the clock jumped over this minute (time set or "
                              "computer asleep)");
    bool ringsNothingAhead() const;
    bool noticeStep(const LocalTime& time);
    void keepOthersSilent();
    // The listed outputs that are there now play the next bell; the rest are
    // named for its record.
    std::string chooseOutputs();
    void outputsChanged();
    void remember(std::int64_t minuteKey);
    // The verdict on the bell started at the last tick; one whose sound is
    // still on its way is given a few ticks more.
    void settle();
    void settleAtOnce(const char* why);
    QString hearingProblem(MediaPlayer::Output output);
    void record(RingRecord record);
    void report(const QString& problem);
    void showBellAfterDaysOff();

    int scheduleRunning = 0;
    int lastMinute = 0;  // minute of the hour seen by the last tick
    std::int16_t bellCheckArmed = 0;
    BellSchedule schedule;
    DayChoice today_;
    std::vector<std::string> todayLines_;
    QString dayProblem_;
    bool silentAhead_ = false;

    EngineServices services_;
    ScheduleModel& model_;
    static constexpr std::int64_t kNoMinute = -1;
    std::int64_t lastMinuteKey_ = kNoMinute;
    std::int64_t scheduleDay_ = 0;
    std::int64_t poweredOffAt_ = kNoMinute;
    std::set<std::int64_t> rung_;
    // The record of the bell started at the last tick, until it is judged.
    std::optional<RingRecord> pending_;
    int judgeWaits_ = 0;
    // The sound of the bell now sounding, as the list names it.
    std::string replaySound_;
    std::int64_t lastWallMs_ = 0;
    std::int64_t lastMonotonicMs_ = 0;
    bool haveReading_ = false;
    std::set<std::string> silentSpecialDays_;
    bool stepPending_ = false;
    int silenceCheck_ = 0;
    bool recordFailedShown_ = false;
    QString shownProblem_;
    bool inTick_ = false;
    bool testing_ = false;
    long testSeconds_ = 0;
    bool schoolClockRead_ = false;
    std::optional<std::string> minuteSound_;
    std::vector<std::string> minuteLibrary_;
    std::string held_;
};

}  // namespace tollix
