// Windows: the folder a file in the Recycle Bin came from, reached for taking it back: from the
// root of its volume, and below it without following any link.
#pragma once

#include <string>
#include <system_error>

#include "platform/dir/directory_handle.h"
#include "platform/trash/trash.h"

namespace tarnwick::platform {

// The root of the volume that holds `folder` ("C:\", a folder a volume is mounted in, a share)
// and the rest below it, `mounted` for a folder; false for neither.
bool SplitAtVolume(const std::string& folder, std::string& root, std::string& below, bool& mounted);

// The folder `folder` of `entry`'s original path, reached without following any link below the
// root of its volume. A volume mounted in a folder is that root when it is the volume the file
// was recycled on. The outcome as taking back names it (TrashError::kFolderGone, ...).
std::error_code OpenOriginalFolder(const std::string& folder, const TrashedEntry& entry,
                                   DirectoryHandle& handle);

}  // namespace tarnwick::platform
