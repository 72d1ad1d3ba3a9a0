#include "platform/trash/recycle_bin_match.h"

#include "platform/windows/windows_support.h"

namespace tarnwick::platform {
namespace {

// The Recycle Bin notes the time in its own steps; two seconds cover them.
constexpr uint64_t kClockSlack = 2 * 10'000'000;

bool SamePath(const std::string& a, const std::string& b) {
  const std::wstring wideA = Wide(a), wideB = Wide(b);
  return ::CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

std::vector<std::optional<size_t>> MatchRecycleBinItems(std::span<const TrashedEntry> entries,
                                                        std::span<const RecycleBinItem> items) {
  std::vector<std::optional<size_t>> matches(entries.size());
  std::vector<bool> taken(items.size(), false);
  for (size_t e = 0; e < entries.size(); ++e) {
    const TrashedEntry& entry = entries[e];
    const uint64_t from = entry.deletedAfter > kClockSlack ? entry.deletedAfter - kClockSlack : 0;
    const uint64_t until = entry.deletedBefore + kClockSlack;
    for (size_t i = 0; i < items.size() && !matches[e]; ++i) {
      if (taken[i] || items[i].deletedAt < from || items[i].deletedAt > until) continue;
      if (!SamePath(items[i].originalPath, entry.originalPath)) continue;
      taken[i] = true;
      matches[e] = i;
    }
  }
  return matches;
}

}  // namespace tarnwick::platform
