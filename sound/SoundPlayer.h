#pragma once

#include "platform/MediaPlayer.h"
#include "sound/BellState.h"
#include "sound/sound_control.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tollix::sound {

// How one bell is opened, counted, faded and ended. The bell engine's tick
// drives it once a second; nothing here waits for the player.
class SoundPlayer {
  public:
    // `soundZero` tells whether "No com sound" keeps the output muted between bells.
    SoundPlayer(MediaPlayer& mmc, sound_control& mixer, BellState& bell,
                std::function<bool()> soundZero);

    // Opens, unmutes and plays; the bell lasts the file's length plus
    // `extraSeconds`. A file that cannot be opened is skipped: false, and the
    // bell stays idle.
    bool OpenAndPlay(const std::string& path, int extraSeconds);
    // The open file again from its start; false when it can no longer be opened.
    bool Replay();
    // The next file of a music list. One that cannot be opened passes after a
    // second, so the list goes on with the file after it.
    bool OpenNext(const std::string& path);
    // One second of the sound; false on the tick at which it has ended.
    bool CountSecond();
    void Close();
    void EndBell();
    // A volume saved by a fade goes back to the master output.
    void PutBackVolume();
    // Keeps the volume saved before a fade in `file` until it is put back,
    // after putting back first one that a run which did not end normally
    // left there. That volume, if there was one.
    std::optional<int> keepSavedVolumeIn(std::filesystem::path file);
    // One second of a music list, with the fade-out over its last four
    // seconds. True when the list has ended: the bell is ended and its state
    // reset.
    bool FadeStep();

  private:
    void learnLength(int extraSeconds);
    void saveVolume();
    void fadeTo(int volume);

    MediaPlayer& mmc_;
    sound_control& mixer_;
    BellState& bell_;
    std::function<bool()> soundZero_;
    std::filesystem::path volumeFile_;
    int extraSeconds_ = 0;
    bool lengthPending_ = false;
};

}  // namespace tollix::sound
