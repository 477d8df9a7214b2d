// The web page's server on a loopback port: who may do what, and how often.
#include "engine/NextBell.h"
#include "tests/support/Pulse.h"
#include "tests/web/Http.h"
#include "ui/Translations.h"
#include "ui/WebPageWindow.h"
#include "web/WebServer.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>

#include <sodium.h>

namespace tollix {
namespace {

using test::http;

class WebServerTest : public ::testing::Test, protected test::EngineDoubles {
  protected:
    ScheduleModel model{paths};
    test::FakeClock clock;
    BellEngine engine{engineServices(clock), model};
    QStringList toSay;  // what was given to be said, and by whom
    // The player takes its time over a file, as over a slow disk.
    web::WebApi api{{model, engine, clock, paths.soundFolder(), ringLog.file(), nullptr, nullptr,
                     [this](const QString& text, const std::string& by) {
                         toSay << text + u" "_s + QString::fromStdString(by);
                         return QString();
                     },
                     [](const fs::path& file) {
                         QThread::sleep(3);
                         return readBytes(file).starts_with("RIFF");
                     }}};
    std::int64_t nowMs = 0;
    std::unique_ptr<web::WebServer> server;

    void SetUp() override {
        fs::create_directories(paths.dataFolder());
        writeBytes(paths.soundFolder() / "bell.wav", "x");
        ASSERT_GE(sodium_init(), 0);
        char hash[crypto_pwhash_STRBYTES];  // the cheapest hash: the test checks rules, not cost
        ASSERT_EQ(crypto_pwhash_str(hash, "right", 5, crypto_pwhash_OPSLIMIT_MIN,
                                    crypto_pwhash_MEMLIMIT_MIN),
                  0);
        const int port = test::freePort();
        ASSERT_EQ(web::writeWebSettings(paths.webIni(), {port, hash}), "");
        server = std::make_unique<web::WebServer>(
            api,
            web::WebServer::Files{paths.webIni(), paths.dataFolder() / "web.crt",
                                  paths.dataFolder() / "web.key"},
            [this] { return nowMs; });
        ASSERT_EQ(server->port(), port) << server->problem().toStdString();
    }
};

TEST_F(WebServerTest, OnlyALoggedInPageWithItsTokenMayActAndGuessingIsSlowedDown) {
    QByteArray cookie;
    QByteArray csrf;
    const QByteArray wrong = R"({"password":"wrong"})";
    const QByteArray right = R"({"password":"right"})";
    struct Row {
        std::int64_t atSeconds;
        QByteArray method, path, body;
        bool withCookie, withCsrf;
        int status;
    };
    const Row rows[] = {
        {0, "GET", "/api/status", {}, false, false, 401},
        {0, "POST", "/api/stop", {}, false, false, 401},
        {0, "GET", "/api/nothing", {}, false, false, 401},
        {0, "POST", "/api/login", "{password", false, false, 400},
        {0, "POST", "/api/login", wrong, false, false, 401},
        {0, "POST", "/api/login", right, false, false, 200},
        {0, "GET", "/api/status", {}, true, false, 200},
        {0, "POST", "/api/stop", {}, true, false, 403},
        {0, "POST", "/api/schedule/start", {}, true, false, 403},
        {0, "POST", "/api/stop", {}, true, true, 200},
        {0, "POST", "/api/ring", R"({"sound":"../data/web.ini"})", true, true, 400},
        {0, "POST", "/api/say", R"({"text":"Lunch"})", true, false, 403},
        {0, "POST", "/api/say", R"({"text":"Lunch"})", true, true, 200},
        {0, "POST", "/api/say", R"({"text":" "})", true, true, 400},
        {0, "POST", "/api/say", R"({"text":")" + QByteArray(500, 'a') + R"("})", true, true, 200},
        {0, "POST", "/api/say", R"({"text":")" + QByteArray(501, 'a') + R"("})", true, true, 400},
        {0, "POST", "/api/schedule/stop", {}, true, true, 409},  // not running
        {0, "POST", "/api/logout", {}, true, true, 200},
        {0, "GET", "/api/status", {}, true, false, 401},
        // Five failures, then even the right password waits 30 s.
        {0, "POST", "/api/login", wrong, false, false, 401},
        {0, "POST", "/api/login", wrong, false, false, 401},
        {0, "POST", "/api/login", wrong, false, false, 401},
        {0, "POST", "/api/login", wrong, false, false, 401},
        {0, "POST", "/api/login", wrong, false, false, 401},
        {0, "POST", "/api/login", right, false, false, 429},
        {29, "POST", "/api/login", right, false, false, 429},
        // Each further failure doubles the wait.
        {30, "POST", "/api/login", wrong, false, false, 401},
        {89, "POST", "/api/login", right, false, false, 429},
        {90, "POST", "/api/login", wrong, false, false, 401},
        {209, "POST", "/api/login", right, false, false, 429},
        {210, "POST", "/api/login", right, false, false, 200},
        // A session idle for 12 hours ends; one in use lives on.
        {210 + 11 * 3600, "GET", "/api/status", {}, true, false, 200},
        {210 + 22 * 3600, "GET", "/api/status", {}, true, false, 200},
        {210 + 35 * 3600, "GET", "/api/status", {}, true, false, 401},
    };
    int line = 0;
    for (const Row& row : rows) {
        ++line;
        nowMs = row.atSeconds * 1000;
        QByteArray headers;
        if (row.withCookie)
            headers += "Cookie: other=1; " + cookie + "\r\n";
        if (row.withCsrf)
            headers += "X-CSRF-Token: " + csrf + "\r\n";
        if (!row.withCsrf && row.withCookie && row.method == "POST")
            headers += "X-CSRF-Token: " + QByteArray(csrf.size(), '0') + "\r\n";
        const auto answer = http(server->port(), row.method, row.path, headers, row.body);
        EXPECT_EQ(answer.status, row.status) << "row " << line << ": " << answer.body.data();
        EXPECT_TRUE(answer.head.contains("X-Frame-Options: DENY")) << "row " << line;
        if (row.path == "/api/login" && answer.status == 200) {
            const qsizetype at = answer.head.indexOf("Set-Cookie: ") + 12;
            const QByteArray set = answer.head.mid(at, answer.head.indexOf("\r\n", at) - at);
            EXPECT_TRUE(set.endsWith("; Path=/; HttpOnly; SameSite=Strict")) << set.data();
            cookie = set.split(';').first();
            EXPECT_EQ(cookie.size(), 15 + 32);  // 128 bits
            csrf = QJsonDocument::fromJson(answer.body)[u"csrf"_s].toString().toLatin1();
        }
    }
    EXPECT_EQ(toSay, QStringList({u"Lunch web from 127.0.0.1"_s,
                                  QString(500, u'a') + u" web from 127.0.0.1"_s}));
    // Refused orders did nothing; each order and log-in is on record with its address,
    // refused log-ins once a minute with their count.
    EXPECT_EQ(test::ringRecords(ringLog.file()),
              "web Log in refused, web Log in, web Stop bell, web Log out, web Log in refused x7, "
              "web Log in");
}

TEST_F(WebServerTest, ABodyOverTheLimitIsRefusedUnreadOrAtItsEnd) {
    const QByteArray chunked = "Connection: close\r\nTransfer-Encoding: chunked\r\n\r\n";
    const std::pair<QByteArray, QByteArray> rows[] = {
        {"Content-Length: 1000000000\r\n\r\n", "HTTP/1.1 413"},  // answered unread
        {chunked + "1400\r\n" + QByteArray(0x1400, 'x') + "\r\n0\r\n\r\n", "HTTP/1.1 413"},
        {chunked + "100000\r\n" + QByteArray(0x100000, 'x'), ""},  // a flood is cut off
    };
    for (const auto& [rest, status] : rows) {
        QTcpSocket socket;
        socket.connectToHost(u"127.0.0.1"_s, server->port());
        socket.write("POST /api/login HTTP/1.1\r\nHost: localhost\r\n" + rest);
        QByteArray got;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                got += socket.readAll();
                return socket.state() == QAbstractSocket::UnconnectedState;
            },
            5000))
            << rest.left(30).data();
        EXPECT_EQ(got.left(12), status) << got.data();
    }
}

