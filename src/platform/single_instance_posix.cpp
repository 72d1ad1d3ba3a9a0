#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/single_instance.h"

namespace tarnwick::platform {
namespace {

// FNV-1a: a stable name for the executable's path, the same in every run.
uint64_t PathHash(std::string_view path) {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : path) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string LockPath(const std::string& executablePath) {
  // The per-user runtime directory is private to the user; /tmp is the fallback.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string directory = runtime != nullptr && runtime[0] == '/' ? runtime : "/tmp";
  char name[96];
  std::snprintf(name, sizeof name, "/tarnwick-%u-%016llx.lock", static_cast<unsigned>(::getuid()),
                static_cast<unsigned long long>(PathHash(executablePath)));
  return directory + name;
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const std::string& executablePath) {
  fd_ = ::open(LockPath(executablePath).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    outcome_ = Outcome::kAcquired;
  } else if (errno == EWOULDBLOCK) {
    outcome_ = Outcome::kHeldElsewhere;
  }
}

SingleInstanceLock::~SingleInstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace tarnwick::platform
