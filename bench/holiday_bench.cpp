// Building the day's list with a calendar of 1,000 rules: the main window
// offscreen starts its schedule on the first day of two weeks off, so the
// calendar is asked for today and for every day up to the first that rings,
// whose list is read from its file. Without a calendar for comparison.
#include "bench/BenchDoubles.h"
#include "bench/Timing.h"
#include "engine/RingLog.h"
#include "schedule/AppPaths.h"
#include "schedule/DataFiles.h"
#include "schedule/DefaultFiles.h"
#include "schedule/Holidays.h"
#include "timesync/TimeSync.h"
#include "ui/main.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using tollix::bench::median;
using tollix::bench::millis;

// The whole start (the editors, their files and the settings saved), and the
// engine's part alone: today's choice, and on a day off the search for the
// first bell after it.
struct Starts {
    std::vector<double> whole, engine;
};
Starts starts(tollix::main& window, int rounds) {
    Starts times;
    for (int i = 0; i < rounds; ++i) {
        times.whole.push_back(millis([&] { window.start_Click(); }));
        times.engine.push_back(millis([&] { window.engine.startSchedule(); }));
        window.stop1_Click();
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const tollix::AppPaths paths(std::filesystem::path(dir.path().toStdString()) / "tollix");
    if (!tollix::EnsureProgramFolder(paths).empty())
        return 1;
    std::vector<std::string> lines;
    for (int m = 7 * 60; m < 16 * 60; m += 5)
        lines.push_back((m / 60 < 10 ? "0" : "") + std::to_string(m / 60) + "hr " +
                        (m % 60 < 10 ? "0" : "") + std::to_string(m % 60) + "min/chime.wav");
    tollix::GeneralSettings settings;
    settings.timeMode = 2;
    settings.dayMode = 2;
    tollix::datafiles::writeGeneral(paths.dataIni(), settings);
    for (int day = 1; day <= 7; ++day)
        tollix::datafiles::writeDayList(paths.dayList(day), {0, lines});

    // 1,000 rules over three years, single days and short ranges, and two
    // weeks off from today (2026-12-21).
    tollix::HolidayCalendar calendar;
    std::mt19937 random(7);
    const std::int64_t from = *tollix::parseDate("2025-09-01");
    for (int i = 0; i < 999; ++i) {
        const std::int64_t first = from + static_cast<std::int64_t>(random() % 1095);
        calendar.add({first, first + static_cast<std::int64_t>(random() % 3), 0, "Day off"});
    }
    calendar.add(
        {*tollix::parseDate("2026-12-21"), *tollix::parseDate("2027-01-03"), 0, "Winter holidays"});

    tollix::bench::BenchClock clock;
    clock.time = tollix::LocalTime{2026, 12, 21, 7, 0, 0, 0, 2};
    tollix::bench::QuietMessages messages;
    tollix::bench::AnsweringMixer mixer;
    tollix::bench::CountingPlayer player;
    tollix::bench::StayingOn power;
    tollix::bench::NoAutoStart autoStart;
    const std::string executable = "/usr/bin/tollix";
    tollix::timesync::TimeSync timeSync({}, {});
    tollix::RingLog ringLog(std::filesystem::path(dir.path().toStdString()) / "rings.log");
    const tollix::MainServices services{paths, clock,     messages,   mixer,    player, [] {},
                                        power, autoStart, executable, timeSync, ringLog};
    tollix::BellService service(services.bellServices());
    tollix::main window(service, services);
    window.Form_Load();

    const auto plain = starts(window, 51);
    calendar.write(paths.holidaysIni());
    const double read = millis(
        [&] { window.model.setCalendar(tollix::HolidayCalendar::read(paths.holidaysIni())); });
    const auto holiday = starts(window, 51);
    window.start_Click();
    std::printf("state %s, next bell \"%s\"\n", window.state->text().toUtf8().constData(),
                window.nextBell->text().toUtf8().constData());
    std::printf("reading holidays.ini with 1,000 rules: %.3f ms\n", read);
    std::printf(
        "the day's list, 108 bells, no calendar: engine median %.3f ms; whole start "
        "(with its saves) median %.3f ms\n",
        median(plain.engine), median(plain.whole));
    std::printf(
        "the day's list on the first of 14 days off, 1,000 rules: engine median %.3f ms, "
        "worst %.3f ms (target under 1 ms); whole start median %.3f ms\n",
        median(holiday.engine), *std::max_element(holiday.engine.begin(), holiday.engine.end()),
        median(holiday.whole));
    return 0;
}
