#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The one way Tollix reads and writes its files. A reader never waits on what
// is not a file (a FIFO, a device) and never takes more than its kind of file
// can hold; a writer replaces a file whole or leaves it as it was.
namespace tollix::safefile {

// How much each kind of file may hold.
inline constexpr std::size_t kDataLimit = 4 * 1024 * 1024;       // data/*.ini
inline constexpr std::size_t kHolidaysLimit = 16 * 1024 * 1024;  // holidays.ini, .ics

struct Reading {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    // The text: a UTF-8 byte-order mark dropped, UTF-16 with a byte-order
    // mark turned into UTF-8.
    std::string bytes;
    // Why the file could not be read, "PATH: why"; empty otherwise.
    std::string error;
    bool tooLarge = false;  // Unreadable for its size alone

    bool read() const { return status == Status::Read; }
    bool missing() const { return status == Status::Missing; }
    bool unreadable() const { return status == Status::Unreadable; }
};

// The whole of a regular file of at most `limit` bytes. A missing file is
// Missing; anything else that is not such a file is Unreadable.
Reading read(const std::filesystem::path& file, std::size_t limit);

// The end of a regular file: its last `limit` bytes, from the first whole
// line on. The bytes are returned as they are.
Reading readTail(const std::filesystem::path& file, std::size_t limit);

// Replaces the file with `bytes`: a temporary file beside it, every write
// checked, synced and its size verified, then renamed over the old one. On
// any failure the old file stays as it was and the temporary one is removed.
// A symbolic link stays a link: the file it names is replaced. Anything that
// is not a regular file is refused. Returns "PATH: why", empty on success.
std::string write(const std::filesystem::path& file, std::string_view bytes);

// Moves a file that could not be read out of the way as NAME.unreadable, so
// that writing the file again does not lose it. Returns "PATH: why", empty on
// success or when there is nothing to move.
std::string keepAside(const std::filesystem::path& file);

}  // namespace tollix::safefile
