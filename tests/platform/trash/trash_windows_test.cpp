#include "platform/trash/trash.h"

#include <gtest/gtest.h>

#include "platform/windows/windows_support.h"  // windows.h before the headers that build on it

#include <shobjidl.h>

#include "support/temp_dir.h"
#include "support/windows_files.h"

namespace tarnwick::platform {
namespace {

using tarnwick::testing::Exists;
using tarnwick::testing::MakeFile;
using tarnwick::testing::TempDir;

// The shell says, before each item, whether it would go to the Recycle Bin; every other item
// is refused, as it would be deleted for good.
TEST(GoesToRecycleBin, OnlyWhereTheShellWouldRecycle) {
  const struct {
    DWORD flags;
    bool recycled;
  } cases[] = {
      {TSF_DELETE_RECYCLE_IF_POSSIBLE, true},
      {TSF_DELETE_RECYCLE_IF_POSSIBLE | TSF_COPY_LOCALIZED_NAME, true},
      {TSF_NORMAL, false},  // a volume without a Recycle Bin, a share, a file too large for it
      {TSF_COPY_LOCALIZED_NAME, false},
  };
  for (const auto& c : cases) EXPECT_EQ(GoesToRecycleBin(c.flags), c.recycled) << c.flags;
}

// Each file either went to the Recycle Bin or stays where it was with a reason; none is
// deleted for good. (Wine's shell answers every IFileOperation call with E_NOTIMPL: there
// the files stay.)
TEST(Trash, AFileGoesToTheRecycleBinOrStays) {
  TempDir dir;
  const std::string folder = dir.path().string();
  ASSERT_TRUE(MakeFile(folder + "\\Mscreate.dir", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(MakeFile(folder + "\\Setup.log"));
  DirectoryHandle handle;
  ASSERT_FALSE(OpenDirectory(folder, handle));
  const std::vector<std::string> names = {"Mscreate.dir", "Setup.log"};
  const std::vector<std::error_code> outcomes = Trash().Move(handle, names);
  ASSERT_EQ(outcomes.size(), names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(Exists(folder + "\\" + names[i]), static_cast<bool>(outcomes[i])) << names[i];
  }
}

}  // namespace
}  // namespace tarnwick::platform
