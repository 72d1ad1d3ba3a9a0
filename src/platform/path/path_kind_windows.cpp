#include "platform/path/path_kind.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

PathKind KindOfPath(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(ExtendedPath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kDirectory : PathKind::kOther;
}

}  // namespace tarnwick::platform
