// Building a day from the settings: a manual list of 1,440 bells, one a
// minute, and an interval day of 1,440 bells (work and rest of a minute).
#include "bench/Timing.h"
#include "model/ScheduleModel.h"
#include "schedule/DataFiles.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using tollix::bench::median;
using tollix::bench::millis;

namespace {

double medianBuild(const tollix::ScheduleModel& model, std::int64_t date, int& bells) {
    std::vector<double> times;
    for (int round = 0; round < 21; ++round)
        times.push_back(millis([&] { bells = model.buildDay(date).bells.todayCount; }));
    return median(times);
}

}  // namespace

int main() {
    QTemporaryDir dir;
    const tollix::AppPaths paths(dir.path().toStdString());
    std::filesystem::create_directories(paths.dataFolder());
    std::vector<std::string> lines;
    for (int minute = 0; minute < 1440; ++minute)
        lines.push_back(tollix::BellEntry::text(minute / 60, minute % 60, "bell.mp3"));
    tollix::datafiles::writeWeekList(paths.weekList(), lines);
    tollix::IntervalSettings every;
    every.start_h = "0";
    every.exit_h = "23";
    every.exit_m = "59";
    every.worktime = every.resttime = "1";
    tollix::datafiles::writeIntervals(paths.weekIntervals(), every,
                                      tollix::datafiles::IntervalFile::Week);
    const std::int64_t date = *tollix::parseDate("2026-12-08");

    tollix::ScheduleModel model(paths);
    int bells = 0;
    tollix::datafiles::writeGeneral(paths.dataIni(), {0, -1, 2, 1, 0, 1, 0, 0});
    model.load(3);
    const double manual = medianBuild(model, date, bells);
    std::printf("build a manual day of %d bells: median %.3f ms (target under 2 ms)\n", bells,
                manual);
    model.setTimeMode(tollix::ScheduleModel::TimeMode::Auto);
    const double intervals = medianBuild(model, date, bells);
    std::printf("build an interval day of %d bells: median %.3f ms (target under 2 ms)\n", bells,
                intervals);
    return 0;
}
