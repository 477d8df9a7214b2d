#pragma once

#include "platform/Mixer.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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

    // Lists the outputs the mixer holds muted in `marker` from now on, after
    // giving back first those it lists: outputs muted by a run that ended
    // without unmuting them. Those names; empty when there were none.
    std::vector<std::string> keepMutedIn(std::filesystem::path marker);
    // The marker brought up to date with the mixer, which also mutes on its own.
    void noteMuted();

    // The scaling between the 0..100 scale and raw mixer values.
    static long rawVolume(int volume, const Mixer::Range& range);
    static int scaledVolume(long raw, const Mixer::Range& range);

  private:
    Mixer& mixer_;
    std::filesystem::path marker_;
    std::vector<std::string> noted_;
};

}  // namespace tollix::sound
