#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tollix {

// Data files as other writers change them: an editor over ssh, a
// configuration tool. Seen within a second, also after a save that renames a
// new file over the old one. The program's own saves are marked as seen.
class FilesWatch final : public QObject {
    Q_OBJECT

  public:
    explicit FilesWatch(const std::vector<std::filesystem::path>& files, QObject* parent = nullptr);

    // The file as it is now was written by the program itself.
    void own(const std::filesystem::path& file);

  signals:
    void changed(const QString& file);

  private:
    void arm();
    void look();
    static std::string signature(const std::filesystem::path& file);

    std::map<std::filesystem::path, std::string> seen_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};

}  // namespace tollix
