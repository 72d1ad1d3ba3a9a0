#include "platform/path/entry_key.h"

#include "platform/path/path_separator.h"

namespace tarnwick::platform {

std::string EntryKey(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && kNativePaths.IsSeparator(trimmed.back())) trimmed.pop_back();
  size_t separator = std::string::npos;
  for (size_t i = trimmed.size(); i > 0; --i) {
    if (kNativePaths.IsSeparator(trimmed[i - 1])) {
      separator = i - 1;
      break;
    }
  }
  if (separator == std::string::npos) return EntryKey(FolderKey("."), trimmed);
  return EntryKey(FolderKey(trimmed.substr(0, separator + 1)), trimmed.substr(separator + 1));
}

}  // namespace tarnwick::platform
