// Emergency signals, end to end, heard at a private sound server's sink:
// - from `tollix --alarm Lockdown` (the command started) to the signal's
//   first sample at the sink, while a bell rung from the web page sounds
//   (a tone too quiet to pass the onset threshold, so only the signal counts);
// - across two copies joined by a private mosquitto on loopback: the order
//   given to one (whose own signal is silent) to the other's signal at the sink.
// Usage: alarm_bench [orders]   (default 15 of each)
#include "bench/Monitor.h"
#include "bench/ProgramHome.h"
#include "schedule/DataFiles.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace fs = std::filesystem;
using bench::Clock;
using tollix::bench::ProgramHome;

namespace {

bool tone(const fs::path& file, const char* source) {
    return bench::run(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
         QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QString::fromLatin1(source), QStringLiteral("-ac"), QStringLiteral("1"),
         QString::fromStdString(file.string())});
}

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

struct Copy {
    ProgramHome home{0};
    QProcess process;

    Copy() { home.env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")); }
    bool start() {
        process.setProcessEnvironment(home.env);
        process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        process.start(QStringLiteral(TOLLIX_EXE), {});
        return process.waitForStarted(5000);
    }
    bool up() {
        for (int i = 0; i < 300 && !fs::exists(home.run / "tollix.socket"); ++i)
            QThread::msleep(100);
        return fs::exists(home.run / "tollix.socket");
    }
    int command(const QStringList& arguments, const QByteArray& input = {}) {
        QProcess command;
        command.setProcessEnvironment(home.env);
        command.start(QStringLiteral(TOLLIX_EXE), arguments);
        command.write(input);
        command.closeWriteChannel();
        command.waitForFinished(10000);
        return command.exitCode();
    }
    ~Copy() {
        process.terminate();
        process.waitForFinished(5000);
    }
};

void print(const char* what, std::vector<double> ms) {
    if (ms.empty()) {
        std::printf("%s: nothing heard\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%s: n=%zu median %.1f ms, worst %.1f ms, best %.1f ms\n", what, ms.size(),
                ms[ms.size() / 2], ms.back(), ms.front());
}

// The moment from `ordered` on at which the sink first sounds, in ms.
std::optional<double> heardAfter(bench::Monitor& monitor, Clock::time_point ordered) {
    const auto heard = monitor.firstSoundAfter(ordered);
    if (!heard)
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(*heard - ordered).count();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int orders = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir dir;
    const bench::PrivateSoundServer server(fs::path(dir.path().toStdString()) / "pulse");
    bench::Monitor monitor;
    if (!server.ok() || !monitor.ok()) {
        std::fprintf(stderr, "no sound server\n");
        return 1;
    }

    // The order by the command line, over a bell that sounds.
    std::vector<double> local;
    {
        Copy north;
        const tollix::AppPaths& paths = north.home.paths;
        const quint16 webPort = freePort();
        std::ofstream(paths.webIni()) << webPort << "\n";
        if (!tone(paths.soundFolder() / "quiet.wav",
                  "sine=frequency=440:duration=20,volume=0.005") ||
            north.command({QStringLiteral("--web-password")}, "bench password\n") != 0 ||
            !north.start() || !north.up()) {
            std::fprintf(stderr, "the program did not start\n");
            return 1;
        }
        QThread::sleep(2);
        const QString jar = dir.path() + QStringLiteral("/cookies");
        const QString base = QStringLiteral("http://127.0.0.1:%1/api/").arg(webPort);
        QProcess login;
        login.start(
            QStringLiteral("curl"),
            {QStringLiteral("-s"), QStringLiteral("-c"), jar, QStringLiteral("-d"),
             QStringLiteral("{\"password\":\"bench password\"}"), base + QStringLiteral("login")});
        login.waitForFinished();
        const QByteArray answer = login.readAllStandardOutput();
        const QByteArray csrf = answer.mid(answer.indexOf("\"csrf\":\"") + 8, 32);
        for (int i = 0; i < orders; ++i) {
            bench::run(
                QStringLiteral("curl"),
                {QStringLiteral("-s"), QStringLiteral("-b"), jar, QStringLiteral("-H"),
                 QStringLiteral("X-CSRF-Token: ") + QString::fromLatin1(csrf), QStringLiteral("-d"),
                 QStringLiteral("{\"sound\":\"quiet.wav\"}"), base + QStringLiteral("ring")});
            QThread::msleep(400);
            monitor.skipToNow();
            const auto ordered = Clock::now();
            north.command({QStringLiteral("--alarm"), QStringLiteral("Lockdown")});
            if (const auto ms = heardAfter(monitor, ordered))
                local.push_back(*ms);
            north.command({QStringLiteral("--all-clear")});
            QThread::msleep(3000);  // the chime ends
        }
        std::ifstream log(north.home.root / "state/tollix/rings.log");
        int bells = 0;
        for (std::string line; std::getline(log, line);)
            bells += line.find("\trang\tquiet.wav\t") != std::string::npos;
        std::printf("bells sounding when the order came: %d of %d\n", bells, orders);
    }
    print("command line to sound, a bell sounding", local);

    // Across two copies: North's own signals are silent, so South's is heard.
    std::vector<double> across;
    {
        const quint16 port = freePort();
        const fs::path conf = fs::path(dir.path().toStdString()) / "mosquitto.conf";
        std::ofstream(conf) << "listener " << port
                            << " 127.0.0.1\nallow_anonymous true\npersistence false\n";
        QProcess broker;
        broker.start(QStringLiteral("mosquitto"),
                     {QStringLiteral("-c"), QString::fromStdString(conf.string())});
        if (!broker.waitForStarted(5000))
            return 1;
        Copy north, south;
        for (auto [copy, name] : {std::pair{&north, "North"}, std::pair{&south, "South"}})
            std::ofstream(copy->home.paths.dataFolder() / "mqtt.ini")
                << "url = mqtt://127.0.0.1:" << port << "\nbuilding = " << name << "\n";
        if (!tone(north.home.paths.soundFolder() / "silent.wav",
                  "anullsrc=r=44100:cl=mono,atrim=duration=3"))
            return 1;
        std::ofstream(north.home.paths.dataFolder() / "alarms.ini")
            << "Lockdown = silent.wav; repeat=30\nAll clear = silent.wav; repeat=0\n";
        if (!north.start() || !south.start() || !north.up() || !south.up()) {
            std::fprintf(stderr, "the two copies did not start\n");
            return 1;
        }
        QThread::sleep(2);
        for (int i = 0; i < orders; ++i) {
            monitor.skipToNow();
            const auto ordered = Clock::now();
            north.command({QStringLiteral("--alarm"), QStringLiteral("Lockdown")});
            if (const auto ms = heardAfter(monitor, ordered))
                across.push_back(*ms);
            north.command({QStringLiteral("--all-clear")});
            QThread::msleep(3000);
        }
        broker.terminate();
        broker.waitForFinished();
    }
    print("order on one copy to sound on the other (loopback mosquitto)", across);
    return 0;
}
