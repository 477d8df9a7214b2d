#pragma once

#include "engine/RingLog.h"
#include "platform/Clock.h"
#include "platform/MediaPlayer.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tollix {

class BellEngine;

// The emergency signals, as the orders name them.
inline constexpr char kLockdown[] = "Lockdown";
inline constexpr char kEvacuation[] = "Evacuation";
inline constexpr char kAllClear[] = "All clear";

// One line of data/alarms.ini: "NAME = SOUND; repeat=SECONDS". SECONDS from
// one start to the next; 0: again as soon as it ends. All clear plays once.
struct AlarmSound {
    std::string name;
    std::string sound;
    int repeatSeconds = 0;
    bool operator==(const AlarmSound&) const = default;
};

struct AlarmSettings {
    // Lockdown, Evacuation and All clear, in this order.
    std::vector<AlarmSound> sounds;

    static AlarmSettings defaults();
    // A missing or damaged line keeps its default; `error` says why a file
    // that is there could not be read.
    static AlarmSettings read(const std::filesystem::path& file, std::string* error = nullptr);
    // Empty on success, else what went wrong.
    std::string write(const std::filesystem::path& file) const;
    const AlarmSound& of(const std::string& name) const;
    AlarmSound& of(const std::string& name);
};

// The signal an order word names, in its own spelling: Lockdown, Evacuation
// or All clear, whatever the case; nothing for any other word.
std::optional<std::string> alarmName(std::string_view word);

// An emergency signal: once ordered it is written to the state folder, then
// sounds on every output the bells use, unmuted and at full volume, again
// and again until All clear. Meanwhile the engine holds every bell. A signal
// left by a run that ended without an All clear sounds again at the next start.
class AlarmSignal final : public QObject {
    Q_OBJECT

  public:
    struct Services {
        BellEngine& engine;
        MediaPlayer& player;
        RingLog& ringLog;
        std::filesystem::path soundFolder;
        std::filesystem::path alarmsIni;
        // Where the active signal and the program's own signal sounds are kept.
        std::filesystem::path stateFolder;
    };
    explicit AlarmSignal(Services services, QObject* parent = nullptr);

    // Reads data/alarms.ini (written with the defaults when missing), makes
    // the program's own sounds, and resumes a signal left by the last run.
    void start();
    // "Lockdown", "Evacuation" or "All clear" from `by` ("window", "command
    // line", "web from ADDRESS", another building's name). `spread`: given
    // here, so other buildings are told. False for an unknown name.
    bool order(const std::string& word, const std::string& by, bool spread = true);
    // Empty while no signal sounds.
    const std::string& active() const { return active_; }
    // Who gave the active signal.
    const std::string& givenBy() const { return by_; }

    // One second has passed: a signal due again plays again, a finished All
    // clear gives the outputs back.
    void tick();

    // Why the other buildings cannot be told (the broker unreachable); empty
    // when they can, or when no broker joins them.
    const QString& linkProblem() const { return linkProblem_; }
    void setLinkProblem(const QString& problem) {
        if (problem != std::exchange(linkProblem_, problem))
            emit linkChanged(problem);
    }

    const AlarmSettings& settings() const { return settings_; }
    // A signal's sound and repeat, saved. Empty on success, else why not.
    std::string set(const AlarmSound& signal);
    // Why `signal` cannot be set (an unknown name, a repeat beyond an hour, a
    // sound that is no choice); empty when it can.
    std::string check(const AlarmSound& signal) const;
    static constexpr int kLongestRepeat = 3600;
    // The sounds a signal may have: the program's own and the sound list's files.
    std::vector<std::string> soundChoices() const;
    // Tries a signal's sound as a test sound; false when it cannot be played
    // now (a bell or a signal sounds).
    bool tryOut(const std::string& name);

  signals:
    // The signal now sounding; empty after All clear.
    void changed(const QString& active);
    // An order given on this computer, for the other buildings.
    void given(const QString& name);
    void linkChanged(const QString& problem);

  private:
    void raise(const std::string& name, const std::string& by, bool resumed);
    void allClear(const std::string& by);
    bool play(const std::string& name);
    void planNext();
    // The sound folder's file of a signal (a spoken one as written), or the
    // program's own signal sound when it is not there.
    std::filesystem::path soundFile(const std::string& name) const;
    std::filesystem::path ownSound(const std::string& name) const;
    std::filesystem::path stateFile() const { return services_.stateFolder / "alarm"; }
    void record(RingOutcome outcome, const std::string& sound, const std::string& reason);
    void giveBackOutputs();

    Services services_;
    AlarmSettings settings_;
    std::string active_;
    std::string by_;
    bool chime_ = false;
    std::int64_t startedMs_ = 0;
    long lengthMs_ = 0;
    std::optional<int> volumeBefore_;
    QTimer next_;
    // Why the chosen sound could not sound, as last said on the record.
    std::string saidWhy_;
    QString linkProblem_;
};

}  // namespace tollix
