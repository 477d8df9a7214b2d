#include "platform/PulseMixer.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <list>
#include <string_view>

namespace tollix {

struct PulseMixer::Answer {
    PulseMixer* mixer = nullptr;
    pa_operation* operation = nullptr;
    std::atomic<bool> done{false};
    std::string name;  // the sink asked for, or found
    bool ok = false;
    bool found = false;
    pa_cvolume volume{};
    bool muted = false;
    bool dummy = false;
    std::vector<Mixer::Sink> sinks;  // every sink, when listed

    void finish() {
        done = true;
        mixer->wake();
    }
    bool answered() const { return operation && done; }
};

namespace {

constexpr const char* kDefaultSink = "@DEFAULT_SINK@";

// PulseAudio's stand-in when there is no sound card.
constexpr const char* kDummySink = "auto_null";

// A mute the loop thread asked for; its answer decides whether it stays remembered.
struct MuteRequest {
    PulseMixer* mixer;
    std::string name;
    bool mute;
};

// Mixers still alive, for the exit handler; never destroyed, so that it
// outlives every static of the program.
std::mutex& registryMutex() {
    static auto* mutex = new std::mutex;
    return *mutex;
}

std::set<PulseMixer*>& liveMixers() {
    static auto* mixers = new std::set<PulseMixer*>;
    return *mixers;
}

// A mixer ended with sinks it could not unmute.
std::atomic<bool> leftMuted{false};

}  // namespace

struct PulseEvents {
    static Mixer::Sink sinkOf(const pa_sink_info& info) {
        return {info.name, info.description ? info.description : info.name};
    }

    static void sinkInfo(pa_context*, const pa_sink_info* info, int eol, void* data) {
        auto* answer = static_cast<PulseMixer::Answer*>(data);
        if (eol != 0) {
            answer->finish();
            return;
        }
        if (info) {
            answer->volume = info->volume;
            answer->muted = info->mute != 0;
            answer->name = info->name ? info->name : "";
            answer->dummy = answer->name == kDummySink;
            answer->found = true;
        }
    }

    static void sinkList(pa_context*, const pa_sink_info* info, int eol, void* data) {
        auto* answer = static_cast<PulseMixer::Answer*>(data);
        if (eol != 0) {
            answer->ok = eol > 0;
            answer->finish();
        } else if (info && info->name) {
            answer->sinks.push_back(sinkOf(*info));
        }
    }

    // The sinks as the server has them now, kept for the bells (see listOutputs).
    static void known(pa_context* context, const pa_sink_info* info, int eol, void* data) {
        auto* mixer = static_cast<PulseMixer*>(data);
        if (eol == 0) {
            if (info && info->name) {
                mixer->listing_.push_back(sinkOf(*info));
                if (mixer->regained_ && mixer->before_.count(info->name) == 0)
                    mixer->sinkSeen(info->name, info->mute != 0);
            }
            return;
        }
        mixer->regained_ = false;
        mixer->known_ = std::move(mixer->listing_);
        mixer->listing_.clear();
        mixer->knownValid_ = eol > 0 && !mixer->relist_;
        mixer->listingNow_ = false;
        if (mixer->relist_)
            mixer->listKnown(context);
    }

    static void success(pa_context*, int ok, void* data) {
        auto* answer = static_cast<PulseMixer::Answer*>(data);
        answer->ok = ok != 0;
        answer->finish();
    }

    static void state(pa_context* context, void* data) {
        auto* mixer = static_cast<PulseMixer*>(data);
        const pa_context_state_t state = pa_context_get_state(context);
        mixer->state_ = state;
        if (state == PA_CONTEXT_READY) {
            if (pa_operation* op = pa_context_subscribe(
                    context,
                    static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SINK |
                                                        PA_SUBSCRIPTION_MASK_SERVER),
                    nullptr, nullptr))
                pa_operation_unref(op);
            // A server met again (it restarted): each sink that was not
            // there before, or that the hold had muted, is one that appears.
            if (mixer->served_) {
                mixer->before_.clear();
                for (const auto& sink : mixer->known_)
                    if (mixer->muted_.count(sink.name) == 0)
                        mixer->before_.insert(sink.name);
                mixer->regained_ = mixer->holding_;
            }
            mixer->served_ = true;
            mixer->listKnown(context);
            // A server back after a restart: the hold goes on there, or what
            // was muted (by this run or an earlier one) is given back.
            if (mixer->holding_) {
                for (const auto& name : mixer->inUse())
                    if (pa_operation* op =
                            pa_context_get_sink_info_by_name(context, name.c_str(), seen, mixer))
                        pa_operation_unref(op);
            } else {
                const std::set<std::string> names = mixer->muted_;
                for (const auto& name : names) mixer->setMute(name, false);
            }
        }
        mixer->wake();
    }

