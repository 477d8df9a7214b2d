#include "platform/Clock.h"

#include <QDateTime>

namespace tollix {

LocalTime SystemClock::now() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    // Qt counts Monday 1 .. Sunday 7; the schedule counts Sunday 1 .. Saturday 7.
    return LocalTime{date.year(),   date.month(),  date.day(),  time.hour(),
                     time.minute(), time.second(), time.msec(), date.dayOfWeek() % 7 + 1};
}

}  // namespace tollix
