#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/mount.h>

namespace tollix::test {

// A small tmpfs over a test's folder (root only): a disk that fills up, or a
// folder not even root may write. `error()` says why there is none.
class SmallFileSystem {
  public:
    SmallFileSystem(std::filesystem::path at, const std::string& size) : at_(std::move(at)) {
        if (::mount("tollix-test", at_.c_str(), "tmpfs", 0, ("size=" + size).c_str()) != 0)
            error_ = std::string("mount: ") + std::strerror(errno);
    }
    ~SmallFileSystem() {
        if (error_.empty())
            ::umount2(at_.c_str(), MNT_DETACH);
    }
    const std::string& error() const { return error_; }
    bool makeReadOnly() {
        return ::mount(nullptr, at_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    std::filesystem::path at_;
    std::string error_;
};

}  // namespace tollix::test
