// Left alone: the tray, starting at log-on and the reserved exit, through
// the main window's controls.
#include "tests/support/WindowDoubles.h"
#include "ui/FrmSyncError.h"
#include "ui/HolidaysWindow.h"
#include "ui/MenuWindows.h"
#include "ui/isAutoExitForm.h"
#include "ui/isAutoModeForm.h"

#include <sys/stat.h>

namespace tollix {
namespace {

class Unattended : public test::WindowTest {
  protected:
    main& load(const std::string& program = "/opt/tollix/tollix") {
        executable = program;
        return WindowTest::load(services());
    }
    // Answers the modal window that the next click opens.
    static void whenShown(QDialog* dialog, std::function<void()> answer) {
        QTimer::singleShot(0, dialog, [dialog, answer] {
            ASSERT_TRUE(dialog->isVisible());
            answer();
        });
    }
};

TEST_F(Unattended, TheTrayGivesTheWindowBackAndAutoExecutionWritesTheEntry) {
    main& w = load();
    QTest::mouseClick(w.CmdTray, Qt::LeftButton);
    EXPECT_TRUE(w.inTray());
    EXPECT_EQ(w.trayIcon()->toolTip(), u"TOLLIX-Stop"_s);
    // No tray on this desktop: minimised, never hidden out of reach.
    EXPECT_TRUE(w.isMinimized() && w.isVisible());

    w.start_Click();  // the schedule starts while the window is in the tray
    EXPECT_EQ(w.trayIcon()->toolTip(), u"TOLLIX-Excuting..."_s);
    w.stop1_Click();
    EXPECT_EQ(w.trayIcon()->toolTip(), u"TOLLIX-Stop"_s);

    emit w.trayIcon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(w.isMinimized());
    w.showMinimized();  // minimising goes to the tray
    EXPECT_TRUE(w.inTray());
    w.mOpen->trigger();
    EXPECT_FALSE(w.inTray());

    // Auto execution asks the way, writes the entry, and clearing removes it.
    whenShown(w.autoModeForm(), [&w] {
        w.autoModeForm()->isAutoMode2->click();
        QTest::mouseClick(w.autoModeForm()->isAutoConfirm, Qt::LeftButton);
    });
    w.auto_exe->click();
    const GeneralSettings saved = datafiles::readGeneral(paths.dataIni());
    EXPECT_EQ(saved.auto_exe, 1);
    EXPECT_EQ(saved.autoMode, 2);
    EXPECT_NE(readBytes(autoStart.file()).find("\nExec=/opt/tollix/tollix\n"), std::string::npos);

    w.auto_exe->click();
    EXPECT_FALSE(fs::exists(autoStart.file()));
    EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).auto_exe, 0);

    // A folder that cannot be written: said, and the box does not stay set.
    fs::remove_all(dir.path() / "config");
    writeBytes(dir.path() / "config", "a file");
    whenShown(w.autoModeForm(),
              [&w] { QTest::mouseClick(w.autoModeForm()->isAutoConfirm, Qt::LeftButton); });
    w.auto_exe->click();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(w.auto_exe->value(), 0);
    EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).auto_exe, 0);
}

// Every start-up problem is said in one box, after the schedule has started.
TEST_F(Unattended, StartingAtLogOnRepairsTheEntryStartsTheBellsAndGoesToTheTray) {
    test::save(paths.dataIni(), {.auto_exe = 1, .timeMode = 2, .autoMode = 2});
    writeBytes(autoStart.file(), "[Desktop Entry]\nExec=/old/place/tollix\n");
    writeBytes(paths.weekList(), "08hr 30min/chime.wav\r\n");
    fs::remove(paths.exitIni());
    fs::create_directory(paths.exitIni());
    ASSERT_EQ(::mkfifo(paths.holidaysIni().c_str(), 0644), 0);
    main& w = load("/new/place/tollix");
    EXPECT_NE(readBytes(autoStart.file()).find("\nExec=/new/place/tollix\n"), std::string::npos);
    EXPECT_FALSE(w.start->isEnabled()) << "the schedule did not start";
    EXPECT_EQ(w.state->text(), u"ON"_s);
    EXPECT_TRUE(w.inTray());
    EXPECT_EQ(w.trayIcon()->toolTip(), u"TOLLIX-Excuting..."_s);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, u"TOLLIX"_s);
    EXPECT_TRUE(messages.shown[0].text.contains(u"exit.ini: is a folder"_s));
    EXPECT_TRUE(messages.shown[0].text.contains(u"holidays.ini: is a FIFO"_s));
}