    static void event(pa_context* context, pa_subscription_event_type_t type, uint32_t index,
                      void* data) {
        auto* mixer = static_cast<PulseMixer*>(data);
        const int facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        const int kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
        pa_operation* op = nullptr;
        if (facility == PA_SUBSCRIPTION_EVENT_SINK && kind != PA_SUBSCRIPTION_EVENT_CHANGE)
            mixer->listKnown(context);
        if (facility == PA_SUBSCRIPTION_EVENT_SINK && kind == PA_SUBSCRIPTION_EVENT_NEW)
            op = pa_context_get_sink_info_by_index(context, index, seen, mixer);
        else if (facility == PA_SUBSCRIPTION_EVENT_SERVER && mixer->holding_ &&
                 mixer->outputs_.empty())
            op = pa_context_get_sink_info_by_name(context, kDefaultSink, seen, mixer);
        if (op)
            pa_operation_unref(op);
    }

    static void seen(pa_context*, const pa_sink_info* info, int eol, void* data) {
        if (eol == 0 && info && info->name)
            static_cast<PulseMixer*>(data)->sinkSeen(info->name, info->mute != 0);
    }

    static void muteSet(pa_context*, int ok, void* data) {
        auto* request = static_cast<MuteRequest*>(data);
        PulseMixer* mixer = request->mixer;
        if (request->mute) {
            if (!ok)
                mixer->muted_.erase(request->name);  // not muted by us
            else if (!mixer->holding_)
                mixer->setMute(request->name, false);  // the hold ended meanwhile
        } else if (ok && !mixer->holding_) {
            mixer->muted_.erase(request->name);
        }
        delete request;
    }
};

