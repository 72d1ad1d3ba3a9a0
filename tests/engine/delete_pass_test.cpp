#include "engine/delete_pass.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/scoped_variable.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace tarnwick::engine {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::RunUnprivileged;
using tarnwick::testing::ScopedVariable;
using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

core::NameList Names(std::initializer_list<const char*> entries) {
  core::NameList names;
  for (const char* entry : entries) names.Append(entry);
  return names;
}

class RecordingObserver : public PassObserver {
 public:
  void OnDeleted(std::string_view path) override { deleted.emplace_back(path); }
  void OnDeleteFailed(std::string_view path, std::error_code) override { failed.emplace_back(path); }
  std::vector<std::string> deleted;
  std::vector<std::string> failed;
};

PassRequest Request(const std::string& root, core::NameList names) {
  PassRequest request;
  request.root = root;
  request.names = std::move(names);
  return request;
}

DeleteReport RunPass(PassRequest request) {
  HelperObjects helpers;
  const auto report = DeleteListedFiles(request, helpers);
  EXPECT_TRUE(report.has_value());
  return report.value_or(DeleteReport{});
}

DeleteReport RunPass(const std::string& root, core::NameList names,
                     PassObserver* observer = nullptr) {
  PassRequest request = Request(root, std::move(names));
  request.observer = observer;
  return RunPass(std::move(request));
}

TEST(DeleteListedFiles, DeletesMixedCaseMatchesAnywhereReadOnlyAndHiddenIncluded) {
  TempDir dir;
  for (const char* file : {"Mscreate.dir", "a/MSCREATE.DIR", "a/b/mscreate.DIR", "a/keep.txt",
                           "a/.hidden", "Mscreate.dir.bak"}) {
    WriteFile(dir / file, "x");
  }
  ASSERT_EQ(::chmod((dir / "a/MSCREATE.DIR").c_str(), 0444), 0);
  ASSERT_EQ(::chmod((dir / "a/b").c_str(), 0555), 0);  // the file's directory is read-only

  const DeleteReport report = RunPass(dir.path().string(), Names({"mscreate.dir", ".HIDDEN"}));
  if (::geteuid() == 0) {
    EXPECT_EQ(report.deleted, 4u);
    EXPECT_FALSE(fs::exists(dir / "a/b/mscreate.DIR"));
  }
  EXPECT_FALSE(fs::exists(dir / "Mscreate.dir"));
  EXPECT_FALSE(fs::exists(dir / "a/MSCREATE.DIR"));
  EXPECT_FALSE(fs::exists(dir / "a/.hidden"));
  EXPECT_TRUE(fs::exists(dir / "a/keep.txt"));
  EXPECT_TRUE(fs::exists(dir / "Mscreate.dir.bak"));
}

TEST(DeleteListedFiles, CountsAFileOnceHoweverManyEntriesMatchIt) {
  TempDir dir;
  WriteFile(dir / "x/Setup.log", "");
  WriteFile(dir / "y/Setup.log", "");
  WriteFile(dir / "Setup.log", "");
  const DeleteReport report = RunPass(dir.path().string(), Names({"setup.log", "Setup.log", "SETUP.LOG"}));
  EXPECT_EQ(report.deleted, 3u);
  EXPECT_TRUE(report.Complete());
}

TEST(DeleteListedFiles, UnicodeNamesMatchWithoutRegardToCase) {
  TempDir dir;
  WriteFile(dir / "\xC3\x84RGER.TXT", "");  // ÄRGER.TXT
  WriteFile(dir / "bad\xFF.txt", "");
  const DeleteReport report = RunPass(dir.path().string(), Names({"\xC3\xA4rger.txt", "BAD\xFF.TXT"}));
  EXPECT_EQ(report.deleted, 2u);
}

TEST(DeleteListedFiles, EntriesThatCannotNameAFileMatchNothing) {
  TempDir dir;
  for (const char* file : {"a", "b", "c.txt", "sub/d"}) WriteFile(dir / file, "");
  const DeleteReport report = RunPass(dir.path().string(), Names({"", "*", "*.*", "?", "sub/d", "\\"}));
  EXPECT_EQ(report.deleted, 0u);
  EXPECT_TRUE(report.Complete());
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), 5);
}

TEST(DeleteListedFiles, AnEmptyListDoesNothingAtAll) {
  TempDir dir;
  WriteFile(dir / "a", "");
  HelperObjects helpers;
  PassRequest other = Request(dir.path().string(), Names({"other"}));
  ASSERT_TRUE(DeleteListedFiles(other, helpers).has_value());
  PassRequest none = Request(dir.path().string(), core::NameList());
  EXPECT_FALSE(DeleteListedFiles(none, helpers).has_value());
  EXPECT_EQ(helpers.resultList.ListCount(), 1u);
}

