#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file/held_file.h"
#include "platform/file/whole_file.h"
#include "platform/posix/posix_support.h"

namespace tarnwick::platform {
namespace {

constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

std::error_code Hold(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return {};
  if (errno == EWOULDBLOCK) return std::make_error_code(std::errc::device_or_resource_busy);
  return LastError();
}

}  // namespace

HeldFile::~HeldFile() { Release(); }

void HeldFile::Release() {
  if (handle_ != -1) ::close(static_cast<int>(handle_));
  handle_ = -1;
}

std::error_code HeldFile::Create(const std::string& path) {
  Release();
  UniqueFd file(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_APPEND | kFlags, 0600));
  if (!file.IsOpen()) return LastError();
  if (const std::error_code error = Hold(file.get())) return error;
  path_ = path;
  handle_ = file.release();
  return {};
}

std::error_code HeldFile::Open(const std::string& path) {
  Release();
  for (;;) {
    UniqueFd file(::open(path.c_str(), O_RDWR | O_APPEND | kFlags));
    if (!file.IsOpen()) return LastError();
    struct stat held {};
    if (::fstat(file.get(), &held) != 0) return LastError();
    if (S_ISDIR(held.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(held.st_mode)) return NotARegularFile();
    if (const std::error_code error = Hold(file.get())) return error;
    // Held, it must still be the file of that name: one replaced meanwhile is opened anew.
    struct stat named {};
    if (::lstat(path.c_str(), &named) != 0) return LastError();
    if (named.st_dev != held.st_dev || named.st_ino != held.st_ino) continue;
    // It lists what the user threw away: for the user's eyes only, as the trash is.
    if ((held.st_mode & 077) != 0) ::fchmod(file.get(), held.st_mode & 0700);
    path_ = path;
    handle_ = file.release();
    return {};
  }
}

std::error_code HeldFile::Append(std::string_view bytes) {
  return WriteAll(static_cast<int>(handle_), bytes);
}

std::error_code HeldFile::Read(size_t limit, std::string& content) const {
  const int fd = static_cast<int>(handle_);
  struct stat info {};
  if (::fstat(fd, &info) != 0) return LastError();
  if (static_cast<uint64_t>(info.st_size) > limit) {
    return std::make_error_code(std::errc::file_too_large);
  }
  content.assign(static_cast<size_t>(info.st_size), '\0');
  size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::pread(fd, content.data() + done, content.size() - done,
                              static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return LastError();
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  content.resize(done);
  return {};
}

std::error_code HeldFile::Replace(const std::string& content) {
  const std::error_code error = ReplaceWholeFile(path_, content);
  Release();
  return error;
}

std::error_code HeldFile::Remove() {
  const std::error_code error = ::unlink(path_.c_str()) == 0 ? std::error_code() : LastError();
  Release();
  return error;
}

}  // namespace tarnwick::platform
