#include "gui/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fake_toolkit.h"
#include "gui/search_root.h"
#include "platform/path/path_separator.h"
#include "support/temp_dir.h"

namespace tarnwick::gui {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::FakeToolkit;
using tarnwick::testing::NativePath;
using tarnwick::testing::NewFileLines;
using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;
using Names = std::vector<std::string>;

class StartupTest : public ::testing::Test {
 protected:
  StartedWindows Start(const std::string& commandLine) {
    return Main(state_, executable_, commandLine, toolkit_);
  }
  void StoreNames(const std::string& body) {
    WriteFile(dir_ / "tarnwick.ini", "[Kelvane Tarnwick]\n" + body);
  }
  std::string Dir() const { return dir_.path().string() + platform::kPathSeparator; }

  TempDir dir_;
  platform::ExecutableLocation executable_{dir_.path().string(), "tarnwick"};
  core::AppState state_;
  FakeToolkit toolkit_;
};

TEST_F(StartupTest, WithoutSettingsTheMainWindowOpensEmpty) {
  const StartedWindows windows = Start("");
  EXPECT_TRUE(toolkit_.mainWindow->shown);
  EXPECT_EQ(windows.launchWindow, nullptr);
  EXPECT_TRUE(toolkit_.mainWindow->entries.empty());
  EXPECT_FALSE(toolkit_.mainWindow->deleteEnabled);
  EXPECT_EQ(state_.AppDir, Dir());
  EXPECT_EQ(state_.SearchRoot, state_.AppDir);
  EXPECT_EQ(state_.AppTitle, "Kelvane Tarnwick");
  EXPECT_FALSE(state_.AskForSearchRoot);  // a copy in a folder the user can write
  EXPECT_EQ(toolkit_.mainWindow->deleteTip,
            "Durchsucht " + Dir() + " und alle Unterordner und löscht die gefundenen Dateien "
            "endgültig.");
  EXPECT_FALSE(fs::exists(state_.SettingsPath));
}

TEST_F(StartupTest, AProgramWhoseFolderIsUnknownSearchesNothingUntilAFolderIsChosen) {
  executable_.directory.clear();
  Start("");
  EXPECT_EQ(state_.AppDir, "");
  EXPECT_EQ(state_.SearchRoot, "");
  EXPECT_TRUE(state_.AskForSearchRoot);
  EXPECT_NE(state_.SettingsPath, NativePath("/tarnwick.ini"));
}

TEST_F(StartupTest, StoredNamesAreShownAndEnableTheDeleteButton) {
  StoreNames("Files=3\nEintrag0=a\nEintrag1=b\nEintrag2=c\nPapierkorb=1\n");
  const StartedWindows windows = Start("");
  EXPECT_EQ(toolkit_.mainWindow->entries, (Names{"a", "b", "c"}));
  EXPECT_TRUE(toolkit_.mainWindow->deleteEnabled);
  EXPECT_FALSE(toolkit_.mainWindow->removeEnabled);
  EXPECT_TRUE(state_.UseTrash);  // remembered from the last run
  EXPECT_TRUE(toolkit_.mainWindow->checked[gui::MenuItem::kTrash]);
}

TEST_F(StartupTest, ACommandLineOpensTheLaunchWindowFirst) {
  StoreNames("Files=1\nEintrag0=a\n");
  const std::string path = NativePath(dir_ / "setup/Mscreate.dir");  // no such file or folder
  const StartedWindows windows = Start(path);
  ASSERT_NE(windows.launchWindow, nullptr);
  EXPECT_TRUE(toolkit_.launchWindow->shown);
  EXPECT_FALSE(toolkit_.mainWindow->shown);
  EXPECT_EQ(toolkit_.mainWindow->entries, Names{"a"});
  EXPECT_EQ(toolkit_.launchWindow->path, path + platform::kPathSeparator);
  EXPECT_EQ(state_.CommandLinePath, path);
  EXPECT_EQ(state_.SearchRoot, path + platform::kPathSeparator);
}

TEST_F(StartupTest, LaunchWindowSearchButtonContinuesWithThePath) {
  const StartedWindows windows = Start(NativePath(dir_ / "Some Folder"));
  windows.launchWindow->SearchPathClick();
  EXPECT_FALSE(toolkit_.launchWindow->shown);
  EXPECT_TRUE(toolkit_.mainWindow->shown);
  EXPECT_EQ(state_.SearchRoot, NativePath(dir_ / "Some Folder/"));
  EXPECT_TRUE(toolkit_.mainWindow->entries.empty());
  windows.launchWindow->FrameClosed();  // after it has continued, closing it ends nothing
  EXPECT_FALSE(toolkit_.ended);
}

TEST_F(StartupTest, LaunchWindowAddButtonAddsTheFileNameAsItStands) {
  const struct {
    const char* commandLine;
    const char* added;
  } cases[] = {{"/setup/Mscreate.dir", "Mscreate.dir"}, {"\"/setup/b.txt\"", "b.txt\""}};
  for (const auto& c : cases) {
    core::AppState state;
    const std::string commandLine = NativePath(c.commandLine);
    const StartedWindows windows = Main(state, executable_, commandLine, toolkit_);
    windows.launchWindow->AddNameAndSearchClick();
    EXPECT_EQ(windows.mainWindow->names().Entries(), Names{c.added});
    EXPECT_EQ(state.SearchRoot, SearchRootFor(commandLine));  // as start-up set it
    EXPECT_TRUE(toolkit_.mainWindow->shown);
    EXPECT_TRUE(toolkit_.mainWindow->deleteEnabled);
  }
}

TEST_F(StartupTest, APathThatNamesAFileSearchesTheFolderThatHoldsIt) {
  WriteFile(dir_ / "setup/Mscreate.dir", "");
  const std::string file = NativePath(dir_ / "setup/Mscreate.dir");
  const std::string folder = NativePath(dir_ / "setup/");
  for (const bool addName : {false, true}) {
    core::AppState state;
    const StartedWindows windows = Main(state, executable_, file, toolkit_);
    EXPECT_EQ(toolkit_.launchWindow->path, file + platform::kPathSeparator);
    if (addName) {
      windows.launchWindow->AddNameAndSearchClick();
      EXPECT_EQ(windows.mainWindow->names().Entries(), Names{"Mscreate.dir"});
    } else {
      windows.launchWindow->SearchPathClick();
    }
    EXPECT_EQ(state.SearchRoot, folder);
  }
}

TEST_F(StartupTest, ClosingTheLaunchWindowByItsFrameEndsTheProgramAndSaves) {
  StoreNames("files = 1\nEintrag0=a\n");
  const StartedWindows windows = Start(NativePath("/tmp"));
  windows.launchWindow->FrameClosed();
  EXPECT_TRUE(toolkit_.ended);
  EXPECT_FALSE(toolkit_.mainWindow->shown);
  // Saved: the unchanged list is written back in the program's own spelling.
  EXPECT_EQ(ReadFile(dir_ / "tarnwick.ini"), "[Kelvane Tarnwick]\nFiles=1\nEintrag0=a\n");  // its own lines kept
}

}  // namespace
}  // namespace tarnwick::gui
