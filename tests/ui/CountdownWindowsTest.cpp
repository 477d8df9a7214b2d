#include "tests/support/WindowDoubles.h"
#include "ui/FrmCountDown.h"
#include "ui/MenuWindows.h"

namespace tollix {
namespace {

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

    // The next bell's window follows the tick.
    FrmBellCount* next = w.menus().bellCountWindow();
    clock.time = LocalTime{2026, 12, 7, 13, 5, 9, 0, 2};
    w.Timer1_Timer();
    EXPECT_EQ(next->lblNowTimeShow->text(), u"01:05:09PM"_s);
    EXPECT_EQ(next->lblTimeShow->text(), u"00:00:00"_s);  // no schedule: no bell
}

}  // namespace
}  // namespace tollix
