#pragma once

#include "sound/SpokenText.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace tollix {

// The spoken sounds of the sound folder, rendered to WAV files ahead of their
// bells by a speech program (espeak-ng, or the command of data/speech.ini),
// one at a time and never on the tick: a bell then plays a plain file. It
// follows the folder, so a text is rendered when it appears or changes.
class Speech final : public QObject {
    Q_OBJECT

  public:
    struct Setup {
        std::filesystem::path soundFolder;
        // Where the WAV files are kept, each named by a hash of what it says.
        std::filesystem::path cacheFolder;
        // data/speech.ini; a "command = …" line there replaces espeak-ng.
        std::filesystem::path settingsFile;
        // The voice of a text that names none.
        std::string voice;
    };
    explicit Speech(Setup setup, QObject* parent = nullptr);
    ~Speech() override;

    // $XDG_CACHE_HOME/tollix/speech.
    static std::filesystem::path defaultCacheFolder();
    // The espeak-ng voice of the first of `languages` (as the desktop lists
    // them) that the program speaks; English otherwise.
    static std::string voiceFor(const QStringList& languages);

    // The WAV of a spoken sound, without waiting: a text not rendered yet is
    // put in hand, and meanwhile its last rendering plays, if it had one.
    sound::SpokenFile wavFor(const std::filesystem::path& sayFile);
    // Words to speak at once, before any other rendering; `done` is given
    // the WAV or why there is none.
    void say(const std::string& text, std::function<void(const sound::SpokenFile&)> done);
    // The folder read again: every spoken sound not rendered yet is put in hand.
    void look();
    // Why sounds of the list cannot be spoken, by name.
    const std::map<std::string, std::string>& problems() const { return problems_; }
    // Renderings waiting or under way.
    std::size_t pending() const { return queue_.size() + (current_ ? 1 : 0); }

  signals:
    // A rendering ended, well or not.
    void rendered();

  private:
    struct Job {
        std::string key;
        std::string name;  // of the sound folder; empty for words said at once
        std::string voice;
        std::string text;
        std::filesystem::path before;
        std::function<void(const sound::SpokenFile&)> done;
    };

    QStringList command() const;
    // The job of a spoken sound, or why it cannot be one.
    std::string jobFor(const std::filesystem::path& sayFile, Job& job) const;
    std::filesystem::path wavOf(const std::string& key) const;
    void enqueue(Job job, bool first = false);
    void runNext();
    void spoken(int exitCode, QProcess::ExitStatus status);
    void finish(const std::string& problem);
    void watchFiles();

    Setup setup_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QTimer limit_;
    std::deque<Job> queue_;
    std::set<std::string> queued_;
    std::optional<Job> current_;
    std::unique_ptr<QProcess> process_;
    QString program_;
    std::map<std::string, std::string> failed_;    // by key
    std::map<std::string, std::string> problems_;  // by name
    std::map<std::string, std::filesystem::path> lastGood_;
    // Last: waited for before anything it would report to is gone.
    QThreadPool joining_;
};

}  // namespace tollix
