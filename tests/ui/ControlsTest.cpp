#include "tests/support/WindowDoubles.h"
#include "ui/controls/Choices.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/SortedListBox.h"

namespace tollix {
namespace {

using namespace Qt::StringLiterals;

TEST(Controls, OptionButtonRunsItsBehaviourWhenSelectedFromCodeEvenIfSelected) {
    QWidget parent;
    auto* one = new OptionButton(u"one"_s, &parent);
    auto* two = new OptionButton(u"two"_s, &parent);
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

TEST(Controls, PictureButtonShowsThePressedPictureWhileHeld) {
    PictureButton button(u"start"_s, u"start1"_s, u"start2"_s);
    button.show();
    QSignalSpy clicks(&button, &PictureButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(button.shownPicture(), u"start1"_s);
    // Released away from the button: the normal picture again, and no click.
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(button.shownPicture(), u"start"_s);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    button.setEnabled(false);
    EXPECT_EQ(button.shownPicture(), u"start2"_s);
}

TEST(Controls, SortedListBoxOrdersWithoutRegardToCase) {
    SortedListBox list;
    for (const char* name : {"Bell.mp3", "Alarm.wav", "10_music", "chime.WAV", "apple.mp3"})
        list.AddItem(QString::fromLatin1(name));
    EXPECT_EQ(listLines(list), (QStringList{u"10_music"_s, u"Alarm.wav"_s, u"apple.mp3"_s,
                                            u"Bell.mp3"_s, u"chime.WAV"_s}));
    list.setListIndex(7);
    EXPECT_EQ(list.ListIndex(), -1);
}

}  // namespace
}  // namespace tollix
