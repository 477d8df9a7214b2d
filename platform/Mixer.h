#pragma once

namespace tollix {

// The computer's master output: volume (0..100) and mute. Every call fails
// quietly and quickly when there is no mixer; the caller goes on either way.
class Mixer {
  public:
    virtual ~Mixer() = default;
    virtual bool OpenMixer(int device) = 0;
    virtual bool GetMasterVolume(int& volume) = 0;
    virtual bool SetMasterVolume(int volume) = 0;
    virtual bool SetMasterMute(bool mute) = 0;
};

// A computer without a mixer: every call fails.
class NoMixer final : public Mixer {
  public:
    bool OpenMixer(int) override { return false; }
    bool GetMasterVolume(int&) override { return false; }
    bool SetMasterVolume(int) override { return false; }
    bool SetMasterMute(bool) override { return false; }
};

}  // namespace tollix
