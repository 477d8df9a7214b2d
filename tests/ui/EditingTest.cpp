#include "tests/support/WindowDoubles.h"
#include "ui/CopyToDialog.h"
#include "ui/templet.h"

namespace tollix {
namespace {

using test::clickArrow;

constexpr bool kUp = true;  // the top arrow
constexpr bool kDown = false;

class Editing : public test::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        sounds({"bell.mp3", "march.mp3"});
        fs::create_directories(paths.soundFolder() / "10_morning");
    }
    // data.ini: time mode 1 auto / 2 manual, day mode 1 week / 2 each day.
    void settings(int timeMode, int dayMode) {
        test::save(paths.dataIni(), {.timeMode = timeMode, .dayMode = dayMode});
    }
    main& load() {
        WindowTest::load(services());
        messages.shown.clear();
        return *window;
    }
    // Picks the line `text` of `list`, the sounds unless said.
    void pick(const char* text, QListWidget* list = nullptr) {
        list = list ? list : window->fileList;
        const auto found = list->findItems(QLatin1String(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        list->setCurrentItem(found[0]);
    }
    void add(const char* hour, const char* minute) {
        window->input_h->setText(QLatin1String(hour));
        window->input_m->setText(QLatin1String(minute));
        QTest::mouseClick(window->TimeAdd, Qt::LeftButton);
    }
    QString lastMessage() const {
        return messages.shown.empty() ? QString() : messages.shown.back().text;
    }
};

// The buttons hand the model the line and the sound picked; deleting all asks first.
TEST_F(Editing, TheListButtonsForwardWhatIsPickedAndDeleteAllAsksAndTheArrowsMoveTheDay) {
    settings(2, 2);  // Monday, the day of the fake clock
    writeBytes(paths.dayList(8), " 1 \r\n06hr 00min/march.mp3\r\n");
    writeBytes(paths.dayList(3), " 0 \r\n10hr 00min/bell.mp3\r\n");
    main& w = load();
    QTimer::singleShot(0, &w, [&w] {
        w.findChild<CopyToDialog*>()->days[1]->setChecked(true);  // Tuesday
        w.findChild<CopyToDialog*>()->accept();
    });
    messages.answer = false;  // "Copy to..." asks first; No keeps Tuesday's bells
    QTest::mouseClick(w.copyTo, Qt::LeftButton);
    EXPECT_EQ(lastMessage(),
              u"The list on screen is empty. These days would lose all their "
              u"bells: Tuesday\nCopy the empty list?"_s);
    EXPECT_EQ(readBytes(paths.dayList(3)), " 0 \r\n10hr 00min/bell.mp3\r\n");
    pick("bell.mp3");
    add("8", "0");
    add("12", "30");
    w.nobell->setValue(1);
    w.fileList->setCurrentRow(-1);
    pick("08hr 00min/bell.mp3", w.AddTimeList);
    QTest::mouseClick(w.TimeMod, Qt::LeftButton);
    EXPECT_EQ(lastMessage(), u"Select bell sound in [Select bell sound]"_s);
    pick("march.mp3");
    QTest::mouseClick(w.TimeMod, Qt::LeftButton);
    pick("12hr 30min/bell.mp3", w.AddTimeList);
    QTest::mouseClick(w.TimeDel, Qt::LeftButton);
    EXPECT_EQ(readBytes(paths.dayList(2)), " 1 \r\n08hr 00min/march.mp3\r\n");

    messages.answer = false;
    QTest::mouseClick(w.allDel, Qt::LeftButton);
    EXPECT_EQ(lastMessage(), u"Delete all times of time box?"_s);
    EXPECT_EQ(w.AddTimeList->count(), 1);
    messages.answer = true;
    QTest::mouseClick(w.allDel, Qt::LeftButton);
    EXPECT_EQ(readBytes(paths.dayList(2)), " 1 \r\n");

    // The arrows move the model's day selector; a day the model refuses to
    // leave stays shown with the selector on it.
    w.VScroll9->setPosition(7);  // Saturday
    clickArrow(w.VScroll9, kDown);
    EXPECT_EQ(w.reg_day->text(), u"templet1"_s);
    EXPECT_EQ(listLines(*w.AddTimeList), QStringList{u"06hr 00min/march.mp3"_s});
    clickArrow(w.VScroll9, kUp);
    EXPECT_EQ(w.model.day(), 7);
    w.VScroll9->setPosition(9);  // templet2
    w.Option1->click();          // no template has intervals: Saturday
    EXPECT_EQ(w.model.day(), 7);
    w.VScroll9->setPosition(12);  // dragged beyond the days
    EXPECT_EQ(w.VScroll9->position(), 7);
    w.VScroll9->setPosition(3);
    w.start_h->clear();
    clickArrow(w.VScroll9, kDown);
    EXPECT_EQ(lastMessage(), u"Please input start hour"_s);
    EXPECT_EQ(w.VScroll9->position(), 3);
    w.start_h->setText(u"6"_s);
    clickArrow(w.VScroll9, kDown);
    EXPECT_EQ(datafiles::readIntervals(paths.dayIntervals(3), datafiles::IntervalFile::Day).start_h,
              "6");
    EXPECT_EQ(w.model.day(), 4);
}

TEST_F(Editing, ApplyWeekAndSetEachDayChooseTheirFiles) {
    settings(2, 2);
    writeBytes(paths.weekList(), "10hr 00min/bell.mp3\r\n");
    writeBytes(paths.dayList(2), " 1 \r\n08hr 00min/march.mp3\r\n");
    writeBytes(paths.dayList(4), " 0 \r\n11hr 00min/march.mp3\r\n");
    const std::string dataIni = readBytes(paths.dataIni());
    main& w = load();  // start-up saves nothing
    EXPECT_EQ(readBytes(paths.dataIni()), dataIni);
    EXPECT_EQ(w.nobell->value(), 1);

    w.Option3->click();  // the operator's choice is saved at once
    EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).dayMode, 1);
    EXPECT_EQ(w.reg_day->text(), u"All days"_s);
    EXPECT_EQ(w.nobell->value(), 0);
    EXPECT_EQ(listLines(*w.AddTimeList), QStringList{u"10hr 00min/bell.mp3"_s});

