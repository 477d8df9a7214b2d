#pragma once

#include "sound/OutputLine.h"

#include <chrono>
#include <functional>
#include <string>

struct _GstElement;

namespace tollix {

// IP speakers fed a bell as multicast RTP in G.711, 8 kHz mono, 20 ms a
// packet, by a GStreamer pipeline that decodes the same file as the sinks.
// Loaded paused like them and started with them; each sound is a stream of
// its own (a new SSRC), and it ends with the file.
class RtpStream {
  public:
    using Report = std::function<void(const std::string&)>;

    RtpStream(sound::StreamLine line, Report failed);
    ~RtpStream();
    RtpStream(const RtpStream&) = delete;
    RtpStream& operator=(const RtpStream&) = delete;

    // Loads `path` paused ahead of its bell.
    void warm(const std::string& path);
    // open() in two steps, as the sinks' players do. False when the stream
    // cannot be made; a file still loading after `wait` starts once loaded.
    bool startOpen(const std::string& path);
    bool finishOpen(std::chrono::milliseconds wait);
    void play();
    void close();
    // Says an error the pipeline met since the last look.
    void check();

  private:
    bool build(const std::string& path);
    void drop();

    sound::StreamLine line_;
    Report failed_;
    _GstElement* pipeline_ = nullptr;
    std::string loaded_;
    bool playing_ = false;
};

}  // namespace tollix
