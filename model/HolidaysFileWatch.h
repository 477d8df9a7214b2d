#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <string>

namespace tollix {

// holidays.ini as other writers change it: an import from the command line,
// another copy on a shared folder, an editor. Seen within a second, also after
// a save that renames a new file over the old one.
class HolidaysFileWatch final : public QObject {
    Q_OBJECT

  public:
    explicit HolidaysFileWatch(std::filesystem::path file, QObject* parent = nullptr);

  signals:
    void changed();

  private:
    void arm();
    void look();
    std::string signature() const;

    std::filesystem::path file_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    std::string seen_;
};

}  // namespace tollix
