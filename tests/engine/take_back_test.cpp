#include "engine/take_back.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <algorithm>
#include <functional>

#include "core/trash_history.h"
#include "engine/delete_pass.h"
#include "engine/recorded_pass.h"
#include "platform/trash/trash_record.h"
#include "support/scoped_variable.h"
#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::engine {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::ReadFile;
using tarnwick::testing::ScopedVariable;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

class TakeBack : public ::testing::Test {
 protected:
  TakeBack() : dataHome_("XDG_DATA_HOME", dir_ / "data") {}

  // A pass to the trash over `root` for every Setup.log, recorded as it goes.
  void PassToTrash(std::string root, PassObserver&& observer = PassObserver()) {
    PassRequest request;
    request.root = std::move(root);
    request.names.Append("Setup.log");
    request.disposal = Disposal::kTrash;
    request.observer = &observer;
    HelperObjects helpers;
    ASSERT_FALSE(RunRecordedPass(state_, request, helpers).recordError);
  }

  // The newest kept pass's record.
  platform::TrashRecord NewestRecord() {
    return platform::ParseTrashRecord(ReadFile(core::KeptPasses(state_).front().recordPath)).record;
  }

  TempDir dir_;
  ScopedVariable dataHome_;
  core::AppState state_ = testing::StateIn(dir_);
};

