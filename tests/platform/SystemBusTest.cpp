// The reserved exit against a logind of the test's own: python-dbusmock on a
// private system bus, so nothing ever reaches the real machine.
#include "engine/BellEngine.h"
#include "platform/PowerOff.h"
#include "tests/support/SystemBus.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

namespace tollix {
namespace {

class ReservedExit : public ::testing::Test, public BellEngine::Host {
  protected:
    // One bus for the whole binary: the process keeps its first system bus.
    static void SetUpTestSuite() {
        bus_ = new test::MockSystemBus(QStringLiteral("logind"),
                                       QStringLiteral("org.freedesktop.login1"));
    }
    static void TearDownTestSuite() {
        delete bus_;
        bus_ = nullptr;
    }
    static test::MockSystemBus& bus() { return *bus_; }
    static bool answers(const char* canPowerOff) {
        return bus().setMethod(QStringLiteral("/org/freedesktop/login1"),
                               QStringLiteral("org.freedesktop.login1.Manager"),
                               QStringLiteral("CanPowerOff"), {}, QStringLiteral("s"),
                               QStringLiteral("ret = '%1'").arg(QLatin1String(canPowerOff)));
    }
    static int powerOffs() {
        return static_cast<int>(bus().calls().count(QStringLiteral("PowerOff False")));
    }
    static inline test::MockSystemBus* bus_ = nullptr;

    bool repeatBell() const override { return false; }
    bool soundZero() const override { return false; }
    bool applyWeek() const override { return true; }
    bool timeSync() const override { return false; }
    std::optional<int> reservedExitAt() const override { return 17 * 60 + 30; }
    bool showsStopped() const override { return true; }
    void restartSchedule() override {}
    void beforePowerOff() override {}

    test::TempFolder dir;
    test::SteppingClock clock;
    test::RecordingMessages messages;
    test::FakeMixer mixer;
    test::FakePlayer player;
    RingLog log{dir.path() / "rings.log"};
    LogindPowerOff logind;

    void run(BellEngine& engine, int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.second();
            engine.Timer1_Timer();
        }
    }
};

TEST_F(ReservedExit, LogindIsAskedToPowerOffOnceAtTheReservedMinute) {
    ASSERT_TRUE(bus().ready());
    ASSERT_TRUE(answers("yes"));
    const int before = powerOffs();
    clock.wallMs = clock.runningMs = test::SteppingClock::localMs("2026-12-07 17:29:50");
    BellEngine engine(EngineServices{clock, player, mixer, messages, dir.path(), &log, &logind},
                      *this);
    run(engine, 9);
    EXPECT_EQ(powerOffs(), before);
    run(engine, 20);  // 17:30:00 comes
    clock.step(-15000);
    run(engine, 40);  // and again: the same minute, lived twice
    EXPECT_EQ(powerOffs(), before + 1) << bus().calls().join(u'|').toStdString();
}

TEST_F(ReservedExit, ALogindThatSaysNoIsReportedAndNeverAskedToPowerOff) {
    ASSERT_TRUE(bus().ready());
    ASSERT_TRUE(answers("no"));
    const int before = powerOffs();
    clock.wallMs = clock.runningMs = test::SteppingClock::localMs("2026-12-07 17:29:58");
    BellEngine engine(EngineServices{clock, player, mixer, messages, dir.path(), &log, &logind},
                      *this);
    QString said;
    QObject::connect(&engine, &BellEngine::powerOffRefused,
                     [&](const QString& why) { said = why; });
    run(engine, 5);
    EXPECT_TRUE(said.contains(QStringLiteral("CanPowerOff: no"))) << said.toStdString();
    EXPECT_EQ(powerOffs(), before);
    EXPECT_NE(test::readBytes(log.file()).find("\tfailed\tReservation Exit\t"), std::string::npos);
}

TEST(ReservedExitWithoutBus, NoSystemBusIsAReportNotAHang) {
    if (!qgetenv("DBUS_SYSTEM_BUS_ADDRESS").isEmpty() && QDBusConnection::systemBus().isConnected())
        GTEST_SKIP() << "this process already has a system bus";
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    LogindPowerOff logind;
    EXPECT_NE(logind.powerOff(), "");
}

}  // namespace
}  // namespace tollix
