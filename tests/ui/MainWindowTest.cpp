#include "tests/support/WindowDoubles.h"
#include "ui/FrmCountDown.h"
#include "ui/MenuWindows.h"
#include "ui/QtMessages.h"
#include "ui/RingLogWindow.h"
#include "ui/isAutoModeForm.h"

namespace tollix {
namespace {

class MainWindow : public test::WindowTest {
  protected:
    int ended = 0;

    main& load() {
        return WindowTest::load(services([this] { ++ended; }));
    }

    // The operator's three ways out, then the end of the session.
    static void leave(main& w, int way) {
        const std::function<void()> ways[] = {
            [&w] { w.close(); }, [&w] { QTest::mouseClick(w.mexit, Qt::LeftButton); },
            [&w] { w.mnExit1->trigger(); }, [&w] { w.EndSession(); }};
        ways[way]();
    }
};

// A first start, then "No com sound" mutes at once and each change is saved.
TEST_F(MainWindow,
       FirstStartShowsOffTheWeekIntervalsAndTheClockSavesEachChangeAndShowsABellNotHeard) {
    main& w = load();
    EXPECT_EQ(w.state->text(), u"OFF"_s);
    EXPECT_TRUE(w.Option1->isChecked() && w.Option3->isChecked());
    EXPECT_EQ(w.txtStartBellSound->text(), u"school-bell.wav"_s);
    EXPECT_EQ(mixer.calls, (std::vector<std::string>{"open", "unmute"}));
    clock.time = LocalTime{2026, 12, 5, 9, 5, 3, 0, 7};
    w.Timer1_Timer();
    EXPECT_EQ(w.now->text(), u"9 hr 5 min 3 sec"_s);
    EXPECT_EQ(w.now_day->text(),
              u"2026-12-05  "_s + QLocale::system().dayName(6, QLocale::LongFormat));

    QTest::mouseClick(w.sound_zero, Qt::LeftButton);
    EXPECT_TRUE(mixer.muted);
    EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).sound_zero, 1);
    QTest::mouseClick(w.sound_zero, Qt::LeftButton);
    EXPECT_FALSE(mixer.muted);
    EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).sound_zero, 0);
    // A bell not heard is shown in red until one is heard; the state opens the ring log.
    player.lengths[(paths.soundFolder() / "chime.wav").string()] = 1500;
    w.fileList->setListIndex(0);
    ASSERT_EQ(w.fileList->text(0), u"chime.wav"_s);

    w.btnNowBell_Click();
    mixer.muted = true;  // another program, as the bell began
    w.Timer1_Timer();
    EXPECT_TRUE(w.bellProblem->isVisibleTo(&w));
    EXPECT_EQ(w.bellProblem->text(), u"Bell not heard:\nthe speakers are muted"_s);

    w.btnNowBell_Click();
    w.Timer1_Timer();
    EXPECT_FALSE(w.bellProblem->isVisibleTo(&w));

    QTest::mouseClick(w.state, Qt::LeftButton);
    auto* logWindow = w.findChild<RingLogWindow*>();
    ASSERT_NE(logWindow, nullptr);
    const QStringList lines = logWindow->lines->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(u"\tnot-heard\tchime.wav\tring now"_s));
    EXPECT_TRUE(lines[1].contains(u"\trang\tchime.wav\tring now"_s));
    fs::remove_all(paths.dataFolder());  // a save that fails is said
    w.bellRepeat->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, u"Warning"_s);
}

