#include "core/app_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <stdlib.h>
#include <sys/stat.h>
#endif

#include "core/name_list_store.h"
#include "support/temp_dir.h"
#ifndef _WIN32
#include "support/unprivileged.h"
#endif

namespace tarnwick::core {
namespace {

TEST(InitAppPaths, DirectoryEndsInExactlyOneSeparator) {
  const struct {
    platform::ExecutableLocation executable;
    std::string appDir;
    std::string exeName;
  } cases[] = {{{"/opt/tarnwick", "tarnwick"}, "/opt/tarnwick/", "tarnwick"},
               {{"/", "tarnwick"}, "/", "tarnwick"},
               {{"/opt", "App.exe"}, "/opt/", "App"},
               {{"/opt", "tarn.wick.bin"}, "/opt/", "tarn.wick"},
               {{"", "tarnwick"}, "", "tarnwick"}};  // the folder could not be determined
  for (const auto& c : cases) {
    using tarnwick::testing::NativePath;
    AppState state;
    InitAppPaths(state, {NativePath(c.executable.directory), c.executable.fileName});
    EXPECT_EQ(state.AppDir, NativePath(c.appDir));
    EXPECT_EQ(state.ExeName, c.exeName);
  }
}

TEST(InitSettingsPath, SettingsFileSitsBesideTheExecutable) {
  AppState state;
  // Windows asks the file system for the stored form of the path, so it must exist there.
  const auto executable = platform::CurrentExecutable();
  ASSERT_TRUE(executable.has_value());
  InitAppPaths(state, *executable);
  InitSettingsPath(state, *executable);
  EXPECT_EQ(state.AppTitle, "Kelvane Tarnwick");
  EXPECT_EQ(state.SettingsPath, state.AppDir + "core_tests.ini");
}

#ifndef _WIN32
TEST(InitSettingsPath, AnInstalledCopyKeepsTheListInTheUsersOwnFolder) {
  namespace fs = std::filesystem;
  using tarnwick::testing::WriteFile;
  tarnwick::testing::TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  WriteFile(dir / "bin/tarnwick", "");
  WriteFile(dir / "bin/tarnwick.ini", "[Kelvane Tarnwick]\nFiles=1\nEintrag0=shipped\n");
  fs::create_directory(dir / "home");
  fs::permissions(dir / "home", fs::perms::all);
  ASSERT_EQ(::chmod((dir / "bin").c_str(), 0555), 0);  // as /usr/bin is to a user

  const int status = tarnwick::testing::RunUnprivileged([&] {
    ::setenv("XDG_CONFIG_HOME", (dir / "home").c_str(), 1);
    const platform::ExecutableLocation executable{dir / "bin", "tarnwick"};
    AppState state;
    InitAppPaths(state, executable);
    InitSettingsPath(state, executable);
    NameList names;
    LoadNameList(state, names);  // the shipped list, until the user has one
    const bool shippedRead = names.Entries() == std::vector<std::string>{"shipped"};
    names.Append("own");
    const bool saved = !SaveNameList(state, names);
    NameList again;
    LoadNameList(state, again);
    const bool kept = again.Entries() == std::vector<std::string>{"shipped", "own"};
    return state.SettingsPath == dir / "home/tarnwick/tarnwick.ini" && shippedRead && saved &&
                   kept
               ? 0
               : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(tarnwick::testing::ReadFile(dir / "bin/tarnwick.ini"),
            "[Kelvane Tarnwick]\nFiles=1\nEintrag0=shipped\n");
  ::chmod((dir / "bin").c_str(), 0755);
}
#endif

TEST(SettingsPathFor, ReplacesAnExeExtensionAndAppendsOtherwise) {
  EXPECT_EQ(SettingsPathFor("/opt/App.exe"), "/opt/App.ini");
  EXPECT_EQ(SettingsPathFor("/opt/App.EXE"), "/opt/App.ini");
  EXPECT_EQ(SettingsPathFor("/opt/tarnwick"), "/opt/tarnwick.ini");
  EXPECT_EQ(SettingsPathFor("/opt/tool.bin"), "/opt/tool.bin.ini");
  EXPECT_EQ(SettingsPathFor("/opt/x.exe.old"), "/opt/x.exe.old.ini");
}

}  // namespace
}  // namespace tarnwick::core
