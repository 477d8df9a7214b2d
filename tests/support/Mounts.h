#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include <sys/mount.h>
#include <unistd.h>

namespace tollix::test {

// A small tmpfs of the test's own over a temporary folder: a disk that fills
// up, or a folder that not even root may write. Needs root; `error()` says
// why it could not be mounted.
class SmallFileSystem {
  public:
    SmallFileSystem(std::filesystem::path at, const std::string& size) : at_(std::move(at)) {
        if (::geteuid() != 0)
            error_ = "mounting a file system needs root";
        else if (::mount("tollix-test", at_.c_str(), "tmpfs", 0, ("size=" + size).c_str()) != 0)
            error_ = std::string("mount: ") + std::strerror(errno);
    }
    ~SmallFileSystem() {
        if (error_.empty())
            ::umount2(at_.c_str(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    const std::string& error() const { return error_; }
    bool makeReadOnly() {
        return ::mount(nullptr, at_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    std::filesystem::path at_;
    std::string error_;
};

}  // namespace tollix::test
