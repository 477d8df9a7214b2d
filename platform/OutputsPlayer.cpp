#include "platform/OutputsPlayer.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace tollix {

OutputsPlayer::OutputsPlayer(MakePlayer makePlayer) : makePlayer_(std::move(makePlayer)) {}

MpvPlayer& OutputsPlayer::player(const std::string& sink) {
    auto& slot = players_[sink];
    if (!slot)
        slot = makePlayer_(sink);
    return *slot;
}

void OutputsPlayer::setOutputs(const std::vector<std::string>& sinks) {
    sinks_ = sinks.empty() ? std::vector<std::string>{""} : sinks;
}

void OutputsPlayer::setFileName(const std::string& path) {
    fileName_ = path;
}

bool OutputsPlayer::prepare() {
    bool all = true;
    for (const auto& sink : sinks_) all = player(sink).prepare() && all;
    return all;
}

bool OutputsPlayer::open() {
    close();
    for (const auto& sink : sinks_) {
        MpvPlayer& one = player(sink);
        one.setFileName(fileName_);
        if (one.open())
            open_.push_back(&one);
    }
    return !open_.empty();
}

// Loaded and paused already, the outputs start within a moment of each
// other; one still loading is waited for as long as a tick can spare.
void OutputsPlayer::play() {
    const auto until = std::chrono::steady_clock::now() + MpvPlayer::kTickShare;
    const auto loading = [this] {
        return std::any_of(open_.begin(), open_.end(),
                           [](const MpvPlayer* one) { return one->length() <= 0; });
    };
    while (open_.size() > 1 && loading() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    for (MpvPlayer* one : open_) one->play();
}

void OutputsPlayer::close() {
    for (MpvPlayer* one : open_) one->close();
    open_.clear();
}

long OutputsPlayer::length() const {
    long longest = 0;
    for (const MpvPlayer* one : open_) longest = std::max(longest, one->length());
    return longest;
}

MediaPlayer::Output OutputsPlayer::output() {
    Output best = Output::Silent;
    for (MpvPlayer* one : open_) {
        const Output output = one->output();
        if (output == Output::Playing)
            return output;
        if (output == Output::NullOutput)
            best = output;
    }
    return best;
}

}  // namespace tollix