// The tick keeps its second while the player tries an uploaded sound for seconds.
TEST_F(WebServerTest, TheTickKeepsItsSecondWhileAnUploadedSoundIsTried) {
    const auto login = http(server->port(), "POST", "/api/login", {}, R"({"password":"right"})");
    const qsizetype at = login.head.indexOf("Set-Cookie: ") + 12;
    const QByteArray cookie = login.head.mid(at, login.head.indexOf(';', at) - at);
    const QByteArray csrf = QJsonDocument::fromJson(login.body)[u"csrf"_s].toString().toLatin1();
    QElapsedTimer elapsed;
    qint64 last = 0, longest = 0;
    const auto tick = [&] {
        longest = std::max(longest, elapsed.elapsed() - std::exchange(last, elapsed.elapsed()));
    };
    QObject::connect(&engine, &BellEngine::ticked, tick);
    engine.Timer1.setEnabled(true);
    elapsed.start();
    const auto answer =
        http(server->port(), "POST", "/api/sounds",
             "Cookie: " + cookie + "\r\nX-CSRF-Token: " + csrf + "\r\nX-File-Name: slow.wav\r\n",
             "RIFF sound");
    tick();
    EXPECT_EQ(answer.status, 200) << answer.body.data();
    EXPECT_GE(last, 3000);  // the try took its time
    EXPECT_LT(longest, 1300);
}