TEST(DeleteListedFiles, NothingOutsideTheRootIsTouchedThroughLinks) {
  TempDir dir;
  WriteFile(dir / "outside/Mscreate.dir", "keep");
  WriteFile(dir / "target.txt", "keep");
  fs::create_directories(dir / "root");
  fs::create_directory_symlink(dir / "outside", dir / "root/into-outside");
  fs::create_symlink(dir / "target.txt", dir / "root/Mscreate.dir");
  ASSERT_EQ(::mkfifo((dir / "root/sub.fifo").c_str(), 0600), 0);

  RecordingObserver observer;
  const DeleteReport report =
      RunPass(dir / "root", Names({"Mscreate.dir", "into-outside", "sub.fifo"}), &observer);
  EXPECT_EQ(report.deleted, 3u);  // the two links and the FIFO, as entries
  EXPECT_TRUE(fs::exists(dir / "outside/Mscreate.dir"));
  EXPECT_TRUE(fs::exists(dir / "target.txt"));
  EXPECT_TRUE(fs::is_empty(dir / "root"));
}

// Swaps an already collected directory for a link to the outside before the deletions start.
class SwappingObserver : public PassObserver {
 public:
  SwappingObserver(std::string swapped, std::string outside)
      : swapped_(std::move(swapped)), outside_(std::move(outside)) {}
  void OnDeletionsStarting(uint64_t) override {
    fs::rename(swapped_, swapped_ + ".old");
    fs::create_directory_symlink(outside_, swapped_);
  }
  void OnDeleteFailed(std::string_view, std::error_code) override { ++failures; }
  int failures = 0;

 private:
  std::string swapped_, outside_;
};

TEST(DeleteListedFiles, ADirectorySwappedForALinkAfterCollectionCannotRedirectDeletion) {
  TempDir dir;
  WriteFile(dir / "outside/Mscreate.dir", "keep");
  WriteFile(dir / "root/B/Mscreate.dir", "");
  SwappingObserver observer(dir / "root/B", dir / "outside");
  const DeleteReport report = RunPass(dir / "root", Names({"Mscreate.dir"}), &observer);
  EXPECT_TRUE(fs::exists(dir / "outside/Mscreate.dir"));
  EXPECT_EQ(report.deleted, 0u);
  EXPECT_EQ(report.failed, 1u);
  EXPECT_EQ(observer.failures, 1);
  EXPECT_FALSE(report.Complete());
}

TEST(DeleteListedFiles, AStopDuringTheWalkDeletesNothing) {
  TempDir dir;
  WriteFile(dir / "a/Mscreate.dir", "");
  WriteFile(dir / "Mscreate.dir", "");
  class Stopper : public PassObserver {
    bool OnWalkProgress(const WalkProgress&) override { return false; }
  } stopper;
  const DeleteReport report = RunPass(dir.path().string(), Names({"Mscreate.dir"}), &stopper);
  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(report.deleted, 0u);
  EXPECT_TRUE(fs::exists(dir / "a/Mscreate.dir"));
  EXPECT_TRUE(fs::exists(dir / "Mscreate.dir"));
}

TEST(DeleteListedFiles, AStopDuringTheDeletionsReportsExactlyWhatIsGone) {
  TempDir dir;
  constexpr int kFiles = 3000;
  const auto file = [&dir](int i) { return (dir.path() / ('d' + std::to_string(i)) / "Setup.log").string(); };
  for (int i = 0; i < kFiles; ++i) WriteFile(file(i), "");
  // Stops once the deleting threads have started: the files in their hands are dealt with.
  class Stopper : public PassObserver {
    bool OnDeleteProgress(uint64_t, uint64_t) override { return calls++ == 0; }
    int calls = 0;
  } stopper;
  const DeleteReport report = RunPass(dir.path().string(), Names({"Setup.log"}), &stopper);
  uint64_t gone = 0;
  for (int i = 0; i < kFiles; ++i) gone += fs::exists(file(i)) ? 0 : 1;
  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(report.deleted, gone);
  EXPECT_EQ(report.failed, 0u);
}

TEST(DeleteListedFiles, AFileGoneBeforeItsTurnIsNeitherDeletedNorAFailure) {
  TempDir dir;
  WriteFile(dir / "a/Setup.log", "");
  WriteFile(dir / "b/Setup.log", "");
  // Another program deletes one of the found files before the deletions start.
  class OtherProgram : public PassObserver {
   public:
    explicit OtherProgram(std::string file) : file_(std::move(file)) {}
    void OnDeletionsStarting(uint64_t) override { fs::remove(file_); }
    void OnAlreadyGone(std::string_view) override { ++gone; }
    int gone = 0;

   private:
    std::string file_;
  } other(dir / "b/Setup.log");
  const DeleteReport report = RunPass(dir.path().string(), Names({"Setup.log"}), &other);
  EXPECT_EQ(report.deleted, 1u);
  EXPECT_EQ(report.failed, 0u);
  EXPECT_EQ(other.gone, 1);
  EXPECT_TRUE(report.Complete());
}

