#pragma once

#include "model/ScheduleModel.h"

#include <QByteArray>
#include <QJsonObject>

#include <cstdint>
#include <filesystem>
#include <string>

namespace tollix::web {

// The rules of holidays.ini as the page edits them, with the window's checks:
// a holiday, a range, a make-up day or a special day added, one removed, and a
// calendar file imported after the same preview and term-dates guard.
class HolidaysApi {
  public:
    struct Reply {
        int status = 200;
        QJsonObject body;
        std::string record;  // the ring record's line for a change
    };

    HolidaysApi(ScheduleModel& model, std::filesystem::path file)
        : model_(model), file_(std::move(file)) {}

    QJsonObject read() const;
    // {"from": "2027-03-02", "to": ..., "name": ..., "makeUp": 1..7 (Monday = 1)
    // or "templet": 1..6}.
    Reply add(const QByteArray& body);
    // {"line": the rule's line as read() gave it}.
    Reply remove(const QByteArray& body);
    // `calendar`: an iCalendar file. Without `confirm` only the preview; a
    // calendar that looks like term dates needs `termDates` too.
    Reply import(const QByteArray& calendar, bool confirm, bool termDates, std::int64_t today);

  private:
    Reply change(const std::function<std::string(HolidayCalendar&)>& edit, std::string record);
    ScheduleModel& model_;
    std::filesystem::path file_;
};

}  // namespace tollix::web
