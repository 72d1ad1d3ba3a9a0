#include "core/folder_entries.h"

#include "platform/dir/directory_handle.h"
#include "platform/path/full_path.h"

namespace tarnwick::core {

std::string FolderEntryFor(const std::string& path) { return platform::AbsolutePath(path); }

std::optional<int16_t> FindFolderEntry(const NameList& folders, const std::string& path) {
  const auto identity = platform::IdentityOfFolder(path);
  const std::string full = FolderEntryFor(path);
  for (int16_t i = 0; i < folders.Count(); ++i) {
    const std::string& entry = folders.At(i);
    if (entry == path || entry == full) return i;
    if (identity && !entry.empty() && platform::IdentityOfFolder(entry) == identity) return i;
  }
  return std::nullopt;
}

}  // namespace tarnwick::core
