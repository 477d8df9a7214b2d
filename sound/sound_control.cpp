#include "sound/sound_control.h"

#include "sound/StateFile.h"

#include <cmath>

namespace tollix::sound {

bool sound_control::OpenMixer(int device) {
    return mixer_.open(device);
}

long sound_control::rawVolume(int volume, const Mixer::Range& range) {
    long raw = range.maximum >= 101 ? (range.maximum / 100) * volume : volume;
    if (raw > range.maximum)
        raw = range.maximum;
    if (raw < range.minimum)
        raw = range.minimum;
    return raw;
}

int sound_control::scaledVolume(long raw, const Mixer::Range& range) {
    if (range.maximum < 101)
        return static_cast<int>(raw);
    const double scaled = static_cast<double>(raw) * 100.0 / static_cast<double>(range.maximum) -
                          static_cast<double>(range.minimum);
    return static_cast<int>(std::nearbyint(scaled));  // halves to even
}

std::optional<int> sound_control::GetMasterVolume() {
    Mixer::Range range;
    long raw = 0;
    if (!mixer_.volumeRange(range) || !mixer_.readVolume(raw))
        return std::nullopt;
    return scaledVolume(raw, range);
}

bool sound_control::SetMasterVolume(int volume) {
    Mixer::Range range;
    if (!mixer_.volumeRange(range))
        return false;
    return mixer_.writeVolume(rawVolume(volume, range));
}

bool sound_control::SetMasterMute(bool mute) {
    const bool done = mixer_.writeMute(mute);
    noteMuted();
    return done;
}

std::vector<std::string> sound_control::keepMutedIn(std::filesystem::path marker) {
    marker_ = std::move(marker);
    std::vector<std::string> left = readStateFile(marker_);
    noted_ = left;
    if (!left.empty())
        mixer_.adoptMuted(left);
    noteMuted();
    return left;
}

void sound_control::noteMuted() {
    if (marker_.empty())
        return;
    std::vector<std::string> muted = mixer_.mutedOutputs();
    if (muted == noted_)
        return;
    // Not written, it is written at the next change or check.
    if (writeStateFile(marker_, muted).empty())
        noted_ = std::move(muted);
}

}  // namespace tollix::sound
