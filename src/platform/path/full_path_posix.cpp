#include "platform/path/full_path.h"

#include <unistd.h>

#include <memory>

namespace tarnwick::platform {

std::string FullPathName(const std::string& path) { return path; }

std::string AbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  const std::unique_ptr<char, decltype(&::free)> current(::getcwd(nullptr, 0), &::free);
  if (current == nullptr) return path;
  std::string absolute = current.get();
  if (absolute.back() != '/') absolute += '/';
  return absolute + path;
}

}  // namespace tarnwick::platform
