#include "core/app_state.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

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
               {{"/opt", "tarn.wick.bin"}, "/opt/", "tarn.wick"}};
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

TEST(SettingsPathFor, ReplacesAnExeExtensionAndAppendsOtherwise) {
  EXPECT_EQ(SettingsPathFor("/opt/App.exe"), "/opt/App.ini");
  EXPECT_EQ(SettingsPathFor("/opt/App.EXE"), "/opt/App.ini");
  EXPECT_EQ(SettingsPathFor("/opt/tarnwick"), "/opt/tarnwick.ini");
  EXPECT_EQ(SettingsPathFor("/opt/tool.bin"), "/opt/tool.bin.ini");
  EXPECT_EQ(SettingsPathFor("/opt/x.exe.old"), "/opt/x.exe.old.ini");
}

}  // namespace
}  // namespace tarnwick::core
