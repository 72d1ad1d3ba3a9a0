#include <sys/auxv.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "platform/process/executable_location.h"

namespace tarnwick::platform {
namespace {

std::optional<std::string> FromProcFileSystem() {
  std::string buffer(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return std::nullopt;
  buffer.resize(static_cast<size_t>(length));
  return buffer;
}

// Without /proc (a chroot, a sandbox): the path the program was started by, which the kernel
// keeps for it, resolved against the folder it was started in, with its links resolved.
std::optional<std::string> FromStartPath() {
  const char* started = reinterpret_cast<const char*>(::getauxval(AT_EXECFN));
  if (started == nullptr || started[0] == '\0') return std::nullopt;
  char resolved[PATH_MAX];
  if (::realpath(started, resolved) == nullptr) return std::nullopt;
  return std::string(resolved);
}

std::optional<ExecutableLocation> LocationOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (path.empty() || path.front() != '/' || slash == std::string::npos) return std::nullopt;
  ExecutableLocation location;
  location.directory = slash == 0 ? "/" : path.substr(0, slash);
  location.fileName = path.substr(slash + 1);
  return location;
}

}  // namespace

std::optional<ExecutableLocation> CurrentExecutable() {
  std::optional<std::string> path = FromProcFileSystem();
  if (!path) path = FromStartPath();
  return path ? LocationOf(*path) : std::nullopt;
}

}  // namespace tarnwick::platform
