#include "app/CommandLine.h"

#include <QCommandLineParser>

namespace tollix {

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Tollix rings the day's school bells through the speakers at their minute."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    const QCommandLineOption ringLog(
        QStringLiteral("ring-log"),
        QStringLiteral("Prints the last 50 lines of the ring record and ends."));
    const QCommandLineOption data(
        QStringLiteral("data"),
        QStringLiteral("Uses <folder> as the program folder (its data/ and sound/)."),
        QStringLiteral("folder"));
    const QCommandLineOption importHolidays(
        QStringLiteral("import-holidays"),
        QStringLiteral("Adds the whole-day events of the iCalendar <file> to the days without "
                       "bells, shows what it adds and ends. Exit status 1: the file or the "
                       "holidays cannot be read or written; 3: the file looks like a calendar "
                       "of school days, nothing is written (--yes takes it all the same)."),
        QStringLiteral("file"));
    const QCommandLineOption yes(
        QStringLiteral("yes"),
        QStringLiteral("With --import-holidays: imports a calendar of school days too."));
    const QCommandLineOption webPassword(
        QStringLiteral("web-password"),
        QStringLiteral("Reads a new password for the web page from standard input, stores "
                       "its hash in data/web.ini and ends."));
    parser.addOptions({help, version, ringLog, data, importHolidays, yes, webPassword});

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = Action::Error;
        line.text =
            QStringLiteral("tollix: ") + parser.errorText() + QStringLiteral(" (try --help)");
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.action = Action::Error;
        line.text = QStringLiteral("tollix: unexpected argument '%1' (try --help)")
                        .arg(parser.positionalArguments().constFirst());
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
