// The web page under load: GET /api/status from a client on the other core,
// as fast as it answers, while the one-second tick runs on the server's core.
// Prints the requests per second, the worst lateness of a tick under load
// and the memory the server adds. Then under attack, from loopback addresses
// 127.0.0.2 on: a client's worst answer time while 10 addresses hold 16 idle
// connections each (opened again as soon as the page closes them), how soon
// the page answers after a flood over its connection limit ends, and how soon
// the right password gets in while 40 addresses guess 5 times each.
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
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

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

// A connection from 127.0.0.`address`; -1 when refused.
int connectFrom(int address, int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    from.sin_addr.s_addr = htonl((127U << 24) | static_cast<unsigned>(address));
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const timeval wait{10, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    if (bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0 ||
        connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// One request on a connection of its own; the whole answer, empty when none came.
std::string ask(int address, int port, const std::string& request) {
    const int fd = connectFrom(address, port);
    if (fd < 0)
        return {};
    std::string got;
    if (write(fd, request.data(), request.size()) == static_cast<ssize_t>(request.size())) {
        char buffer[8192];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
            got.append(buffer, static_cast<std::size_t>(n));
            const auto end = got.find("\r\n\r\n");
            const auto length = got.find("Content-Length: ");
            if (end != std::string::npos && length != std::string::npos &&
                got.size() >= end + 4 + std::stoul(got.substr(length + 16)))
                break;
        }
    }
    close(fd);
    return got;
}

std::string login(const std::string& password) {
    const std::string body = R"({"password":")" + password + R"("})";
    return "POST /api/login HTTP/1.1\r\nHost: localhost\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The event loop runs, the server with it, until `done`.
void serveUntil(const std::atomic<bool>& done) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done)
            loop.quit();
    });
    check.start(10);
    loop.exec();
}

// `each` idle connections from each of `addresses` addresses, opened again
// whenever the page closes one, until `stop`.
void holdIdle(int port, int first, int addresses, int each, const std::atomic<bool>& stop) {
    std::vector<pollfd> held;
    for (int address = first; address < first + addresses; ++address)
        for (int i = 0; i < each; ++i) held.push_back({connectFrom(address, port), POLLIN, 0});
    while (!stop) {
        poll(held.data(), held.size(), 50);
        for (std::size_t i = 0; i < held.size(); ++i)
            if (held[i].fd < 0 || (held[i].revents & (POLLIN | POLLHUP | POLLERR))) {
                if (held[i].fd >= 0)
                    close(held[i].fd);
                held[i] = {connectFrom(first + static_cast<int>(i) / each, port), POLLIN, 0};
            }
    }
    for (const pollfd& p : held)
        if (p.fd >= 0)
            close(p.fd);
}

// A page's status every 100 ms from 127.0.0.`address` for `seconds`: the worst answer time.
double worstPoll(int address, int port, const std::string& cookie, double seconds) {
    const std::string status =
        "GET /api/status HTTP/1.1\r\nHost: localhost\r\nCookie: " + cookie + "\r\n\r\n";
    double worst = 0;
    const auto start = std::chrono::steady_clock::now();
    while (secondsSince(start) < seconds) {
        const auto asked = std::chrono::steady_clock::now();
        const bool answered = ask(address, port, status).rfind("HTTP/1.1 200", 0) == 0;
        worst = std::max(worst, answered ? secondsSince(asked) : 99.0);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return worst;
}

void underAttack(int port, const std::string& password, const std::string& cookie) {
    cpu_set_t all;  // the attackers' threads on either core
    CPU_ZERO(&all);
    CPU_SET(0, &all);
    CPU_SET(1, &all);
    pthread_setaffinity_np(pthread_self(), sizeof all, &all);
    std::atomic<bool> stop = false;
    std::atomic<bool> done = false;

    double loginSeconds = 0, worstSeconds = 0;
    std::thread flood(holdIdle, port, 2, 10, 16, std::ref(stop));
    std::thread([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const auto start = std::chrono::steady_clock::now();
        const std::string got = ask(12, port, login(password));
        const auto at = got.find("tollix_session=");
        const std::string own =
            at == std::string::npos ? "" : got.substr(at, got.find(';', at) - at);
        ask(12, port, "GET /api/status HTTP/1.1\r\nHost: localhost\r\nCookie: " + own + "\r\n\r\n");
        loginSeconds = own.empty() ? 99 : secondsSince(start);
        worstSeconds = worstPoll(12, port, cookie, 12);
        stop = true;
        done = true;
    }).detach();
    serveUntil(done);
    flood.join();
    std::printf(
        "10 addresses x 16 idle connections, held 12 s: another address logs in and reads its "
        "status in %.3f s; its worst status answer %.3f s (99: none)\n",
        loginSeconds, worstSeconds);

    // Over the limit, then closed at once.
    done = false;
    double againSeconds = 0, floodWorstSeconds = 0;
    std::thread([&] {
        std::vector<int> held;
        for (int address = 20; address < 60; ++address)
            for (int i = 0; i < 16; ++i) held.push_back(connectFrom(address, port));
        floodWorstSeconds = worstPoll(12, port, cookie, 3);
        for (const int fd : held)
            if (fd >= 0)
                close(fd);
        const auto ended = std::chrono::steady_clock::now();
        const std::string status =
            "GET /api/status HTTP/1.1\r\nHost: localhost\r\nCookie: " + cookie + "\r\n\r\n";
        while (ask(12, port, status).rfind("HTTP/1.1 200", 0) != 0 && secondsSince(ended) < 60)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        againSeconds = secondsSince(ended);
        done = true;
    }).detach();
    serveUntil(done);
    std::printf(
        "640 connections from 40 addresses (over the limit), held 3 s: another address's worst "
        "status answer %.3f s (99: none); the page answers %.3f s after they are closed\n",
        floodWorstSeconds, againSeconds);

    // Guessing from many addresses at once, then the real user.
    done = false;
    std::atomic<int> refused = 0;
    double rightSeconds = 0;
    std::vector<std::thread> guessers;
    for (int address = 100; address < 140; ++address)
        for (int i = 0; i < 5; ++i)
            guessers.emplace_back([&, address] {
                if (ask(address, port, login("wrong guess")).rfind("HTTP/1.1 401", 0) == 0)
                    ++refused;
            });
    const auto attack = std::chrono::steady_clock::now();
    std::thread([&] {
        while (refused < 10 && secondsSince(attack) < 60)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const auto start = std::chrono::steady_clock::now();
        const bool in = ask(12, port, login(password)).rfind("HTTP/1.1 200", 0) == 0;
        rightSeconds = in ? secondsSince(start) : 99;
        done = true;
    }).detach();
    serveUntil(done);
    const int before = refused;
    const double at = secondsSince(attack);
    done = false;
    std::thread([&] {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        done = true;
    }).detach();
    serveUntil(done);
    std::printf(
        "200 wrong passwords from 40 addresses at once: the right one gets in %.3f s after the "
        "10th refusal (%.1f s into the attack; 99: never); %.1f refusals a second after\n",
        rightSeconds, at, (refused - before) / 5.0);
    // The guesses still waiting are answered when the server ends.
    for (std::thread& guesser : guessers) guesser.detach();
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
    tollix::web::writeWebSettings(paths.webIni(),
                                  {18555, tollix::web::hashPassword("bench password")});
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
        const std::string body = R"({"password":"bench password"})";
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

    underAttack(server.port(), "bench password", cookie);
    std::fflush(stdout);
    std::_Exit(0);  // guesses still waiting: not worth answering
}
