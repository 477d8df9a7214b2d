#pragma once

#include "sound/BellState.h"

#include <cstdint>

namespace tollix {

// The running state of the bell engine, held by the main window: the
// schedule's place in the day, and the bell now sounding.
struct BellEngine : sound::BellState {
    int scheduleRunning = 0;
    int lastMinute = 0;
    std::int16_t lastDay = 0;
    std::int16_t bellCheckArmed = 0;
    std::int16_t syncFailureCount = 0;
};

}  // namespace tollix
