#include "platform/OutputsPlayer.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tollix {

OutputsPlayer::OutputsPlayer(MakePlayer makePlayer, RelaysAndStreams::Makers others)
    : makePlayer_(std::move(makePlayer)), others_(std::move(others)) {}

MpvPlayer& OutputsPlayer::player(const std::string& sink) {
    auto& slot = players_[sink];
    if (!slot)
        slot = makePlayer_(sink);
    return *slot;
}

void OutputsPlayer::setOutputs(const std::vector<std::string>& outputs) {
    std::vector<std::string> sinks;
    std::copy_if(outputs.begin(), outputs.end(), std::back_inserter(sinks), sound::isSinkLine);
    others_.setLines(outputs);
    // Relays and streams alone: the sinks are the default output's.
    sinks_ = sinks.empty() ? std::vector<std::string>{""} : sinks;
    // An output chosen later gets its core now, not at its first bell.
    if (prepared_)
        prepare();
}

void OutputsPlayer::setFileName(const std::string& path) {
    fileName_ = path;
}

bool OutputsPlayer::prepare() {
    prepared_ = true;
    bool all = true;
    for (const auto& sink : sinks_) all = player(sink).prepare() && all;
    return all;
}

// Every output is handed the file before any is waited for: they load side
// by side, within the one share of the tick.
bool OutputsPlayer::open() {
    close();
    std::vector<MpvPlayer*> loading;
    for (const auto& sink : sinks_) {
        MpvPlayer& one = player(sink);
        one.setFileName(fileName_);
        if (one.startOpen())
            loading.push_back(&one);
    }
    others_.startOpen(fileName_);
    const auto until = std::chrono::steady_clock::now() + MpvPlayer::kTickShare;
    for (MpvPlayer* one : loading) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (one->finishOpen(left))
            open_.push_back(one);
    }
    others_.finishOpen(until);
    return !open_.empty();
}

void OutputsPlayer::play() {
    for (MpvPlayer* one : open_) one->play();
    others_.play();
}

void OutputsPlayer::warm(const std::string& path) {
    for (const auto& sink : sinks_) player(sink).warm(path);
    others_.warm(path);
}

void OutputsPlayer::close() {
    for (MpvPlayer* one : open_) one->close();
    open_.clear();
    others_.close();
}

void OutputsPlayer::stopAll() {
    close();
    others_.stopAll();
}

long OutputsPlayer::length() const {
    long longest = 0;
    for (const MpvPlayer* one : open_) longest = std::max(longest, one->length());
    return longest;
}

// Heard anywhere is heard; one still starting is waited for before a null
// output or silence is believed.
MediaPlayer::Output OutputsPlayer::output() {
    others_.check();
    bool starting = false, nowhere = false;
    for (MpvPlayer* one : open_) {
        const Output output = one->output();
        if (output == Output::Playing)
            return output;
        starting = starting || output == Output::Starting;
        nowhere = nowhere || output == Output::NullOutput;
    }
    return starting ? Output::Starting : nowhere ? Output::NullOutput : Output::Silent;
}

}  // namespace tollix
