#include "tests/support/WindowDoubles.h"
#include "ui/AlarmWindow.h"

namespace tollix {
namespace {

// The window's Lockdown sounds only after a Yes, turns the main window red
// and the tray's bell with it; its All clear ends it.
using AlarmWindows = test::WindowTest;

TEST_F(AlarmWindows, AnAlarmFromTheWindowNeedsAYesAndTurnsTheWindowRed) {
    player.lengths[(dir.path() / "state/alarm-sounds/lockdown-signal.wav").string()] = 4600;
    main& w = load(services());
    service->startAlarms();
    w.resize(1024, 700);
    w.show();
    const qint64 trayBefore = w.trayIcon()->icon().cacheKey();
    emit w.mnAlarms->Click();
    auto* alarms = w.findChild<AlarmWindow*>();
    ASSERT_NE(alarms, nullptr);
    messages.answer = false;
    QTest::mouseClick(alarms->lockdown, Qt::LeftButton);
    EXPECT_EQ(service->alarm.active(), "");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              u"Sound the Lockdown signal on every speaker now?\nEvery bell is held until All "
              "clear."_s);
    messages.answer = true;
    QTest::mouseClick(alarms->lockdown, Qt::LeftButton);
    EXPECT_EQ(service->alarm.active(), kLockdown);
    const auto* banner = w.findChild<AlarmBanner*>();
    ASSERT_NE(banner, nullptr);
    EXPECT_TRUE(banner->isVisible());
    EXPECT_EQ(banner->width(), w.width());
    EXPECT_NE(w.trayIcon()->icon().cacheKey(), trayBefore);
    EXPECT_TRUE(alarms->allClear->isEnabled());
    QTest::mouseClick(alarms->allClear, Qt::LeftButton);
    EXPECT_EQ(service->alarm.active(), "");
    EXPECT_FALSE(banner->isVisible());
    EXPECT_EQ(test::ringRecords(ringLog.file()), "alarm Lockdown, all-clear Lockdown");
}

}  // namespace
}  // namespace tollix
