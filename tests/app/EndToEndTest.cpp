// The real program under a shifted clock, ringing into the private sound
// server: what the null sink plays is what a school would hear.
#include "schedule/AppPaths.h"
#include "schedule/DataFiles.h"
#include "schedule/DefaultFiles.h"
#include "tests/support/Doubles.h"
#include "tests/support/Pulse.h"
#include "tests/support/TimeReply.h"

#include <QDateTime>
#include <QNetworkDatagram>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <sstream>
#include <thread>

namespace tollix {
namespace {

namespace fs = std::filesystem;
using std::chrono::system_clock;
using test::Recording;

constexpr char kFakeTimeLibrary[] = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1";

// Zero crossings per second over [from, to): the pitch of a plain tone.
double hertz(const std::vector<std::int16_t>& samples, double from, double to) {
    const auto first = static_cast<std::size_t>(from * Recording::kRate);
    const auto last = std::min(samples.size(), static_cast<std::size_t>(to * Recording::kRate));
    int crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i)
        if ((samples[i - 1] < 0) != (samples[i] < 0))
            ++crossings;
    return last > first ? crossings / 2.0 / (static_cast<double>(last - first) / Recording::kRate)
                        : 0;
}

// Seconds of the first sound at or after `from`; -1 when none.
double heardAfter(const std::vector<std::int16_t>& samples, double from) {
    const auto first =
        std::min(samples.size(), static_cast<std::size_t>(std::max(0.0, from) * Recording::kRate));
    const std::vector<std::int16_t> rest(samples.begin() + static_cast<long>(first), samples.end());
    const double at = test::onset(rest);
    return at < 0 ? -1 : at + static_cast<double>(first) / Recording::kRate;
}

// The recording's start is known only to within its first block, later on a
// loaded machine; the benchmark measures the onset exactly.
constexpr double kSlack = 0.9;

class EndToEnd : public ::testing::Test {
  protected:
    test::TempFolder home;
    AppPaths paths{home.path() / "tollix"};
    QProcess tollix;
    double boundary = 0;   // seconds into the recording of the first fake minute
    long long offset = 0;  // the fake clock's lead on the real one, in seconds
    fs::path fakeTime = home.path() / "faketime";
    fs::path ringLog = home.path() / "state" / "tollix" / "rings.log";
    QString display;    // empty: the offscreen platform
    QString ownServer;  // empty: the test run's sound server
    bool noSystemBus = false;

