#include "sound/StateFile.h"

#include <QSaveFile>

#include <fstream>

namespace tollix::sound {

std::vector<std::string> readStateFile(const std::filesystem::path& file) {
    constexpr std::size_t kMostLines = 256;
    std::vector<std::string> lines;
    std::ifstream in(file);
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
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString().toStdString();
    for (const auto& line : lines) out.write((line + '\n').c_str());
    return out.commit() ? std::string() : out.errorString().toStdString();
}

}  // namespace tollix::sound