// An exit time out of range never comes, is shown as it is and not rewritten;
// a time typed is checked and stored, and the spins wrap.
TEST_F(Unattended, AnExitTimeOutOfRangeNeverComesATypedOneIsCheckedAndStoredAndTheSpinsWrap) {
    writeBytes(paths.exitIni(), " 1 \r\n 25 \r\n 30 \r\n");
    main& w = load();
    EXPECT_EQ(readBytes(paths.exitIni()), " 1 \r\n 25 \r\n 30 \r\n");
    for (int minute = 0; minute < 24 * 60; minute += 30) {
        clock.time.hour = minute / 60;
        clock.time.minute = minute % 60;
        w.Timer1_Timer();
    }
    EXPECT_EQ(power.calls, 0) << "25:30 read as another time";
    w.chkAutoExit->click();
    EXPECT_EQ(readBytes(paths.exitIni()), " 0 \r\n 25 \r\n 30 \r\n");

    isAutoExitForm* form = w.autoExitForm();
    whenShown(form, [form] { QTest::keyClick(form, Qt::Key_Escape); });  // only Confirm arms
    QTest::mouseClick(w.chkAutoExit, Qt::LeftButton);
    EXPECT_EQ(w.chkAutoExit->value(), 0);
    EXPECT_EQ(readBytes(paths.exitIni()), " 0 \r\n 25 \r\n 30 \r\n");
    const char* hourMessage = "(Hour)Please input digit between 0 and 23";
    const char* minuteMessage = "(minute)Please input digit between 0 and 59";
    whenShown(form, [&] {
        EXPECT_EQ(form->input_h->text(), u"25"_s);
        EXPECT_EQ(form->input_m->text(), u"30"_s);
        for (const auto& [hour, minute, refusal] : {std::tuple{"", "", hourMessage},
                                                    {"7", "", minuteMessage},
                                                    {"24", "0", hourMessage},
                                                    {"23", "60", minuteMessage},
                                                    {"23", "59", ""}}) {
            SCOPED_TRACE(std::string(hour) + ":" + minute);
            messages.shown.clear();
            form->input_h->setText(QString::fromUtf8(hour));
            form->input_m->setText(QString::fromUtf8(minute));
            QTest::mouseClick(form->isAutoExitConfirm, Qt::LeftButton);
            const bool refused = *refusal != 0;
            ASSERT_EQ(messages.shown.size(), refused ? 1u : 0u);
            EXPECT_EQ(refused ? messages.shown[0].text : QString(), QString::fromUtf8(refusal));
            EXPECT_EQ(form->isVisible(), refused);
        }
    });
    w.chkAutoExit->click();
    EXPECT_EQ(readBytes(paths.exitIni()), " 1 \r\n 23 \r\n 59 \r\n");
    EXPECT_EQ(w.model.exitSettings().reservedExitHour, 23);

    // The spins keep their own count; the top value turns into 0.
    form->VScroll1->setPosition(23);
    form->VScroll1->stepUp();
    EXPECT_EQ(form->input_h->text(), u"0"_s);
    form->VScroll2->setPosition(59);
    form->VScroll2->stepUp();
    EXPECT_EQ(form->input_m->text(), u"0"_s);

    w.chkAutoExit->click();  // cleared: no window, the time kept
    EXPECT_EQ(readBytes(paths.exitIni()), " 0 \r\n 23 \r\n 59 \r\n");
}

