#include "sound/SoundFolder.h"

#include "sound/SoundLibrary.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace tollix::sound {

namespace fs = std::filesystem;

namespace {

bool sameBytes(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec)
        return false;
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    return first && second &&
           std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

AddedSound addSound(const fs::path& file, const fs::path& folder,
                    const std::function<bool(const std::string&)>& replace) {
    AddedSound result{file.filename().string(), Added::Failed, {}};
    const fs::path target = folder / result.name;
    std::error_code ec;
    if (!isSoundFile(result.name) || !fs::is_regular_file(file, ec)) {
        result.error = "not a sound file";
        return result;
    }
    if (fs::exists(target, ec)) {
        if (sameBytes(file, target)) {
            result.added = Added::AlreadyThere;
            return result;
        }
        if (!replace(result.name)) {
            result.added = Added::Kept;
            return result;
        }
    }
    const fs::path part = folder / ("." + result.name + ".part");
    if (fs::copy_file(file, part, fs::copy_options::overwrite_existing, ec))
        fs::rename(part, target, ec);
    if (ec) {
        result.error = ec.message();
        fs::remove(part, ec);
        return result;
    }
    result.added = Added::Copied;
    return result;
}

std::vector<std::string> listOf(const fs::path& folder) {
    try {
        return SoundFolderScan(folder);
    } catch (const fs::filesystem_error&) {
        return {};  // gone or unreadable: nothing can be chosen from it
    }
}

}  // namespace

std::vector<AddedSound> addSounds(const std::vector<fs::path>& files, const fs::path& folder,
                                  const std::function<bool(const std::string&)>& replace) {
    std::vector<AddedSound> results;
    for (const auto& file : files) results.push_back(addSound(file, folder, replace));
    return results;
}

SoundFolderWatch::SoundFolderWatch(fs::path folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), list_(listOf(folder_)) {
    watcher_.addPath(QString::fromStdString(folder_.string()));
    // A copy is many changes: the list is read once they have settled.
    settle_.setSingleShot(true);
    settle_.setInterval(200);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&settle_, &QTimer::timeout, this, &SoundFolderWatch::look);
}

void SoundFolderWatch::look() {
    // A folder removed and made again is watched again.
    if (watcher_.directories().isEmpty())
        watcher_.addPath(QString::fromStdString(folder_.string()));
    std::vector<std::string> list = listOf(folder_);
    if (list == list_)
        return;
    list_ = std::move(list);
    emit changed(list_);
}

}  // namespace tollix::sound
