// tollix --service against the desktop program on the same schedule: time from
// process start to the first answer of /api/status, and the resident memory
// of each once started.
#include "bench/ProgramHome.h"
#include "web/WebSettings.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// An HTTP status line from the page, any status: the service answers.
bool answers(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(50))
        return false;
    socket.write("GET /api/status HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n");
    return socket.waitForReadyRead(1000) && socket.readLine().startsWith("HTTP/1.1 ");
}

long residentKb(qint64 pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    tollix::bench::ProgramHome home(100);
    const auto& paths = home.paths;
    QTcpServer free;
    free.listen(QHostAddress::LocalHost);
    const quint16 port = free.serverPort();
    free.close();
    tollix::web::writeWebSettings(paths.webIni(),
                                  {static_cast<int>(port), tollix::web::hashPassword("bench")});
    auto& env = home.env;

    std::vector<double> times;
    long serviceKb = 0;
    for (int round = 0; round < 12; ++round) {
        QProcess tollix;
        tollix.setProcessEnvironment(env);
        const auto start = std::chrono::steady_clock::now();
        tollix.start(QStringLiteral(TOLLIX_EXE), {QStringLiteral("--service")});
        while (!answers(port)) QThread::usleep(500);
        const std::chrono::duration<double, std::milli> answered =
            std::chrono::steady_clock::now() - start;
        if (round == 0) {
            QThread::sleep(2);  // settled: the player core made
            serviceKb = residentKb(tollix.processId());
        }
        tollix.terminate();
        tollix.waitForFinished(10000);
        if (round > 1)  // the first runs warm the disk cache
            times.push_back(answered.count());
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "service start to first answered /api/status, %zu runs: median %.1f ms, min %.1f ms, "
        "max %.1f ms (target < 300 ms)\n",
        times.size(), times[times.size() / 2], times.front(), times.back());

    QProcess desktop;
    if (!env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    desktop.setProcessEnvironment(env);
    desktop.start(QStringLiteral(TOLLIX_EXE), {});
    while (!answers(port)) QThread::usleep(500);
    QThread::sleep(2);
    const long desktopKb = residentKb(desktop.processId());
    desktop.terminate();
    desktop.waitForFinished(10000);
    std::printf(
        "resident memory: service %ld kB, desktop program %ld kB: %.0f %% less "
        "(target at least 25 %%)\n",
        serviceKb, desktopKb,
        100.0 * (1.0 - static_cast<double>(serviceKb) / static_cast<double>(desktopKb)));
    return 0;
}
