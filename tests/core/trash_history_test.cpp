#include "core/trash_history.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::core {
namespace {

using tarnwick::testing::TempDir;

// Each pass that moved something gets the next number, the newest is listed first, and only
// the last fifty are kept; a pass that moved nothing leaves no record.
TEST(TrashHistory, KeepsTheLastFiftyPassesNewestFirst) {
  TempDir dir;
  const AppState state = testing::StateIn(dir);
  platform::TrashedEntry moved;
  moved.originalPath = "/tree/Setup.log";
#ifdef _WIN32
  moved.originalPath = "C:\\tree\\Setup.log";
  moved.recycledPath = "C:\\$Recycle.Bin\\$R1.log";
#else
  moved.trash = "/home/u/.local/share/Trash";
  moved.entryName = "Setup.log";
#endif
  { PassRecorder nothingMoved(state, "/tree", 1); }
  EXPECT_TRUE(KeptPasses(state).empty());
  for (int pass = 1; pass <= 51; ++pass) {
    PassRecorder record(state, "/tree", pass);
    record.Record(std::span(&moved, 1));
    ASSERT_FALSE(record.Error());
  }
  const std::vector<KeptPass> kept = KeptPasses(state);
  ASSERT_EQ(kept.size(), kKeptPasses);
  EXPECT_EQ(kept.front().number, 51u);
  EXPECT_EQ(kept.back().number, 2u);
#ifndef _WIN32
  EXPECT_EQ(std::filesystem::status(kept.front().recordPath).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
}

}  // namespace
}  // namespace tarnwick::core