// What the time client reports reaches the operator, and a correction moves
// the next bell at once.
TEST_F(Unattended, InternetTimeIsShownAsTheClientReportsItAndItsCorrectionsAreFollowed) {
    timesync::TimeSync& sync = timeSync;
    writeBytes(paths.weekList(), "08hr 30min/chime.wav\r\n09hr 00min/chime.wav\r\n");
    test::save(paths.dataIni(), {.fileListIndex = 0, .timeMode = 2});
    main& w = load();
    w.chkTimeSync->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown.back().text.startsWith(u"It uses the Internet time server"_s));
    emit sync.statusChanged(u"Bells follow ntp: this computer is 5.00 s behind"_s);
    EXPECT_EQ(w.chkTimeSync->toolTip(), u"Bells follow ntp: this computer is 5.00 s behind"_s);

    w.start_Click();
    EXPECT_EQ(w.nextBell->text(), u"08hr 30min"_s);
    clock.time.minute = 40;  // the server says it is later than the computer thought
    emit sync.correctionChanged(600'000);
    EXPECT_EQ(w.nextBell->text(), u"09hr 00min"_s);
    clock.time.minute = 10;  // the computer's clock was set back
    emit sync.clockSet();
    EXPECT_EQ(w.nextBell->text(), u"08hr 30min"_s);

    emit sync.failedTooOften();
    ASSERT_NE(w.menus().syncErrorWindow(), nullptr);
    EXPECT_TRUE(w.menus().syncErrorWindow()->isVisible());
    QTest::mouseClick(w.menus().syncErrorWindow()->cmdSyncError, Qt::LeftButton);
    EXPECT_FALSE(w.menus().syncErrorWindow()->isVisible());

    w.chkTimeSync->click();  // off: back to the computer's clock
    EXPECT_EQ(w.chkTimeSync->toolTip(),
              u"At real-time it synchronizes a computer time in standard time."_s);
}

// A day off started at log-on: the schedule runs, nothing is listed, the
// state says so, and the next bell is the first after the days off.
TEST_F(Unattended, ADayOffShowsHolidayAndTheFirstBellAfterIt) {
    writeBytes(paths.holidaysIni(), "2026-12-07..2026-12-08 Winter holidays\n");
    writeBytes(paths.weekList(), "08hr 30min/chime.wav\r\n");
    test::save(paths.dataIni(), {.auto_exe = 1, .fileListIndex = 0, .timeMode = 2});
    main& w = load();
    EXPECT_FALSE(w.start->isEnabled());
    EXPECT_EQ(w.state->text(), u"HOLIDAY"_s);
    EXPECT_EQ(w.dayNote->text(), u"Winter holidays"_s);
    EXPECT_EQ(w.clock_list->count(), 0);
    EXPECT_EQ(w.nextBell->text(), u"Wed 9 Dec 08hr 30min"_s);
    // The calendar changed while running, both ways: the state follows the day.
    for (const char* rules : {"", "2026-12-07 Snow day\n"}) {
        w.model.setCalendar(HolidayCalendar::parse(rules));
        EXPECT_EQ(w.state->text(), *rules ? u"HOLIDAY"_s : u"ON"_s) << rules;
    }
    w.stop1_Click();
    EXPECT_FALSE(w.dayNote->isVisible());
}

// Every list empty: said under the state until a bell comes within five school
// days. Tuesday the 15th is the sixth after today; the fifth once the 8th is off.
TEST_F(Unattended, SettingsThatRingNothingForASchoolWeekAreSaidUntilABellExists) {
    writeBytes(paths.dayList(8), " 0 \r\n09hr 00min/chime.wav\r\n");  // template 1
    writeBytes(paths.holidaysIni(), "2026-12-15 = Templet 1\n");
    test::save(paths.dataIni(), {.auto_exe = 1, .fileListIndex = 0, .timeMode = 2, .dayMode = 2});
    main& w = load();
    EXPECT_EQ(w.dayNote->text(),
              u"No bells set: nothing rings today or on the next five school days"_s);
    w.model.setCalendar(HolidayCalendar::parse("2026-12-08 Off\n2026-12-15 = Templet 1\n"));
    EXPECT_EQ(w.dayNote->text(), u""_s);
}

