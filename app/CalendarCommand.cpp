#include "app/CalendarCommand.h"

#include "model/CalendarSubscriptions.h"
#include "platform/SingleInstance.h"
#include "ui/Translations.h"

#include <QCoreApplication>

#include <cstdio>

namespace tollix {

namespace {

// The answer's first line says whether the named copy was taken.
constexpr char kTaken[] = "taken";
constexpr char kNotTaken[] = "not taken";

}  // namespace

int refreshCalendars(int argc, char** argv, const QString& accept) {
    QCoreApplication core(argc, argv);
    installTranslations(desktopLanguages());
    SingleInstance instance;
    const auto answer = instance.askRefreshCalendars(accept);
    if (!answer) {
        std::fprintf(
            stderr, "%s\n",
            QCoreApplication::translate("main", "TOLLIX does not run.").toLocal8Bit().constData());
        return 1;
    }
    const qsizetype end = answer->indexOf('\n');
    const QByteArray first = answer->left(end);
    const QByteArray lines = end < 0 ? QByteArray() : answer->mid(end + 1);
    std::fwrite(lines.constData(), 1, static_cast<std::size_t>(lines.size()), stdout);
    if (!accept.isEmpty() && first != kTaken) {
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("main",
                                                 "No new copy of the calendar %1 waits for "
                                                 "acceptance.")
                         .arg(accept)
                         .toLocal8Bit()
                         .constData());
        return 3;
    }
    return 0;
}

void answerCalendarRefresh(SingleInstance& instance, CalendarSubscriptions& calendars) {
    instance.setCalendarRefresh([&calendars](const QString& accept,
                                             const SingleInstance::Answer& answer) {
        calendars.refresh(accept.toStdString(), [answer](const QStringList& lines, bool accepted) {
            QByteArray text = accepted ? kTaken : kNotTaken;
            text += '\n';
            for (const QString& line : lines) text += line.toUtf8() + '\n';
            answer(text);
        });
    });
}

}  // namespace tollix
