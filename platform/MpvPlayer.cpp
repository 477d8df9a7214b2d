#include "platform/MpvPlayer.h"

#include <mpv/client.h>

#include <cmath>
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

MpvPlayer::MpvPlayer(std::chrono::milliseconds openLimit) : openLimit_(openLimit) {}

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

// Waits, bounded, for the file just given to load. Events of earlier files
// come before its start and are passed over.
bool MpvPlayer::waitUntilLoaded() {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + openLimit_;
    bool started = false;
    for (;;) {
        const auto left = std::chrono::duration<double>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        const mpv_event* event = mpv_wait_event(mpv_, left);
        switch (event->event_id) {
            case MPV_EVENT_START_FILE:
                started = true;
                break;
            case MPV_EVENT_FILE_LOADED:
                if (started)
                    return true;
                break;
            case MPV_EVENT_END_FILE:
                if (started)
                    return false;
                break;
            case MPV_EVENT_SHUTDOWN:
                return false;
            default:
                break;
        }
    }
}

bool MpvPlayer::hasAudio() {
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

bool MpvPlayer::open() {
    if (open_)
        close();
    lengthMs_ = 0;
    if (fileName_.empty() || !ensureCore())
        return false;
    drainEvents();
    int pause = 1;
    mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &pause);
    const char* command[] = {"loadfile", fileName_.c_str(), "replace", nullptr};
    if (mpv_command(mpv_, command) < 0)
        return false;
    if (!waitUntilLoaded() || !hasAudio()) {
        const char* stop[] = {"stop", nullptr};
        mpv_command(mpv_, stop);
        return false;
    }
    double seconds = 0;
    if (mpv_get_property(mpv_, "duration", MPV_FORMAT_DOUBLE, &seconds) >= 0 && seconds > 0)
        lengthMs_ = std::lround(seconds * 1000.0);
    open_ = true;
    return true;
}

void MpvPlayer::play() {
    if (!open_)
        return;
    endedAfterPlay_ = false;
    int pause = 0;
    mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &pause);
}

MediaPlayer::Output MpvPlayer::output() {
    if (!mpv_)
        return Output::Silent;
    for (;;) {
        const mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        if (event->event_id == MPV_EVENT_END_FILE && event->data &&
            static_cast<const mpv_event_end_file*>(event->data)->reason == MPV_END_FILE_REASON_EOF)
            endedAfterPlay_ = true;
    }
    double position = 0;
    const bool moved = open_ &&
                       mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &position) >= 0 &&
                       position > 0;
    if (!moved && !endedAfterPlay_)
        return Output::Silent;
    // With no sound server mpv falls back to its null output: the bell counts, nobody hears it.
    char* device = mpv_get_property_string(mpv_, "current-ao");
    const bool nowhere = device && std::string(device) == "null";
    mpv_free(device);
    return nowhere ? Output::NullOutput : Output::Playing;
}

void MpvPlayer::close() {
    if (!mpv_)
        return;
    const char* stop[] = {"stop", nullptr};
    mpv_command(mpv_, stop);
    open_ = false;
    lengthMs_ = 0;
}

}  // namespace tollix
