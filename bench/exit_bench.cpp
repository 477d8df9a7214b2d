// The tick while the reserved exit waits for a slow login manager: a logind of
// the bench's own (python-dbusmock on a private system bus) whose CanPowerOff
// and PowerOff each answer after 4 s. The engine ticks on the real clock,
// shifted so that the reserved minute comes 3 s after the start.
// - tick lateness: from the wall-clock second to the start of its tick;
// - tick length: from the start of a tick to its end.
#include "bench/BenchDoubles.h"
#include "bench/SlowLogind.h"
#include "engine/BellEngine.h"
#include "platform/PowerOff.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int kExitMinute = 17 * 60 + 30;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const bench::SlowLogind logind;
    if (!logind.ok()) {
        std::fprintf(stderr, "no mocked logind on a private system bus\n");
        return 1;
    }

    tollix::SystemClock clock;
    {  // the reserved minute begins 3 s from now
        const tollix::LocalTime now = clock.now();
        const std::int64_t toMinute =
            (kExitMinute * 60LL - now.SecondOfDay() - 3) * 1000 - now.epochMs() % 1000;
        clock.setCorrectionMs(toMinute);
    }
    tollix::bench::QuietMessages messages;
    tollix::bench::AnsweringMixer mixer;
    tollix::bench::CountingPlayer player;
    tollix::LogindPowerOff powerOff;
    const std::filesystem::path folder = dir.path().toStdString();
    std::filesystem::create_directories(folder / "data");
    tollix::ScheduleModel model{tollix::AppPaths(folder)};
    tollix::RingLog ringLog(folder / "rings.log");
    model.setExitTime(kExitMinute / 60, kExitMinute % 60);
    model.setAutoExit(true);
    tollix::BellEngine engine(
        tollix::EngineServices{clock, player, mixer, messages, folder, powerOff, ringLog}, model);

    std::vector<double> lateness;
    std::vector<double> lengths;
    QElapsedTimer tickTimer;
    QObject::connect(&engine, &tollix::BellEngine::ticked, [&](const tollix::LocalTime& t) {
        tickTimer.start();
        lateness.push_back(static_cast<double>(clock.now().epochMs() - t.epochMs() / 1000 * 1000));
        std::printf(
            "tick %02d:%02d:%02d: %.1f ms late%s\n", t.hour, t.minute, t.second, lateness.back(),
            t.MinuteOfDay() == kExitMinute && t.second == 0 ? " (the reserved exit: logind asked)"
                                                            : "");
    });
    QObject::connect(&engine, &tollix::BellEngine::sideTextsChanged, [&] {
        lengths.push_back(static_cast<double>(tickTimer.nsecsElapsed()) / 1e6);
    });
    QString refused;
    bool answered = false;
    QObject::connect(&engine, &tollix::BellEngine::powerOffRefused,
                     [&](const QString& why) { refused = why; });
    engine.Timer1.setEnabled(true);
    // The answers come 8 s after the reserved minute; a few ticks more.
    QTimer::singleShot(14000, &app, [&] {
        answered = true;
        app.quit();
    });
    app.exec();

    if (lateness.empty() || lengths.empty() || !answered)
        return 1;
    std::printf("ticks: %zu over 14 s, the reserved exit after 3 s; logind answered %s\n",
                lateness.size(), refused.isEmpty() ? "yes" : qPrintable(refused));
    std::printf(
        "tick lateness from its second, while logind takes 4 s per call: worst %.1f ms, "
        "median %.1f ms (target: worst < 20 ms)\n",
        *std::max_element(lateness.begin(), lateness.end()), [&] {
            std::sort(lateness.begin(), lateness.end());
            return lateness[lateness.size() / 2];
        }());
    std::printf("tick length: worst %.2f ms\n", *std::max_element(lengths.begin(), lengths.end()));
    return 0;
}
