#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "platform/dir/open_beneath.h"
#include "platform/posix/posix_support.h"

namespace tarnwick::platform {

std::optional<std::error_code> OpenBeneathInKernel(const DirectoryHandle& base,
                                                   std::string_view relativePath,
                                                   DirectoryHandle& directory) {
  static std::atomic<bool> unavailable{false};  // Linux before 5.6
  if (unavailable.load(std::memory_order_relaxed)) return std::nullopt;
  open_how how{};
  how.flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
  how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_XDEV | RESOLVE_NO_MAGICLINKS;
  const std::string path(relativePath);
  const long fd = ::syscall(SYS_openat2, static_cast<int>(base.NativeHandle()), path.c_str(), &how,
                            sizeof how);
  if (fd < 0) {
    if (errno == ENOSYS) unavailable.store(true, std::memory_order_relaxed);
    // EPERM: a sandbox that forbids the call; ENAMETOOLONG: a path beyond PATH_MAX, which a
    // deep tree has. The walk by components decides instead.
    if (errno == ENOSYS || errno == EPERM || errno == ENAMETOOLONG) return std::nullopt;
    return LastError();
  }
  directory = DirectoryHandle(static_cast<DirectoryHandle::Native>(fd));
  return std::error_code();
}

}  // namespace tarnwick::platform
