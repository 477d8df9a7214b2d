#pragma once

#include "platform/MediaPlayer.h"

#include <chrono>

struct mpv_handle;

namespace tollix {

// The media player over libmpv: audio only, to one output (the default one
// unless `sink` names another), silent on the terminal. One player core serves the whole life of
// the program; it is made by prepare(), or else when the first bell opens.
class MpvPlayer final : public MediaPlayer {
  public:
    explicit MpvPlayer(std::chrono::milliseconds openLimit = std::chrono::seconds(1),
                       std::string sink = {});
    ~MpvPlayer() override;
    MpvPlayer(const MpvPlayer&) = delete;
    MpvPlayer& operator=(const MpvPlayer&) = delete;

    void setFileName(const std::string& path) override;
    // Never holds the caller longer than kTickShare: a file that takes longer
    // to load is open all the same, plays once loaded and has its length
    // then; one that is not loaded within the open limit, or holds no audio,
    // has failed (output() stays Silent).
    bool open() override;
    // open() in two steps, so that several players load side by side: the
    // file is handed over, then waited for at most `wait`.
    bool startOpen();
    bool finishOpen(std::chrono::milliseconds wait);
    void play() override;
    // A file loaded and never played stays loaded through close(): it may be
    // the next bell's.
    void warm(const std::string& path) override;
    void close() override;
    long length() const override;
    Output output() override;

    // Makes the player core now, so that the first bell starts as quickly as
    // every later one. False when no core can be made.
    bool prepare() { return ensureCore(); }

    static constexpr std::chrono::milliseconds kTickShare{15};

  private:
    enum class Load { None, Loading, Open, Failed };

    bool ensureCore();
    void drainEvents();
    // Reading the player's events moves the load on, also from const readers.
    void poll(double waitSeconds) const;
    void loaded() const;
    bool hasAudio() const;
    void stop() const;

    mpv_handle* mpv_ = nullptr;
    bool coreFailed_ = false;
    std::chrono::milliseconds openLimit_;
    std::string sink_;
    std::string fileName_;
    std::string loaded_;  // the file given to the player last
    bool played_ = false;
    mutable Load load_ = Load::None;
    mutable long lengthMs_ = 0;
    mutable bool started_ = false;
    std::chrono::steady_clock::time_point loadDeadline_;
    // The file given to "play" reached its end.
    mutable bool endedAfterPlay_ = false;
};

}  // namespace tollix
