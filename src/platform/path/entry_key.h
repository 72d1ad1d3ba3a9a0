// One key for an entry of a folder however a path spells it: the folder by who it is, and the
// name as the system compares names. Two paths to the same file have the same key.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::platform {

// The folder's part of the keys of its entries: who it is (a relative path, another spelling
// or a link on the way lead to the same); its own text when it cannot be found.
std::string FolderKey(const std::string& folder);
// The key of the entry `name` of the folder with that key, whether or not it exists now; on
// Windows the name in Windows' upper case.
std::string EntryKey(const std::string& folderKey, std::string_view name);
// The key of the entry a path names.
std::string EntryKey(const std::string& path);

}  // namespace tarnwick::platform