TEST_F(MainWindow, RestoresAllEightLinesOfDataIniAndTheReservedExitAndNoRingsMeansNoNextBell) {
    sounds({"a.mp3", "b.mp3"});  // with the three bells: a, b, chime, school-bell, short-alarm
    writeBytes(paths.dataIni(), " 0 \r\n 1 \r\n 2 \r\n 2 \r\n 1 \r\n 2 \r\n 1 \r\n 1 \r\n");
    writeBytes(paths.dayList(2), " 1 \r\n07hr 30min/a.mp3\r\n08hr 00min/b.mp3\r\n");
    writeBytes(paths.exitIni(), "1\r\n17\r\n30\r\n");
    main& w = load();
    EXPECT_EQ(w.model.reservedExitAt(), 17 * 60 + 30);
    // Setting the box from the file writes it back with the same values.
    EXPECT_EQ(readBytes(paths.exitIni()), " 1 \r\n 17 \r\n 30 \r\n");
    EXPECT_EQ(w.auto_exe->value(), 0);
    EXPECT_EQ(w.fileList->text(w.fileList->ListIndex()), u"b.mp3"_s);
    EXPECT_TRUE(w.Option2->isChecked() && w.Option4->isChecked());
    EXPECT_TRUE(mixer.muted);  // "No com sound" mutes from start-up on
    EXPECT_TRUE(w.autoModeForm()->isAutoMode2->isChecked());
    for (CheckBox* box : {w.sound_zero, w.bellRepeat, w.chkTimeSync, w.nobell})
        EXPECT_EQ(box->value(), 1) << box->objectName().toStdString();
    // Set each day with manual input: today's (Monday's) list is on screen.
    EXPECT_EQ(listLines(*w.AddTimeList),
              (QStringList{u"07hr 30min/a.mp3"_s, u"08hr 00min/b.mp3"_s}));
    EXPECT_TRUE(w.bellStop->isVisibleTo(&w));
    EXPECT_TRUE(messages.shown.empty());  // not even the help of "Set each day"

    // Each day in the auto mode: Monday's intervals say "No rings".
    writeBytes(paths.dataIni(), " 0 \r\n 5 \r\n 1 \r\n 2 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
    writeBytes(paths.dayIntervals(2), "5\r\n0\r\n23\r\n0\r\n50\r\n10\r\n 1 \r\n");
    EXPECT_EQ(load().fileList->ListIndex(), -1);  // five sounds: position 5 does not exist
    window->start_Click();
    EXPECT_EQ(window->nextBell->text(), u"NEXT DAY"_s);  // like the manual mode
}

// Damaged files give the initial controls. An unreadable data.ini is said once,
// left as it is by start-up, replaced only when the operator changes a setting
// it holds, and then kept beside the new file.
TEST_F(MainWindow, DamagedFilesStartWithTheInitialControlsAndAnUnreadableDataIniIsKept) {
    writeBytes(paths.weekIntervals(), "17\r\n");
    writeBytes(paths.exitIni(), std::string(50000, 'x'));
    const fs::path aside = paths.dataIni().string() + ".unreadable";
    for (const std::string bytes : {"", "\x01\x02garbage"}) {
        SCOPED_TRACE(bytes);
        window.reset();
        messages.shown.clear();
        fs::remove(aside);
        writeBytes(paths.dataIni(), bytes);
        main& w = load();
        EXPECT_TRUE(w.Option1->isChecked());
        EXPECT_EQ((QStringList{w.start_h->text(), w.exit_h->text(), w.worktime->text()}),
                  (QStringList{u"17"_s, u"23"_s, u"50"_s}));
        EXPECT_EQ(w.chkAutoExit->value(), 0);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.contains(u"data.ini"_s));
        EXPECT_EQ(readBytes(paths.dataIni()), bytes);
        w.bellRepeat->setValue(1);  // the operator's change
        EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).bellRepeat, 1);
        EXPECT_EQ(readBytes(aside), bytes);
    }
}

TEST_F(MainWindow, AMissingSoundFolderIsReportedAndStartUpGoesOn) {
    fs::remove_all(paths.soundFolder());
    test::save(paths.dataIni(), {.timeMode = 2, .bellRepeat = 1});
    main& w = load();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(u"Error Number : \n"_s));
    EXPECT_TRUE(messages.shown[0].text.contains(u"sound folder"_s));
    EXPECT_TRUE(
        messages.shown[0].text.contains(QString::fromStdString(paths.soundFolder().string())));
    EXPECT_TRUE(w.Timer1->isEnabled());
    EXPECT_TRUE(w.Option2->isChecked());
}

