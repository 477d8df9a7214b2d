#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollix {

// The line layer shared by every data file: one field per line, CR LF after
// each line, integers with a blank (or the minus sign) before and a blank after.
namespace textfile {

// Longest line a reader accepts; anything longer is damage, not a setting.
inline constexpr std::size_t kMaxLineLength = 4096;

std::string intLine(int value);

// A whole line as a 16-bit integer, blanks around it ignored; nullopt for
// anything else.
std::optional<int> parseInt(std::string_view line);

// The lines of a file as read from disk. Missing or over-long lines read as
// nullopt so that each reader can put the field's initial value in their place.
class Lines {
  public:
    static Lines read(const std::filesystem::path& file);

    bool exists() const { return exists_; }
    // Why a file that is there could not be read (not a file, too large);
    // empty when it was read or is missing.
    const std::string& error() const { return error_; }
    std::size_t count() const { return lines_.size(); }
    std::optional<std::string> text(std::size_t index) const;
    std::optional<int> integer(std::size_t index) const;

    std::string textOr(std::size_t index, const std::string& initial) const;
    int integerOr(std::size_t index, int initial) const;
    // A 0/1 check box state; anything else gives the initial state.
    int checkOr(std::size_t index, int initial) const;

  private:
    bool exists_ = false;
    std::string error_;
    std::vector<std::optional<std::string>> lines_;
};

// Writes the lines whole and atomically: a crash or power cut leaves either the
// old file or the new one, never a part. Returns an error text, empty on success.
std::string write(const std::filesystem::path& file, const std::vector<std::string>& lines);

}  // namespace textfile
}  // namespace tollix
