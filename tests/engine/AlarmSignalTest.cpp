// The emergency signals over the engine and its doubles, under the test's clock.
#include "engine/AlarmSignal.h"
#include "sound/AlarmSynth.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

using test::SteppingClock;

class Alarm : public ::testing::Test, protected test::EngineDoubles {
  protected:
    test::ScopedEnv zone{"TZ", "Europe/Berlin"};
    ScheduleModel model{paths};
    SteppingClock clock;
    fs::path own = dir.path() / "state/alarm-sounds";
    std::unique_ptr<BellEngine> engine;
    std::unique_ptr<AlarmSignal> alarm;
    sound::SpokenFile spoken{{}, "still being rendered"};  // the speech hook's, for any text

    void SetUp() override {
        fs::create_directories(paths.dataFolder());
        writeBytes(paths.soundFolder() / "a.mp3", "x");
        player.lengths[(paths.soundFolder() / "a.mp3").string()] = 3000;
        player.lengths[(own / "lockdown-signal.wav").string()] = 4600;
        player.lengths[(own / "evacuation-tone.wav").string()] = 8000;
        player.lengths[(own / "all-clear-chime.wav").string()] = 2200;
        test::save(paths.dataIni(), {.timeMode = 2, .dayMode = 1, .sound_zero = 1});
        test::saveWeekList(paths.weekList(), {"08hr 30min/a.mp3"});
        model.load(2);
        mixer.volume = 40;
        mixer.muted = true;
    }
    void begin(const char* local) {
        clock.wallMs = clock.runningMs = SteppingClock::localMs(local);
        EngineServices services = engineServices(clock);
        services.spoken = [this](const fs::path&) { return spoken; };
        engine = std::make_unique<BellEngine>(services, model);
        alarm = std::make_unique<AlarmSignal>(
            AlarmSignal::Services{*engine, player, ringLog, paths.soundFolder(),
                                  paths.dataFolder() / "alarms.ini", dir.path() / "state"});
        engine->startSchedule();
        alarm->start();
    }
    void runUntil(const char* local) {
        for (const std::int64_t until = SteppingClock::localMs(local); clock.wallMs < until;) {
            clock.second();
            engine->Timer1_Timer();
        }
    }
    long opens(const std::string& file) const {
        return std::count(player.calls.begin(), player.calls.end(),
                          "open " + (own / file).string());
    }
    std::string records() const { return test::ringRecords(ringLog.file()); }
    std::string log() const { return readBytes(ringLog.file()); }
};

// While a signal sounds every bell is held and none may be rung; it repeats
// at its own pace, unmuted at full volume; All clear plays once and gives
// the outputs back as "No com sound" and the volume had them.
TEST_F(Alarm, ASignalHoldsTheBellsRepeatsAndAllClearGivesTheOutputsBack) {
    begin("2026-12-07 08:29:50");
    runUntil("2026-12-07 08:29:55");
    ASSERT_TRUE(alarm->order("lockdown", "window"));
    EXPECT_EQ(readBytes(dir.path() / "state/alarm"), "Lockdown\nwindow\n40\n");
    EXPECT_FALSE(mixer.muted);
    EXPECT_EQ(mixer.volume, 100);
    EXPECT_EQ(player.calls.back(), "play");
    EXPECT_EQ(engine->ringNow("a.mp3", {"a.mp3"}, "ring now")->text,
              "An emergency signal sounds: no bell is rung until All clear.");
    engine->RingNow("a.mp3", {"a.mp3"}, RingCause::Countdown);
    EXPECT_TRUE(messages.shown.empty()) << "no box over the signal";
    EXPECT_FALSE(alarm->tryOut(kEvacuation));
    runUntil("2026-12-07 08:30:56");
    EXPECT_EQ(opens("lockdown-signal.wav"), 3) << "at 08:29:55, 08:30:25 and 08:30:55";
    EXPECT_EQ(std::count(player.calls.begin(), player.calls.end(),
                         "open " + (paths.soundFolder() / "a.mp3").string()),
              0);
    EXPECT_FALSE(mixer.muted) << "the tick's silence check leaves the signal heard";

    ASSERT_TRUE(alarm->order("Evacuation", "web from 10.0.0.7"));
    runUntil("2026-12-07 08:31:13");
    EXPECT_EQ(opens("evacuation-tone.wav"), 3) << "again as each play ends";
    EXPECT_EQ(engine->heldFor(), "alarm: Evacuation");

    ASSERT_TRUE(alarm->order("All clear", "North"));
    EXPECT_FALSE(fs::exists(dir.path() / "state/alarm"));
    EXPECT_EQ(opens("all-clear-chime.wav"), 1);
    EXPECT_EQ(engine->heldFor(), "");
    runUntil("2026-12-07 08:31:20");
    EXPECT_EQ(opens("all-clear-chime.wav"), 1) << "once";
    EXPECT_EQ(player.wholePlays, 7) << "relays on for each signal's whole sound";
    EXPECT_FALSE(player.holdingThrough) << "a bell keeps its own hold";
    EXPECT_EQ(mixer.volume, 40);
    EXPECT_TRUE(mixer.muted);
    EXPECT_FALSE(alarm->order("Fire", "window"));
    EXPECT_EQ(records(),
              "alarm Lockdown, held a.mp3, held a.mp3, alarm Evacuation, all-clear Evacuation");
    EXPECT_NE(log().find("\theld\ta.mp3\talarm: Lockdown; scheduled 08:30"), std::string::npos);
    EXPECT_NE(log().find("\theld\ta.mp3\talarm: Lockdown; countdown"), std::string::npos);
    EXPECT_NE(log().find("\tall-clear\tEvacuation\tNorth"), std::string::npos);
}

