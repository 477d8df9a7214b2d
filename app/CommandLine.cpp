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
    parser.addOptions({help, version, ringLog, data});

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
    }
    if (parser.isSet(data))
        line.dataFolder = parser.value(data);
    return line;
}

}  // namespace tollix
