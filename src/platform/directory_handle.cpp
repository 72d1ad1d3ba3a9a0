#include <utility>

#include "platform/directory_handle.h"
#include "platform/path_separator.h"

namespace tarnwick::platform {

DirectoryHandle::DirectoryHandle(DirectoryHandle&& other) noexcept
    : native_(std::exchange(other.native_, -1)) {}

DirectoryHandle& DirectoryHandle::operator=(DirectoryHandle&& other) noexcept {
  if (this != &other) {
    Close();
    native_ = std::exchange(other.native_, -1);
  }
  return *this;
}

DirectoryHandle::~DirectoryHandle() { Close(); }

std::error_code OpenDirectoryBelow(const DirectoryHandle& base, std::string_view relativePath,
                                   DirectoryHandle& directory) {
  DirectoryHandle current;
  if (auto error = DuplicateDirectory(base, current)) return error;
  while (!relativePath.empty()) {
    const size_t slash = relativePath.find(kPathSeparator);
    const std::string component(relativePath.substr(0, slash));
    relativePath = slash == std::string_view::npos ? std::string_view() : relativePath.substr(slash + 1);
    // "." and ".." never come from a listing; refusing them keeps a path from climbing out.
    if (component.empty() || component == "." || component == "..") {
      return std::make_error_code(std::errc::invalid_argument);
    }
    DirectoryHandle next;
    if (auto error = OpenChildDirectory(current, component, next)) return error;
    current = std::move(next);
  }
  directory = std::move(current);
  return {};
}

}  // namespace tarnwick::platform
