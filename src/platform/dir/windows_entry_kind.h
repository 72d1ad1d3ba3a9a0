// Windows: what an entry is, by its attributes and reparse tag, and why a folder is not entered.
#pragma once

#include <cstdint>
#include <system_error>

#include "platform/dir/directory_handle.h"

namespace tarnwick::platform {

// Windows decides what an entry is by its attributes and, for a reparse point, its tag. Only
// name surrogates lead elsewhere: symbolic links and junctions are links, never entered and
// removed as themselves; a volume mount point is another file system, not entered either. Any
// other reparse point (a cloud placeholder, a deduplicated or compressed file) is the file or
// folder it looks like. `mountsVolume`: a mount point's target is a volume, not a folder.
EntryKind KindOfEntry(uint32_t attributes, uint32_t reparseTag, bool mountsVolume);

// Why a folder with this reparse tag is not entered: std::errc::cross_device_link for a volume
// mounted there, std::errc::too_many_symbolic_link_levels for a link; nothing for other tags.
std::error_code WhyNotEntered(uint32_t reparseTag, bool mountsVolume);

}  // namespace tarnwick::platform
