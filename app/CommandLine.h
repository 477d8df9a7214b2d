#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace tollix {

// What the command line asks. Read before any window or lock exists, so a
// wrong word costs nothing.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

  public:
    enum class Action {
        Run,
        Help,
        Version,
        RingLog,
        ImportHolidays,
        WebPassword,
        Service,
        Status,
        Alarm,
        AllClear,
        RefreshCalendars,
        Error
    };
    Action action = Action::Run;
    // --data DIR: the program folder to use.
    std::optional<QString> dataFolder;
    // --import-holidays FILE [--yes]: the calendar to import, and whether a
    // calendar that looks like school days is taken all the same.
    QString calendarFile;
    bool yes = false;
    // --alarm NAME: the emergency signal to hand to the running copy.
    QString alarm;
    // --refresh-calendars [--accept NAME]: the subscription whose waiting copy is taken.
    QString acceptCalendar;
    // The help text, the version line, or the one-line error.
    QString text;

    static CommandLine parse(const QStringList& arguments);
    // The exit status of an action that ends the program at once.
    int status() const { return action == Action::Error ? 2 : 0; }
};

}  // namespace tollix
