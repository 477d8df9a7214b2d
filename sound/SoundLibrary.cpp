#include "sound/SoundLibrary.h"

#include "sound/SpokenText.h"

#include <algorithm>

namespace tollix::sound {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool endsWithLower(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size())
        return false;
    const auto tail = name.substr(name.size() - suffix.size());
    return std::equal(tail.begin(), tail.end(), suffix.begin(),
                      [](char a, char b) { return lower(a) == b; });
}

// A line break in a name could not be stored in the one-line-per-field files.
bool storable(std::string_view name) {
    return name.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace

bool isPlayableFile(std::string_view name) {
    return endsWithLower(name, ".mp3") || endsWithLower(name, ".wav") ||
           endsWithLower(name, ".wma") || endsWithLower(name, ".ogg") ||
           endsWithLower(name, ".flac");
}

bool isSoundFile(std::string_view name) {
    return isPlayableFile(name) || isSpokenFile(name);
}

long musicMinutes(std::string_view name) {
    if (name.find('.') != std::string_view::npos)
        return 0;
    const auto number = name.substr(0, name.find('_'));
    if (number.empty() || number.size() > 6)
        return 0;
    long minutes = 0;
    for (char c : number) {
        if (c < '0' || c > '9')
            return 0;
        minutes = minutes * 10 + (c - '0');
    }
    return minutes;
}

bool listOrderLess(std::string_view a, std::string_view b) {
    const auto n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = lower(a[i]);
        const char y = lower(b[i]);
        if (x != y)
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

std::vector<std::string> SoundFolderScan(const std::filesystem::path& soundFolder) {
    std::vector<std::string> folders;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(soundFolder)) {
        std::string name = entry.path().filename().string();
        if (!storable(name))
            continue;
        std::error_code ec;
        if (entry.is_directory(ec)) {
            if (isMusicFolder(name))
                folders.push_back(std::move(name));
        } else if (isSoundFile(name)) {
            files.push_back(std::move(name));
        }
    }
    // Music folders first, then files, as the list is filled; the list box
    // then orders them all.
    std::vector<std::string> list = std::move(folders);
    list.insert(list.end(), files.begin(), files.end());
    std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        return listOrderLess(a, b);
    });
    return list;
}

}  // namespace tollix::sound
