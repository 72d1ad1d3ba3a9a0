#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file/private_folder.h"
#include "platform/file/private_posix.h"
#include "platform/posix/posix_support.h"

namespace tarnwick::platform {

std::error_code WhyNotPrivate(const struct stat& info) {
  if (info.st_uid != ::geteuid()) return make_error_code(PrivacyError::kOtherOwner);
  if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    return make_error_code(PrivacyError::kWritableByOthers);
  }
  return {};
}

std::error_code OpenPrivateFolder(const std::string& path, DirectoryHandle& folder, bool make) {
  if (make && ::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return LastError();
  UniqueFd opened(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!opened.IsOpen()) {
    const std::error_code error = LastError();
    struct stat named {};
    if (::lstat(path.c_str(), &named) == 0 && S_ISLNK(named.st_mode)) {
      return make_error_code(PrivacyError::kLink);
    }
    return error;
  }
  struct stat info {};
  if (::fstat(opened.get(), &info) != 0) return LastError();
  if (const std::error_code error = WhyNotPrivate(info)) return error;
  folder = DirectoryHandle(opened.release());
  return {};
}

std::error_code WhyFileNotPrivate(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return LastError();
  if (S_ISLNK(info.st_mode)) return make_error_code(PrivacyError::kLink);
  return WhyNotPrivate(info);
}

}  // namespace tarnwick::platform