TEST(DeleteListedFiles, NeverEntersAnotherFileSystemMountedInside) {
  TempDir dir;
  WriteFile(dir / "Mscreate.dir", "");
  fs::create_directories(dir / "mounted");
  // Needs root (or a user namespace) to mount; where it cannot, there is nothing to test.
  if (::mount("tarnwick-test", (dir / "mounted").c_str(), "tmpfs", 0, nullptr) != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here";
  }
  WriteFile(dir / "mounted/Mscreate.dir", "");
  const DeleteReport report = RunPass(dir.path().string(), Names({"Mscreate.dir"}));
  const bool insideKept = fs::exists(dir / "mounted/Mscreate.dir");
  ::umount((dir / "mounted").c_str());
  EXPECT_TRUE(insideKept);
  EXPECT_FALSE(fs::exists(dir / "Mscreate.dir"));
  EXPECT_EQ(report.deleted, 1u);
  EXPECT_TRUE(report.Complete());  // a folder left alone on purpose is no failure
  EXPECT_EQ(report.otherFileSystems, 1u);  // but the report tells of it
  ASSERT_EQ(report.named.size(), 1u);
  EXPECT_EQ(report.named[0].path, dir / "mounted/");
  EXPECT_EQ(report.named[0].kind, NamedPath::Kind::kOtherFileSystem);
}

// r/Setup.log, r/keep/Setup.log, r/keep/sub/Setup.log and r/other/Setup.log, and beside r a
// link to r/keep.
void MakeExcludableTree(const TempDir& dir) {
  for (const char* folder : {"r", "r/keep", "r/keep/sub", "r/other"}) {
    fs::create_directories(dir / folder);
    WriteFile(dir / (std::string(folder) + "/Setup.log"), "");
  }
  fs::create_directory_symlink(dir / "r/keep", dir / "link");
}

DeleteReport RunExcludingPass(const std::string& root, const std::vector<std::string>& excluded) {
  PassRequest request = Request(root, Names({"Setup.log"}));
  request.excludedFolders = excluded;
  return RunPass(std::move(request));
}

TEST(DeleteListedFiles, NeverEntersAnExcludedFolderHoweverItIsSpelt) {
  const struct {
    const char* what;
    const char* excluded;  // below the test's folder
  } cases[] = {
      {"by its path", "r/keep"},
      {"with a trailing separator", "r/keep/"},
      {"through ..", "r/other/../keep"},
      {"through a link to it", "link"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    MakeExcludableTree(dir);
    const DeleteReport report =
        RunExcludingPass(dir / "r", {dir / c.excluded, dir / "gone"});
    EXPECT_TRUE(fs::exists(dir / "r/keep/Setup.log"));
    EXPECT_TRUE(fs::exists(dir / "r/keep/sub/Setup.log"));
    EXPECT_FALSE(fs::exists(dir / "r/Setup.log"));
    EXPECT_FALSE(fs::exists(dir / "r/other/Setup.log"));
    EXPECT_EQ(report.deleted, 2u);
    EXPECT_TRUE(report.Complete());  // left alone on purpose, and a missing one is no failure
    EXPECT_EQ(report.excludedFolders, 1u);
    ASSERT_EQ(report.named.size(), 1u);
    EXPECT_EQ(report.named[0].path, dir / "r/keep/");
    EXPECT_EQ(report.named[0].kind, NamedPath::Kind::kExcludedFolder);
    EXPECT_EQ(report.excludedNotFound, std::vector<std::string>{dir / "gone"});
  }
}

TEST(DeleteListedFiles, SearchesNothingWhenTheRootIsExcludedOrLiesInAnExcludedFolder) {
  const struct {
    const char* root;
    const char* excluded;
  } cases[] = {{"r", "r"}, {"r/keep/sub", "r/keep"}, {"link/sub", "r/keep"}, {"r/keep", "link"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.root) + " excluding " + c.excluded);
    TempDir dir;
    MakeExcludableTree(dir);
    const DeleteReport report =
        RunExcludingPass((dir / c.root), {(dir / c.excluded)});
    EXPECT_TRUE(report.rootExcluded);
    EXPECT_FALSE(report.Complete());  // said as a warning: nothing was searched
    EXPECT_EQ(report.deleted, 0u);
    EXPECT_TRUE(fs::exists(dir / "r/keep/sub/Setup.log"));
    EXPECT_TRUE(fs::exists(dir / "r/Setup.log"));
  }
}

