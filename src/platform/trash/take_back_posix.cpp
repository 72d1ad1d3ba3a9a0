// Taking a pass's files back out of the freedesktop.org trash. The trash vouches, the record
// points: a file goes back only where its own info file says it came from, only from a trash
// folder that the trash's rules would have used for it, and only while the entry is still the
// very file the pass moved. Its folder is reached from / one component at a time, following no
// link; the file is moved into that handle, never over another file; then its info file goes.
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <string_view>

#include "platform/dir/mount_of_posix.h"
#include "platform/trash/trash.h"
#include "platform/trash/trash_folders_posix.h"
#include "platform/trash/trash_info.h"

namespace tarnwick::platform {
namespace {

// An info file is a few lines; a larger one is no info file of ours.
constexpr size_t kInfoFileLimit = 64 * 1024;

// Why a folder could not be reached from /: its own reasons for a link or a missing folder.
std::error_code FolderError(int error) {
  if (error == ELOOP) return make_error_code(TrashError::kFolderIsLink);
  if (error == ENOENT || error == ENOTDIR) return make_error_code(TrashError::kFolderGone);
  return {error, std::generic_category()};
}

// The folder at the absolute `path`, reached without following any link on the way.
std::error_code OpenWithoutLinks(const std::string& path, UniqueFd& folder) {
  open_how how{};
  how.flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
  how.resolve = RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
  const long fd = ::syscall(SYS_openat2, AT_FDCWD, path.c_str(), &how, sizeof how);
  if (fd >= 0) {
    folder = UniqueFd(static_cast<int>(fd));
    return {};
  }
  // Linux before 5.6, a sandbox that forbids the call, a path beyond PATH_MAX: step by step.
  if (errno != ENOSYS && errno != EPERM && errno != ENAMETOOLONG) return FolderError(errno);
  UniqueFd at(::open("/", kFolderFlags));
  if (!at.IsOpen()) return LastError();
  for (std::string_view rest = path; !rest.empty();) {
    const size_t slash = rest.find('/');
    const std::string name(rest.substr(0, slash));
    rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
    if (name.empty() || name == ".") continue;
    if (name == "..") return FolderError(ENOENT);  // the record's paths have none
    UniqueFd next(::openat(at.get(), name.c_str(), kFolderFlags));
    if (!next.IsOpen()) return FolderError(errno);
    at = std::move(next);
  }
  folder = std::move(at);
  return {};
}

// A trash folder, open, and the path below which it keeps its entries' origins.
struct OpenTrash {
  std::error_code error;  // why it cannot be used
  UniqueFd files;
  UniqueFd info;
  std::string topdir;  // of a volume's own trash, ending in '/'; empty for the home trash
};

// The trash folder at `trash`, reached without links, under the rules a pass uses to choose
// one; refused (kTrashNotTrusted) unless it is the home trash, or at the top of a file system
// .Trash/$uid in a real .Trash folder with the sticky bit, or .Trash-$uid; and always a
// folder of this user's own.
OpenTrash OpenTrashFolder(const std::string& trash) {
  OpenTrash opened;
  UniqueFd top;
  std::string realHome;
  const bool home = !RealFolderPath(DataHome() + "/Trash", realHome) && realHome == trash + "/";
  const std::string uid = std::to_string(::geteuid());
  if (home) {
    opened.error = OpenWithoutLinks(trash, top);
  } else {
    std::string name;
    for (const std::string& suffix : {"/.Trash/" + uid, "/.Trash-" + uid}) {
      if (trash.ends_with(suffix)) {
        opened.topdir = trash.substr(0, trash.size() - suffix.size() + 1);
        name = suffix.substr(1);
      }
    }
    if (opened.topdir.empty()) {
      opened.error = make_error_code(TrashError::kTrashNotTrusted);
      return opened;
    }
    // Its top must be the top of the file system that holds it.
    UniqueFd volume;
    size_t levels = 1;
    opened.error = OpenWithoutLinks(opened.topdir, volume);
    if (!opened.error) TopOfMount(volume.get(), levels);
    if (!opened.error && levels != 0) opened.error = make_error_code(TrashError::kTrashNotTrusted);
    if (!opened.error) opened.error = OpenVolumeTrashAs(volume.get(), name, top);
  }
  if (opened.error) {
    // A trash that is not there may be on a disk that is not plugged in now.
    if (opened.error == TrashError::kFolderGone || opened.error == TrashError::kFolderIsLink) {
      opened.error = make_error_code(TrashError::kTrashUnreachable);
    }
    return opened;
  }
  struct stat info {};
  if (::fstat(top.get(), &info) != 0) {
    opened.error = LastError();
  } else if (info.st_uid != ::geteuid()) {
    opened.error = make_error_code(TrashError::kTrashNotTrusted);
  }
  if (opened.error) return opened;
  opened.files = UniqueFd(::openat(top.get(), "files", kFolderFlags));
  opened.info = UniqueFd(::openat(top.get(), "info", kFolderFlags));
  if (!opened.files.IsOpen() || !opened.info.IsOpen()) opened.error = LastError();
  return opened;
}

// The origin that the entry's info file records, as the record would write it.
std::error_code RecordedOrigin(const OpenTrash& trash, const std::string& entryName,
                               std::string& origin) {
  const UniqueFd file(::openat(trash.info.get(), (entryName + ".trashinfo").c_str(),
                               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!file.IsOpen()) {
    return errno == ENOENT || errno == ELOOP ? make_error_code(TrashError::kNotVouched)
                                             : LastError();
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return LastError();
  if (!S_ISREG(info.st_mode) || static_cast<size_t>(info.st_size) > kInfoFileLimit) {
    return make_error_code(TrashError::kNotVouched);
  }
  std::string text(kInfoFileLimit + 1, '\0');
  const ssize_t length = ::read(file.get(), text.data(), text.size());
  if (length < 0) return LastError();
  text.resize(static_cast<size_t>(length));
  const auto path = TrashInfoPath(text);
  if (!path || text.size() > kInfoFileLimit) return make_error_code(TrashError::kNotVouched);
  origin = path->starts_with('/') ? *path : trash.topdir + *path;
  return {};
}

bool IsTheFileMoved(const struct stat& now, const TrashedEntry& entry) {
  const uint64_t modified = static_cast<uint64_t>(now.st_mtim.tv_sec) * 1000000000u +
                            static_cast<uint64_t>(now.st_mtim.tv_nsec);
  return static_cast<uint64_t>(now.st_dev) == entry.device &&
         static_cast<uint64_t>(now.st_ino) == entry.inode && modified == entry.modified;
}

// The original folder of the entry before, kept open for the next, which is often its neighbour.
struct OriginalFolder {
  std::string path;
  UniqueFd handle;
  std::error_code error;
};

std::error_code TakeBackOne(const TrashedEntry& entry, const OpenTrash& trash,
                            OriginalFolder& folder) {
  if (trash.error) return trash.error;
  const char* inTrash = entry.entryName.c_str();
  struct stat before {};
  if (::fstatat(trash.files.get(), inTrash, &before, AT_SYMLINK_NOFOLLOW) != 0) {
    // Only an entry the open trash no longer has is known to be gone.
    if (errno != ENOENT) return LastError();
    // A pass that ended between writing a line and moving its file left the info file that
    // reserved the place: it names nothing now.
    std::string origin;
    if (!RecordedOrigin(trash, entry.entryName, origin) && origin == entry.originalPath) {
      ::unlinkat(trash.info.get(), (entry.entryName + ".trashinfo").c_str(), 0);
    }
    return make_error_code(TrashError::kNoLongerInTrash);
  }
  if (!IsTheFileMoved(before, entry)) return make_error_code(TrashError::kNoLongerInTrash);
  std::string origin;
  if (const std::error_code error = RecordedOrigin(trash, entry.entryName, origin)) return error;
  if (origin != entry.originalPath) return make_error_code(TrashError::kNotVouched);

  const size_t slash = origin.rfind('/');
  const std::string name = origin.substr(slash + 1);
  if (std::string_view(origin).substr(0, slash + 1) != folder.path) {
    folder.path = origin.substr(0, slash + 1);
    folder.handle = UniqueFd();
    folder.error = OpenWithoutLinks(folder.path, folder.handle);
  }
  if (folder.error) return folder.error;
  struct stat place {};
  if (::fstat(folder.handle.get(), &place) != 0) return LastError();
  if (place.st_dev != before.st_dev) return make_error_code(TrashError::kFolderElsewhere);
  const int into = folder.handle.get();
  if (::renameat2(trash.files.get(), inTrash, into, name.c_str(), RENAME_NOREPLACE) != 0) {
    if (errno == EEXIST) return make_error_code(TrashError::kPlaceTaken);
    if (errno == EXDEV) return make_error_code(TrashError::kFolderElsewhere);
    return LastError();
  }
  // Had the entry been swapped between the look and the move, the move is undone.
  struct stat after {};
  if (::fstatat(into, name.c_str(), &after, AT_SYMLINK_NOFOLLOW) != 0 ||
      !IsTheFileMoved(after, entry)) {
    ::renameat2(into, name.c_str(), trash.files.get(), inTrash, RENAME_NOREPLACE);
    return make_error_code(TrashError::kNoLongerInTrash);
  }
  ::unlinkat(trash.info.get(), (entry.entryName + ".trashinfo").c_str(), 0);
  return {};
}

}  // namespace

std::vector<std::error_code> TakeBack(std::span<const TrashedEntry> entries) {
  std::vector<std::error_code> outcomes(entries.size());
  std::map<std::string, OpenTrash> trashes;  // a pass uses one trash per file system
  OriginalFolder folder;
  for (size_t i = 0; i < entries.size(); ++i) {
    auto [place, added] = trashes.try_emplace(entries[i].trash);
    if (added) place->second = OpenTrashFolder(entries[i].trash);
    outcomes[i] = TakeBackOne(entries[i], place->second, folder);
  }
  return outcomes;
}

}  // namespace tarnwick::platform