    clock.time.weekday = 4;
    w.Option4->click();  // to today, a Wednesday now
    EXPECT_EQ(readBytes(paths.dataIni()), dataIni);
    EXPECT_EQ(lastMessage(), u"Click arrow in right [Select day], Seting each day bell time."_s);
    EXPECT_EQ(listLines(*w.AddTimeList), QStringList{u"11hr 00min/march.mp3"_s});
}

TEST_F(Editing, PickButtonsWriteTheirFieldAndTheIntervalsOfTheDay) {
    settings(1, 2);
    main& w = load();
    QTest::mouseClick(w.CmdPreBell2, Qt::LeftButton);
    EXPECT_EQ(lastMessage(), u"Select bell sound from [Select bell sound]"_s);

    clickArrow(w.VScroll9, kDown);  // Tuesday
    w.worktime->setText(u"45"_s);
    w.ChkPreBell2->setValue(1);
    pick("march.mp3");
    QTest::mouseClick(w.cmdStartBellSound, Qt::LeftButton);
    pick("bell.mp3");
    QTest::mouseClick(w.cmdEndBellSound, Qt::LeftButton);
    QTest::mouseClick(w.CmdPreBell1, Qt::LeftButton);
    // The scan lists only numbered folders; a list that holds another folder
    // name must still be handled.
    w.fileList->AddItem(u"morning"_s);
    pick("morning");
    QTest::mouseClick(w.CmdPreBell2, Qt::LeftButton);
    EXPECT_EQ(readBytes(paths.dayIntervals(3)),
              "5\r\n0\r\n23\r\n0\r\n45\r\n10\r\n 0 \r\nmarch.mp3\r\nbell.mp3\r\n 0 \r\n1\r\n"
              "bell.mp3\r\n 1 \r\n1\r\nmorning\r\n");
}

