#pragma once

#include <optional>
#include <string>

namespace tarnwick::testing {

// An environment variable set to `value` for as long as this lives, then as it was (POSIX).
class ScopedVariable {
 public:
  ScopedVariable(std::string name, const std::string& value);
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;
  ~ScopedVariable();

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace tarnwick::testing
