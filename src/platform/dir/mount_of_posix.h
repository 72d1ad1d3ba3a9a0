// POSIX: which mount holds an open file, so that no walk crosses into another file system.
#pragma once

#include <cstdint>
#include <system_error>

namespace tarnwick::platform {

// POSIX: the mount that holds the open file or folder `fd`: its id, as a bind mount has one of
// its own where its device is its parent's; the device where the kernel gives no ids; 0 when
// the kernel does not tell, and then in `why` (when given) the reason.
uint64_t MountOf(int fd, std::error_code* why = nullptr);

}  // namespace tarnwick::platform
