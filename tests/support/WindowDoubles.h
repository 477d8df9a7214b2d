#pragma once

#include "schedule/AppPaths.h"
#include "tests/support/Doubles.h"
#include "ui/main.h"

namespace tollix::test {

// A program folder of its own and every service of the main window as a double.
struct WindowDoubles {
    TempFolder dir;
    AppPaths paths{dir.path()};
    FakeClock clock;
    RecordingMessages messages;
    FakeMixer mixer;
    FakePlayer player;

    MainServices services(
        std::function<void()> endProgram = [] {}, PowerOff* powerOff = nullptr) {
        return MainServices{paths, clock, messages, mixer, player, std::move(endProgram), powerOff};
    }
};

}  // namespace tollix::test
