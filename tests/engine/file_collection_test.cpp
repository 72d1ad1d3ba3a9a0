#include "engine/file_collection.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "support/deep_tree.h"
#include "support/temp_dir.h"

namespace tarnwick::engine {
namespace {

using tarnwick::testing::MakeDeepTree;
using tarnwick::testing::RemoveDeepTree;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

struct Collected {
  std::vector<std::string> paths;
  CollectionOutcome outcome;
};

class CountingObserver : public PassObserver {
 public:
  bool OnWalkProgress(const WalkProgress& progress) override {
    ++calls;
    return stopAfter == 0 || progress.directories < stopAfter;
  }
  void OnWalkEnded(const WalkProgress& progress) override {
    ++endings;
    ended = progress;
    endedIn = progress.currentDirectory;
  }
  int calls = 0;
  uint64_t stopAfter = 0;
  int endings = 0;
  WalkProgress ended;
  std::string endedIn;
};

Collected Collect(std::string root, HelperObjects& helpers, PassObserver& observer,
                  const WalkSettings& settings = {}) {
  std::string pattern;
  Collected collected;
  collected.outcome = CollectFiles(root, pattern, helpers.directoryLister, helpers.fileLister,
                                   helpers.resultList, observer, settings);
  for (size_t i = 0; i < helpers.resultList.ListCount(); ++i) {
    collected.paths.emplace_back(helpers.resultList.List(i));
  }
  return collected;
}

TEST(CollectFiles, FollowsTheWalkOrderOfTheWorkedExample) {
  TempDir dir;
  const std::string r = dir / "R";
  for (const char* file : {"R/r1", "R/r2", "R/A/a1", "R/A/A1/x", "R/B/b1"}) WriteFile(dir / file, "");
  HelperObjects helpers;
  CountingObserver observer;
  const Collected collected = Collect(r, helpers, observer);
  const std::vector<std::string> expected = {r + "/B/b1", r + "/A/A1/x", r + "/A/a1", r + "/r1",
                                             r + "/r2"};
  EXPECT_EQ(collected.paths, expected);
  EXPECT_GE(observer.calls, 1);
  EXPECT_EQ(collected.outcome.directories, 4u);
  EXPECT_EQ(observer.endings, 1);
  EXPECT_EQ(observer.ended.directories, 4u);
  EXPECT_EQ(observer.ended.files, 5u);
  EXPECT_EQ(observer.endedIn, r + "/");
  EXPECT_EQ(helpers.directoryLister.Path(), r + "/");
  EXPECT_EQ(helpers.fileLister.Path(), r + "/");
  EXPECT_EQ(helpers.fileLister.Pattern(), "*.*");
}

TEST(CollectFiles, AddsTheSeparatorToTheCallersRootAndStartsAfresh) {
  TempDir dir;
  WriteFile(dir / "one/a", "");
  WriteFile(dir / "two/sub/b", "");
  HelperObjects helpers;
  CountingObserver observer;
  std::string root = dir / "one";
  std::string pattern;
  CollectFiles(root, pattern, helpers.directoryLister, helpers.fileLister, helpers.resultList,
               observer);
  EXPECT_EQ(root, dir / "one/");
  EXPECT_EQ(pattern, "*.*");

  const Collected second = Collect(dir / "two", helpers, observer);
  EXPECT_EQ(second.paths, std::vector<std::string>{dir / "two/sub/b"});
}

TEST(CollectFiles, AFileSystemRootGetsExactlyOneSeparator) {
  HelperObjects helpers;
  CountingObserver observer;
  observer.stopAfter = 1;  // the root's own listing is enough
  std::string root = "/";
  std::string pattern = "*.*";
  const CollectionOutcome outcome = CollectFiles(root, pattern, helpers.directoryLister,
                                                 helpers.fileLister, helpers.resultList, observer);
  EXPECT_TRUE(outcome.rootOpened);
  EXPECT_EQ(root, "/");
  EXPECT_EQ(observer.endings, 0);  // a stopped walk has no final figures
}

TEST(CollectFiles, ARootThatCannotBeListedGivesAnEmptyResultAndSaysWhy) {
  TempDir dir;
  WriteFile(dir / "file", "");
  HelperObjects helpers;
  class FailureRecorder : public PassObserver {
   public:
    void OnDirectoryFailed(std::string_view path, std::error_code error) override {
      failures.emplace_back(std::string(path), error);
    }
    std::vector<std::pair<std::string, std::error_code>> failures;
  } observer;
  const struct {
    std::string root;
    std::errc why;
  } cases[] = {{dir / "missing", std::errc::no_such_file_or_directory},
               {dir / "file", std::errc::not_a_directory},
               {"", std::errc::no_such_file_or_directory}};
  for (const auto& c : cases) {
    ASSERT_EQ(Collect(dir.path().string(), helpers, observer).paths.size(), 1u);
    observer.failures.clear();
    const Collected collected = Collect(c.root, helpers, observer);
    EXPECT_TRUE(collected.paths.empty());
    EXPECT_FALSE(collected.outcome.rootOpened);
    EXPECT_EQ(collected.outcome.unreadableDirectories, 1u);
    ASSERT_EQ(observer.failures.size(), 1u);
    EXPECT_EQ(observer.failures[0].first, c.root.empty() ? "" : c.root + "/");
    EXPECT_EQ(observer.failures[0].second, c.why);
  }
}

TEST(CollectFiles, NeverWalksIntoALinkAndListsItAsAnEntry) {
  TempDir dir;
  WriteFile(dir / "outside/Mscreate.dir", "");
  WriteFile(dir / "root/a", "");
  std::filesystem::create_directory_symlink(dir / "outside", dir / "root/link");
  std::filesystem::create_directory_symlink(dir / "root", dir / "root/loop");
  HelperObjects helpers;
  CountingObserver observer;
  const Collected collected = Collect(dir / "root", helpers, observer);
  const std::vector<std::string> expected = {dir / "root/a", dir / "root/link",
                                             dir / "root/loop"};
  EXPECT_EQ(collected.paths, expected);
}

TEST(CollectFiles, ARootThatIsALinkIsResolvedOnce) {
  TempDir dir;
  WriteFile(dir / "real/sub/a", "");
  std::filesystem::create_directory_symlink(dir / "real", dir / "link");
  HelperObjects helpers;
  CountingObserver observer;
  EXPECT_EQ(Collect(dir / "link", helpers, observer).paths,
            std::vector<std::string>{dir / "link/sub/a"});
}

TEST(CollectFiles, StopsWhenTheObserverAsks) {
  TempDir dir;
  for (const char* file : {"a/1", "b/2", "c/3"}) WriteFile(dir / file, "");
  HelperObjects helpers;
  CountingObserver observer;
  observer.stopAfter = 1;
  const Collected collected = Collect(dir.path().string(), helpers, observer);
  EXPECT_TRUE(collected.outcome.stopped);
  EXPECT_TRUE(collected.paths.empty());
  EXPECT_EQ(observer.calls, 1);
  EXPECT_EQ(observer.endings, 0);
}

TEST(CollectFiles, WalksATreeTenThousandLevelsDeep) {
  TempDir dir;
  constexpr int kDepth = 10000;
  ASSERT_TRUE(MakeDeepTree(dir.path().string(), kDepth, "leaf"));

  HelperObjects helpers;
  CountingObserver observer;
  const Collected collected = Collect(dir.path().string(), helpers, observer);
  EXPECT_EQ(collected.outcome.directories, static_cast<uint64_t>(kDepth + 1));
  EXPECT_EQ(collected.outcome.unreadableDirectories, 0u);
  ASSERT_EQ(collected.paths.size(), 1u);
  EXPECT_EQ(collected.paths[0].size(), dir.path().string().size() + 2 * kDepth + 5);
  EXPECT_TRUE(RemoveDeepTree(dir.path().string(), kDepth));
}

}  // namespace
}  // namespace tarnwick::engine

