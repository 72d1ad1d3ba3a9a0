#include "platform/path/entry_key.h"
#include "platform/path/file_key_windows.h"

namespace tarnwick::platform {

std::string FolderKey(const std::string& folder) { return FileKey(folder); }

std::string EntryKey(const std::string& folderKey, std::string_view name) {
  return folderKey + "\\" + WindowsUpperCase(std::string(name));
}

}  // namespace tarnwick::platform
