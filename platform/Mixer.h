#pragma once

namespace tollix {

// The computer's master output as the sound server gives it: the volume in
// the server's raw units, and the mute. Every call fails quietly and quickly
// when there is no server; the caller goes on either way.
class Mixer {
  public:
    struct Range {
        long minimum = 0;
        long maximum = 0;
    };

    virtual ~Mixer() = default;
    // Connects to mixer `device`; false when it does not exist or cannot be reached.
    virtual bool open(int device) = 0;
    // The raw range of the master volume; false when the output has none.
    virtual bool volumeRange(Range& range) = 0;
    virtual bool readVolume(long& raw) = 0;
    virtual bool writeVolume(long raw) = 0;
    virtual bool writeMute(bool mute) = 0;

    // The master output as a listener would find it.
    struct Output {
        bool exists = false;  // a real device: no server or a dummy sink is none
        bool muted = false;
        long volume = 0;
    };
    // False when the sound server cannot be asked.
    virtual bool readOutput(Output& output) = 0;
    // Connects if need be; true when this is a new connection to a server
    // that went away (restarted), whose mute and volume are its own again.
    virtual bool connectedAfresh() { return false; }
};

// A computer without a mixer: every call fails.
class NoMixer final : public Mixer {
  public:
    bool open(int) override { return false; }
    bool volumeRange(Range&) override { return false; }
    bool readVolume(long&) override { return false; }
    bool writeVolume(long) override { return false; }
    bool writeMute(bool) override { return false; }
    bool readOutput(Output&) override { return false; }
};

}  // namespace tollix
