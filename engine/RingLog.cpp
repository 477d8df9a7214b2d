#include "engine/RingLog.h"

#include "schedule/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tollix {

namespace {

// A field holds no tab or line break, whatever a file name holds.
std::string field(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return out;
}

// Cut to at most `bytes`, never inside a UTF-8 character.
void cut(std::string& text, std::size_t bytes) {
    if (text.size() <= bytes)
        return;
    std::size_t at = bytes;
    while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
    text.resize(at);
}

std::string timestamp(const LocalTime& t) {
    const int offset = t.utcOffsetSeconds;
    const int minutes = (offset < 0 ? -offset : offset) / 60;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d%c%02d:%02d", t.year,
                  t.month, t.day, t.hour, t.minute, t.second, t.millisecond, offset < 0 ? '-' : '+',
                  minutes / 60 % 100, minutes % 60);
    return text;
}

// The record is read from its end: never more than it may hold, and nothing
// at all from what is not a file (an endless device, a FIFO).
std::vector<std::string> readLines(const fs::path& file, std::string* error) {
    const safefile::Reading reading = safefile::readTail(file, RingLog::kLimitBytes);
    if (error && error->empty())
        *error = reading.error;
    std::vector<std::string> lines;
    std::istringstream in(reading.bytes);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

RingLog::RingLog(fs::path file, std::size_t limitBytes)
    : file_(std::move(file)), limit_(limitBytes) {}

fs::path RingLog::defaultFile() {
    const char* state = std::getenv("XDG_STATE_HOME");
    fs::path folder;
    if (state && *state == '/') {
        folder = state;
    } else {
        const char* home = std::getenv("HOME");
        folder = fs::path(home && *home ? home : "/tmp") / ".local" / "state";
    }
    return folder / "tollix" / "rings.log";
}

const char* RingLog::word(RingOutcome outcome) {
    switch (outcome) {
        case RingOutcome::Rang:
            return "rang";
        case RingOutcome::NotHeard:
            return "not-heard";
        case RingOutcome::Failed:
            return "failed";
        case RingOutcome::Missed:
            return "missed";
        case RingOutcome::Held:
            return "held";
        case RingOutcome::Adjusted:
            return "adjusted";
        case RingOutcome::Restored:
            return "restored";
        case RingOutcome::Web:
            return "web";
        case RingOutcome::Alarm:
            return "alarm";
        case RingOutcome::AllClear:
            return "all-clear";
    }
    return "rang";
}

std::string RingLog::line(const RingRecord& record) {
    std::string head = timestamp(record.when) + '\t' + word(record.outcome) + '\t';
    std::string sound = field(record.sound);
    std::string reason = field(record.reason);
    // An absurd name is cut, never the line split: the reason keeps its room first.
    const std::size_t room = kLineBytes - head.size() - 2;  // the tab and the newline
    cut(reason, room / 2);
    cut(sound, room - reason.size());
    return head + sound + '\t' + reason + '\n';
}

bool RingLog::rotate(std::size_t adding, std::string& error) {
    std::error_code ec;
    if (!ready_) {
        fs::create_directories(file_.parent_path(), ec);
        if (ec) {
            error = file_.parent_path().string() + ": " + ec.message();
            return false;
        }
        const auto size = fs::file_size(file_, ec);
        size_ = ec ? 0 : static_cast<std::size_t>(size);
        ready_ = true;
    }
    if (size_ + adding <= limit_)
        return true;
    fs::path old = file_;
    old += ".1";
    fs::rename(file_, old, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        error = old.string() + ": " + ec.message();
        return false;
    }
    size_ = 0;
    return true;
}

std::string RingLog::append(const RingRecord& record) {
    const std::string text = line(record);
    std::string error;
    if (!rotate(text.size(), error))
        return error;
    // Without waiting: a FIFO in the record's place must not hold the tick.
    const int fd =
        ::open(file_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) {
        ready_ = false;  // the folder may have gone: made again next time
        return file_.string() + ": " + std::strerror(errno);
    }
    const ssize_t written = ::write(fd, text.data(), text.size());
    const int writeError = errno;
    ::close(fd);
    if (written > 0)
        size_ += static_cast<std::size_t>(written);
    if (written != static_cast<ssize_t>(text.size()))
        return file_.string() + ": " + (written < 0 ? std::strerror(writeError) : "short write");
    return {};
}

std::vector<std::string> RingLog::lastLines(const fs::path& file, std::size_t count,
                                            std::string* error) {
    std::vector<std::string> lines = readLines(file, error);
    if (lines.size() < count) {
        fs::path old = file;
        old += ".1";
        std::vector<std::string> older = readLines(old, error);
        older.insert(older.end(), lines.begin(), lines.end());
        lines = std::move(older);
    }
    if (lines.size() > count)
        lines.erase(lines.begin(), lines.end() - static_cast<long>(count));
    return lines;
}

}  // namespace tollix