// Switched on in the window: the password hashed off its thread, the address and
// its code shown whole at once.
TEST_F(WebServerTest, TheWindowHashesANewPasswordOffItsThreadAndGrowsWithTheAddressAndItsCode) {
    ASSERT_EQ(web::writeWebSettings(paths.webIni(), {0, "x"}), "");
    server->reload();
    WebPageWindow window(*server);
    window.show();
    window.findChild<QSpinBox*>(u"port"_s)->setValue(test::freePort());
    auto* save = window.findChild<QPushButton*>(u"save"_s);
    auto* state = window.findChild<QLabel*>(u"state"_s);
    const auto type = [&](const QString& password) {
        for (const QString& field : {u"password"_s, u"again"_s})
            window.findChild<QLineEdit*>(field)->setText(password);
        save->click();
    };
    type(u"ninechärs"_s);
    EXPECT_EQ(state->text(), u"The password is shorter than 10 characters."_s);
    type(u"ten chärs!"_s);
    EXPECT_FALSE(save->isEnabled());  // back before the hash is made
    ASSERT_TRUE(QTest::qWaitFor([&] { return save->isEnabled(); }, 10000));
    EXPECT_TRUE(
        web::passwordMatches("ten chärs!", web::readWebSettings(paths.webIni()).passwordHash));
    auto* code = window.findChild<QLabel*>(u"code"_s);
    ASSERT_FALSE(code->pixmap().isNull());
    EXPECT_GE(code->height(), code->pixmap().height());
    EXPECT_GE(state->height(), state->heightForWidth(state->width()));
}

