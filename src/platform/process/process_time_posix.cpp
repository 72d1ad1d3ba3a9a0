#include <time.h>

#include "platform/process/process_time.h"

namespace tarnwick::platform {

std::chrono::nanoseconds ProcessCpuTime() {
  struct timespec now {};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

}  // namespace tarnwick::platform
