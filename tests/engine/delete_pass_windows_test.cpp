#include <gtest/gtest.h>

#include "engine/delete_pass.h"
#include "platform/windows/windows_support.h"
#include "support/temp_dir.h"
#include "support/windows_files.h"

namespace tarnwick::engine {
namespace {

using platform::ExtendedPath;
using tarnwick::testing::Exists;
using tarnwick::testing::MakeDirectory;
using tarnwick::testing::MakeFile;
using tarnwick::testing::TempDir;

class RecordingObserver : public PassObserver {
 public:
  void OnDeleted(std::string_view path) override { deleted.emplace_back(path); }
  std::vector<std::string> deleted;
};

TEST(DeleteListedFilesWindows, DeletesEveryCaseOfAListedNameReadOnlyAndHiddenIncluded) {
  TempDir dir;
  const std::string root = dir.path().string();
  ASSERT_TRUE(MakeDirectory(root + "\\Setup"));
  ASSERT_TRUE(MakeDirectory(root + "\\Setup\\Daten"));
  ASSERT_TRUE(MakeFile(root + "\\MSCREATE.DIR", FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(MakeFile(root + "\\Setup\\mscreate.dir", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(MakeFile(root + "\\Setup\\Daten\\\xC3\x84RGER.TXT", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(MakeFile(root + "\\Setup\\keep.txt", FILE_ATTRIBUTE_READONLY));
  core::NameList names;
  names.Append("Mscreate.dir");
  names.Append("\xC3\xA4rger.txt");  // ärger.txt

  HelperObjects helpers;
  RecordingObserver observer;
  PassRequest request;
  request.root = root;
  request.names = names;
  request.observer = &observer;
  const auto report = DeleteListedFiles(request, helpers);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->deleted, 3u);
  EXPECT_EQ(report->failed, 0u);
  EXPECT_EQ(request.root, root + "\\");
  // Paths are the platform's own, in the walk's order: subfolders first, the root's files last.
  const std::vector<std::string> expected = {root + "\\Setup\\Daten\\\xC3\x84RGER.TXT",
                                             root + "\\Setup\\mscreate.dir", root + "\\MSCREATE.DIR"};
  EXPECT_EQ(observer.deleted, expected);
  EXPECT_FALSE(Exists(root + "\\MSCREATE.DIR"));
  EXPECT_TRUE(Exists(root + "\\Setup\\keep.txt"));
}

// A folder is excluded whatever the letter case or separators of its path, and a root inside
// it searches nothing.
TEST(DeleteListedFilesWindows, AnExcludedFolderIsKnownInAnySpellingAndHoldsItsRoot) {
  const struct {
    const char* root;      // below the test's folder
    const char* excluded;  // the same
    bool rootExcluded;
  } cases[] = {{"", "\\BEHALTEN", false},
               {"", "\\behalten\\", false},
               {"", "/Behalten/../Behalten", false},
               {"\\Behalten\\Tief", "\\BEHALTEN", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.root) + " excluding " + c.excluded);
    TempDir dir;
    const std::string top = dir.path().string();
    ASSERT_TRUE(MakeDirectory(top + "\\Behalten"));
    ASSERT_TRUE(MakeDirectory(top + "\\Behalten\\Tief"));
    ASSERT_TRUE(MakeFile(top + "\\Setup.log", 0));
    ASSERT_TRUE(MakeFile(top + "\\Behalten\\Tief\\Setup.log", 0));
    core::NameList names;
    names.Append("Setup.log");
    HelperObjects helpers;
    PassRequest request;
    request.root = top + c.root;
    request.names = names;
    request.excludedFolders = {top + c.excluded};
    const auto report = DeleteListedFiles(request, helpers);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->rootExcluded, c.rootExcluded);
    EXPECT_EQ(report->excludedFolders, 1u);
    EXPECT_TRUE(Exists(top + "\\Behalten\\Tief\\Setup.log"));
    EXPECT_EQ(Exists(top + "\\Setup.log"), c.rootExcluded);
  }
}

TEST(DeleteListedFilesWindows, AFileInUseIsReportedAsNotDeleted) {
  TempDir dir;
  const std::string root = dir.path().string();
  ASSERT_TRUE(MakeFile(root + "\\Thumbs.db"));
  const platform::ScopedHandle holder(::CreateFileW(ExtendedPath(root + "\\Thumbs.db").c_str(),
                                                    GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                    OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(holder.IsValid());
  core::NameList names;
  names.Append("thumbs.db");
  HelperObjects helpers;
  PassRequest request;
  request.root = root;
  request.names = names;
  const auto report = DeleteListedFiles(request, helpers);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->deleted, 0u);
  EXPECT_EQ(report->failed, 1u);
  EXPECT_FALSE(report->Complete());
  ASSERT_EQ(report->named.size(), 1u);
  EXPECT_EQ(report->named[0].error, std::errc::device_or_resource_busy);  // "wird verwendet"
}

}  // namespace
}  // namespace tarnwick::engine