PulseMixer::PulseMixer(std::chrono::milliseconds limit)
    : limit_(limit), loop_(pa_threaded_mainloop_new()) {
    if (loop_ && pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
    std::lock_guard lock(registryMutex());
    liveMixers().insert(this);
}

PulseMixer::~PulseMixer() {
    {
        std::lock_guard lock(registryMutex());
        liveMixers().erase(this);
        if (loop_ && !unmuteAll(false, deadline()))
            leftMuted = true;
    }
    if (!loop_)
        return;
    pa_threaded_mainloop_stop(loop_);
    dropContext();
    pa_threaded_mainloop_free(loop_);
}

bool PulseMixer::undoAtExit() {
    std::lock_guard lock(registryMutex());
    bool all = !leftMuted;
    for (PulseMixer* mixer : liveMixers())
        all = mixer->unmuteAll(false, std::chrono::steady_clock::now() + std::chrono::seconds(1)) &&
              all;
    return all;
}

void PulseMixer::wake() {
    { std::lock_guard lock(waitMutex_); }
    answered_.notify_all();
}

void PulseMixer::waitUntil(Deadline until, const std::function<bool()>& done) {
    std::unique_lock lock(waitMutex_);
    answered_.wait_until(lock, until, done);
}

// Under the loop's lock, or once its thread has stopped.
void PulseMixer::dropContext() {
    if (!context_)
        return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_set_subscribe_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
    knownValid_ = listingNow_ = relist_ = false;
    listing_.clear();
    counted_ = false;
    state_ = PA_CONTEXT_UNCONNECTED;
}

bool PulseMixer::connected(Deadline until) {
    if (!loop_)
        return false;
    pa_threaded_mainloop_lock(loop_);
    if (context_ && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
        dropContext();  // the server went away; connect afresh
    if (!context_) {
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Tollix");
        if (context_) {
            pa_context_set_state_callback(context_, PulseEvents::state, this);
            pa_context_set_subscribe_callback(context_, PulseEvents::event, this);
            if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
                dropContext();
        }
    }
    const bool connecting = context_ != nullptr;
    pa_threaded_mainloop_unlock(loop_);
    if (!connecting)
        return false;
    // A connection still under way when time is up goes on meanwhile.
    const auto settled = [this] {
        const auto state = static_cast<pa_context_state_t>(state_.load());
        return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
    };
    waitUntil(until, settled);
    if (state_ != PA_CONTEXT_READY)
        return false;
    if (!counted_) {
        counted_ = true;
        ++connections_;
    }
    return true;
}

bool PulseMixer::connectedAfresh() {
    if (!connected(deadline()))
        return false;
    // The program's first connection is no restart; every later one is.
    const bool afresh = connections_ > std::max(reported_, 1);
    reported_ = connections_;
    return afresh;
}

void PulseMixer::ask(const std::vector<Answer*>& answers, const Start& start, Deadline until) {
    pa_threaded_mainloop_lock(loop_);
    for (Answer* answer : answers) {
        answer->mixer = this;
        answer->operation = context_ ? start(context_, *answer) : nullptr;
    }
    pa_threaded_mainloop_unlock(loop_);
    waitUntil(until, [&answers] {
        return std::all_of(answers.begin(), answers.end(),
                           [](const Answer* a) { return !a->operation || a->done; });
    });
    pa_threaded_mainloop_lock(loop_);
    for (Answer* answer : answers) {
        if (!answer->operation)
            continue;
        if (!answer->done)
            pa_operation_cancel(answer->operation);
        pa_operation_unref(answer->operation);
    }
    pa_threaded_mainloop_unlock(loop_);
}

bool PulseMixer::askOne(Answer& answer, const Start& start, Deadline until) {
    ask({&answer}, start, until);
    return answer.answered();
}

bool PulseMixer::open(int device) {
    // The default sink is the only mixer device.
    return device == 0 && connected(deadline());
}

bool PulseMixer::volumeRange(Range& range) {
    range = {PA_VOLUME_MUTED, PA_VOLUME_NORM};
    return true;
}

// Under the loop's lock, or on the caller's thread, which alone changes the list.
std::vector<std::string> PulseMixer::inUse() const {
    return outputs_.empty() ? std::vector<std::string>{kDefaultSink} : outputs_;
}

std::list<PulseMixer::Answer> PulseMixer::readSinks(Deadline until) {
    std::list<Answer> sinks;
    if (!connected(until))
        return sinks;
    std::vector<Answer*> asked;
    for (const auto& name : inUse()) {
        asked.push_back(&sinks.emplace_back());
        asked.back()->name = name;
    }
    ask(
        asked,
        [](pa_context* context, Answer& a) {
            return pa_context_get_sink_info_by_name(context, a.name.c_str(), PulseEvents::sinkInfo,
                                                    &a);
        },
        until);
    sinks.remove_if([](const Answer& sink) { return !sink.answered() || !sink.found; });
    return sinks;
}

void PulseMixer::useOutputs(std::vector<std::string> names) {
    if (!loop_)
        return;
    pa_threaded_mainloop_lock(loop_);
    outputs_ = std::move(names);
    pa_threaded_mainloop_unlock(loop_);
}

// Under the loop's lock. One listing at a time; a change meanwhile lists again.
void PulseMixer::listKnown(pa_context* context) {
    knownValid_ = false;
    if (listingNow_) {
        relist_ = true;
        return;
    }
    relist_ = false;
    if (pa_operation* op = pa_context_get_sink_info_list(context, PulseEvents::known, this)) {
        listingNow_ = true;
        pa_operation_unref(op);
    }
}

// A bell asks at its minute: the list kept from the server's sink events
// answers without a round trip, unless a change is still being listed.
bool PulseMixer::listOutputs(std::vector<Sink>& sinks) {
    sinks.clear();
    if (loop_ && state_ == PA_CONTEXT_READY) {
        pa_threaded_mainloop_lock(loop_);
        const bool kept = context_ && knownValid_;
        if (kept)
            sinks = known_;
        pa_threaded_mainloop_unlock(loop_);
        if (kept)
            return true;
    }
    const Deadline until = deadline();
    Answer list;
    if (!connected(until) || !askOne(
                                 list,
                                 [](pa_context* context, Answer& a) {
                                     return pa_context_get_sink_info_list(
                                         context, PulseEvents::sinkList, &a);
                                 },
                                 until))
        return false;
    sinks = std::move(list.sinks);
    return list.ok;
}

// The volume of the first output in use that is there.
bool PulseMixer::readVolume(long& raw) {
    const std::list<Answer> sinks = readSinks(deadline());
    if (sinks.empty())
        return false;
    raw = static_cast<long>(pa_cvolume_max(&sinks.front().volume));
    return true;
}

// Every output in use gets the volume.
bool PulseMixer::writeVolume(long raw) {
    const Deadline until = deadline();
    std::list<Answer> sinks = readSinks(until);
    if (sinks.empty())
        return false;
    std::list<Answer> sets;
    std::vector<Answer*> asked;
    for (Answer& sink : sinks) {
        // Scaled so that the loudest channel gets the value and the balance stays.
        pa_cvolume_scale(&sink.volume, static_cast<pa_volume_t>(raw));
        asked.push_back(&sets.emplace_back());
        asked.back()->name = sink.name;
        asked.back()->volume = sink.volume;
    }
    ask(
        asked,
        [](pa_context* context, Answer& a) {
            return pa_context_set_sink_volume_by_name(context, a.name.c_str(), &a.volume,
                                                      PulseEvents::success, &a);
        },
        until);
    return std::all_of(sets.begin(), sets.end(),
                       [](const Answer& set) { return set.answered() && set.ok; });
}

bool PulseMixer::writeMute(bool mute) {
    if (!mute)
        return unmuteAll(true, deadline());
    const Deadline until = deadline();
    if (loop_) {
        pa_threaded_mainloop_lock(loop_);
        holding_ = true;
        pa_threaded_mainloop_unlock(loop_);
    }
    std::list<Answer> sinks = readSinks(until);
    if (sinks.empty())
        return false;
    // Those muted already, and not by this mixer, stay as they are.
    std::list<Answer> sets;
    std::vector<Answer*> asked;
    for (const Answer& sink : sinks) {
        if (sink.muted)
            continue;
        asked.push_back(&sets.emplace_back());
        asked.back()->name = sink.name;
    }
    ask(
        asked,
        [this](pa_context* context, Answer& a) {
            pa_operation* op = pa_context_set_sink_mute_by_name(context, a.name.c_str(), 1,
                                                                PulseEvents::success, &a);
            if (op)
                muted_.insert(a.name);  // on record before the answer: a crash may come first
            return op;
        },
        until);
    bool all = true;
    pa_threaded_mainloop_lock(loop_);
    for (const Answer& set : sets) {
        if (set.answered() && !set.ok)
            muted_.erase(set.name);
        all = all && set.answered() && set.ok;
    }
    pa_threaded_mainloop_unlock(loop_);
    return all;
}

bool PulseMixer::unmuteAll(bool withDefault, Deadline until) {
    if (!loop_)
        return false;
    pa_threaded_mainloop_lock(loop_);
    holding_ = false;
    const std::set<std::string> names = muted_;
    pa_threaded_mainloop_unlock(loop_);
    if (names.empty() && !withDefault)
        return true;
    if (!connected(until))
        return false;
    std::list<Answer> answers;
    std::vector<Answer*> asked;
    for (const auto& name : names) {
        asked.push_back(&answers.emplace_back());
        asked.back()->name = name;
    }
    if (withDefault) {
        for (const auto& name : inUse()) {
            asked.push_back(&answers.emplace_back());
            asked.back()->name = name;
        }
    }
    ask(
        asked,
        [](pa_context* context, Answer& a) {
            return pa_context_set_sink_mute_by_name(context, a.name.c_str(), 0,
                                                    PulseEvents::success, &a);
        },
        until);
    bool all = true;
    pa_threaded_mainloop_lock(loop_);
    for (const Answer& answer : answers) {
        if (answer.answered() && answer.ok) {
            if (!holding_)
                muted_.erase(answer.name);
        } else {
            all = false;  // kept: unmuted when the sink comes back
        }
    }
    pa_threaded_mainloop_unlock(loop_);
    return all;
}

std::vector<std::string> PulseMixer::mutedOutputs() const {
    if (!loop_)
        return {};
    pa_threaded_mainloop_lock(loop_);
    std::vector<std::string> names(muted_.begin(), muted_.end());
    pa_threaded_mainloop_unlock(loop_);
    return names;
}

bool PulseMixer::adoptMuted(const std::vector<std::string>& names) {
    if (!loop_)
        return names.empty();
    pa_threaded_mainloop_lock(loop_);
    muted_.insert(names.begin(), names.end());
    const bool holding = holding_;
    pa_threaded_mainloop_unlock(loop_);
    return holding || unmuteAll(false, deadline());
}

// A sink that appeared, or the default output that changed.
void PulseMixer::sinkSeen(const char* name, bool muted) {
    if (holding_) {
        if (!muted)
            setMute(name, true);
    } else if (muted && muted_.count(name) > 0) {
        setMute(name, false);  // one muted before it went away is back
    }
}

// Under the loop's lock; the answer comes to PulseEvents::muteSet.
void PulseMixer::setMute(const std::string& name, bool mute) {
    if (!context_ || pa_context_get_state(context_) != PA_CONTEXT_READY)
        return;
    auto* request = new MuteRequest{this, name, mute};
    pa_operation* op = pa_context_set_sink_mute_by_name(context_, name.c_str(), mute ? 1 : 0,
                                                        PulseEvents::muteSet, request);
    if (!op) {
        delete request;
        return;
    }
    if (mute)
        muted_.insert(name);
    pa_operation_unref(op);
}

// Of the outputs in use, the one heard best.
bool PulseMixer::readOutput(Output& output) {
    const Deadline until = deadline();
    if (!connected(until))
        return false;
    output = {};
    for (const Answer& sink : readSinks(until)) {
        if (sink.dummy)
            continue;
        const Output seen{true, sink.muted, static_cast<long>(pa_cvolume_max(&sink.volume))};
        const auto heard = [](const Output& o) { return o.exists && !o.muted ? o.volume : -1; };
        if (!output.exists || heard(seen) > heard(output))
            output = seen;
    }
    return true;
}

}  // namespace tollix
