#include "platform/BrokerLink.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

// data/mqtt.ini: the url decides the link; without one, no broker and no change.
TEST(BrokerSettings, TheUrlGivesHostPortAndTlsAndAFileWithoutOneJoinsNothing) {
    test::TempFolder dir;
    const fs::path file = dir.path() / "mqtt.ini";
    EXPECT_EQ(BrokerSettings::read(file), std::nullopt) << "no file";
    struct Case {
        const char* text;
        const char* host;
        int port;
        bool tls;
    };
    for (const Case& c : {Case{"url = mqtts://broker.school:8883\n", "broker.school", 8883, true},
                          Case{"url=mqtts://broker.school\n", "broker.school", 8883, true},
                          Case{"url = mqtt://10.0.0.5\n", "10.0.0.5", 1883, false},
                          Case{"url = mqtt://10.0.0.5:2883\r\n", "10.0.0.5", 2883, false}}) {
        writeBytes(file, c.text);
        const auto settings = BrokerSettings::read(file);
        ASSERT_TRUE(settings) << c.text;
        EXPECT_EQ(settings->host, QLatin1String(c.host)) << c.text;
        EXPECT_EQ(settings->port, c.port) << c.text;
        EXPECT_EQ(settings->tls, c.tls) << c.text;
        EXPECT_EQ(settings->topic, u"school/bells"_s) << c.text;
    }
    writeBytes(file,
               "url = mqtt://h\nuser = north\npassword = a = b\ntopic = x/y\n"
               "building = North Hall\nca = /etc/ca.crt\n");
    const auto full = BrokerSettings::read(file);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->user + u'|' + full->password + u'|' + full->topic + u'|' + full->building +
                  u'|' + full->ca,
              u"north|a = b|x/y|North Hall|/etc/ca.crt"_s);
    std::string error;
    for (const char* text : {"user = north\n", "url = http://h\n", "url = mqtts://\n"}) {
        writeBytes(file, text);
        EXPECT_EQ(BrokerSettings::read(file, &error), std::nullopt) << text;
    }
    EXPECT_NE(error.find("url must be"), std::string::npos) << error;
}

}  // namespace
}  // namespace tollix
