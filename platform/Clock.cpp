#include "platform/Clock.h"

#include <QDateTime>

#include <chrono>

namespace tollix {

LocalTime SystemClock::now() const {
    const QDateTime now = QDateTime::currentDateTime().addMSecs(correctionMs_);
    const QDate date = now.date();
    const QTime time = now.time();
    // Qt counts Monday 1 .. Sunday 7; the schedule counts Sunday 1 .. Saturday 7.
    return LocalTime{date.year(),        date.month(),  date.day(),  time.hour(),
                     time.minute(),      time.second(), time.msec(), date.dayOfWeek() % 7 + 1,
                     now.offsetFromUtc()};
}

std::int64_t SystemClock::monotonicMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace tollix