// The window edits the calendar file at once, and today follows it.
TEST_F(Unattended, TheDaysOffWindowAddsDeletesImportsAndMarksTheDays) {
    writeBytes(paths.holidaysIni(), "2026-12-24..2026-12-26 Christmas\nnot a rule\n");
    writeBytes(paths.dayList(7), " 0 \r\n09hr 15min/chime.wav\r\n");  // Saturday
    writeBytes(paths.dayList(2), " 0 \r\n07hr 45min/chime.wav\r\n");  // Monday
    test::save(paths.dataIni(), {.fileListIndex = 0, .timeMode = 2, .dayMode = 2});
    clock.time = LocalTime{2026, 12, 12, 7, 0, 0, 0, 7};  // a Saturday
    main& w = load();
    w.start_Click();
    EXPECT_EQ(w.nextBell->text(), u"09hr 15min"_s);
    EXPECT_EQ(w.clock_list->count(), 1);  // Saturday's list, as it rings
    w.menus().mnHolidays_Click();
    HolidaysWindow* h = w.menus().holidaysWindow();
    EXPECT_EQ(h->problems->text(),
              QStringLiteral("Line 2 is not read: \"not\" is not a date "
                             "(YYYY-MM-DD) or a range (YYYY-MM-DD..YYYY-MM-DD)"));

    // Today becomes a make-up day with Monday's bells.
    h->fromDate->setDate(QDate(2026, 12, 12));
    h->makeUp->setChecked(true);
    h->makeUpDay->setCurrentIndex(0);
    h->ruleName->setText(u"Open day"_s);
    h->addRule->click();
    EXPECT_EQ(readBytes(paths.holidaysIni()),
              "2026-12-24..2026-12-26 Christmas\nnot a rule\n2026-12-12 = Monday Open day\n");
    EXPECT_EQ(listLines(*w.clock_list), QStringList{u"07hr45min"_s});
    EXPECT_EQ(w.nextBell->text(), u"07hr 45min"_s);
    EXPECT_EQ(w.dayNote->text(), u"Make-up day: Monday's bells (Open day)"_s);
    EXPECT_EQ(h->rules->item(1)->text(), u"2026-12-12  Make-up day: Monday's bells (Open day)"_s);

    h->rules->setCurrentRow(1);
    h->deleteRule->click();
    h->special->setChecked(true);
    h->specialTemplet->setCurrentIndex(3);
    h->addRule->click();
    EXPECT_EQ(messages.shown.back().text,
              u"Templet 4 holds no bells: a special day with it would "
              u"ring nothing. Put its bells in first."_s);
    EXPECT_EQ(readBytes(paths.holidaysIni()), "2026-12-24..2026-12-26 Christmas\nnot a rule\n");
    EXPECT_EQ(w.nextBell->text(), u"09hr 15min"_s);

    writeBytes(dir.path() / "school.ics",
               "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270104\r\n"
               "SUMMARY:Inset day\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nDTSTART:20270105T090000\r\n"
               "SUMMARY:Assembly\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    // Another writer adds a day meanwhile: the window's next write keeps it.
    writeBytes(paths.holidaysIni(), readBytes(paths.holidaysIni()) + "2027-02-01 Snow day\n");
    h->importFile(dir.path() / "school.ics", *parseDate("2026-12-12"));
    EXPECT_EQ(messages.shown.at(messages.shown.size() - 2).text,
              u"school.ics\nDays without bells to add:\n  2027-01-04 Inset day\nSchool days "
              "(Monday to Friday) without bells: 1 in 2027\nSkipped events: 1 with a time of "
              "day\n\nImport these days?"_s);
    EXPECT_EQ(messages.shown.back().text,
              u"1 holidays imported, 1 events with a time of day skipped"_s);
    EXPECT_EQ(readBytes(paths.holidaysIni()),
              "2026-12-24..2026-12-26 Christmas\nnot a rule\n"
              "2027-02-01 Snow day\n2027-01-04 Inset day\n");
    h->specialTemplet->setCurrentIndex(1);  // still a special day
    h->ruleName->setText(u"Exams"_s);
    h->addRule->click();
    EXPECT_EQ(
        listLines(*h->rules),
        (QStringList{u"2026-12-24 – 2026-12-26  Christmas"_s, u"2027-02-01  Snow day"_s,
                     u"2027-01-04  Inset day"_s, u"2026-12-12  Special day: Templet 2 (Exams)"_s}));
}

}  // namespace
}  // namespace tollix
