#pragma once

#include "platform/MediaPlayer.h"

#include <chrono>

struct mpv_handle;

namespace tollix {

// The media player over libmpv: audio only, to the default output, silent on
// the terminal. One player core serves the whole life of the program; it is
// made by prepare(), or else when the first bell opens.
class MpvPlayer final : public MediaPlayer {
  public:
    explicit MpvPlayer(std::chrono::milliseconds openLimit = std::chrono::seconds(1));
    ~MpvPlayer() override;
    MpvPlayer(const MpvPlayer&) = delete;
    MpvPlayer& operator=(const MpvPlayer&) = delete;

    void setFileName(const std::string& path) override;
    bool open() override;
    void play() override;
    void close() override;
    long length() const override { return lengthMs_; }
    Output output() override;

    // Makes the player core now, so that the first bell starts as quickly as
    // every later one. False when no core can be made.
    bool prepare() { return ensureCore(); }

  private:
    bool ensureCore();
    bool waitUntilLoaded();
    bool hasAudio();
    void drainEvents();

    mpv_handle* mpv_ = nullptr;
    bool coreFailed_ = false;
    std::chrono::milliseconds openLimit_;
    std::string fileName_;
    long lengthMs_ = 0;
    bool open_ = false;
    // The file given to "play" reached its end.
    bool endedAfterPlay_ = false;
};

}  // namespace tollix
