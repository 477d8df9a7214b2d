// Instructions of the one-second tick under callgrind: an ordinary tick, the
// tick of a new minute that checks the 1,440 entries of the day and rings
// one, and the tick after it that judges whether the bell was heard and
// writes the ring record. The main window runs offscreen with a clock of its
// own (stepped against its monotonic clock, so step detection runs), a
// player that only counts and a mixer that answers at once, so only the
// program's own work is measured.
// Run without arguments: it runs itself under valgrind and prints the figures.
#include "bench/BenchDoubles.h"
#include "engine/RingLog.h"
#include "schedule/AppPaths.h"
#include "schedule/DataFiles.h"
#include "schedule/DefaultFiles.h"
#include "timesync/TimeSync.h"
#include "ui/main.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <valgrind/callgrind.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kOrdinaryTicks = 10;
constexpr int kMinuteTicks = 3;

using tollix::bench::AnsweringMixer;
using tollix::bench::BenchClock;
using tollix::bench::CountingPlayer;
using tollix::bench::QuietMessages;

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// The instructions recorded in one callgrind dump.
long long totals(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("totals:", 0) == 0 || line.rfind("summary:", 0) == 0)
            return std::stoll(line.substr(line.find(':') + 1));
    return -1;
}

int measure(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const tollix::AppPaths paths(fs::path(dir.path().toStdString()) / "tollix");
    if (!tollix::EnsureProgramFolder(paths).empty())
        return 1;
    std::vector<std::string> lines;
    for (int m = 0; m < 1440; ++m)
        lines.push_back(twoDigits(m / 60) + "hr " + twoDigits(m % 60) + "min/chime.wav");
    tollix::GeneralSettings settings;
    settings.timeMode = 2;
    settings.chkTimeSync = 1;  // its check runs on every sixth tick
    tollix::datafiles::writeWeekList(paths.weekList(), lines);
    tollix::datafiles::writeGeneral(paths.dataIni(), settings);

    BenchClock clock;
    QuietMessages messages;
    AnsweringMixer mixer;
    CountingPlayer player;
    tollix::bench::StayingOn power;
    tollix::bench::NoAutoStart autoStart;
    const std::string executable = "/usr/bin/tollix";
    tollix::RingLog ringLog(fs::path(dir.path().toStdString()) / "state" / "rings.log");
    // A request stays unanswered here (no event loop): later moments send nothing.
    tollix::timesync::TimeSync timeSync(
        {{"127.0.0.1", 9}},
        {nullptr, [] { return std::int64_t{0}; }, [&clock] { return clock.monotonicMs(); }});
    tollix::MainServices services{paths, clock,     messages,   mixer,    player, [] {},
                                  power, autoStart, executable, timeSync, ringLog};
    tollix::BellService service(services.bellServices());
    tollix::main window(service, services);
    window.Form_Load();
    // No event loop runs: the bench gives every tick itself.
    window.start_Click();

    auto tick = [&](bool measured) {
        clock.next();
        if (measured)
            CALLGRIND_TOGGLE_COLLECT;
        window.Timer1_Timer();
        if (measured)
            CALLGRIND_TOGGLE_COLLECT;
    };
    while (clock.time.second != 5 || clock.time.minute != 30) tick(false);  // past the first bell
    for (int i = 0; i < kOrdinaryTicks; ++i) tick(true);
    CALLGRIND_DUMP_STATS_AT("ordinary");
    for (int i = 0; i < kMinuteTicks; ++i) {
        while (clock.time.second != 59) tick(false);
        tick(true);  // second 0 of a new minute
        CALLGRIND_DUMP_STATS_AT("minute");
        tick(true);  // second 1: was it heard? one line of record
        CALLGRIND_DUMP_STATS_AT("verdict");
    }
    std::printf("bells rung: %d, record lines: %zu\n", player.opened,
                tollix::RingLog::lastLines(ringLog.file(), 1000).size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (RUNNING_ON_VALGRIND || (argc > 1 && std::string(argv[1]) == "--inner"))
        return measure(argc, argv);

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("callgrind.out"));
    QProcess valgrind;
    valgrind.setProcessChannelMode(QProcess::ForwardedChannels);
    valgrind.start(QStringLiteral("valgrind"),
                   {QStringLiteral("--tool=callgrind"), QStringLiteral("--collect-atstart=no"),
                    QStringLiteral("--callgrind-out-file=") + out,
                    QCoreApplication::applicationFilePath(), QStringLiteral("--inner")});
    if (!valgrind.waitForFinished(600000) || valgrind.exitCode() != 0) {
        std::fprintf(stderr, "valgrind did not run the bench\n");
        return 1;
    }
    // Dumps: 1 the ordinary ticks, then a minute tick and a verdict tick in turn.
    const long long ordinary = totals((out + QStringLiteral(".1")).toStdString());
    long long minute = 0;
    long long verdict = 0;
    for (int i = 0; i < kMinuteTicks; ++i) {
        const long long m = totals((out + QStringLiteral(".%1").arg(2 + 2 * i)).toStdString());
        const long long v = totals((out + QStringLiteral(".%1").arg(3 + 2 * i)).toStdString());
        if (m < 0 || v < 0) {
            std::fprintf(stderr, "no callgrind dumps found\n");
            return 1;
        }
        minute += m;
        verdict += v;
    }
    if (ordinary < 0) {
        std::fprintf(stderr, "no callgrind dumps found\n");
        return 1;
    }
    std::printf(
        "ordinary tick (step detection and Internet time on): %lld instructions (mean of %d)\n",
        ordinary / kOrdinaryTicks, kOrdinaryTicks);
    std::printf("bell-check tick with 1,440 entries, ringing one: %lld instructions (mean of %d)\n",
                minute / kMinuteTicks, kMinuteTicks);
    std::printf(
        "tick after a bell (heard check, one record line): %lld instructions (mean of %d)\n",
        verdict / kMinuteTicks, kMinuteTicks);
    return 0;
}
