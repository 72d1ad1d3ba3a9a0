#include "engine/take_back.h"

namespace tarnwick::engine {

TakeBackReport TakeBackFromTrash(std::vector<platform::TrashedEntry>& entries) {
  const std::vector<std::error_code> outcomes = platform::TakeBack(entries);
  TakeBackReport report;
  std::vector<platform::TrashedEntry> stayed;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::error_code& outcome = outcomes[i];
    if (!outcome) {
      ++report.restored;
      continue;
    }
    if (report.named.size() < DeleteReport::kPathsNamed) {
      report.named.push_back({entries[i].originalPath, outcome, NamedPath::Kind::kFileNotDeleted});
    }
    if (outcome == platform::TrashError::kNoLongerInTrash) {
      ++report.notInTrash;
    } else {
      ++report.stayed;
      stayed.push_back(std::move(entries[i]));
    }
  }
  entries = std::move(stayed);
  return report;
}

}  // namespace tarnwick::engine
