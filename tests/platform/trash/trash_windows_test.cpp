#include "platform/trash/trash.h"

#include <gtest/gtest.h>

#include "platform/trash/file_operation_windows.h"  // windows.h before the headers that build on it

#include <string>
#include <vector>

#include "support/stand_in_shell_windows.h"
#include "support/temp_dir.h"
#include "support/windows_files.h"

namespace tarnwick::platform {
namespace {

using tarnwick::testing::Exists;
using tarnwick::testing::Fate;
using tarnwick::testing::StandInOperation;
using tarnwick::testing::MakeFile;
using tarnwick::testing::TempDir;

// The real batch code, driven by the stand-in: only what the shell recycled counts as moved,
// and whatever it did not take stays where it was with its reason.
TEST(Trash, OnlyWhatTheShellRecycledCountsAsMoved) {
  const std::error_code moved;
  const std::error_code refused = make_error_code(TrashError::kWouldBeDeleted);
  const std::error_code forGood = make_error_code(TrashError::kDeletedForGood);
  const std::error_code notOffered = make_error_code(TrashError::kNoTrashOffered);
  const std::error_code denied = std::make_error_code(std::errc::permission_denied);
  const struct {
    const char* what;
    std::vector<Fate> fates;
    HRESULT deleteResult;
    int failAfter;  // the first operation fails after this many items, later ones at once
    std::vector<std::error_code> outcomes;
  } cases[] = {
      {"all recycled", {Fate::kRecycle, Fate::kRecycle}, S_OK, -1, {moved, moved}},
      {"one refused, the rest in the next batch", {Fate::kRecycle, Fate::kRefuse, Fate::kRecycle},
       S_OK, -1, {moved, refused, moved}},
      {"deleted instead of recycled", {Fate::kRecycle, Fate::kDeleteForGood}, S_OK, -1,
       {moved, forGood}},
      {"gone without a word", {Fate::kSilent}, S_OK, -1, {forGood}},
      {"the operation fails half-way", {Fate::kRecycle, Fate::kRecycle, Fate::kRecycle}, S_OK, 1,
       {moved, denied, denied}},
      {"no Recycle Bin offered", {Fate::kRecycle, Fate::kRecycle}, E_NOTIMPL, -1,
       {notOffered, notOffered}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string folder = dir.path().string();
    std::vector<std::string> names;
    for (size_t i = 0; i < c.fates.size(); ++i) {
      names.push_back(std::to_string(i) + ".log");
      ASSERT_TRUE(MakeFile(folder + "\\" + names.back(), FILE_ATTRIBUTE_READONLY));
    }
    int failAfter = c.failAfter;
    const FileOperationMaker shell = ReplaceFileOperationMaker([&](IFileOperation** operation) {
      *operation = new StandInOperation(c.fates, c.deleteResult, failAfter);
      if (failAfter >= 0) failAfter = 0;
      return S_OK;
    });
    DirectoryHandle handle;
    ASSERT_FALSE(OpenDirectory(folder, handle));
    const std::vector<std::error_code> outcomes = Trash().Move(handle, folder, names);
    ReplaceFileOperationMaker(shell);
    EXPECT_EQ(outcomes, c.outcomes) << c.what;
    for (size_t i = 0; i < names.size(); ++i) {
      const bool stays = c.outcomes[i] && c.outcomes[i] != forGood;
      EXPECT_EQ(Exists(folder + "\\" + names[i]), stays) << c.what << ": " << names[i];
    }
  }
}

}  // namespace
}  // namespace tarnwick::platform
