// The user's private folders and files (the records of the passes to the trash): what makes one
// trustworthy, so that no other user can plant or change what the program acts on.
#pragma once

#include <string>
#include <system_error>
#include <type_traits>

#include "platform/dir/directory_handle.h"

namespace tarnwick::platform {

// Why a private folder or file is not used; it is left as it is.
enum class PrivacyError {
  kLink = 1,          // a link (a junction, a symbolic link) has its name
  kOtherOwner,        // another user owns it
  kWritableByOthers,  // others than its owner may change it
};
const std::error_category& PrivacyCategory();
inline std::error_code make_error_code(PrivacyError error) {
  return {static_cast<int>(error), PrivacyCategory()};
}

// The folder at `path`, with `make` made for the user's eyes only when it is missing (its parent
// must exist): reached refusing a link at its own name, owned by the user and writable by no
// one else; otherwise refused, and left as it is.
std::error_code OpenPrivateFolder(const std::string& path, DirectoryHandle& folder,
                                  bool make = true);

// Why the file at `path` is not the user's own to act on without them: a link at its name,
// another's, or one that others may change; nothing when it is. A file that is not there says
// so (std::errc::no_such_file_or_directory).
std::error_code WhyFileNotPrivate(const std::string& path);

}  // namespace tarnwick::platform

namespace std {
template <>
struct is_error_code_enum<tarnwick::platform::PrivacyError> : true_type {};
}  // namespace std
