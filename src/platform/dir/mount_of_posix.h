#pragma once

#include <cstdint>

namespace tarnwick::platform {

// POSIX: the mount that holds the open file or folder `fd`: its id, as a bind mount has one of
// its own where its device is its parent's; the device where the kernel gives no ids; 0 when
// the kernel does not tell.
uint64_t MountOf(int fd);

}  // namespace tarnwick::platform
