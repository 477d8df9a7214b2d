#pragma once

#include "platform/CalendarFetch.h"
#include "schedule/Subscriptions.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tollix {

class HolidaysFileWatch;

// The calendars of data/calendars.ini: each fetched at start, every refresh
// hours and when asked, its last good copy kept in data/calendars/NAME.ics
// and its days handed to the bells beside holidays.ini. A copy that would
// change too much at once waits for the operator.
class CalendarSubscriptions final : public QObject {
    Q_OBJECT

  public:
    struct Services {
        std::filesystem::path dataFolder;
        CalendarFetch& fetch;
        // Days since 1970-01-01 by the bells' clock.
        std::function<std::int64_t()> today;
        // "adjusted" (taken) or "failed" on the ring record.
        std::function<void(const std::string& name, bool taken, const std::string& text)> record;
    };

    struct State {
        calendars::Subscription subscription;
        std::vector<HolidayRule> rules;  // of the copy in force
        bool haveCopy = false;
        std::string fetched;  // when the copy in force was last confirmed, "2026-12-09 03:40"
        std::string failure;  // the present failure run's reason; empty: none
        bool failureRecorded = false;
        // A copy held back by the guard: why, and the days it would change.
        struct Waiting {
            QByteArray body, etag, lastModified;
            std::vector<HolidayRule> rules;
            calendars::Change change;
        };
        std::optional<Waiting> waiting;
        QByteArray etag, lastModified;
        bool busy = false;
    };

    explicit CalendarSubscriptions(Services services, QObject* parent = nullptr);
    ~CalendarSubscriptions() override;

    // Reads calendars.ini and the copies kept, then fetches each calendar.
    void start();
    // Fetches every calendar now; `accept` names one whose waiting copy the
    // operator takes. `done` gets the state lines once every answer is in.
    void refresh(const std::string& accept = {},
                 std::function<void(const QStringList& lines, bool accepted)> done = {});
    // The operator's Yes to a waiting copy. False when none waits.
    bool accept(const std::string& name);

    const std::vector<State>& states() const { return states_; }
    const calendars::Settings& settings() const { return settings_; }
    std::vector<SubscribedDays> days() const;
    // "calendar NAME: ..." a line each, as --status prints them.
    QStringList stateLines() const;
    // What someone must look at: failures, waiting copies, settings not read.
    QStringList problems() const;

  signals:
    // The days in force changed: the bells follow.
    void daysChanged(const std::vector<SubscribedDays>& days);
    // A state line changed (a fetch, a failure, a copy waiting).
    void stateChanged();

  private:
    void readSettings();
    void loadCopy(State& state);
    void answered(const std::string& name, const FetchAnswer& answer);
    void take(State& state, const QByteArray& body, const QByteArray& etag,
              const QByteArray& lastModified, std::vector<HolidayRule> rules,
              const calendars::Change& change);
    void fail(State& state, const std::string& why);
    void finishIfDone();
    State* find(const std::string& name);
    std::filesystem::path folder() const { return services_.dataFolder / "calendars"; }

    Services services_;
    calendars::Settings settings_;
    std::vector<State> states_;
    QTimer refreshTimer_;
    QTimer retryTimer_;
    HolidaysFileWatch* iniWatch_ = nullptr;
    std::string accepting_;
    bool accepted_ = false;
    std::vector<std::function<void(const QStringList&, bool)>> waitingForAnswers_;
};

}  // namespace tollix
