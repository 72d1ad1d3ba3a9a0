#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/settings_lock.h"

namespace tarnwick::platform {
namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

// The lock is taken on the folder that holds the file: the file itself is replaced by every
// save, so a lock on it would be gone with it, and a lock file beside it would be litter.
std::error_code SettingsLock::Acquire(const std::string& path, std::chrono::milliseconds patience) {
  const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return {errno, std::generic_category()};
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (::flock(folder, LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
      const std::error_code error = errno == EWOULDBLOCK ? std::make_error_code(std::errc::timed_out)
                                                         : std::error_code(errno, std::generic_category());
      ::close(folder);
      return error;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  handle_ = folder;
  return {};
}

SettingsLock::~SettingsLock() {
  if (handle_ != -1) ::close(static_cast<int>(handle_));  // closing releases the lock
}

}  // namespace tarnwick::platform