TEST(DeleteListedFiles, NeverEntersABindMountOfAnExcludedFolder) {
  TempDir dir;
  MakeExcludableTree(dir);
  fs::create_directories(dir / "bound");
  // Needs root (or a user namespace) to mount; where it cannot, there is nothing to test.
  if (::mount((dir / "r/keep").c_str(), (dir / "bound").c_str(), nullptr, MS_BIND, nullptr) != 0) {
    GTEST_SKIP() << "cannot bind-mount here";
  }
  const DeleteReport report = RunExcludingPass((dir / "r"), {(dir / "bound")});
  const bool kept = fs::exists(dir / "r/keep/Setup.log");
  ::umount((dir / "bound").c_str());
  EXPECT_TRUE(kept);
  EXPECT_EQ(report.excludedFolders, 1u);
}

TEST(DeleteListedFiles, FailuresAreReportedAndNotCountedAsDeleted) {
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  WriteFile(dir / "locked/Mscreate.dir", "");
  WriteFile(dir / "closed/Mscreate.dir", "");
  WriteFile(dir / "open/Mscreate.dir", "");
  fs::permissions(dir.path() / "open", fs::perms::all);
  ASSERT_EQ(::chmod((dir / "locked").c_str(), 0555), 0);  // no write permission
  ASSERT_EQ(::chmod((dir / "closed").c_str(), 0000), 0);  // cannot be listed

  const int status = RunUnprivileged([&] {
    const DeleteReport report = RunPass(dir.path().string(), Names({"Mscreate.dir"}));
    const bool truthful = report.deleted == 1 && report.failed == 1 &&
                          report.unreadableDirectories == 1 && !report.Complete() &&
                          report.named.size() == 2;
    return truthful ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(fs::exists(dir / "locked/Mscreate.dir"));
  EXPECT_FALSE(fs::exists(dir / "open/Mscreate.dir"));
}

TEST(DeleteListedFiles, ToTheTrashMovesWhatItFindsAndNeverTheProgramsOwnFiles) {
  TempDir dir;
  const ScopedVariable dataHome("XDG_DATA_HOME", dir / "data");
  WriteFile(dir / "root/Mscreate.dir", "root");
  WriteFile(dir / "root/sub/MSCREATE.DIR", "sub");
  WriteFile(dir / "root/tarnwick.ini", "[Kelvane Tarnwick]\n");
  HelperObjects helpers;
  RecordingObserver observer;
  PassRequest request = Request(dir / "root", Names({"Mscreate.dir", "tarnwick.ini"}));
  request.observer = &observer;
  request.kept = KeptFiles({dir / "root/tarnwick.ini"});
  request.disposal = Disposal::kTrash;
  const auto report = DeleteListedFiles(request, helpers);
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(report->toTrash);
  EXPECT_EQ(report->deleted, 2u);
  EXPECT_EQ(report->failed, 1u);  // the settings file stays where it is
  EXPECT_EQ(observer.deleted, (std::vector<std::string>{dir / "root/sub/MSCREATE.DIR",
                                                        dir / "root/Mscreate.dir"}));
  EXPECT_TRUE(fs::exists(dir / "root/tarnwick.ini"));
  EXPECT_EQ(ReadFile(dir / "data/Trash/files/MSCREATE.DIR"), "sub");
  EXPECT_EQ(ReadFile(dir / "data/Trash/files/Mscreate.dir"), "root");
}

// A root that holds the trash: its entries are not moved again, and their info is not moved
// out of it, however the list reads.
TEST(DeleteListedFiles, ToTheTrashNeverEntersTheTrashItself) {
  TempDir dir;
  const ScopedVariable dataHome("XDG_DATA_HOME", dir / "home/data");
  WriteFile(dir / "home/Setup.log", "first");
  const core::NameList names = Names({"Setup.log", "Setup.log.trashinfo"});
  HelperObjects helpers;
  PassRequest request = Request(dir / "home", names);
  request.disposal = Disposal::kTrash;
  ASSERT_EQ(DeleteListedFiles(request, helpers)->deleted, 1u);
  const std::string info = ReadFile(dir / "home/data/Trash/info/Setup.log.trashinfo");
  WriteFile(dir / "home/Setup.log", "second");

  const auto report = DeleteListedFiles(request, helpers);
  EXPECT_EQ(report->deleted, 1u);
  EXPECT_EQ(report->trashFolders, 1u);
  EXPECT_TRUE(report->Complete());
  EXPECT_EQ(ReadFile(dir / "home/data/Trash/files/Setup.log"), "first");
  EXPECT_EQ(ReadFile(dir / "home/data/Trash/info/Setup.log.trashinfo"), info);
  EXPECT_EQ(ReadFile(dir / "home/data/Trash/files/Setup.2.log"), "second");
}

}  // namespace
}  // namespace tarnwick::engine
