#include <utility>

#include "platform/dir/directory_handle.h"
#include "platform/dir/open_beneath.h"
#include "platform/path/path_separator.h"

namespace tarnwick::platform {

DirectoryHandle::DirectoryHandle(DirectoryHandle&& other) noexcept
    : native_(std::exchange(other.native_, -1)), mount_(other.mount_) {}

DirectoryHandle& DirectoryHandle::operator=(DirectoryHandle&& other) noexcept {
  if (this != &other) {
    Close();
    native_ = std::exchange(other.native_, -1);
    mount_ = other.mount_;
  }
  return *this;
}

DirectoryHandle::~DirectoryHandle() { Close(); }

std::error_code OpenDirectoryBelow(const DirectoryHandle& base, std::string_view relativePath,
                                   DirectoryHandle& directory) {
  // "." and ".." never come from a listing; refusing them keeps a path from climbing out.
  for (std::string_view rest = relativePath; !rest.empty();) {
    const size_t slash = rest.find(kPathSeparator);
    const std::string_view component = rest.substr(0, slash);
    if (component.empty() || component == "." || component == "..") {
      return std::make_error_code(std::errc::invalid_argument);
    }
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
  }
  if (!relativePath.empty()) {
    if (const auto resolved = OpenBeneathInKernel(base, relativePath, directory)) return *resolved;
  }
  DirectoryHandle current;
  if (auto error = DuplicateDirectory(base, current)) return error;
  while (!relativePath.empty()) {
    const size_t slash = relativePath.find(kPathSeparator);
    const std::string component(relativePath.substr(0, slash));
    relativePath = slash == std::string_view::npos ? std::string_view() : relativePath.substr(slash + 1);
    DirectoryHandle next;
    if (auto error = OpenChildDirectory(current, component, next)) return error;
    current = std::move(next);
  }
  directory = std::move(current);
  return {};
}

}  // namespace tarnwick::platform
