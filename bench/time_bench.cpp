// Internet time against chronyd serving the machine's own clock on a loopback
// port (never touching it): the error of Tollix's estimate over 100 exchanges,
// whose true offset is zero.
#include "tests/support/LoopbackChrony.h"
#include "timesync/TimeSync.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    tollix::test::LoopbackChrony chronyd(120);
    if (!chronyd.started()) {
        std::fprintf(stderr, "chronyd did not start\n");
        return 1;
    }
    std::int64_t monotonic = 0;
    tollix::timesync::TimeSync sync(
        {{"127.0.0.1", chronyd.port()}},
        {nullptr,
         [] {
             using namespace std::chrono;
             return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
         },
         [&monotonic] { return monotonic; }, 1000});
    std::vector<double> errors;
    for (int exchange = 0; exchange < 400 && errors.size() < 100; ++exchange) {
        monotonic += 2'000'000;  // every request is due
        sync.SendTimeRequest();
        QEventLoop loop;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (!sync.waiting())
                loop.quit();
        });
        look.start(1);
        loop.exec();
        if (const auto estimate = sync.estimate(); estimate && exchange > 0)
            errors.push_back(std::abs(static_cast<double>(estimate->offsetNs)) / 1e6);
        // the first answers may come before chronyd listens
    }
    if (errors.size() < 100) {
        std::fprintf(stderr, "chronyd answered only %zu times\n", errors.size());
        return 1;
    }
    std::sort(errors.begin(), errors.end());
    std::printf(
        "offset error of the estimate against loopback chronyd over %zu exchanges: "
        "median %.3f ms, worst %.3f ms (target: worst under 1 ms)\n",
        errors.size(), errors[errors.size() / 2], errors.back());
    return 0;
}
