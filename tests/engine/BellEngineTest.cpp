// The bell engine alone, under a clock of the test's with the real time zone
// rules: whole days, music lists, ringing by hand, clock steps and summer
// time, and what the ring record says of each bell.
#include "tests/support/Doubles.h"

#include <climits>
#include <sstream>

namespace tollix {
namespace {

using test::SteppingClock;

class Engine : public ::testing::Test, protected test::EngineDoubles {
  protected:
    test::ScopedEnv zone{"TZ", "Europe/Berlin"};
    fs::path sounds = paths.soundFolder();
    ScheduleModel model{paths};
    SteppingClock clock;
    RingLog* logUsed = &ringLog;
    std::unique_ptr<BellEngine> engine;
    std::vector<QString> problems;
    std::string opened;  // "07 08:30:00+1 a.mp3, ..."
    std::size_t seenCalls = 0;

    // The settings: manual lists, "Apply week" or "Set each day ".
    void modes(int timeMode, int dayMode) {
        test::save(paths.dataIni(), {.timeMode = timeMode, .dayMode = dayMode});
        model.load(2);
    }
    // "08:30 a.mp3 08:31 b.wav" as the week's list (0) or a weekday's.
    void list(int weekday, const std::string& bells) {
        std::vector<std::string> lines;
        std::istringstream in(bells);
        for (std::string time, sound; in >> time >> sound;)
            lines.push_back(time.substr(0, 2) + "hr " + time.substr(3, 2) + "min/" + sound);
        weekday ? test::save(paths.dayList(weekday), {0, lines})
                : test::saveWeekList(paths.weekList(), lines);
        model.load(2);
    }
    void SetUp() override {
        fs::create_directories(paths.dataFolder());
        modes(2, 1);
        sound("a.mp3", 3000);
        sound("b.wav", 5600);
    }
    void sound(const std::string& name, long ms) {
        writeBytes(sounds / name, "x");
        player.lengths[(sounds / name).string()] = ms;
    }
    void begin(const char* local, const std::string& bells = {}) {
        clock.wallMs = clock.runningMs = SteppingClock::localMs(local);
        engine = std::make_unique<BellEngine>(
            EngineServices{clock, player, mixer, messages, sounds, power, *logUsed}, model);
        QObject::connect(engine.get(), &BellEngine::hearingChanged,
                         [this](const QString& problem) { problems.push_back(problem); });
        if (!bells.empty()) {
            list(0, bells);
            engine->startSchedule();
        }
    }
    void tick() {
        clock.second();
        engine->Timer1_Timer();
        for (const LocalTime t = clock.now(); seenCalls < player.calls.size(); ++seenCalls)
            if (const std::string& call = player.calls[seenCalls]; call.starts_with("open "))
                opened +=
                    QString::asprintf("%s%02d %02d:%02d:%02d%+d ", opened.empty() ? "" : ", ",
                                      t.day, t.hour, t.minute, t.second, t.utcOffsetSeconds / 3600)
                        .toStdString() +
                    fs::path(call.substr(5)).lexically_relative(sounds).string();
    }
    void runUntil(const char* local) {
        const std::int64_t until = SteppingClock::localMs(local);
        while (clock.wallMs < until) tick();
    }
    std::string records() const { return test::ringRecords(ringLog.file()); }
    bool recorded(const std::string& text) const {
        return readBytes(ringLog.file()).find(text) != std::string::npos;
    }
};

// Two bells in one minute ring in index order, the last heard; the start's minute is missed.
TEST_F(Engine, ADayRingsEachBellOnceAtItsMinuteButNotTheMinuteOfStart) {
    begin("2026-12-07 08:29:20", "08:29 a.mp3 08:31 a.mp3 08:31 b.wav 12:40 a.mp3 23:59 b.wav");
    EXPECT_EQ(engine->nextBell, u"08hr 31min"_s);
    player.calls.clear();
    runUntil("2026-12-07 08:31:01");
    EXPECT_EQ(player.calls,
              (std::vector<std::string>{"close", "open " + (sounds / "a.mp3").string(), "play",
                                        "close", "open " + (sounds / "b.wav").string(), "play"}));
    EXPECT_EQ(engine->durationSeconds, 6);
    runUntil("2026-12-07 23:59:59");
    EXPECT_EQ(opened,
              "07 08:31:00+1 a.mp3, 07 08:31:00+1 b.wav, 07 12:40:00+1 a.mp3, "
              "07 23:59:00+1 b.wav");
    // 5.6 s and one extra second: six ticks of sound, then the end.
    EXPECT_FALSE(engine->isPlaying);
    EXPECT_EQ(engine->nextBell, u"08hr 29min"_s);  // the week's list, tomorrow
    EXPECT_EQ(records(), "missed a.mp3, rang a.mp3, rang b.wav, rang a.mp3, rang b.wav");
    EXPECT_TRUE(problems.empty());
}

TEST_F(Engine, AMusicListPlaysIntroThenItsFilesAroundAndFadesOut) {
    sound("1_songs/##intro.mp3", 9000);
    sound("1_songs/b.mp3", 14000);
    sound("1_songs/A.mp3", 19000);
    mixer.range = {0, 65536};
    mixer.volume = 655 * 60;
    begin("2026-12-07 08:30:00", "08:31 1_songs");
    runUntil("2026-12-07 08:31:54");
    EXPECT_EQ(mixer.volume, 655 * 60);
    runUntil("2026-12-07 08:32:05");
    EXPECT_EQ(opened,
              "07 08:31:00+1 1_songs/##intro.mp3, 07 08:31:10+1 1_songs/A.mp3, "
              "07 08:31:30+1 1_songs/b.mp3, 07 08:31:45+1 1_songs/A.mp3");
    std::string volumes;
    for (const auto& call : mixer.calls)
        if (call.rfind("volume", 0) == 0)
            volumes += call.substr(7) + " ";
    EXPECT_EQ(volumes, "19650 7860 3930 0 39300 ");  // a half, a fifth, a tenth, then back
    EXPECT_FALSE(engine->isPlaying);
    EXPECT_FALSE(engine->volumeSaved);
}

TEST_F(Engine, RepeatPlaysAgainUntilStopBellAndStopEndsABellAtOnce) {
    begin("2026-12-07 08:30:00", "08:31 a.mp3 09:00 a.mp3 09:01 b.wav");
    model.setBellRepeat(true);
    runUntil("2026-12-07 08:31:20");
    EXPECT_EQ(std::count(opened.begin(), opened.end(), ','), 5);  // 08:31:00, :04, ... :20
    EXPECT_TRUE(recorded("\trang\ta.mp3\trepeat"));
    engine->bellStop();
    EXPECT_FALSE(engine->isPlaying);
    EXPECT_EQ(player.calls.back(), "close");
    runUntil("2026-12-07 09:00:01");
    EXPECT_TRUE(engine->isPlaying);
    EXPECT_TRUE(recorded("\trang\ta.mp3\tscheduled 09:00"));
    engine->stopSchedule();
    EXPECT_FALSE(engine->isPlaying);
    EXPECT_EQ(player.calls.back(), "close");
    EXPECT_TRUE(engine->nextBell.isEmpty());
    runUntil("2026-12-07 09:01:30");
    EXPECT_EQ(opened.find("09:01"), std::string::npos) << "a stopped schedule rang";

    list(0, "09:02 a.mp3");
    engine->startSchedule();
    runUntil("2026-12-07 09:02:01");
    player.lengths.clear();  // the file vanishes: the repeat ends the bell
    runUntil("2026-12-07 09:02:06");
    EXPECT_FALSE(engine->isPlaying);
    EXPECT_EQ(records().substr(records().rfind(", ") + 2), "failed a.mp3");
}

// Tuesday's settings cannot ring: Tuesday says so and rings nothing, and
// Wednesday rings all the same.
TEST_F(Engine, ADayThatCannotBeBuiltIsRecordedAndTheNextDayRings) {
    const std::string day = "0\r\n0\r\n1\r\n30\r\n50\r\n10\r\n 0 \r\na.mp3\r\nb.wav\r\n";
    writeBytes(paths.dayIntervals(2), day);
    writeBytes(paths.dayIntervals(3), "25" + day.substr(1));
    writeBytes(paths.dayIntervals(4), day);
    modes(1, 2);
    begin("2026-12-07 23:59:00");
    engine->startSchedule();
    runUntil("2026-12-08 12:00:00");
    EXPECT_EQ(engine->dayProblem(), u"Tuesday: (Start Hour)Please input digit between 0 and 23"_s);
    EXPECT_EQ(opened, "");
    runUntil("2026-12-09 00:00:30");
    EXPECT_EQ(opened, "09 00:00:01+1 a.mp3");
    EXPECT_TRUE(engine->dayProblem().isEmpty());
    EXPECT_EQ(records(), "failed 2026-12-08, rang a.mp3");
    EXPECT_TRUE(recorded("\t2026-12-08\tthe day's bells cannot be built: Tuesday: (Start Hour)"));
}

// At midnight the new weekday's list is built and its first bell rings;
// Wednesday is a day off and Saturday a make-up day with Thursday's bells.
TEST_F(Engine, DaysOffRingNothingAndMakeUpDaysRingAnotherWeekdaysBells) {
    modes(2, 2);
    for (int day = 4; day <= 6; ++day) list(day, day == 5 ? "09:00 b.wav" : "08:00 a.mp3");
    list(2, "08:00 a.mp3 23:59 a.mp3");  // Monday
    list(3, "00:00 b.wav 00:01 a.mp3");  // Tuesday
    begin("2026-12-07 07:59:00");
    model.setCalendar(
        HolidayCalendar::parse("2026-12-09 Staff training\n2026-12-12 = Thursday Open day\n"));
    engine->startSchedule();
    runUntil("2026-12-08 12:00:00");
    EXPECT_EQ(engine->nextBell, u"Thu 10 Dec 09hr 00min"_s);  // not "NEXT DAY"
    runUntil("2026-12-09 12:00:00");
    EXPECT_EQ(engine->today().kind, DayChoice::Kind::NoBells);
    EXPECT_EQ(engine->today().name, "Staff training");
    EXPECT_EQ(engine->nextBell, u"Thu 10 Dec 09hr 00min"_s);
    EXPECT_EQ(engine->nextBellSound, u"b.wav"_s);
    runUntil("2026-12-10 12:00:00");
    EXPECT_EQ(engine->nextBell, u"NEXT DAY"_s);
    runUntil("2026-12-12 10:00:00");
    EXPECT_EQ(opened,
              "07 08:00:00+1 a.mp3, 07 23:59:00+1 a.mp3, 08 00:00:01+1 b.wav, 08 00:01:00+1 a.mp3, "
              "10 09:00:00+1 b.wav, 11 08:00:00+1 a.mp3, 12 09:00:00+1 b.wav");
}

TEST_F(Engine, TheReservedExitComesOnceAtItsMinuteAfterSavingAndUnmuting) {
    mixer.muted = true;
    begin("2026-12-07 08:30:00");
    model.setSoundZero(true);
    model.setExitTime(8, 31);
    model.setAutoExit(true);
    fs::remove(paths.dataIni());
    runUntil("2026-12-07 08:30:10");
    mixer.muted = false;  // the sound server restarted: its sink is unmuted
    mixer.restarted = true;
    runUntil("2026-12-07 08:30:59");
    EXPECT_TRUE(mixer.muted) << "not muted again after the restart";
    EXPECT_EQ(power.calls, 0);
    runUntil("2026-12-07 08:31:00");
    EXPECT_EQ(power.calls, 1);
    EXPECT_TRUE(fs::exists(paths.dataIni())) << "the settings are saved first";
    EXPECT_FALSE(mixer.muted);
    clock.step(-30000);  // the minute lived again
    runUntil("2026-12-07 08:32:00");
    EXPECT_EQ(power.calls, 1);

    // Refused by the system: said, recorded, and the mute comes back.
    power.refusal = "CanPowerOff: no";
    model.setExitTime(8, 33);
    QSignalSpy said(engine.get(), &BellEngine::powerOffRefused);
    runUntil("2026-12-07 08:33:00");
    EXPECT_EQ(said, QList<QVariantList>{{u"CanPowerOff: no"_s}});
    EXPECT_TRUE(mixer.muted);
    EXPECT_EQ(records(), "failed Reservation Exit");
}

// 30 s ahead, then none: 08:30 rings once, before the computer's 08:30; 08:45 is next.
TEST_F(Engine, BellsGoBySchoolTimeAndAChangeRingsNoMinuteTwice) {
    writeBytes(paths.clockIni(), "+30\n");
    begin("2026-12-07 08:29:20");
    list(0, "08:30 a.mp3 08:45 b.wav");  // read at start: no step on record
    EXPECT_EQ(engine->clock().now().second, 50);
    engine->startSchedule();
    runUntil("2026-12-07 08:29:40");
    model.setSchoolClockMs(0);
    EXPECT_EQ(readBytes(paths.clockIni()), "0\n");
    runUntil("2026-12-07 08:31:00");
    EXPECT_EQ(records(), "rang a.mp3, adjusted School clock, held a.mp3");
    EXPECT_EQ(engine->nextBell, u"08hr 45min"_s);
}

// The clock going back, summer time, a clock set forward: a minute rings
// once, and a bell whose minute is jumped over is put on record, not rung.
TEST_F(Engine, AMinuteRingsOnceAndJumpedBellsAreRecordedWhateverTheClockDoes) {
    const struct {
        const char *name, *start, *list, *stepAt;  // stepAt nullptr: no step
        std::int64_t stepMs;
        int seconds;  // how long it runs after the start
        const char *rings, *records, *nextAfterStep;
    } cases[] = {
        {"back 30 s after a bell", "2026-12-07 08:29:50", "08:30 a.mp3 08:31 b.wav",
         "2026-12-07 08:30:10", -30000, 100, "07 08:30:00+1 a.mp3, 07 08:31:00+1 b.wav",
         "rang a.mp3, held a.mp3, rang b.wav", nullptr},
        {"summer time ends: 02:00-02:59 is lived twice", "2026-10-25 01:59:50",
         "02:30 a.mp3 03:00 b.wav", nullptr, 0, 2 * 3600 + 30,
         "25 02:30:00+2 a.mp3, 25 03:00:00+1 b.wav", "rang a.mp3, held a.mp3, rang b.wav", nullptr},
        {"summer time begins: 02:30 does not exist", "2026-03-29 01:59:50",
         "02:30 a.mp3 03:00 b.wav", nullptr, 0, 30, "29 03:00:00+2 b.wav",
         "missed a.mp3, rang b.wav", nullptr},
        {"forward 10 minutes over two bells", "2026-12-07 08:29:50",
         "08:32 a.mp3 08:35 b.wav 08:41 a.mp3", "2026-12-07 08:30:30", 600000, 120,
         "07 08:41:00+1 a.mp3", "missed a.mp3, missed b.wav, rang a.mp3", "08hr 41min"},
        {"back across midnight", "2026-12-07 23:58:50", "23:59 a.mp3 00:00 b.wav",
         "2026-12-08 00:00:20", -60000, 150, "07 23:59:00+1 a.mp3, 08 00:00:01+1 b.wav",
         "rang a.mp3, rang b.wav, held a.mp3, held b.wav", nullptr},
        {"forward by three days and half an hour", "2026-12-07 08:29:50", "08:30 a.mp3 09:00 b.wav",
         "2026-12-07 08:30:10", 3 * 86400000LL + 1800000, 30,
         "07 08:30:00+1 a.mp3, 10 09:00:12+1 b.wav",
         "rang a.mp3, missed b.wav, missed a.mp3, rang b.wav", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(ringLog.file());
        opened.clear();
        begin(c.start, c.list);
        std::int64_t stepAt = c.stepAt ? SteppingClock::localMs(c.stepAt) : -1;
        for (int i = 0; i < c.seconds; ++i) {
            tick();
            if (clock.wallMs == stepAt) {
                clock.step(c.stepMs);
                stepAt = -1;  // once
                tick();
                if (c.nextAfterStep) {
                    EXPECT_EQ(engine->nextBell.toStdString(), c.nextAfterStep);
                }
            }
        }
        EXPECT_EQ(opened, c.rings);
        EXPECT_EQ(records(), c.records);
    }
}

// A bell rung late says how late; every bell jumped over is one line, with
// its date when it was another day's.
TEST_F(Engine, TheRecordSaysHowLateABellRangAndWhichDayAMissedOneWas) {
    begin("2026-12-07 08:29:50", "08:30 a.mp3 08:45 b.wav");
    runUntil("2026-12-07 08:29:56");
    clock.wallMs += 30'000, clock.runningMs += 30'000;  // the process frozen over the minute
    runUntil("2026-12-07 08:30:40");
    clock.step(86'400'000 + 20 * 60'000);  // to 08:50 tomorrow
    runUntil("2026-12-08 08:50:45");
    EXPECT_EQ(records(), "rang a.mp3, missed b.wav, missed a.mp3, missed b.wav");
    EXPECT_TRUE(recorded("\trang\ta.mp3\tscheduled 08:30; late 27 s\n"));
    EXPECT_TRUE(recorded("\tb.wav\tscheduled 08:45 on 2026-12-07; the clock"));
}

TEST_F(Engine, ABellThatCannotBeHeardIsSaidAndRecordedAndTheNextHeardOneClearsIt) {
    writeBytes(sounds / "broken.mp3", "not a sound");
    begin("2026-12-07 08:29:50",
          "08:30 a.mp3 08:31 a.mp3 08:32 broken.mp3 08:33 a.mp3 08:34 a.mp3");
    mixer.muted = true;  // another program muted the output as the bell began
    runUntil("2026-12-07 08:30:00");
    mixer.muted = true;
    tick();
    mixer.muted = false;
    mixer.realDevice = false;  // a sound server without a sound card
    runUntil("2026-12-07 08:31:01");
    mixer.realDevice = true;
    runUntil("2026-12-07 08:33:01");
    mixer.volume = 0;  // turned all the way down
    runUntil("2026-12-07 08:34:01");
    const QString muted = u"Bell not heard: the speakers are muted"_s;
    EXPECT_EQ(problems, (std::vector<QString>{muted, u"Bell not heard: no sound output"_s,
                                              u"Bell not heard: the file could not be played"_s,
                                              QString(), muted}));
    EXPECT_EQ(records(),
              "not-heard a.mp3, not-heard a.mp3, failed broken.mp3, rang a.mp3, not-heard a.mp3");
    EXPECT_TRUE(recorded("\tscheduled 08:30; the speakers are muted"));
}

TEST_F(Engine, ARecordThatCannotBeWrittenIsSaidOnceAndTheBellsRingAllTheSame) {
    writeBytes(dir.path() / "blocked", "a file where the folder should be");
    RingLog blocked(dir.path() / "blocked" / "tollix" / "rings.log");
    logUsed = &blocked;
    begin("2026-12-07 08:29:50");
    QSignalSpy said(engine.get(), &BellEngine::recordUnavailable);
    list(0, "08:30 a.mp3 08:31 b.wav");
    engine->startSchedule();
    runUntil("2026-12-07 08:31:05");
    EXPECT_EQ(opened, "07 08:30:00+1 a.mp3, 07 08:31:00+1 b.wav");
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0][0].toString().contains(u"blocked"_s))
        << said[0][0].toString().toStdString();
}

TEST_F(Engine, RingNowRefusesInOrderThenRingsWithTwoExtraSecondsAndSaysSo) {
    begin("2026-12-07 09:00:00");
    const std::vector<std::string> library{"a.mp3", "b.wav"};
    engine->RingNow(std::nullopt, library);
    engine->RingNow(std::string("2_x"), {"2_x"});
    fs::remove(sounds / "a.mp3");
    engine->RingNow(std::string("a.mp3"), library);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[2].text, u"Not exist selected bell in sound folder."_s);
    engine->RingNow(std::string("b.wav"), library);
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(engine->durationSeconds, 7);
    EXPECT_TRUE(engine->nextBell.isEmpty());  // ringing by hand changes no schedule
    engine->RingNow(std::string("b.wav"), library, RingCause::Countdown);
    tick();
    EXPECT_EQ(records(), "rang b.wav, rang b.wav");
    EXPECT_TRUE(recorded("\trang\tb.wav\tring now"));
    EXPECT_TRUE(recorded("\trang\tb.wav\tcountdown"));
}

// A sound tried from the list is no bell: never over one, ended by one, and
// over by itself after its length.
TEST_F(Engine, ATriedSoundGivesWayToABellAndEndsByItself) {
    begin("2026-12-07 08:30:58", "08:31 b.wav");
    EXPECT_TRUE(engine->playTest("a.mp3"));
    tick();
    EXPECT_TRUE(engine->testPlaying());
    tick();  // 08:31:00
    EXPECT_FALSE(engine->testPlaying());
    EXPECT_FALSE(engine->playTest("a.mp3"));
    runUntil("2026-12-07 08:31:10");
    EXPECT_TRUE(engine->playTest("a.mp3"));  // 3 s, and a second to spare
    runUntil("2026-12-07 08:31:14");
    EXPECT_TRUE(engine->testPlaying());
    tick();
    EXPECT_FALSE(engine->testPlaying());
    EXPECT_EQ(records(), "rang b.wav");
}

// Whatever length a file claims, the bell ends when its count reaches it,
// three hours at most, and "No com sound" mutes again.
TEST_F(Engine, ABellEndsWhenItsTimeIsUpWhateverLengthTheFileClaims) {
    model.setSoundZero(true);
    begin("2026-12-07 08:00:00");
    const std::pair<long, long> lengths[] = {
        {5600, 7}, {-4000, 1}, {9'000'000'000'000, 3 * 3600}, {LONG_MAX, 3 * 3600}};
    for (const auto& [ms, seconds] : lengths) {
        sound("x.wav", ms);
        engine->RingNow(std::string("x.wav"), {"x.wav"});  // two seconds more than its length
        long ticks = 0;
        while (engine->isPlaying && ticks <= 4 * 3600) {
            tick();
            ++ticks;
        }
        EXPECT_EQ(ticks, seconds) << ms;
        EXPECT_TRUE(mixer.muted) << ms;
    }
}

// A run that ends without giving back the output (a crash, SIGKILL, a power
// cut) leaves it on record; the next start gives it back and says so.
TEST_F(Engine, MutesAndAFadesVolumeLeftByAnEndedRunAreGivenBackAtTheNextStart) {
    const fs::path state = dir.path() / "state";
    sound("1_x/song.mp3", 200000);
    mixer.volume = 80;
    begin("2026-12-07 09:00:00");
    engine->keepSoundStateIn(state);
    model.setSoundZero(true);
    engine->soundControl.SetMasterMute(true);
    EXPECT_EQ(readBytes(state / "muted"), "speakers\n");
    engine->RingNow(std::string("1_x"), {"1_x", "a.mp3"});
    EXPECT_FALSE(fs::exists(state / "muted"));  // unmuted for the bell
    runUntil("2026-12-07 09:00:56");
    EXPECT_EQ(mixer.volume, 40);
    EXPECT_EQ(readBytes(state / "volume"), "80\n");

    // Ended here (and an earlier run between bells): the next start unmutes
    // and puts the volume back first.
    writeBytes(state / "muted", "speakers\nprojector\n");
    mixer.calls.clear();
    begin("2026-12-07 09:05:00");
    engine->keepSoundStateIn(state);
    EXPECT_EQ(mixer.calls, (std::vector<std::string>{"adopt speakers projector", "volume 80"}));
    EXPECT_FALSE(fs::exists(state / "volume"));
    EXPECT_EQ(records().substr(records().rfind(", ") + 2), "restored No com sound");

    // A fade that ends as it should leaves nothing behind.
    engine->RingNow(std::string("1_x"), {"1_x", "a.mp3"});
    runUntil("2026-12-07 09:06:10");
    EXPECT_EQ(mixer.volume, 80);
    EXPECT_FALSE(fs::exists(state / "volume"));
    // Rung by hand during a fade, a bell puts the volume back first.
    engine->RingNow(std::string("1_x"), {"1_x", "a.mp3"});
    runUntil("2026-12-07 09:07:06");
    EXPECT_EQ(mixer.volume, 40);
    engine->RingNow(std::string("a.mp3"), {"1_x", "a.mp3"});
    EXPECT_EQ(mixer.volume, 80);
    EXPECT_EQ(engine->musicFileCount(), 0);
    engine->Shutdown();
    EXPECT_FALSE(fs::exists(state / "muted"));
}

// The next minute's file is loaded in the seconds before it; a sound slow to
// start is judged once it had time, and not heard only when it never starts.
TEST_F(Engine, TheNextBellIsLoadedAheadAndASlowStartIsNotTakenForSilence) {
    begin("2026-12-07 08:29:50", "08:30 a.mp3 08:32 b.wav");
    player.starting = 1;
    runUntil("2026-12-07 08:30:02");
    const std::string a = (sounds / "a.mp3").string();
    EXPECT_EQ(player.warmed, (std::vector<std::string>{a, a}));  // at 08:29:58 and :59
    EXPECT_EQ(records(), "rang a.mp3");
    player.starting = 9;
    runUntil("2026-12-07 08:32:03");
    EXPECT_EQ(records(), "rang a.mp3, not-heard b.wav");
}

}  // namespace
}  // namespace tollix
