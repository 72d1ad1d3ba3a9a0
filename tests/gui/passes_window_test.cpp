// The window of the kept passes and the window of one pass's files, through the fake toolkit:
// a pass taken back whole, and files taken back one by one, the rest kept for later.
#include "gui/passes_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/trash_history.h"
#include "fake_toolkit.h"
#include "gui/main_window.h"
#include "gui/pass_files_window.h"
#include "support/scoped_variable.h"
#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::gui {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

class PassesWindowTest : public ::testing::Test {
 protected:
  PassesWindowTest() : dataHome_("XDG_DATA_HOME", dir_ / "data") {
    window_.names().Append("Setup.log");
    window_.ShowNames();
    window_.TrashItemClick();
  }

  // A pass to the trash over the folder "root/<tree>", with a file in each of `folders`.
  void PassToTrash(const std::string& tree, const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
      WriteFile(dir_ / ("root/" + tree + "/" + folder + "/Setup.log"), folder);
    }
    state_.SearchRoot = dir_ / ("root/" + tree + "/");
    window_.DeleteClick();
  }

  // Opens "Durchgänge" from the menu bar; `inside` acts on it while it is open, and `inFiles`
  // on the window of a pass's files, once one is open.
  void OpenPasses(const std::function<void(PassesWindow&, testing::FakePassesWindow&)>& inside,
                  const std::function<void(PassFilesWindow&)>& inFiles = {}) {
    bool acted = false, actedInFiles = false;
    toolkit_.onEvents = [&] {
      if (inFiles && !actedInFiles && toolkit_.passFilesWindow != nullptr &&
          toolkit_.passFilesWindow->shown) {
        actedInFiles = true;
        inFiles(*toolkit_.passFiles);
        return;
      }
      if (acted || toolkit_.passesWindow == nullptr || !toolkit_.passesWindow->shown) return;
      acted = true;
      inside(*toolkit_.passes, *toolkit_.passesWindow);
      toolkit_.passes->CloseClick();
    };
    window_.MenuItemClick(MenuItem::kPasses);
    toolkit_.onEvents = [] {};
    EXPECT_TRUE(acted);
    EXPECT_EQ(actedInFiles, static_cast<bool>(inFiles));
  }

  std::string File(const std::string& tree, const std::string& folder) {
    return dir_ / ("root/" + tree + "/" + folder + "/Setup.log");
  }

  TempDir dir_;
  tarnwick::testing::ScopedVariable dataHome_;
  core::AppState state_ = testing::StateIn(dir_);
  engine::HelperObjects helpers_;
  testing::FakeToolkit toolkit_;
  MainWindow window_{state_, helpers_, toolkit_};
};

TEST_F(PassesWindowTest, ListsThePassesNewestFirstAndTakesBackTheOneSelected) {
  PassToTrash("first", {"a"});
  PassToTrash("second", {"b", "c"});
  OpenPasses([&](PassesWindow& rules, testing::FakePassesWindow& shown) {
    ASSERT_EQ(shown.rows.size(), 2u);
    EXPECT_EQ(shown.rows[0][0], "2");  // the newest first, selected
    EXPECT_EQ(shown.rows[0][2], dir_ / "root/second/");
    EXPECT_EQ(shown.rows[0][3], "2");
    EXPECT_EQ(shown.selected, 0);
    shown.selected = 1;  // any of them, not only the newest
    rules.ListClick();
    toolkit_.messages.clear();
    rules.TakeBackClick();
    ASSERT_EQ(toolkit_.messages.size(), 1u);
    EXPECT_EQ(toolkit_.messages[0].prompt, "Es wurden '1' Dateien zurückgeholt.");
    EXPECT_EQ(shown.rows.size(), 1u);
  });
  EXPECT_EQ(ReadFile(File("first", "a")), "a");
  EXPECT_FALSE(fs::exists(File("second", "b")));
}

TEST_F(PassesWindowTest, FilesComeBackOneByOneAndTheRestStayForLater) {
  PassToTrash("tree", {"a", "b", "c"});
  OpenPasses([](PassesWindow& rules, testing::FakePassesWindow&) { rules.FilesClick(); },
             [&](PassFilesWindow& files) {
               EXPECT_EQ(toolkit_.passFilesWindow->caption, "Dateien des Durchgangs 1");
               ASSERT_EQ(files.RowCount(), 3u);
               for (size_t row = 0; row < 3; ++row) EXPECT_TRUE(files.IsTicked(row));
               // Only the file in b comes back; a and c stay, unticked.
               files.NoneClick();
               for (size_t row = 0; row < 3; ++row) {
                 if (files.TextAt(row) == File("tree", "b")) files.ToggleRow(row);
               }
               files.TakeBackClick();
               ASSERT_EQ(files.RowCount(), 2u);
               EXPECT_FALSE(files.IsTicked(0));
               // A file whose place is taken stays, ticked, with its reason.
               WriteFile(File("tree", "c"), "new");
               files.AllClick();
               fs::remove(File("tree", "a"));
               files.TakeBackClick();
               ASSERT_EQ(files.RowCount(), 1u);
               EXPECT_EQ(files.TextAt(0), File("tree", "c") +
                                              " (blieb im Papierkorb: an ihrem "
                                              "Platz liegt schon eine Datei)");
               files.CloseClick();
             });
  EXPECT_EQ(ReadFile(File("tree", "a")), "a");
  EXPECT_EQ(ReadFile(File("tree", "b")), "b");
  EXPECT_EQ(ReadFile(File("tree", "c")), "new");
  ASSERT_EQ(core::KeptPasses(state_).size(), 1u);  // c is still to take back
}

}  // namespace
}  // namespace tarnwick::gui
