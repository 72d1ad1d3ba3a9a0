// What the POSIX implementations share: the owner of a file descriptor, the reason a call
// failed, a write that does not stop short, and the folder a path lies in.
#pragma once

#include <unistd.h>

#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace tarnwick::platform {

// The reason the system call just made failed, from errno. Only right after a call that
// reported failure: a call that succeeded leaves errno as it was.
std::error_code LastError();

// Closes a descriptor when it goes out of scope.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_ = -1;
};

// Writes all of `content`, however many calls it takes. A write that makes no progress (a
// full file system can answer so without an errno) fails with std::errc::no_space_on_device.
std::error_code WriteAll(int fd, std::string_view content);

// The folder that holds `path`: "." for a bare name, "/" for an entry at the top.
std::string ParentFolder(const std::string& path);

}  // namespace tarnwick::platform
