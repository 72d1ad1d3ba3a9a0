// POSIX: the trash of a file system other than the home's, at its top folder.
#pragma once

#include <string>
#include <system_error>

#include "platform/dir/directory_handle.h"

namespace tarnwick::platform {

// POSIX: the trash of the file system whose top folder is open as `topdir`, for this user:
// $topdir/.Trash/$uid where $topdir/.Trash is a real folder with the sticky bit (made for every
// user by the administrator), else $topdir/.Trash-$uid; each made (private to the user) when
// missing, and taken only when it is a real folder of the user's own, never a link.
// TrashError::kNoTrashHere when there is neither and none can be made. `name`, when given,
// gets the trash's path below the top folder.
std::error_code OpenVolumeTrash(const DirectoryHandle& topdir, DirectoryHandle& trash,
                                std::string* name = nullptr);

}  // namespace tarnwick::platform