TEST_F(MainWindow, StartIsRefusedWithoutTimes) {
    test::save(paths.dataIni(), {.timeMode = 2});
    main& w = load();
    w.start_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"nothing added time. please add time."_s);
    EXPECT_TRUE(w.start->isEnabled());
}

class Exits : public MainWindow, public ::testing::WithParamInterface<int> {};

TEST_P(Exits, UnmuteRestoreAFadedVolumeAndWriteNothing) {
    main& w = load();
    w.engine.volumeSaved = true;
    w.engine.savedVolume = 64;
    mixer.volume = 10;
    mixer.muted = true;
    const auto before = test::snapshot(dir.path());
    leave(w, GetParam());
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(mixer.volume, 64);
    EXPECT_FALSE(mixer.muted);
    EXPECT_FALSE(w.engine.volumeSaved);
    EXPECT_EQ(test::snapshot(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(AllFour, Exits, ::testing::Values(0, 1, 2, 3));

// Ending the bells is a decision: the operator's exits ask while the schedule
// runs, and No is their answer; the end of the session does not ask.
TEST_F(MainWindow, TheOperatorsExitsAskWhileTheBellsRunAndNoIsTheirAnswer) {
    main& w = load();
    w.start_Click();
    ASSERT_TRUE(w.engine.running());
    messages.answer = false;
    for (int way : {0, 1, 2, 3}) leave(w, way);
    EXPECT_EQ(ended, 1);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown.back().text, u"Stop all bells and exit TOLLIX?"_s);
}

// The engine rings what the day holds; the window builds it from its controls.
TEST_F(MainWindow, StartBuildsTheIntervalDayFromTheControlsAndLocksTheEditors) {
    sounds({"a.mp3", "b.wav"});
    clock.time = LocalTime{2026, 12, 7, 8, 59, 58, 0, 2};
    main& w = load();
    for (const auto& [field, text] : {std::pair{w.start_h, "9"},
                                      {w.exit_h, "12"},
                                      {w.exit_m, "0"},
                                      {w.txtStartBellSound, "a.mp3"},
                                      {w.txtEndBellSound, "b.wav"},
                                      {w.TxtPreBell2, "5"},
                                      {w.TxtPreBellName2, "a.mp3"}})
        field->setText(QLatin1String(text));
    w.ChkPreBell2->setValue(1);
    w.start_Click();
    EXPECT_FALSE(w.start->isEnabled());
    EXPECT_EQ(w.engine.bells().todayCount, 13);
    EXPECT_EQ(w.clock_list->count(), 7);  // start and end bells; the alarms are not listed
    EXPECT_EQ(w.nextBell->text(), u"09hr 00min"_s);
    EXPECT_EQ(w.nextBellSound->text(), u"a.mp3"_s);
    EXPECT_EQ(datafiles::readIntervals(paths.weekIntervals(), datafiles::IntervalFile::Week),
              w.intervals());
    w.stop1_Click();
    EXPECT_EQ(w.state->text(), u"OFF"_s);
    EXPECT_TRUE(w.start->isEnabled());
    EXPECT_TRUE(w.nextBell->text().isEmpty());
}

// The start entry, written while the settings are restored, looks at data.ini.
struct PeekingAutoStart final : AutoStart {
    fs::path dataIni;
    std::vector<int> timeModes;
    std::string write(const std::string&) override {
        timeModes.push_back(datafiles::readGeneral(dataIni).timeMode);
        return {};
    }
    std::string remove() override { return {}; }
};

TEST_F(MainWindow, RestoringSavesNothingHalfDoneAndLoadsLongValuesWhole) {
    test::save(paths.dataIni(), {.auto_exe = 1, .timeMode = 2});  // manual input
    // Every field other than at a first start; the work time longer than three characters.
    const IntervalSettings week{"7",     "5", "15", "30",    "0050", "15", 0,      "a.mp3",
                                "b.mp3", 1,   "3",  "c.mp3", 1,      "4",  "d.mp3"};
    ASSERT_EQ(datafiles::writeIntervals(paths.weekIntervals(), week, datafiles::IntervalFile::Week),
              "");
    PeekingAutoStart peek;
    peek.dataIni = paths.dataIni();
    main& w = WindowTest::load(MainServices{paths, clock, messages, mixer, player, [] {}, power,
                                            peek, executable, timeSync, ringLog});
    // When auto_exe was restored, data.ini still said "Manual input".
    EXPECT_EQ(peek.timeModes, (std::vector<int>{2}));
    EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).timeMode, 2);

    w.Option1->click();  // the week's intervals, every value read whole
    EXPECT_EQ(w.intervals(), week);
}

