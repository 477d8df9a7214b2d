#pragma once

#include "platform/AutoStart.h"
#include "schedule/DefaultFiles.h"
#include "tests/support/Doubles.h"
#include "timesync/TimeSync.h"
#include "ui/controls/SpinButton.h"
#include "ui/main.h"

#include <QTimer>
#include <QtWidgets>

namespace tollix::test {

// A program folder of its own and every service of the main window as a double.
struct WindowDoubles : EngineDoubles {
    FakeClock clock;
    XdgAutoStart autoStart{dir.path() / "config" / "autostart"};
    std::string executable = "/opt/tollix/tollix";
    timesync::TimeSync timeSync{{}, {}};  // no servers: asks nobody

    MainServices services(std::function<void()> endProgram = [] {}) {
        return MainServices{paths, clock,     messages,   mixer,    player, std::move(endProgram),
                            power, autoStart, executable, timeSync, ringLog};
    }
};

// The main window over the doubles, in a program folder made as at a first start.
class WindowTest : public ::testing::Test, protected WindowDoubles {
  protected:
    // The window draws the bell service; the service outlives it.
    std::unique_ptr<BellService> service;
    std::unique_ptr<main> window;

    void SetUp() override { ASSERT_TRUE(EnsureProgramFolder(paths).empty()); }
    void sounds(std::initializer_list<const char*> names) {
        for (const char* name : names) writeBytes(paths.soundFolder() / name, "x");
    }
    main& load(const MainServices& with) {
        window.reset();
        service = std::make_unique<BellService>(with.bellServices());
        window = std::make_unique<main>(*service, with);
        window->Form_Load();
        return *window;
    }
};

// Clicks the top or the bottom arrow of a spin button as the operator would:
// the style draws them at the two ends.
inline void clickArrow(SpinButton* spin, bool top) {
    QTest::mouseClick(spin, Qt::LeftButton, {},
                      QPoint(spin->width() / 2, top ? 2 : spin->height() - 3));
}

}  // namespace tollix::test
