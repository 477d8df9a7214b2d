#include "ui/main.h"
#include "app/AlarmCommand.h"
#include "app/BellService.h"
#include "app/CalendarCommand.h"
#include "app/CommandLine.h"
#include "app/ExitSignals.h"
#include "app/HolidayCommand.h"
#include "app/LinuxServices.h"
#include "app/WebPasswordCommand.h"
#include "engine/RingLog.h"
#include "platform/AutoStart.h"
#include "platform/Messages.h"
#include "platform/SingleInstance.h"
#include "schedule/AppPaths.h"
#include "schedule/DefaultFiles.h"
#include "ui/BellIcon.h"
#include "ui/MenuWindows.h"
#include "ui/QtMessages.h"
#include "ui/Translations.h"
#include "ui/WebPageWindow.h"
#include "web/WebServer.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's offscreen platform (a computer without a display) warns of what it
// cannot do at every change of a window's size: nothing a person needs to read.
void dropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        qtHandler(type, context, text);
}

// Beside this program (the build folder), or where the package puts it:
// relative to this program, so any installation prefix finds it.
std::string serviceProgram() {
    std::error_code error;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    if (std::filesystem::exists(folder / "tollix-service", error))
        return (folder / "tollix-service").string();
    return (folder / TOLLIX_LIBEXEC / "tollix-service").lexically_normal().string();
}

