#include <unistd.h>

#include <string>

#include "platform/process/executable_location.h"

namespace tarnwick::platform {

std::optional<ExecutableLocation> CurrentExecutable() {
  std::string buffer(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return std::nullopt;
  buffer.resize(static_cast<size_t>(length));

  const size_t slash = buffer.rfind('/');
  if (slash == std::string::npos) return std::nullopt;
  ExecutableLocation location;
  location.directory = slash == 0 ? "/" : buffer.substr(0, slash);
  location.fileName = buffer.substr(slash + 1);
  return location;
}

}  // namespace tarnwick::platform
