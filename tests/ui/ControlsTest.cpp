#include "schedule/DefaultFiles.h"
#include "tests/support/WindowDoubles.h"
#include "ui/controls/Choices.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/SortedListBox.h"
#include "ui/controls/SpinButton.h"
#include "ui/main.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tollix {
namespace {

TEST(Controls, OptionButtonRunsItsBehaviourWhenSelectedFromCodeEvenIfSelected) {
    QWidget parent;
    auto* one = new OptionButton(QStringLiteral("one"), &parent);
    auto* two = new OptionButton(QStringLiteral("two"), &parent);
    QSignalSpy ones(one, &OptionButton::Click);
    QSignalSpy twos(two, &OptionButton::Click);
    one->select();
    one->select();
    EXPECT_EQ(ones.count(), 2);
    two->click();  // the operator
    EXPECT_EQ(twos.count(), 1);
    EXPECT_FALSE(one->isChecked());
    two->click();  // already selected: nothing new is selected
    EXPECT_EQ(twos.count(), 1);
}

TEST(Controls, CheckBoxRunsItsBehaviourOnEveryChangeOnly) {
    CheckBox box(QStringLiteral("box"));
    QSignalSpy clicks(&box, &CheckBox::Click);
    box.setValue(1);
    box.setValue(1);
    box.setValue(0);
    EXPECT_EQ(clicks.count(), 2);
    box.click();
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(box.value(), 1);
}

// A counting spin's top arrow counts up, the day selector's goes back; both
// arrows are large enough to hit.
TEST(Controls, SpinArrows) {
    for (auto [top, up] : {std::pair{SpinButton::TopArrow::CountsUp, 1},
                           std::pair{SpinButton::TopArrow::GoesBack, -1}}) {
        SpinButton spin(0, 14, 5, top);
        spin.show();
        for (bool upper : {true, false}) EXPECT_GE(test::arrowRect(&spin, upper).height(), 20);
        test::clickArrow(&spin, true);
        EXPECT_EQ(spin.position(), 5 + up);
        test::clickArrow(&spin, false);
        test::clickArrow(&spin, false);
        EXPECT_EQ(spin.position(), 5 - up);
    }
}

TEST(Controls, PictureButtonShowsThePressedPictureWhileHeld) {
    PictureButton button(QStringLiteral("start"), QStringLiteral("start1"),
                         QStringLiteral("start2"));
    button.show();
    EXPECT_FALSE(QPixmap(QStringLiteral(":/img/start1")).isNull());
    EXPECT_EQ(button.size(), QPixmap(QStringLiteral(":/img/start")).size());
    QSignalSpy clicks(&button, &PictureButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(button.shownPicture(), QStringLiteral("start1"));
    // Released away from the button: the normal picture again, and no click.
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(button.shownPicture(), QStringLiteral("start"));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    button.setEnabled(false);
    EXPECT_EQ(button.shownPicture(), QStringLiteral("start2"));
}

TEST(Controls, SortedListBoxOrdersWithoutRegardToCase) {
    SortedListBox list;
    for (const char* name : {"bell.mp3", "Alarm.wav", "10_music", "chime.WAV", "apple.mp3"})
        list.AddItem(QString::fromLatin1(name));
    EXPECT_EQ(listLines(list), (QStringList{QStringLiteral("10_music"), QStringLiteral("Alarm.wav"),
                                            QStringLiteral("apple.mp3"), QStringLiteral("bell.mp3"),
                                            QStringLiteral("chime.WAV")}));
    list.setListIndex(7);
    EXPECT_EQ(list.ListIndex(), -1);
}

class MainSpins : public ::testing::Test, protected test::WindowDoubles {
  protected:
    std::unique_ptr<main> w;

    void SetUp() override {
        ASSERT_TRUE(EnsureProgramFolder(paths).empty());
        w = std::make_unique<main>(services());
        w->Form_Load();
    }
};

TEST_F(MainSpins, HoursMinutesAndAlarmsWrapWhileWorkTimeStops) {
    w->VScroll1->setPosition(23);
    w->VScroll1->stepUp();
    EXPECT_EQ(w->start_h->text(), QStringLiteral("0"));
    EXPECT_EQ(w->VScroll1->position(), 0);
    w->VScroll1->stepDown();
    EXPECT_EQ(w->start_h->text(), QStringLiteral("0"));

    w->VScroll2->setPosition(59);
    w->VScroll2->stepUp();
    EXPECT_EQ(w->start_m->text(), QStringLiteral("0"));

    w->VScrollPreBell1->setPosition(99);
    w->VScrollPreBell1->stepUp();
    EXPECT_EQ(w->TxtPreBell1->text(), QStringLiteral("1"));
    w->VScrollPreBell1->stepDown();
    EXPECT_EQ(w->TxtPreBell1->text(), QStringLiteral("1"));

    w->VScroll5->setPosition(300);
    w->VScroll5->stepUp();
    EXPECT_EQ(w->worktime->text(), QStringLiteral("300"));
    // Dragging an hour spin to its end gives 0, never 24.
    w->VScroll3->setPosition(24);
    EXPECT_EQ(w->exit_h->text(), QStringLiteral("0"));
}

}  // namespace
}  // namespace tollix
