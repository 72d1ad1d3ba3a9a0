// The lock that lets one copy of a program run at a time, per user and per executable.
#pragma once

#include <cstdint>
#include <string>

namespace tarnwick::platform {

// Held for the life of the process by the one running instance of a program, per user and per
// executable. The system releases it when the process ends in any way, so a crashed instance
// never blocks the next start.
class SingleInstanceLock {
 public:
  enum class Outcome {
    kAcquired,       // this is the only instance
    kHeldElsewhere,  // another instance of the same executable runs for this user
    kUnavailable,    // no lock could be made; the program runs without one
  };

  explicit SingleInstanceLock(const std::string& executablePath);
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
  ~SingleInstanceLock();

  Outcome outcome() const { return outcome_; }

 private:
  intptr_t handle_ = -1;  // the lock file's descriptor, or the mutex's HANDLE on Windows
  Outcome outcome_ = Outcome::kUnavailable;
};

}  // namespace tarnwick::platform
