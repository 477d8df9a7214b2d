#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tollix::sound {

// ".mp3", ".wav", ".wma", ".ogg" or ".flac", compared in lower case.
bool isPlayableFile(std::string_view name);

// A sound of the list that is a file: playable, or spoken (".say").
bool isSoundFile(std::string_view name);

// A name without "." whose text before the first "_" is a number above 0: the
// music list's length in minutes. 0 for anything else.
long musicMinutes(std::string_view name);
inline bool isMusicFolder(std::string_view name) {
    return musicMinutes(name) > 0;
}

// The order of a sorted list box: without regard to case, ties by bytes.
bool listOrderLess(std::string_view a, std::string_view b);

// The entries of the sound list: the music folders and the sound files of
// the sound folder, in list order. Names are taken from the file system sorted
// by name, so that every listing is the same on every run. Throws
// std::filesystem::filesystem_error when the folder cannot be read.
std::vector<std::string> SoundFolderScan(const std::filesystem::path& soundFolder);

}  // namespace tollix::sound
