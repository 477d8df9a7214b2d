#include "engine/AlarmSignal.h"

#include "engine/BellEngine.h"
#include "schedule/SafeFile.h"
#include "sound/AlarmSynth.h"
#include "sound/BellSynth.h"
#include "sound/SoundLibrary.h"
#include "sound/StateFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <sstream>

namespace fs = std::filesystem;

namespace tollix {

namespace {

constexpr int kFullVolume = 100;
// The signal sounds again this long before a timer would be late: a siren
// played again at once has no gap worth hearing.
constexpr int kEarlyMs = 30;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

fs::path ownSoundsFolder(const fs::path& stateFolder) {
    return stateFolder / "alarm-sounds";
}

}  // namespace

// ---- data/alarms.ini ----------------------------------------------------------

AlarmSettings AlarmSettings::defaults() {
    return {{{kLockdown, sound::kAlarmTones[0].fileName, 30},
             {kEvacuation, sound::kAlarmTones[1].fileName, 0},
             {kAllClear, sound::kAlarmTones[2].fileName, 0}}};
}

const AlarmSound& AlarmSettings::of(const std::string& name) const {
    const auto found = std::find_if(sounds.begin(), sounds.end(),
                                    [&name](const AlarmSound& s) { return s.name == name; });
    return found != sounds.end() ? *found : sounds.front();
}

AlarmSound& AlarmSettings::of(const std::string& name) {
    return const_cast<AlarmSound&>(std::as_const(*this).of(name));
}

AlarmSettings AlarmSettings::read(const fs::path& file, std::string* error) {
    AlarmSettings settings = defaults();
    const safefile::Reading reading = safefile::read(file, safefile::kDataLimit);
    if (!reading.read()) {
        if (error)
            *error = reading.error;
        return settings;
    }
    std::istringstream in(reading.bytes);
    for (std::string line; std::getline(in, line);) {
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const auto name = alarmName(trimmed(std::string_view(line).substr(0, equals)));
        if (!name)
            continue;
        std::string_view rest = std::string_view(line).substr(equals + 1);
        AlarmSound& signal = settings.of(*name);
        const auto semicolon = rest.find(';');
        const std::string sound = trimmed(rest.substr(0, semicolon));
        if (!sound.empty())
            signal.sound = sound;
        if (semicolon == std::string_view::npos)
            continue;
        const std::string option = trimmed(rest.substr(semicolon + 1));
        if (option.rfind("repeat", 0) != 0 || option.find('=') == std::string::npos)
            continue;
        const std::string seconds = trimmed(std::string_view(option).substr(option.find('=') + 1));
        if (!seconds.empty() && seconds.size() < 6 &&
            std::all_of(seconds.begin(), seconds.end(),
                        [](char c) { return c >= '0' && c <= '9'; }))
            signal.repeatSeconds = std::stoi(seconds);
    }
    return settings;
}

std::string AlarmSettings::write(const fs::path& file) const {
    std::string text;
    for (const AlarmSound& s : sounds)
        text += s.name + " = " + s.sound + "; repeat=" + std::to_string(s.repeatSeconds) + "\r\n";
    return safefile::write(file, text);
}

std::optional<std::string> alarmName(std::string_view word) {
    for (const char* name : {kLockdown, kEvacuation, kAllClear})
        if (sameWord(word, name))
            return std::string(name);
    if (sameWord(word, "all-clear"))
        return std::string(kAllClear);
    return std::nullopt;
}

// ---- The signal ---------------------------------------------------------------

AlarmSignal::AlarmSignal(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)), settings_(AlarmSettings::defaults()) {
    next_.setSingleShot(true);
    next_.setTimerType(Qt::PreciseTimer);
    connect(&next_, &QTimer::timeout, this, &AlarmSignal::tick);
    connect(&services_.engine, &BellEngine::ticked, this, &AlarmSignal::tick);
}

