#pragma once

#include "platform/Mixer.h"

#include <chrono>
#include <functional>

struct pa_context;
struct pa_mainloop;
struct pa_operation;

namespace tollix {

// The master output as the default sink of the sound server (PulseAudio, or
// PipeWire's pulse server). Each call runs the client's own main loop until
// its answer or its time limit, so the caller never waits longer than that;
// a lost server is connected again by the next call.
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
    bool readOutput(Output& output) override;
    bool connectedAfresh() override;

    // What the server says of the default sink (defined with the backend).
    struct SinkAnswer;

  private:
    using Deadline = std::chrono::steady_clock::time_point;
    bool readSink(SinkAnswer& sink, Deadline until);
    bool connected(Deadline deadline);
    void dropContext();
    bool runUntil(const std::function<bool()>& done, Deadline deadline);
    bool finish(pa_operation* operation, const bool& done, Deadline deadline);
    Deadline deadline() const;

    std::chrono::milliseconds limit_;
    pa_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    // Connections that reached the server, and how many were reported.
    int connections_ = 0;
    int reported_ = 0;
    bool counted_ = false;
};

}  // namespace tollix
