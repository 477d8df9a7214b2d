#pragma once

#include "sound/OutputLine.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class QProcess;

namespace tollix {

// A relay switched by its two commands, each run without holding the caller
// and in the order asked: an OFF asked while ON still runs waits for it.
// A command that fails (exit status, not started, or no end within
// kCommandLimit: killed) is reported; it never holds the bell.
class RelayOutput final : public QObject {
  public:
    using Report = std::function<void(const std::string&)>;
    // `keep(off, true)` before ON runs, `keep(off, false)` once OFF has
    // succeeded: what a start after a crash must switch off.
    using Keep = std::function<void(const std::string& off, bool on)>;
    static constexpr std::chrono::seconds kCommandLimit{5};

    RelayOutput(sound::RelayLine line, Report failed, Keep keep);
    // Still on: switched off, and waited for.
    ~RelayOutput() override;

    // At the sound's start. `wholeSound`: on for all of it, whatever the hold.
    void start(bool wholeSound = false);
    // The sound ended: off once the event loop turns, unless a sound starts
    // again before (a repeat, the next file of a list), or at the end of its hold.
    void soundEnded();
    // Off now (Stop Bell, exit, a relay taken off the list).
    void switchOff();
    // Every command asked so far run to its end, within kCommandLimit each.
    void finishNow();
    bool isOn() const { return on_; }
    // The program and its arguments: no shell unless the command starts with "sh -c".
    static QStringList commandArguments(const std::string& command);

  private:
    void run(const std::string& command, bool on);
    void finished(const std::string& what, bool ok, const std::string& why, bool on,
                  const std::string& command);

    sound::RelayLine line_;
    Report failed_;
    Keep keep_;
    QProcess* process_ = nullptr;
    std::optional<std::pair<std::string, bool>> queued_;
    QTimer hold_;
    QTimer endTurn_;
    bool on_ = false;
    bool wholeSound_ = false;
};

}  // namespace tollix
