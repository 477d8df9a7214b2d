// The real program under a shifted clock, ringing into the private sound
// server: what the null sink plays is what a school would hear.
#include "tests/support/Program.h"
#include "tests/support/SystemBus.h"
#include "tests/support/TimeServer.h"

#include <QTcpServer>

#include <chrono>
#include <csignal>
#include <functional>

namespace tollix {
namespace {

using std::chrono::system_clock;
using test::Recording;

// Zero crossings per second over [from, to): the pitch of a plain tone.
double hertz(const std::vector<std::int16_t>& samples, double from, double to) {
    const auto first = static_cast<std::size_t>(from * Recording::kRate);
    const auto last = std::min(samples.size(), static_cast<std::size_t>(to * Recording::kRate));
    int crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return last > first ? crossings / 2.0 / (static_cast<double>(last - first) / Recording::kRate)
                        : 0;
}

class EndToEnd : public ::testing::Test, protected test::Program {
  protected:
    system_clock::time_point recordingStarted;
    double boundary = 0;                // seconds into the recording of the first fake minute
    long long offset = 0;               // the fake clock's lead on the real one, in seconds
    std::function<void()> beforeStart;  // once the fake clock's lead is known
    QDate date{2026, 12, 7};            // a Monday

    void SetUp() override {
        for (const auto& entry : fs::directory_iterator(paths.soundFolder())) fs::remove_all(entry);
    }
    // Starts Tollix so that its clock reaches `time` on `date` three whole
    // seconds from now; `boundary` is that moment in the recording.
    void startAt(QTime time) {
        const auto realBoundary =
            std::chrono::ceil<std::chrono::seconds>(system_clock::now()) + std::chrono::seconds(3);
        offset = QDateTime(date, time).toSecsSinceEpoch() - system_clock::to_time_t(realBoundary);
        boundary = std::chrono::duration<double>(realBoundary - recordingStarted).count();
        setLead(offset);
        if (beforeStart)
            beforeStart();
        ASSERT_TRUE(start());
    }
    // Tollix started at `time` while the sink is recorded, run to `until`
    // seconds after the boundary, with each step taken at its second; what the
    // sink played, from `lead` seconds before the start.
    std::vector<std::int16_t> run(QTime time, double until,
                                  std::vector<std::pair<double, std::function<void()>>> steps = {},
                                  double lead = 0) {
        Recording recording(test::PulseServer::shared());
        recordingStarted = system_clock::now();
        QTest::qWait(static_cast<int>(lead * 1000));
        startAt(time);
        for (auto& [at, step] : steps) {
            runUntil(at);
            step();
        }
        runUntil(until);
        return recording.stop();
    }
    // Lets the program run until `seconds` after the boundary; the test's own
    // servers answer meanwhile.
    void runUntil(double seconds) {
        const auto until =
            recordingStarted + std::chrono::duration_cast<system_clock::duration>(
                                   std::chrono::duration<double>(boundary + seconds));
        while (system_clock::now() < until) QTest::qWait(10);
        EXPECT_EQ(process.state(), QProcess::Running) << "Tollix ended early";
    }
    // "No com sound" holds the outputs muted.
    static bool muted(const QString& sink = u"bells"_s) {
        return test::PulseServer::shared().pactl({u"get-sink-mute"_s, sink}).contains(u"yes"_s);
    }
    // A bell heard from `at` seconds after the boundary, up to `late` after it:
    // the slack of the recording's first block (the benchmark measures exactly).
    double expectBellAt(const std::vector<std::int16_t>& samples, double at, double late = 0.9) {
        const double heard = test::onset(samples, boundary + at - 0.5);
        EXPECT_GT(heard, boundary + at - 0.1);
        EXPECT_LT(heard, boundary + at + late);
        return heard;
    }
};

TEST_F(EndToEnd, TwoBellsRingAtTheirMinutesAndOtherSoundIsSilentBetween) {
    tone("first.wav", 1.5);
    tone("second.wav", 1.5, 880);
    settings({.timeMode = 2, .sound_zero = 1}, {"08hr 30min/first.wav", "08hr 31min/second.wav"});
    // Another program plays all the while.
    const fs::path other = test::makeTone(home.path() / "radio.wav", 25, 300);
    ASSERT_FALSE(other.empty());

    QProcess radio;
    test::endWithTest(radio);
    radio.start(u"paplay"_s, {QString::fromStdString(other.string())});
    // 08:30:04 becomes 08:30:55: the next minute in 5 s.
    const auto samples = run(QTime(8, 30), 11.5, {{4, [&] { setLead(offset + 51); }}}, 1.2);
    radio.kill();
    radio.waitForFinished(2000);

    // The other program is heard until Tollix starts, then held silent.
    EXPECT_GT(test::rms(samples, 0.2, 1.3), 500);
    EXPECT_LT(test::rms(samples, boundary - 1, boundary - 0.2), 100);  // start-up may be slow
    const double first = expectBellAt(samples, 0);
    EXPECT_GT(test::rms(samples, first + 0.2, first + 1.2), 1000);
    EXPECT_NEAR(hertz(samples, first + 0.2, first + 1.2), 440, 80);
    // Silence between the bells, though the other program still plays.
    EXPECT_LT(test::rms(samples, first + 3, boundary + 8.5), 100);
    const double second = test::onset(samples, first + 3);
    EXPECT_NEAR(second - first, 9, 0.3);
    EXPECT_NEAR(hertz(samples, second + 0.2, second + 1.2), 880, 120);
    // Without a display, standard error holds only what a person needs to read.
    EXPECT_EQ(errors().find("does not support"), std::string::npos) << errors();
}

// At midnight the new day is built: an exam day, which rings its template's
// list, not Monday's, and by the school's clocks, which are 5 s ahead: its
// 00:00 comes at the computer's 23:59:55. The sound list follows the sound folder.
TEST_F(EndToEnd, AtMidnightASpecialDayRingsItsTemplateByTheSchoolClock) {
    tone("monday.wav", 1.5, 440);
    tone("exam.wav", 1.5, 880);  // Sunday's bell has no file: it would not be heard
    settings({.fileListIndex = 0, .timeMode = 2, .dayMode = 2});  // each day; exam.wav chosen
    test::save(paths.dayList(1), {0, {"23hr 00min/sunday.wav"}});
    test::save(paths.dayList(2), {0, {"00hr 00min/monday.wav"}});
    test::save(paths.dayList(9), {0, {"00hr 00min/exam.wav"}});
    test::writeBytes(paths.holidaysIni(), "2026-12-07 = Templet 2 Exams\n");
    test::writeBytes(paths.clockIni(), "5\n");
    date = QDate(2026, 12, 6);
    // A sound copied in by hand comes first in the list: the choice kept is still exam.wav.
    const auto samples = run(QTime(23, 59, 50), 8, {{2, [&] { tone("alarm.wav", 0.5); }}});
    // The tick at midnight builds the new day's bells; the next one rings them.
    const double heard = expectBellAt(samples, 5, 1.9);
    EXPECT_NEAR(hertz(samples, heard + 0.2, heard + 1.2), 880, 120);
    EXPECT_EQ(records(), "rang exam.wav");
    EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).fileListIndex, 1);
}

