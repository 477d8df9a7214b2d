#pragma once

// The tests' common header: the engine with the model and the platform's
// interfaces, the data files, gtest and QTest.
#include "engine/BellEngine.h"
#include "schedule/DataFiles.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

// What nearly every test writes: u"..."_s, fs:: and, below, readBytes and writeBytes.
namespace tollix {
using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
}  // namespace tollix

namespace tollix::test {

class FakeClock final : public Clock {
  public:
    LocalTime time{2026, 12, 7, 8, 29, 58, 0, 2};  // a Monday
    LocalTime now() const override { return time; }
};

// The real time zone rules over a clock of the test's: the wall clock can be
// stepped while the monotonic clock runs on, as a time correction or a sleep
// would do. Local time comes from TZ as the system would give it.
class SteppingClock final : public Clock {
  public:
    std::int64_t wallMs = 0, runningMs = 0;

    LocalTime now() const override;
    std::int64_t monotonicMs() const override { return runningMs; }
    // One second passes on both clocks.
    void second() { wallMs += 1000, runningMs += 1000; }
    void step(std::int64_t ms) { wallMs += ms; }
    // The local time `text` ("2026-10-25 01:59:00") in the zone of the test.
    static std::int64_t localMs(const char* text);
};

struct Shown {
    QString title, text;
};

// Records every message box; questions get the scripted answer.
class RecordingMessages final : public Messages {
  public:
    std::vector<Shown> shown;
    bool answer = true;

  protected:
    void showInformation(const QString& title, const QString& text) override {
        shown.push_back({title, text});
    }
    bool askQuestion(const QString& title, const QString& text, bool) override {
        shown.push_back({title, text});
        return answer;
    }
};

// An in-memory mixer with the raw range of the test; records every call.
class FakeMixer final : public Mixer {
  public:
    bool available = true;
    bool realDevice = true;  // false: the server's stand-in sink, no sound card
    Range range{0, 100};
    long volume = 70;
    bool muted = false;
    std::vector<std::string> calls;

    bool open(int) override { return note("open"); }
    bool volumeRange(Range& r) override {
        r = range;
        return available;
    }
    bool readVolume(long& raw) override {
        raw = volume;
        return note("get");
    }
    bool writeVolume(long raw) override {
        if (available)
            volume = raw;
        return note("volume " + std::to_string(raw));
    }
    bool writeMute(bool mute) override {
        if (available) {
            ours = !mute   ? std::vector<std::string>{}
                   : muted ? ours
                           : std::vector<std::string>{"speakers"};
            muted = mute;
        }
        return note(mute ? "mute" : "unmute");
    }
    // The outputs it muted; "speakers" is the default output.
    std::vector<std::string> ours;
    std::vector<std::string> mutedOutputs() const override { return ours; }
    bool adoptMuted(const std::vector<std::string>& names) override {
        std::string call = "adopt";
        for (const auto& name : names) call += " " + name;
        return note(call);
    }
    // The server's outputs; those in use that it lacks are not heard.
    std::vector<Sink> sinks{{"speakers", "Speakers"}};
    std::vector<std::string> inUse;
    bool listOutputs(std::vector<Sink>& s) override {
        s = available ? sinks : std::vector<Sink>{};
        return available;
    }
    void useOutputs(std::vector<std::string> names) override { inUse = std::move(names); }
    // `realDevice` is the default output's.
    bool readOutput(Output& output) override {
        const bool there = std::any_of(inUse.begin(), inUse.end(), [this](const auto& name) {
            return std::any_of(sinks.begin(), sinks.end(), [&](auto& s) { return s.name == name; });
        });
        output = {available && (inUse.empty() ? realDevice : there), muted, volume};
        return available;
    }
    // A restart of the sound server: it comes back unmuted.
    bool restarted = false;
    bool connectedAfresh() override { return std::exchange(restarted, false); }

  private:
    bool note(const std::string& call) {
        calls.push_back(call);
        return available;
    }
};

// A player that records its commands; lengths are scripted by file name.
class FakePlayer final : public MediaPlayer {
  public:
    std::map<std::string, long> lengths;  // files that open, with their length in ms
    std::vector<std::string> calls;
    std::string fileName;
    bool isOpen = false;

    std::vector<std::string> outputs;  // those of the next "open"
    void setFileName(const std::string& path) override { fileName = path; }
    void setOutputs(const std::vector<std::string>& sinks) override { outputs = sinks; }
    bool open() override {
        calls.push_back("open " + fileName);
        return isOpen = lengths.count(fileName) > 0;
    }
    void play() override {
        calls.push_back("play");
        wholePlays += holdingThrough;
    }
    bool holdingThrough = false;
    int wholePlays = 0;  // plays that keep relays on for the whole sound
    void holdThroughSound(bool on) override { holdingThrough = on; }
    void close() override {
        calls.push_back("close");
        isOpen = false;
    }
    long length() const override { return isOpen ? lengths.at(fileName) : 0; }
    std::vector<std::string> warmed;
    void warm(const std::string& path) override { warmed.push_back(path); }
    int starting = 0;  // verdicts that find the sound still on its way
    Output output() override {
        return !isOpen ? Output::Silent : starting-- > 0 ? Output::Starting : Output::Playing;
    }
};

// Counts the power-offs asked for; `refusal` is the system's answer, given at once.
class RecordingPowerOff final : public PowerOff {
  public:
    int calls = 0;
    std::string refusal;
    void powerOff(std::function<void(const std::string&)> done) override {
        ++calls;
        done(refusal);
    }
};

// A temporary folder, as a path.
struct TempFolder {
    QTemporaryDir dir;
    std::filesystem::path path() const { return dir.path().toStdString(); }
};

// A program folder and every service of the engine but its clock, as doubles.
struct EngineDoubles {
    TempFolder dir;
    AppPaths paths{dir.path()};
    RecordingMessages messages;
    FakeMixer mixer;
    FakePlayer player;
    RecordingPowerOff power;
    RingLog ringLog{dir.path() / "state" / "rings.log"};

    EngineServices engineServices(const Clock& clock) {
        return {clock, player, mixer, messages, paths.soundFolder(), power, ringLog};
    }
};

// "08:30 a.mp3 08:31 b.wav": the times and sounds in list order, the last
// `alarms` of them alarms.
BellSchedule bells(const std::string& list, int alarms = 0);

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

// Each data file written as the program writes it; the test fails when it
// cannot be. Set-ups name only what differs from a first start, as in
// save(paths.dataIni(), {.timeMode = 2, .dayMode = 2}).
void save(const std::filesystem::path& file, const GeneralSettings& settings);
void save(const std::filesystem::path& file, const DayList& list);
void saveWeekList(const std::filesystem::path& file, const std::vector<std::string>& lines);

// An environment variable set, or with nullptr removed, until the scope ends
// (TZ included: the zone is read again at both ends).
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// Every file below a folder with its bytes, to see that nothing was written.
std::vector<std::pair<std::string, std::string>> snapshot(const std::filesystem::path& folder);

// "outcome sound" of each line of a ring record, joined by ", ".
std::string ringRecords(const std::filesystem::path& file);

// A process the test starts ends with the test, also when a time-out kills it.
void endWithTest(QProcess& process);

}  // namespace tollix::test

namespace tollix {
using test::readBytes;
using test::writeBytes;
}  // namespace tollix
