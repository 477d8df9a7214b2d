#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tollix::sound {

// "NAME.say": words the bells speak, kept in the sound folder as text.
bool isSpokenFile(std::string_view name);

// A spoken sound as written: optional first lines "voice: de" and
// "before: chime.wav" (a sound of the folder played first), then the words.
struct SpokenText {
    std::string voice;   // empty: the program's language
    std::string before;  // empty: the words alone
    std::string text;
};
SpokenText parseSpoken(std::string_view content);
// Empty text when the file cannot be read.
SpokenText readSpoken(const std::filesystem::path& file);

// Words said at once are at most this many characters.
inline constexpr int kLongestSaid = 500;

// The WAV a spoken sound plays, or why there is none.
struct SpokenFile {
    std::filesystem::path file;
    std::string problem;
};

}  // namespace tollix::sound
