#include "platform/dir/directory_handle.h"
#include "platform/path/entry_key.h"

namespace tarnwick::platform {

std::string FolderKey(const std::string& folder) {
  const auto identity = IdentityOfFolder(folder);
  if (!identity) return folder;
  return std::to_string(identity->volume) + ":" + std::to_string(identity->file);
}

std::string EntryKey(const std::string& folderKey, std::string_view name) {
  return folderKey + "/" + std::string(name);
}

}  // namespace tarnwick::platform
