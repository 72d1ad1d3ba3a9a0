#include "core/trash_history.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file/private_folder.h"
#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::core {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

platform::TrashedEntry MovedFile() {
  platform::TrashedEntry moved;
#ifdef _WIN32
  moved.originalPath = "C:\\tree\\Setup.log";
  moved.recycledPath = "C:\\$Recycle.Bin\\$R1.log";
#else
  moved.originalPath = "/tree/Setup.log";
  moved.trash = "/home/u/.local/share/Trash";
  moved.entryName = "Setup.log";
#endif
  return moved;
}

// Records a pass of one file as a pass to the trash does; the recorder's error.
std::error_code RecordPass(const AppState& state, std::time_t when) {
  PassRecorder record(state, "/tree", when);
  if (const std::error_code error = record.Prepare()) return error;
  const platform::TrashedEntry moved = MovedFile();
  record.BeforeMove(std::span(&moved, 1));
  record.Finish();
  return record.Error();
}

// Each pass that moved something gets the next number, the newest is listed first, and only
// the last fifty are kept; a pass that moved nothing leaves no record.
TEST(TrashHistory, KeepsTheLastFiftyPassesNewestFirst) {
  TempDir dir;
  const AppState state = testing::StateIn(dir);
  {
    PassRecorder nothingMoved(state, "/tree", 1);
    ASSERT_FALSE(nothingMoved.Prepare());
  }
  EXPECT_TRUE(KeptPasses(state).empty());
  for (int pass = 1; pass <= 51; ++pass) ASSERT_FALSE(RecordPass(state, pass));
  const std::vector<KeptPass> kept = KeptPasses(state);
  ASSERT_EQ(kept.size(), kKeptPasses);
  EXPECT_EQ(kept.front().number, 51u);
  EXPECT_EQ(kept.back().number, 2u);
#ifndef _WIN32
  EXPECT_EQ(fs::status(kept.front().recordPath).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(fs::status(HistoryFolder(state)).permissions(), fs::perms::owner_all);
#endif
}

// A record numbered as high as numbers go is the newest: no pass is numbered after it, and
// none wraps round to be taken for the oldest.
TEST(TrashHistory, ARecordNumberNeverWraps) {
  TempDir dir;
  const AppState state = testing::StateIn(dir);
  ASSERT_FALSE(RecordPass(state, 1));
  fs::rename(KeptPasses(state).front().recordPath,
             HistoryFolder(state) + "/18446744073709551615.papierkorb");
  EXPECT_EQ(RecordPass(state, 2), NoPassNumberLeft());
  const std::vector<KeptPass> kept = KeptPasses(state);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept.front().number, 18446744073709551615u);
}

#ifndef _WIN32
// A folder of kept passes that another user could have put or changed is never used: nothing
// is recorded there, nothing is listed from it, and it stays as it is.
TEST(TrashHistory, RefusesAFolderOthersCouldChange) {
  const struct {
    const char* what;
    std::function<void(const std::string& folder, const TempDir& dir)> make;
    platform::PrivacyError why;
  } cases[] = {
      {"writable by all",
       [](const std::string& folder, const TempDir&) {
         fs::create_directory(folder);
         fs::permissions(folder, fs::perms::all);
       },
       platform::PrivacyError::kWritableByOthers},
      {"a link to another folder",
       [](const std::string& folder, const TempDir& dir) {
         fs::create_directory(dir / "elsewhere");
         fs::create_directory_symlink(dir / "elsewhere", folder);
       },
       platform::PrivacyError::kLink},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const AppState state = testing::StateIn(dir);
    c.make(HistoryFolder(state), dir);
    WriteFile(dir / "elsewhere/1.papierkorb", "planted");
    std::error_code unusable;
    EXPECT_TRUE(KeptPasses(state, &unusable).empty());
    EXPECT_EQ(unusable, c.why);
    EXPECT_EQ(RecordPass(state, 1), c.why);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "elsewhere"), {}), 1);
  }
}
#endif

}  // namespace
}  // namespace tarnwick::core
