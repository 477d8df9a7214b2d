#include "sound/sound_control.h"

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
    return mixer_.writeMute(mute);
}

}  // namespace tollix::sound
