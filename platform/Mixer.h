#pragma once

#include <string>
#include <vector>

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
    // true: holds the outputs muted: those in use now and, while it holds, a
    // new default output or one that appears later. false: unmutes every
    // output it muted, and those in use, so that a bell is heard.
    virtual bool writeMute(bool mute) = 0;
    // The outputs this mixer muted and has not unmuted yet, by name; never
    // one that was muted already.
    virtual std::vector<std::string> mutedOutputs() const = 0;
    // Outputs an earlier run muted and never unmuted: unmuted now where they
    // can be, and this mixer's to unmute from now on. True when all were.
    virtual bool adoptMuted(const std::vector<std::string>& names) = 0;

    // The master output as a listener would find it.
    struct Output {
        bool exists = false;  // a real device: no server or a dummy sink is none
        bool muted = false;
        long volume = 0;
    };
    // False when the sound server cannot be asked.
    virtual bool readOutput(Output& output) = 0;
    // An output of the sound server: its name, and what people read for it.
    struct Sink {
        std::string name;
        std::string description;
    };
    // Every output the server has now; false when it cannot be asked.
    virtual bool listOutputs(std::vector<Sink>& sinks) {
        sinks.clear();
        return false;
    }
    // The outputs the bells play on from now (by name; empty: the default
    // output): the volume, the mute and readOutput() are theirs. readOutput()
    // gives the one a listener hears best.
    virtual void useOutputs(std::vector<std::string> names) { (void)names; }

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
    std::vector<std::string> mutedOutputs() const override { return {}; }
    bool adoptMuted(const std::vector<std::string>& names) override { return names.empty(); }
    bool readOutput(Output&) override { return false; }
};

}  // namespace tollix
