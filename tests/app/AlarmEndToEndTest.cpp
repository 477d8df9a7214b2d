// Emergency signals in the real program, heard at the private sound server.
#include "tests/support/Program.h"

#include <chrono>
#include <csignal>

namespace tollix {
namespace {

using std::chrono::steady_clock;

class AlarmEndToEnd : public ::testing::Test, protected test::Program {
  protected:
    steady_clock::time_point recordingStarted;
    // Seconds into the recording now.
    double now() const {
        return std::chrono::duration<double>(steady_clock::now() - recordingStarted).count();
    }
    void waitUntil(double seconds) {
        while (now() < seconds) QTest::qWait(10);
    }
    static bool muted() {
        return test::PulseServer::shared()
            .pactl({u"get-sink-mute"_s, u"bells"_s})
            .contains(u"yes"_s);
    }
};

// A panic button's script gives Lockdown: it sounds at once, again at its
// repeat, and the bell of the minute is held. Killed outright and started
// again, the program sounds it again at once; --all-clear ends it.
TEST_F(AlarmEndToEnd, ACommandLineLockdownHoldsTheBellsSurvivesAKillAndEndsAtAllClear) {
    EXPECT_EQ(command({u"--alarm"_s, u"Lockdown"_s}).status, 1) << "no copy runs yet";
    EXPECT_EQ(command({u"--alarm"_s, u"Fire"_s}).status, 2);
    for (const auto& entry : fs::directory_iterator(paths.soundFolder())) fs::remove_all(entry);
    tone("first.wav", 1.5);
    settings({.timeMode = 2, .sound_zero = 1}, {"08hr 30min/first.wav"});
    writeBytes(paths.dataFolder() / "alarms.ini", "Lockdown = lockdown-signal.wav; repeat=6\n");
    setClock(QDateTime(QDate(2026, 12, 7), QTime(8, 29, 50)));

    test::Recording recording(test::PulseServer::shared());
    recordingStarted = steady_clock::now();
    ASSERT_TRUE(start());
    ASSERT_TRUE(up());
    QTest::qWait(500);
    const double ordered = now();
    const Said given = command({u"--alarm"_s, u"lockdown"_s});
    EXPECT_EQ(given.status, 0) << given.error;
    const fs::path state = home.path() / "state/tollix/alarm";
    EXPECT_EQ(readBytes(state).substr(0, 9), "Lockdown\n");
    waitUntil(ordered + 13);  // past 08:30 and the first repeat
    const Said status = command({u"--status"_s});
    EXPECT_NE(status.out.find("alarm: Lockdown (given by command line)\n"), std::string::npos)
        << status.out;
    ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
    ASSERT_TRUE(process.waitForFinished(3000));
    const double killed = now();
    ASSERT_TRUE(start());
    ASSERT_TRUE(up());
    QTest::qWait(1500);
    const double clearing = now();
    EXPECT_EQ(command({u"--all-clear"_s}).status, 0);
    QTest::qWait(3500);  // the chime, and the outputs given back
    const auto samples = recording.stop();

    // Heard within half a second of the order, over the bell's minute, again at its repeat.
    const double heard = test::onset(samples, ordered);
    EXPECT_GT(heard, ordered);
    EXPECT_LT(heard, ordered + 0.5 + 0.3);  // the command's own start-up included
    EXPECT_GT(test::rms(samples, heard + 0.1, heard + 0.9), 2000);
    EXPECT_LT(test::rms(samples, heard + 4.7, heard + 5.9), 100) << "the pattern's pause";
    EXPECT_NEAR(test::onset(samples, heard + 5.9), heard + 6, 0.4);
    EXPECT_GT(test::onset(samples, killed), killed);
    EXPECT_LT(test::onset(samples, killed), clearing) << "resumed before the All clear";
    EXPECT_FALSE(fs::exists(state));
    EXPECT_TRUE(muted()) << "No com sound holds the outputs silent again";
    // Started again within the bell's minute: that bell is on record as ever.
    EXPECT_EQ(records(),
              "alarm Lockdown, held first.wav, missed first.wav, alarm Lockdown, all-clear "
              "Lockdown");
    const std::string log = readBytes(home.path() / "state/tollix/rings.log");
    EXPECT_NE(log.find("\theld\tfirst.wav\talarm: Lockdown; scheduled 08:30"), std::string::npos)
        << log;
    EXPECT_NE(log.find("\talarm\tLockdown\tresumed; given by command line"), std::string::npos)
        << log;
    EXPECT_NE(log.find("\tall-clear\tLockdown\tcommand line"), std::string::npos) << log;
}

// A copy in each building, joined by a private mosquitto on loopback.
struct Building : test::Program {
    Building(const char* name, quint16 port) {
        writeBytes(paths.dataFolder() / "mqtt.ini",
                   "url = mqtt://127.0.0.1:" + std::to_string(port) +
                       "\ntopic = school/bells\nbuilding = " + name + "\n");
    }
    bool recorded(const std::string& line) const {
        return readBytes(home.path() / "state/tollix/rings.log").find(line) != std::string::npos;
    }
};

// An order in one building sounds in the others within a second; a copy
// started later takes the signal from the broker; with the broker gone, a
// copy says so and still sounds its own orders.
TEST(AlarmAcrossBuildings, AnOrderInOneBuildingSoundsInTheOthersThroughTheBroker) {
    const quint16 port = test::freePort();
    test::TempFolder folder;
    writeBytes(folder.path() / "mosquitto.conf", "listener " + std::to_string(port) +
                                                     " 127.0.0.1\nallow_anonymous true\n"
                                                     "persistence false\n");
    QProcess broker;
    test::endWithTest(broker);
    broker.start(u"mosquitto"_s,
                 {u"-c"_s, QString::fromStdString((folder.path() / "mosquitto.conf").string())});
    ASSERT_TRUE(broker.waitForStarted(5000));
    Building north("North", port), south("South", port);
    ASSERT_TRUE(north.start() && south.start());
    ASSERT_TRUE(north.up() && south.up());
    QTest::qWait(1000);  // both connected

    const auto ordered = steady_clock::now();
    ASSERT_EQ(north.command({u"--alarm"_s, u"Evacuation"_s}).status, 0);
    const auto given = steady_clock::now();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return south.recorded("\talarm\tEvacuation\tNorth\n"); }, 5000));
    const auto heard = steady_clock::now();
    EXPECT_LT(heard - given, std::chrono::seconds(1))
        << "order to sound: "
        << std::chrono::duration_cast<std::chrono::milliseconds>(heard - ordered).count() << " ms";

    Building east("East", port);
    ASSERT_TRUE(east.start() && east.up());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return east.recorded("\talarm\tEvacuation\tNorth\n"); }, 5000))
        << "the retained signal, for a copy started later";

    ASSERT_EQ(south.command({u"--all-clear"_s}).status, 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return north.recorded("\tall-clear\tEvacuation\tSouth\n") &&
                   east.recorded("\tall-clear\tEvacuation\tSouth\n");
        },
        5000));

    broker.terminate();
    ASSERT_TRUE(broker.waitForFinished(5000));
    QTest::qWait(500);
    EXPECT_EQ(north.command({u"--alarm"_s, u"Lockdown"_s}).status, 0);
    EXPECT_TRUE(north.recorded("\talarm\tLockdown\tcommand line\n"));
    const std::string status = north.command({u"--status"_s}).out;
    EXPECT_NE(status.find("problem: The broker mqtt://127.0.0.1:" + std::to_string(port) +
                          " cannot be reached"),
              std::string::npos)
        << status;
    EXPECT_NE(status.find("alarm: Lockdown"), std::string::npos) << status;
}

}  // namespace
}  // namespace tollix
