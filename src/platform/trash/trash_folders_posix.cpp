// The folders of the freedesktop.org trash: the home trash, a volume's own, and the folders a
// pass to the trash leaves alone.
#include "platform/trash/trash_folders_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/dir/mount_of_posix.h"
#include "platform/trash/trash.h"
#include "platform/trash/volume_trash.h"

namespace tarnwick::platform {

namespace {

// A volume's shared .Trash as the administrator makes it: a real folder with the sticky bit, so
// that no user can take away another's folder in it.
UniqueFd OpenSharedTrash(int top) {
  UniqueFd shared(::openat(top, ".Trash", kFolderFlags));
  struct stat info {};
  if (!shared.IsOpen() || ::fstat(shared.get(), &info) != 0 || (info.st_mode & S_ISVTX) == 0) {
    return UniqueFd();
  }
  return shared;
}

}  // namespace

std::error_code OpenOwnFolder(int parent, const char* name, UniqueFd& folder, bool make) {
  if (make && ::mkdirat(parent, name, 0700) != 0 && errno != EEXIST) return LastError();
  UniqueFd opened(::openat(parent, name, kFolderFlags));
  if (!opened.IsOpen()) {
    const std::error_code error = LastError();
    struct stat named {};
    if (::fstatat(parent, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(named.st_mode)) {
      return std::make_error_code(std::errc::too_many_symbolic_link_levels);
    }
    return error;
  }
  struct stat info {};
  if (::fstat(opened.get(), &info) != 0) return LastError();
  if (info.st_uid != ::geteuid()) return std::make_error_code(std::errc::permission_denied);
  folder = std::move(opened);
  return {};
}

UniqueFd TopOfMount(int folder, size_t& levels) {
  const uint64_t mount = MountOf(folder);
  UniqueFd current(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
  levels = 0;
  while (current.IsOpen()) {
    UniqueFd parent(::openat(current.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat here {}, above {};
    if (!parent.IsOpen() || ::fstat(current.get(), &here) != 0 ||
        ::fstat(parent.get(), &above) != 0 || MountOf(parent.get()) != mount ||
        (here.st_dev == above.st_dev && here.st_ino == above.st_ino)) {
      break;
    }
    current = std::move(parent);
    ++levels;
  }
  return current;
}

std::error_code RealFolderPath(const std::string& path, std::string& real) {
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return LastError();
  real = resolved;
  if (real.back() != '/') real += '/';
  return {};
}

std::string Above(std::string path, size_t levels) {
  for (; levels > 0 && path.size() > 1; --levels) {
    path = ParentFolder(path.substr(0, path.size() - 1));
    if (path.back() != '/') path += '/';
  }
  return path;
}

std::string DataHome() {
  if (const char* configured = std::getenv("XDG_DATA_HOME"); configured && configured[0] == '/') {
    return configured;
  }
  if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
    return std::string(home) + "/.local/share";
  }
  return {};
}

uint64_t HomeMount(std::string dataHome) {
  for (;;) {
    const UniqueFd folder(::open(dataHome.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.IsOpen()) return MountOf(folder.get());
    if (dataHome == "/") return 0;
    dataHome = ParentFolder(dataHome);
  }
}

std::error_code OpenHomeTrash(const std::string& dataHome, UniqueFd& trash) {
  // The user's own data folder, by its path: made as far as it is missing.
  for (size_t slash = dataHome.find('/', 1); ; slash = dataHome.find('/', slash + 1)) {
    ::mkdir(dataHome.substr(0, slash).c_str(), 0700);
    if (slash == std::string::npos) break;
  }
  UniqueFd data(::open(dataHome.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!data.IsOpen()) return LastError();
  return OpenOwnFolder(data.get(), "Trash", trash);
}

std::error_code OpenVolumeTrash(const DirectoryHandle& topdir, DirectoryHandle& trash,
                                std::string* name) {
  const int top = static_cast<int>(topdir.NativeHandle());
  const std::string uid = std::to_string(::geteuid());
  const UniqueFd shared = OpenSharedTrash(top);
  UniqueFd own;
  if (shared.IsOpen() && !OpenOwnFolder(shared.get(), uid.c_str(), own)) {
    trash = DirectoryHandle(own.release());
    if (name != nullptr) *name = ".Trash/" + uid;
    return {};
  }
  if (OpenOwnFolder(top, (".Trash-" + uid).c_str(), own)) {
    return make_error_code(TrashError::kNoTrashHere);
  }
  trash = DirectoryHandle(own.release());
  if (name != nullptr) *name = ".Trash-" + uid;
  return {};
}

std::error_code OpenVolumeTrashAs(int top, const std::string& name, UniqueFd& trash) {
  const std::string uid = std::to_string(::geteuid());
  std::error_code error = make_error_code(TrashError::kTrashNotTrusted);
  if (name == ".Trash/" + uid) {
    if (const UniqueFd shared = OpenSharedTrash(top); shared.IsOpen()) {
      error = OpenOwnFolder(shared.get(), uid.c_str(), trash, false);
    }
  } else if (name == ".Trash-" + uid) {
    error = OpenOwnFolder(top, name.c_str(), trash, false);
  }
  if (error == std::errc::permission_denied || error == std::errc::too_many_symbolic_link_levels) {
    return make_error_code(TrashError::kTrashNotTrusted);
  }
  if (error == std::errc::no_such_file_or_directory) {
    return make_error_code(TrashError::kTrashUnreachable);
  }
  return error;
}

std::vector<FileIdentity> TrashFolders(const std::string& root) {
  std::vector<FileIdentity> folders;
  const auto add = [&folders](const std::optional<FileIdentity>& identity) {
    if (identity) folders.push_back(*identity);
  };
  if (const std::string dataHome = DataHome(); !dataHome.empty()) add(IdentityOf(dataHome + "/Trash"));
  const UniqueFd folder(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.IsOpen()) return folders;
  size_t levels = 0;
  const DirectoryHandle top(TopOfMount(folder.get(), levels).release());
  const std::string uid = std::to_string(::geteuid());
  add(IdentityOfEntry(top, ".Trash/" + uid));
  add(IdentityOfEntry(top, ".Trash-" + uid));
  return folders;
}

}  // namespace tarnwick::platform
