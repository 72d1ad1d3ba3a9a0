#include "engine/directory_listing.h"

#include <algorithm>

namespace tarnwick::engine {

std::error_code ListDirectory(const platform::DirectoryHandle& directory,
                              DirectoryListing& listing) {
  listing.subdirectories.clear();
  listing.files.clear();
  std::vector<platform::DirectoryEntry> entries;
  if (auto error = platform::ReadDirectory(directory, entries)) return error;
  for (auto& entry : entries) {
    auto& target = entry.kind == platform::EntryKind::kDirectory ? listing.subdirectories
                                                                  : listing.files;
    target.push_back(std::move(entry.name));
  }
  std::sort(listing.subdirectories.begin(), listing.subdirectories.end());
  std::sort(listing.files.begin(), listing.files.end());
  return {};
}

}  // namespace tarnwick::engine
