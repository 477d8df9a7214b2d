#include "schedule/HolidayImport.h"

#include "schedule/SafeFile.h"

#include <libical/ical.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>

namespace tollix {

namespace {

std::int64_t dayOf(const icaltimetype& date) {
    using namespace std::chrono;
    return sys_days(year_month_day{std::chrono::year(date.year),
                                   std::chrono::month(static_cast<unsigned>(date.month)),
                                   std::chrono::day(static_cast<unsigned>(date.day))})
        .time_since_epoch()
        .count();
}

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

// One all-day event: its days, the end date not included as the standard says.
void takeEvent(icalcomponent* event, int year, HolidayImport& result) {
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start))
        return;
    if (!start.is_date) {
        ++result.withTimeOfDay;
        return;
    }
    const icaltimetype end = icalcomponent_get_dtend(event);
    const std::int64_t length =
        icaltime_is_null_time(end) ? 1 : std::max<std::int64_t>(1, dayOf(end) - dayOf(start));
    const char* summary = icalcomponent_get_summary(event);
    const auto add = [&](const icaltimetype& first) {
        result.rules.push_back(
            HolidayRule{dayOf(first), dayOf(first) + length - 1, 0, summary ? summary : ""});
    };
    icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rrule) {
        add(start);
        return;
    }
    const icalrecurrencetype recurrence = icalproperty_get_rrule(rrule);
    if (recurrence.freq != ICAL_YEARLY_RECURRENCE) {
        add(start);  // only yearly days are repeated
        return;
    }
    icalrecur_iterator* each = icalrecur_iterator_new(recurrence, start);
    if (!each)
        return;
    for (icaltimetype next = icalrecur_iterator_next(each);
         !icaltime_is_null_time(next) && next.year <= year + 1;
         next = icalrecur_iterator_next(each))
        if (next.year >= year)
            add(next);
    icalrecur_iterator_free(each);
}

}  // namespace

HolidayImport importICalendarText(const std::string& text, int year) {
    HolidayImport result;
    icalerror_set_errors_are_fatal(0);
    std::unique_ptr<icalcomponent, ComponentDeleter> root(
        text.find("BEGIN:VCALENDAR") == std::string::npos ? nullptr
                                                          : icalparser_parse_string(text.c_str()));
    if (!root || (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT &&
                  icalcomponent_isa(root.get()) != ICAL_XROOT_COMPONENT)) {
        result.error = "this is not an iCalendar file (no BEGIN:VCALENDAR)";
        return result;
    }
    const auto calendars = [&](auto each) {
        if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
            return each(root.get());
        for (icalcomponent* c =
                 icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             c; c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            each(c);
    };
    calendars([&](icalcomponent* calendar) {
        for (icalcomponent* event =
                 icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            takeEvent(event, year, result);
    });
    return result;
}

HolidayImport importICalendar(const std::filesystem::path& file, int year) {
    const safefile::Reading reading = safefile::read(file, HolidayImport::kMaxFileSize);
    if (reading.read())
        return importICalendarText(reading.bytes, year);
    HolidayImport result;
    if (reading.missing())
        result.error = "the file cannot be read: " + std::string(std::strerror(ENOENT));
    else if (reading.tooLarge)
        result.error = "the file is larger than a calendar can be (16 MB)";
    else
        result.error = "the file cannot be read: " + reading.error;
    return result;
}

}  // namespace tollix
