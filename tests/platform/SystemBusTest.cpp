// The logind power-off against a logind of the test's own: python-dbusmock on
// a private system bus, so nothing ever reaches the real machine.
#include "tests/support/SystemBus.h"

namespace tollix {
namespace {

// The answer of one power-off; none while it is still awaited.
std::optional<std::string> askToPowerOff(LogindPowerOff& logind) {
    std::optional<std::string> answer;
    logind.powerOff([&answer](const std::string& refusal) { answer = refusal; });
    EXPECT_FALSE(answer) << "answered inside the call";
    EXPECT_TRUE(QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000));
    return answer;
}

// A "no" is a refusal that names it and nothing is switched off; a "yes"
// switches off once; a login manager that does not answer in time has refused.
TEST(LogindPowerOff, AsksCanPowerOffThenPowersOffOnceWithinItsTimeLimit) {
    test::MockSystemBus bus{u"logind"_s, u"org.freedesktop.login1"_s};
    ASSERT_TRUE(bus.ready());
    const auto set = [&bus](const QString& method, const QString& out, const QString& code) {
        return bus.setMethod(u"/org/freedesktop/login1"_s, u"org.freedesktop.login1.Manager"_s,
                             method, method == u"PowerOff"_s ? u"b"_s : QString(), out, code);
    };
    const auto powerOffs = [&bus] { return bus.calls().count(u"PowerOff False"_s); };
    LogindPowerOff logind(1500);

    ASSERT_TRUE(set(u"CanPowerOff"_s, u"s"_s, u"ret = 'no'"_s));
    EXPECT_NE(askToPowerOff(logind).value_or("").find("CanPowerOff: no"), std::string::npos);
    EXPECT_EQ(powerOffs(), 0);

    ASSERT_TRUE(set(u"CanPowerOff"_s, u"s"_s, u"ret = 'challenge'"_s));
    EXPECT_EQ(askToPowerOff(logind), std::string());
    EXPECT_EQ(powerOffs(), 1) << bus.calls().join(u'|').toStdString();

    ASSERT_TRUE(set(u"PowerOff"_s, {}, u"import time; time.sleep(3)"_s));
    EXPECT_NE(askToPowerOff(logind).value_or(""), "");
}

TEST(LogindPowerOff, NoSystemBusIsARefusalNotAHang) {
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    LogindPowerOff logind;
    EXPECT_NE(askToPowerOff(logind).value_or(""), "");
}

}  // namespace
}  // namespace tollix
