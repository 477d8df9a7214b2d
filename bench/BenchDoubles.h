#pragma once

// The main window's services for benchmarks: a clock of the bench's own that
// steps a second at a time, and a player, mixer and messages that cost
// nothing, so that only the program's own work is measured.
#include "platform/AutoStart.h"
#include "platform/Clock.h"
#include "platform/MediaPlayer.h"
#include "platform/Messages.h"
#include "platform/Mixer.h"
#include "platform/PowerOff.h"

namespace tollix::bench {

class BenchClock final : public tollix::Clock {
  public:
    tollix::LocalTime time{2026, 12, 7, 8, 29, 50, 0, 2};
    std::int64_t running = 0;
    tollix::LocalTime now() const override { return time; }
    std::int64_t monotonicMs() const override { return running; }
    void next() {
        running += 1000;
        if (++time.second == 60) {
            time.second = 0;
            ++time.minute;
        }
    }
};

class QuietMessages final : public tollix::Messages {
  protected:
    void showInformation(const QString&, const QString&) override {}
    bool askQuestion(const QString&, const QString&, bool) override { return true; }
};

class CountingPlayer final : public tollix::MediaPlayer {
  public:
    int opened = 0;
    void setFileName(const std::string&) override {}
    bool open() override { return ++opened > 0; }
    void play() override {}
    void close() override {}
    long length() const override { return 500; }
    Output output() override { return Output::Playing; }
};

class AnsweringMixer final : public tollix::Mixer {
  public:
    bool open(int) override { return true; }
    bool volumeRange(Range& range) override {
        range = {0, 100};
        return true;
    }
    bool readVolume(long& raw) override {
        raw = 100;
        return true;
    }
    bool writeVolume(long) override { return true; }
    bool writeMute(bool) override { return true; }
    std::vector<std::string> mutedOutputs() const override { return {}; }
    bool adoptMuted(const std::vector<std::string>&) override { return true; }
    bool readOutput(Output& output) override {
        output = {true, false, 100};
        return true;
    }
};

// The computer stays on and nothing starts at log-on.
class StayingOn final : public tollix::PowerOff {
  public:
    void powerOff(std::function<void(const std::string&)> done) override { done("a benchmark"); }
};

class NoAutoStart final : public tollix::AutoStart {
  public:
    std::string write(const std::string&) override { return {}; }
    std::string remove() override { return {}; }
};

}  // namespace tollix::bench
