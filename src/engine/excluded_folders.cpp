#include "engine/excluded_folders.h"

#include <algorithm>

namespace tarnwick::engine {
namespace {

class ExcludedFolderCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "tarnwick.excluded"; }
  std::string message(int) const override { return "an excluded folder"; }
};

}  // namespace

ExcludedFolders::ExcludedFolders(std::span<const std::string> paths) {
  for (const std::string& path : paths) {
    if (path.empty()) continue;  // an empty entry names no folder, not even a missing one
    if (const auto identity = platform::IdentityOfFolder(path)) {
      identities_.push_back(*identity);
    } else {
      missing_.push_back(path);
    }
  }
}

bool ExcludedFolders::Excludes(const platform::DirectoryHandle& folder) const {
  if (identities_.empty()) return false;
  const auto above = platform::FolderAndItsParents(folder);
  return std::find_first_of(above.begin(), above.end(), identities_.begin(), identities_.end()) !=
         above.end();
}

bool ExcludedFolders::ExcludesRoot(const std::string& root) const {
  if (identities_.empty() || root.empty()) return false;
  platform::DirectoryHandle folder;
  return !platform::OpenDirectory(root, folder) && Excludes(folder);
}

std::error_code ExcludedFolderError() {
  static const ExcludedFolderCategory category;
  return {1, category};
}

}  // namespace tarnwick::engine
