#include "sound/StateFile.h"

#include "schedule/SafeFile.h"

#include <sstream>

namespace tollix::sound {

std::vector<std::string> readStateFile(const std::filesystem::path& file) {
    // A few sink names or one volume: anything larger is not ours.
    constexpr std::size_t kMostLines = 256;
    std::vector<std::string> lines;
    std::istringstream in(safefile::read(file, 64 * 1024).bytes);
    for (std::string line; lines.size() < kMostLines && std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

std::string writeStateFile(const std::filesystem::path& file,
                           const std::vector<std::string>& lines) {
    std::error_code ec;
    if (lines.empty()) {
        std::filesystem::remove(file, ec);
        return ec ? ec.message() : std::string();
    }
    std::filesystem::create_directories(file.parent_path(), ec);
    std::string text;
    for (const auto& line : lines) text += line + '\n';
    return safefile::write(file, text);
}

}  // namespace tollix::sound
