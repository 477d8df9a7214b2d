#include "app/CommandLine.h"

#include "engine/AlarmSignal.h"

#include <QCommandLineParser>

namespace tollix {

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Tollix rings the day's school bells through the speakers at their minute."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Shows the version and ends."));
    const QCommandLineOption ringLog(QStringLiteral("ring-log"),
                                     tr("Prints the last 50 lines of the ring record and ends."));
    const QCommandLineOption data(QStringLiteral("data"),
                                  tr("Uses <folder> as the program folder (its data/ and sound/)."),
                                  tr("folder"));
    const QCommandLineOption importHolidays(
        QStringLiteral("import-holidays"),
        tr("Adds the whole-day events of the iCalendar <file> to the days without "
           "bells, shows what it adds and ends. Exit status 1: the file or the "
           "holidays cannot be read or written; 3: the file looks like a calendar "
           "of school days, nothing is written (--yes takes it all the same)."),
        tr("file"));
    const QCommandLineOption yes(
        QStringLiteral("yes"),
        tr("With --import-holidays: imports a calendar of school days too."));
    const QCommandLineOption webPassword(
        QStringLiteral("web-password"),
        tr("Reads a new password for the web page from standard input, stores "
           "its hash in data/web.ini and ends."));
    const QCommandLineOption service(
        QStringLiteral("service"),
        tr("Rings the bells without a window or tray, for a computer without a screen; "
           "messages go to standard error. SIGTERM ends it."));
    const QCommandLineOption status(
        QStringLiteral("status"),
        tr("Prints what the running copy does now (state, next bell, last ring, problems) "
           "and ends. Exit status 1: no copy runs."));
    const QCommandLineOption alarm(
        QStringLiteral("alarm"),
        tr("Hands the emergency signal <name> (Lockdown or Evacuation) to the running copy, "
           "which sounds it until All clear, and ends. Exit status 1: no copy runs; 2: an "
           "unknown name."),
        tr("name"));
    const QCommandLineOption allClear(
        QStringLiteral("all-clear"),
        tr("Ends the emergency signal of the running copy and ends. Exit status 1: no copy "
           "runs."));
    const QCommandLineOption refreshCalendars(
        QStringLiteral("refresh-calendars"),
        tr("Has the running copy fetch its subscribed calendars (data/calendars.ini) now, "
           "prints their state and ends. Exit status 1: no copy runs; 3: the copy named "
           "by --accept was not waiting."));
    const QCommandLineOption accept(
        QStringLiteral("accept"),
        tr("With --refresh-calendars: takes the new copy of the calendar <name> that waits "
           "for the operator's Yes."),
        tr("name"));
    parser.addOptions({help, version, ringLog, data, importHolidays, yes, webPassword, service,
                       status, alarm, allClear, refreshCalendars, accept});

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = Action::Error;
        line.text = tr("tollix: %1 (try --help)").arg(parser.errorText());
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.action = Action::Error;
        line.text = tr("tollix: unexpected argument '%1' (try --help)")
                        .arg(parser.positionalArguments().constFirst());
        return line;
    }
    if (parser.isSet(yes) && !parser.isSet(importHolidays)) {
        // Alone it would start the program, which has no window without a display.
        line.action = Action::Error;
        line.text = tr("tollix: --yes goes only with --import-holidays (try --help)");
        return line;
    }
    if (parser.isSet(accept) && !parser.isSet(refreshCalendars)) {
        line.action = Action::Error;
        line.text = tr("tollix: --accept goes only with --refresh-calendars (try --help)");
        return line;
    }
    if (parser.isSet(help)) {
        line.action = Action::Help;
        line.text = parser.helpText();
    } else if (parser.isSet(version)) {
        line.action = Action::Version;
        line.text = QStringLiteral("tollix %1").arg(QLatin1String(TOLLIX_VERSION));
    } else if (parser.isSet(ringLog)) {
        line.action = Action::RingLog;
    } else if (parser.isSet(alarm)) {
        const auto name = alarmName(parser.value(alarm).toStdString());
        if (!name || *name == kAllClear) {
            line.action = Action::Error;
            line.text = tr("tollix: unknown signal '%1': Lockdown or Evacuation (try --help)")
                            .arg(parser.value(alarm));
            return line;
        }
        line.action = Action::Alarm;
        line.alarm = QString::fromStdString(*name);
    } else if (parser.isSet(allClear)) {
        line.action = Action::AllClear;
    } else if (parser.isSet(refreshCalendars)) {
        line.action = Action::RefreshCalendars;
        line.acceptCalendar = parser.value(accept);
    } else if (parser.isSet(status)) {
        line.action = Action::Status;
    } else if (parser.isSet(service)) {
        line.action = Action::Service;
    } else if (parser.isSet(webPassword)) {
        line.action = Action::WebPassword;
    } else if (parser.isSet(importHolidays)) {
        line.action = Action::ImportHolidays;
        line.calendarFile = parser.value(importHolidays);
        line.yes = parser.isSet(yes);
    }
    if (parser.isSet(data))
        line.dataFolder = parser.value(data);
    return line;
}

}  // namespace tollix
