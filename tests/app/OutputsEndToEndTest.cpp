// The real program ringing a sink, a relay and IP speakers together, and a
// relay it left on when killed switched off by its next start.
#include "tests/support/Multicast.h"
#include "tests/support/Program.h"

#include <QRandomGenerator>

#include <chrono>
#include <sstream>

namespace tollix {
namespace {

TEST(OutputsEndToEnd, ASinkARelayAndAStreamRingTogetherAndARelayLeftOnIsSwitchedOffAtStart) {
    test::Program program;
    program.tone("bell.wav", 2.0, 1000);
    program.settings({.timeMode = 2}, {"08hr 30min/bell.wav", "08hr 31min/bell.wav"});
    const fs::path log = program.home.path() / "relay.log";
    const auto append = [&log](const std::string& word) {
        return "sh -c 'echo " + word + " >> \"" + log.string() + "\"'";
    };
    const auto switches = [&log] {
        std::istringstream in(readBytes(log));
        std::string words, word;
        while (in >> word) words += (words.empty() ? "" : " ") + word;
        return words;
    };
    const std::string group =
        "239.255.49." + std::to_string(QRandomGenerator::global()->bounded(1, 250));
    const quint16 port = test::freePort();
    test::MulticastReceiver receiver(group, port);
    ASSERT_TRUE(receiver.ok());
    writeBytes(program.paths.outputIni(), "bells\nrelay: " + append("on") + " | " + append("off") +
                                              "\nrtp://" + group + ":" + std::to_string(port) +
                                              "?iface=lo\n");

    test::Recording recording(test::PulseServer::shared());
    const auto steadyStarted = std::chrono::steady_clock::now();
    // 08:29:57: the 08:30 bell in 3 s.
    program.setClock(QDateTime(QDate(2026, 12, 7), QTime(8, 29, 57)));
    ASSERT_TRUE(program.start());
    const auto runFor = [&](double seconds) {
        const auto until = steadyStarted + std::chrono::duration_cast<std::chrono::nanoseconds>(
                                               std::chrono::duration<double>(seconds));
        while (std::chrono::steady_clock::now() < until) {
            receiver.poll();
            QTest::qWait(2);
        }
    };
    runFor(7);
    const auto samples = recording.stop();
    EXPECT_EQ(switches(), "on off");  // off once the sound has ended
    const auto& packets = receiver.packets;
    ASSERT_GE(packets.size(), 95u);
    EXPECT_LE(packets.size(), 105u);  // the 2 s of the bell, and no more
    EXPECT_EQ(packets.front().payloadType(), 0);
    EXPECT_EQ(packets.front().payloadSize(), 160u);
    EXPECT_NEAR(test::muLawHertz(packets), 1000, 20);
    // The sink and the stream start together: the recording's first block
    // blurs when by a little.
    const double heard = test::onset(samples);
    ASSERT_GT(heard, 0);
    const double sent =
        std::chrono::duration<double>(packets.front().arrived - steadyStarted).count();
    EXPECT_NEAR(sent, heard, 0.25);
    const auto lines = RingLog::lastLines(program.home.path() / "state/tollix/rings.log", 10);
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back().find("rang\tbell.wav\tscheduled 08:30"), std::string::npos)
        << lines.back();
    EXPECT_EQ(lines.back().find("output"), std::string::npos) << lines.back();

    // 08:30:57: the 08:31 bell in 3 s; killed while it sounds.
    program.setClock(QDateTime(QDate(2026, 12, 7), QTime(8, 30, 57)));
    runFor(11.5);
    EXPECT_EQ(switches(), "on off on");
    program.process.kill();
    ASSERT_TRUE(program.process.waitForFinished(3000));
    QTest::qWait(500);
    EXPECT_EQ(switches(), "on off on");  // left on

    ASSERT_TRUE(program.start());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return program.records().find("restored relay") != std::string::npos; }, 15000))
        << program.records();
    EXPECT_EQ(switches(), "on off on off");
    EXPECT_TRUE(program.stop());
    EXPECT_EQ(switches(), "on off on off");
}

}  // namespace
}  // namespace tollix
