// A directory inside the tree is swapped for a link to a directory outside it while passes run;
// whatever the timing, nothing outside the chosen folder may be deleted or changed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <thread>

#include "engine/delete_pass.h"
#include "engine/name_matcher.h"
#include "figures.h"
#include "support/scoped_variable.h"
#include "support/temp_dir.h"

namespace tarnwick::engine {
namespace {

namespace fs = std::filesystem;
using hardening::ReportFigure;
using tarnwick::testing::ReadFile;
using tarnwick::testing::ScopedVariable;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

constexpr const char* kListed = "Mscreate.dir";

core::NameList ListedNames() {
  core::NameList names;
  names.Append(kListed);
  names.Append("Setup.log");
  return names;
}

// Every file below `top`, links included as entries, with its content (a link's target).
std::map<std::string, std::string> Snapshot(const fs::path& top) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(top)) {
    const std::string relative = fs::relative(entry.path(), top).string();
    if (entry.is_symlink()) {
      entries[relative] = "-> " + fs::read_symlink(entry.path()).string();
    } else if (entry.is_regular_file()) {
      entries[relative] = ReadFile(entry.path().string());
    } else {
      entries[relative] = "<dir>";
    }
  }
  return entries;
}

// How many entries of `before` are gone or different in `after`, and how many are new.
uint64_t Touched(const std::map<std::string, std::string>& before,
                 const std::map<std::string, std::string>& after) {
  uint64_t touched = 0;
  for (const auto& [path, content] : before) {
    const auto found = after.find(path);
    if (found == after.end() || found->second != content) ++touched;
  }
  for (const auto& [path, content] : after) touched += before.count(path) == 0 ? 1 : 0;
  return touched;
}

// Files below `top` that carry a listed name, not counting links.
uint64_t ListedFilesBelow(const fs::path& top) {
  const NameMatcher listed(ListedNames().Entries());
  uint64_t count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(top)) {
    if (!entry.is_symlink() && entry.is_regular_file() &&
        listed.Matches(entry.path().filename().string())) {
      ++count;
    }
  }
  return count;
}

// Exchanges two names atomically, as fast as it can, until told to stop.
class Swapper {
 public:
  Swapper(std::string first, std::string second)
      : first_(std::move(first)), second_(std::move(second)),
        thread_([this] { Run(); }) {}
  ~Swapper() { Stop(); }
  uint64_t Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return swaps_;
  }

 private:
  void Run() {
    while (!stop_) {
      if (::renameat2(AT_FDCWD, first_.c_str(), AT_FDCWD, second_.c_str(), RENAME_EXCHANGE) == 0) {
        ++swaps_;
      }
    }
  }
  std::string first_, second_;
  std::atomic<bool> stop_ = false;
  uint64_t swaps_ = 0;
  std::thread thread_;
};

// Gives the swapping thread its chance between every two directories of the walk.
class YieldingObserver : public PassObserver {
  bool OnWalkProgress(const WalkProgress&) override {
    std::this_thread::yield();
    return true;
  }
};

// Deletes, or moves to the trash: the same safety either way.
constexpr Disposal kDisposals[] = {Disposal::kDelete, Disposal::kTrash};

DeleteReport RunPass(const std::string& root, PassObserver& observer, Disposal disposal) {
  HelperObjects helpers;
  PassRequest request;
  request.root = root;
  request.names = ListedNames();
  request.disposal = disposal;
  request.observer = &observer;
  return DeleteListedFiles(request, helpers).value_or(DeleteReport{});
}

// The files a pass should delete: in the root, in ordinary subdirectories, and in the
// directory that is swapped (whichever of its two names it has at the moment).
void FillTree(const TempDir& dir) {
  const std::string swapped = fs::is_symlink(dir / "root/swapped") ? "root/swapped.link/"
                                                                  : "root/swapped/";
  for (const char* relative : {"root/", "root/a/", "root/a/b/", "root/c/"}) {
    WriteFile(dir / (std::string(relative) + kListed), "inside");
  }
  for (const char* relative : {"", "deeper/", "deeper/still/"}) {
    WriteFile(dir / (swapped + relative + kListed), "inside");
    WriteFile(dir / (swapped + relative + "Setup.log"), "inside");
  }
}