namespace tarnwick::engine {
namespace {

// The walk order, written plainly: subdirectories from the last name to the first, each
// subtree whole, then the directory's own files by name.
void ReferenceWalk(const std::filesystem::path& directory, std::vector<std::string>& out) {
  std::vector<std::string> subdirectories, files;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    const std::string name = entry.path().filename().string();
    (entry.is_directory() && !entry.is_symlink() ? subdirectories : files).push_back(name);
  }
  std::sort(subdirectories.begin(), subdirectories.end());
  std::sort(files.begin(), files.end());
  for (auto it = subdirectories.rbegin(); it != subdirectories.rend(); ++it) {
    ReferenceWalk(directory / *it, out);
  }
  for (const auto& name : files) out.push_back((directory / name).string());
}

// "t" and 3 give "t3". Built step by step: GCC 12 warns wrongly about `"t" + std::to_string(3)`.
std::string Numbered(const char* prefix, int number) {
  std::string name = prefix;
  name += std::to_string(number);
  return name;
}

void MakeUnevenTree(const std::filesystem::path& root) {
  // Uneven subtrees, so that the threads finish their parts at different times.
  for (int top = 0; top < 45; ++top) {
    for (int sub = 0; sub < top % 7; ++sub) {
      for (int file = 0; file < (top + sub) % 5; ++file) {
        WriteFile(root / Numbered("t", top) / Numbered("s", sub) /
                      Numbered("f", file), "");
      }
    }
    WriteFile(root / Numbered("t", top) / "Thumbs.db", "");
  }
  WriteFile(root / "root-file", "");
}

// A chain 300 levels deep; each level also holds a file and a side folder with one.
void MakeDeepNarrowTree(const std::filesystem::path& root) {
  std::filesystem::path level = root;
  for (int depth = 0; depth < 300; ++depth) {
    WriteFile(level / "side" / "Thumbs.db", "");
    WriteFile(level / Numbered("file", depth), "");
    level /= "deeper";
  }
  std::filesystem::create_directories(level);
}

// One folder holding 3,000 folders of zero to two files.
void MakeWideFlatTree(const std::filesystem::path& root) {
  for (int i = 0; i < 3000; ++i) {
    const auto folder = root / Numbered("d", i);
    std::filesystem::create_directories(folder);
    for (int file = 0; file < i % 3; ++file) {
      WriteFile(folder / (file == 1 ? std::string("THUMBS.DB") : Numbered("f", file)), "");
    }
  }
}

TEST(CollectFiles, ManyThreadsKeepTheOrderOfOneWalkAndItsMatches) {
  const struct {
    const char* name;
    void (*make)(const std::filesystem::path&);
  } shapes[] = {{"uneven", MakeUnevenTree}, {"deep narrow", MakeDeepNarrowTree},
                {"wide flat", MakeWideFlatTree}};
  const NameMatcher matcher({"thumbs.db"});
  for (const auto& shape : shapes) {
    TempDir dir;
    shape.make(dir.path());
    std::vector<std::string> expected;
    ReferenceWalk(dir.path(), expected);
    std::vector<size_t> expectedMatches;
    for (size_t i = 0; i < expected.size(); ++i) {
      if (matcher.Matches(std::filesystem::path(expected[i]).filename().string())) {
        expectedMatches.push_back(i);
      }
    }
    uint64_t directories = 1;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
      directories += entry.is_directory() ? 1 : 0;
    }
    for (const unsigned workers : {1u, 8u, 16u}) {
      HelperObjects helpers;
      CountingObserver observer;
      WalkSettings settings;
      settings.workers = workers;
      settings.matcher = &matcher;
      const Collected collected = Collect(dir.path().string(), helpers, observer, settings);
      EXPECT_EQ(collected.paths, expected) << shape.name << ", " << workers << " threads";
      EXPECT_EQ(collected.outcome.matches, expectedMatches) << shape.name << ", " << workers;
      EXPECT_EQ(collected.outcome.directories, directories) << shape.name << ", " << workers;
    }
  }
}

}  // namespace
}  // namespace tarnwick::engine
