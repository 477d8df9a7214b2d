// Importing a council's calendar: 600 whole-day events in 300 KB, most of them
// repeating yearly since long ago, read, expanded over two years, set beside
// a calendar of 200 rules and shown as the preview. Target: under 200 ms.
#include "bench/Timing.h"
#include "schedule/HolidayImport.h"

#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

int main() {
    std::string ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n";
    const std::string note(360, 'x');
    for (int i = 0; i < 600; ++i) {
        char event[256];
        std::snprintf(event, sizeof event,
                      "BEGIN:VEVENT\r\nUID:%d@bench\r\nDTSTAMP:20260101T000000Z\r\n"
                      "DTSTART;VALUE=DATE:%04d%02d%02d\r\nDTEND;VALUE=DATE:%04d%02d%02d\r\n%s"
                      "SUMMARY:Holiday number %d\r\n",
                      i, 1990 + i % 30, 1 + i % 12, 1 + i % 27, 1990 + i % 30, 1 + i % 12,
                      2 + i % 27, i % 5 == 0 ? "" : "RRULE:FREQ=YEARLY\r\n", i);
        ics += event;
        ics += "DESCRIPTION:" + note.substr(0, 60);
        for (std::size_t at = 60; at < note.size(); at += 74) ics += "\r\n " + note.substr(at, 74);
        ics += "\r\nEND:VEVENT\r\n";
    }
    ics += "END:VCALENDAR\r\n";
    QTemporaryDir dir;
    const std::filesystem::path file = dir.path().toStdString() + "/council.ics";
    std::ofstream(file, std::ios::binary) << ics;

    std::string existing;
    for (int i = 0; i < 200; ++i)
        existing += tollix::dateText(*tollix::parseDate("2026-01-01") + 3 * i) + " Rule\n";
    const tollix::HolidayCalendar calendar = tollix::HolidayCalendar::parse(existing);

    std::vector<double> times;
    std::size_t ranges = 0;
    std::size_t preview = 0;
    for (int run = 0; run < 7; ++run)
        times.push_back(tollix::bench::millis([&] {
            const tollix::HolidayImport found =
                tollix::importICalendar(file, *tollix::parseDate("2026-01-01"));
            const tollix::HolidayPlan plan = tollix::planImport(calendar, found.rules);
            ranges = plan.added.size();
            preview = tollix::previewText(found, plan).size();
        }));
    std::printf(
        "importing a %zu KB calendar of 600 events (yearly repeats): %.1f ms median, "
        "%zu ranges, a preview of %zu bytes (target: under 200 ms)\n",
        ics.size() / 1024, tollix::bench::median(times), ranges, preview);
    return 0;
}
