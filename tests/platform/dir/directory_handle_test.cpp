#include "platform/dir/directory_handle.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/path/path_separator.h"
#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

std::string Below(std::string path) {
  for (char& c : path) c = c == '/' ? kPathSeparator : c;
  return path;
}

TEST(DirectoryHandle, OpensOnlyRealComponentsBelowTheBase) {
  TempDir dir;
  fs::create_directories(dir.path() / "a" / "b");
  WriteFile((dir.path() / "a" / "file").string(), "x");
  DirectoryHandle base, opened;
  ASSERT_FALSE(OpenDirectory(dir.path().string(), base));

  EXPECT_FALSE(OpenDirectoryBelow(base, Below("a/b"), opened));
  EXPECT_FALSE(OpenDirectoryBelow(base, "", opened));
  EXPECT_TRUE(OpenDirectoryBelow(base, Below("a/../a"), opened));
  EXPECT_TRUE(OpenDirectoryBelow(base, Below("a//b"), opened));
  EXPECT_TRUE(OpenDirectoryBelow(base, Below("a/file"), opened));
  EXPECT_TRUE(OpenDirectoryBelow(base, Below("missing"), opened));
}

TEST(DirectoryHandle, ListsFilesAndDirectoriesAndRemovesOnlyFiles) {
  TempDir dir;
  WriteFile((dir.path() / "file").string(), "x");
  fs::create_directory(dir.path() / "sub");
  DirectoryHandle base;
  ASSERT_FALSE(OpenDirectory(dir.path().string(), base));
  int entries = 0;
  ASSERT_FALSE(ReadDirectory(base, [&](std::string_view name, EntryKind kind, uint64_t) {
    ++entries;
    EXPECT_EQ(kind, name == "sub" ? EntryKind::kDirectory : EntryKind::kFile);
  }));
  ASSERT_EQ(entries, 2);

  EXPECT_TRUE(RemoveFileEntry(base, "sub"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "sub"));
  EXPECT_FALSE(RemoveFileEntry(base, "file"));
  EXPECT_FALSE(fs::exists(dir.path() / "file"));
  EXPECT_TRUE(RemoveFileEntry(base, "file"));
}

TEST(DirectoryHandle, ARootThatIsAFileOrMissingIsRefused) {
  TempDir dir;
  WriteFile((dir.path() / "file").string(), "x");
  DirectoryHandle opened;
  EXPECT_TRUE(OpenDirectory((dir.path() / "file").string(), opened));
  EXPECT_TRUE(OpenDirectory((dir.path() / "missing").string(), opened));
  EXPECT_FALSE(opened.IsOpen());
}

}  // namespace
}  // namespace tarnwick::platform
