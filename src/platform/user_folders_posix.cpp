#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/user_folders.h"

namespace tarnwick::platform {

bool FolderIsWritable(const std::string& folder) {
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string UserSettingsFolder() {
  const auto absolute = [](const char* path) { return path != nullptr && path[0] == '/'; };
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); absolute(config)) {
    return std::string(config) + "/tarnwick";
  }
  if (const char* home = std::getenv("HOME"); absolute(home)) {
    return std::string(home) + "/.config/tarnwick";
  }
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr) {
    return std::string(user->pw_dir) + "/.config/tarnwick";
  }
  return {};
}

}  // namespace tarnwick::platform