    void SetUp() override {
        if (!fs::exists(kFakeTimeLibrary))
            GTEST_SKIP() << "libfaketime is not installed";
        test::PulseServer& server = test::PulseServer::shared();
        server.use();
        // Earlier tests leave the sink where they faded it.
        server.pactl(
            {QStringLiteral("set-sink-volume"), QStringLiteral("bells"), QStringLiteral("100%")});
        server.pactl(
            {QStringLiteral("set-sink-mute"), QStringLiteral("bells"), QStringLiteral("0")});
        ASSERT_TRUE(EnsureProgramFolder(paths).empty());
        for (const auto& entry : fs::directory_iterator(paths.soundFolder())) fs::remove_all(entry);
    }
    void TearDown() override {
        if (tollix.state() != QProcess::NotRunning) {
            tollix.terminate();
            if (!tollix.waitForFinished(5000))
                tollix.kill();
            tollix.waitForFinished(2000);
        }
    }
    void tone(const std::string& name, double seconds, int frequency) {
        ASSERT_FALSE(test::makeTone(paths.soundFolder() / name, seconds, frequency).empty());
    }
    // data.ini with "Auto execution" set, so the schedule starts with the program.
    void settings(int timeMode, int dayMode, int soundZero, int autoMode = 1) {
        GeneralSettings s;
        s.auto_exe = 1;
        s.autoMode = autoMode;
        s.timeMode = timeMode;
        s.dayMode = dayMode;
        s.sound_zero = soundZero;
        ASSERT_TRUE(datafiles::writeGeneral(paths.dataIni(), s).empty());
    }
    // Starts Tollix so that its clock reaches `minute` (local time) three
    // whole seconds from now; `boundary` is then that moment in `recording`.
    void startAt(const QDateTime& minute, system_clock::time_point recordingStarted) {
        const auto now = system_clock::now();
        const auto wholeNow = std::chrono::ceil<std::chrono::seconds>(now);
        const auto realBoundary = wholeNow + std::chrono::seconds(3);
        offset = minute.toSecsSinceEpoch() -
                 std::chrono::duration_cast<std::chrono::seconds>(realBoundary.time_since_epoch())
                     .count();
        boundary = std::chrono::duration<double>(realBoundary - recordingStarted).count();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(home.path().string()));
        env.insert(QStringLiteral("XDG_STATE_HOME"),
                   QString::fromStdString((home.path() / "state").string()));
        if (display.isEmpty()) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            env.insert(QStringLiteral("DISPLAY"), display);
        }
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   QString::fromStdString((home.path() / "config").string()));
        env.insert(QStringLiteral("LD_PRELOAD"), QLatin1String(kFakeTimeLibrary));
        setClock(offset);
        if (noSystemBus)
            env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                       QStringLiteral("unix:path=/nonexistent/tollix-test-bus"));
        if (!ownServer.isEmpty())
            env.insert(QStringLiteral("PULSE_SERVER"), ownServer);
        env.insert(QStringLiteral("FAKETIME_TIMESTAMP_FILE"),
                   QString::fromStdString(fakeTime.string()));
        env.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        env.insert(QStringLiteral("FAKETIME_NO_CACHE"), QStringLiteral("1"));
        tollix.setProcessEnvironment(env);
        tollix.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        test::endWithTest(tollix);
        tollix.start(QStringLiteral(TOLLIX_EXE), {});
        ASSERT_TRUE(tollix.waitForStarted(5000));
    }
    // The fake clock, read afresh at every call of the program.
    void setClock(long long lead) {
        test::writeBytes(fakeTime, (lead >= 0 ? "+" : "") + std::to_string(lead) + "\n");
    }
    // "outcome sound" of each line of the program's ring record.
    std::vector<std::string> records() const {
        std::vector<std::string> out;
        std::istringstream in(test::readBytes(ringLog));
        for (std::string line; std::getline(in, line);) {
            const auto outcome = line.find('\t') + 1;
            const auto sound = line.find('\t', outcome) + 1;
            out.push_back(line.substr(outcome, line.find('\t', sound) - outcome));
        }
        return out;
    }
    // Lets the program run until `seconds` after the boundary.
    void runUntil(double seconds, system_clock::time_point recordingStarted) {
        const auto until =
            recordingStarted + std::chrono::duration_cast<system_clock::duration>(
                                   std::chrono::duration<double>(boundary + seconds));
        std::this_thread::sleep_until(until);
        ASSERT_EQ(tollix.state(), QProcess::Running) << "Tollix ended early";
    }
    static QDateTime at(int year, int month, int day, int hour, int minute) {
        return QDateTime(QDate(year, month, day), QTime(hour, minute));
    }
};

TEST_F(EndToEnd, TwoBellsRingAtTheirMinutesAndOtherSoundIsSilentBetween) {
    tone("first.wav", 1.5, 440);
    tone("second.wav", 1.5, 880);
    settings(2, 1, 1);  // manual input, apply week, "No com sound"
    ASSERT_TRUE(datafiles::writeWeekList(paths.weekList(),
                                         {"08hr 30min/first.wav", "08hr 31min/second.wav"})
                    .empty());
    // Another program plays all the while.
    const fs::path other = test::makeTone(home.path() / "radio.wav", 25, 300);
    ASSERT_FALSE(other.empty());

    Recording recording(test::PulseServer::shared());
    const auto recordingStarted = system_clock::now();
    QProcess radio;
    test::endWithTest(radio);
    radio.start(QStringLiteral("paplay"), {QString::fromStdString(other.string())});
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    startAt(at(2026, 12, 7, 8, 30), recordingStarted);
    runUntil(4, recordingStarted);
    setClock(offset + 51);  // 08:30:04 becomes 08:30:55: the next minute in 5 s
    runUntil(11.5, recordingStarted);
    radio.kill();
    radio.waitForFinished(2000);
    const auto samples = recording.stop();

    // The other program is heard until Tollix starts, then held silent.
    EXPECT_GT(test::rms(samples, 0.2, 1.3), 500);
    EXPECT_LT(test::rms(samples, boundary - 1.5, boundary - 0.2), 100);
    // The first bell begins at its minute, the second one minute later.
    const double first = heardAfter(samples, boundary - 0.5);
    EXPECT_GT(first, boundary - 0.1);
    EXPECT_LT(first, boundary + kSlack);
    EXPECT_GT(test::rms(samples, first + 0.2, first + 1.2), 1000);
    EXPECT_NEAR(hertz(samples, first + 0.2, first + 1.2), 440, 80);
    // Silence between the bells, though the other program still plays.
    EXPECT_LT(test::rms(samples, first + 3, boundary + 8.5), 100);
    const double second = heardAfter(samples, first + 3);
    EXPECT_NEAR(second - first, 9, 0.3);
    EXPECT_GT(test::rms(samples, second + 0.2, second + 1.2), 1000);
    EXPECT_NEAR(hertz(samples, second + 0.2, second + 1.2), 880, 120);
}

