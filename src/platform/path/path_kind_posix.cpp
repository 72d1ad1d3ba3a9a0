#include <sys/stat.h>

#include "platform/path/path_kind.h"

namespace tarnwick::platform {

PathKind KindOfPath(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return PathKind::kMissing;
  return S_ISDIR(status.st_mode) ? PathKind::kDirectory : PathKind::kOther;
}

}  // namespace tarnwick::platform