void AlarmSignal::start() {
    std::error_code ec;
    if (!fs::exists(services_.alarmsIni, ec))
        (void)settings_.write(services_.alarmsIni);
    std::string unread;
    settings_ = AlarmSettings::read(services_.alarmsIni, &unread);
    if (!unread.empty())
        record(RingOutcome::Failed, "settings", "not read: " + unread + "; the default signals");
    const fs::path own = ownSoundsFolder(services_.stateFolder);
    fs::create_directories(own, ec);
    for (const auto& tone : sound::kAlarmTones)
        if (!fs::exists(own / tone.fileName, ec))
            (void)sound::writeWav(own / tone.fileName, sound::synthesize(tone.tone));

    const auto left = sound::readStateFile(stateFile());
    if (left.empty())
        return;
    if (const auto name = alarmName(left.front()); name && *name != kAllClear) {
        if (left.size() > 2 && !left[2].empty() && left[2].size() < 4 &&
            std::all_of(left[2].begin(), left[2].end(),
                        [](char c) { return c >= '0' && c <= '9'; }))
            volumeBefore_ = std::stoi(left[2]);
        raise(*name, left.size() > 1 ? left[1] : std::string(), true);
    }
}

bool AlarmSignal::order(const std::string& word, const std::string& by, bool spread) {
    const auto name = alarmName(word);
    if (!name)
        return false;
    if (*name == kAllClear) {
        if (active_.empty())
            return true;  // nothing sounds: nothing to end, nobody to tell
        allClear(by);
    } else {
        if (*name == active_)
            return true;  // a repeated order, or our own coming back from the broker
        raise(*name, by, false);
    }
    if (spread)
        emit given(QString::fromStdString(*name));
    return true;
}

void AlarmSignal::raise(const std::string& name, const std::string& by, bool resumed) {
    if (active_.empty() && !chime_ && !resumed)
        volumeBefore_ = services_.engine.soundControl.GetMasterVolume();
    // On disk first: a crash the moment it sounds resumes it at the next start,
    // and the volume it found is still put back at All clear.
    std::vector<std::string> state{name, by};
    if (volumeBefore_)
        state.push_back(std::to_string(*volumeBefore_));
    const std::string unsaved = sound::writeStateFile(stateFile(), state);
    chime_ = false;
    saidWhy_.clear();
    active_ = name;
    by_ = by;
    services_.engine.holdBells("alarm: " + name);
    record(RingOutcome::Alarm, name,
           (resumed ? "resumed; given by " : "") + by +
               (unsaved.empty() ? "" : "; not kept for a restart: " + unsaved));
    if (!play(name))
        record(RingOutcome::Failed, name, "the signal could not be played");
    emit changed(QString::fromStdString(name));
}

void AlarmSignal::allClear(const std::string& by) {
    const std::string ended = std::exchange(active_, {});
    by_.clear();
    next_.stop();
    services_.player.close();
    const std::string unsaved = sound::writeStateFile(stateFile(), {});
    record(RingOutcome::AllClear, ended,
           by + (unsaved.empty() ? "" : "; the state file stays: " + unsaved));
    services_.engine.holdBells({});
    saidWhy_.clear();
    chime_ = play(kAllClear);
    if (!chime_)
        giveBackOutputs();
    emit changed({});
}

fs::path AlarmSignal::soundFile(const std::string& name) const {
    const std::string& sound = settings_.of(name).sound;
    std::error_code ec;
    for (const fs::path& folder : {services_.soundFolder, ownSoundsFolder(services_.stateFolder)})
        if (!sound.empty() && fs::is_regular_file(folder / sound, ec))
            return folder / sound;
    // A sound taken away: the program's own signal sounds instead.
    return ownSound(name);
}

fs::path AlarmSignal::ownSound(const std::string& name) const {
    const std::size_t own = name == kLockdown ? 0 : name == kEvacuation ? 1 : 2;
    return ownSoundsFolder(services_.stateFolder) / sound::kAlarmTones[own].fileName;
}

