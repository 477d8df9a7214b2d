#pragma once

#include "platform/MpvPlayer.h"
#include "platform/RelaysAndStreams.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tollix {

// Sounds a bell on several outputs at once: a player core of its own for
// each output, every one loaded paused and then all started together, so
// that the outputs are in step. A core is kept for the program's life once
// made, so a bell does not wait for it. Relays and IP-speaker streams of the
// list start in the same moment; whether a bell is heard is the sinks' to say.
class OutputsPlayer final : public MediaPlayer {
  public:
    // Makes the player of one output ("": the default output).
    using MakePlayer = std::function<std::unique_ptr<MpvPlayer>(const std::string& sink)>;
    // `others`: the makers of relays and IP-speaker streams.
    explicit OutputsPlayer(MakePlayer makePlayer, RelaysAndStreams::Makers others = {});

    // Sink names, relay and stream lines of output.ini.
    void setOutputs(const std::vector<std::string>& outputs) override;
    void setFileName(const std::string& path) override;
    // True when it opened on any output; it plays on those.
    bool open() override;
    void play() override;
    void holdThroughSound(bool on) override { others_.holdThroughSound(on); }
    void warm(const std::string& path) override;
    void close() override;
    void stopAll() override;
    bool testOutput(const std::string& line, const std::string& path) override {
        return others_.test(line, path);
    }
    long length() const override;
    // The best of the outputs it plays on.
    Output output() override;

    // Makes the cores of the outputs chosen now, and from then on of every
    // output as soon as it is chosen.
    bool prepare();

    // The relays and streams of the list.
    RelaysAndStreams& relaysAndStreams() { return others_; }

  private:
    MpvPlayer& player(const std::string& sink);

    MakePlayer makePlayer_;
    std::map<std::string, std::unique_ptr<MpvPlayer>> players_;  // "": the default output
    std::vector<std::string> sinks_{""};
    std::string fileName_;
    std::vector<MpvPlayer*> open_;
    bool prepared_ = false;
    RelaysAndStreams others_;
};

}  // namespace tollix
