// The running program, end to end: Tollix with a bell at every minute of the
// day (1,440 entries), its window shown offscreen, ringing into a private
// sound server.
// - bell onset: from the wall-clock minute boundary to the first non-silent
//   sample of the bell at the sink's monitor, for every minute of the run;
// - CPU time of the process over the run, as a share of one core.
// The second bell shares its minute with the reserved exit, which asks a slow
// logind (bench/SlowLogind.h, on a private system bus) to power off.
// Then the same bells on two outputs at once ("bells" and "hall", data/output.ini)
// for up to 5 minutes: each output's onset against the single output's.
// Usage: bell_bench [minutes]   (default 21: 20 bells after the first minute)
#include "bench/Monitor.h"
#include "bench/SlowLogind.h"
#include "schedule/AppPaths.h"
#include "schedule/DataFiles.h"
#include "schedule/DefaultFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using bench::Clock;
using std::chrono::system_clock;

namespace {

// User and system time of a process, in seconds.
double cpuSeconds(qint64 pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    double user = 0, system = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14)
            user = std::stod(field);
        if (i == 15) {
            system = std::stod(field);
            break;
        }
    }
    return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int minutes = argc > 1 ? std::max(2, std::atoi(argv[1])) : 21;
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();

    const bench::PrivateSoundServer server(root / "pulse");
    if (!server.ok()) {
        std::fprintf(stderr, "no sound server\n");
        return 1;
    }

    // The program folder: every minute of the day rings a half-second tone.
    const tollix::AppPaths paths(root / "tollix");
    if (!tollix::EnsureProgramFolder(paths).empty())
        return 1;
    const fs::path toneFile = paths.soundFolder() / "tone.wav";
    if (!bench::run(QStringLiteral("ffmpeg"),
                    {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"),
                     QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                     QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("sine=frequency=440:duration=0.5"), QStringLiteral("-ac"),
                     QStringLiteral("1"), QString::fromStdString(toneFile.string())})) {
        std::fprintf(stderr, "ffmpeg made no tone\n");
        return 1;
    }
    std::vector<std::string> lines;
    for (int m = 0; m < 1440; ++m)
        lines.push_back(twoDigits(m / 60) + "hr " + twoDigits(m % 60) + "min/tone.wav");
    tollix::GeneralSettings settings;
    settings.auto_exe = 1;  // the schedule starts with the program
    settings.timeMode = 2;
    if (!tollix::datafiles::writeWeekList(paths.weekList(), lines).empty() ||
        !tollix::datafiles::writeGeneral(paths.dataIni(), settings).empty())
        return 1;

    // The reserved exit in the minute of the second bell measured.
    const bench::SlowLogind logind;
    if (!logind.ok()) {
        std::fprintf(stderr, "no mocked logind on a private system bus\n");
        return 1;
    }
    const auto firstMinute =
        std::chrono::ceil<std::chrono::minutes>(system_clock::now() + std::chrono::seconds(10));
    const QTime exitTime = QDateTime::fromSecsSinceEpoch(
                               std::chrono::duration_cast<std::chrono::seconds>(
                                   (firstMinute + std::chrono::minutes(1)).time_since_epoch())
                                   .count())
                               .time();
    {
        std::ofstream exitIni(paths.exitIni(), std::ios::binary);
        exitIni << " 1 \r\n " << exitTime.hour() << " \r\n " << exitTime.minute() << " \r\n";
    }

    bench::Monitor monitor;
    if (!monitor.ok()) {
        std::fprintf(stderr, "cannot record the monitor\n");
        return 1;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(root.string()));
    env.insert(QStringLiteral("XDG_STATE_HOME"), QString::fromStdString((root / "state").string()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), logind.address());
    // A runtime folder of its own: a copy of another run must not hold the single-copy lock.
    fs::create_directory(root / "run");
    fs::permissions(root / "run", fs::perms::owner_all);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString((root / "run").string()));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"),
               QString::fromStdString((root / "config").string()));
    const auto start = [&env](QProcess& tollix) {
        tollix.setProcessEnvironment(env);
        tollix.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        tollix.start(QStringLiteral(TOLLIX_EXE), {});
        return tollix.waitForStarted(5000);
    };
    QProcess tollix;
    if (!start(tollix))
        return 1;
    std::this_thread::sleep_for(std::chrono::seconds(3));  // start-up done
    const double cpuAtStart = cpuSeconds(tollix.processId());
    const auto measuredFrom = Clock::now();

    // steady time of a wall-clock moment.
    const auto steadyOf = [](system_clock::time_point wall) {
        return Clock::now() +
               std::chrono::duration_cast<Clock::duration>(wall - system_clock::now());
    };
    std::vector<double> onsets;
    std::optional<double> exitBell;
    auto minute = firstMinute;
    for (int i = 0; i < minutes; ++i, minute += std::chrono::minutes(1)) {
        std::this_thread::sleep_until(steadyOf(minute) - std::chrono::milliseconds(400));
        monitor.skipToNow();
        const auto boundary = steadyOf(minute);
        if (const auto heard = monitor.firstSoundAfter(boundary - std::chrono::milliseconds(300))) {
            const double ms = std::chrono::duration<double, std::milli>(*heard - boundary).count();
            onsets.push_back(ms);
            if (i == 1)
                exitBell = ms;
            std::printf("bell %2d: %.1f ms%s\n", i + 1, ms, i == 1 ? " (reserved exit)" : "");
        } else {
            std::printf("bell %2d: not heard\n", i + 1);
        }
        std::fflush(stdout);
    }
    const double cpu = cpuSeconds(tollix.processId()) - cpuAtStart;
    const double wall = std::chrono::duration<double>(Clock::now() - measuredFrom).count();
    tollix.terminate();
    tollix.waitForFinished(5000);

    if (onsets.empty()) {
        std::fprintf(stderr, "no bell was heard\n");
        return 1;
    }
    std::sort(onsets.begin(), onsets.end());
    const double single = onsets[onsets.size() / 2];
    std::printf(
        "bell onset from the minute boundary, %zu bells: median %.1f ms, min %.1f ms, "
        "worst %.1f ms (target: median < 60 ms, worst < 150 ms)\n",
        onsets.size(), onsets[onsets.size() / 2], onsets.front(), onsets.back());
    if (exitBell)
        std::printf(
            "bell in the reserved exit's minute (logind answering after 4 s): %.1f ms "
            "(target: as fast as the others)\n",
            *exitBell);
    std::printf(
        "CPU of the running program with 1,440 entries over %.0f s: %.3f s, %.3f%% of one "
        "core (target < 0.2%%)\n",
        wall, cpu, 100.0 * cpu / wall);
    std::fflush(stdout);

    // The same bells on two outputs at once.
    if (!bench::run(QStringLiteral("pactl"),
                    {QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                     QStringLiteral("sink_name=hall"), QStringLiteral("rate=44100"),
                     QStringLiteral("channels=2")})) {
        std::fprintf(stderr, "no second output\n");
        return 1;
    }
    std::ofstream(paths.outputIni(), std::ios::binary) << "bells\nhall\n";
    bench::Monitor bells("bells.monitor");
    bench::Monitor hall("hall.monitor");
    QProcess twice;
    if (!hall.ok() || !start(twice))
        return 1;
    std::vector<double> onBells, onHall;
    minute =
        std::chrono::ceil<std::chrono::minutes>(system_clock::now() + std::chrono::seconds(10));
    for (int i = 0; i < std::min(minutes, 5); ++i, minute += std::chrono::minutes(1)) {
        std::this_thread::sleep_until(steadyOf(minute) - std::chrono::milliseconds(400));
        bells.skipToNow();
        hall.skipToNow();
        const auto boundary = steadyOf(minute);
        const auto a = bells.firstSoundAfter(boundary - std::chrono::milliseconds(300));
        const auto b = hall.firstSoundAfter(boundary - std::chrono::milliseconds(300));
        const auto ms = [&boundary](const auto& heard) {
            return std::chrono::duration<double, std::milli>(*heard - boundary).count();
        };
        if (a && b) {
            onBells.push_back(ms(a));
            onHall.push_back(ms(b));
            std::printf("two outputs, bell %d: bells %.1f ms, hall %.1f ms\n", i + 1, ms(a), ms(b));
        } else {
            std::printf("two outputs, bell %d: not heard on %s\n", i + 1, a ? "hall" : "bells");
        }
        std::fflush(stdout);
    }
    twice.terminate();
    twice.waitForFinished(5000);
    if (onBells.empty()) {
        std::fprintf(stderr, "no bell was heard on both outputs\n");
        return 1;
    }
    std::sort(onBells.begin(), onBells.end());
    std::sort(onHall.begin(), onHall.end());
    const double medianBells = onBells[onBells.size() / 2];
    const double medianHall = onHall[onHall.size() / 2];
    std::printf(
        "bell onset on two outputs, %zu bells: median bells %.1f ms, hall %.1f ms; single "
        "output %.1f ms; differences %+.1f ms, %+.1f ms (target: within 20 ms)\n",
        onBells.size(), medianBells, medianHall, single, medianBells - single, medianHall - single);
    return 0;
}
