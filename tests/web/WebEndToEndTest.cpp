// The real program with its web page on: set up from the command line, and a
// bell rung from the page heard at the private sound server.
#include "tests/support/Program.h"
#include "tests/web/Http.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tollix {
namespace {

using test::http;

TEST(WebEndToEnd, APasswordSetWithoutADisplayLetsThePageRingABellThatIsHeardAndRecorded) {
    test::Program tollix;
    test::PulseServer& pulse = test::PulseServer::shared();
    pulse.pactl({u"set-sink-volume"_s, u"bells"_s, u"100%"_s});
    pulse.pactl({u"set-sink-mute"_s, u"bells"_s, u"0"_s});
    tollix.tone("bell.wav", 1.5, 660);
    tollix.settings({.timeMode = 2}, {"11hr 00min/bell.wav"});
    const quint16 port = test::freePort();
    writeBytes(tollix.paths.webIni(), std::to_string(port) + "\n");

    tollix.env.remove(u"DISPLAY"_s);
    const auto said = tollix.command({u"--web-password"_s}, "right\n");
    ASSERT_EQ(said.status, 0) << said.error;
    const std::string stored = std::to_string(port) + "\n$argon2id$";
    EXPECT_EQ(readBytes(tollix.paths.webIni()).substr(0, stored.size()), stored);

    tollix.setClock(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    ASSERT_TRUE(tollix.start());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return http(port, "GET", "/api/status").status == 401; }, 15000));
    const auto login = http(port, "POST", "/api/login", {}, R"({"password":"right"})");
    ASSERT_EQ(login.status, 200);
    const qsizetype at = login.head.indexOf("tollix_session=");
    const QByteArray session =
        "Cookie: " + login.head.mid(at, login.head.indexOf(';', at) - at) + "\r\n";
    const QByteArray token =
        "X-CSRF-Token: " + QJsonDocument::fromJson(login.body)[u"csrf"_s].toString().toLatin1() +
        "\r\n";

    const QJsonObject status =
        QJsonDocument::fromJson(http(port, "GET", "/api/status", session).body).object();
    EXPECT_EQ(status[u"state"_s].toString(), u"ON"_s);
    EXPECT_EQ(status[u"next_bell"_s].toString(), u"11hr 00min"_s);
    EXPECT_EQ(QJsonDocument::fromJson(http(port, "GET", "/api/today", session).body)[u"bells"_s],
              QJsonArray({QJsonObject{{u"time"_s, u"11:00"_s}, {u"sound"_s, u"bell.wav"_s}}}));
    EXPECT_TRUE(status[u"now"_s].toString().startsWith(u"2026-12-07T10:00:"_s))
        << status[u"now"_s].toString().toStdString();

    test::Recording recording(pulse);
    QTest::qWait(300);
    EXPECT_EQ(http(port, "POST", "/api/ring", session + token, R"({"sound":"bell.wav"})").status,
              200);
    QTest::qWait(2500);
    const auto samples = recording.stop();
    const double heard = test::onset(samples, 0.3);
    ASSERT_GT(heard, 0) << "the bell was not heard";
    EXPECT_GT(test::rms(samples, heard + 0.2, heard + 1.2), 1000);

    QStringList rings;
    for (const auto ring :
         QJsonDocument::fromJson(http(port, "GET", "/api/rings?limit=2", session).body)[u"rings"_s]
             .toArray())
        rings << ring[u"outcome"_s].toString() + u' ' + ring[u"sound"_s].toString() + u' ' +
                     ring[u"reason"_s].toString();
    EXPECT_EQ(rings.join(u", "_s),
              u"web Log in from 127.0.0.1, rang bell.wav web from 127.0.0.1"_s);
    EXPECT_TRUE(tollix.stop());
}

}  // namespace
}  // namespace tollix
