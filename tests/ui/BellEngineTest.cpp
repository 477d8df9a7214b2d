// The bells of a whole day through the main window, under a fake clock with
// the player and mixer doubles: every tick is run by hand, second by second.
#include "schedule/DefaultFiles.h"
#include "tests/support/WindowDoubles.h"
#include "ui/main.h"

#include <QTest>

#include <gtest/gtest.h>

namespace tollix {
namespace {

using test::writeBytes;

class RecordingPowerOff final : public PowerOff {
  public:
    int calls = 0;
    void powerOff() override { ++calls; }
};

struct Opened {
    int secondOfDay;
    int day;
    std::string file;
    bool operator==(const Opened&) const = default;
};

class Bells : public ::testing::Test, protected test::WindowDoubles {
  protected:
    RecordingPowerOff power;
    std::unique_ptr<main> window;
    std::vector<Opened> opened;
    std::size_t seenCalls = 0;

    void SetUp() override {
        ASSERT_TRUE(EnsureProgramFolder(paths).empty());
        sound("a.mp3", 3000);
        sound("b.wav", 5600);
    }
    void sound(const std::string& name, long ms) {
        writeBytes(paths.soundFolder() / name, "x");
        player.lengths[(paths.soundFolder() / name).string()] = ms;
    }
    // data.ini: time mode 1 auto / 2 manual, day mode 1 week / 2 each day.
    void settings(int timeMode, int dayMode, int repeat = 0) {
        writeBytes(paths.dataIni(), " 0 \r\n-1 \r\n " + std::to_string(timeMode) + " \r\n " +
                                        std::to_string(dayMode) + " \r\n 0 \r\n 1 \r\n " +
                                        std::to_string(repeat) + " \r\n 0 \r\n");
    }
    main& load() {
        window = std::make_unique<main>(services([] {}, &power));
        window->Form_Load();
        return *window;
    }
    void at(int hour, int minute, int second) {
        clock.time.hour = hour;
        clock.time.minute = minute;
        clock.time.second = second;
    }
    // One tick a second until the given time of the same or the next day.
    void runUntil(int hour, int minute, int second, bool nextDay = false) {
        const int target = hour * 3600 + minute * 60 + second;
        for (;;) {
            LocalTime& t = clock.time;
            if (++t.second == 60) {
                t.second = 0;
                if (++t.minute == 60) {
                    t.minute = 0;
                    if (++t.hour == 24) {
                        t.hour = 0;
                        ++t.day;
                        t.weekday = t.weekday % 7 + 1;
                        nextDay = false;
                    }
                }
            }
            window->Timer1_Timer();
            for (; seenCalls < player.calls.size(); ++seenCalls)
                if (player.calls[seenCalls].rfind("open ", 0) == 0)
                    opened.push_back({t.SecondOfDay(), t.day,
                                      std::filesystem::path(player.calls[seenCalls].substr(5))
                                          .lexically_relative(paths.soundFolder())
                                          .string()});
            if (!nextDay && t.SecondOfDay() == target)
                return;
        }
    }
};

TEST_F(Bells, AManualDayRingsEveryBellOnceAtItsMinuteButNotInTheMinuteOfStart) {
    settings(2, 1);
    writeBytes(paths.weekList(),
               "08hr 29min/a.mp3\r\n08hr 31min/b.wav\r\n12hr 40min/a.mp3\r\n23hr 59min/b.wav\r\n");
    at(8, 29, 20);
    main& w = load();
    w.start_Click();
    EXPECT_EQ(w.state->text(), QStringLiteral("ON"));
    EXPECT_FALSE(w.start->isEnabled());
    EXPECT_FALSE(w.Option1->isEnabled());
    EXPECT_EQ(w.nextBell->text(), QStringLiteral("08hr 31min"));
    EXPECT_EQ(w.clock_list->count(), 4);
    runUntil(23, 59, 59);
    const int day = clock.time.day;
    EXPECT_EQ(opened, (std::vector<Opened>{{8 * 3600 + 31 * 60, day, "b.wav"},
                                           {12 * 3600 + 40 * 60, day, "a.mp3"},
                                           {23 * 3600 + 59 * 60, day, "b.wav"}}));
    // 5.6 s and one extra second: six ticks of sound, then the end.
    EXPECT_FALSE(w.engine.isPlaying);
    EXPECT_EQ(w.nextBell->text(), QStringLiteral("08hr 29min"));  // the week's list, tomorrow
}

TEST_F(Bells, AnIntervalDayRingsItsStartAndEndBellsAndAlarms) {
    settings(1, 1);
    at(8, 0, 0);
    main& w = load();
    w.start_h->setText(QStringLiteral("9"));
    w.start_m->setText(QStringLiteral("0"));
    w.exit_h->setText(QStringLiteral("12"));
    w.exit_m->setText(QStringLiteral("0"));
    w.txtStartBellSound->setText(QStringLiteral("a.mp3"));
    w.txtEndBellSound->setText(QStringLiteral("b.wav"));
    w.ChkPreBell2->setValue(1);
    w.TxtPreBell2->setText(QStringLiteral("5"));
    w.TxtPreBellName2->setText(QStringLiteral("a.mp3"));
    w.start_Click();
    ASSERT_EQ(w.state->text(), QStringLiteral("ON"));
    EXPECT_EQ(w.schedule.todayCount, 13);
    runUntil(12, 30, 0);
    std::vector<int> minutes;
    for (const auto& bell : opened) minutes.push_back(bell.secondOfDay / 60);
    EXPECT_EQ(minutes, (std::vector<int>{540, 585, 590, 600, 645, 650, 660, 705, 710, 720}));
    for (const auto& bell : opened)
        EXPECT_EQ(bell.secondOfDay % 60, 0) << "rings on the first tick of its minute";
}

TEST_F(Bells, TwoBellsInOneMinuteRingInIndexOrderAndTheLastIsHeard) {
    settings(2, 1);
    writeBytes(paths.weekList(), "08hr 31min/a.mp3\r\n08hr 31min/b.wav\r\n");
    at(8, 30, 0);
    main& w = load();
    w.start_Click();
    player.calls.clear();
    runUntil(8, 31, 0);
    EXPECT_EQ(player.calls,
              (std::vector<std::string>{
                  "close", "open " + (paths.soundFolder() / "a.mp3").string(), "play", "close",
                  "open " + (paths.soundFolder() / "b.wav").string(), "play"}));
    EXPECT_EQ(w.engine.durationSeconds, 6);
}

TEST_F(Bells, AMusicListPlaysIntroThenItsFilesAroundAndFadesOut) {
    const auto list = paths.soundFolder() / "1_songs";
    for (const auto& [name, ms] : std::vector<std::pair<std::string, long>>{
             {"##intro.mp3", 9000}, {"b.mp3", 14000}, {"A.mp3", 19000}}) {
        writeBytes(list / name, "x");
        player.lengths[(list / name).string()] = ms;
    }
    settings(2, 1);
    writeBytes(paths.weekList(), "08hr 31min/1_songs\r\n");
    mixer.range = {0, 65536};
    mixer.volume = 655 * 60;
    at(8, 30, 0);
    main& w = load();
    w.start_Click();
    runUntil(8, 31, 54);
    EXPECT_EQ(mixer.volume, 655 * 60);
    runUntil(8, 32, 5);
    const int base = 8 * 3600 + 31 * 60;
    const int day = clock.time.day;
    EXPECT_EQ(opened, (std::vector<Opened>{{base, day, "1_songs/##intro.mp3"},
                                           {base + 10, day, "1_songs/A.mp3"},
                                           {base + 30, day, "1_songs/b.mp3"},
                                           {base + 45, day, "1_songs/A.mp3"}}));
    std::vector<std::string> volumes;
    for (const auto& call : mixer.calls)
        if (call.rfind("volume", 0) == 0)
            volumes.push_back(call);
    EXPECT_EQ(volumes, (std::vector<std::string>{"volume 19650", "volume 7860", "volume 3930",
                                                 "volume 0", "volume 39300"}));
    EXPECT_FALSE(w.engine.isPlaying);
    EXPECT_FALSE(w.engine.volumeSaved);
}

TEST_F(Bells, RepeatPlaysAgainUntilStopBellAndStopEndsABellAtOnce) {
    settings(2, 1, 1);
    writeBytes(paths.weekList(), "08hr 31min/a.mp3\r\n09hr 00min/a.mp3\r\n");
    at(8, 30, 0);
    main& w = load();
    EXPECT_TRUE(w.bellStop->isVisibleTo(&w));
    w.start_Click();
    runUntil(8, 31, 20);
    EXPECT_EQ(opened.size(), 6u);  // 08:31:00, :04, :08, :12, :16, :20
    EXPECT_TRUE(w.engine.isPlaying);
    QTest::mouseClick(w.bellStop, Qt::LeftButton);
    EXPECT_FALSE(w.engine.isPlaying);
    EXPECT_EQ(player.calls.back(), "close");
    runUntil(8, 59, 0);
    EXPECT_EQ(opened.size(), 6u);

    runUntil(9, 0, 1);
    EXPECT_TRUE(w.engine.isPlaying);
    w.stop1_Click();
    EXPECT_FALSE(w.engine.isPlaying);
    EXPECT_EQ(player.calls.back(), "close");
    EXPECT_EQ(w.state->text(), QStringLiteral("OFF"));
    EXPECT_TRUE(w.nextBell->text().isEmpty());
    EXPECT_EQ(w.clock_list->count(), 0);
    EXPECT_TRUE(w.start->isEnabled());
}

TEST_F(Bells, AtMidnightTheNewWeekdaysListIsBuiltAndItsFirstBellRings) {
    settings(2, 2);
    writeBytes(paths.dayList(2), " 0 \r\n23hr 59min/a.mp3\r\n");  // Monday
    writeBytes(paths.dayList(3), " 0 \r\n00hr 00min/b.wav\r\n00hr 01min/a.mp3\r\n");
    at(23, 58, 30);
    main& w = load();
    w.start_Click();
    EXPECT_EQ(w.nextBell->text(), QStringLiteral("23hr 59min"));
    const int monday = clock.time.day;
    runUntil(0, 1, 30, true);
    EXPECT_EQ(opened, (std::vector<Opened>{{23 * 3600 + 59 * 60, monday, "a.mp3"},
                                           {1, monday + 1, "b.wav"},
                                           {60, monday + 1, "a.mp3"}}));
    EXPECT_EQ(w.VScroll9->position(), 3);
    EXPECT_EQ(w.state->text(), QStringLiteral("ON"));
    EXPECT_EQ(w.nextBell->text(), QStringLiteral("NEXT DAY"));
}

TEST_F(Bells, TheReservedExitComesAtItsMinuteWithTheScheduleStopped) {
    writeBytes(paths.exitIni(), " 1 \r\n 8 \r\n 31 \r\n");
    at(8, 30, 0);
    load();
    runUntil(8, 30, 59);
    EXPECT_EQ(power.calls, 0);
    runUntil(8, 32, 0);
    EXPECT_EQ(power.calls, 1);
}

TEST_F(Bells, StartIsRefusedWithoutSoundsOrTimes) {
    settings(2, 1);
    main& w = load();
    w.start_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("nothing added time. please add time."));
    EXPECT_EQ(w.state->text(), QStringLiteral("OFF"));
    EXPECT_TRUE(w.start->isEnabled());
}

TEST_F(Bells, RingNowRefusesInOrderThenRingsWithTwoExtraSeconds) {
    settings(2, 1);
    main& w = load();
    w.btnNowBell_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Select bell sound int [Select bell sound]"));
    w.fileList->setListIndex(0);  // a.mp3
    std::filesystem::remove(paths.soundFolder() / "a.mp3");
    w.btnNowBell_Click();
    EXPECT_EQ(messages.shown.back().text,
              QStringLiteral("Not exist selected bell in sound folder."));
    w.fileList->setListIndex(1);  // b.wav
    w.btnNowBell_Click();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(w.engine.isPlaying);
    EXPECT_EQ(w.engine.durationSeconds, 7);
    EXPECT_TRUE(w.nextBell->text().isEmpty());  // ringing by hand changes no schedule
}

TEST_F(Bells, RingNowDuringAFadePutsTheVolumeBackFirst) {
    writeBytes(paths.soundFolder() / "2_x" / "song.mp3", "x");
    player.lengths[(paths.soundFolder() / "2_x" / "song.mp3").string()] = 200000;
    settings(2, 1);
    mixer.volume = 80;
    at(9, 0, 0);
    main& w = load();
    w.fileList->setListIndex(0);  // 2_x
    ASSERT_EQ(w.fileList->text(0), QStringLiteral("2_x"));
    w.btnNowBell_Click();
    runUntil(9, 1, 57);
    EXPECT_TRUE(w.engine.volumeSaved);
    EXPECT_EQ(mixer.volume, 16);
    w.fileList->setListIndex(1);  // a.mp3
    w.btnNowBell_Click();
    EXPECT_EQ(mixer.volume, 80);
    EXPECT_FALSE(w.engine.volumeSaved);
    EXPECT_EQ(w.engine.musicFileCount(), 0);
    EXPECT_EQ(w.engine.durationSeconds, 5);
}

}  // namespace
}  // namespace tollix
