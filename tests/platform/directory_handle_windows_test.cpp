#include <gtest/gtest.h>

#include "platform/directory_handle.h"
#include "platform/long_path.h"
#include "platform/windows_support.h"
#include "support/temp_dir.h"
#include "support/windows_files.h"

namespace tarnwick::platform {
namespace {

using tarnwick::testing::Exists;
using tarnwick::testing::MakeFile;
using tarnwick::testing::TempDir;

TEST(DirectoryHandleWindows, RemovesReadOnlyHiddenAndSystemFiles) {
  TempDir dir;
  const std::string root = dir.path().string();
  const DWORD kinds[] = {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN,
                         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM};
  DirectoryHandle base;
  ASSERT_FALSE(OpenDirectory(root, base));
  for (const DWORD attributes : kinds) {
    ASSERT_TRUE(MakeFile(root + "\\Mscreate.dir", attributes));
    EXPECT_FALSE(RemoveFileEntry(base, "Mscreate.dir")) << attributes;
    EXPECT_FALSE(Exists(root + "\\Mscreate.dir")) << attributes;
  }
}

TEST(DirectoryHandleWindows, AFileInUseStaysWithItsAttributes) {
  TempDir dir;
  const std::string path = dir.path().string() + "\\busy.tmp";
  ASSERT_TRUE(MakeFile(path, FILE_ATTRIBUTE_READONLY));
  // Held open without delete sharing: the removal must fail and change nothing.
  const ScopedHandle holder(::CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ,
                                          FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(holder.IsValid());
  DirectoryHandle base;
  ASSERT_FALSE(OpenDirectory(dir.path().string(), base));
  EXPECT_TRUE(RemoveFileEntry(base, "busy.tmp"));
  EXPECT_EQ(::GetFileAttributesW(ExtendedPath(path).c_str()) & FILE_ATTRIBUTE_READONLY,
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
}

TEST(DirectoryHandleWindows, ReachesPathsLongerThanMaxPath) {
  TempDir dir;
  std::string path = dir.path().string();
  std::string relative;
  for (int level = 0; level < 12; ++level) {
    const std::string component = "level-" + std::to_string(level) + std::string(30, 'x');
    path += "\\" + component;
    relative += (relative.empty() ? "" : "\\") + component;
    ASSERT_TRUE(::CreateDirectoryW(ExtendedPath(path).c_str(), nullptr)) << path.size();
  }
  ASSERT_GT(path.size(), static_cast<size_t>(MAX_PATH));
  ASSERT_TRUE(MakeFile(path + "\\Thumbs.db", FILE_ATTRIBUTE_HIDDEN));

  DirectoryHandle base, deep;
  ASSERT_FALSE(OpenDirectory(dir.path().string(), base));
  ASSERT_FALSE(OpenDirectoryBelow(base, relative, deep));
  std::vector<std::string> names;
  ASSERT_FALSE(ReadDirectory(deep, [&](std::string_view entry, EntryKind) { names.emplace_back(entry); }));
  EXPECT_EQ(names, std::vector<std::string>{"Thumbs.db"});
  EXPECT_FALSE(RemoveFileEntry(deep, "Thumbs.db"));
  EXPECT_FALSE(Exists(path + "\\Thumbs.db"));
  DirectoryHandle opened;
  EXPECT_FALSE(OpenDirectory(path, opened));  // the root itself may be that long too
}

TEST(DirectoryHandleWindows, NamesOutsideTheCodePageSurvive) {
  TempDir dir;
  const std::string name = "\xE2\x82\xAC-\xCE\xB1-\xF0\x9F\x98\x80.txt";  // euro, alpha, emoji
  ASSERT_TRUE(MakeFile(dir.path().string() + "\\" + name, 0));
  DirectoryHandle base;
  ASSERT_FALSE(OpenDirectory(dir.path().string(), base));
  std::vector<std::string> names;
  ASSERT_FALSE(ReadDirectory(base, [&](std::string_view entry, EntryKind) { names.emplace_back(entry); }));
  EXPECT_EQ(names, std::vector<std::string>{name});
  EXPECT_FALSE(RemoveFileEntry(base, name));
}

TEST(LongPathNameWindows, GivesTheStoredFormOfAnExistingPath) {
  TempDir dir;
  ASSERT_TRUE(MakeFile(dir.path().string() + "\\Setup.LOG", 0));
  const auto found = QueryLongPathName(dir.path().string() + "\\setup.log");
  ASSERT_TRUE(found.has_value());
  EXPECT_TRUE(found->ends_with("\\setup.log") || found->ends_with("\\Setup.LOG")) << *found;
  EXPECT_FALSE(QueryLongPathName(dir.path().string() + "\\missing").has_value());
}

}  // namespace
}  // namespace tarnwick::platform
