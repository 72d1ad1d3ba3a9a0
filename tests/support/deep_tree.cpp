#include "support/deep_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace tarnwick::testing {
namespace {

// Removes every entry of the open directory but its subdirectory "d".
bool RemoveFilesBeside(int directory) {
  DIR* listing = ::fdopendir(::dup(directory));
  if (listing == nullptr) return false;
  bool removed = true;
  while (const dirent* entry = ::readdir(listing)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0 || std::strcmp(name, "d") == 0) {
      continue;
    }
    removed = ::unlinkat(directory, name, 0) == 0 && removed;
  }
  ::closedir(listing);
  return removed;
}

}  // namespace

bool MakeDeepTree(const std::string& top, int depth, const std::string& fileName, int every) {
  int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY);
  bool made = fd >= 0;
  for (int level = 1; made && level <= depth; ++level) {
    made = ::mkdirat(fd, "d", 0755) == 0;
    const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
    ::close(fd);
    fd = next;
    made = made && fd >= 0;
    if (made && (level == depth || (every > 0 && level % every == 0))) {
      const int file = ::openat(fd, fileName.c_str(), O_CREAT | O_WRONLY | O_EXCL, 0644);
      made = file >= 0;
      ::close(file);
    }
  }
  if (fd >= 0) ::close(fd);
  return made;
}

bool RemoveDeepTree(const std::string& top, int depth) {
  // Each step lifts the grandchild into the top directory and removes the emptied child.
  const int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY);
  bool removed = fd >= 0;
  for (int level = 0; removed && level < depth; ++level) {
    const int child = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
    removed = child >= 0 && RemoveFilesBeside(child);
    if (removed && level + 1 < depth) removed = ::renameat(child, "d", fd, "next") == 0;
    if (child >= 0) ::close(child);
    removed = removed && ::unlinkat(fd, "d", AT_REMOVEDIR) == 0;
    if (removed && level + 1 < depth) removed = ::renameat(fd, "next", fd, "d") == 0;
  }
  if (fd >= 0) ::close(fd);
  return removed;
}

}  // namespace tarnwick::testing
