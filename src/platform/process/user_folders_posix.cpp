#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>

#include "platform/process/user_folders.h"

namespace tarnwick::platform {

bool FolderIsWritable(const std::string& folder) {
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool IsSystemProgramFolder(const std::string& folder) {
  std::string path = folder;
  if (path.empty() || path.back() != '/') path += '/';
  for (const char* system : {"/usr/", "/bin/", "/sbin/", "/opt/", "/snap/"}) {
    if (path.starts_with(system)) return true;
  }
  return false;
}

std::string UserHomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return home;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr) return user->pw_dir;
  return {};
}

std::string UserSettingsFolder() {
  const auto absolute = [](const char* path) { return path != nullptr && path[0] == '/'; };
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); absolute(config)) {
    return std::string(config) + "/tarnwick";
  }
  const std::string home = UserHomeFolder();
  return home.empty() ? home : home + "/.config/tarnwick";
}

}  // namespace tarnwick::platform
