#include "sound/SpokenText.h"

#include <fstream>
#include <iterator>

namespace tollix::sound {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

// "voice: de" → "de" when `line` starts with `key` and a colon, in any case.
bool header(std::string_view line, std::string_view key, std::string& value) {
    line = trimmed(line);
    if (line.size() <= key.size() || line[key.size()] != ':')
        return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if ((line[i] | 0x20) != key[i])
            return false;
    value = trimmed(line.substr(key.size() + 1));
    return !value.empty();
}

}  // namespace

bool isSpokenFile(std::string_view name) {
    constexpr std::string_view suffix = ".say";
    if (name.size() <= suffix.size())
        return false;
    const auto tail = name.substr(name.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if ((tail[i] | 0x20) != suffix[i])
            return false;
    return true;
}

SpokenText parseSpoken(std::string_view content) {
    if (content.starts_with("\xEF\xBB\xBF"))
        content.remove_prefix(3);  // a byte order mark some editors write
    SpokenText spoken;
    // The header lines come first, in either order, each at most once.
    for (int lines = 0; lines < 2 && !content.empty(); ++lines) {
        const auto end = content.find('\n');
        const std::string_view line = content.substr(0, end);
        if (!(spoken.voice.empty() && header(line, "voice", spoken.voice)) &&
            !(spoken.before.empty() && header(line, "before", spoken.before)))
            break;
        content = end == std::string_view::npos ? std::string_view{} : content.substr(end + 1);
    }
    spoken.text = trimmed(content);
    return spoken;
}

SpokenText readSpoken(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return parseSpoken(content);
}

}  // namespace tollix::sound
