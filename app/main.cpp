#include "ui/main.h"
#include "app/ExitSignals.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/MpvPlayer.h"
#include "platform/PulseMixer.h"
#include "platform/SingleInstance.h"
#include "schedule/AppPaths.h"
#include "schedule/DefaultFiles.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

#include <clocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tollix"));
    QApplication::setApplicationDisplayName(QStringLiteral("TOLLIX"));
    // The window goes to the tray hidden; only the exits end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    std::setlocale(LC_NUMERIC, "C");

    // A second copy would ring every bell twice: it shows the first and ends,
    // before it touches any file.
    tollix::SingleInstance instance;
    if (!instance.claim()) {
        instance.notifyRunningCopy();
        return 0;
    }

    const auto paths =
        tollix::AppPaths::resolve(QCoreApplication::applicationDirPath().toStdString());
    const auto failures = tollix::EnsureProgramFolder(paths);

    tollix::SystemClock clock;
    tollix::QtMessages messages;
    tollix::PulseMixer mixer;
    tollix::MpvPlayer player;
    tollix::main window(tollix::MainServices{paths, clock, messages, mixer, player,
                                             [] { QCoreApplication::exit(0); }});
    messages.setParent(&window);
    for (const auto& failure : failures) {
        messages.information(QStringLiteral("TOLLIX"), QStringLiteral("Error Number : "));
        messages.information(QStringLiteral("TOLLIX"), QString::fromStdString(failure));
    }

    window.Form_Load();
    // Once the window is up: the first bell must not wait for the player core.
    QTimer::singleShot(0, &app, [&player] { player.prepare(); });

    // Answering later copies only once the window is up; a benchmark waits for it.
    QObject::connect(&instance, &tollix::SingleInstance::showRequested, &window,
                     &tollix::main::TrayOut);
    instance.listen();

    tollix::ExitSignals exitSignals;
    QObject::connect(&exitSignals, &tollix::ExitSignals::received, &window,
                     &tollix::main::EndSession);
    // The end of the desktop session quits the application.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.EndSession(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { window.EndSession(); });

    return app.exec();
}
