#include "platform/MpvPlayer.h"

#include <mpv/client.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

namespace tollix {

namespace {

// Audio only, nothing on screen or terminal, nothing of the user's mpv set-up.
constexpr const char* kOptions[][2] = {
    {"vid", "no"},
    {"vo", "null"},
    {"audio-display", "no"},
    {"terminal", "no"},
    {"msg-level", "all=no"},
    {"config", "no"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"osc", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"sub-auto", "no"},
    {"audio-file-auto", "no"},
    {"idle", "yes"},
    {"keep-open", "no"},
    {"audio-client-name", "tollix"},
    // The pulse protocol serves PulseAudio and PipeWire alike.
    {"ao", "pulse,alsa"},
    // With no sound server the bell still counts its seconds.
    {"audio-fallback-to-null", "yes"},
};

}  // namespace

MpvPlayer::MpvPlayer(std::chrono::milliseconds openLimit, std::string sink)
    : openLimit_(openLimit), sink_(std::move(sink)) {}

MpvPlayer::~MpvPlayer() {
    if (mpv_)
        mpv_terminate_destroy(mpv_);
}

bool MpvPlayer::ensureCore() {
    if (mpv_)
        return true;
    if (coreFailed_)
        return false;
    mpv_ = mpv_create();
    if (!mpv_) {
        coreFailed_ = true;
        return false;
    }
    for (const auto& option : kOptions) mpv_set_option_string(mpv_, option[0], option[1]);
    if (!sink_.empty())
        mpv_set_option_string(mpv_, "audio-device", ("pulse/" + sink_).c_str());
    if (mpv_initialize(mpv_) < 0) {
        mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        coreFailed_ = true;
        return false;
    }
    return true;
}

void MpvPlayer::setFileName(const std::string& path) {
    fileName_ = path;
}

void MpvPlayer::drainEvents() {
    while (mpv_wait_event(mpv_, 0)->event_id != MPV_EVENT_NONE) {
    }
}

// Takes the player's news, waiting up to `waitSeconds` while the file given
// last still loads. Events of earlier files come before its start and are
// passed over.
void MpvPlayer::poll(double waitSeconds) const {
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                          std::chrono::duration<double>(waitSeconds));
    for (;;) {
        const double left =
            load_ == Load::Loading
                ? std::chrono::duration<double>(std::min(until, loadDeadline_) - Clock::now())
                      .count()
                : 0.0;
        const mpv_event* event = mpv_wait_event(mpv_, std::max(0.0, left));
        switch (event->event_id) {
            case MPV_EVENT_NONE:
                // Only what the player has not said yet counts against the limit.
                if (load_ == Load::Loading && Clock::now() >= loadDeadline_) {
                    stop();  // a slow disk or a file that never loads
                    load_ = Load::Failed;
                }
                if (left <= 0 || load_ != Load::Loading)
                    return;
                break;
            case MPV_EVENT_START_FILE:
                started_ = true;
                break;
            case MPV_EVENT_FILE_LOADED:
                if (started_ && load_ == Load::Loading)
                    loaded();
                break;
            case MPV_EVENT_END_FILE:
                if (!started_)
                    break;
                if (load_ == Load::Loading)
                    load_ = Load::Failed;
                else if (event->data &&
                         static_cast<const mpv_event_end_file*>(event->data)->reason ==
                             MPV_END_FILE_REASON_EOF)
                    endedAfterPlay_ = true;
                break;
            case MPV_EVENT_SHUTDOWN:
                if (load_ == Load::Loading)
                    load_ = Load::Failed;
                return;
            default:
                break;
        }
    }
}

void MpvPlayer::loaded() const {
    if (!hasAudio()) {
        stop();
        load_ = Load::Failed;
        return;
    }
    double seconds = 0;
    if (mpv_get_property(mpv_, "duration", MPV_FORMAT_DOUBLE, &seconds) >= 0 && seconds > 0)
        lengthMs_ = std::lround(seconds * 1000.0);
    load_ = Load::Open;
}

void MpvPlayer::stop() const {
    const char* command[] = {"stop", nullptr};
    mpv_command(mpv_, command);
}

bool MpvPlayer::hasAudio() const {
    int64_t count = 0;
    if (mpv_get_property(mpv_, "track-list/count", MPV_FORMAT_INT64, &count) < 0)
        return false;
    for (int64_t i = 0; i < count; ++i) {
        const std::string name = "track-list/" + std::to_string(i) + "/type";
        char* type = mpv_get_property_string(mpv_, name.c_str());
        const bool audio = type && std::string(type) == "audio";
        mpv_free(type);
        if (audio)
            return true;
    }
    return false;
}

// The file is given to the player paused and waited for only as long as a
// tick can spare: a file still loading plays as soon as it is loaded, and
// its length follows.
bool MpvPlayer::open() {
    return startOpen() && finishOpen(kTickShare);
}

bool MpvPlayer::startOpen() {
    if (!played_ && (load_ == Load::Loading || load_ == Load::Open) && loaded_ == fileName_)
        return true;  // warmed for this bell
    load_ = Load::None;
    played_ = false;
    lengthMs_ = 0;
    std::error_code error;
    if (fileName_.empty() || !std::filesystem::is_regular_file(fileName_, error) ||
        ::access(fileName_.c_str(), R_OK) != 0 || !ensureCore())
        return false;
    drainEvents();
    int pause = 1;
    mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &pause);
    const char* command[] = {"loadfile", fileName_.c_str(), "replace", nullptr};
    if (mpv_command(mpv_, command) < 0)
        return false;
    loaded_ = fileName_;
    started_ = false;
    endedAfterPlay_ = false;
    load_ = Load::Loading;
    loadDeadline_ = std::chrono::steady_clock::now() + openLimit_;
    return true;
}

bool MpvPlayer::finishOpen(std::chrono::milliseconds wait) {
    if (load_ == Load::Loading)
        poll(std::chrono::duration<double>(std::max(wait, std::chrono::milliseconds(0))).count());
    if (load_ != Load::Failed)
        return load_ != Load::None;
    load_ = Load::None;
    return false;
}

long MpvPlayer::length() const {
    if (load_ == Load::Loading)
        poll(0);
    return load_ == Load::Open ? lengthMs_ : 0;
}

void MpvPlayer::play() {
    if (load_ != Load::Open && load_ != Load::Loading)
        return;
    endedAfterPlay_ = false;
    played_ = true;
    // Not waited for: the next output starts at once, in step with this one.
    int pause = 0;
    mpv_set_property_async(mpv_, 0, "pause", MPV_FORMAT_FLAG, &pause);
}

MediaPlayer::Output MpvPlayer::output() {
    if (!mpv_)
        return Output::Silent;
    poll(0);
    double position = 0;
    const bool moved = load_ == Load::Open &&
                       mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &position) >= 0 &&
                       position > 0;
    if (!moved && !endedAfterPlay_)
        return played_ && (load_ == Load::Loading || load_ == Load::Open) ? Output::Starting
                                                                          : Output::Silent;
    // With no sound server mpv falls back to its null output: the bell counts, nobody hears it.
    char* device = mpv_get_property_string(mpv_, "current-ao");
    const bool nowhere = device && std::string(device) == "null";
    mpv_free(device);
    return nowhere ? Output::NullOutput : Output::Playing;
}

void MpvPlayer::warm(const std::string& path) {
    setFileName(path);
    startOpen();
}

void MpvPlayer::close() {
    if (!mpv_ || !played_)
        return;
    stop();
    load_ = Load::None;
    lengthMs_ = 0;
}

}  // namespace tollix
