// Windows: one key for a file or a folder entry however its path is spelt.
#pragma once

#include <string>

namespace tarnwick::platform {

// One name for a file however a path spells it (letter case, 8.3 short names, subst drives,
// links): its volume and file index; the path in Windows' upper case when it cannot be opened.
std::string FileKey(const std::string& path);

// The same for a name in a folder, whether or not a file of that name exists now or is
// replaced meanwhile: the folder's key and the name in Windows' upper case.
std::string FolderEntryKey(const std::string& path);

// The text in Windows' own upper case, as it compares names.
std::string WindowsUpperCase(const std::string& text);

}  // namespace tarnwick::platform