// HTTPS: TLS 1.2 and 1.3 with forward-secret AEAD suites only, and every
// answer tells the browser to come back over HTTPS alone.
TEST_F(WebServerTest, HttpsOffersOnlyCurrentTlsWithForwardSecretAeadSuites) {
    QProcess make;
    make.setWorkingDirectory(QString::fromStdString(paths.dataFolder().string()));
    make.start(u"openssl"_s,
               u"req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=bells -keyout "
               u"web.key -out web.crt"_s.split(u' '));
    ASSERT_TRUE(make.waitForFinished(30000) && make.exitCode() == 0);
    server->reload();
    ASSERT_TRUE(server->secure()) << server->problem().toStdString();
    const std::pair<QString, bool> rows[] = {
        {u"-tls1_3"_s, true},
        {u"-tls1_2 -cipher ECDHE-RSA-AES256-GCM-SHA384"_s, true},
        {u"-tls1_1 -cipher DEFAULT@SECLEVEL=0"_s, false},
        {u"-tls1_2 -cipher ECDHE-RSA-AES128-SHA"_s, false},  // CBC, SHA-1
        {u"-tls1_2 -cipher AES128-GCM-SHA256"_s, false},     // RSA key exchange
    };
    const QString connect = u"s_client -ign_eof -connect 127.0.0.1:%1 "_s.arg(server->port());
    for (const auto& [options, agreed] : rows) {
        QProcess client;
        client.start(u"openssl"_s, (connect + options).split(u' '));
        client.write("GET / HTTP/1.1\r\nHost: bells\r\nConnection: close\r\n\r\n");
        client.closeWriteChannel();
        EXPECT_TRUE(QTest::qWaitFor([&] { return client.state() == QProcess::NotRunning; }, 15000));
        const QByteArray said = client.readAllStandardOutput();
        EXPECT_EQ(said.contains("HTTP/1.1 200"), agreed) << options.toStdString();
        EXPECT_EQ(said.contains("\r\nStrict-Transport-Security: max-age=31536000\r\n"), agreed);
    }
}

// The page speaks the desktop's language, the words its script writes too.
TEST_F(WebServerTest, ThePageSpeaksTheProgramsLanguage) {
    installTranslations({u"de"_s});
    const QByteArray page = http(server->port(), "GET", "/").body;
    installTranslations({});
    EXPECT_TRUE(page.contains("<html lang=\"de\">"));
    EXPECT_TRUE(page.contains(">Abmelden<"));
    EXPECT_TRUE(page.contains("data-pc-clock=\"Zeit: PC-Uhr\""));
    EXPECT_TRUE(page.contains(R"(="AUS" data-holiday="FERIEN" data-wrong-password="Falsches)"));
    EXPECT_FALSE(page.contains("Log out"));
}

// Small however many bells; today's bells (every one) and the last rings apart, marked.
TEST_F(WebServerTest, TheStatusIsSmallAndSaysWhyNothingRingsTodayHasEveryBell) {
    fs::create_directory(paths.dataIni());  // data.ini cannot be read: nothing starts
    model.load(2);
    EXPECT_TRUE(api.status().body[u"problems"_s][0].toString().contains(u"data.ini"_s));
    fs::remove(paths.dataIni());
    test::save(paths.dataIni(), {.timeMode = 2});
    std::vector<std::string> lines;
    for (int minute = 0; minute < 1440; ++minute) lines.push_back(bellText(minute) + "/b");
    test::saveWeekList(paths.weekList(), lines);
    const auto restart = [this] { model.load(2), engine.startSchedule(); };
    restart();
    const QJsonObject running = api.status().body;
    EXPECT_LT(QJsonDocument(running).toJson(QJsonDocument::Compact).size(), 4096);
    api.stopBell("127.0.0.1");  // a line on the ring record
    EXPECT_NE(api.status().body[u"rings_mark"_s], running[u"rings_mark"_s]);
    test::save(paths.dataIni(), {.timeMode = 1});
    datafiles::writeIntervals(
        paths.weekIntervals(),
        {"8", "0", "10", "0", "50", "10", 0, "s", "e", 1, "5", "a", 1, "5", "b"},
        datafiles::IntervalFile::Week);
    restart();
    EXPECT_NE(api.status().body[u"today_mark"_s], running[u"today_mark"_s]);
    QString sounds;
    for (const auto bell : api.today().body[u"bells"_s].toArray())
        sounds += bell[u"sound"_s].toString();
    EXPECT_EQ(sounds, u"sabesabes"_s);  // the alarms 5 min after a start, before an end
}

}  // namespace
}  // namespace tollix
