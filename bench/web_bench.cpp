// The web page under load: GET /api/status from a client on the other core,
// as fast as it answers, while the one-second tick runs on the server's core.
// Prints the requests per second, the worst lateness of a tick under load
// and the memory the server adds.
#include "bench/BenchDoubles.h"
#include "engine/BellEngine.h"
#include "engine/RingLog.h"
#include "model/ScheduleModel.h"
#include "platform/Clock.h"
#include "schedule/DefaultFiles.h"
#include "web/WebServer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pthread.h>
#include <sched.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

constexpr int kSeconds = 6;

void pinTo(int cpu) {
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(cpu, &set);
    pthread_setaffinity_np(pthread_self(), sizeof set, &set);
}

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// "VmRSS" (resident, shared library pages included) or "RssAnon" (memory of its own).
long residentKiB(const std::string& field) {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind(field + ':', 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

// Requests on kept-alive connections, opened again whenever the server closes one.
void load(int port, const std::string& cookie, std::atomic<bool>& stop, std::atomic<long>& done,
          std::atomic<bool>& ended) {
    pinTo(1);  // the server's core stays the server's
    const std::string request =
        "GET /api/status HTTP/1.1\r\nHost: localhost\r\nCookie: " + cookie + "\r\n\r\n";
    int fd = -1;
    std::string got;
    char buffer[8192];
    while (!stop) {
        if (fd < 0) {
            fd = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in to{};
            to.sin_family = AF_INET;
            to.sin_port = htons(static_cast<std::uint16_t>(port));
            to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
                close(fd);
                fd = -1;
                continue;
            }
        }
        if (write(fd, request.data(), request.size()) != static_cast<ssize_t>(request.size())) {
            close(fd);
            fd = -1;
            continue;
        }
        got.clear();
        bool whole = false;
        while (!whole) {
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            got.append(buffer, static_cast<std::size_t>(n));
            const auto end = got.find("\r\n\r\n");
            const auto length = got.find("Content-Length: ");
            whole = end != std::string::npos && length != std::string::npos &&
                    got.size() >= end + 4 + std::stoul(got.substr(length + 16));
        }
        if (whole && got.rfind("HTTP/1.1 200", 0) == 0)
            ++done;
        if (!whole || got.find("Connection: close") != std::string::npos) {
            close(fd);
            fd = -1;
        }
    }
    if (fd >= 0)
        close(fd);
    ended = true;
}

}  // namespace

int main(int argc, char** argv) {
    pinTo(0);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const tollix::AppPaths paths(std::filesystem::path(dir.path().toStdString()) / "tollix");
    if (!tollix::EnsureProgramFolder(paths).empty())
        return 1;
    tollix::SystemClock clock;
    tollix::bench::QuietMessages messages;
    tollix::bench::AnsweringMixer mixer;
    tollix::bench::CountingPlayer player;
    tollix::bench::StayingOn power;
    tollix::RingLog log(paths.dataFolder() / "rings.log");
    tollix::ScheduleModel model(paths);
    model.load(2);
    tollix::BellEngine engine({clock, player, mixer, messages, paths.soundFolder(), power, log},
                              model);
    engine.startSchedule();
    long worstLateMs = 0;
    bool loaded = false;
    QObject::connect(&engine, &tollix::BellEngine::ticked, [&](const tollix::LocalTime& t) {
        if (loaded)
            worstLateMs =
                std::max<long>(worstLateMs, t.millisecond - tollix::SecondTicker::kAfterSecondMs);
    });
    engine.Timer1.setEnabled(true);
    // The hash is made beforehand, as by the window or --web-password.
    tollix::web::writeWebSettings(paths.webIni(), {18555, tollix::web::hashPassword("bench")});
    QTest::qWait(1500);
    const long withoutKiB = residentKiB("VmRSS");
    const long ownWithoutKiB = residentKiB("RssAnon");

    tollix::web::WebApi api({model, engine, clock, paths.soundFolder(), log.file()});
    tollix::web::WebServer server(
        api, {paths.webIni(), paths.dataFolder() / "web.crt", paths.dataFolder() / "web.key"},
        [&clock] { return clock.monotonicMs(); });
    if (server.port() == 0) {
        std::fprintf(stderr, "web_bench: %s\n", server.problem().toLocal8Bit().constData());
        return 1;
    }
    // The log-in, as a page does it.
    std::string cookie;
    std::thread([&] {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(server.port());
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to);
        const std::string body = R"({"password":"bench"})";
        const std::string request =
            "POST /api/login HTTP/1.1\r\nHost: localhost\r\n"
            "Content-Length: " +
            std::to_string(body.size()) + "\r\n\r\n" + body;
        (void)!write(fd, request.data(), request.size());
        char buffer[4096];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        const std::string got(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
        const auto at = got.find("tollix_session=");
        if (at != std::string::npos)
            cookie = got.substr(at, got.find(';', at) - at);
        close(fd);
    }).detach();
    if (!QTest::qWaitFor([&] { return !cookie.empty(); }, 10000)) {
        std::fprintf(stderr, "web_bench: the log-in failed\n");
        return 1;
    }

    std::atomic<bool> stop = false;
    std::atomic<long> done = 0;
    std::atomic<bool> ended = false;
    loaded = true;
    const double cpuBefore = threadCpuSeconds();
    std::thread client(load, server.port(), cookie, std::ref(stop), std::ref(done),
                       std::ref(ended));
    // The event loop as the program runs it: QTest::qWait sleeps 10 ms between
    // its rounds, which would count its own naps as the server's.
    QEventLoop loop;
    QTimer::singleShot(kSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    stop = true;
    (void)QTest::qWaitFor([&] { return ended.load(); }, 5000);  // its last answer
    client.join();
    const double cpu = threadCpuSeconds() - cpuBefore;
    loaded = false;
    QTest::qWait(100);
    const long withKiB = residentKiB("VmRSS");
    const long ownWithKiB = residentKiB("RssAnon");

    // On a shared machine the server's core is not all its own: the answers
    // per second of the server thread's own processor time are what one core does.
    std::printf(
        "status requests: %.0f per second of the server thread's processor time "
        "(%ld in %.2f s of it; %.0f per second of wall time, %d s)\n",
        static_cast<double>(done) / cpu, done.load(), cpu, static_cast<double>(done) / kSeconds,
        kSeconds);
    std::printf("worst tick lateness under load: %ld ms\n", worstLateMs);
    std::printf(
        "memory: %ld KiB without the server, %ld KiB with it (+%ld KiB); of its own "
        "(anonymous): %ld KiB, %ld KiB (+%ld KiB)\n",
        withoutKiB, withKiB, withKiB - withoutKiB, ownWithoutKiB, ownWithKiB,
        ownWithKiB - ownWithoutKiB);
    return 0;
}
