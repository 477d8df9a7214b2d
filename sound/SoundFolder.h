#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tollix::sound {

// What became of one file offered to the sound folder.
enum class Added {
    Copied,        // it is there now
    AlreadyThere,  // the same bytes were there under its name: nothing to do
    Kept,          // a different sound of that name stays, as asked
    Failed,        // not a sound file, or it could not be copied: `error` says why
};

struct AddedSound {
    std::string name;
    Added added;
    std::string error;
};

// Copies `files` into the sound folder `folder`, in order. A different sound
// of the same name is replaced only when `replace(name)` says so. A copy
// appears whole or not at all: it is written beside its place, then renamed.
std::vector<AddedSound> addSounds(const std::vector<std::filesystem::path>& files,
                                  const std::filesystem::path& folder,
                                  const std::function<bool(const std::string& name)>& replace);

// Follows the sound folder while the program runs: a moment after its entries
// change (a file copied in by hand, removed or renamed), `changed` carries the
// new sound list, when it is another.
class SoundFolderWatch final : public QObject {
    Q_OBJECT

  public:
    explicit SoundFolderWatch(std::filesystem::path folder, QObject* parent = nullptr);

    // Reads the folder now.
    void look();

  signals:
    void changed(const std::vector<std::string>& list);

  private:
    std::filesystem::path folder_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    std::vector<std::string> list_;
};

}  // namespace tollix::sound
