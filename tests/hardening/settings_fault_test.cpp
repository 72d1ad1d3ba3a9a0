// The list must survive whatever the settings file holds and whatever happens during a save:
// strange content reads without harm, a save that cannot happen says so and keeps the old
// file, and a save killed at any moment leaves the old or the new file, never a mix.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "core/name_list_store.h"
#include "core/settings_file.h"
#include "figures.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace tarnwick::core {
namespace {

namespace fs = std::filesystem;
using hardening::ReportFigure;
using tarnwick::testing::ReadFile;
using tarnwick::testing::RunUnprivileged;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

AppState StateFor(const std::string& settingsPath) {
  AppState state;
  state.AppTitle = kAppTitle;
  state.SettingsPath = settingsPath;
  return state;
}

std::string RandomBytes(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

std::vector<std::string> Loaded(const AppState& state) {
  NameList names;
  LoadNameList(state, names);
  return names.Entries();
}

TEST(SettingsFault, StrangeContentLoadsWhatItCanAndASaveKeepsTheRest) {
  using namespace std::string_literals;
  const std::string section = "[Kelvane Tarnwick]\nFiles=3\nEintrag0=a\nEintrag1=b\nEintrag2=c\n";
  const struct {
    const char* what;
    std::string content;
    std::vector<std::string> loaded;
  } cases[] = {
      {"binary garbage", RandomBytes(64 * 1024, 7), {}},
      {"garbage around the list", RandomBytes(4096, 8) + "\n" + section + RandomBytes(4096, 9),
       {"a", "b", "c"}},
      // A NUL ends its entry, as it ends the system reader's text; every entry keeps its place.
      {"a NUL byte", "[Kelvane Tarnwick]\nFiles=3\nEintrag0=a\nEintrag1=b\0x\nEintrag2=c\n"s,
       {"a", "b", "c"}},
      {"a 50 MB file", section + std::string(50 << 20, 'z') + "\n", {"a", "b", "c"}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.what);
    TempDir dir;
    const AppState state = StateFor(dir / "tarnwick.ini");
    WriteFile(state.SettingsPath, test.content);
    NameList names;
    LoadNameList(state, names);
    EXPECT_EQ(names.Entries(), test.loaded);

    names.Append("Setup.log");
    ASSERT_FALSE(SaveNameList(state, names));
    std::vector<std::string> expected = test.loaded;
    expected.push_back("Setup.log");
    EXPECT_EQ(Loaded(state), expected);
    // Everything before the list's section is kept byte for byte.
    const size_t kept = std::min(test.content.find("[Kelvane Tarnwick]"), test.content.size());
    EXPECT_EQ(ReadFile(state.SettingsPath).substr(0, kept), test.content.substr(0, kept));
  }
}

TEST(SettingsFault, ASaveThatCannotHappenIsReportedAndTheOldFileStays) {
  const std::string before = "[Kelvane Tarnwick]\nFiles=1\nEintrag0=a\n";
  NameList names;
  names.Append("b");

  TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  fs::create_directories(dir / "a-directory.ini");
  EXPECT_TRUE(Loaded(StateFor(dir / "a-directory.ini")).empty());
  EXPECT_TRUE(SaveNameList(StateFor(dir / "a-directory.ini"), names));
  EXPECT_TRUE(fs::is_directory(dir / "a-directory.ini"));

  WriteFile(dir / "read-only-file/tarnwick.ini", before);
  fs::permissions(dir / "read-only-file/tarnwick.ini", fs::perms::owner_read | fs::perms::others_read);
  WriteFile(dir / "read-only-dir/tarnwick.ini", before);
  fs::permissions(dir / "read-only-dir/tarnwick.ini", fs::perms::all);
  fs::permissions(dir / "read-only-dir", fs::perms::owner_read | fs::perms::owner_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(dir / "read-only-file", fs::perms::all);
  for (const char* file : {"read-only-file/tarnwick.ini", "read-only-dir/tarnwick.ini"}) {
    SCOPED_TRACE(file);
    const AppState state = StateFor(dir / file);
    // As an unprivileged user, for whom the modes hold: the child exits 1 when the save fails.
    EXPECT_EQ(RunUnprivileged([&] { return SaveNameList(state, names) ? 1 : 0; }), 1);
    EXPECT_EQ(ReadFile(state.SettingsPath), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(state.SettingsPath).parent_path()),
                            fs::directory_iterator()),
              1)
        << "no temporary file is left behind";
  }
  fs::permissions(dir / "read-only-dir", fs::perms::owner_all);
}

// Two files of the same length, so that each save rewrites every byte of the other.
platform::ProfileDocument Version(char letter, int count) {
  NameList names;
  for (int i = 0; i < count; ++i) names.Append(std::string(40, letter) + std::to_string(i));
  TempDir dir;
  const AppState state = StateFor(dir / "version.ini");
  EXPECT_FALSE(SaveNameList(state, names));
  platform::ProfileDocument document;
  EXPECT_FALSE(LoadSettingsDocument(state.SettingsPath, document));
  return document;
}

TEST(SettingsFault, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
  constexpr int kKills = 40;
  TempDir dir;
  const std::string path = dir / "tarnwick.ini";
  const platform::ProfileDocument first = Version('a', 1000), second = Version('b', 1000);
  const std::string firstFile = first.Serialize(), secondFile = second.Serialize();
  ASSERT_NE(firstFile, secondFile);
  ASSERT_FALSE(StoreSettingsDocument(path, first));

  std::mt19937 random(11);
  int torn = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (bool odd = false;; odd = !odd) StoreSettingsDocument(path, odd ? first : second);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 20000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string content = ReadFile(path);
    if (content != firstFile && content != secondFile) ++torn;
  }
  // A save killed before its rename leaves its temporary file; the settings file is unharmed.
  const auto leftovers =
      std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()) - 1;
  ReportFigure("settings saves killed", kKills);
  ReportFigure("temporary files left by killed saves", static_cast<uint64_t>(leftovers));
  ReportFigure("torn settings files", torn);
  EXPECT_EQ(torn, 0);
}

// Two front ends adding names at the same moment, as two tarnwick-cli --add would.
TEST(SettingsFault, ProcessesSavingAtOnceLoseNoName) {
  constexpr int kRounds = 100;
  TempDir dir;
  const AppState state = StateFor(dir / "tarnwick.ini");
  std::vector<pid_t> children;
  for (const char tag : {'a', 'b'}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int round = 0; round < kRounds; ++round) {
        NameList names;
        LoadNameList(state, names);
        names.Append(tag + std::to_string(round));
        if (SaveNameList(state, names)) ::_exit(1);
      }
      ::_exit(0);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const auto lost = 2 * kRounds - static_cast<int>(Loaded(state).size());
  ReportFigure("saves from two processes at once", 2 * kRounds);
  ReportFigure("names lost by saves at once", static_cast<uint64_t>(std::max(lost, 0)));
  EXPECT_EQ(lost, 0);
}

}  // namespace
}  // namespace tarnwick::core
