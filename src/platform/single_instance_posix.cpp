#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/instance_name.h"
#include "platform/single_instance.h"

namespace tarnwick::platform {
namespace {

std::string LockPath(const std::string& executablePath) {
  // The per-user runtime directory is private to the user; /tmp is the fallback.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string directory = runtime != nullptr && runtime[0] == '/' ? runtime : "/tmp";
  return directory + "/" + InstanceName(executablePath) + "-" + std::to_string(::getuid()) + ".lock";
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const std::string& executablePath) {
  const int fd = ::open(LockPath(executablePath).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return;
  handle_ = fd;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    outcome_ = Outcome::kAcquired;
  } else if (errno == EWOULDBLOCK) {
    outcome_ = Outcome::kHeldElsewhere;
  }
}

SingleInstanceLock::~SingleInstanceLock() {
  if (handle_ != -1) ::close(static_cast<int>(handle_));
}

}  // namespace tarnwick::platform
