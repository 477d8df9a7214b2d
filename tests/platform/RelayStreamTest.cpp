// Relays and IP-speaker streams as the outputs player drives them at a bell.
#include "platform/RelaysAndStreams.h"
#include "tests/support/Multicast.h"
#include "tests/support/Pulse.h"

#include <QRandomGenerator>

#include <sstream>

namespace tollix {
namespace {

RelaysAndStreams::Makers backends() {
    return {[](const sound::RelayLine& line, RelayOutput::Report failed, RelayOutput::Keep keep) {
                return std::make_unique<RelayOutput>(line, std::move(failed), std::move(keep));
            },
            [](const sound::StreamLine& line, RtpStream::Report failed) {
                return std::make_unique<RtpStream>(line, std::move(failed));
            }};
}

struct RelayRig {
    test::TempFolder folder;
    fs::path log = folder.path() / "relay.log";
    fs::path state = folder.path() / "state" / "relays";
    RelaysAndStreams outputs{backends()};
    std::vector<std::string> failures;

    RelayRig() {
        outputs.onFailure([this](const std::string& what) { failures.push_back(what); });
    }
    // A command that appends "WORD SECONDS" to the log.
    std::string append(const std::string& word) const {
        return "sh -c 'echo " + word + " $(date +%s.%N) >> \"" + log.string() + "\"'";
    }
    std::string relay(const std::string& options = {}) const {
        return "relay: " + append("on") + " | " + append("off") + options;
    }
    // The words of the log, in order.
    std::string switches() const {
        std::istringstream in(readBytes(log));
        std::string words, word, seconds;
        while (in >> word >> seconds) words += (words.empty() ? "" : " ") + word;
        return words;
    }
};

TEST(Relay, OnForTheSoundThroughARepeatForItsHoldAndOffAtStopBell) {
    RelayRig rig;
    EXPECT_TRUE(rig.outputs.keepRelaysIn(rig.state).off.empty());
    rig.outputs.setLines({"bells", rig.relay()});
    rig.outputs.play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.switches() == "on"; }, 3000));
    // On record while on: a crash now is switched off at the next start.
    EXPECT_EQ(test::readBytes(rig.state), rig.append("off") + "\n");
    // A repeat closes and plays again within one tick: the relay stays on.
    rig.outputs.close();
    rig.outputs.play();
    QTest::qWait(400);
    EXPECT_EQ(rig.switches(), "on");
    rig.outputs.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.switches() == "on off"; }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fs::exists(rig.state); }, 2000));

    // Held: on for its second, whenever the sound ends; cut short by "Stop Bell".
    rig.outputs.setLines({rig.relay(" ; hold=1")});
    rig.outputs.play();
    rig.outputs.close();
    QTest::qWait(600);
    EXPECT_EQ(rig.switches(), "on off on");
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.switches() == "on off on off"; }, 2000));
    rig.outputs.play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.switches() == "on off on off on"; }, 3000));
    rig.outputs.stopAll();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.switches() == "on off on off on off"; }, 500));
    EXPECT_TRUE(rig.failures.empty());
}

TEST(Relay, CommandsThatFailAreSaidAndARelayLeftOnIsSwitchedOffAtStart) {
    RelayRig rig;
    test::writeBytes(rig.state, rig.append("off") + "\nfalse\n");
    const auto restored = rig.outputs.keepRelaysIn(rig.state);
    EXPECT_EQ(restored.off, std::vector<std::string>{rig.append("off")});
    EXPECT_EQ(restored.failed, std::vector<std::string>{"relay OFF \"false\": exit status 1"});
    EXPECT_EQ(rig.switches(), "off");
    // What could not be switched off is tried again at the next start.
    EXPECT_EQ(test::readBytes(rig.state), "false\n");

    rig.outputs.setLines(
        {"relay: false | true", "relay: sleep 30 | true", "relay: /nonexistent/relay on | true"});
    const auto started = std::chrono::steady_clock::now();
    rig.outputs.play();
    // Nothing waits for a command.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(100));
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.failures.size() == 3; }, 7000));
    std::sort(rig.failures.begin(), rig.failures.end());
    ASSERT_EQ(rig.failures.size(), 3u);
    EXPECT_TRUE(
        rig.failures[0].starts_with("relay ON \"/nonexistent/relay on\": could not be started: "))
        << rig.failures[0];
    EXPECT_EQ(rig.failures[1], "relay ON \"false\": exit status 1");
    EXPECT_EQ(rig.failures[2], "relay ON \"sleep 30\": no end within 5 s: killed");
}

TEST(Stream, SendsG711InPacketsOfTwentyMillisecondsAndEndsWithTheSound) {
    test::TempFolder folder;
    const fs::path tone = test::makeTone(folder.path() / "tone.wav", 1.0, 1000);
    ASSERT_FALSE(tone.empty());
    const std::string group =
        "239.255.48." + std::to_string(QRandomGenerator::global()->bounded(1, 250));
    const quint16 port = test::freePort();
    struct Case {
        std::string options;
        int payloadType;
    };
    for (const Case& c : {Case{"", 0}, Case{"&codec=pcma", 8}}) {
        test::MulticastReceiver receiver(group, port);
        ASSERT_TRUE(receiver.ok());
        RelaysAndStreams outputs{backends()};
        std::vector<std::string> failures;
        outputs.onFailure([&failures](const std::string& what) { failures.push_back(what); });
        outputs.setLines({"rtp://" + group + ":" + std::to_string(port) + "?iface=lo" + c.options});
        std::uint32_t lastSsrc = 0;
        for (int stream = 0; stream < 2; ++stream) {
            receiver.packets.clear();
            outputs.startOpen(tone.string());
            outputs.finishOpen(std::chrono::steady_clock::now() + std::chrono::seconds(2));
            outputs.play();
            const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1800);
            while (std::chrono::steady_clock::now() < until) {
                receiver.poll();
                QTest::qWait(2);
            }
            outputs.close();
            const auto& packets = receiver.packets;
            ASSERT_GE(packets.size(), 49u) << c.options;
            EXPECT_LE(packets.size(), 51u);
            for (std::size_t i = 0; i < packets.size(); ++i) {
                EXPECT_EQ(packets[i].payloadType(), c.payloadType);
                EXPECT_EQ(packets[i].ssrc(), packets[0].ssrc());
                if (i + 1 < packets.size()) {
                    EXPECT_EQ(packets[i].payloadSize(), 160u) << i;
                }
                if (i > 0) {
                    EXPECT_EQ(packets[i].sequence(),
                              static_cast<std::uint16_t>(packets[i - 1].sequence() + 1));
                    EXPECT_EQ(packets[i].timestamp(), packets[i - 1].timestamp() + 160);
                }
            }
            // Sent as it plays, and no more once the sound has ended.
            EXPECT_NEAR(
                std::chrono::duration<double>(packets.back().arrived - packets.front().arrived)
                    .count(),
                0.98, 0.1);
            if (c.payloadType == 0) {
                EXPECT_NEAR(test::muLawHertz(packets), 1000, 20);
            }
            EXPECT_NE(packets[0].ssrc(), lastSsrc);  // a stream of its own
            lastSsrc = packets[0].ssrc();
        }
        EXPECT_TRUE(failures.empty()) << failures.front();
    }
}

}  // namespace
}  // namespace tollix
