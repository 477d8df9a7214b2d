// Loading a full day into the sorted list box: 2,001 entries, the most the
// day can hold, in one pass and one by one as the editor adds them.
#include "bench/Timing.h"
#include "ui/controls/SortedListBox.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using tollix::bench::median;
using tollix::bench::millis;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<std::string> lines;
    std::mt19937 random(7);
    for (int i = 0; i < 2001; ++i) {
        const int minute = static_cast<int>(random() % 1440);
        char line[64];
        std::snprintf(line, sizeof line, "%02dhr %02dmin/bell %d.mp3", minute / 60, minute % 60, i);
        lines.push_back(line);
    }
    std::vector<double> loads;
    std::vector<double> added;
    for (int round = 0; round < 11; ++round) {
        tollix::SortedListBox list;
        loads.push_back(millis([&] { list.AddItems(lines); }));
        tollix::SortedListBox byHand;
        added.push_back(millis([&] {
            for (const auto& line : lines) byHand.AddItem(QString::fromStdString(line));
        }));
    }
    std::printf(
        "load 2,001 lines in one pass: median %.2f ms, worst %.2f ms (target well under "
        "100 ms)\n",
        median(loads), *std::max_element(loads.begin(), loads.end()));
    std::printf("add 2,001 lines one by one: median %.2f ms\n", median(added));
    return 0;
}
