#pragma once

#include <cstdint>

namespace tollix {

// The running state of the bell engine, held by the main window.
struct BellEngine {
    int scheduleRunning = 0;
    int lastMinute = 0;
    std::int16_t lastDay = 0;
    std::int16_t bellCheckArmed = 0;
    std::int16_t syncFailureCount = 0;

    // The bell now sounding.
    bool isPlaying = false;
    int durationSeconds = 0;
    int elapsedCount = 0;
    int savedVolume = 0;
    bool volumeSaved = false;
};

}  // namespace tollix
