#include "sound/SoundPlayer.h"

namespace tollix::sound {

namespace {

int wholeSeconds(long lengthMs, int extraSeconds) {
    return static_cast<int>(lengthMs / 1000 + extraSeconds);
}

}  // namespace

SoundPlayer::SoundPlayer(MediaPlayer& mmc, sound_control& mixer, BellState& bell,
                         std::function<bool()> soundZero)
    : mmc_(mmc), mixer_(mixer), bell_(bell), soundZero_(std::move(soundZero)) {}

bool SoundPlayer::OpenAndPlay(const std::string& path, int extraSeconds) {
    mmc_.setFileName(path);
    if (!mmc_.open())
        return false;
    mixer_.SetMasterMute(false);
    learnLength(extraSeconds);
    bell_.elapsedCount = 1;
    bell_.isPlaying = true;
    mmc_.play();
    return true;
}

bool SoundPlayer::Replay() {
    bell_.elapsedCount = 1;
    mmc_.close();
    if (!mmc_.open())
        return false;
    mmc_.play();
    return true;
}

bool SoundPlayer::OpenNext(const std::string& path) {
    mmc_.setFileName(path);
    const bool opened = mmc_.open();
    learnLength(1);
    bell_.elapsedCount = 1;
    if (opened)
        mmc_.play();
    return opened;
}

// A file that still loads when it starts has its length a moment later.
void SoundPlayer::learnLength(int extraSeconds) {
    extraSeconds_ = extraSeconds;
    const long lengthMs = mmc_.length();
    lengthPending_ = lengthMs <= 0;
    bell_.durationSeconds = wholeSeconds(lengthMs, extraSeconds);
}

bool SoundPlayer::CountSecond() {
    if (lengthPending_ && mmc_.length() > 0)
        learnLength(extraSeconds_);
    if (bell_.elapsedCount != bell_.durationSeconds) {
        ++bell_.elapsedCount;
        return true;
    }
    return false;
}

void SoundPlayer::Close() {
    mmc_.close();
}

void SoundPlayer::EndBell() {
    mmc_.close();
    if (soundZero_())
        mixer_.SetMasterMute(true);
    if (bell_.volumeSaved) {
        mixer_.SetMasterVolume(bell_.savedVolume);
        bell_.volumeSaved = false;
    }
}

// A volume that cannot be read is not saved: putting back a guess could leave
// the computer silent.
void SoundPlayer::saveVolume() {
    if (const auto volume = mixer_.GetMasterVolume()) {
        bell_.savedVolume = *volume;
        bell_.volumeSaved = true;
    }
}

void SoundPlayer::fadeTo(int volume) {
    if (bell_.volumeSaved)
        mixer_.SetMasterVolume(volume);
}

bool SoundPlayer::FadeStep() {
    const long left = --bell_.musicSecondsLeft;
    if (left == 4) {
        saveVolume();
        fadeTo(bell_.savedVolume / 2);
    } else if (left == 3) {
        if (!bell_.volumeSaved)
            saveVolume();
        fadeTo(bell_.savedVolume / 5);
    } else if (left == 2) {
        if (!bell_.volumeSaved)
            saveVolume();
        fadeTo(bell_.savedVolume / 10);
    } else if (left == 1) {
        if (!bell_.volumeSaved)
            saveVolume();
        fadeTo(0);
        mmc_.close();
    } else if (left <= 0) {
        EndBell();
        bell_.ResetBellState();
        return true;
    }
    return false;
}

}  // namespace tollix::sound