// A signal left by a run that ended without All clear sounds at the next start.
TEST_F(Alarm, ASignalLeftByTheLastRunIsResumedAtStart) {
    writeBytes(dir.path() / "state/alarm", "Evacuation\nNorth\n55\n");
    begin("2026-12-07 08:29:50");
    EXPECT_EQ(alarm->active(), kEvacuation);
    EXPECT_EQ(opens("evacuation-tone.wav"), 1);
    EXPECT_NE(log().find("\talarm\tEvacuation\tresumed; given by North"), std::string::npos);
    runUntil("2026-12-07 08:30:01");
    EXPECT_EQ(records(), "alarm Evacuation, held a.mp3");
    EXPECT_EQ(mixer.volume, 100);
    alarm->order(kAllClear, "window");
    runUntil("2026-12-07 08:30:05");
    EXPECT_EQ(mixer.volume, 55) << "the volume the last run found";
}

// A spoken signal's words, or the program's own signal until they are rendered.
TEST_F(Alarm, ASpokenSignalSoundsItsWordsOrTheOwnSignalUntilRendered) {
    writeBytes(paths.soundFolder() / "drill.say", "Lockdown. Stay in your rooms.");
    const fs::path wav = dir.path() / "drill.wav";
    player.lengths[wav.string()] = 3000;
    begin("2026-12-07 08:29:50");
    EXPECT_EQ(std::ranges::count(alarm->soundChoices(), "drill.say"), 1);
    ASSERT_EQ(alarm->set({kLockdown, "drill.say", 5}), "");
    ASSERT_TRUE(alarm->order(kLockdown, "window"));
    runUntil("2026-12-07 08:29:56");
    EXPECT_EQ(opens("lockdown-signal.wav"), 2);
    spoken = {wav, ""};
    runUntil("2026-12-07 08:30:01");
    EXPECT_EQ(player.calls.end()[-2], "open " + wav.string());
    EXPECT_EQ(records(), "alarm Lockdown, failed drill.say, held a.mp3") << "said once";
    EXPECT_NE(log().find("\tdrill.say\tnot spoken: still being rendered; the program's own"),
              std::string::npos);
}

// data/alarms.ini: written with the defaults at first start; a line that
// cannot be read keeps its default, an unknown name is left out.
TEST_F(Alarm, TheSignalsFileHoldsEachSignalsSoundAndRepeat) {
    begin("2026-12-07 08:29:50");
    EXPECT_EQ(readBytes(paths.dataFolder() / "alarms.ini"),
              "Lockdown = lockdown-signal.wav; repeat=30\r\n"
              "Evacuation = evacuation-tone.wav; repeat=0\r\n"
              "All clear = all-clear-chime.wav; repeat=0\r\n");
    for (const auto& tone : sound::kAlarmTones)
        EXPECT_GT(fs::file_size(own / tone.fileName), 40000u);
    writeBytes(paths.dataFolder() / "x.ini",
               "Evacuation = horn.wav; repeat=12\nLOCKDOWN=siren.mp3;repeat=x\nFire = f.wav\n"
               "All clear; repeat=5\n");
    const AlarmSettings read = AlarmSettings::read(paths.dataFolder() / "x.ini");
    EXPECT_EQ(read.sounds, (std::vector<AlarmSound>{{kLockdown, "siren.mp3", 30},
                                                    {kEvacuation, "horn.wav", 12},
                                                    {kAllClear, "all-clear-chime.wav", 0}}));
    EXPECT_EQ(alarm->set({kLockdown, "a.mp3", 20}), "");
    EXPECT_EQ(AlarmSettings::read(paths.dataFolder() / "alarms.ini").of(kLockdown).sound, "a.mp3");
    EXPECT_EQ(alarmName("ALL-CLEAR"), kAllClear);
    EXPECT_EQ(alarmName("Lock down"), std::nullopt);
}

}  // namespace
}  // namespace tollix
