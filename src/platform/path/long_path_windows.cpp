#include "platform/path/long_path.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

std::optional<std::string> QueryLongPathName(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const std::wstring wide = Wide(path);
  const DWORD needed = ::GetLongPathNameW(wide.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::wstring longPath(needed, L'\0');
  const DWORD length = ::GetLongPathNameW(wide.c_str(), longPath.data(), needed);
  if (length == 0 || length >= needed) return std::nullopt;
  longPath.resize(length);
  return Narrow(longPath);
}

}  // namespace tarnwick::platform