// Enter on a question keeps the operator's work.
TEST(QtMessagesQuestion, DefaultsToNo) {
    QtMessages messages;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()),
                  box->button(QMessageBox::No));
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_FALSE(messages.question(u"Delete"_s, u"Delete all times of time box?"_s));
}

class CountdownWindows : public test::WindowTest {
  protected:
    // The visible buttons of the countdown, in a fixed order.
    static std::string shown(const FrmCountDown& w) {
        std::string names;
        for (const PictureButton* b :
             {w.cmdStartCount, w.cmdPause, w.cmdRePlay, w.cmdAllWin, w.cmdCountExit, w.cmdClose})
            if (b->isVisibleTo(&w))
                names += b->objectName().toStdString() + (b->isEnabled() ? " " : "(off) ");
        return names;
    }
};

TEST_F(CountdownWindows, StartPauseReplayExitShowTheirButtonsZeroRingsOnceAndTheNextBellTicks) {
    main& w = load(services());
    player.lengths[(paths.soundFolder() / "chime.wav").string()] = 1000;
    w.fileList->setListIndex(0);
    FrmCountDown& c = *w.menus().countDownWindow();
    FrmFullScreen& full = *c.fullScreen();
    c.input_h->setText(u"0"_s);
    c.input_s->setText(u"61"_s);
    QTest::mouseClick(c.cmdStartCount, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"(second)Please input digit between 0 and 59"_s);
    EXPECT_EQ(shown(c), "cmdStartCount cmdClose ");

    c.input_s->setText(u"3"_s);
    QTest::mouseClick(c.cmdStartCount, Qt::LeftButton);
    EXPECT_EQ(shown(c), "cmdPause cmdAllWin cmdCountExit ");
    // Its own timer counts, a second at a time.
    EXPECT_TRUE(QTest::qWaitFor([&c] { return c.txtShowCount->text() == u"00:00:02"_s; }, 3000));

    // The full-screen window's buttons drive the small window's count.
    full.cmdPause->click();
    EXPECT_EQ(shown(c), "cmdRePlay cmdAllWin cmdCountExit ");
    EXPECT_FALSE(c.Timer1->isActive());
    full.cmdRePlay->click();
    EXPECT_TRUE(c.Timer1->isActive());

    for (int second = 0; second < 3; ++second) c.Timer1_Timer();
    EXPECT_EQ(full.lblTimeShow->text(), u"00:00:00"_s);
    EXPECT_EQ(std::count(player.calls.begin(), player.calls.end(), "play"), 1);
    EXPECT_EQ(shown(c), "cmdPause(off) cmdAllWin cmdCountExit ");
    QTest::mouseClick(c.cmdCountExit, Qt::LeftButton);
    EXPECT_EQ(shown(c), "cmdStartCount cmdClose ");
    c.setVisible(true);  // closing the window cancels the count: no bell
    QTest::mouseClick(c.cmdStartCount, Qt::LeftButton);
    c.close();
    for (int second = 0; second < 3; ++second) c.Timer1_Timer();
    EXPECT_EQ(std::count(player.calls.begin(), player.calls.end(), "play"), 1);

    // The next bell's window follows the tick.
    FrmBellCount* next = w.menus().bellCountWindow();
    clock.time = LocalTime{2026, 12, 7, 13, 5, 9, 0, 2};
    w.Timer1_Timer();
    EXPECT_EQ(next->lblNowTimeShow->text(), u"01:05:09PM"_s);
    EXPECT_EQ(next->lblTimeShow->text(), u"00:00:00"_s);  // no schedule: no bell
}

}  // namespace
}  // namespace tollix
