#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/file/settings_lock.h"
#include "platform/posix/posix_support.h"

namespace tarnwick::platform {

// The lock is taken on the folder that holds the file: the file itself is replaced by every
// save, so a lock on it would be gone with it, and a lock file beside it would be litter.
std::error_code SettingsLock::Acquire(const std::string& path, std::chrono::milliseconds patience) {
  UniqueFd folder(::open(ParentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.IsOpen()) return LastError();
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (::flock(folder.get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return LastError();
    if (std::chrono::steady_clock::now() >= deadline) {
      return std::make_error_code(std::errc::timed_out);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  handle_ = folder.release();
  return {};
}

SettingsLock::~SettingsLock() {
  if (handle_ != -1) ::close(static_cast<int>(handle_));  // closing releases the lock
}

}  // namespace tarnwick::platform
