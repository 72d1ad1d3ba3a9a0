#include "platform/process/process_time.h"
#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

std::chrono::nanoseconds ProcessCpuTime() {
  FILETIME creation, exit, kernel, user;
  if (!::GetProcessTimes(::GetCurrentProcess(), &creation, &exit, &kernel, &user)) return {};
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  // FILETIME counts 100 ns steps.
  return std::chrono::nanoseconds((ticks(kernel) + ticks(user)) * 100);
}

}  // namespace tarnwick::platform
