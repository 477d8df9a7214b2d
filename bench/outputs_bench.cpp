// Relays and IP speakers beside a sink, on a private sound server with a null sink:
// - relay: from the sink's onset (its monitor) to the start of ON-COMMAND
//   (a shell writing the time), over 10 bells;
// - multicast RTP on loopback: from the sink's onset to the first packet's
//   arrival, over the same bells; then the spacing of the packets over a 10 s sound.
#include "bench/Monitor.h"
#include "platform/OutputsPlayer.h"
#include "tests/support/Multicast.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using bench::Clock;

namespace {

bool tone(const fs::path& file, double seconds) {
    return bench::run(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
         QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("sine=frequency=440:duration=%1:sample_rate=44100").arg(seconds),
         QStringLiteral("-ac"), QStringLiteral("1"), QString::fromStdString(file.string())});
}

// Runs the event loop (relay commands end, timers fire) for `ms`.
void spin(int ms) {
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// The receiver polled on a thread of its own, so that arrivals are timed closely.
class Listening {
  public:
    explicit Listening(tollix::test::MulticastReceiver& receiver) : receiver_(receiver) {
        receiver_.packets.clear();
        thread_ = std::thread([this] {
            while (running_) {
                receiver_.poll();
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        });
    }
    ~Listening() { stop(); }
    void stop() {
        running_ = false;
        if (thread_.joinable())
            thread_.join();
    }

  private:
    tollix::test::MulticastReceiver& receiver_;
    std::atomic<bool> running_{true};
    std::thread thread_;
};

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void report(const char* what, std::vector<double> values, const char* target) {
    std::sort(values.begin(), values.end());
    std::printf("%s, %zu: median %.1f ms, p95 %.1f ms, min %.1f ms, max %.1f ms (%s)\n", what,
                values.size(), values[values.size() / 2],
                values[std::min(values.size() - 1, values.size() * 95 / 100)], values.front(),
                values.back(), target);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const bench::PrivateSoundServer server(root / "pulse");
    const fs::path bell = root / "bell.wav", longBell = root / "long.wav";
    if (!server.ok() || !tone(bell, 1) || !tone(longBell, 10)) {
        std::fprintf(stderr, "no sound server, or ffmpeg made no fixture\n");
        return 1;
    }
    const fs::path stamps = root / "relay.txt";
    const std::string group = "239.255.50.1";
    const std::uint16_t port = 15050;
    tollix::test::MulticastReceiver receiver(group, port);
    if (!receiver.ok()) {
        std::fprintf(stderr, "cannot join %s on loopback\n", group.c_str());
        return 1;
    }

    tollix::OutputsPlayer player(
        [](const std::string& sink) {
            return std::make_unique<tollix::MpvPlayer>(std::chrono::seconds(1), sink);
        },
        {[](const tollix::sound::RelayLine& line, tollix::RelayOutput::Report failed,
            tollix::RelayOutput::Keep keep) {
             return std::make_unique<tollix::RelayOutput>(line, std::move(failed), std::move(keep));
         },
         [](const tollix::sound::StreamLine& line, tollix::RtpStream::Report failed) {
             return std::make_unique<tollix::RtpStream>(line, std::move(failed));
         }});
    player.relaysAndStreams().onFailure(
        [](const std::string& what) { std::fprintf(stderr, "failed: %s\n", what.c_str()); });
    player.setOutputs({"relay: sh -c 'date +%s.%N >> " + stamps.string() + "' | true",
                       "rtp://" + group + ":" + std::to_string(port) + "?iface=lo"});
    player.prepare();
    bench::Monitor monitor;
    if (!monitor.ok()) {
        std::fprintf(stderr, "cannot record the monitor\n");
        return 1;
    }
    spin(2500);  // the idle sink wakes

    std::vector<double> relay, firstPacket;
    for (int round = 0; round < 12; ++round) {
        std::filesystem::remove(stamps);
        player.warm(bell.string());  // as the engine does in the minute's last seconds
        spin(300);
        Listening listening(receiver);
        monitor.skipToNow();
        player.setFileName(bell.string());
        player.open();
        const auto called = Clock::now();
        const auto wallCalled = std::chrono::system_clock::now();
        player.play();
        const auto heard = monitor.firstSoundAfter(called);
        spin(1200);
        player.close();
        listening.stop();
        spin(300);
        std::ifstream in(stamps);
        double seconds = 0;
        if (round < 2 || !heard || !(in >> seconds) || receiver.packets.empty())
            continue;  // the first rounds warm the caches
        const auto relayAt =
            called + std::chrono::duration_cast<Clock::duration>(
                         std::chrono::duration<double>(seconds) - wallCalled.time_since_epoch());
        relay.push_back(ms(relayAt - *heard));
        firstPacket.push_back(ms(receiver.packets.front().arrived - *heard));
    }
    if (relay.empty() || firstPacket.empty()) {
        std::fprintf(stderr, "no bell was heard everywhere\n");
        return 1;
    }
    report("relay ON-COMMAND started after the sink's onset", relay,
           "target: within 20 ms at the median");
    report("first RTP packet after the sink's onset", firstPacket, "target: within 50 ms");

    // A 10 s sound: the packets' spacing.
    Listening listening(receiver);
    player.setFileName(longBell.string());
    player.open();
    player.play();
    spin(10800);
    player.close();
    listening.stop();
    std::vector<double> spacing, deviation;
    for (std::size_t i = 1; i < receiver.packets.size(); ++i) {
        spacing.push_back(ms(receiver.packets[i].arrived - receiver.packets[i - 1].arrived));
        deviation.push_back(std::abs(spacing.back() - 20));
    }
    if (spacing.empty()) {
        std::fprintf(stderr, "no packets\n");
        return 1;
    }
    std::printf("10 s sound: %zu packets\n", receiver.packets.size());
    report("RTP packet spacing", spacing, "target: 20 ms");
    report("RTP spacing off 20 ms", deviation, "target: within 5 ms at p95");
    return 0;
}
