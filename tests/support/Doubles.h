#pragma once

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Mixer.h"

#include <QString>
#include <QTemporaryDir>

#include <filesystem>
#include <string>
#include <vector>

namespace tollix::test {

class FakeClock final : public Clock {
  public:
    LocalTime time{2026, 12, 7, 8, 29, 58, 0, 2};  // a Monday
    LocalTime now() const override { return time; }
};

struct Shown {
    QString title;
    QString text;
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
    bool askQuestion(const QString& title, const QString& text) override {
        shown.push_back({title, text});
        return answer;
    }
};

class FakeMixer final : public Mixer {
  public:
    bool available = true;
    int volume = 70;
    bool muted = false;
    std::vector<std::string> calls;

    bool OpenMixer(int) override { return note("open"); }
    bool GetMasterVolume(int& v) override {
        v = volume;
        return note("get");
    }
    bool SetMasterVolume(int v) override {
        if (available)
            volume = v;
        return note("volume " + std::to_string(v));
    }
    bool SetMasterMute(bool mute) override {
        if (available)
            muted = mute;
        return note(mute ? "mute" : "unmute");
    }

  private:
    bool note(const std::string& call) {
        calls.push_back(call);
        return available;
    }
};

// A temporary folder, as a path.
class TempFolder {
  public:
    std::filesystem::path path() const { return dir_.path().toStdString(); }

  private:
    QTemporaryDir dir_;
};

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

// Every file below a folder with its bytes, to see that nothing was written.
std::vector<std::pair<std::string, std::string>> snapshot(const std::filesystem::path& folder);

}  // namespace tollix::test