// Two outputs, one of them another building's speakers: a tunnel to a second
// sound server on the loopback network. The bell is heard on both, and "No
// com sound" holds both silent after it. Also the program's own services: the
// start entry, and logind, whose power-off at 08:30 holds up no bell of that
// minute and comes once, though the clock goes back over the minute.
TEST_F(EndToEnd, ABellRingsOnceOnTwoOutputsThoughTheClockGoesBackOverIt) {
    const quint16 port = test::freePort();  // for the other computer's server
    test::PulseServer remote(home.path() / "remote");
    ASSERT_TRUE(remote.start(port));
    test::PulseServer& local = test::PulseServer::shared();
    const QStringList tunnel{u"load-module"_s, u"module-tunnel-sink"_s, u"sink_name=building2"_s,
                             u"server=tcp:127.0.0.1:%1"_s.arg(port), u"sink=bells"_s};
    ASSERT_FALSE(local.pactl(tunnel).trimmed().isEmpty());
    tone("first.wav", 1.5);
    settings({.timeMode = 2, .sound_zero = 1}, {"08hr 30min/first.wav"});
    test::writeBytes(paths.outputIni(), "bells\nbuilding2\n");
    test::writeBytes(paths.exitIni(), " 1 \r\n 8 \r\n 30 \r\n");  // "Reservation Exit"
    test::MockSystemBus logind{u"logind"_s, u"org.freedesktop.login1"_s};
    ASSERT_TRUE(logind.ready());
    ASSERT_TRUE(logind.setMethod(u"/org/freedesktop/login1"_s, u"org.freedesktop.login1.Manager"_s,
                                 u"PowerOff"_s, u"b"_s, {},
                                 u"import time; time.sleep(4)"_s));  // a slow login manager
    env.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_s, qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS"));

    Recording far(remote);
    const auto farStarted = system_clock::now();
    // 08:30:03 becomes 08:29:55; 08:30 comes again 5 s later.
    const auto samples = run(QTime(8, 30), 10, {{3, [&] { setLead(offset - 8); }}});
    const double here = expectBellAt(samples, 0);
    EXPECT_LT(test::rms(samples, here + 2.5, boundary + 10), 100) << "the minute rang twice";
    EXPECT_EQ(records(), "rang first.wav, held first.wav");
    // The same moment in the far recording; the network adds its buffer.
    const auto farSamples = far.stop();
    const double there = test::onset(
        farSamples, here + std::chrono::duration<double>(recordingStarted - farStarted).count());
    EXPECT_GT(test::rms(farSamples, there + 0.2, there + 1.2), 1000) << "not heard there";
    for (const QString& sink : {u"bells"_s, u"building2"_s})
        EXPECT_TRUE(muted(sink)) << sink.toStdString();
    EXPECT_EQ(logind.calls().count(u"PowerOff False"_s), 1)
        << logind.calls().join(u'|').toStdString();
    // "Auto execution" restored at start-up writes the start entry for this program.
    EXPECT_NE(test::readBytes(home.path() / "config" / "autostart" / "tollix.desktop")
                  .find("\nExec=" TOLLIX_EXE "\n"),
              std::string::npos);
}

