// The processor time the process has used, to tell computing threads from waiting ones.
#pragma once

#include <chrono>

namespace tarnwick::platform {

// The processor time all threads of this process have used so far. Compared with the wall
// time it tells whether threads compute or wait for the disk.
std::chrono::nanoseconds ProcessCpuTime();

}  // namespace tarnwick::platform
