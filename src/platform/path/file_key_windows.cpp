#include "platform/path/file_key_windows.h"

#include "platform/dir/directory_handle.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

std::string WindowsUpperCase(const std::string& text) {
  std::wstring wide = Wide(text);
  ::CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return Narrow(wide);
}

std::string FileKey(const std::string& path) {
  if (const auto identity = IdentityOf(path)) {
    return std::to_string(identity->volume) + "-" + std::to_string(identity->file);
  }
  return WindowsUpperCase(path);
}

std::string FolderEntryKey(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  if (separator == std::string::npos) return WindowsUpperCase(path);
  return FileKey(path.substr(0, separator + 1)) + "\\" + WindowsUpperCase(path.substr(separator + 1));
}

}  // namespace tarnwick::platform
