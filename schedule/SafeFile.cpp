#include "schedule/SafeFile.h"

#include <QByteArray>
#include <QStringDecoder>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tollix::safefile {

namespace {

std::string failure(const fs::path& file, const std::string& why) {
    return file.string() + ": " + why;
}

std::string systemFailure(const fs::path& file, int error) {
    return failure(file, std::strerror(error));
}

std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a plain file";
}

std::string notAFile(const fs::path& file, mode_t mode) {
    return failure(file, "is " + kindOf(mode) + ", not a file");
}

std::string megabytes(std::size_t bytes) {
    return std::to_string(bytes / (1024 * 1024)) + " MB";
}

// Closes on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now; false when the close reported an error (NFS reports late).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Opens without waiting (a FIFO with no writer would hold us for ever) and
// makes sure it is a regular file before anything is read.
Reading openRegular(const fs::path& file, Descriptor& fd, struct stat& info) {
    Reading reading;
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return reading;  // Missing
        reading.status = Reading::Status::Unreadable;
        reading.error = systemFailure(file, errno);
        return reading;
    }
    if (::fstat(fd.get(), &info) != 0) {
        reading.status = Reading::Status::Unreadable;
        reading.error = systemFailure(file, errno);
        return reading;
    }
    if (!S_ISREG(info.st_mode)) {
        reading.status = Reading::Status::Unreadable;
        reading.error = notAFile(file, info.st_mode);
        return reading;
    }
    reading.status = Reading::Status::Read;
    return reading;
}

int openForReading(const fs::path& file) {
    return ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

// Reads at most `most` bytes from where the descriptor stands.
bool readUpTo(int fd, std::size_t most, std::string& bytes, int& error) {
    bytes.resize(most);
    std::size_t got = 0;
    while (got < most) {
        const ssize_t n = ::read(fd, bytes.data() + got, most - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            return false;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}

// UTF-8 without its byte-order mark; UTF-16 with one, as UTF-8.
bool decode(std::string& bytes) {
    const auto starts = [&](std::string_view mark) { return bytes.starts_with(mark); };
    if (starts("\xEF\xBB\xBF")) {
        bytes.erase(0, 3);
        return true;
    }
    if (!starts("\xFF\xFE") && !starts("\xFE\xFF"))
        return true;
    QStringDecoder utf16(QStringDecoder::Utf16);  // takes the order from the mark, drops it
    const QString text = utf16(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf16.hasError())
        return false;
    const QByteArray utf8 = text.toUtf8();
    bytes.assign(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    return true;
}

// The path a write replaces: the file itself, or what its links name.
bool resolveLinks(const fs::path& file, fs::path& target, std::string& error) {
    target = file;
    std::error_code ec;
    for (int hops = 0; fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        if (hops == 40) {
            error = failure(file, std::strerror(ELOOP));
            return false;
        }
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            error = failure(file, ec.message());
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return true;
}

std::string temporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    static thread_local std::mt19937 random(std::random_device{}());
    return "." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + "-" + std::to_string(random() % 1000000) + ".tmp";
}

}  // namespace

Reading read(const fs::path& file, std::size_t limit) {
    Descriptor fd(openForReading(file));
    struct stat info {};
    Reading reading = openRegular(file, fd, info);
    if (!reading.read())
        return reading;
    const auto fail = [&](const std::string& why) {
        reading.status = Reading::Status::Unreadable;
        reading.bytes.clear();
        reading.error = failure(file, why);
        return reading;
    };
    const std::string tooLarge = "is larger than such a file can be (" + megabytes(limit) + ")";
    reading.tooLarge = static_cast<std::uintmax_t>(info.st_size) > limit;
    if (reading.tooLarge)
        return fail(tooLarge);
    int error = 0;
    // One byte more than allowed tells a file that grew while being read.
    if (!readUpTo(fd.get(), limit + 1, reading.bytes, error))
        return fail(std::strerror(error));
    reading.tooLarge = reading.bytes.size() > limit;
    if (reading.tooLarge)
        return fail(tooLarge);
    if (!decode(reading.bytes))
        return fail("is not valid UTF-16 text");
    return reading;
}

Reading readTail(const fs::path& file, std::size_t limit) {
    Descriptor fd(openForReading(file));
    struct stat info {};
    Reading reading = openRegular(file, fd, info);
    if (!reading.read())
        return reading;
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    const bool cut = size > limit;
    int error = 0;
    // One byte before the part kept tells whether its first line is whole.
    if ((cut && ::lseek(fd.get(), static_cast<off_t>(size - limit - 1), SEEK_SET) < 0) ||
        !readUpTo(fd.get(), cut ? limit + 1 : limit, reading.bytes, error)) {
        reading.status = Reading::Status::Unreadable;
        reading.bytes.clear();
        reading.error = systemFailure(file, error ? error : errno);
        return reading;
    }
    if (cut)  // up to the end of the line the part began in
        reading.bytes.erase(0, std::min(reading.bytes.size(), reading.bytes.find('\n') + 1));
    return reading;
}

std::string write(const fs::path& file, std::string_view bytes) {
    fs::path target;
    std::string error;
    if (!resolveLinks(file, target, error))
        return error;
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return systemFailure(file, errno);
    if (replacing && !S_ISREG(old.st_mode))
        return notAFile(file, old.st_mode) + ": it is not replaced";

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temporary;
    int created = -1;
    for (int attempt = 0; created < 0 && attempt < 100; ++attempt) {
        temporary = folder / temporaryName(target);
        created = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST)
            return systemFailure(file, errno);
    }
    if (created < 0)
        return systemFailure(file, EEXIST);
    Descriptor fd(created);
    const auto fail = [&](int code) {
        fd.close();
        ::unlink(temporary.c_str());
        return systemFailure(file, code);
    };
    // The new file keeps the old one's permissions.
    if (replacing && ::fchmod(fd.get(), old.st_mode & 07777) != 0)
        return fail(errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    struct stat written {};
    if (::fstat(fd.get(), &written) != 0)
        return fail(errno);
    if (static_cast<std::uintmax_t>(written.st_size) != bytes.size())
        return fail(EIO);
    if (!fd.close()) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return systemFailure(file, code);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return systemFailure(file, code);
    }
    // The rename reaches the disk with the folder; the new file is in place
    // either way, so a failure here is not a failed save.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return {};
}

std::string keepAside(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(file, ec)))
        return {};
    fs::path aside = file;
    aside += ".unreadable";
    // The entry itself moves: a link stays a link, a device is not touched.
    fs::rename(file, aside, ec);
    return ec ? failure(aside, ec.message()) : std::string();
}

}  // namespace tollix::safefile