TEST_F(EndToEnd, AtMidnightTheNewWeekdaysFirstBellRings) {
    tone("sunday.wav", 1, 440);
    tone("monday.wav", 1.5, 880);
    settings(2, 2, 0);  // manual input, set each day
    ASSERT_TRUE(datafiles::writeDayList(paths.dayList(1), {0, {"23hr 00min/sunday.wav"}}).empty());
    ASSERT_TRUE(datafiles::writeDayList(paths.dayList(2), {0, {"00hr 00min/monday.wav"}}).empty());

    Recording recording(test::PulseServer::shared());
    const auto recordingStarted = system_clock::now();
    startAt(at(2026, 12, 7, 0, 0), recordingStarted);  // a Monday begins
    runUntil(3.5, recordingStarted);
    const auto samples = recording.stop();

    // The tick at midnight builds the new day's bells; the next one rings them.
    const double heard = heardAfter(samples, boundary - 0.5);
    EXPECT_GT(heard, boundary - 0.1);
    EXPECT_LT(heard, boundary + 1 + kSlack);
    EXPECT_GT(test::rms(samples, heard + 0.2, heard + 1.2), 1000);
    EXPECT_NEAR(hertz(samples, heard + 0.2, heard + 1.2), 880, 120);
}

TEST_F(EndToEnd, ABellRingsOnceThoughTheClockGoesBackOverIt) {
    tone("first.wav", 1.5, 440);
    settings(2, 1, 0);
    ASSERT_TRUE(datafiles::writeWeekList(paths.weekList(), {"08hr 30min/first.wav"}).empty());

    Recording recording(test::PulseServer::shared());
    const auto recordingStarted = system_clock::now();
    startAt(at(2026, 12, 7, 8, 30), recordingStarted);
    runUntil(3, recordingStarted);
    setClock(offset - 8);  // 08:30:03 becomes 08:29:55; 08:30 comes again 5 s later
    runUntil(10, recordingStarted);
    const auto samples = recording.stop();

    const double first = heardAfter(samples, boundary - 0.5);
    EXPECT_GT(first, boundary - 0.1);
    EXPECT_LT(first, boundary + kSlack);
    EXPECT_LT(test::rms(samples, first + 2.5, boundary + 10), 100) << "the minute rang twice";
    EXPECT_EQ(records(), (std::vector<std::string>{"rang\tfirst.wav", "held\tfirst.wav"}));
}

// The time server is 5 s ahead and the computer's clock may not be set: the
// 08:30 bell rings at 08:29:55 of the computer's clock, the server's 08:30.
TEST_F(EndToEnd, BellsFollowTheTimeServerWhereTheClockMayNotBeSet) {
    tone("first.wav", 1.5, 440);
    GeneralSettings s;
    s.auto_exe = 1;
    s.autoMode = 1;
    s.timeMode = 2;
    s.dayMode = 1;
    s.chkTimeSync = 1;
    ASSERT_TRUE(datafiles::writeGeneral(paths.dataIni(), s).empty());
    ASSERT_TRUE(datafiles::writeWeekList(paths.weekList(), {"08hr 30min/first.wav"}).empty());
    QUdpSocket server;  // answers with the program's clock + 5 s
    ASSERT_TRUE(server.bind(QHostAddress::LocalHost, 0));
    test::writeBytes(paths.dataFolder() / "timeserver.ini",
                     "127.0.0.1:" + std::to_string(server.localPort()) + "\r\n");
    QObject::connect(&server, &QUdpSocket::readyRead, [&] {
        while (server.hasPendingDatagrams()) {
            const QNetworkDatagram request = server.receiveDatagram();
            const auto now = system_clock::now() + std::chrono::seconds(offset + 5);
            server.writeDatagram(
                test::timeReply(
                    request.data(),
                    std::chrono::duration_cast<std::chrono::nanoseconds>(now.time_since_epoch())
                        .count()),
                request.senderAddress(), request.senderPort());
        }
    });

    Recording recording(test::PulseServer::shared());
    const auto recordingStarted = system_clock::now();
    // No system bus: timedated cannot be asked, and the real clock is never touched.
    noSystemBus = true;
    // The first request goes out at 08:29:51, two seconds after the boundary.
    startAt(QDateTime(QDate(2026, 12, 7), QTime(8, 29, 49)), recordingStarted);
    while (system_clock::now() <
           recordingStarted + std::chrono::duration_cast<system_clock::duration>(
                                  std::chrono::duration<double>(boundary + 8.5)))
        QTest::qWait(20);  // the server answers from this loop
    const auto samples = recording.stop();

    const double heard = heardAfter(samples, boundary + 2);
    EXPECT_GT(heard, boundary + 6 - 0.1) << "before the server's 08:30";
    EXPECT_LT(heard, boundary + 6 + kSlack) << "not at the server's 08:30";
    EXPECT_EQ(records(), (std::vector<std::string>{"rang\tfirst.wav"}));
}

