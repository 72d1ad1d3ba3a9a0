#include "core/app_state.h"

#include <gtest/gtest.h>

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
    AppState state;
    InitAppPaths(state, c.executable);
    EXPECT_EQ(state.AppDir, c.appDir);
    EXPECT_EQ(state.ExeName, c.exeName);
  }
}

TEST(InitSettingsPath, SettingsFileSitsBesideTheExecutable) {
  AppState state;
  const platform::ExecutableLocation executable{"/opt/tarnwick", "tarnwick"};
  InitAppPaths(state, executable);
  InitSettingsPath(state, executable);
  EXPECT_EQ(state.AppTitle, "Kelvane Tarnwick");
  EXPECT_EQ(state.SettingsPath, "/opt/tarnwick/tarnwick.ini");
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