// The time server is 5 s ahead and timedated refuses to set the clock. The
// computer's clock is set back 45 s while the first request waits for its
// answer (start-up and a clock set at boot coincide): that answer measured
// neither clock, so it is asked again, and the 08:30 bell rings at the
// server's 08:30. When the computer's clock is set back again, the bells
// follow the server within seconds.
TEST_F(EndToEnd, BellsFollowTheTimeServerWhereTheClockMayNotBeSet) {
    tone("first.wav", 1.5);
    settings({.timeMode = 2, .chkTimeSync = 1}, {"08hr 30min/first.wav"});
    test::ScriptedTimeServer server;
    server.holdMs = 700;
    test::writeBytes(paths.dataFolder() / "timeserver.ini",
                     "127.0.0.1:" + std::to_string(server.address().port) + "\r\n");
    // A timedated of the test's own that refuses: the real clock is never touched.
    test::MockSystemBus timedated{u"timedated"_s, u"org.freedesktop.timedate1"_s};
    ASSERT_TRUE(timedated.ready());
    ASSERT_TRUE(timedated.setMethod(
        u"/org/freedesktop/timedate1"_s, u"org.freedesktop.timedate1"_s, u"SetTime"_s, u"xbb"_s, {},
        u"raise dbus.exceptions.DBusException('no', name='org.freedesktop.DBus.Error.AccessDenied')"_s));
    env.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_s, qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS"));
    // The first request may go out as soon as the program's first tick.
    beforeStart = [&] { server.offsetMs = (offset + 5) * 1000; };
    const auto step = [&] {
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests == 1; }, 10000));
        server.holdMs = 0;
        QTest::qWait(300);     // the answer is still on its way
        setLead(offset - 45);  // only the tick sees this step: libfaketime moves no kernel timer
    };
    const auto samples = run(QTime(8, 29, 40), 17.5, {{-2.5, step}});
    expectBellAt(samples, 15);  // the server's 08:30
    EXPECT_EQ(server.requests, 2);
    const QStringList setTime = timedated.calls().filter(u"SetTime "_s);
    ASSERT_FALSE(setTime.isEmpty()) << "timedated was never asked";
    EXPECT_NEAR(setTime[0].section(u' ', 1, 1).toDouble(), 50e6, 2e5);
    EXPECT_EQ(setTime[0].section(u' ', 2), u"True False"_s);
    setLead(offset - 90);
    runUntil(25);
    EXPECT_EQ(server.requests, 3);
    // Back at the server's 08:30:0x, a minute that has rung.
    EXPECT_EQ(records(), "adjusted 127.0.0.1, rang first.wav, adjusted 127.0.0.1, held first.wav");
}

