#include "windows/startup.h"

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "support/temp_dir.h"

namespace tarnwick::windows {
namespace {

using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

class StartupTest : public ::testing::Test {
 protected:
  StartedWindows Start(const std::string& commandLine) {
    return Main(state_, executable_, commandLine);
  }
  void StoreNames(const std::string& body) { WriteFile(dir_ / "tarnwick.ini", "[Kelvane Tarnwick]\n" + body); }

  TempDir dir_;
  platform::ExecutableLocation executable_{dir_.path().string(), "tarnwick"};
  core::AppState state_;
};

TEST_F(StartupTest, WithoutSettingsTheMainWindowOpensEmpty) {
  const StartedWindows windows = Start("");
  EXPECT_TRUE(windows.mainWindow->isVisible());
  EXPECT_EQ(windows.launchWindow, nullptr);
  EXPECT_EQ(windows.mainWindow->List2->count(), 0);
  EXPECT_FALSE(windows.mainWindow->Command4->isEnabled());
  EXPECT_EQ(state_.AppDir, dir_.path().string() + "/");
  EXPECT_EQ(state_.SearchRoot, state_.AppDir);
  EXPECT_EQ(state_.SettingsPath, dir_ / "tarnwick.ini");
  EXPECT_EQ(state_.AppTitle, "Kelvane Tarnwick");
  EXPECT_FALSE(std::filesystem::exists(state_.SettingsPath));
}

TEST_F(StartupTest, StoredNamesAreShownAndEnableTheDeleteButton) {
  StoreNames("Files=3\nEintrag0=a\nEintrag1=b\nEintrag2=c\n");
  const StartedWindows windows = Start("");
  EXPECT_EQ(windows.mainWindow->List2->count(), 3);
  EXPECT_TRUE(windows.mainWindow->Command4->isEnabled());
  EXPECT_FALSE(windows.mainWindow->Command3->isEnabled());
}

TEST_F(StartupTest, ACommandLineOpensTheLaunchWindowFirst) {
  StoreNames("Files=1\nEintrag0=a\n");
  const StartedWindows windows = Start("/setup/Mscreate.dir");
  ASSERT_NE(windows.launchWindow, nullptr);
  EXPECT_TRUE(windows.launchWindow->isVisible());
  EXPECT_FALSE(windows.mainWindow->isVisible());
  EXPECT_EQ(windows.mainWindow->List2->count(), 1);
  EXPECT_EQ(windows.launchWindow->windowTitle(), "Kelvane Brimlet");
  EXPECT_EQ(windows.launchWindow->Label1->text(), "/setup/Mscreate.dir/");
  EXPECT_EQ(state_.CommandLinePath, "/setup/Mscreate.dir");
  EXPECT_EQ(state_.SearchRoot, "/setup/Mscreate.dir/");
}

TEST_F(StartupTest, LaunchWindowSearchButtonContinuesWithThePath) {
  const StartedWindows windows = Start("/tmp/Some Folder");
  QTest::mouseClick(windows.launchWindow->Command1, Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(windows.launchWindow, nullptr);  // closed and gone
  EXPECT_TRUE(windows.mainWindow->isVisible());
  EXPECT_EQ(state_.SearchRoot, "/tmp/Some Folder/");
  EXPECT_EQ(windows.mainWindow->List2->count(), 0);
}

TEST_F(StartupTest, LaunchWindowAddButtonAddsTheFileNameAsItStands) {
  const struct {
    const char* commandLine;
    const char* added;
  } cases[] = {{"/setup/Mscreate.dir", "Mscreate.dir"}, {"\"/setup/b.txt\"", "b.txt\""}};
  for (const auto& c : cases) {
    core::AppState state;
    const StartedWindows windows = Main(state, executable_, c.commandLine);
    QTest::mouseClick(windows.launchWindow->Command2, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(windows.mainWindow->names().Entries(), std::vector<std::string>{c.added});
    EXPECT_EQ(state.SearchRoot, std::string(c.commandLine) + "/");
    EXPECT_TRUE(windows.mainWindow->isVisible());
    EXPECT_TRUE(windows.mainWindow->Command4->isEnabled());
    windows.mainWindow->hide();
  }
}

TEST_F(StartupTest, ClosingTheLaunchWindowByItsFrameEndsTheProgramAndSaves) {
  StoreNames("files = 1\nEintrag0=a\n");
  const StartedWindows windows = Start("/tmp");
  windows.launchWindow->close();
  QCoreApplication::processEvents();
  EXPECT_FALSE(windows.mainWindow->isVisible());
  // Saved: the unchanged list is written back in the program's own spelling.
  EXPECT_EQ(ReadFile(dir_ / "tarnwick.ini"), "[Kelvane Tarnwick]\nFiles=1\nEintrag0=a\n");
}

}  // namespace
}  // namespace tarnwick::windows
