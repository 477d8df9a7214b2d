// Sound figures on a private sound server with a null sink:
// - bell start latency: from the call of OpenAndPlay to the first non-silent
//   sample at the sink's monitor, for a wav and an mp3;
// - the sound folder scan of 10,000 files and 200 music folders;
// - resident memory idle, and after 500 bells played back to back.
#include "bench/Monitor.h"
#include "platform/MpvPlayer.h"
#include "platform/PulseMixer.h"
#include "sound/SoundLibrary.h"
#include "sound/SoundPlayer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using bench::Clock;
using bench::Monitor;
using bench::run;

namespace {

bool tone(const fs::path& file, double seconds) {
    return run(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
         QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("sine=frequency=440:duration=%1:sample_rate=44100").arg(seconds),
         QStringLiteral("-ac"), QStringLiteral("1"), QString::fromStdString(file.string())});
}

long residentKb(const std::string& process = "self") {
    std::ifstream status("/proc/" + process + "/status");
    std::string key;
    while (status >> key) {
        long value = 0;
        if (key == "VmRSS:" && status >> value)
            return value;
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void report(const char* what, std::vector<double> ms, const char* target) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s, %zu runs: median %.1f ms, min %.1f ms, max %.1f ms (%s)\n", what, ms.size(),
                ms[ms.size() / 2], ms.front(), ms.back(), target);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();

    // A sound server of the bench's own.
    const bench::PrivateSoundServer server(root / "pulse");
    if (!server.ok()) {
        std::fprintf(stderr, "no sound server\n");
        return 1;
    }

    const long idleKb = residentKb();
    tollix::MpvPlayer mmc;
    tollix::PulseMixer mixer;
    tollix::sound::sound_control control(mixer);
    tollix::sound::BellState bell;
    tollix::sound::SoundPlayer player(mmc, control, bell, [] { return true; });
    control.OpenMixer(0);
    control.SetMasterMute(false);

    const fs::path wav = root / "bell.wav";
    const fs::path mp3 = root / "bell.mp3";
    if (!tone(wav, 0.5) || !tone(mp3, 0.5)) {
        std::fprintf(stderr, "ffmpeg made no fixture\n");
        return 1;
    }

    {
        Monitor monitor;
        if (!monitor.ok()) {
            std::fprintf(stderr, "cannot record the monitor\n");
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));  // the idle sink wakes
        for (const fs::path& file : {wav, mp3}) {
            std::vector<double> latencies;
            for (int round = 0; round < 12; ++round) {
                monitor.skipToNow();
                const auto called = Clock::now();
                player.OpenAndPlay(file.string(), 1);
                const auto heard = monitor.firstSoundAfter(called);
                std::this_thread::sleep_for(std::chrono::milliseconds(550));
                player.EndBell();
                control.SetMasterMute(false);
                bell.ResetBellState();
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                if (heard && round > 1)
                    latencies.push_back(
                        std::chrono::duration<double, std::milli>(*heard - called).count());
            }
            if (latencies.empty()) {
                std::fprintf(stderr, "the bell was never heard\n");
                return 1;
            }
            const std::string what = "bell start latency, " + file.extension().string().substr(1);
            report(what.c_str(), latencies, "target < 80 ms");
        }
    }

    // The scan of a big sound folder.
    const fs::path big = root / "sound";
    fs::create_directories(big);
    for (int i = 0; i < 10000; ++i)
        std::ofstream(big / ("bell " + std::to_string(i) + (i % 2 ? ".mp3" : ".WAV"))) << "x";
    for (int i = 0; i < 200; ++i)
        fs::create_directories(big / (std::to_string(i + 1) + "_music " + std::to_string(i)));
    std::vector<double> scans;
    std::size_t entries = 0;
    for (int round = 0; round < 12; ++round) {
        const auto start = Clock::now();
        entries = tollix::sound::SoundFolderScan(big).size();
        if (round > 1)
            scans.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const std::string what = "sound folder scan of " + std::to_string(entries) + " entries";
    report(what.c_str(), scans, "target < 100 ms");

    // Memory over many bells: open, play a little, end; as the tick does.
    long afterFirstKb = 0;
    for (int i = 0; i < 500; ++i) {
        player.OpenAndPlay((i % 2 ? mp3 : wav).string(), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        player.EndBell();
        bell.ResetBellState();
        if (i == 9)
            afterFirstKb = residentKb();
    }
    const long afterAllKb = residentKb();
    std::printf(
        "resident memory: idle %ld KB, after 10 bells %ld KB, after 500 bells %ld KB: "
        "growth %+ld KB over 490 bells (target < 2048 KB)\n",
        idleKb, afterFirstKb, afterAllKb, afterAllKb - afterFirstKb);

    // The whole program idle: the window shown offscreen, no bell yet.
    {
        const fs::path runtime = root / "run";
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.string()));
        env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(root.string()));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess tollix;
        tollix.setProcessEnvironment(env);
        tollix.start(QStringLiteral(TOLLIX_EXE), {});
        tollix.waitForStarted();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        std::printf("resident memory of tollix idle, window shown: %ld KB\n",
                    residentKb(std::to_string(tollix.processId())));
        tollix.terminate();
        tollix.waitForFinished(10000);
    }

    control.SetMasterMute(false);
    return 0;
}
