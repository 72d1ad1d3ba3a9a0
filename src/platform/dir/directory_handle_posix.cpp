#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>
#include <utility>

#include "platform/dir/directory_handle.h"
#include "platform/dir/mount_of_posix.h"
#include "platform/dir/open_beneath.h"
#include "platform/posix/posix_support.h"

namespace tarnwick::platform {
namespace {

constexpr int kChildFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

EntryKind KindFromMode(mode_t mode) {
  if (S_ISDIR(mode)) return EntryKind::kDirectory;
  if (S_ISREG(mode)) return EntryKind::kFile;
  if (S_ISLNK(mode)) return EntryKind::kLink;
  return EntryKind::kSpecial;
}

// The type the directory itself reports; asks the file system only when it reports none.
EntryKind KindOf(int directoryFd, const char* name, unsigned char type) {
  switch (type) {
    case DT_DIR:
      return EntryKind::kDirectory;
    case DT_REG:
      return EntryKind::kFile;
    case DT_LNK:
      return EntryKind::kLink;
    case DT_UNKNOWN:
      break;
    default:
      return EntryKind::kSpecial;
  }
  struct stat info {};
  if (::fstatat(directoryFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::kSpecial;
  return KindFromMode(info.st_mode);
}

bool IsDotOrDotDot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

int Fd(const DirectoryHandle& directory) { return static_cast<int>(directory.NativeHandle()); }

}  // namespace

uint64_t MountOf(int fd, std::error_code* why) {
  struct statx info {};
  if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_INO | STATX_MNT_ID, &info) != 0) {
    if (why != nullptr) *why = LastError();
    return 0;
  }
  // Kernels before 5.8 give no mount id; the device then tells file systems apart.
  if ((info.stx_mask & STATX_MNT_ID) != 0) return info.stx_mnt_id;
  return (uint64_t{1} << 63) | (uint64_t{info.stx_dev_major} << 32) | info.stx_dev_minor;
}

void DirectoryHandle::Close() {
  if (native_ != -1) ::close(static_cast<int>(std::exchange(native_, -1)));
}

std::error_code MakePrivateFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) return {};
  return LastError();
}

std::error_code OpenDirectory(const std::string& path, DirectoryHandle& directory) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return LastError();
  directory = DirectoryHandle(fd, MountOf(fd));
  return {};
}

std::error_code OpenChildDirectory(const DirectoryHandle& parent, const std::string& name,
                                   DirectoryHandle& child) {
  // Where the kernel can refuse links and other mounts itself, one call does it all.
  if (const auto opened = OpenBeneathInKernel(parent, name, child)) return *opened;
  const int fd = ::openat(Fd(parent), name.c_str(), kChildFlags);
  if (fd < 0) return LastError();
  std::error_code unknownMount;
  DirectoryHandle opened(fd, MountOf(fd, &unknownMount));
  // Another file system mounted here (a device, or a bind mount of any folder) is not entered.
  const uint64_t parentMount =
      parent.Mount() != 0 ? parent.Mount() : MountOf(Fd(parent), &unknownMount);
  if (opened.Mount() == 0 || parentMount == 0) return unknownMount;
  if (opened.Mount() != parentMount) return std::make_error_code(std::errc::cross_device_link);
  child = std::move(opened);
  return {};
}

std::error_code DuplicateDirectory(const DirectoryHandle& directory, DirectoryHandle& copy) {
  const int fd = ::openat(Fd(directory), ".", kChildFlags);
  if (fd < 0) return LastError();
  copy = DirectoryHandle(fd, directory.Mount());
  return {};
}

std::error_code ReadDirectory(const DirectoryHandle& directory, const EntryVisitor& visit) {
  const int fd = Fd(directory);
  alignas(struct dirent64) char buffer[32768];
  for (;;) {
    const ssize_t length = ::getdents64(fd, buffer, sizeof buffer);
    if (length == 0) return {};
    if (length < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    for (ssize_t offset = 0; offset < length;) {
      struct dirent64 record;
      // The records are packed; copy the fixed head rather than read through a misaligned cast.
      std::memcpy(&record, buffer + offset, offsetof(struct dirent64, d_name));
      const char* name = buffer + offset + offsetof(struct dirent64, d_name);
      if (!IsDotOrDotDot(name)) visit(name, KindOf(fd, name, record.d_type), record.d_ino);
      offset += record.d_reclen;
    }
  }
}

bool ListedNumbersAreIdentities(const DirectoryHandle& directory) {
  struct statfs info {};
  if (::fstatfs(Fd(directory), &info) != 0) return false;
  // The file systems known to list every entry with its own inode number.
  switch (static_cast<unsigned long>(info.f_type)) {
    case EXT4_SUPER_MAGIC:  // ext2 and ext3 too
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case F2FS_SUPER_MAGIC:
      return true;
    default:
      return false;
  }
}

std::error_code RemoveFileEntry(const DirectoryHandle& parent, const std::string& name) {
  // Unlinking needs no change of the file's mode on POSIX, so none is made.
  if (::unlinkat(Fd(parent), name.c_str(), 0) != 0) return LastError();
  return {};
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

std::optional<FileIdentity> IdentityOfEntry(const DirectoryHandle& parent, const std::string& name) {
  struct stat info {};
  if (::fstatat(Fd(parent), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

std::optional<FileIdentity> IdentityOfFolder(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

std::optional<FileIdentity> IdentityOfDirectory(const DirectoryHandle& directory) {
  struct stat info {};
  if (::fstat(Fd(directory), &info) != 0) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

std::vector<FileIdentity> FolderAndItsParents(const DirectoryHandle& directory) {
  std::vector<FileIdentity> folders;
  // O_PATH: a parent the user may pass through but not list still counts.
  UniqueFd current(::openat(Fd(directory), ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
  while (current.IsOpen()) {
    struct stat info {};
    if (::fstat(current.get(), &info) != 0) break;
    const FileIdentity identity{static_cast<uint64_t>(info.st_dev),
                                static_cast<uint64_t>(info.st_ino)};
    // The top is its own parent.
    if (!folders.empty() && folders.back() == identity) break;
    folders.push_back(identity);
    current = UniqueFd(::openat(current.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
  }
  return folders;
}

void RaiseOpenFileLimit() {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
  }
}

}  // namespace tarnwick::platform
