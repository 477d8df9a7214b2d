#include "sound/MusicList.h"

#include "sound/SoundLibrary.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace tollix::sound {

namespace {

bool isIntro(const std::string& name) {
    return name.rfind("##", 0) == 0;
}

fs::path listFilePath(const MusicList& list, const fs::path& soundFolder, const std::string& file) {
    return list.filesFromSoundFolder ? soundFolder / file : soundFolder / list.musicFolder / file;
}

fs::path firstPath(MusicList& list, const fs::path& soundFolder) {
    if (list.musicIntroFile != "N") {
        list.musicNextIndex = 1;
        return soundFolder / list.musicFolder / list.musicIntroFile;
    }
    list.musicNextIndex = 2;
    return listFilePath(list, soundFolder, list.musicFiles.front());
}

}  // namespace

std::vector<std::string> playableFiles(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (isPlayableFile(name) && !it->is_directory(typeError) &&
            name.find_first_of("\r\n") == std::string::npos)
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return listOrderLess(a, b); });
    return names;
}

std::optional<std::string> firstPlayableFile(const fs::path& soundFolder) {
    auto names = playableFiles(soundFolder);
    if (names.empty())
        return std::nullopt;
    return names.front();
}

fs::path StartMusicList(MusicList& list, const fs::path& soundFolder, const std::string& name) {
    list = MusicList{};
    list.musicFolder = name;
    for (const std::string& file : playableFiles(soundFolder / name)) {
        if (isIntro(file)) {
            list.musicIntroFile = file;  // the last one met wins
            continue;
        }
        // The first entry that compares greater by character codes.
        const auto at = std::upper_bound(list.musicFiles.begin(), list.musicFiles.end(), file);
        list.musicFiles.insert(at, file);
    }
    if (list.musicFiles.empty())
        return {};
    return firstPath(list, soundFolder);
}

fs::path StartScheduledMusicList(MusicList& list, const fs::path& soundFolder,
                                 const std::string& name) {
    fs::path first = StartMusicList(list, soundFolder, name);
    if (!first.empty())
        return first;
    const auto fallback = firstPlayableFile(soundFolder);
    if (!fallback) {
        list = MusicList{};
        return {};
    }
    list.musicFiles = {*fallback};
    list.filesFromSoundFolder = true;
    return firstPath(list, soundFolder);
}

fs::path NextMusicFile(MusicList& list, const fs::path& soundFolder) {
    if (list.musicFiles.empty())
        return {};
    if (list.musicNextIndex > list.musicFileCount() || list.musicNextIndex < 1)
        list.musicNextIndex = 1;
    const std::string& file = list.musicFiles[static_cast<std::size_t>(list.musicNextIndex - 1)];
    ++list.musicNextIndex;
    return listFilePath(list, soundFolder, file);
}

}  // namespace tollix::sound
