// The reserved exit against a logind of the test's own: python-dbusmock on a
// private system bus, so nothing ever reaches the real machine.
#include "engine/BellEngine.h"
#include "platform/PowerOff.h"
#include "tests/support/SystemBus.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

namespace tollix {
namespace {

using namespace Qt::StringLiterals;

class ReservedExit : public ::testing::Test {
  protected:
    test::MockSystemBus bus{u"logind"_s, u"org.freedesktop.login1"_s};

    bool answers(const char* canPowerOff) {
        return bus.setMethod(u"/org/freedesktop/login1"_s, u"org.freedesktop.login1.Manager"_s,
                             u"CanPowerOff"_s, {}, u"s"_s,
                             u"ret = '%1'"_s.arg(QLatin1String(canPowerOff)));
    }
    int powerOffs() const { return static_cast<int>(bus.calls().count(u"PowerOff False"_s)); }
};

// Refused when logind says no, with its answer; asked once at the minute when
// it says yes, and nothing said then (the engine's own tests live the minute twice).
TEST_F(ReservedExit, LogindIsAskedOnceAtTheMinuteAndANoIsReported) {
    ASSERT_TRUE(bus.ready());
    test::TempFolder dir;
    test::SteppingClock clock;
    test::RecordingMessages messages;
    test::FakeMixer mixer;
    test::FakePlayer player;
    RingLog log{dir.path() / "rings.log"};
    LogindPowerOff logind;
    clock.wallMs = clock.runningMs = test::SteppingClock::localMs("2026-12-07 17:29:58");
    std::filesystem::create_directories(dir.path() / "data");
    ScheduleModel model{AppPaths(dir.path())};
    model.setExitTime(17, 30);
    model.setAutoExit(true);
    BellEngine engine(EngineServices{clock, player, mixer, messages, dir.path(), &log, &logind},
                      model);
    QString said;
    QObject::connect(&engine, &BellEngine::powerOffRefused,
                     [&](const QString& why) { said = why; });
    const auto run = [&](int seconds) {
        for (int i = 0; i < seconds; ++i, engine.Timer1_Timer()) clock.second();
    };
    ASSERT_TRUE(answers("no"));
    run(5);
    EXPECT_TRUE(said.contains(u"CanPowerOff: no"_s)) << said.toStdString();

    ASSERT_TRUE(answers("yes"));
    said.clear();
    model.setExitTime(17, 31);
    run(50);
    EXPECT_EQ(powerOffs(), 0);
    run(30);  // 17:31:00 comes
    EXPECT_EQ(powerOffs(), 1) << bus.calls().join(u'|').toStdString();
    EXPECT_TRUE(said.isEmpty()) << said.toStdString();
}

TEST(ReservedExitWithoutBus, NoSystemBusIsAReportNotAHang) {
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    EXPECT_NE(LogindPowerOff().powerOff(), "");
}

}  // namespace
}  // namespace tollix
