#include "platform/trash/recycle_bin_match.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

// Wine's shell keeps no Recycle Bin, so the decision which item is whose stands on its own.
TEST(MatchRecycleBinItems, TakesTheItemOfTheSamePlaceDeletedDuringThePassEachOnce) {
  constexpr uint64_t kSecond = 10'000'000;
  const auto entry = [](const char* path, uint64_t after, uint64_t before) {
    TrashedEntry made;
    made.originalPath = path;
    made.deletedAfter = after;
    made.deletedBefore = before;
    return made;
  };
  const std::vector<RecycleBinItem> bin = {
      {"C:\\Setup\\setup.LOG", 100 * kSecond},  // 0: the pass's, in another letter case
      {"C:\\Setup\\Setup.log", 10 * kSecond},   // 1: the same name, deleted long before
      {"C:\\Setup\\Setup.log", 101 * kSecond},  // 2: a second one of the pass
      {"C:\\Other\\Setup.log", 100 * kSecond},  // 3: another folder
  };
  const struct {
    std::vector<TrashedEntry> entries;
    std::vector<std::optional<size_t>> items;
  } cases[] = {
      {{entry("C:\\Setup\\Setup.log", 99 * kSecond, 102 * kSecond)}, {0}},
      {{entry("C:\\Setup\\Setup.log", 99 * kSecond, 102 * kSecond),
        entry("C:\\Setup\\Setup.log", 99 * kSecond, 102 * kSecond)}, {0, 2}},
      {{entry("C:\\Setup\\Setup.log", 200 * kSecond, 201 * kSecond)}, {std::nullopt}},
      {{entry("C:\\Gone\\Setup.log", 99 * kSecond, 102 * kSecond)}, {std::nullopt}},
      {{entry("C:\\Setup\\Setup.log", 102 * kSecond, 103 * kSecond)}, {0}},  // the clock's step
  };
  for (const auto& c : cases) EXPECT_EQ(MatchRecycleBinItems(c.entries, bin), c.items);
}

}  // namespace
}  // namespace tarnwick::platform
