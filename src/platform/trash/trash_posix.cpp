// The freedesktop.org trash: for each file of a batch an entry in the trash's info/ folder, made
// first and exclusively (its name reserves the place); then the batch's lines in the pass's
// record; then the files themselves moved into files/ under those names. Every step goes from
// open folder handles.
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
#include "platform/trash/trash_folders_posix.h"
#include "platform/trash/volume_trash.h"

namespace tarnwick::platform {
namespace {

// A trash: its files/ and info/ folders, and, for a volume's own trash, the mount point that
// its entries' paths are relative to.
struct TrashFolder {
  UniqueFd files;
  UniqueFd info;
  std::string topdir;  // ending in '/'; empty for the home trash, whose entries keep absolute paths
  std::string path;    // of the trash folder itself
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

}  // namespace

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
      // Its path as taking back reaches it, following no link.
      std::string real;
      trash.path = RealFolderPath(dataHome + "/Trash", real) ? dataHome + "/Trash"
                                                             : real.substr(0, real.size() - 1);
      return trash;
    }
    size_t levels = 0;
    const DirectoryHandle topdir(TopOfMount(folder, levels).release());
    DirectoryHandle volumeTrash;
    std::string name;
    trash.missing = OpenVolumeTrash(topdir, volumeTrash, &name);
    if (!trash.missing) {
      trash.missing = OpenFilesAndInfo(static_cast<int>(volumeTrash.NativeHandle()), trash);
      trash.topdir = Above(realPath, levels);
      trash.path = trash.topdir + name;
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

uint64_t ModifiedAt(const struct stat& info) {
  return static_cast<uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
         static_cast<uint64_t>(info.st_mtim.tv_nsec);
}

// Reserves the entry's place in the trash: its info file, made exclusively (its name reserves
// the name in files/ too), telling where it came from. On success `entry` tells where it will
// be and who it is.
std::error_code Reserve(int folder, const std::string& name, const std::string& originalPath,
                        TrashFolder& trash, std::time_t now, TrashedEntry& entry) {
  struct stat found {};
  if (::fstatat(folder, name.c_str(), &found, AT_SYMLINK_NOFOLLOW) != 0) return LastError();
  if (S_ISDIR(found.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  const std::string info = TrashInfo(originalPath, now);
  for (int attempt = trash.FirstAttempt(name); attempt < INT_MAX; ++attempt) {
    const std::string entryName = EntryName(name, attempt);
    const std::string infoName = entryName + ".trashinfo";
    const UniqueFd infoFile(::openat(trash.info.get(), infoName.c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    trash.Taken(name, attempt);
    if (!infoFile.IsOpen()) {
      if (errno == EEXIST) continue;
      return LastError();
    }
    if (const std::error_code error = WriteAll(infoFile.get(), info)) {
      ::unlinkat(trash.info.get(), infoName.c_str(), 0);
      return error;
    }
    entry.trash = trash.path;
    entry.entryName = entryName;
    entry.device = static_cast<uint64_t>(found.st_dev);
    entry.inode = static_cast<uint64_t>(found.st_ino);
    entry.modified = ModifiedAt(found);
    return {};
  }
  return std::make_error_code(std::errc::file_exists);
}

void DropInfo(const TrashFolder& trash, const TrashedEntry& entry) {
  ::unlinkat(trash.info.get(), (entry.entryName + ".trashinfo").c_str(), 0);
}

}  // namespace

Trash::Trash(TrashRecorder& recorder)
    : places_(std::make_unique<Places>()), recorder_(recorder) {}
Trash::~Trash() = default;

std::vector<std::error_code> Trash::Move(const DirectoryHandle& folder,
                                         const std::string& folderPath,
                                         std::span<const std::string> names) {
  if (RecordError()) {
    return std::vector<std::error_code>(names.size(), make_error_code(TrashError::kNotRecorded));
  }
  const int fd = static_cast<int>(folder.NativeHandle());
  // The paths the entries record, from the pass's own path of the folder: absolute for the
  // home trash, below the mount point for a volume's own.
  std::string recorded;
  if (const std::error_code error = RealFolderPath(folderPath, recorded)) {
    return std::vector<std::error_code>(names.size(), error);
  }
  TrashFolder& trash = places_->For(fd, recorded);
  if (trash.missing) return std::vector<std::error_code>(names.size(), trash.missing);
  const std::string realFolder = recorded;
  if (!trash.topdir.empty()) {
    if (!recorded.starts_with(trash.topdir)) {  // moved to another place since the walk
      return std::vector<std::error_code>(names.size(),
                                          std::make_error_code(std::errc::cross_device_link));
    }
    recorded.erase(0, trash.topdir.size());
  }
  std::vector<std::error_code> outcomes(names.size());
  std::vector<TrashedEntry> reserved;
  std::vector<size_t> reservedNames;  // their places in `names`
  const std::time_t now = std::time(nullptr);
  for (size_t i = 0; i < names.size(); ++i) {
    TrashedEntry entry;
    outcomes[i] = Reserve(fd, names[i], recorded + names[i], trash, now, entry);
    if (outcomes[i]) continue;
    entry.originalPath = realFolder + names[i];
    reserved.push_back(std::move(entry));
    reservedNames.push_back(i);
  }
  // Every file has its line before it moves; a line whose file stays where it is reads, when
  // taking back, as a file the trash does not hold.
  if (!RecordBeforeMove(reserved)) {
    for (size_t r = 0; r < reserved.size(); ++r) {
      DropInfo(trash, reserved[r]);
      outcomes[reservedNames[r]] = make_error_code(TrashError::kNotRecorded);
    }
    return outcomes;
  }
  for (size_t r = 0; r < reserved.size(); ++r) {
    const std::string& name = names[reservedNames[r]];
    if (::renameat2(fd, name.c_str(), trash.files.get(), reserved[r].entryName.c_str(),
                    RENAME_NOREPLACE) != 0) {
      outcomes[reservedNames[r]] = LastError();  // EXDEV too: never copied across
      DropInfo(trash, reserved[r]);
    }
  }
  return outcomes;
}

}  // namespace tarnwick::platform