// Started inside a bell's minute: on record, not rung late. Started again at
// once while the old copy still ends (held there by SIGSTOP): the new one runs.
TEST_F(EndToEnd, AStartInsideABellsMinuteIsRecordedAndAStartRightAfterAStopRuns) {
    tone("first.wav", 1.5);
    settings({.timeMode = 2, .sound_zero = 1}, {"07hr 59min/first.wav"});
    startAt(QTime(7, 59, 17));
    ASSERT_TRUE(up());
    EXPECT_EQ(records(), "missed first.wav");
    const auto pid = static_cast<pid_t>(process.processId());
    ::kill(pid, SIGTERM);
    ASSERT_TRUE(QTest::qWaitFor([] { return !muted(); }, 5000));
    ::kill(pid, SIGSTOP);
    QProcess next;
    test::endWithTest(next);
    next.setProcessEnvironment(env);
    next.start(QStringLiteral(TOLLIX_EXE), {});
    EXPECT_FALSE(next.waitForFinished(1500)) << "it asked the ending copy and ended";
    ::kill(pid, SIGCONT);
    EXPECT_FALSE(next.waitForFinished(2000)) << "it did not run";
    next.terminate();  // its mute undone, for the tests after
    next.waitForFinished(5000);
}

// Killed while a start-up message waits for the operator (a log-out, a
// shutdown): the speakers "No com sound" muted are given back.
TEST_F(EndToEnd, EndedInStartUpBySignalTheOutputIsUnmuted) {
    settings({.timeMode = 2, .sound_zero = 1});  // an empty list: start refused with a message
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        startAt(QTime(8, 0));
        ASSERT_TRUE(QTest::qWaitFor([] { return muted(); }, 5000)) << "not muted at start-up";
        QTest::qWait(500);  // the message is up
        ::kill(static_cast<pid_t>(process.processId()), signal);
        EXPECT_TRUE(process.waitForFinished(5000)) << "it did not end: " << signal;
        EXPECT_FALSE(muted()) << signal;
    }
}

// The service on a computer without a desktop: no display at all, and not one
// widget library in the process; the bell heard, the other sound held silent,
// and given back at SIGTERM within a second. --status asks it over ssh; the
// desktop program started beside it rings nothing and opens its web page.
TEST_F(EndToEnd, TheServiceRingsWithoutADisplayAndSigtermUnmutes) {
    tone("first.wav", 1.5);
    settings({.timeMode = 2, .sound_zero = 1}, {"08hr 30min/first.wav"});
    QTcpServer free;
    ASSERT_TRUE(free.listen(QHostAddress::LocalHost));
    const std::string port = std::to_string(free.serverPort());
    writeBytes(paths.webIni(), port + "\n");
    free.close();
    ASSERT_EQ(command({u"--web-password"_s}, "secret long\n").status, 0);
    EXPECT_EQ(command({u"--status"_s}).status, 1) << "no copy runs yet";
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    startArguments = {u"--service"_s};
    // Another program replaces the week's list while the bell sounds: its new bell rings
    // too, and "No com sound" holds the output muted again after it.
    tone("second.wav", 1.5, 880);
    const auto replace = [&] {
        ASSERT_EQ(datafiles::writeWeekList(paths.weekList(), {"08hr 31min/second.wav"}), "");
    };
    const auto samples =
        run(QTime(8, 29, 57), 11, {{4, replace}, {5, [&] { setLead(offset + 55); }}});
    expectBellAt(samples, 3);
    expectBellAt(samples, 8);
    const std::string maps = readBytes("/proc/" + std::to_string(process.processId()) + "/maps");
    EXPECT_NE(maps.find("libQt6Core"), std::string::npos);
    EXPECT_EQ(maps.find("libQt6Widgets"), std::string::npos);

    const Said status = command({u"--status"_s});
    EXPECT_EQ(status.status, 0);
    EXPECT_NE(status.out.find("state: ON\n"), std::string::npos) << status.out;
    EXPECT_NE(status.out.find("\trang\tsecond.wav"), std::string::npos) << status.out;

    const fs::path opened = home.path() / "opened";
    writeBytes(home.path() / "bin/xdg-open",
               "#!/bin/sh\necho \"$@\" > '" + opened.string() + "'\n");
    fs::permissions(home.path() / "bin/xdg-open", fs::perms::owner_all);
    env.insert(u"PATH"_s, QString::fromStdString((home.path() / "bin").string()) + u":"_s +
                              env.value(u"PATH"_s));
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    EXPECT_EQ(command({}).status, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(opened); }, 5000));
    EXPECT_EQ(readBytes(opened), "http://localhost:" + port + "/\n");
    EXPECT_EQ(records(), "rang first.wav, rang second.wav");

    EXPECT_TRUE(muted());
    process.terminate();
    EXPECT_TRUE(process.waitForFinished(1000));
    EXPECT_FALSE(muted());
}

}  // namespace
}  // namespace tollix
