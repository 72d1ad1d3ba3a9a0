// Taking a pass's files back out of the freedesktop.org trash: each moved from the trash's
// files/ folder into its original folder by handle, never over another file, and only while
// the trash entry is still the one the pass made; then its info file goes.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>

#include "platform/trash/trash.h"
#include "platform/trash/trash_folders_posix.h"
#include "platform/trash/trash_info.h"

namespace tarnwick::platform {
namespace {

struct OpenTrash {
  UniqueFd files;
  UniqueFd info;
};

// Whether the info file of `entry` still records the path the pass gave it.
bool InfoStillNames(int info, const TrashedEntry& entry) {
  UniqueFd file(::openat(info, (entry.entryName + ".trashinfo").c_str(),
                         O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  if (!file.IsOpen()) return false;
  char buffer[8192];
  std::string text;
  for (ssize_t n; (n = ::read(file.get(), buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<size_t>(n));
  }
  const std::string line = TrashInfoPathLine(entry.infoPath);
  const size_t at = text.find("\n" + line + "\n");
  return at != std::string::npos;
}

// `folder`: the original folder, open, or why it could not be opened.
std::error_code TakeBackOne(const TrashedEntry& entry, const OpenTrash& trash, int folder,
                            std::error_code folderError) {
  struct stat inTrash {};
  if (::fstatat(trash.files.get(), entry.entryName.c_str(), &inTrash, AT_SYMLINK_NOFOLLOW) != 0 ||
      static_cast<uint64_t>(inTrash.st_dev) != entry.device ||
      static_cast<uint64_t>(inTrash.st_ino) != entry.inode ||
      static_cast<uint64_t>(inTrash.st_mtim.tv_sec) * 1000000000u +
              static_cast<uint64_t>(inTrash.st_mtim.tv_nsec) != entry.modified ||
      !InfoStillNames(trash.info.get(), entry)) {
    return make_error_code(TrashError::kNoLongerInTrash);
  }
  if (folderError) return folderError;
  const size_t slash = entry.originalPath.rfind('/');
  const std::string name = entry.originalPath.substr(slash + 1);
  if (::renameat2(trash.files.get(), entry.entryName.c_str(), folder, name.c_str(),
                  RENAME_NOREPLACE) != 0) {
    if (errno == EEXIST) return make_error_code(TrashError::kPlaceTaken);
    return LastError();
  }
  ::unlinkat(trash.info.get(), (entry.entryName + ".trashinfo").c_str(), 0);
  return {};
}

}  // namespace

std::vector<std::error_code> TakeBack(std::span<const TrashedEntry> entries) {
  std::vector<std::error_code> outcomes(entries.size());
  std::map<std::string, OpenTrash> trashes;  // a pass uses one trash per file system
  std::string folderPath;
  UniqueFd folder;
  std::error_code folderError;
  for (size_t i = 0; i < entries.size(); ++i) {
    const TrashedEntry& entry = entries[i];
    auto [place, added] = trashes.try_emplace(entry.trash);
    OpenTrash& trash = place->second;
    if (added) {
      const UniqueFd top(::open(entry.trash.c_str(), kFolderFlags));
      if (top.IsOpen()) {
        trash.files = UniqueFd(::openat(top.get(), "files", kFolderFlags));
        trash.info = UniqueFd(::openat(top.get(), "info", kFolderFlags));
      }
    }
    if (!trash.files.IsOpen() || !trash.info.IsOpen()) {
      outcomes[i] = make_error_code(TrashError::kNoLongerInTrash);
      continue;
    }
    // A folder's files follow each other in a pass: its folder is opened once for them.
    const std::string parent = ParentFolder(entry.originalPath);
    if (parent != folderPath) {
      folderPath = parent;
      folder = UniqueFd(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
      folderError = folder.IsOpen() ? std::error_code()
                    : errno == ENOENT || errno == ENOTDIR ? make_error_code(TrashError::kFolderGone)
                                                          : LastError();
    }
    outcomes[i] = TakeBackOne(entry, trash, folder.get(), folderError);
  }
  return outcomes;
}

}  // namespace tarnwick::platform
