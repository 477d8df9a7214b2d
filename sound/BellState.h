#pragma once

#include "sound/MusicList.h"

namespace tollix::sound {

// The bell now sounding: its end detection, the music list it plays and the
// volume a fade-out saved.
struct BellState {
    bool isPlaying = false;
    int durationSeconds = 0;
    int elapsedCount = 0;
    int savedVolume = 0;
    bool volumeSaved = false;
    // Second of the day at which a music list stops.
    int musicEndSecond = 0;
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
