// Start-up of the real Qt program in this process: Qt's own options leave the command line,
// the rest stays byte for byte.
#include "gui/qt/desktop_program.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tarnwick::gui::qt {
namespace {

TEST(DesktopProgram, TheCommandLineKeepsBytesThatAreNotUtf8) {
  tarnwick::testing::TempDir dir;
  std::string program = "tarnwick", platformOption = "-platform", platform = "offscreen",
              path = "/tmp/Ordner\xFF";
  char* argv[] = {program.data(), platformOption.data(), platform.data(), path.data(), nullptr};
  DesktopProgram desktop(4, argv, {dir.path().string(), "tarnwick"});
  EXPECT_EQ(desktop.state().CommandLinePath, "/tmp/Ordner\xFF");
  EXPECT_EQ(desktop.state().SearchRoot, "/tmp/Ordner\xFF/");
  ASSERT_NE(desktop.windows().launchWindow, nullptr);
}

}  // namespace
}  // namespace tarnwick::gui::qt
