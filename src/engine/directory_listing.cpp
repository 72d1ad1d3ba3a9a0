#include "engine/directory_listing.h"

#include <algorithm>
#include <cstring>

namespace tarnwick::engine {

std::error_code DirectoryListing::Read(const platform::DirectoryHandle& directory) {
  Clear();
  // Room for a typical directory at once, rather than growing it step by step.
  names_.reserve(2048);
  files_.reserve(64);
  const std::error_code error =
      platform::ReadDirectory(directory, [this](std::string_view name, platform::EntryKind kind,
                                                uint64_t number) {
        if (kind == platform::EntryKind::kDirectory) {
          subdirectories_.push_back({names_.size(), number});
        } else {
          files_.push_back(names_.size());
        }
        names_.append(name);
        names_.push_back('\0');
      });
  if (error) {
    // A directory that could not be read whole is treated as unreadable, not half-searched.
    Clear();
    return error;
  }
  const char* names = names_.data();
  const auto byName = [names](size_t a, size_t b) { return std::strcmp(names + a, names + b) < 0; };
  std::sort(subdirectories_.begin(), subdirectories_.end(),
            [&byName](const ListedSubdirectory& a, const ListedSubdirectory& b) {
              return byName(a.name, b.name);
            });
  std::sort(files_.begin(), files_.end(), byName);
  return {};
}

void DirectoryListing::Clear() {
  names_.clear();
  subdirectories_.clear();
  files_.clear();
}

std::string_view DirectoryListing::NameAt(size_t offset) const {
  return std::string_view(names_.data() + offset);
}

}  // namespace tarnwick::engine
