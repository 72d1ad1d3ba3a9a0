// A record of a pass to the trash kept in memory, for the tests of the trash and the pass.
#pragma once

#include <span>
#include <system_error>
#include <vector>

#include "platform/trash/trash.h"

namespace tarnwick::testing {

class MemoryRecorder : public platform::TrashRecorder {
 public:
  std::error_code BeforeMove(std::span<const platform::TrashedEntry> entries) override {
    if (refuse) return refuse;
    ahead.insert(ahead.end(), entries.begin(), entries.end());
    return {};
  }
  std::error_code AfterMove(std::span<const platform::TrashedEntry> entries) override {
    after.insert(after.end(), entries.begin(), entries.end());
    return {};
  }

  std::error_code refuse;                     // what BeforeMove answers; nothing: it records
  std::vector<platform::TrashedEntry> ahead;  // the lines written before their files moved
  std::vector<platform::TrashedEntry> after;  // and those written once the trash named them
};

}  // namespace tarnwick::testing