// A pass moves tree/a/Setup.log and tree/b/Setup.log to the trash; then something happens to
// b, and the pass is taken back; then the harm is mended, and it is taken back again.
TEST_F(TakeBack, OnlyWhatTheTrashVouchesForGoesBackAndOnlyAKnownLossIsForgotten) {
  using Meanwhile = std::function<void(const TempDir&, const std::string& bInTrash)>;
  const auto nothing = [](const TempDir&, const std::string&) {};
  const struct {
    const char* what;
    Meanwhile meanwhile;
    uint64_t restored, stayed, notInTrash;  // the first time
    Meanwhile mend;                          // before the second time
    uint64_t restoredAgain;
    const char* b;  // b's content at the end, or nothing when it is not there
  } cases[] = {
      {"all back", nothing, 2, 0, 0, nothing, 0, "b"},
      {"its place taken", [](const TempDir& dir, const std::string&) {
         WriteFile(dir / "tree/b/Setup.log", "new");
       }, 1, 1, 0, [](const TempDir& dir, const std::string&) {
         fs::remove(dir / "tree/b/Setup.log");
       }, 1, "b"},
      {"restored by the user", [](const TempDir& dir, const std::string& inTrash) {
         fs::rename(dir / ("data/Trash/files/" + inTrash), dir / "tree/b/Setup.log");
         fs::remove(dir / ("data/Trash/info/" + inTrash + ".trashinfo"));
       }, 1, 0, 1, nothing, 0, "b"},
      {"replaced in the trash by another file", [](const TempDir& dir, const std::string& inTrash) {
         fs::remove(dir / ("data/Trash/files/" + inTrash));
         WriteFile(dir / ("data/Trash/files/" + inTrash), "other");
       }, 1, 0, 1, nothing, 0, nullptr},  // the other file is the user's, left where it is
      {"its folder gone", [](const TempDir& dir, const std::string&) {
         fs::remove_all(dir / "tree/b");
       }, 1, 1, 0, [](const TempDir& dir, const std::string&) {
         fs::create_directory(dir / "tree/b");
       }, 1, "b"},
      {"its folder a link now", [](const TempDir& dir, const std::string&) {
         fs::rename(dir / "tree/b", dir / "tree/b.old");
         fs::create_directory(dir / "elsewhere");
         fs::create_directory_symlink(dir / "elsewhere", dir / "tree/b");
       }, 1, 1, 0, [](const TempDir& dir, const std::string&) {
         EXPECT_TRUE(fs::is_empty(dir / "elsewhere"));
         fs::remove(dir / "tree/b");
         fs::rename(dir / "tree/b.old", dir / "tree/b");
       }, 1, "b"},
      {"a folder above it a link now", [](const TempDir& dir, const std::string&) {
         fs::rename(dir / "tree", dir / "tree.old");
         fs::create_directory_symlink(dir / "tree.old", dir / "tree");
       }, 0, 2, 0, [](const TempDir& dir, const std::string&) {
         fs::remove(dir / "tree");
         fs::rename(dir / "tree.old", dir / "tree");
       }, 2, "b"},
      {"the trash away for a while", [](const TempDir& dir, const std::string&) {
         fs::rename(dir / "data/Trash", dir / "data/Trash.away");
       }, 0, 2, 0, [](const TempDir& dir, const std::string&) {
         fs::rename(dir / "data/Trash.away", dir / "data/Trash");
       }, 2, "b"},
      {"its info file a FIFO", [](const TempDir& dir, const std::string& inTrash) {
         const std::string info = dir / ("data/Trash/info/" + inTrash + ".trashinfo");
         fs::remove(info);
         ASSERT_EQ(::mkfifo(info.c_str(), 0600), 0);
       }, 1, 1, 0, nothing, 0, nullptr},
      {"its info file a link to /dev/zero", [](const TempDir& dir, const std::string& inTrash) {
         const std::string info = dir / ("data/Trash/info/" + inTrash + ".trashinfo");
         fs::remove(info);
         fs::create_symlink("/dev/zero", info);
       }, 1, 1, 0, nothing, 0, nullptr},
      {"its info file naming another place", [](const TempDir& dir, const std::string& inTrash) {
         WriteFile(dir / ("data/Trash/info/" + inTrash + ".trashinfo"),
                   "[Trash Info]\nPath=" + (dir / "elsewhere/Setup.log") + "\n");
       }, 1, 1, 0, nothing, 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const ScopedVariable dataHome("XDG_DATA_HOME", dir / "data");
    state_.SettingsPath = dir / "tarnwick.ini";
    WriteFile(dir / "tree/a/Setup.log", "a");
    WriteFile(dir / "tree/b/Setup.log", "b");
    PassToTrash(dir / "tree");
    const auto entries = NewestRecord().entries;
    ASSERT_EQ(entries.size(), 2u);
    const auto& b = entries[0].originalPath.ends_with("b/Setup.log") ? entries[0] : entries[1];
    c.meanwhile(dir, b.entryName);

    const TakeBackResult first = TakeBackPass(state_, std::nullopt);
    EXPECT_EQ(first.report.restored, c.restored);
    EXPECT_EQ(first.report.stayed, c.stayed);
    EXPECT_EQ(first.report.notInTrash, c.notInTrash);
    // The record keeps exactly what stayed; a pass with nothing left is kept no longer.
    EXPECT_EQ(core::KeptPasses(state_).size(), c.stayed > 0 ? 1u : 0u);
    c.mend(dir, b.entryName);
    EXPECT_EQ(TakeBackPass(state_, std::nullopt).report.restored, c.restoredAgain);
    EXPECT_EQ(ReadFile(dir / "tree/a/Setup.log"), "a");
    if (c.b == nullptr) {
      EXPECT_FALSE(fs::exists(dir / "tree/b/Setup.log"));
    } else {
      EXPECT_EQ(ReadFile(dir / "tree/b/Setup.log"), c.b);
    }
  }
}

// File by file: only the chosen files come back; the record keeps every other line, and a chosen
// file that could not come back, for a later take-back.
TEST_F(TakeBack, FileByFileOnlyTheChosenComeBackAndTheRestStayRecorded) {
  for (const char* folder : {"a", "b", "c"}) {
    WriteFile(dir_ / ("tree/" + std::string(folder) + "/Setup.log"), folder);
  }
  PassToTrash(dir_ / "tree");
  const auto path = [this](const char* folder) {
    return dir_ / ("tree/" + std::string(folder) + "/Setup.log");
  };
  const auto choosing = [&](std::vector<std::string> paths) {
    return [paths](const platform::TrashedEntry& entry) {
      return std::find(paths.begin(), paths.end(), entry.originalPath) != paths.end();
    };
  };
  const uint64_t pass = core::KeptPasses(state_).front().number;
  const auto stillListed = [&] {
    std::vector<std::string> files = FilesOfKeptPass(state_, pass).files;
    std::sort(files.begin(), files.end());
    return files;
  };
  const struct {
    const char* what;
    std::function<void()> meanwhile;
    std::vector<std::string> chosen;  // nothing: all
    uint64_t restored, stayed;
    std::vector<std::string> listedAfter;
  } steps[] = {
      {"one of three", [] {}, {path("b")}, 1, 0, {path("a"), path("c")}},
      {"two, one of them with its place taken", [&] { WriteFile(path("c"), "new"); },
       {path("a"), path("c")}, 1, 1, {path("c")}},
      {"the rest, once the place is free", [&] { fs::remove(path("c")); }, {}, 1, 0, {}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.meanwhile();
    const TakeBackResult result = TakeBackPass(
        state_, pass, step.chosen.empty() ? EntryChooser() : choosing(step.chosen));
    EXPECT_EQ(result.report.restored, step.restored);
    EXPECT_EQ(result.report.stayed, step.stayed);
    EXPECT_EQ(stillListed(), step.listedAfter);
  }
  for (const char* folder : {"a", "b", "c"}) EXPECT_EQ(ReadFile(path(folder)), folder);
  EXPECT_TRUE(core::KeptPasses(state_).empty());

  // A damaged record lists nothing to choose from and moves nothing, chosen or not.
  WriteFile(path("a"), "again");
  PassToTrash(dir_ / "tree");
  const core::KeptPass damaged = core::KeptPasses(state_).front();
  WriteFile(damaged.recordPath, "Tarnwick-Papierkorb 2\nx\n");
  EXPECT_TRUE(FilesOfKeptPass(state_, damaged.number).record.Unusable());
  EXPECT_EQ(TakeBackPass(state_, damaged.number, choosing({path("a")})).outcome,
            TakeBackResult::Outcome::kRecordUnusable);
  EXPECT_FALSE(fs::exists(path("a")));
}

// The record points, the trash vouches: a record edited to send a file elsewhere moves nothing.
TEST_F(TakeBack, ARecordEditedToSendAFileElsewhereMovesNothingThere) {
  WriteFile(dir_ / "tree/a/Setup.log", "a");
  PassToTrash(dir_ / "tree");
  platform::TrashRecord record = NewestRecord();
  record.entries[0].originalPath = dir_ / "elsewhere/Setup.log";
  fs::create_directory(dir_ / "elsewhere");
  WriteFile(core::KeptPasses(state_).front().recordPath, platform::FormatTrashRecord(record));
  const TakeBackResult result = TakeBackPass(state_, std::nullopt);
  EXPECT_EQ(result.report.stayed, 1u);
  EXPECT_EQ(result.report.named.at(0).error, platform::TrashError::kNotVouched);
  EXPECT_TRUE(fs::is_empty(dir_ / "elsewhere"));
}

TEST_F(TakeBack, TwoPassesComeBackNewestFirstAndAPassThatMovesNothingKeepsThem) {
  WriteFile(dir_ / "first/Setup.log", "1");
  WriteFile(dir_ / "second/Setup.log", "2");
  PassToTrash(dir_ / "first");
  PassToTrash(dir_ / "second");
  PassToTrash(dir_ / "first");  // finds nothing: no record
  ASSERT_EQ(core::KeptPasses(state_).size(), 2u);
  EXPECT_EQ(SummariseKeptPasses(state_).front().root, dir_ / "second");
  EXPECT_EQ(TakeBackPass(state_, std::nullopt).report.restored, 1u);
  EXPECT_TRUE(fs::exists(dir_ / "second/Setup.log"));
  EXPECT_FALSE(fs::exists(dir_ / "first/Setup.log"));
  EXPECT_EQ(TakeBackPass(state_, std::nullopt).report.restored, 1u);
  EXPECT_TRUE(fs::exists(dir_ / "first/Setup.log"));
  EXPECT_EQ(TakeBackPass(state_, std::nullopt).outcome, TakeBackResult::Outcome::kNothingToTakeBack);
}

// A record that cannot be trusted moves nothing and stays as it was.
TEST_F(TakeBack, ADamagedRecordMovesNothingAndIsLeftAsItWas) {
  WriteFile(dir_ / "tree/Setup.log", "a");
  PassToTrash(dir_ / "tree");
  const std::string path = core::KeptPasses(state_).front().recordPath;
  const std::string whole = ReadFile(path);
  const struct {
    const char* what;
    std::function<void()> damage;
    size_t badLine;
  } cases[] = {
      {"a line with a field too many", [&] { WriteFile(path, whole.substr(0, whole.size() - 1) + "\t1\n"); }, 3},
      {"a folder in its place", [&] { fs::remove(path); fs::create_directory(path); }, 0},
      {"a FIFO in its place", [&] { fs::remove_all(path); ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }, 0},
      {"a link in its place", [&] { fs::remove_all(path); fs::create_symlink("/dev/zero", path); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.damage();
    const std::string before = fs::is_regular_file(fs::symlink_status(path)) ? ReadFile(path) : "";
    const TakeBackResult result = TakeBackPass(state_, std::nullopt);
    EXPECT_EQ(result.outcome, TakeBackResult::Outcome::kRecordUnusable);
    EXPECT_EQ(result.record.badLine, c.badLine);
    EXPECT_EQ(result.record.badLine != 0, !result.record.error);
    EXPECT_FALSE(fs::exists(dir_ / "tree/Setup.log"));
    if (!before.empty()) {
      EXPECT_EQ(ReadFile(path), before);
    }
  }
}

// A pass killed half-way can be taken back for every file that reached the trash: each had its
// line before it moved.
TEST_F(TakeBack, APassKilledHalfWayIsTakenBackForEveryFileItRecorded) {
  constexpr int kFiles = 1000;
  for (int i = 0; i < kFiles; ++i) WriteFile(dir_ / ("tree/" + std::to_string(i) + "/Setup.log"), "x");
  struct KilledHalfWay : PassObserver {
    int deleted = 0;
    void OnDeleted(std::string_view) override {
      if (++deleted == kFiles / 2) ::raise(SIGKILL);
    }
  };
  const pid_t pass = ::fork();
  ASSERT_NE(pass, -1);
  if (pass == 0) {
    PassToTrash(dir_ / "tree", KilledHalfWay());
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(pass, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  const fs::path inTrash = dir_ / "data/Trash/files";
  const auto moved = std::distance(fs::directory_iterator(inTrash), {});
  const TakeBackResult result = TakeBackPass(state_, std::nullopt);
  EXPECT_EQ(result.report.stayed, 0u);  // a line whose file never moved is forgotten
  EXPECT_GE(result.report.restored, static_cast<uint64_t>(kFiles / 2));
  EXPECT_EQ(static_cast<long>(result.report.restored), moved);
  EXPECT_TRUE(fs::is_empty(inTrash));
}

// A file in the trash of a volume as another user could plant it, with a record naming it: only
// a trash the pass itself would use is taken back from.
TEST_F(TakeBack, TakesBackOnlyFromATrashThePassWouldChoose) {
  const std::string uid = std::to_string(::geteuid());
  const auto plant = [&](const TempDir& dir, const std::string& trash) {
    WriteFile(dir / ("volume/" + trash + "/files/Setup.log"), "planted");
    WriteFile(dir / ("volume/" + trash + "/info/Setup.log.trashinfo"),
              "[Trash Info]\nPath=folder/Setup.log\n");
  };
  const struct {
    const char* what;
    std::function<std::string(const TempDir&)> make;  // gives the trash's name on the volume
    bool trusted;
  } cases[] = {
      {"the user's own .Trash-$uid", [&](const TempDir& dir) {
         plant(dir, ".Trash-" + uid);
         return ".Trash-" + uid;
       }, true},
      {"a .Trash-$uid of another user", [&](const TempDir& dir) {
         plant(dir, ".Trash-" + uid);
         fs::path trash = dir / ("volume/.Trash-" + uid);
         EXPECT_EQ(::chown(trash.c_str(), 65534, 65534), 0);
         return ".Trash-" + uid;
       }, false},
      {"a .Trash-$uid that is a link to the user's folder", [&](const TempDir& dir) {
         plant(dir, "own");
         fs::create_directory_symlink(dir / "volume/own", dir / ("volume/.Trash-" + uid));
         return ".Trash-" + uid;
       }, false},
      {"a .Trash/$uid in a .Trash without the sticky bit", [&](const TempDir& dir) {
         plant(dir, ".Trash/" + uid);
         fs::permissions(dir / "volume/.Trash", fs::perms::all);
         return ".Trash/" + uid;
       }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    fs::create_directories(dir / "volume");
    // A world-writable volume of its own, as /tmp or a USB stick may be; needs root to mount.
    if (::mount("tarnwick-test", (dir / "volume").c_str(), "tmpfs", 0, "mode=1777") != 0) {
      GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    fs::create_directory(dir / "volume/folder");
    const std::string trash = c.make(dir);
    struct stat planted {};
    ASSERT_EQ(::stat((dir / ("volume/" + trash + "/files/Setup.log")).c_str(), &planted), 0);
    platform::TrashedEntry entry;
    entry.originalPath = dir / "volume/folder/Setup.log";
    entry.trash = dir / ("volume/" + trash);
    entry.entryName = "Setup.log";
    entry.device = planted.st_dev;
    entry.inode = planted.st_ino;
    entry.modified = static_cast<uint64_t>(planted.st_mtim.tv_sec) * 1000000000u +
                     static_cast<uint64_t>(planted.st_mtim.tv_nsec);
    fs::create_directories(core::HistoryFolder(state_));
    fs::permissions(core::HistoryFolder(state_), fs::perms::owner_all);
    WriteFile(core::HistoryFolder(state_) + "/1.papierkorb",
              platform::FormatTrashRecord({1, dir / "volume/", {entry}}));
    fs::permissions(core::HistoryFolder(state_) + "/1.papierkorb",
                    fs::perms::owner_read | fs::perms::owner_write);

    const TakeBackResult result = TakeBackPass(state_, std::nullopt);
    const bool back = fs::exists(dir / "volume/folder/Setup.log");
    ::umount2((dir / "volume").c_str(), MNT_DETACH);
    EXPECT_EQ(back, c.trusted);
    if (!c.trusted) {
      EXPECT_EQ(result.report.stayed, 1u);  // its line is kept
      ASSERT_EQ(result.report.named.size(), 1u);
      EXPECT_EQ(result.report.named[0].error, platform::TrashError::kTrashNotTrusted);
    }
    fs::remove_all(core::HistoryFolder(state_));
  }
}

// A record that runs out of room stops the pass before its next file moves: every file in the
// trash has its whole line, and taking back brings each of them home.
TEST_F(TakeBack, ARecordThatRunsOutOfRoomStopsThePassAndLosesNoWayBack) {
  TempDir settings;
  fs::create_directories(settings / "full");
  // A tiny file system for the settings file and its records; needs root to mount.
  if (::mount("tarnwick-test", (settings / "full").c_str(), "tmpfs", 0, "size=8k") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here";
  }
  state_.SettingsPath = settings / "full/tarnwick.ini";
  constexpr int kFiles = 400;  // their lines need more room than the file system has
  for (int i = 0; i < kFiles; ++i) {
    WriteFile(dir_ / ("tree/" + std::to_string(i) + "/Setup.log"), "x");
  }
  PassRequest request;
  request.root = dir_ / "tree";
  request.names.Append("Setup.log");
  request.disposal = Disposal::kTrash;
  HelperObjects helpers;
  const RecordedPass pass = RunRecordedPass(state_, request, helpers);
  const std::string record = ReadFile(core::KeptPasses(state_).front().recordPath);
  const fs::path inTrash = dir_ / "data/Trash/files";
  const auto moved = std::distance(fs::directory_iterator(inTrash), {});
  const TakeBackResult back = TakeBackPass(state_, std::nullopt);
  ::umount2((settings / "full").c_str(), MNT_DETACH);

  EXPECT_EQ(pass.recordError, std::errc::no_space_on_device);
  ASSERT_TRUE(pass.report.has_value());
  EXPECT_TRUE(pass.report->stoppedUnrecorded);
  EXPECT_EQ(pass.report->deleted, static_cast<uint64_t>(moved));
  EXPECT_LT(moved, kFiles);
  EXPECT_TRUE(record.ends_with('\n'));  // never half a line
  EXPECT_EQ(back.report.restored, static_cast<uint64_t>(moved));
  EXPECT_TRUE(fs::is_empty(inTrash));
  int home = 0;
  for (int i = 0; i < kFiles; ++i) {
    home += fs::exists(dir_ / ("tree/" + std::to_string(i) + "/Setup.log")) ? 1 : 0;
  }
  EXPECT_EQ(home, kFiles);
}

}  // namespace
}  // namespace tarnwick::engine
