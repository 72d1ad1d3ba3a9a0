#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "platform/file/held_file.h"
#include "platform/file/whole_file.h"
#include "platform/posix/posix_support.h"

namespace tarnwick::platform {
namespace {

// A settings file reached through a link is replaced where the link points, so the link stays;
// that holds for a link whose target does not exist yet, too.
std::string ResolveLink(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {  // as many as the kernel follows
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof target) return path;
    const std::string next(target, static_cast<size_t>(length));
    path = next.front() == '/' ? next : ParentFolder(path) + "/" + next;
  }
  return path;
}

// Reads the open file to its end, or refuses it once it holds more than `limit` bytes.
std::error_code ReadOpenFile(int fd, const struct stat& info, size_t limit, std::string& content) {
  if (static_cast<uint64_t>(info.st_size) > limit) {
    return std::make_error_code(std::errc::file_too_large);
  }
  if (info.st_size > 0) content.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) return {};
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    // It may have grown since it was looked at.
    if (static_cast<size_t>(n) > limit - content.size()) {
      return std::make_error_code(std::errc::file_too_large);
    }
    content.append(buffer, static_cast<size_t>(n));
  }
}

}  // namespace

std::error_code ReadWholeFile(const std::string& path, std::string& content) {
  content.clear();
  UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.IsOpen()) return LastError();
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return LastError();
  if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  return ReadOpenFile(file.get(), info, SIZE_MAX, content);
}

std::error_code ReadRegularFile(const std::string& path, size_t limit, std::string& content) {
  content.clear();
  // O_NONBLOCK: opening a FIFO would wait for a writer.
  UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!file.IsOpen()) return LastError();
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return LastError();
  if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  if (!S_ISREG(info.st_mode)) return NotARegularFile();
  return ReadOpenFile(file.get(), info, limit, content);
}

std::error_code ReplaceWholeFile(const std::string& requestedPath, const std::string& content) {
  const std::string path = ResolveLink(requestedPath);
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists) {
    if (!S_ISREG(existing.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return LastError();
  } else if (errno != ENOENT) {
    return LastError();
  }

  const std::string directory = ParentFolder(path);
  std::string temporary = path + ".XXXXXX";
  UniqueFd file(::mkstemp(temporary.data()));
  if (!file.IsOpen()) return LastError();

  auto fail = [&temporary](std::error_code error) {
    ::unlink(temporary.c_str());
    return error;
  };
  if (auto error = WriteAll(file.get(), content)) return fail(error);
  // The new file takes the old one's owner, group and mode: a save by root of another user's
  // file must leave that user able to save it again. Others can only keep what is theirs.
  if (exists && ::fchown(file.get(), existing.st_uid, existing.st_gid) != 0 && ::geteuid() == 0) {
    return fail(LastError());
  }
  const mode_t mode = exists ? existing.st_mode & 07777 : 0644;
  if (::fchmod(file.get(), mode) != 0 || ::fsync(file.get()) != 0) return fail(LastError());
  if (::close(file.release()) != 0) return fail(LastError());
  if (::rename(temporary.c_str(), path.c_str()) != 0) return fail(LastError());

  // Make the rename itself durable; a failure here no longer endangers the file.
  UniqueFd parent(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (parent.IsOpen()) ::fsync(parent.get());
  return {};
}

}  // namespace tarnwick::platform