TEST_F(EndToEnd, ASinkMutedAtTheBellIsRecordedAsNotHeard) {
    tone("first.wav", 3, 440);
    settings(2, 1, 0);
    ASSERT_TRUE(datafiles::writeWeekList(paths.weekList(), {"08hr 30min/first.wav"}).empty());

    Recording recording(test::PulseServer::shared());
    const auto recordingStarted = system_clock::now();
    startAt(at(2026, 12, 7, 8, 30), recordingStarted);
    runUntil(0.4, recordingStarted);
    test::PulseServer::shared().pactl(
        {QStringLiteral("set-sink-mute"), QStringLiteral("bells"), QStringLiteral("1")});
    runUntil(2.5, recordingStarted);
    recording.stop();
    test::PulseServer::shared().pactl(
        {QStringLiteral("set-sink-mute"), QStringLiteral("bells"), QStringLiteral("0")});
    EXPECT_EQ(records(), (std::vector<std::string>{"not-heard\tfirst.wav"}));
    EXPECT_NE(test::readBytes(ringLog).find("the speakers are muted"), std::string::npos);
}

// The seconds left of a list over 12 hours once wrapped: it stopped after a second.
TEST_F(EndToEnd, AThirteenHourMusicListIsStillPlayingSecondsOn) {
    fs::create_directories(paths.soundFolder() / "780_allday");
    tone("780_allday/song.wav", 12, 440);
    tone("bell.wav", 1, 880);  // start wants one sound file in the folder
    settings(2, 1, 0);
    ASSERT_TRUE(datafiles::writeWeekList(paths.weekList(), {"08hr 30min/780_allday"}).empty());

    Recording recording(test::PulseServer::shared());
    const auto recordingStarted = system_clock::now();
    startAt(at(2026, 12, 7, 8, 30), recordingStarted);
    runUntil(7, recordingStarted);
    const auto samples = recording.stop();
    const double start = heardAfter(samples, boundary - 0.5);
    EXPECT_GT(start, boundary - 0.1);
    EXPECT_LT(start, boundary + kSlack);
    EXPECT_GT(test::rms(samples, boundary + 5, boundary + 6.5), 1000) << "the list stopped early";
}

