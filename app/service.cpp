// tollix --service: the bell service without a window, a tray or QtWidgets,
// for a computer without a screen; every message goes to standard error.
#include "app/BellService.h"
#include "app/CalendarCommand.h"
#include "app/CommandLine.h"
#include "app/ExitSignals.h"
#include "app/LinuxServices.h"
#include "platform/SingleInstance.h"
#include "schedule/DefaultFiles.h"
#include "ui/Translations.h"
#include "web/WebServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <malloc.h>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tollix"));
    std::setlocale(LC_NUMERIC, "C");
    tollix::installTranslations(tollix::desktopLanguages());
    const tollix::CommandLine command = tollix::CommandLine::parse(QCoreApplication::arguments());
    if (command.action != tollix::CommandLine::Action::Service) {
        std::fprintf(stderr, "%s\n", command.text.toLocal8Bit().constData());
        return 2;
    }

    // One ringer per user: a second would ring every bell twice. A copy that
    // no longer answers is ending (a restart): this one waits for it and runs.
    tollix::SingleInstance instance;
    constexpr int kEndingCopyMs = 5000;
    if (!instance.claim() && (instance.askStatus() || !instance.claim(kEndingCopyMs))) {
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("main",
                                                 "TOLLIX runs already; it is not started "
                                                 "a second time.")
                         .toLocal8Bit()
                         .constData());
        return 1;
    }
    const tollix::AppPaths paths =
        command.dataFolder
            ? tollix::AppPaths(QDir(*command.dataFolder).absolutePath().toStdString())
            : tollix::AppPaths::resolve(QCoreApplication::applicationDirPath().toStdString());
    const auto failures = tollix::EnsureProgramFolder(paths);

    tollix::StderrMessages messages;
    tollix::LinuxServices platform(paths);
    tollix::BellService service(platform.bellServices(messages));
    platform.sayStartProblems(messages, failures);
    service.follow(platform.clockWatch);

    // Every way out undoes the mutes, from before start-up can mute.
    tollix::ExitSignals exitSignals;
    QObject::connect(&exitSignals, &tollix::ExitSignals::received, &app, [&service, &instance] {
        instance.stopListening();
        service.end();
        QCoreApplication::exit(0);
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [&service] { service.end(); });
    platform.keepSoundState(service.engine);

    // The district's calendars: their last copies in force before the day is built.
    tollix::CalendarSubscriptions& calendars = service.subscribeCalendars(platform.calendarFetch);
    service.runWithoutWindow();
    service.startAlarms(platform.broker.get());
    service.serveWebPage();
    // The first bell must not wait for the player core.
    QTimer::singleShot(0, &app, [&platform] { platform.player.prepare(); });
    // What start-up needed for a moment is given back once it settles.
    QTimer::singleShot(1000, &app, [] { malloc_trim(0); });
    instance.setStatus([&service] { return service.statusText(true); });
    instance.setOrders([&service](const QByteArray& line) { return service.alarmOrder(line); });
    tollix::answerCalendarRefresh(instance, calendars);
    instance.listen();
    return app.exec();
}
