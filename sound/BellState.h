#pragma once

#include "sound/MusicList.h"

#include <cstdint>

namespace tollix::sound {

// The bell now sounding: its end detection, the music list it plays and the
// volume a fade-out saved.
struct BellState {
    bool isPlaying = false;
    std::int64_t durationSeconds = 0;
    std::int64_t elapsedCount = 0;
    int savedVolume = 0;
    bool volumeSaved = false;
    // Seconds a music list still plays: counted down by the ticks, so a list
    // of any length, across midnight or a clock step, plays its minutes.
    long musicSecondsLeft = 0;
    MusicList music;

    int musicFileCount() const { return music.musicFileCount(); }

    // After every end of a bell.
    void ResetBellState() {
        isPlaying = false;
        music.musicFiles.clear();
        music.musicNextIndex = 0;
        music.musicIntroFile.assign(1, 'N');
        music.filesFromSoundFolder = false;
    }
};

}  // namespace tollix::sound
