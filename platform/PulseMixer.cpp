#include "platform/PulseMixer.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <string_view>

namespace tollix {

struct PulseMixer::SinkAnswer {
    bool done = false;
    bool found = false;
    pa_cvolume volume{};
    bool muted = false;
    bool dummy = false;
};

namespace {

constexpr const char* kDefaultSink = "@DEFAULT_SINK@";

// PulseAudio's stand-in when there is no sound card.
constexpr const char* kDummySink = "auto_null";

void onSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* data) {
    auto* answer = static_cast<PulseMixer::SinkAnswer*>(data);
    if (eol != 0) {
        answer->done = true;
        return;
    }
    if (info) {
        answer->volume = info->volume;
        answer->muted = info->mute != 0;
        answer->dummy = info->name && std::string_view(info->name) == kDummySink;
        answer->found = true;
    }
}

struct Success {
    bool done = false;
    bool ok = false;
};

void onSuccess(pa_context*, int success, void* data) {
    auto* answer = static_cast<Success*>(data);
    answer->ok = success != 0;
    answer->done = true;
}

}  // namespace

PulseMixer::PulseMixer(std::chrono::milliseconds limit) : limit_(limit), loop_(pa_mainloop_new()) {}

PulseMixer::~PulseMixer() {
    dropContext();
    if (loop_)
        pa_mainloop_free(loop_);
}

PulseMixer::Deadline PulseMixer::deadline() const {
    return std::chrono::steady_clock::now() + limit_;
}

void PulseMixer::dropContext() {
    if (!context_)
        return;
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
    counted_ = false;
}

bool PulseMixer::runUntil(const std::function<bool()>& done, Deadline until) {
    while (!done()) {
        const auto left = until - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero())
            return false;
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
        if (pa_mainloop_prepare(loop_, static_cast<int>(micros)) < 0 ||
            pa_mainloop_poll(loop_) < 0 || pa_mainloop_dispatch(loop_) < 0)
            return false;
    }
    return true;
}

bool PulseMixer::connected(Deadline until) {
    if (!loop_)
        return false;
    if (context_) {
        // A server that went away is only noticed when the loop runs.
        if (pa_mainloop_prepare(loop_, 0) >= 0 && pa_mainloop_poll(loop_) >= 0)
            pa_mainloop_dispatch(loop_);
        const pa_context_state_t state = pa_context_get_state(context_);
        if (!PA_CONTEXT_IS_GOOD(state))
            dropContext();  // the server went away; connect afresh
    }
    if (!context_) {
        context_ = pa_context_new(pa_mainloop_get_api(loop_), "Tollix");
        if (!context_)
            return false;
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            dropContext();
            return false;
        }
    }
    // A connection still under way when time is up goes on at the next call.
    runUntil(
        [this] {
            const pa_context_state_t state = pa_context_get_state(context_);
            return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
        },
        until);
    const pa_context_state_t state = pa_context_get_state(context_);
    if (!PA_CONTEXT_IS_GOOD(state)) {
        dropContext();
        return false;
    }
    if (state == PA_CONTEXT_READY && !counted_) {
        counted_ = true;
        ++connections_;
    }
    return state == PA_CONTEXT_READY;
}

bool PulseMixer::connectedAfresh() {
    if (!connected(deadline()))
        return false;
    // The program's first connection is no restart; every later one is.
    const bool afresh = connections_ > std::max(reported_, 1);
    reported_ = connections_;
    return afresh;
}

bool PulseMixer::finish(pa_operation* operation, const bool& done, Deadline until) {
    if (!operation)
        return false;
    const bool answered = runUntil(
        [&] { return done || pa_operation_get_state(operation) != PA_OPERATION_RUNNING; }, until);
    if (!answered || !done)
        pa_operation_cancel(operation);
    pa_operation_unref(operation);
    return answered && done;
}

bool PulseMixer::open(int device) {
    // The default sink is the only mixer device.
    return device == 0 && connected(deadline());
}

bool PulseMixer::volumeRange(Range& range) {
    range = {PA_VOLUME_MUTED, PA_VOLUME_NORM};
    return true;
}

// The default sink as the server describes it; false when it cannot be asked.
bool PulseMixer::readSink(SinkAnswer& sink, Deadline until) {
    return connected(until) &&
           finish(pa_context_get_sink_info_by_name(context_, kDefaultSink, onSinkInfo, &sink),
                  sink.done, until);
}

bool PulseMixer::readVolume(long& raw) {
    SinkAnswer sink;
    if (!readSink(sink, deadline()) || !sink.found)
        return false;
    raw = static_cast<long>(pa_cvolume_max(&sink.volume));
    return true;
}

bool PulseMixer::writeVolume(long raw) {
    const Deadline until = deadline();
    SinkAnswer sink;
    if (!readSink(sink, until) || !sink.found)
        return false;
    // Scaled so that the loudest channel gets the value and the balance stays.
    pa_cvolume volume = sink.volume;
    pa_cvolume_scale(&volume, static_cast<pa_volume_t>(raw));
    Success answer;
    return finish(pa_context_set_sink_volume_by_name(context_, kDefaultSink, &volume, onSuccess,
                                                     &answer),
                  answer.done, until) &&
           answer.ok;
}

bool PulseMixer::writeMute(bool mute) {
    const Deadline until = deadline();
    if (!connected(until))
        return false;
    Success answer;
    return finish(pa_context_set_sink_mute_by_name(context_, kDefaultSink, mute ? 1 : 0, onSuccess,
                                                   &answer),
                  answer.done, until) &&
           answer.ok;
}

bool PulseMixer::readOutput(Output& output) {
    SinkAnswer sink;
    if (!readSink(sink, deadline()))
        return false;
    output.exists = sink.found && !sink.dummy;
    output.muted = sink.muted;
    output.volume = sink.found ? static_cast<long>(pa_cvolume_max(&sink.volume)) : 0;
    return true;
}

}  // namespace tollix