// PulseAudio (or PipeWire) restarted between bells comes back unmuted; "No com
// sound" mutes it again without waiting for the next bell.
TEST_F(EndToEnd, ARestartedSoundServerIsMutedAgainBetweenBells) {
    test::PulseServer own(home.path() / "own-pulse");
    ASSERT_TRUE(own.start());
    ownServer = own.address();
    tone("first.wav", 1, 440);
    settings(2, 1, 1);
    ASSERT_TRUE(datafiles::writeWeekList(paths.weekList(), {"23hr 00min/first.wav"}).empty());
    startAt(at(2026, 12, 7, 8, 0), system_clock::now());
    const auto muted = [&own] {
        return own.pactl({QStringLiteral("get-sink-mute"), QStringLiteral("bells")})
            .contains(QStringLiteral("yes"));
    };
    bool before = false;
    for (int i = 0; i < 50 && !(before = muted()); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(before);
    own.stop();
    ASSERT_TRUE(own.start());
    EXPECT_FALSE(muted()) << "a new server starts unmuted";
    bool after = false;
    for (int i = 0; i < 100 && !(after = muted()); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(after) << "not muted again within 10 s";
    TearDown();
    own.stop();
}

// Killed while a start-up message waits for the operator (a log-out, a
// shutdown): the speakers "No com sound" muted are given back.
class EndedInStartUp : public EndToEnd, public ::testing::WithParamInterface<int> {};

TEST_P(EndedInStartUp, TheOutputIsUnmuted) {
    settings(2, 1, 1);  // manual input with an empty list: start refused with a message
    tone("first.wav", 1, 440);
    startAt(at(2026, 12, 7, 8, 0), system_clock::now());
    const auto muted = [] {
        return test::PulseServer::shared()
            .pactl({QStringLiteral("get-sink-mute"), QStringLiteral("bells")})
            .contains(QStringLiteral("yes"));
    };
    for (int i = 0; i < 50 && !muted(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(muted()) << "No com sound did not mute at start-up";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the message is up
    ::kill(static_cast<pid_t>(tollix.processId()), GetParam());
    EXPECT_TRUE(tollix.waitForFinished(5000)) << "it did not end";
    EXPECT_FALSE(muted());
}

INSTANTIATE_TEST_SUITE_P(Signals, EndedInStartUp, ::testing::Values(SIGTERM, SIGHUP, SIGINT));

// The top-level windows named TOLLIX that are mapped on the display (the
// tray icon lives inside the tray, not at the top).
QStringList shownWindows(const QString& display) {
    QProcess tree;
    tree.start(QStringLiteral("xwininfo"), {QStringLiteral("-display"), display,
                                            QStringLiteral("-root"), QStringLiteral("-children")});
    tree.waitForFinished(5000);
    QStringList shown;
    for (const QString& line : QString::fromUtf8(tree.readAll()).split(QLatin1Char('\n'))) {
        if (!line.contains(QStringLiteral("\"TOLLIX\"")))
            continue;
        const QString id = line.trimmed().section(QLatin1Char(' '), 0, 0);
        QProcess info;
        info.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-display"), display, QStringLiteral("-id"), id});
        info.waitForFinished(5000);
        if (QString::fromUtf8(info.readAll()).contains(QStringLiteral("IsViewable")))
            shown << id;
    }
    return shown;
}

// Started at log-on in tray mode on a real X display with a tray: the
// window stays out of sight and the bells ring all the same.
TEST_F(EndToEnd, StartedAtLogOnInTrayModeShowsNoWindowAndRings) {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
        GTEST_SKIP() << "Xvfb or trayer is not installed";
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"),
               {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                QStringLiteral("tcp")});
    ASSERT_TRUE(xvfb.waitForReadyRead(10000));
    display = QStringLiteral(":") + QString::fromUtf8(xvfb.readLine()).trimmed();
    QProcess tray;
    QProcessEnvironment trayEnv = QProcessEnvironment::systemEnvironment();
    trayEnv.insert(QStringLiteral("DISPLAY"), display);
    tray.setProcessEnvironment(trayEnv);
    tray.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top")});
    ASSERT_TRUE(tray.waitForStarted(5000));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    tone("first.wav", 1.5, 440);
    settings(2, 1, 0, 2);  // "Execution to tray icon"
    ASSERT_TRUE(datafiles::writeWeekList(paths.weekList(), {"08hr 30min/first.wav"}).empty());
    Recording recording(test::PulseServer::shared());
    const auto recordingStarted = system_clock::now();
    startAt(at(2026, 12, 7, 8, 30), recordingStarted);
    runUntil(-1, recordingStarted);
    EXPECT_TRUE(shownWindows(display).isEmpty()) << shownWindows(display).join(u' ').toStdString();
    runUntil(2.5, recordingStarted);
    const auto samples = recording.stop();
    const double heard = heardAfter(samples, boundary - 0.5);
    EXPECT_GT(heard, boundary - 0.1);
    EXPECT_LT(heard, boundary + kSlack);
    EXPECT_EQ(records(), (std::vector<std::string>{"rang\tfirst.wav"}));
    EXPECT_TRUE(shownWindows(display).isEmpty());

    TearDown();
    tray.terminate();
    tray.waitForFinished(3000);
    xvfb.terminate();
    xvfb.waitForFinished(3000);
}

}  // namespace
}  // namespace tollix
