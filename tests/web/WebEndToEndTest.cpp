// The real program with its web page on: set up from the command line, a bell
// rung from the page heard at the private sound server, and floods withstood.
#include "tests/support/Program.h"
#include "tests/web/Http.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>

namespace tollix {
namespace {

using test::http;

// Logged in with the right password: the session's cookie and token, as headers.
QByteArray logIn(quint16 port) {
    const auto login = http(port, "POST", "/api/login", {}, R"({"password":"right long"})");
    const qsizetype at = login.head.indexOf("tollix_session=");
    return "Cookie: " + login.head.mid(at, login.head.indexOf(';', at) - at) +
           "\r\nX-CSRF-Token: " +
           QJsonDocument::fromJson(login.body)[u"csrf"_s].toString().toLatin1() + "\r\n";
}

// Connections from loopback addresses 127.0.0.FIRST on, `each` per address,
// `request` sent on each (none: they stay idle).
std::vector<std::unique_ptr<QTcpSocket>> connectFrom(quint16 port, int first, int addresses,
                                                     int each, const QByteArray& request = {}) {
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int address = first; address < first + addresses; ++address)
        for (int i = 0; i < each; ++i) {
            auto& socket = sockets.emplace_back(std::make_unique<QTcpSocket>());
            socket->bind(QHostAddress(u"127.0.0.%1"_s.arg(address)));
            socket->connectToHost(u"127.0.0.1"_s, port);
            socket->write(request);
        }
    return sockets;
}

// Then many addresses hold connections open idle and guess the password: the
// real user still gets in, and the page lives on after every flood.
TEST(WebEndToEnd, APasswordSetWithoutADisplayLetsThePageRingABellAndLetsTheUserInThroughFloods) {
    test::Program tollix;
    test::PulseServer& pulse = test::PulseServer::shared();
    pulse.pactl({u"set-sink-volume"_s, u"bells"_s, u"100%"_s});
    pulse.pactl({u"set-sink-mute"_s, u"bells"_s, u"0"_s});
    tollix.tone("bell.wav", 1.5, 660);
    tollix.settings({.timeMode = 2}, {"11hr 00min/bell.wav"});
    const quint16 port = test::freePort();
    writeBytes(tollix.paths.webIni(), std::to_string(port) + "\n");

    tollix.env.remove(u"DISPLAY"_s);
    const auto refused = tollix.command({u"--web-password"_s}, "ninechärs\n");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.error.find("shorter than 10 characters"), std::string::npos);
    const auto said = tollix.command({u"--web-password"_s}, "right long\n");
    ASSERT_EQ(said.status, 0) << said.error;
    const std::string stored = std::to_string(port) + "\n$argon2id$";
    EXPECT_EQ(readBytes(tollix.paths.webIni()).substr(0, stored.size()), stored);

    tollix.setClock(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    ASSERT_TRUE(tollix.start());
    const auto answers = [&](int ms) {
        return QTest::qWaitFor([&] { return http(port, "GET", "/api/status").status == 401; }, ms);
    };
    ASSERT_TRUE(answers(15000));
    const QByteArray session = logIn(port);
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
    EXPECT_EQ(http(port, "POST", "/api/ring", session, R"({"sound":"bell.wav"})").status, 200);
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

    const auto connected = [](const auto& sockets, QAbstractSocket::SocketState state) {
        const auto in = [&](auto& s) { return s->state() == state; };
        return QTest::qWaitFor([&] { return std::ranges::all_of(sockets, in); }, 15000);
    };
    const auto loggedIn = [&] {
        return http(port, "GET", "/api/status", logIn(port)).status == 200;
    };
    auto idle = connectFrom(port, 2, 10, 16);
    ASSERT_TRUE(connected(idle, QAbstractSocket::ConnectedState));
    QTest::qWait(300);
    EXPECT_TRUE(loggedIn());  // from 127.0.0.1, beside 160 idle connections
    // Connections that never sent a request are closed by the page soon.
    EXPECT_TRUE(connected(idle, QAbstractSocket::UnconnectedState));

    // More than the page takes at once, all closed by their client while it
    // is held up: it answers again.
    idle = connectFrom(port, 2, 34, 16);
    ASSERT_TRUE(connected(idle, QAbstractSocket::ConnectedState));
    QTest::qWait(300);
    ::kill(static_cast<pid_t>(tollix.process.processId()), SIGSTOP);
    idle.clear();
    QTest::qWait(300);
    ::kill(static_cast<pid_t>(tollix.process.processId()), SIGCONT);
    EXPECT_TRUE(answers(5000));

    // Three guesses from each of 20 addresses at once; once 10 are refused,
    // checks are slowed down, yet the right password goes before them.
    const QByteArray guess = R"({"password":"guess"})";
    const auto guesses =
        connectFrom(port, 40, 20, 3,
                    "POST /api/login HTTP/1.1\r\nHost: localhost\r\nContent-Length: " +
                        QByteArray::number(guess.size()) + "\r\n\r\n" + guess);
    const auto refusedGuesses = [&] {  // peeked: each answer stays in its socket
        return std::ranges::count_if(guesses,
                                     [](auto& s) { return s->peek(12) == "HTTP/1.1 401"; });
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return refusedGuesses() >= 10; }, 30000));
    EXPECT_TRUE(loggedIn());
    const auto before = refusedGuesses();  // the rest waits its turn, one a second
    QTest::qWait(3000);
    EXPECT_LE(refusedGuesses() - before, 4);
    EXPECT_TRUE(tollix.stop());
}

}  // namespace
}  // namespace tollix
