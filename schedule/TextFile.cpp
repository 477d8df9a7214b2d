#include "schedule/TextFile.h"

#include "schedule/SafeFile.h"

#include <charconv>

namespace tollix::textfile {

std::string intLine(int value) {
    std::string line = value < 0 ? "-" : " ";
    line += std::to_string(value < 0 ? -static_cast<long>(value) : value);
    line += ' ';
    return line;
}

std::optional<int> parseInt(std::string_view line) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
    if (!line.empty() && line.front() == '+')
        line.remove_prefix(1);
    if (line.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc() || end != line.data() + line.size())
        return std::nullopt;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return value;
}

Lines Lines::read(const std::filesystem::path& file) {
    Lines result;
    const safefile::Reading reading = safefile::read(file, safefile::kDataLimit);
    result.error_ = reading.error;
    if (!reading.read())
        return result;
    result.exists_ = true;
    const std::string& data = reading.bytes;

    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\n', start);
        const bool last = end == std::string::npos;
        if (last)
            end = data.size();
        std::string line = data.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > kMaxLineLength || line.find('\0') != std::string::npos)
            result.lines_.emplace_back(std::nullopt);
        else
            result.lines_.emplace_back(std::move(line));
        start = end + 1;
    }
    return result;
}

std::optional<std::string> Lines::text(std::size_t index) const {
    if (index >= lines_.size())
        return std::nullopt;
    return lines_[index];
}

std::optional<int> Lines::integer(std::size_t index) const {
    const auto line = text(index);
    if (!line)
        return std::nullopt;
    return parseInt(*line);
}

std::string Lines::textOr(std::size_t index, const std::string& initial) const {
    return text(index).value_or(initial);
}

int Lines::integerOr(std::size_t index, int initial) const {
    return integer(index).value_or(initial);
}

int Lines::checkOr(std::size_t index, int initial) const {
    const auto value = integer(index);
    return value && (*value == 0 || *value == 1) ? *value : initial;
}

std::string write(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return safefile::write(file, bytes);
}

}  // namespace tollix::textfile
