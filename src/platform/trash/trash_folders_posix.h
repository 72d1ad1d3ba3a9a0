// POSIX: finding and opening the folders of the freedesktop.org trash, shared by moving files
// there and taking them back.
#pragma once

#include <fcntl.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

#include "platform/posix/posix_support.h"

namespace tarnwick::platform {

inline constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// The folder `name` of `parent`, with `make` made (private to this user) when missing. Only a
// real folder of this user's own is taken: never a link (std::errc::too_many_symbolic_link_levels),
// never someone else's (std::errc::permission_denied).
std::error_code OpenOwnFolder(int parent, const char* name, UniqueFd& folder, bool make = true);

// The volume trash `name` (".Trash/$uid" or ".Trash-$uid") of the file system whose top folder
// is `top`, as it is: taken only where a pass would choose it (OpenVolumeTrash), never made.
// TrashError::kTrashNotTrusted for one it would not take.
std::error_code OpenVolumeTrashAs(int top, const std::string& name, UniqueFd& trash);

// The top folder of the mount that holds `folder`: up through ".." while that stays on it.
// `levels`: how many steps up that took.
UniqueFd TopOfMount(int folder, size_t& levels);

// The folder's path with every link resolved, ending in '/'; relative paths are taken from
// the current folder.
std::error_code RealFolderPath(const std::string& path, std::string& real);

// `path` (ending in '/') without its last `levels` folders.
std::string Above(std::string path, size_t levels);

// $XDG_DATA_HOME, default ~/.local/share; empty when neither is known.
std::string DataHome();

// The mount of the home trash's file system: the data folder's, or while that is missing its
// nearest existing parent's. Not the mount of a trash that could be opened: a home trash
// that cannot be used must not send the files elsewhere.
uint64_t HomeMount(std::string dataHome);

// The home trash, $XDG_DATA_HOME/Trash, made when missing.
std::error_code OpenHomeTrash(const std::string& dataHome, UniqueFd& trash);

}  // namespace tarnwick::platform
