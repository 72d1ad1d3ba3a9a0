// Start-up of the real Qt program in this process: Qt's own options leave the command line,
// the rest stays byte for byte.
#include "gui/qt/desktop_program.h"

#include <gtest/gtest.h>
#include <signal.h>

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
  // Qt's own dialogs (the folder chooser) speak German too.
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Directory:"), "Verzeichnis:");
}

TEST(DesktopProgram, ATerminationSignalSavesTheListAndEnds) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    tarnwick::testing::TempDir dir;
    std::string program = "tarnwick", platformOption = "-platform", platform = "offscreen";
    char* argv[] = {program.data(), platformOption.data(), platform.data(), nullptr};
    DesktopProgram desktop(3, argv, {dir.path().string(), "tarnwick"});
    desktop.windows().mainWindow->AppendName("Mscreate.dir");
    ::raise(signal);
    EXPECT_EQ(desktop.Run(), 0);
    EXPECT_EQ(tarnwick::testing::ReadFile(dir / "tarnwick.ini"),
              "[Kelvane Tarnwick]\nFiles=1\nEintrag0=Mscreate.dir\n")
        << signal;
  }
}

}  // namespace
}  // namespace tarnwick::gui::qt
