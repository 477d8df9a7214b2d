// The real program's schedule edited from the web page: a bell moved rings at
// its new minute; a stale version and a bad time change nothing; a signal's sound stays.
#include "tests/support/Program.h"
#include "tests/web/Http.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace tollix {
namespace {

using test::http;

TEST(WebEditEndToEnd, ABellMovedThroughTheApiRingsAtItsNewMinuteAndRefusedEditsChangeNothing) {
    test::Program tollix;
    tollix.tone("bell.wav", 0.5, 660);
    tollix.settings({.timeMode = 2}, {"11hr 30min/bell.wav"});
    const quint16 port = test::freePort();
    writeBytes(tollix.paths.webIni(), std::to_string(port) + "\n");
    tollix.env.remove(u"DISPLAY"_s);
    ASSERT_EQ(tollix.command({u"--web-password"_s}, "right long\n").status, 0);
    tollix.setClock(QDateTime(QDate(2026, 12, 7), QTime(10, 59, 40)));
    ASSERT_TRUE(tollix.start());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return http(port, "GET", "/api/status").status == 401; }, 15000));
    const auto logIn = [port] {
        const auto login = http(port, "POST", "/api/login", {}, R"({"password":"right long"})");
        const qsizetype at = login.head.indexOf("tollix_session=");
        return "Cookie: " + login.head.mid(at, login.head.indexOf(';', at) - at) +
               "\r\nX-CSRF-Token: " +
               QJsonDocument::fromJson(login.body)[u"csrf"_s].toString().toLatin1() + "\r\n";
    };
    const QByteArray session = logIn();

    const QByteArray first =
        QJsonDocument::fromJson(http(port, "GET", "/api/schedule", session).body)[u"version"_s]
            .toString()
            .toLatin1();
    const auto moved = http(port, "PUT", "/api/schedule", session + "If-Match: " + first + "\r\n",
                            R"({"week": [{"time": "11:00", "sound": "bell.wav"}]})");
    ASSERT_EQ(moved.status, 200) << moved.body.toStdString();
    const std::string week = readBytes(tollix.paths.weekList());
    EXPECT_NE(week.find("11hr 00min/bell.wav"), std::string::npos) << week;

    const auto stale = http(port, "PUT", "/api/schedule", session + "If-Match: " + first + "\r\n",
                            R"({"week": []})");
    EXPECT_EQ(stale.status, 409);
    const QByteArray now = QJsonDocument::fromJson(stale.body)[u"version"_s].toString().toLatin1();
    EXPECT_EQ(now, QJsonDocument::fromJson(moved.body)[u"version"_s].toString().toLatin1());
    const auto bad = http(port, "PUT", "/api/schedule", session + "If-Match: " + now + "\r\n",
                          R"({"week": [{"time": "25:61", "sound": "bell.wav"}]})");
    EXPECT_EQ(bad.status, 400);
    EXPECT_EQ(QJsonDocument::fromJson(bad.body)[u"week[0].time"_s].toString(),
              u"25:61 is not a time"_s);
    EXPECT_EQ(readBytes(tollix.paths.weekList()), week);

    // A sound the player plays joins the folder; one it cannot never does.
    const auto folder = tollix.paths.soundFolder();
    const QByteArray tone = QByteArray::fromStdString(readBytes(folder / "bell.wav"));
    const auto added =
        http(port, "POST", "/api/sounds", session + "X-File-Name: copy.wav\r\n", tone);
    EXPECT_EQ(added.status, 200) << added.body.toStdString();
    EXPECT_EQ(readBytes(folder / "copy.wav"), readBytes(folder / "bell.wav"));
    EXPECT_EQ(http(port, "POST", "/api/sounds", session + "X-File-Name: noise.wav\r\n",
                   QByteArray(64 * 1024, 'n'))
                  .status,
              415);
    EXPECT_FALSE(fs::exists(folder / "noise.wav"));

    const auto putAlarm = [&](const QByteArray& version, const char* sound, int repeat) {
        return http(port, "PUT", "/api/settings", session + "If-Match: " + version + "\r\n",
                    QByteArray(R"({"alarms": {"signals": [{"name": "Lockdown", "sound": ")") +
                        sound + R"(", "repeat": )" + QByteArray::number(repeat) + "}]}}");
    };
    const auto versionOf = [](const QByteArray& body) {
        return QJsonDocument::fromJson(body)[u"version"_s].toString().toLatin1();
    };
    const QByteArray settings = versionOf(http(port, "GET", "/api/settings", session).body);
    EXPECT_EQ(putAlarm(settings, "copy.wav", 7200).status, 400);
    const auto alarmed = putAlarm(settings, "copy.wav", 20);
    ASSERT_EQ(alarmed.status, 200) << alarmed.body.toStdString();
    EXPECT_NE(
        readBytes(tollix.paths.dataFolder() / "alarms.ini").find("Lockdown = copy.wav; repeat=20"),
        std::string::npos);
    EXPECT_EQ(http(port, "DELETE", "/api/sounds/copy.wav", session).status, 409);
    ASSERT_EQ(putAlarm(versionOf(alarmed.body), "lockdown-signal.wav", 30).status, 200);
    // Only the routes that take a sound or a schedule take more than a log-in.
    EXPECT_EQ(http(port, "POST", "/api/ring", session, QByteArray(8 * 1024, ' ')).status, 413);
    EXPECT_EQ(http(port, "PUT", "/api/schedule", session + "If-Match: " + now + "\r\n",
                   "{\"pad\": \"" + QByteArray(512 * 1024, ' ') + "\"}")
                  .status,
              400);  // read whole, and "pad" is no field
    EXPECT_EQ(http(port, "DELETE", "/api/sounds/bell.wav", session).status, 409);  // rings at 11
    EXPECT_EQ(http(port, "DELETE", "/api/sounds/copy.wav", session).status, 200);
    EXPECT_FALSE(fs::exists(folder / "copy.wav"));

    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return tollix.records() ==
                   "web Log in, web Schedule changed, web Sound added: copy.wav, web Setting "
                   "changed: alarms, web Setting changed: alarms, web Sound deleted: copy.wav, "
                   "rang bell.wav";
        },
        30000))
        << tollix.records();

    // "Auto execution" from the page removes and writes the start entry at log-on.
    const fs::path entry = tollix.home.path() / "config/autostart/tollix.desktop";
    const auto setAuto = [port](const QByteArray& with, const QByteArray& body) {
        const auto held = QJsonDocument::fromJson(http(port, "GET", "/api/settings", with).body);
        return http(port, "PUT", "/api/settings",
                    with + "If-Match: " + held[u"version"_s].toString().toLatin1() + "\r\n", body);
    };
    EXPECT_EQ(setAuto(session, R"({"autoExecution": false})").status, 200);
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_EQ(setAuto(session, R"({"autoExecution": true})").status, 200);
    EXPECT_NE(readBytes(entry).find("\nExec=" TOLLIX_EXE "\n"), std::string::npos);
    EXPECT_TRUE(tollix.stop());

    // The bell service starts with the computer: a change is refused, the entry left alone.
    tollix.startArguments = {u"--service"_s};
    ASSERT_TRUE(tollix.start());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return http(port, "GET", "/api/status").status == 401; }, 15000));
    const auto refused = setAuto(logIn(), R"({"autoExecution": false})");
    EXPECT_EQ(refused.status, 400);
    EXPECT_TRUE(refused.body.contains("starts with the computer")) << refused.body.data();
    EXPECT_TRUE(fs::exists(entry));
    EXPECT_TRUE(tollix.stop());
}

}  // namespace
}  // namespace tollix