TEST_F(Editing, ANumberTypedOrLoadedMovesItsSpin) {
    writeBytes(paths.weekIntervals(), readBytes(paths.weekIntervals()).replace(0, 1, "9"));
    main& w = load();
    EXPECT_EQ(w.VScroll1->position(), 9);
    w.worktime->selectAll();
    QTest::keyClicks(w.worktime, u"1234"_s);
    clickArrow(w.VScroll5, kUp);
    EXPECT_EQ(w.worktime->text(), u"124"_s);

    // Hours, minutes and alarms wrap; the work time stops at its end.
    const struct {
        SpinButton* spin;
        QLineEdit* field;
        int from, step;  // step 0: dragged to `from`
        const char* shown;
    } steps[] = {{w.VScroll1, w.start_h, 0, -1, "0"},
                 {w.VScroll2, w.start_m, 59, 1, "0"},
                 {w.VScrollPreBell1, w.TxtPreBell1, 99, 1, "1"},
                 {w.VScroll5, w.worktime, 300, 1, "300"},
                 {w.VScroll3, w.exit_h, 24, 0, "0"}};
    for (const auto& s : steps) {
        s.spin->setPosition(s.from);
        s.step > 0 ? s.spin->stepUp() : s.step < 0 ? s.spin->stepDown() : void();
        EXPECT_EQ(s.field->text(), QLatin1String(s.shown)) << s.field->objectName().toStdString();
    }
}

// A Ctrl+click takes the selection away: nothing is selected then, whatever
// line still has the focus, and a delete never moves on to the next line.
// Templates copy into the week or the day on screen after a Yes.
TEST_F(Editing, NothingSelectedMeansNothingIsDeletedOrRememberedAndTemplatesCopyAfterAYes) {
    settings(2, 1);
    writeBytes(paths.weekList(),
               "08hr 00min/bell.mp3\r\n09hr 00min/bell.mp3\r\n10hr 00min/bell.mp3\r\n");
    writeBytes(paths.dayList(8), " 1 \r\n12hr 00min/bell.mp3\r\n07hr 30min/march.mp3\r\n");
    writeBytes(paths.dayList(10), " 1 \r\n08hr 00min/march.mp3\r\n");
    main& w = load();
    const QRect first = w.AddTimeList->visualItemRect(w.AddTimeList->item(0));
    QTest::mouseClick(w.AddTimeList->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseClick(w.AddTimeList->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      first.center());
    QTest::mouseClick(w.TimeDel, Qt::LeftButton);
    EXPECT_EQ(lastMessage(), u"Select time that you want to delete in [Added time]"_s);
    EXPECT_EQ(w.AddTimeList->count(), 3);
    w.AddTimeList->setListIndex(0);
    QTest::mouseClick(w.TimeDel, Qt::LeftButton);
    QTest::mouseClick(w.TimeDel, Qt::LeftButton);  // the second press finds nothing picked
    EXPECT_EQ(w.AddTimeList->count(), 2);
    const QRect sound = w.fileList->visualItemRect(w.fileList->item(0));
    QTest::mouseClick(w.fileList->viewport(), Qt::LeftButton, {}, sound.center());
    QTest::mouseClick(w.fileList->viewport(), Qt::LeftButton, Qt::ControlModifier, sound.center());
    w.SaveSettings();
    EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).fileListIndex, -1);

    templet& choose = *w.templetWindow();
    messages.answer = false;  // No keeps the list
    w.applyTemplet_Click();
    QTest::mouseClick(choose.applyTemplets[0], Qt::LeftButton);
    EXPECT_EQ(lastMessage(), u"Replace the 2 bells in the list with Templet 1?"_s);
    EXPECT_EQ(readBytes(paths.weekList()), "09hr 00min/bell.mp3\r\n10hr 00min/bell.mp3\r\n");
    messages.answer = true;
    w.ApplyTemplate(1);
    EXPECT_EQ(readBytes(paths.weekList()), "07hr 30min/march.mp3\r\n12hr 00min/bell.mp3\r\n");
    EXPECT_FALSE(choose.isVisible());
    EXPECT_EQ(w.nobell->value(), 0);  // the week has no "No rings"

    messages.answer = false;  // the weekdays do not start from the week
    w.Option4->click();       // Monday, an empty day: no question
    const std::size_t shown = messages.shown.size();
    w.ApplyTemplate(3);
    EXPECT_EQ(messages.shown.size(), shown);
    EXPECT_EQ(readBytes(paths.dayList(2)), " 1 \r\n08hr 00min/march.mp3\r\n");
}

}  // namespace
}  // namespace tollix