bool AlarmSignal::play(const std::string& name) {
    BellEngine& engine = services_.engine;
    engine.stopTest();
    engine.bellStop();
    (void)engine.chooseBellOutputs();
    services_.player.close();
    // A spoken sound plays its rendered words; words not rendered yet, or a
    // file that will not open, give way to the program's own signal: a
    // signal is never silent. Why is said once, not at every repeat.
    const auto opens = [this](const fs::path& file) {
        services_.player.setFileName(file.string());
        return services_.player.open();
    };
    std::string why;
    const fs::path file = engine.playable(soundFile(name), why);
    if (!why.empty())
        why = "not spoken: " + why;
    else if (!opens(file))
        why = "the file could not be played";
    if (why.empty()) {
        saidWhy_.clear();
    } else {
        if (file == ownSound(name))
            return false;
        if (why != std::exchange(saidWhy_, why))
            record(RingOutcome::Failed, settings_.of(name).sound,
                   why + "; the program's own signal instead");
        if (!opens(ownSound(name)))
            return false;
    }
    // Whatever "No com sound" and a fade did: a signal is heard.
    engine.soundControl.SetMasterMute(false);
    engine.soundControl.SetMasterVolume(kFullVolume);
    // A relay on for the signal's whole sound; the flag only reaches this
    // play, so a bell after the signal keeps its own hold.
    services_.player.holdThroughSound(true);
    services_.player.play();
    services_.player.holdThroughSound(false);
    startedMs_ = engine.clock().monotonicMs();
    lengthMs_ = services_.player.length();
    planNext();
    return true;
}

void AlarmSignal::planNext() {
    const int repeatMs = settings_.of(active_.empty() ? kAllClear : active_).repeatSeconds * 1000;
    const long dueMs = chime_ || active_.empty() ? lengthMs_ : std::max<long>(repeatMs, lengthMs_);
    const auto elapsed = services_.engine.clock().monotonicMs() - startedMs_;
    next_.start(static_cast<int>(std::clamp<std::int64_t>(dueMs - elapsed - kEarlyMs, 0, 3600000)));
}

void AlarmSignal::tick() {
    if (active_.empty() && !chime_)
        return;
    const std::int64_t elapsed = services_.engine.clock().monotonicMs() - startedMs_;
    if (chime_) {
        if (services_.engine.isPlaying) {
            chime_ = false;  // a bell took the outputs over
        } else if (elapsed >= lengthMs_) {
            chime_ = false;
            services_.player.close();
            giveBackOutputs();
        }
        return;
    }
    const long repeatMs = settings_.of(active_).repeatSeconds * 1000L;
    if (elapsed + kEarlyMs >= std::max(repeatMs, lengthMs_) && !play(active_)) {
        // Gone meanwhile (a sound folder unplugged): tried again next second.
        startedMs_ = services_.engine.clock().monotonicMs();
        lengthMs_ = 1000;
    }
}

void AlarmSignal::giveBackOutputs() {
    if (volumeBefore_)
        services_.engine.soundControl.SetMasterVolume(*volumeBefore_);
    volumeBefore_.reset();
    services_.engine.quietAgain();
}

void AlarmSignal::record(RingOutcome outcome, const std::string& sound, const std::string& reason) {
    (void)services_.ringLog.append({services_.engine.clock().now(), outcome, sound, reason});
}

std::string AlarmSignal::check(const AlarmSound& signal) const {
    if (settings_.of(signal.name).name != signal.name)
        return "unknown signal " + signal.name;
    if (signal.repeatSeconds < 0 || signal.repeatSeconds > kLongestRepeat)
        return "repeat must be 0 to " + std::to_string(kLongestRepeat) + " seconds";
    // The sound it has may stay, though gone: the program's own plays then.
    const auto choices = soundChoices();
    if (signal.sound != settings_.of(signal.name).sound &&
        std::find(choices.begin(), choices.end(), signal.sound) == choices.end())
        return "no sound " + signal.sound;
    return {};
}

std::string AlarmSignal::set(const AlarmSound& signal) {
    if (std::string why = check(signal); !why.empty())
        return why;
    AlarmSettings changed = settings_;
    changed.of(signal.name) = signal;
    if (std::string error = changed.write(services_.alarmsIni); !error.empty())
        return error;
    settings_ = std::move(changed);
    return {};
}

std::vector<std::string> AlarmSignal::soundChoices() const {
    std::vector<std::string> choices;
    for (const auto& tone : sound::kAlarmTones) choices.emplace_back(tone.fileName);
    for (const std::string& name : sound::SoundFolderScan(services_.soundFolder))
        if (sound::isSoundFile(name) &&
            std::find(choices.begin(), choices.end(), name) == choices.end())
            choices.push_back(name);
    return choices;
}

bool AlarmSignal::tryOut(const std::string& name) {
    if (!active_.empty() || chime_)
        return false;
    const fs::path file = soundFile(name);
    return services_.engine.playTest(file.lexically_relative(services_.soundFolder).string());
}

}  // namespace tollix
