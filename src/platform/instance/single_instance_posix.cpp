#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/instance/instance_name.h"
#include "platform/instance/single_instance.h"

namespace tarnwick::platform {
namespace {

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

// A folder only this user can create files in: the runtime folder where the session has one,
// else the user's cache folder. Not /tmp: there another user could take the lock's name first.
std::string LockDirectory() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (IsAbsolute(runtime)) return runtime;
  std::string cache;
  if (const char* configured = std::getenv("XDG_CACHE_HOME"); IsAbsolute(configured)) {
    cache = configured;
  } else if (const char* home = std::getenv("HOME"); IsAbsolute(home)) {
    cache = std::string(home) + "/.cache";
  } else if (const passwd* user = ::getpwuid(::getuid()); user != nullptr) {
    cache = std::string(user->pw_dir) + "/.cache";
  }
  ::mkdir(cache.c_str(), 0700);
  const std::string directory = cache + "/tarnwick";
  ::mkdir(directory.c_str(), 0700);
  return directory;
}

std::string LockPath(const std::string& executablePath) {
  return LockDirectory() + "/" + InstanceName(executablePath) + "-" +
         std::to_string(::getuid()) + ".lock";
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
