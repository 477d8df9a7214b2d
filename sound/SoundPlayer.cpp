#include "sound/SoundPlayer.h"

#include "sound/StateFile.h"

#include <algorithm>
#include <charconv>

namespace tollix::sound {

namespace {

// A file plays no longer than this, whatever length it claims: an absurd or
// unreadable length must not hold a bell, and the output it unmuted, for days.
constexpr std::int64_t kLongestFileSeconds = 3 * 3600;

std::int64_t wholeSeconds(long lengthMs, int extraSeconds) {
    const std::int64_t seconds = std::int64_t{lengthMs} / 1000 + extraSeconds;
    return std::clamp<std::int64_t>(seconds, 1, kLongestFileSeconds);
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
    if (bell_.elapsedCount < bell_.durationSeconds) {
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
    PutBackVolume();
}

void SoundPlayer::PutBackVolume() {
    if (!bell_.volumeSaved)
        return;
    bell_.volumeSaved = false;
    // Kept on disk until it is back: the next start tries again.
    if (mixer_.SetMasterVolume(bell_.savedVolume) && !volumeFile_.empty())
        writeStateFile(volumeFile_, {});
}

std::optional<int> SoundPlayer::keepSavedVolumeIn(std::filesystem::path file) {
    volumeFile_ = std::move(file);
    const auto lines = readStateFile(volumeFile_);
    int volume = -1;
    if (lines.empty() ||
        std::from_chars(lines[0].data(), lines[0].data() + lines[0].size(), volume).ec !=
            std::errc() ||
        volume < 0 || volume > 100) {
        writeStateFile(volumeFile_, {});
        return std::nullopt;
    }
    bell_.savedVolume = volume;
    bell_.volumeSaved = true;
    PutBackVolume();
    return volume;
}

// A volume that cannot be read is not saved: putting back a guess could leave
// the computer silent.
void SoundPlayer::saveVolume() {
    if (const auto volume = mixer_.GetMasterVolume()) {
        bell_.savedVolume = *volume;
        bell_.volumeSaved = true;
        if (!volumeFile_.empty())
            writeStateFile(volumeFile_, {std::to_string(*volume)});
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
