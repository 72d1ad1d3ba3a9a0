#include <sys/stat.h>

#include "platform/path/long_path.h"

namespace tarnwick::platform {

std::optional<std::string> QueryLongPathName(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::lstat(path.c_str(), &info) != 0) return std::nullopt;
  return path;
}

}  // namespace tarnwick::platform
