// The freedesktop.org trash: for each file an entry in the trash's info/ folder, made first and
// exclusively (its name reserves the place), then the file itself moved into files/ under that
// name. Every step goes from open folder handles.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <algorithm>
#include <map>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "platform/dir/mount_of_posix.h"
#include "platform/posix/posix_support.h"
#include "platform/trash/trash.h"
#include "platform/trash/trash_info.h"
#include "platform/trash/volume_trash.h"

namespace tarnwick::platform {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// The folder `name` of `parent`, made (private to this user) when missing. Only a real folder
// of this user's own is taken: never a link, never someone else's.
std::error_code OpenOwnFolder(int parent, const char* name, UniqueFd& folder) {
  if (::mkdirat(parent, name, 0700) != 0 && errno != EEXIST) return LastError();
  UniqueFd opened(::openat(parent, name, kFolderFlags));
  if (!opened.IsOpen()) return LastError();
  struct stat info {};
  if (::fstat(opened.get(), &info) != 0) return LastError();
  if (info.st_uid != ::geteuid()) return std::make_error_code(std::errc::permission_denied);
  folder = std::move(opened);
  return {};
}

// The top folder of the mount that holds `folder`: up through ".." while that stays on it.
// `levels`: how many steps up that took.
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

// The folder's path with every link resolved, ending in '/'; relative paths are taken from
// the current folder.
std::error_code RealFolderPath(const std::string& path, std::string& real) {
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return LastError();
  real = resolved;
  if (real.back() != '/') real += '/';
  return {};
}

// `path` (ending in '/') without its last `levels` folders.
std::string Above(std::string path, size_t levels) {
  for (; levels > 0 && path.size() > 1; --levels) {
    path = ParentFolder(path.substr(0, path.size() - 1));
    if (path.back() != '/') path += '/';
  }
  return path;
}

// A trash: its files/ and info/ folders, and, for a volume's own trash, the mount point that
// its entries' paths are relative to.
struct TrashFolder {
  UniqueFd files;
  UniqueFd info;
  std::string topdir;  // ending in '/'; empty for the home trash, whose entries keep absolute paths
  std::error_code missing;  // why the file system has no trash this user may use

  // Where to look first for a free entry name: a pass that finds a Thumbs.db in every folder
  // sends thousands of the same name, and each would otherwise try every name taken before.
  int FirstAttempt(const std::string& name) {
    const std::lock_guard<std::mutex> lock(attemptsMutex);
    const auto found = nextAttempt.find(name);
    return found == nextAttempt.end() ? 1 : found->second;
  }
  void Taken(const std::string& name, int attempt) {
    const std::lock_guard<std::mutex> lock(attemptsMutex);
    int& next = nextAttempt[name];
    next = std::max(next, attempt + 1);
  }

  std::mutex attemptsMutex;
  std::unordered_map<std::string, int> nextAttempt;
};

std::error_code OpenFilesAndInfo(int trash, TrashFolder& folder) {
  if (auto error = OpenOwnFolder(trash, "files", folder.files)) return error;
  return OpenOwnFolder(trash, "info", folder.info);
}

// $XDG_DATA_HOME, default ~/.local/share; empty when neither is known.
std::string DataHome() {
  if (const char* configured = std::getenv("XDG_DATA_HOME"); configured && configured[0] == '/') {
    return configured;
  }
  if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
    return std::string(home) + "/.local/share";
  }
  return {};
}

// The mount of the home trash's file system: the data folder's, or while that is missing its
// nearest existing parent's. Not the mount of a trash that could be opened: a home trash
// that cannot be used must not send the files elsewhere.
uint64_t HomeMount(std::string dataHome) {
  for (;;) {
    const UniqueFd folder(::open(dataHome.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.IsOpen()) return MountOf(folder.get());
    if (dataHome == "/") return 0;
    dataHome = ParentFolder(dataHome);
  }
}

// The home trash, $XDG_DATA_HOME/Trash, made when missing.
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

}  // namespace

std::error_code OpenVolumeTrash(const DirectoryHandle& topdir, DirectoryHandle& trash) {
  const int top = static_cast<int>(topdir.NativeHandle());
  const std::string uid = std::to_string(::geteuid());
  UniqueFd shared(::openat(top, ".Trash", kFolderFlags));
  struct stat info {};
  UniqueFd own;
  if (shared.IsOpen() && ::fstat(shared.get(), &info) == 0 && (info.st_mode & S_ISVTX) != 0 &&
      !OpenOwnFolder(shared.get(), uid.c_str(), own)) {
    trash = DirectoryHandle(own.release());
    return {};
  }
  if (OpenOwnFolder(top, (".Trash-" + uid).c_str(), own)) {
    return make_error_code(TrashError::kNoTrashHere);
  }
  trash = DirectoryHandle(own.release());
  return {};
}

struct Trash::Places {
  std::mutex mutex;
  std::map<uint64_t, TrashFolder> byMount;