TEST(SymlinkRace, ADirectorySwappedForALinkDuringPassesNeverExposesTheOutside) {
  constexpr int kPasses = 200;
  TempDir dir;
  // Outside holds the same names at the same places, so any path-based slip would hit them.
  for (const char* relative : {"", "deeper/", "deeper/still/"}) {
    WriteFile(dir / (std::string("outside/") + relative + kListed), "outside");
    WriteFile(dir / (std::string("outside/") + relative + "Setup.log"), "outside");
  }
  fs::create_directories(dir / "root/swapped");
  fs::create_directory_symlink(dir / "outside", dir / "root/swapped.link");
  const auto outsideBefore = Snapshot(dir / "outside");

  // The trash, where one is used, lies outside the root as well.
  const ScopedVariable dataHome("XDG_DATA_HOME", dir / "data");
  uint64_t swaps = 0, touched = 0, deleted = 0, untruthful = 0;
  for (int pass = 0; pass < kPasses; ++pass) {
    FillTree(dir);
    const uint64_t present = ListedFilesBelow(dir / "root");
    YieldingObserver observer;
    DeleteReport report;
    {
      Swapper swapper(dir / "root/swapped", dir / "root/swapped.link");
      report = RunPass(dir / "root", observer, kDisposals[pass % 2]);
      swaps += swapper.Stop();
    }
    touched += Touched(outsideBefore, Snapshot(dir / "outside"));
    deleted += report.deleted;
    if (present - ListedFilesBelow(dir / "root") != report.deleted) ++untruthful;
  }

  ReportFigure("race passes run (half to the trash)", kPasses);
  ReportFigure("race swaps made", swaps);
  ReportFigure("files outside the root touched", touched);
  EXPECT_EQ(touched, 0u);
  EXPECT_EQ(untruthful, 0u) << "passes whose count differs from what is gone";
  EXPECT_GT(swaps, static_cast<uint64_t>(kPasses)) << "the swaps must overlap the passes";
  EXPECT_GT(deleted, 0u);
}

// After the walk, before the first deletion, swaps one collected path (a file or a
// directory) for a link to the same place outside the root.
class SwapAfterCollection : public PassObserver {
 public:
  SwapAfterCollection(std::string inside, std::string outside)
      : inside_(std::move(inside)), outside_(std::move(outside)) {}
  void OnWalkEnded(const WalkProgress&) override {
    fs::rename(inside_, inside_ + ".moved");
    fs::create_symlink(outside_, inside_);
  }

 private:
  std::string inside_, outside_;
};

TEST(SymlinkRace, EveryCollectedPathSwappedBeforeTheDeletionsLeavesTheOutsideAlone) {
  const std::vector<std::string> files = {
      "Mscreate.dir", "a/Mscreate.dir", "a/b/MSCREATE.DIR", "a/b/c/Setup.log", "d/e/f/setup.LOG"};
  const std::vector<std::string> directories = {"a", "a/b", "a/b/c", "d", "d/e", "d/e/f"};
  std::vector<std::string> swappedPaths = files;
  swappedPaths.insert(swappedPaths.end(), directories.begin(), directories.end());

  uint64_t touched = 0, swaps = 0;
  for (const Disposal disposal : kDisposals) {
    for (const std::string& swapped : swappedPaths) {
      SCOPED_TRACE(std::string(disposal == Disposal::kTrash ? "trash: " : "") + swapped);
      TempDir dir;
      const ScopedVariable dataHome("XDG_DATA_HOME", dir / "data");
      for (const std::string& file : files) {
        WriteFile(dir / ("root/" + file), "inside");
        WriteFile(dir / ("outside/" + file), "outside");
      }
      const auto outsideBefore = Snapshot(dir / "outside");
      const uint64_t present = ListedFilesBelow(dir / "root");

      SwapAfterCollection observer(dir / ("root/" + swapped), dir / ("outside/" + swapped));
      const DeleteReport report = RunPass(dir / "root", observer, disposal);
      touched += Touched(outsideBefore, Snapshot(dir / "outside"));
      ++swaps;
      // A swapped file is a link in the root now and goes as a link (its own file was moved
      // aside); the files below a swapped directory cannot be reached and count as failures.
      EXPECT_EQ(report.deleted + report.failed, files.size());
      EXPECT_EQ(present - ListedFilesBelow(dir / "root"), report.deleted);
    }
  }
  ReportFigure("swaps between walk and deletions", swaps);
  ReportFigure("files outside the root touched", touched);
  EXPECT_EQ(touched, 0u);
}

}  // namespace
}  // namespace tarnwick::engine
