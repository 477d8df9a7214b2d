#pragma once

#include <QString>

namespace tollix {

class CalendarSubscriptions;
class SingleInstance;

// tollix --refresh-calendars [--accept NAME]: handed to the running copy,
// whose answer is printed. Exit status 1: no copy runs; 3: NAME had no copy waiting.
int refreshCalendars(int argc, char** argv, const QString& accept);

// The running copy's side: fetches, takes the named waiting copy, answers.
void answerCalendarRefresh(SingleInstance& instance, CalendarSubscriptions& calendars);

}  // namespace tollix
