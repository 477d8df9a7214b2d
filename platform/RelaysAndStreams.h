#pragma once

#include "platform/RelayOutput.h"
#include "platform/RtpStream.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tollix {

// The outputs of output.ini that are not the sound server's: relays and
// IP-speaker streams, driven alongside the sinks by the outputs player.
class RelaysAndStreams {
  public:
    using Report = std::function<void(const std::string&)>;
    // Makes the backend of a relay line and of a stream line; none: such
    // lines are left alone.
    struct Makers {
        std::function<std::unique_ptr<RelayOutput>(const sound::RelayLine&, RelayOutput::Report,
                                                   RelayOutput::Keep)>
            relay;
        std::function<std::unique_ptr<RtpStream>(const sound::StreamLine&, RtpStream::Report)>
            stream;
    };

    explicit RelaysAndStreams(Makers makers = {});
    // Relays still on are switched off, and waited for.
    ~RelaysAndStreams();

    // The usable relay and stream lines of the list; one taken off is switched off.
    void setLines(const std::vector<std::string>& lines);
    // Where a command or stream that failed is said.
    void onFailure(Report failed) { failed_ = std::move(failed); }
    // While set (an alarm), relays stay on for the whole sound, whatever their hold.
    void holdThroughSound(bool on) { wholeSound_ = on; }

    void warm(const std::string& path);
    void startOpen(const std::string& path);
    void finishOpen(std::chrono::steady_clock::time_point until);
    void play();
    void close();
    // Close, and every relay off now, a hold cut short.
    void stopAll();
    void check();

    // Switches off what a run that did not end normally left on, as kept in
    // `file`, waiting for it; keeps what is on from now on there. What was
    // switched off, and what failed.
    struct Restored {
        std::vector<std::string> off, failed;
    };
    Restored keepRelaysIn(std::filesystem::path file);

    // "Test" of the Outputs window: a relay on for `seconds`, or `path` sent
    // on one stream alone. False when `line` is neither, or sounds now.
    bool test(const std::string& line, const std::string& path, int seconds = 2);

  private:
    void report(const std::string& what);
    void keep(const std::string& off, bool on);

    Makers makers_;
    std::map<std::string, std::unique_ptr<RelayOutput>> relays_;
    std::map<std::string, std::unique_ptr<RtpStream>> streams_;
    std::vector<RtpStream*> open_;
    std::filesystem::path stateFile_;
    std::set<std::string> kept_;
    Report failed_;
    bool wholeSound_ = false;
};

}  // namespace tollix
