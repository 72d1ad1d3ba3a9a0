#pragma once

#include <cstdint>
#include <vector>

#include "engine/delete_report.h"
#include "platform/trash/trash.h"

namespace tarnwick::engine {

// What taking the last pass back from the trash did.
struct TakeBackReport {
  uint64_t restored = 0;    // back where they were
  uint64_t stayed = 0;      // still in the trash: their place taken, their folder gone, ...
  uint64_t notInTrash = 0;  // no longer in the trash as the pass left them: left alone
  std::vector<NamedPath> named;  // the first DeleteReport::kPathsNamed of those not back

  bool Complete() const { return stayed == 0 && notInTrash == 0; }
};

// Puts the files of the last pass to the trash back; afterwards `entries` holds only those
// still in the trash, so that taking back again finishes the job and never moves a file twice.
TakeBackReport TakeBackFromTrash(std::vector<platform::TrashedEntry>& entries);

}  // namespace tarnwick::engine
