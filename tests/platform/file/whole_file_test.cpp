#include "platform/file/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

TEST(WholeFile, ReadsMissingFileAsAnError) {
  TempDir dir;
  std::string content = "stale";
  EXPECT_EQ(ReadWholeFile(dir / "missing", content), std::errc::no_such_file_or_directory);
  EXPECT_TRUE(content.empty());
  EXPECT_EQ(ReadWholeFile(dir.path().string(), content), std::errc::is_a_directory);
}

#ifndef _WIN32  // file modes and symbolic links as POSIX has them
TEST(WholeFile, ReplaceKeepsOwnerAndModeAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir / "settings.ini";
  WriteFile(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  // Root saving another user's file, as `sudo tarnwick-cli --add` does.
  const bool asRoot = ::geteuid() == 0;
  if (asRoot) {
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  }
  ASSERT_FALSE(ReplaceWholeFile(path, "new"));
  EXPECT_EQ(ReadFile(path), "new");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  if (asRoot) {
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(WholeFile, ReplaceThroughALinkKeepsTheLinkEvenWhenItDangles) {
  TempDir dir;
  WriteFile(dir / "real.ini", "old");
  std::filesystem::create_symlink(dir / "real.ini", dir / "link.ini");
  std::filesystem::create_symlink("later.ini", dir / "dangling.ini");
  ASSERT_FALSE(ReplaceWholeFile(dir / "link.ini", "new"));
  ASSERT_FALSE(ReplaceWholeFile(dir / "dangling.ini", "first"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "dangling.ini"));
  EXPECT_EQ(ReadFile(dir / "real.ini"), "new");
  EXPECT_EQ(ReadFile(dir / "later.ini"), "first");
}
#endif

TEST(WholeFile, ReplaceRefusesADirectoryAndAMissingParent) {
  TempDir dir;
  std::filesystem::create_directory(dir / "sub");
  EXPECT_TRUE(ReplaceWholeFile(dir / "sub", "x"));
  EXPECT_TRUE(ReplaceWholeFile((dir.path() / "no" / "such" / "file").string(), "x"));
}

}  // namespace
}  // namespace tarnwick::platform
