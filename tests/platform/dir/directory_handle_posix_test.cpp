#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "platform/dir/directory_handle.h"
#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

std::map<std::string, EntryKind> List(const std::string& path) {
  DirectoryHandle directory;
  EXPECT_FALSE(OpenDirectory(path, directory));
  std::map<std::string, EntryKind> kinds;
  EXPECT_FALSE(ReadDirectory(directory, [&](std::string_view name, EntryKind kind, uint64_t) {
    kinds[std::string(name)] = kind;
  }));
  return kinds;
}

// A walk trusts the listed numbers on such a file system to tell an excluded folder's number
// from every other; they must be the folders' inode numbers, which a tmpfs mounted here shows
// as well where the test may mount one.
TEST(DirectoryHandlePosix, ListedNumbersAreTheInodesWhereTheFileSystemIsTrusted) {
  TempDir dir;
  for (const char* folder : {"a", "b", "c"}) fs::create_directory(dir / folder);
  DirectoryHandle directory;
  ASSERT_FALSE(OpenDirectory(dir.path(), directory));
  if (!ListedNumbersAreIdentities(directory)) GTEST_SKIP() << "not a file system trusted so";
  int compared = 0;
  ASSERT_FALSE(ReadDirectory(directory, [&](std::string_view name, EntryKind, uint64_t number) {
    const auto identity = IdentityOfEntry(directory, std::string(name));
    ASSERT_TRUE(identity.has_value());
    EXPECT_EQ(number, identity->file) << name;
    ++compared;
  }));
  EXPECT_EQ(compared, 3);
}

TEST(DirectoryHandlePosix, ListsEveryKindOfEntryWithoutFollowingLinks) {
  TempDir dir;
  WriteFile(dir / "file", "x");
  WriteFile(dir / ".hidden", "x");
  fs::create_directory(dir / "sub");
  fs::create_directory_symlink(dir / "sub", dir / "dirlink");
  fs::create_symlink(dir / "missing", dir / "dangling");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);

  const std::map<std::string, EntryKind> expected = {
      {"file", EntryKind::kFile},     {".hidden", EntryKind::kFile},
      {"sub", EntryKind::kDirectory}, {"dirlink", EntryKind::kLink},
      {"dangling", EntryKind::kLink}, {"fifo", EntryKind::kSpecial}};
  EXPECT_EQ(List(dir.path()), expected);
}

TEST(DirectoryHandlePosix, NeverOpensALinkBelowTheBase) {
  TempDir dir;
  fs::create_directories(dir / "a/b");
  fs::create_directory_symlink(dir / "a", dir / "link");
  DirectoryHandle base, opened;
  ASSERT_FALSE(OpenDirectory(dir.path(), base));
  EXPECT_TRUE(OpenChildDirectory(base, "link", opened));
  EXPECT_TRUE(OpenDirectoryBelow(base, "link/b", opened));
}

TEST(DirectoryHandlePosix, RemovesALinkNotItsTarget) {
  TempDir dir;
  WriteFile(dir / "target", "keep");
  fs::create_symlink(dir / "target", dir / "link");
  DirectoryHandle base;
  ASSERT_FALSE(OpenDirectory(dir.path(), base));
  EXPECT_FALSE(RemoveFileEntry(base, "link"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "link")));
  EXPECT_TRUE(fs::exists(dir / "target"));
}

}  // namespace
}  // namespace tarnwick::platform
