#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tollix::sound {

// A music folder being played.
struct MusicList {
    std::string musicFolder;
    // The list proper, in playing order (case-sensitive by character codes).
    std::vector<std::string> musicFiles;
    // The "##" file played once at the start, or "N".
    std::string musicIntroFile = "N";
    // 1-based position of the file that follows the one now playing.
    int musicNextIndex = 0;
    // The list is the fall-back file, taken from the sound folder itself.
    bool filesFromSoundFolder = false;

    int musicFileCount() const { return static_cast<int>(musicFiles.size()); }
};

// Folder listings in one fixed order on every run: the order of the sound
// list (without regard to case), so "first" and "last" mean what the operator
// sees in the list. Unreadable folders list nothing.
std::vector<std::string> playableFiles(const std::filesystem::path& folder);
std::optional<std::string> firstPlayableFile(const std::filesystem::path& soundFolder);

// Builds `list` for the music folder `name` and returns the path of its first
// file; an empty path when the folder holds no playable file but intro files.
std::filesystem::path StartMusicList(MusicList& list, const std::filesystem::path& soundFolder,
                                     const std::string& name);

// The same for a bell of the schedule, which always sounds when any playable
// file exists: a missing or empty music folder plays the first playable file
// of the sound folder (after the intro, if there is one). Empty when the
// sound folder holds no playable file either.
std::filesystem::path StartScheduledMusicList(MusicList& list,
                                              const std::filesystem::path& soundFolder,
                                              const std::string& name);

// The path of the file that comes next, wrapping to the first after the
// last, and moves the list on.
std::filesystem::path NextMusicFile(MusicList& list, const std::filesystem::path& soundFolder);

}  // namespace tollix::sound
