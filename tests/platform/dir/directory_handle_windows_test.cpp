#include <gtest/gtest.h>

#include "platform/dir/directory_handle.h"
#include "platform/path/long_path.h"
#include "platform/dir/windows_entry_kind.h"
#include "platform/windows/windows_support.h"
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

// Wine makes no reparse point of these kinds, so the decision is shown on its own.
TEST(KindOfEntry, OnlyNameSurrogatesLeadElsewhere) {
  constexpr DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY, kFileAttributes = FILE_ATTRIBUTE_ARCHIVE,
                  kReparse = FILE_ATTRIBUTE_REPARSE_POINT;
  const std::error_code entered, link = std::make_error_code(std::errc::too_many_symbolic_link_levels),
                                 otherVolume = std::make_error_code(std::errc::cross_device_link);
  const struct {
    DWORD attributes, tag;
    bool mountsVolume;
    EntryKind kind;
    std::error_code whyNotEntered;
  } cases[] = {
      {kFolder, 0, false, EntryKind::kDirectory, entered},
      {kFileAttributes, 0, false, EntryKind::kFile, entered},
      {kFolder | kReparse, IO_REPARSE_TAG_MOUNT_POINT, false, EntryKind::kLink, link},  // junction
      {kFolder | kReparse, IO_REPARSE_TAG_MOUNT_POINT, true, EntryKind::kDirectory, otherVolume},
      {kFolder | kReparse, IO_REPARSE_TAG_SYMLINK, false, EntryKind::kLink, link},
      {kFileAttributes | kReparse, IO_REPARSE_TAG_SYMLINK, false, EntryKind::kLink, link},
      {kFileAttributes | kReparse, 0xA000001D, false, EntryKind::kLink, link},  // WSL's link
      {kFolder | kReparse, IO_REPARSE_TAG_CLOUD_3, false, EntryKind::kDirectory, entered},  // OneDrive
      {kFileAttributes | kReparse, IO_REPARSE_TAG_CLOUD, false, EntryKind::kFile, entered},
      {kFolder | kReparse, IO_REPARSE_TAG_PROJFS, false, EntryKind::kDirectory, entered},
      {kFileAttributes | kReparse, IO_REPARSE_TAG_DEDUP, false, EntryKind::kFile, entered},
      {kFileAttributes | kReparse, IO_REPARSE_TAG_WOF, false, EntryKind::kFile, entered},  // compressed
      {kFileAttributes | kReparse, IO_REPARSE_TAG_APPEXECLINK, false, EntryKind::kFile, entered},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KindOfEntry(c.attributes, c.tag, c.mountsVolume), c.kind) << std::hex << c.tag;
    if (c.attributes & kReparse) {
      EXPECT_EQ(WhyNotEntered(c.tag, c.mountsVolume), c.whyNotEntered) << std::hex << c.tag;
    }
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
  EXPECT_EQ(RemoveFileEntry(base, "busy.tmp"), std::errc::device_or_resource_busy);  // "wird verwendet"
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
  ASSERT_FALSE(ReadDirectory(deep, [&](std::string_view entry, EntryKind, uint64_t) { names.emplace_back(entry); }));
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
  ASSERT_FALSE(ReadDirectory(base, [&](std::string_view entry, EntryKind, uint64_t) { names.emplace_back(entry); }));
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
