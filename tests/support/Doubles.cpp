#include "tests/support/Doubles.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace tollix::test {

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::vector<std::pair<std::string, std::string>> snapshot(const std::filesystem::path& folder) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.emplace_back(
                entry.path().string(),
                readBytes(entry.path()) + "@" +
                    std::to_string(entry.last_write_time().time_since_epoch().count()));
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace tollix::test
