// The real program with its web page on: set up from the command line, and a
// bell rung from the page heard at the private sound server.
#include "schedule/DefaultFiles.h"
#include "tests/support/Doubles.h"
#include "tests/support/Pulse.h"
#include "tests/web/Http.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>

namespace tollix {
namespace {

using test::http;

TEST(WebEndToEnd, APasswordSetWithoutADisplayLetsThePageRingABellThatIsHeardAndRecorded) {
    if (!fs::exists(test::kFakeTimeLibrary))
        GTEST_SKIP() << "libfaketime is not installed";
    test::TempFolder home;
    const AppPaths paths{home.path() / "tollix"};
    test::PulseServer& pulse = test::PulseServer::shared();
    pulse.use();
    pulse.pactl({u"set-sink-volume"_s, u"bells"_s, u"100%"_s});
    pulse.pactl({u"set-sink-mute"_s, u"bells"_s, u"0"_s});
    ASSERT_TRUE(EnsureProgramFolder(paths).empty());
    ASSERT_FALSE(test::makeTone(paths.soundFolder() / "bell.wav", 1.5, 660).empty());
    test::save(paths.dataIni(), {.auto_exe = 1, .timeMode = 2});
    test::saveWeekList(paths.weekList(), {"11hr 00min/bell.wav"});
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    writeBytes(paths.webIni(), std::to_string(port) + "\n");

    QProcessEnvironment env = test::programEnvironment(home.path());
    env.insert(u"FAKETIME"_s, u"@2026-12-07 10:00:00"_s);
    env.remove(u"DISPLAY"_s);
    QProcess command;
    command.setProcessEnvironment(env);
    command.start(QStringLiteral(TOLLIX_EXE), {u"--web-password"_s});
    command.write("right\n");
    command.closeWriteChannel();
    ASSERT_TRUE(command.waitForFinished(30000));
    EXPECT_EQ(command.exitCode(), 0) << command.readAllStandardError().toStdString();
    const std::string stored = std::to_string(port) + "\n$argon2id$";
    EXPECT_EQ(readBytes(paths.webIni()).substr(0, stored.size()), stored);

    QProcess tollix;
    tollix.setProcessEnvironment(env);
    tollix.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    test::endWithTest(tollix);
    tollix.start(QStringLiteral(TOLLIX_EXE), {});
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
    EXPECT_EQ(status[u"today"_s].toArray(),
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

    const QJsonArray rings =
        QJsonDocument::fromJson(http(port, "GET", "/api/rings?limit=2", session).body)[u"rings"_s]
            .toArray();
    ASSERT_EQ(rings.size(), 2);
    EXPECT_EQ(rings[0][u"outcome"_s].toString() + u" "_s + rings[0][u"sound"_s].toString(),
              u"web Log in"_s);
    EXPECT_EQ(rings[1][u"outcome"_s].toString() + u" "_s + rings[1][u"sound"_s].toString() +
                  u" "_s + rings[1][u"reason"_s].toString(),
              u"rang bell.wav web from 127.0.0.1"_s);
    tollix.terminate();
    EXPECT_TRUE(tollix.waitForFinished(5000));
}

}  // namespace
}  // namespace tollix
