#include "engine/helper_objects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "platform/path/path_separator.h"
#include "support/temp_dir.h"

namespace tarnwick::engine {
namespace {

using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

TEST(DirectoryLister, ListsSubdirectoriesSortedWithFullPaths) {
  TempDir dir;
  std::filesystem::create_directories(dir / "b");
  std::filesystem::create_directories(dir / "a/inner");
  std::filesystem::create_directories(dir / ".hidden");
  WriteFile(dir / "file", "");
  DirectoryLister lister;
  ASSERT_TRUE(lister.SetPath(dir.path().string() + platform::kPathSeparator));
  ASSERT_EQ(lister.ListCount(), 3u);
  EXPECT_EQ(lister.List(0), dir / ".hidden");
  EXPECT_EQ(lister.List(1), dir / "a");
  EXPECT_EQ(lister.List(2), dir / "b");

  ASSERT_TRUE(lister.SetPath(dir / "b"));
  EXPECT_EQ(lister.ListCount(), 0u);
  EXPECT_FALSE(lister.SetPath(dir / "missing"));
  EXPECT_FALSE(lister.SetPath(dir / "file"));
  EXPECT_EQ(lister.Path(), dir / "b");  // a refused path leaves the lister as it was
}

TEST(FileLister, ListsHiddenFilesAndNamesWithoutDotButNoSubdirectories) {
  TempDir dir;
  WriteFile(dir / "noext", "");
  WriteFile(dir / ".hidden", "");
  WriteFile(dir / "a.txt", "");
  std::filesystem::create_directories(dir / "sub.dir");
  FileLister lister;
  lister.SetPattern("*.*");
  ASSERT_TRUE(lister.SetPath(dir.path().string()));
  ASSERT_EQ(lister.ListCount(), 3u);
  EXPECT_EQ(lister.List(0), ".hidden");
  EXPECT_EQ(lister.List(1), "a.txt");
  EXPECT_EQ(lister.List(2), "noext");

  lister.SetPattern("*.txt");
  ASSERT_EQ(lister.ListCount(), 1u);
  EXPECT_EQ(lister.List(0), "a.txt");
}

TEST(FileLister, PatternsMatchLikeWildcards) {
  const struct {
    const char* pattern;
    const char* name;
    bool matches;
  } cases[] = {{"*.*", "noext", true},  {"*", "", true},        {"*.txt", "a.txt", true},
               {"*.txt", "a.txt2", false}, {"a?c", "abc", true}, {"a?c", "ac", false},
               {"*a*b*", "xxaxxbxx", true}, {"*a*b", "ab", true}, {"a*", "b", false},
               {"abc", "abc", true},      {"abc", "ABC", false}};
  FileLister lister;
  for (const auto& c : cases) {
    lister.SetPattern(c.pattern);
    EXPECT_EQ(lister.Matches(c.name), c.matches) << c.pattern << " " << c.name;
  }
}

TEST(NameStore, GivesBackEveryNameAcrossItsBlocks) {
  NameStore store;
  std::vector<std::string> names;
  for (int i = 0; i < 20000; ++i) {
    // Lengths from 1 to 255 bytes, so that names end close to every block boundary.
    names.emplace_back(1 + (i * 37) % 255, static_cast<char>('a' + i % 26));
    names.back() += std::to_string(i);
    names.back().resize(std::min<size_t>(names.back().size(), 255));
    ASSERT_EQ(store.AddFile(names.back()), static_cast<uint64_t>(i));
  }
  for (size_t i = 0; i < names.size(); ++i) ASSERT_EQ(store.File(i), names[i]) << i;
  EXPECT_THROW(store.File(names.size()), std::out_of_range);
}

}  // namespace
}  // namespace tarnwick::engine
