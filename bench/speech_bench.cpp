// Spoken sounds in the program's own engine, ringing into a private sound
// server through the real players:
// - onset of a ".say" bell against a ".wav" bell's, both rung by hand in
//   turn in the same run; the ".say" puts the same tone before its words, so
//   both files start with the same sound and only the way to it differs;
// - the worst lateness of the tick while 20 texts render (half of them
//   joined to a chime), and how long they took.
// Usage: speech_bench [rings]   (default 10 of each)
#include "bench/BenchDoubles.h"
#include "bench/Monitor.h"
#include "engine/BellEngine.h"
#include "engine/RingLog.h"
#include "model/ScheduleModel.h"
#include "platform/MpvPlayer.h"
#include "platform/OutputsPlayer.h"
#include "platform/Speech.h"
#include "schedule/DefaultFiles.h"
#include "sound/SoundLibrary.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <utility>

namespace fs = std::filesystem;
using bench::Clock;

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const bench::PrivateSoundServer server(root / "pulse");
    if (!server.ok()) {
        std::fprintf(stderr, "no sound server\n");
        return 1;
    }
    const tollix::AppPaths paths(root / "tollix");
    if (!tollix::EnsureProgramFolder(paths).empty())
        return 1;
    if (!bench::run(
            QStringLiteral("ffmpeg"),
            {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
             QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"),
             QStringLiteral("-i"), QStringLiteral("sine=frequency=440:duration=0.5"),
             QStringLiteral("-ac"), QStringLiteral("1"),
             QString::fromStdString((paths.soundFolder() / "tone.wav").string())})) {
        std::fprintf(stderr, "ffmpeg made no tone\n");
        return 1;
    }
    std::ofstream(paths.soundFolder() / "words.say") << "before: tone.wav\nThe break ends now.";

    tollix::Speech speech(
        {paths.soundFolder(), root / "cache", paths.dataFolder() / "speech.ini", "en"});
    tollix::SystemClock clock;
    tollix::bench::QuietMessages messages;
    tollix::bench::AnsweringMixer mixer;
    tollix::bench::StayingOn power;
    tollix::OutputsPlayer player([](const std::string& sink) {
        return std::make_unique<tollix::MpvPlayer>(std::chrono::seconds(1), sink);
    });
    player.prepare();
    tollix::RingLog log(paths.dataFolder() / "rings.log");
    tollix::ScheduleModel model(paths);
    model.load(2);
    tollix::BellEngine engine({clock,
                               player,
                               mixer,
                               messages,
                               paths.soundFolder(),
                               power,
                               log,
                               {},
                               [&speech](const fs::path& file) { return speech.wavFor(file); }},
                              model);
    speech.look();
    (void)QTest::qWaitFor([&] { return speech.pending() == 0; }, 30000);
    if (!speech.wavFor(paths.soundFolder() / "words.say").problem.empty()) {
        std::fprintf(stderr, "words.say was not rendered\n");
        return 1;
    }

    bench::Monitor monitor;
    if (!monitor.ok()) {
        std::fprintf(stderr, "cannot record the monitor\n");
        return 1;
    }
    const std::vector<std::string> library = tollix::sound::SoundFolderScan(paths.soundFolder());
    std::vector<double> wav, say;
    QTest::qWait(500);
    for (int i = 0; i < 2 * rings; ++i) {
        const std::string sound = i % 2 ? "words.say" : "tone.wav";
        monitor.skipToNow();
        const auto asked = Clock::now();
        engine.ringNow(sound, library, "bench");
        const auto heard = monitor.firstSoundAfter(asked);
        if (heard)
            (i % 2 ? say : wav)
                .push_back(std::chrono::duration<double, std::milli>(*heard - asked).count());
        QTest::qWait(700);
        engine.bellStop();
        QTest::qWait(300);
    }
    std::printf(
        "onset from ring now, median of %zu/%zu: .wav %.1f ms, .say %.1f ms, "
        "difference %.1f ms\n",
        wav.size(), say.size(), median(wav), median(say), median(say) - median(wav));

    long worstLateMs = 0;
    bool measuring = false;
    QObject::connect(&engine, &tollix::BellEngine::ticked, [&](const tollix::LocalTime& t) {
        if (measuring)
            worstLateMs =
                std::max<long>(worstLateMs, t.millisecond - tollix::SecondTicker::kAfterSecondMs);
    });
    engine.Timer1.setEnabled(true);
    QTest::qWait(1500);
    // The same machine without rendering, for comparison.
    measuring = true;
    QTest::qWait(5000);
    const long idleLateMs = std::exchange(worstLateMs, 0);
    for (int i = 0; i < 20; ++i)
        std::ofstream(paths.soundFolder() / ("text " + std::to_string(i) + ".say"))
            << (i % 2 ? "before: tone.wav\n" : "") << "Announcement number " << i
            << ": years seven and eight go to the hall after the second lesson.";
    const auto start = Clock::now();
    speech.look();
    (void)QTest::qWaitFor([&] { return speech.pending() == 0; }, 120000);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    QTest::qWait(1100);
    measuring = false;
    std::printf(
        "20 texts rendered in %.1f s (%zu not); worst tick lateness meanwhile: %ld ms "
        "(%ld ms over 5 s without rendering)\n",
        seconds, speech.problems().size(), worstLateMs, idleLateMs);
    return 0;
}
