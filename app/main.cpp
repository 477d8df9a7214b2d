#include "ui/main.h"
#include "app/CommandLine.h"
#include "app/ExitSignals.h"
#include "app/HolidayCommand.h"
#include "app/WebPasswordCommand.h"
#include "engine/RingLog.h"
#include "platform/AutoStart.h"
#include "platform/Clock.h"
#include "platform/ClockWatch.h"
#include "platform/Messages.h"
#include "platform/MpvPlayer.h"
#include "platform/OutputsPlayer.h"
#include "platform/PowerOff.h"
#include "platform/PulseMixer.h"
#include "platform/SingleInstance.h"
#include "platform/TimeSetter.h"
#include "schedule/AppPaths.h"
#include "schedule/DefaultFiles.h"
#include "sound/StateFile.h"
#include "timesync/TimeSync.h"
#include "ui/BellIcon.h"
#include "ui/MenuWindows.h"
#include "ui/Translations.h"
#include "ui/WebPageWindow.h"
#include "web/WebServer.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's offscreen platform (a computer without a display) warns of what it
// cannot do at every change of a window's size: nothing a person needs to read.
void dropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        qtHandler(type, context, text);
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
    // On Wayland only a window given the desktop's token may come forward.
    if (!instance.claim() &&
        (instance.notifyRunningCopy(qEnvironmentVariable("XDG_ACTIVATION_TOKEN")) ||
         !instance.claim(kEndingCopyMs)))
        return 0;

    const auto paths = programFolder();
    const auto failures = tollix::EnsureProgramFolder(paths);

    tollix::SystemClock clock;
    tollix::QtMessages messages;
    tollix::PulseMixer mixer;
    // A libmpv player a bell output, made when an output is first used.
    tollix::OutputsPlayer player([](const std::string& sink) {
        return std::make_unique<tollix::MpvPlayer>(std::chrono::seconds(1), sink);
    });
    tollix::RingLog ringLog(tollix::RingLog::defaultFile());
    // Internet time: the computer's clock where the system lets us set it,
    // otherwise the program's clock runs at the server's offset.
    tollix::TimedatedTimeSetter timeSetter;
    std::string serversUnreadable;
    tollix::timesync::TimeSync timeSync(
        tollix::timesync::ReadTimeServers(paths.timeServerIni(), &serversUnreadable),
        {&timeSetter,
         [] {
             using namespace std::chrono;
             return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
         },
         [&clock] { return clock.monotonicMs(); }});
    QObject::connect(&timeSync, &tollix::timesync::TimeSync::correctionChanged,
                     [&clock](std::int64_t ms) { clock.setCorrectionMs(ms); });
    // Starting at log-on and the reserved exit: the installed program starts itself.
    tollix::XdgAutoStart autoStart;
    tollix::LogindPowerOff powerOff;
    const std::string executable = QCoreApplication::applicationFilePath().toStdString();
    tollix::MainServices services{
        paths,    clock,     messages,   mixer,    player, [] { QCoreApplication::exit(0); },
        powerOff, autoStart, executable, timeSync, ringLog};
    tollix::main window(services);
    messages.setParent(&window);
    // Said with start-up's own problems, in one box once the schedule has started.
    messages.gather();
    for (const auto& failure : failures)
        messages.information(QStringLiteral("TOLLIX"),
                             QCoreApplication::translate("main", "Error Number : \n") +
                                 QString::fromStdString(failure));
    if (!serversUnreadable.empty())
        messages.information(QCoreApplication::translate("main", "Warning"),
                             QCoreApplication::translate("main",
                                                         "A file could not be read: %1\nThe "
                                                         "public time servers are used.")
                                 .arg(QString::fromStdString(serversUnreadable)));

    // A clock set by anyone, or a wake from sleep: the tick moves to the new second at once.
    tollix::LinuxClockWatch clockWatch;
    QObject::connect(&clockWatch, &tollix::ClockWatch::stepped, &window.engine,
                     &tollix::BellEngine::clockStepped);
    QObject::connect(&clockWatch, &tollix::ClockWatch::stepped, &timeSync,
                     &tollix::timesync::TimeSync::clockStepped);
    // A step only the tick sees (the clock faked or moved under a stopped timerfd) re-measures too.
    QObject::connect(&window.engine, &tollix::BellEngine::clockStepSeen, &timeSync,
                     &tollix::timesync::TimeSync::clockStepped);

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

    // What a run that did not end normally left on the sound server is given
    // back first. exit() (Qt's answer to a lost display) passes by every way
    // out above: the mixer's mutes are undone at exit all the same.
    window.engine.keepSoundStateIn(tollix::RingLog::defaultFile().parent_path());
    static const auto muteMarker = tollix::RingLog::defaultFile().parent_path() / "muted";
    std::atexit([] {
        if (tollix::PulseMixer::undoAtExit())
            tollix::sound::writeStateFile(muteMarker, {});
    });

    window.Form_Load();
    if (window.hasEnded())
        return 0;  // ended during start-up, in one of its message boxes

    // The web page, off until data/web.ini names a port and a password.
    tollix::web::WebApi webApi(
        {window.model, window.engine, clock, paths.soundFolder(), ringLog.file(), &timeSync});
    tollix::web::WebServer webServer(
        webApi, {paths.webIni(), paths.dataFolder() / "web.crt", paths.dataFolder() / "web.key"},
        [&clock] { return clock.monotonicMs(); });
    QPointer<tollix::WebPageWindow> webPage;
    window.menus().showWebPage = [&] {
        if (!webPage)
            webPage = new tollix::WebPageWindow(webServer, &window);
        webPage->show();
        webPage->raise();
    };
    // Once the window is up: the first bell must not wait for the player core.
    QTimer::singleShot(0, &app, [&player] { player.prepare(); });

    // Answering later copies only once the window is up; a benchmark waits for it.
    QObject::connect(&instance, &tollix::SingleInstance::showRequested, &window,
                     [&window](const QString& activationToken) {
                         // Qt's Wayland plugin raises the window with the token it finds here.
                         if (!activationToken.isEmpty())
                             qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
                         window.TrayOut();
                     });
    instance.listen();

    const int status = app.exec();
    // From the way out on, a copy started meanwhile waits for the lock.
    instance.stopListening();
    return status;
}
