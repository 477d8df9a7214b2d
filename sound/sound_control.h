#pragma once

#include "platform/Mixer.h"

#include <optional>

namespace tollix::sound {

// The master volume on the 0..100 scale of the bell engine, over the raw
// units of the mixer, and the master mute. Results may be ignored: a failed
// call changes nothing.
class sound_control {
  public:
    explicit sound_control(Mixer& mixer) : mixer_(mixer) {}

    bool OpenMixer(int device);
    // Empty when the volume cannot be read.
    std::optional<int> GetMasterVolume();
    bool SetMasterVolume(int volume);
    bool SetMasterMute(bool mute);

    // The scaling between the 0..100 scale and raw mixer values.
    static long rawVolume(int volume, const Mixer::Range& range);
    static int scaledVolume(long raw, const Mixer::Range& range);

  private:
    Mixer& mixer_;
};

}  // namespace tollix::sound
