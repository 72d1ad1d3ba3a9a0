// The lock both programs take before they change the settings file.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <system_error>

namespace tarnwick::platform {

// The exclusive right to read, change and write back one settings file, shared by every
// process that writes it: the desktop program and tarnwick-cli, whoever runs them. The system
// releases it when its holder ends in any way.
class SettingsLock {
 public:
  SettingsLock() = default;
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;
  ~SettingsLock();

  // Waits at most `patience` for the lock of the settings file at `path`; std::errc::timed_out
  // when someone else holds it all that time.
  std::error_code Acquire(const std::string& path, std::chrono::milliseconds patience);

 private:
  intptr_t handle_ = -1;  // the locked folder's descriptor, or the mutex's HANDLE on Windows
};

}  // namespace tarnwick::platform