  // The trash for files in the open `folder`, whose real path is `realPath`: on the home's
  // file system the home trash, and only that; elsewhere the volume's own.
  TrashFolder& For(int folder, const std::string& realPath) {
    const std::lock_guard<std::mutex> lock(mutex);
    const uint64_t mount = MountOf(folder);
    auto [place, added] = byMount.try_emplace(mount);
    if (!added) return place->second;
    TrashFolder& trash = place->second;
    if (const std::string dataHome = DataHome(); !dataHome.empty() && HomeMount(dataHome) == mount) {
      UniqueFd home;
      trash.missing = OpenHomeTrash(dataHome, home);
      if (!trash.missing) trash.missing = OpenFilesAndInfo(home.get(), trash);
      return trash;
    }
    size_t levels = 0;
    const DirectoryHandle topdir(TopOfMount(folder, levels).release());
    DirectoryHandle volumeTrash;
    trash.missing = OpenVolumeTrash(topdir, volumeTrash);
    if (!trash.missing) {
      trash.missing = OpenFilesAndInfo(static_cast<int>(volumeTrash.NativeHandle()), trash);
      trash.topdir = Above(realPath, levels);
    }
    if (trash.missing) trash.missing = make_error_code(TrashError::kNoTrashHere);
    return trash;
  }
};

namespace {

// The entry's name in the trash: its own, or with ".2", ".3" ... before its extension when
// that is taken, as file managers do; short enough that the info file's name fits as well.
std::string EntryName(const std::string& name, int attempt) {
  std::string number;
  if (attempt > 1) number.append(".").append(std::to_string(attempt));
  const size_t dot = name.rfind('.');
  const size_t stemEnd = dot == std::string::npos || dot == 0 ? name.size() : dot;
  std::string stem = name.substr(0, stemEnd), extension = name.substr(stemEnd);
  const size_t room = NAME_MAX - std::string_view(".trashinfo").size() - number.size();
  if (extension.size() > room / 2) {  // no extension worth keeping apart
    stem = name;
    extension.clear();
  }
  size_t kept = std::min(stem.size(), room - extension.size());
  // Not inside a UTF-8 character.
  while (kept > 0 && kept < stem.size() && (static_cast<unsigned char>(stem[kept]) & 0xC0) == 0x80) {
    --kept;
  }
  stem.resize(kept);
  return stem.append(number).append(extension);
}

std::error_code MoveOne(int folder, const std::string& name, const std::string& originalPath,
                        TrashFolder& trash, std::time_t now) {
  struct stat entry {};
  if (::fstatat(folder, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) return LastError();
  if (S_ISDIR(entry.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  const std::string info = TrashInfo(originalPath, now);
  for (int attempt = trash.FirstAttempt(name); attempt < INT_MAX; ++attempt) {
    const std::string entryName = EntryName(name, attempt);
    const std::string infoName = entryName + ".trashinfo";
    // The info file reserves the name: made exclusively, or another entry has it.
    const UniqueFd infoFile(::openat(trash.info.get(), infoName.c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    trash.Taken(name, attempt);
    if (!infoFile.IsOpen()) {
      if (errno == EEXIST) continue;
      return LastError();
    }
    const auto dropInfo = [&] { ::unlinkat(trash.info.get(), infoName.c_str(), 0); };
    if (const std::error_code error = WriteAll(infoFile.get(), info)) {
      dropInfo();
      return error;
    }
    if (::renameat2(folder, name.c_str(), trash.files.get(), entryName.c_str(),
                    RENAME_NOREPLACE) == 0) {
      return {};
    }
    const std::error_code error = LastError();
    dropInfo();
    if (error != std::errc::file_exists) return error;  // EXDEV too: never copied across
  }
  return std::make_error_code(std::errc::file_exists);
}

}  // namespace

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

Trash::Trash() : places_(std::make_unique<Places>()) {}
Trash::~Trash() = default;

std::vector<std::error_code> Trash::Move(const DirectoryHandle& folder,
                                         const std::string& folderPath,
                                         std::span<const std::string> names) {
  const int fd = static_cast<int>(folder.NativeHandle());
  // The paths the entries record, from the pass's own path of the folder: absolute for the
  // home trash, below the mount point for a volume's own.
  std::string recorded;
  if (const std::error_code error = RealFolderPath(folderPath, recorded)) {
    return std::vector<std::error_code>(names.size(), error);
  }
  TrashFolder& trash = places_->For(fd, recorded);
  if (trash.missing) return std::vector<std::error_code>(names.size(), trash.missing);
  if (!trash.topdir.empty()) {
    if (!recorded.starts_with(trash.topdir)) {  // moved to another place since the walk
      return std::vector<std::error_code>(names.size(),
                                          std::make_error_code(std::errc::cross_device_link));
    }
    recorded.erase(0, trash.topdir.size());
  }
  std::vector<std::error_code> outcomes(names.size());
  const std::time_t now = std::time(nullptr);
  for (size_t i = 0; i < names.size(); ++i) {
    outcomes[i] = MoveOne(fd, names[i], recorded + names[i], trash, now);
  }
  return outcomes;
}

}  // namespace tarnwick::platform
