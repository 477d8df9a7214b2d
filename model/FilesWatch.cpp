#include "model/FilesWatch.h"

#include <sys/stat.h>

namespace tollix {

FilesWatch::FilesWatch(const std::vector<std::filesystem::path>& files, QObject* parent)
    : QObject(parent) {
    for (const auto& file : files) seen_[file] = signature(file);
    // A rename over a file ends the watch of the old one: the folder says
    // that the name has a new file, and the watch is put on it.
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settle_.start(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
    settle_.setSingleShot(true);
    settle_.setInterval(200);  // a writer may take a few steps
    connect(&settle_, &QTimer::timeout, this, &FilesWatch::look);
    arm();
}

void FilesWatch::own(const std::filesystem::path& file) {
    if (const auto found = seen_.find(file); found != seen_.end())
        found->second = signature(file);
}

void FilesWatch::arm() {
    const QStringList files = watcher_.files();
    const QStringList folders = watcher_.directories();
    for (const auto& [file, seen] : seen_) {
        const QString name = QString::fromStdString(file.string());
        const QString folder = QString::fromStdString(file.parent_path().string());
        if (!folders.contains(folder) && !watcher_.directories().contains(folder) &&
            std::filesystem::exists(file.parent_path()))
            watcher_.addPath(folder);
        if (!files.contains(name) && std::filesystem::exists(file))
            watcher_.addPath(name);
    }
}

void FilesWatch::look() {
    arm();
    for (auto& [file, seen] : seen_) {
        std::string now = signature(file);
        if (now == seen)
            continue;  // unchanged, or the program's own save
        seen = std::move(now);
        emit changed(QString::fromStdString(file.string()));
    }
}

// Which file the name stands for, and its size and time: a change of any.
std::string FilesWatch::signature(const std::filesystem::path& file) {
    struct stat about {};
    if (::stat(file.c_str(), &about) != 0)
        return "none";
    return std::to_string(about.st_ino) + " " + std::to_string(about.st_size) + " " +
           std::to_string(about.st_mtim.tv_sec) + "." + std::to_string(about.st_mtim.tv_nsec);
}

}  // namespace tollix
