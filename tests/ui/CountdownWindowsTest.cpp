// The countdown, the large-print windows and the menu bar that opens them.
#include "schedule/DefaultFiles.h"
#include "tests/support/WindowDoubles.h"
#include "ui/FrmCountDown.h"
#include "ui/HelpWindow.h"
#include "ui/LargePrintWindow.h"
#include "ui/main.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tollix {
namespace {

class CountdownWindows : public ::testing::Test, protected test::WindowDoubles {
  protected:
    std::unique_ptr<main> window;

    main& load() {
        EXPECT_TRUE(EnsureProgramFolder(paths).empty());
        window = std::make_unique<main>(services());
        window->Form_Load();
        return *window;
    }
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

TEST_F(CountdownWindows, StartPauseReplayAndExitShowTheirButtonsAndZeroRingsOnce) {
    main& w = load();
    player.lengths[(paths.soundFolder() / "chime.wav").string()] = 1000;
    w.fileList->setListIndex(0);
    FrmCountDown& c = *w.countDownWindow();
    FrmFullScreen& full = *c.fullScreen();
    EXPECT_EQ(shown(c), "cmdStartCount cmdClose ");
    EXPECT_FALSE(c.txtShowCount->isVisibleTo(&c));

    c.input_h->setText(QStringLiteral("0"));
    c.input_s->setText(QStringLiteral("61"));
    QTest::mouseClick(c.cmdStartCount, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("(second)Please input digit between 0 and 59"));
    EXPECT_EQ(shown(c), "cmdStartCount cmdClose ");

    c.input_s->setText(QStringLiteral("3"));
    QTest::mouseClick(c.cmdStartCount, Qt::LeftButton);
    EXPECT_EQ(shown(c), "cmdPause cmdAllWin cmdCountExit ");
    EXPECT_TRUE(c.Timer1->isActive());
    EXPECT_EQ(c.txtShowCount->text(), QStringLiteral("00:00:03"));
    EXPECT_EQ(full.lblTimeShow->text(), QStringLiteral("00:00:03"));

    // The full-screen window's buttons drive the small window's count.
    full.cmdPause->click();
    EXPECT_EQ(shown(c), "cmdRePlay cmdAllWin cmdCountExit ");
    EXPECT_FALSE(c.Timer1->isActive());
    EXPECT_TRUE(full.cmdRePlay->isVisibleTo(&full));
    EXPECT_FALSE(full.cmdPause->isVisibleTo(&full));
    QTest::mouseClick(c.cmdRePlay, Qt::LeftButton);
    EXPECT_EQ(shown(c), "cmdPause cmdAllWin cmdCountExit ");
    full.cmdRePlay->click();
    EXPECT_TRUE(c.Timer1->isActive());

    player.calls.clear();
    c.Timer1_Timer();
    c.Timer1_Timer();
    EXPECT_TRUE(player.calls.empty());
    c.Timer1_Timer();  // the third second: zero
    EXPECT_EQ(full.lblTimeShow->text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(std::count(player.calls.begin(), player.calls.end(), "play"), 1);
    EXPECT_EQ(shown(c), "cmdPause(off) cmdAllWin cmdCountExit ");
    EXPECT_FALSE(full.cmdPause->isEnabled());
    EXPECT_FALSE(c.Timer1->isActive());

    QTest::mouseClick(c.cmdCountExit, Qt::LeftButton);
    EXPECT_EQ(shown(c), "cmdStartCount cmdClose ");
    EXPECT_FALSE(c.txtShowCount->isVisibleTo(&c));
}

TEST_F(CountdownWindows, LargePrintFollowsTheScreenWidthAndAlwaysFits) {
    EXPECT_EQ(LargePrintWindow::fontSizes(1920), (LargePrintWindow::FontSizes{230, 160}));
    EXPECT_EQ(LargePrintWindow::fontSizes(1280), (LargePrintWindow::FontSizes{230, 160}));
    EXPECT_EQ(LargePrintWindow::fontSizes(1024), (LargePrintWindow::FontSizes{190, 135}));
    EXPECT_EQ(LargePrintWindow::fontSizes(1023), (LargePrintWindow::FontSizes{150, 105}));

    FrmFullScreen full;
    full.resize(1024, 600);  // a netbook
    full.show();
    const QRect area = full.rect();
    for (const QWidget* part :
         {static_cast<QWidget*>(full.lblTimeShow), static_cast<QWidget*>(full.lblNowTimeShow),
          static_cast<QWidget*>(full.cmdPause), static_cast<QWidget*>(full.cmdSmallWin)})
        EXPECT_TRUE(area.contains(part->geometry())) << part->objectName().toStdString();
    EXPECT_LE(full.lblNowTimeShow->geometry().bottom(), full.lblTimeShow->y());
    EXPECT_GE(full.shownSizes().time, 100) << "no smaller than it must be";
}

TEST_F(CountdownWindows, TheMenuOpensItsWindowsAndTheNextBellWindowFollowsTheTick) {
    main& w = load();
    EXPECT_FALSE(w.mnBellCount->isEnabled());
    QTimer::singleShot(0, &w, [&w] {
        HelpWindow* help = w.help1Window();
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->text->text().contains(QStringLiteral("24-hour clock")));
        QTest::mouseClick(help->close, Qt::LeftButton);
    });
    QTest::mouseClick(w.helpword, Qt::LeftButton);
    EXPECT_FALSE(w.help1Window()->isVisible());

    FrmBellCount* next = w.bellCountWindow();
    clock.time = LocalTime{2026, 12, 7, 13, 5, 9, 0, 2};
    w.Timer1_Timer();
    EXPECT_EQ(next->lblNowTimeShow->text(), QStringLiteral("01:05:09PM"));
    EXPECT_EQ(next->lblTimeShow->text(), QStringLiteral("00:00:00"));  // no schedule: no bell
}

}  // namespace
}  // namespace tollix