// The service rings already: a window beside it would ring every bell twice.
// Its web page, when on, is the way to it from the desktop.
void besideService(const QByteArray& status) {
    const QString text = QCoreApplication::translate(
        "main", "TOLLIX runs as a service and rings the bells; it is not started a second time.");
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    static const QByteArray page = "\nweb page: ";
    if (const qsizetype at = status.indexOf(page); at >= 0) {
        const QByteArray url = status.mid(at + page.size()).split('\n').constFirst();
        if (QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromUtf8(url)}))
            return;
    }
    QMessageBox::information(nullptr, QStringLiteral("TOLLIX"), text);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    tollix::CommandLine command = tollix::CommandLine::parse(arguments);
    if (command.action == tollix::CommandLine::Action::Help ||
        command.action == tollix::CommandLine::Action::Error) {
        // Said in the desktop's language, which needs the application object.
        QCoreApplication core(argc, argv);
        tollix::installTranslations(tollix::desktopLanguages());
        command = tollix::CommandLine::parse(arguments);
    }
    switch (command.action) {
        case tollix::CommandLine::Action::Help:
        case tollix::CommandLine::Action::Version:
            std::printf("%s\n", command.text.trimmed().toLocal8Bit().constData());
            return 0;
        case tollix::CommandLine::Action::Error:
            std::fprintf(stderr, "%s\n", command.text.toLocal8Bit().constData());
            return command.status();
        case tollix::CommandLine::Action::RingLog: {
            // For an administrator over ssh: what the bells did, without a window.
            std::string error;
            for (const auto& line :
                 tollix::RingLog::lastLines(tollix::RingLog::defaultFile(), 50, &error))
                std::printf("%s\n", line.c_str());
            if (error.empty())
                return 0;
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        case tollix::CommandLine::Action::Status: {
            // For an administrator over ssh: from the running copy itself.
            QCoreApplication core(argc, argv);
            tollix::installTranslations(tollix::desktopLanguages());
            tollix::SingleInstance instance;
            const auto answer = instance.askStatus();
            if (!answer) {
                std::fprintf(stderr, "%s\n",
                             QCoreApplication::translate("main", "TOLLIX does not run.")
                                 .toLocal8Bit()
                                 .constData());
                return 1;
            }
            std::fwrite(answer->constData(), 1, static_cast<std::size_t>(answer->size()), stdout);
            return 0;
        }
        case tollix::CommandLine::Action::Alarm:
        case tollix::CommandLine::Action::AllClear: {
            // A panic button or a script: the running copy sounds it.
            QCoreApplication core(argc, argv);
            tollix::installTranslations(tollix::desktopLanguages());
            return tollix::handAlarmOrder(command);
        }
        case tollix::CommandLine::Action::RefreshCalendars:
            return tollix::refreshCalendars(argc, argv, command.acceptCalendar);
        case tollix::CommandLine::Action::Service: {
            // The service is a program of its own that never loads QtWidgets;
            // it takes this process over, so a supervisor sees one process.
            execv(serviceProgram().c_str(), argv);
            std::fprintf(stderr, "tollix: %s: %s\n", serviceProgram().c_str(),
                         std::strerror(errno));
            return 1;
        }
        case tollix::CommandLine::Action::ImportHolidays:
        case tollix::CommandLine::Action::WebPassword:
        case tollix::CommandLine::Action::Run:
            break;
    }
    const auto programFolder = [&command] {
        return command.dataFolder
                   ? tollix::AppPaths(QDir(*command.dataFolder).absolutePath().toStdString())
                   : tollix::AppPaths::resolve(
                         QCoreApplication::applicationDirPath().toStdString());
    };
    if (command.action == tollix::CommandLine::Action::ImportHolidays) {
        // Without a display, beside a running copy: that copy sees the file change.
        QCoreApplication core(argc, argv);
        tollix::installTranslations(tollix::desktopLanguages());
        return tollix::importHolidays(command.calendarFile.toStdString(),
                                      programFolder().holidaysIni(), command.yes,
                                      QDate(1970, 1, 1).daysTo(QDate::currentDate()));
    }

    if (command.action == tollix::CommandLine::Action::WebPassword) {
        // Over ssh on a computer without a screen; a running copy follows the file.
        QCoreApplication core(argc, argv);
        tollix::installTranslations(tollix::desktopLanguages());
        return tollix::setWebPassword(programFolder().webIni(), stdin);
    }

    qtHandler = qInstallMessageHandler(dropPlatformLimits);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tollix"));
    // No display name: the desktop would add it to every title ("Warning — TOLLIX").
    QApplication::setWindowIcon(tollix::bellIcon());
    // The window goes to the tray hidden; only the exits end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    std::setlocale(LC_NUMERIC, "C");
    tollix::installTranslations(tollix::desktopLanguages());

    // A second copy would ring every bell twice: it shows the first and ends,
    // before it touches any file. A copy that no longer answers is ending (a
    // stop and a start at once): this one waits for it and runs.
    tollix::SingleInstance instance;
    constexpr int kEndingCopyMs = 5000;
    if (!instance.claim()) {
        if (const auto answer = instance.askStatus();
            answer && answer->startsWith("running: service")) {
            besideService(*answer);
            return 0;
        }
        // On Wayland only a window given the desktop's token may come forward.
        if (instance.notifyRunningCopy(qEnvironmentVariable("XDG_ACTIVATION_TOKEN")) ||
            !instance.claim(kEndingCopyMs))
            return 0;
    }

    const auto paths = programFolder();
    const auto failures = tollix::EnsureProgramFolder(paths);

    tollix::QtMessages messages;
    tollix::LinuxServices platform(paths);
    // Starting at log-on: the installed program starts itself.
    tollix::XdgAutoStart autoStart;
    const std::string executable = QCoreApplication::applicationFilePath().toStdString();
    tollix::MainServices services{paths,
                                  platform.clock,
                                  messages,
                                  platform.mixer,
                                  platform.player,
                                  [] { QCoreApplication::exit(0); },
                                  platform.powerOff,
                                  autoStart,
                                  executable,
                                  platform.timeSync,
                                  platform.ringLog};
    // The bell service, and the window over it.
    tollix::BellServices bellServices = platform.bellServices(messages);
    bellServices.autoStart = &autoStart;
    bellServices.executable = executable;
    tollix::BellService service(bellServices);
    tollix::main window(service, services);
    messages.setParent(&window);
    // Said with start-up's own problems, in one box once the schedule has started.
    messages.gather();
    platform.sayStartProblems(messages, failures);

    // A clock set by anyone, or a wake from sleep: the tick moves to the new second at once.
    service.follow(platform.clockWatch);

    // Every way out unmutes, from before start-up can mute: a log-out during a
    // start-up message must not leave the speakers silent for everyone.
    tollix::ExitSignals exitSignals;
    QObject::connect(&exitSignals, &tollix::ExitSignals::received, &instance,
                     &tollix::SingleInstance::stopListening);
    QObject::connect(&exitSignals, &tollix::ExitSignals::received, &window,
                     &tollix::main::EndSession);
    // The end of the desktop session quits the application.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.EndSession(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { window.EndSession(); });

    // What a run that did not end normally left on the sound server is given back first.
    platform.keepSoundState(service.engine);

    // The district's calendars: their last copies in force before the day is
    // built, fetched now, every few hours and when asked.
    tollix::CalendarSubscriptions& calendars = service.subscribeCalendars(platform.calendarFetch);
    window.menus().setSubscriptions(&calendars);

    window.Form_Load();
    if (window.hasEnded())
        return 0;  // ended during start-up, in one of its message boxes
    service.startAlarms(platform.broker.get());

    // The web page, off until data/web.ini names a port and a password.
    tollix::web::WebServer& webServer = service.serveWebPage();
    QPointer<tollix::WebPageWindow> webPage;
    window.menus().showWebPage = [&] {
        if (!webPage)
            webPage = new tollix::WebPageWindow(webServer, &window);
        webPage->show();
        webPage->raise();
    };
    // Once the window is up: the first bell must not wait for the player core.
    QTimer::singleShot(0, &app, [&platform] { platform.player.prepare(); });

    // Answering later copies only once the window is up; a benchmark waits for it.
    QObject::connect(&instance, &tollix::SingleInstance::showRequested, &window,
                     [&window](const QString& activationToken) {
                         // Qt's Wayland plugin raises the window with the token it finds here.
                         if (!activationToken.isEmpty())
                             qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
                         window.TrayOut();
                     });
    instance.setStatus([&service] { return service.statusText(false); });
    instance.setOrders([&service](const QByteArray& line) { return service.alarmOrder(line); });
    tollix::answerCalendarRefresh(instance, calendars);
    instance.listen();

    const int status = app.exec();
    // From the way out on, a copy started meanwhile waits for the lock.
    instance.stopListening();
    return status;
}
