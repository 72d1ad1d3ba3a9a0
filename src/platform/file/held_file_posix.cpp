#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/file/held_file.h"
#include "platform/file/private_posix.h"
#include "platform/posix/posix_support.h"

namespace tarnwick::platform {
namespace {

constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

int Fd(const DirectoryHandle& folder) { return static_cast<int>(folder.NativeHandle()); }

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

std::error_code HeldFile::Adopt(const DirectoryHandle& folder, const std::string& name,
                                intptr_t handle) {
  handle_ = handle;
  name_ = name;
  struct stat info {};
  if (::fstat(static_cast<int>(handle), &info) != 0) return LastError();
  size_ = static_cast<uint64_t>(info.st_size);
  return DuplicateDirectory(folder, folder_);
}

std::error_code HeldFile::Create(const DirectoryHandle& folder, const std::string& name) {
  Release();
  UniqueFd file(
      ::openat(Fd(folder), name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_APPEND | kFlags, 0600));
  if (!file.IsOpen()) return LastError();
  if (const std::error_code error = Hold(file.get())) return error;
  return Adopt(folder, name, file.release());
}

std::error_code HeldFile::Open(const DirectoryHandle& folder, const std::string& name) {
  Release();
  for (;;) {
    UniqueFd file(::openat(Fd(folder), name.c_str(), O_RDWR | O_APPEND | kFlags));
    if (!file.IsOpen()) return errno == ELOOP ? NotARegularFile() : LastError();
    struct stat held {};
    if (::fstat(file.get(), &held) != 0) return LastError();
    if (S_ISDIR(held.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(held.st_mode)) return NotARegularFile();
    if (const std::error_code error = WhyNotPrivate(held)) return error;
    if (const std::error_code error = Hold(file.get())) return error;
    // Held, it must still be the file of that name: one replaced meanwhile is opened anew.
    struct stat named {};
    if (::fstatat(Fd(folder), name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) return LastError();
    if (named.st_dev != held.st_dev || named.st_ino != held.st_ino) continue;
    // It lists what the user threw away: for the user's eyes only, as the trash is.
    if ((held.st_mode & 077) != 0) ::fchmod(file.get(), held.st_mode & 0700);
    return Adopt(folder, name, file.release());
  }
}

std::error_code HeldFile::Append(std::string_view bytes) {
  const int fd = static_cast<int>(handle_);
  if (const std::error_code error = WriteAll(fd, bytes)) {
    // Cut back to the last whole append; a part of it would glue onto the next.
    if (::ftruncate(fd, static_cast<off_t>(size_)) != 0) return LastError();
    return error;
  }
  size_ += bytes.size();
  return {};
}

std::error_code HeldFile::Sync() {
  if (::fdatasync(static_cast<int>(handle_)) != 0) return LastError();
  if (::fsync(Fd(folder_)) != 0) return LastError();
  return {};
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
    const ssize_t n =
        ::pread(fd, content.data() + done, content.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return LastError();
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  content.resize(done);
  return {};
}

std::error_code HeldFile::Replace(const std::string& content) {
  const int folder = Fd(folder_);
  // A new file beside it, then renamed over it: a reader sees the old or the new bytes.
  std::string temporary;
  UniqueFd file;
  for (unsigned attempt = 0; !file.IsOpen(); ++attempt) {
    temporary = name_ + ".neu-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    file = UniqueFd(::openat(folder, temporary.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.IsOpen() && (errno != EEXIST || attempt > 100)) return LastError();
  }
  std::error_code error = WriteAll(file.get(), content);
  if (!error && ::fsync(file.get()) != 0) error = LastError();
  if (!error && ::renameat(folder, temporary.c_str(), folder, name_.c_str()) != 0) {
    error = LastError();
  }
  if (error) {
    ::unlinkat(folder, temporary.c_str(), 0);
  } else {
    ::fsync(folder);
  }
  Release();
  return error;
}

std::error_code HeldFile::Remove() {
  const std::error_code error =
      ::unlinkat(Fd(folder_), name_.c_str(), 0) == 0 ? std::error_code() : LastError();
  Release();
  return error;
}

}  // namespace tarnwick::platform
