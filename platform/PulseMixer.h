#pragma once

#include "platform/Mixer.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <list>
#include <mutex>
#include <set>
#include <string>
#include <vector>

struct pa_context;
struct pa_operation;
struct pa_threaded_mainloop;

namespace tollix {

// The master output as the sinks in use of the sound server (PulseAudio, or
// PipeWire's pulse server; the default sink unless others are chosen), on a
// main loop thread of the client's own. A call waits for its answer at most
// its time limit; a lost server is connected again by the next call. While
// the outputs are held muted, the server's sink events are followed: a new
// default output or a sink that appears later is muted too, and so is one
// found on a server that restarted, unless it was there before and left
// alone. The list of sinks follows those events always, so that a bell
// choosing its outputs does not wait for the server. Every sink it muted is
// remembered by name and unmuted by writeMute(false), by its end, and by
// undoAtExit().
class PulseMixer final : public Mixer {
  public:
    explicit PulseMixer(std::chrono::milliseconds limit = std::chrono::milliseconds(30));
    ~PulseMixer() override;
    PulseMixer(const PulseMixer&) = delete;
    PulseMixer& operator=(const PulseMixer&) = delete;

    bool open(int device) override;
    bool volumeRange(Range& range) override;
    bool readVolume(long& raw) override;
    bool writeVolume(long raw) override;
    bool writeMute(bool mute) override;
    std::vector<std::string> mutedOutputs() const override;
    bool adoptMuted(const std::vector<std::string>& names) override;
    bool readOutput(Output& output) override;
    bool listOutputs(std::vector<Sink>& sinks) override;
    void useOutputs(std::vector<std::string> names) override;
    bool connectedAfresh() override;

    // Unmutes what every live mixer of the process muted, within a second.
    // For a std::atexit handler: exit() (the display server gone) passes by
    // every way out of the program's own. True when nothing is left muted.
    static bool undoAtExit();

    // One answer of the server (defined with the backend).
    struct Answer;

  private:
    using Deadline = std::chrono::steady_clock::time_point;
    using Start = std::function<pa_operation*(pa_context*, Answer&)>;

    bool connected(Deadline until);
    void waitUntil(Deadline until, const std::function<bool()>& done);
    void dropContext();
    // Starts each operation under the loop's lock and waits for their
    // answers until `until`; those that did not answer are cancelled.
    void ask(const std::vector<Answer*>& answers, const Start& start, Deadline until);
    bool askOne(Answer& answer, const Start& start, Deadline until);
    // The outputs in use, each as the server describes it.
    std::list<Answer> readSinks(Deadline until);
    // The outputs in use by name: the default sink when none is chosen.
    std::vector<std::string> inUse() const;
    bool unmuteAll(bool withDefault, Deadline until);
    Deadline deadline() const { return std::chrono::steady_clock::now() + limit_; }

    // Run by the loop thread, under its lock.
    friend struct PulseEvents;
    void sinkSeen(const char* name, bool muted);
    void setMute(const std::string& name, bool mute);
    void listKnown(pa_context* context);

    std::chrono::milliseconds limit_;
    pa_threaded_mainloop* loop_ = nullptr;
    // Under the loop's lock.
    pa_context* context_ = nullptr;
    bool holding_ = false;
    std::vector<std::string> outputs_;
    std::set<std::string> muted_;
    // The server's sinks, followed through its events.
    std::vector<Sink> known_, listing_;
    bool knownValid_ = false, listingNow_ = false, relist_ = false;
    // Once connected, a later connection meets the server again: while it
    // holds, the first listing there mutes each sink not among `before_`.
    bool served_ = false, regained_ = false;
    std::set<std::string> before_;
    // The context's state, for the callers that wait for it.
    std::atomic<int> state_{0};
    std::mutex waitMutex_;
    std::condition_variable answered_;
    // Connections that reached the server, and how many were reported.
    int connections_ = 0;
    int reported_ = 0;
    bool counted_ = false;

    void wake();
};

}  // namespace tollix
