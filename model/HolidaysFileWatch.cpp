#include "model/HolidaysFileWatch.h"

#include <sys/stat.h>

#include <string>

namespace tollix {

HolidaysFileWatch::HolidaysFileWatch(std::filesystem::path file, QObject* parent)
    : QObject(parent), file_(std::move(file)) {
    // A rename over the file ends the watch of the old one: the folder says
    // that the name has a new file, and the watch is put on it.
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settle_.start(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
    settle_.setSingleShot(true);
    settle_.setInterval(200);  // a writer may take a few steps
    connect(&settle_, &QTimer::timeout, this, &HolidaysFileWatch::look);
    arm();
    seen_ = signature();
}

void HolidaysFileWatch::arm() {
    const QString file = QString::fromStdString(file_.string());
    const QString folder = QString::fromStdString(file_.parent_path().string());
    if (!watcher_.directories().contains(folder) && std::filesystem::exists(file_.parent_path()))
        watcher_.addPath(folder);
    if (!watcher_.files().contains(file) && std::filesystem::exists(file_))
        watcher_.addPath(file);
}

void HolidaysFileWatch::look() {
    arm();
    const std::string now = signature();
    if (now == seen_)
        return;  // another file of the folder
    seen_ = now;
    emit changed();
}

// Which file the name stands for, and its size and time: a change of any.
std::string HolidaysFileWatch::signature() const {
    struct stat about {};
    if (::stat(file_.c_str(), &about) != 0)
        return "none";
    return std::to_string(about.st_ino) + " " + std::to_string(about.st_size) + " " +
           std::to_string(about.st_mtim.tv_sec) + "." + std::to_string(about.st_mtim.tv_nsec);
}

}  // namespace tollix
