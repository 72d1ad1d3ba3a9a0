#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fake_toolkit.h"
#include "gui/excluded_folders_window.h"
#include "gui/name_entry_dialog.h"
#include "platform/path/path_separator.h"
#include "texts/texts.h"
#ifndef _WIN32
#include "support/scoped_variable.h"
#endif
#include "support/temp_dir.h"
#include "support/temp_state.h"

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

class MainWindowTest : public ::testing::Test {
 protected:

  void SetNames(const Names& names) {
    for (const auto& name : names) window_.names().Append(name);
    window_.ShowNames();
  }

  // Presses "neuer Dateiname..."; inside its wait, `inDialog` acts on the open dialog.
  void Add(const std::function<void(NameEntryDialog&, testing::FakeNameEntryDialog&)>& inDialog) {
    bool acted = false;
    toolkit_.onEvents = [&] {
      if (acted || toolkit_.dialogView == nullptr || !toolkit_.dialogView->shown) return;
      acted = true;
      inDialog(*toolkit_.dialog, *toolkit_.dialogView);
    };
    window_.AddNameClick();
    toolkit_.onEvents = [] {};
  }

  void Select(int row) {
    view().selected = row;
    window_.NameListClick();
  }

  testing::FakeMainWindow& view() { return *toolkit_.mainWindow; }

  TempDir dir_;
  core::AppState state_ = testing::StateIn(dir_);
  engine::HelperObjects helpers_;
  FakeToolkit toolkit_;
  MainWindow window_{state_, helpers_, toolkit_};
};

TEST_F(MainWindowTest, LoadsCentredWithBothActionButtonsDisabled) {
  EXPECT_FALSE(view().shown);
  EXPECT_FALSE(view().removeEnabled);
  EXPECT_FALSE(view().deleteEnabled);
  ASSERT_TRUE(view().position.has_value());
  EXPECT_EQ(view().position->top, 1566);
  EXPECT_EQ(view().position->left, 5880);
}

TEST_F(MainWindowTest, AnAcceptedNameIsAppendedAsTyped) {
  Add([](NameEntryDialog& dialog, testing::FakeNameEntryDialog& shown) {
    EXPECT_TRUE(shown.shown);
    EXPECT_TRUE(shown.topmost);
    EXPECT_TRUE(shown.focused);
    EXPECT_TRUE(shown.position.has_value());
    EXPECT_EQ(shown.text, "");  // emptied before it is shown
    shown.text = " Mscreate.dir ";
    dialog.AcceptClick();
  });
  EXPECT_EQ(view().entries, Names{" Mscreate.dir "});
  EXPECT_EQ(window_.names().Entries(), Names{" Mscreate.dir "});
  EXPECT_TRUE(view().deleteEnabled);

  Add([](NameEntryDialog& dialog, auto&) { dialog.AcceptClick(); });
  EXPECT_EQ(view().entries, (Names{" Mscreate.dir ", ""}));  // empty names are taken
}

TEST_F(MainWindowTest, CancelAndTheFrameAddNothing) {
  Add([](NameEntryDialog& dialog, testing::FakeNameEntryDialog& shown) {
    shown.text = "typed";
    dialog.CancelClick();
    EXPECT_EQ(shown.text, "");
  });
  Add([](NameEntryDialog& dialog, auto&) { dialog.FrameClosed(); });
  EXPECT_TRUE(view().entries.empty());
  EXPECT_FALSE(view().deleteEnabled);
}

TEST_F(MainWindowTest, OneAddActionAtATimeWhateverTheOrderOfEvents) {
  // The second click arrives while the dialog is being made (its Load processes events), and
  // a third while it is open.
  int clicks = 0;
  toolkit_.onEvents = [&] {
    ++clicks;
    if (clicks == 1) window_.AddNameClick();  // inside Load
    if (clicks == 2) {
      window_.AddNameClick();  // inside the wait
      EXPECT_EQ(toolkit_.dialogView->broughtToFront, 1);
      toolkit_.dialogView->text = "once";
      toolkit_.dialog->AcceptClick();
    }
  };
  window_.AddNameClick();
  EXPECT_EQ(toolkit_.dialogsMade, 1);
  EXPECT_EQ(view().entries, Names{"once"});
}

TEST_F(MainWindowTest, ANameTheListRefusesIsRefusedWithAReason) {
  const struct {
    Names stored;
    std::string name;
    std::string reason;
  } cases[] = {
      {{}, "a\nFiles=99", "Er enthält einen Zeilenumbruch."},
      {Names(core::NameList::kMaxCount, "x"), "one more",
       "Die Liste ist voll (höchstens 32767 Einträge)."},
  };
  for (const auto& c : cases) {
    MainWindow window(state_, helpers_, toolkit_);
    for (const auto& name : c.stored) window.names().Append(name);
    toolkit_.messages.clear();
    window.AppendName(c.name);
    EXPECT_EQ(window.names().Count(), static_cast<int16_t>(c.stored.size()));
    EXPECT_TRUE(toolkit_.mainWindow->entries.empty());
    ASSERT_EQ(toolkit_.messages.size(), 1u);
    EXPECT_EQ(toolkit_.messages[0].prompt,
              "Der Dateiname kann nicht in die Liste aufgenommen werden: " + c.reason);
    EXPECT_EQ(toolkit_.messages[0].kind, MessageKind::kWarning);
    EXPECT_EQ(toolkit_.messages[0].title, "Kelvane Tarnwick");
  }
}

TEST_F(MainWindowTest, SelectionDecidesWhetherRemoveIsEnabled) {
  SetNames({"a", "", "c"});
  const struct {
    std::optional<int> row;
    bool enabled;
  } cases[] = {{0, true}, {1, false}, {2, true}, {std::nullopt, false}, {7, false}};
  for (const auto& c : cases) {
    view().selected = c.row;
    window_.NameListClick();
    EXPECT_EQ(view().removeEnabled, c.enabled) << c.row.value_or(-1);
  }
}

TEST_F(MainWindowTest, RemoveAsksAndTakesEveryEqualEntryRespectingCase) {
  SetNames({"b", "x", "B", "", "b"});
  Select(4);
  window_.RemoveNameClick();  // answered No
  EXPECT_EQ(toolkit_.questions,
            Names{"Kelvane Tarn Wick: Soll der Dateiname 'b' entfernt werden ?"});
  EXPECT_EQ(view().entries.size(), 5u);

  toolkit_.answers = {true};
  window_.RemoveNameClick();
  EXPECT_EQ(view().entries, (Names{"x", "B", ""}));
  EXPECT_EQ(window_.names().Entries(), view().entries);
  EXPECT_FALSE(view().selected.has_value());
  EXPECT_TRUE(view().removeEnabled);  // until the next selection
  EXPECT_TRUE(view().deleteEnabled);

  Select(2);  // the empty entry: nothing is asked
  window_.RemoveNameClick();
  EXPECT_EQ(toolkit_.questions.size(), 2u);
}

TEST_F(MainWindowTest, RemovingTheLastNameDisablesTheDeleteButton) {
  SetNames({"only"});
  Select(0);
  toolkit_.answers = {true};
  window_.RemoveNameClick();
  EXPECT_TRUE(view().entries.empty());
  EXPECT_FALSE(view().deleteEnabled);
}

TEST_F(MainWindowTest, DeleteButtonRunsThePassAndReportsIt) {
  WriteFile(dir_ / "root/sub/MSCREATE.DIR", "");
  WriteFile(dir_ / "root/Mscreate.dir", "");
  WriteFile(dir_ / "root/keep.txt", "");
  SetNames({"mscreate.dir"});
  window_.DeleteClick();
  ASSERT_EQ(toolkit_.messages.size(), 1u);
  EXPECT_EQ(toolkit_.messages[0].prompt, "Es wurden '2' Dateien gefunden und gelöscht.   ");
  EXPECT_EQ(toolkit_.messages[0].kind, MessageKind::kInformation);
  EXPECT_EQ(toolkit_.messages[0].title, "Kelvane Tarnwick");
  EXPECT_FALSE(fs::exists(dir_ / "root/Mscreate.dir"));
  EXPECT_TRUE(fs::exists(dir_ / "root/keep.txt"));

  state_.SearchRoot = NativePath(dir_ / "missing/");
  window_.DeleteClick();
  EXPECT_EQ(toolkit_.messages.back().kind, MessageKind::kWarning);
}

TEST_F(MainWindowTest, TheExcludedFoldersWindowAddsEachFolderOnceRemovesAndIsStoredOnClose) {
  fs::create_directories(dir_ / "root/keep");
  const std::string keep = NativePath(dir_ / "root/keep");
  bool acted = false;
  toolkit_.onEvents = [&] {
    auto* shown = toolkit_.excludedFoldersWindow;
    if (acted || shown == nullptr || !shown->shown) return;
    acted = true;
    ExcludedFoldersWindow& rules = *toolkit_.excludedFolders;
    EXPECT_TRUE(shown->position.has_value());
    EXPECT_FALSE(shown->removeEnabled);
    rules.AddClick();  // the chooser cancelled
    EXPECT_TRUE(shown->entries.empty());
    shown->chosenFolder = keep;
    rules.AddClick();
    shown->chosenFolder = keep + platform::kPathSeparator;  // the same folder again
    rules.AddClick();
    EXPECT_EQ(shown->entries, Names{keep});
    ASSERT_EQ(toolkit_.messages.size(), 1u);
    EXPECT_EQ(toolkit_.messages[0].prompt, texts::AlreadyExcluded(*shown->chosenFolder));
    shown->selected = 0;
    rules.ListClick();
    EXPECT_TRUE(shown->removeEnabled);
    rules.RemoveClick();  // nothing is deleted: no question
    EXPECT_TRUE(shown->entries.empty());
    EXPECT_FALSE(shown->removeEnabled);
    EXPECT_TRUE(toolkit_.questions.empty());
    shown->chosenFolder = keep;
    rules.AddClick();
    rules.CloseClick();
  };
  window_.ExcludedFoldersItemClick();
  EXPECT_TRUE(acted);
  EXPECT_EQ(window_.excludedFolders().Entries(), Names{keep});
  ASSERT_TRUE(window_.Unload());
  EXPECT_NE(ReadFile(state_.SettingsPath).find("Ausnahme0=" + keep), std::string::npos);
}

TEST_F(MainWindowTest, APassLeavesExcludedFoldersAloneAndTheTipSaysWhenItWouldSearchNothing) {
  WriteFile(dir_ / "root/Setup.log", "");
  WriteFile(dir_ / "root/keep/Setup.log", "");
  SetNames({"Setup.log"});
  window_.excludedFolders().Append(NativePath(dir_ / "root/keep"));
  window_.DeleteClick();
  EXPECT_FALSE(fs::exists(dir_ / "root/Setup.log"));
  EXPECT_TRUE(fs::exists(dir_ / "root/keep/Setup.log"));
  ASSERT_EQ(toolkit_.messages.size(), 1u);
  EXPECT_NE(toolkit_.messages[0].prompt.find(texts::ExcludedFoldersSkipped(1)), std::string::npos);

  window_.ShowSearchRoot();
  EXPECT_EQ(view().deleteTip, texts::SearchesFolderTip(state_.SearchRoot, false, false));
  window_.excludedFolders().Append(NativePath(dir_ / "root"));
  window_.ShowSearchRoot();
  EXPECT_EQ(view().deleteTip, texts::SearchesNothingTip(state_.SearchRoot));
}

TEST_F(MainWindowTest, AnInstalledCopyAsksForTheFolderToSearchEachTime) {
  WriteFile(dir_ / "chosen/Mscreate.dir", "");
  SetNames({"Mscreate.dir"});
  state_.AskForSearchRoot = true;
  window_.ShowSearchRoot();
  EXPECT_EQ(view().deleteTip,
            "Fragt zuerst, welcher Ordner durchsucht wird, und löscht die gefundenen Dateien "
            "endgültig.");

  window_.DeleteClick();  // cancelled: nothing is searched, nothing shown
  EXPECT_EQ(view().chooserCaption, "Ordner zum Durchsuchen wählen");
  EXPECT_FALSE(view().chooserStart.empty());  // the home folder
  EXPECT_TRUE(toolkit_.messages.empty());

  view().chosenFolder = NativePath(dir_ / "chosen");
  window_.DeleteClick();
  ASSERT_EQ(toolkit_.messages.size(), 1u);
  EXPECT_EQ(toolkit_.messages[0].prompt, "Es wurden '1' Dateien gefunden und gelöscht.   ");
  EXPECT_EQ(state_.SearchRoot, NativePath(dir_ / "chosen/"));
}

// The mode is seen: the item's check mark, the big button's caption and its tip say where the
// found files go, and whether they are shown first.
TEST_F(MainWindowTest, TheTrashItemSwitchesTheModeAndIsRemembered) {
  window_.ShowSearchRoot();
  EXPECT_FALSE(view().checked[gui::MenuItem::kTrash]);
  EXPECT_EQ(view().deleteCaption,
            "Jetzt rekursiv nach den gelisteten Dateinamen suchen und löschen");
  window_.TrashItemClick();
  EXPECT_TRUE(state_.UseTrash);
  EXPECT_TRUE(view().checked[gui::MenuItem::kTrash]);
  EXPECT_EQ(view().deleteCaption,
            "Jetzt rekursiv nach den gelisteten Dateinamen suchen und in den Papierkorb "
            "verschieben");
  EXPECT_EQ(view().deleteTip, "Durchsucht " + state_.SearchRoot +
                                  " und alle Unterordner und verschiebt die gefundenen Dateien "
                                  "in den Papierkorb (zurückholen: Verlauf > Durchgänge).");
  window_.LookFirstItemClick();
  EXPECT_TRUE(view().deleteTip.ends_with(" Die gefundenen Dateien werden zuerst gezeigt."));
  window_.LookFirstItemClick();
  EXPECT_EQ(ReadFile(state_.SettingsPath),
            NewFileLines("[Kelvane Tarnwick]\nPapierkorb=1\nVorschau=0\n"));
  window_.TrashItemClick();
  EXPECT_FALSE(view().checked[gui::MenuItem::kTrash]);
  EXPECT_EQ(ReadFile(state_.SettingsPath),
            NewFileLines("[Kelvane Tarnwick]\nPapierkorb=0\nVorschau=0\n"));

  state_.SettingsPath = dir_ / "no-such-folder/tarnwick.ini";  // kept for this run all the same
  window_.TrashItemClick();
  EXPECT_TRUE(view().checked[gui::MenuItem::kTrash]);
  ASSERT_EQ(toolkit_.messages.size(), 1u);
  EXPECT_EQ(toolkit_.messages[0].kind, MessageKind::kWarning);
}

// With the look first on, a pass shows what it found and deals only with the ticked files;
// cancelling deals with nothing and shows nothing.
TEST_F(MainWindowTest, TheLookFirstDealsOnlyWithTheTickedFiles) {
  window_.LookFirstItemClick();
  EXPECT_TRUE(view().checked[gui::MenuItem::kLookFirst]);
  EXPECT_EQ(ReadFile(state_.SettingsPath), NewFileLines("[Kelvane Tarnwick]\nVorschau=1\n"));
  SetNames({"Setup.log"});
  const struct {
    const char* what;
    bool toTrash;
    std::function<void(FoundFilesWindow&)> choose;
    size_t stays;  // of the three found
    const char* report;
  } cases[] = {
      {"one unticked", false, [](FoundFilesWindow& found) {
         found.ToggleRow(1);
         found.DealClick();
       }, 1, "Es wurden '2' Dateien gefunden und gelöscht.   "},
#ifndef _WIN32  // Wine's shell keeps no Recycle Bin
      {"none, then all, to the trash", true, [](FoundFilesWindow& found) {
         found.NoneClick();
         found.AllClick();
         found.DealClick();
       }, 0, "Es wurden '3' Dateien gefunden und in den Papierkorb verschoben.   \n\n"
             "Zurückholen: Verlauf > Durchgänge"},
#endif
      {"cancelled", false, [](FoundFilesWindow& found) { found.CancelClick(); }, 3, nullptr},
  };
#ifndef _WIN32
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
#endif
  for (const auto& c : cases) {
    for (const char* folder : {"a", "b", "c"}) {
      WriteFile(dir_ / (std::string("root/") + folder + "/Setup.log"), "");
    }
    state_.UseTrash = c.toTrash;
    toolkit_.messages.clear();
    toolkit_.foundFilesWindow = nullptr;
    std::string foundLine, dealCaption;
    toolkit_.onEvents = [&] {
      if (toolkit_.foundFilesWindow == nullptr || !toolkit_.foundFilesWindow->shown) return;
      foundLine = toolkit_.foundFilesWindow->foundLine;
      dealCaption = toolkit_.foundFilesWindow->dealCaption;
      c.choose(*toolkit_.foundFiles);
      toolkit_.foundFilesWindow = nullptr;  // gone with the pass's look
    };
    window_.DeleteClick();
    toolkit_.onEvents = [] {};
    EXPECT_EQ(foundLine, "Es wurden '3' Dateien gefunden.") << c.what;
    EXPECT_EQ(dealCaption, c.toTrash ? "In den Papierkorb verschieben" : "Löschen") << c.what;
    size_t stays = 0;
    for (const char* folder : {"a", "b", "c"}) {
      stays += fs::exists(dir_ / (std::string("root/") + folder + "/Setup.log"));
    }
    EXPECT_EQ(stays, c.stays) << c.what;
    if (c.stays == 1) {
      EXPECT_TRUE(fs::exists(dir_ / "root/b/Setup.log")) << c.what;  // the walk's second
    }
    if (c.report == nullptr) {
      EXPECT_TRUE(toolkit_.messages.empty()) << c.what;
    } else {
      ASSERT_EQ(toolkit_.messages.size(), 1u) << c.what;
      EXPECT_EQ(toolkit_.messages[0].prompt, c.report) << c.what;
    }
    fs::remove_all(dir_ / "root");
  }
}

#ifndef _WIN32  // Wine's shell keeps no Recycle Bin
TEST_F(MainWindowTest, TheTakeBackItemPutsTheLastTrashPassBackAndIsThenDisabled) {
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
  WriteFile(dir_ / "root/a/Setup.log", "a");
  WriteFile(dir_ / "root/b/Setup.log", "b");
  SetNames({"Setup.log"});
  window_.TrashItemClick();
  window_.ShowTakeBack();
  EXPECT_FALSE(view().enabled[gui::MenuItem::kTakeBack]);
  window_.DeleteClick();
  EXPECT_TRUE(view().enabled[gui::MenuItem::kTakeBack]);
  EXPECT_FALSE(fs::exists(dir_ / "root/a/Setup.log"));
  toolkit_.messages.clear();
  window_.TakeBackItemClick();
  ASSERT_EQ(toolkit_.messages.size(), 1u);
  EXPECT_EQ(toolkit_.messages[0].prompt, "Es wurden '2' Dateien zurückgeholt.");
  EXPECT_EQ(toolkit_.messages[0].kind, MessageKind::kInformation);
  EXPECT_EQ(ReadFile(dir_ / "root/a/Setup.log"), "a");
  EXPECT_EQ(ReadFile(dir_ / "root/b/Setup.log"), "b");
  EXPECT_FALSE(view().enabled[gui::MenuItem::kTakeBack]);

  // A record that cannot be read is said when the item is used.
  WriteFile(state_.SettingsPath + ".durchgaenge/7.papierkorb", "no record\n");
  window_.ShowTakeBack();
  EXPECT_TRUE(view().enabled[gui::MenuItem::kTakeBack]);
  toolkit_.messages.clear();
  window_.TakeBackItemClick();
  ASSERT_EQ(toolkit_.messages.size(), 1u);
  EXPECT_EQ(toolkit_.messages[0].kind, MessageKind::kWarning);
  EXPECT_NE(toolkit_.messages[0].prompt.find("beschädigt"), std::string::npos);

  // Where its record could not be kept safe, a pass to the trash moves nothing and warns.
  fs::remove_all(state_.SettingsPath + ".durchgaenge");
  fs::create_directory(state_.SettingsPath + ".durchgaenge");
  fs::permissions(state_.SettingsPath + ".durchgaenge", fs::perms::all);
  toolkit_.messages.clear();
  window_.DeleteClick();
  ASSERT_EQ(toolkit_.messages.size(), 1u);
  EXPECT_EQ(toolkit_.messages[0].kind, MessageKind::kWarning);
  EXPECT_TRUE(toolkit_.messages[0].prompt.starts_with("Es wurde nichts in den Papierkorb"));
  EXPECT_TRUE(fs::exists(dir_ / "root/a/Setup.log"));
}
#endif

TEST_F(MainWindowTest, UnloadSavesTheListOnceAndEndsTheProgram) {
  SetNames({"Mscreate.dir"});
  view().shown = true;
  window_.Unload();
  EXPECT_EQ(ReadFile(state_.SettingsPath),
            NewFileLines("[Kelvane Tarnwick]\nFiles=1\nEintrag0=Mscreate.dir\n"));
  EXPECT_TRUE(toolkit_.ended);
  EXPECT_FALSE(view().shown);
  EXPECT_TRUE(toolkit_.messages.empty());

  fs::remove(state_.SettingsPath);
  window_.Unload();
  EXPECT_FALSE(fs::exists(state_.SettingsPath));
}

TEST_F(MainWindowTest, AFailedSaveAsksWhetherToEndAnyway) {
  SetNames({"Mscreate.dir"});
  const std::string settings = state_.SettingsPath;
  state_.SettingsPath = NativePath(dir_ / "missing-dir/tarnwick.ini");
  view().shown = true;
  EXPECT_FALSE(window_.Unload());  // Nein: the program stays, with its list
  EXPECT_EQ(toolkit_.questions,
            Names{"Kelvane Tarnwick: Die Liste konnte nicht gespeichert werden: " +
                  state_.SettingsPath +
                  " (nicht vorhanden)\n\nTrotzdem beenden? Die Änderungen an der Liste gehen "
                  "dann verloren."});
  EXPECT_FALSE(toolkit_.ended);
  EXPECT_TRUE(view().shown);

  state_.SettingsPath = settings;  // the cause mended, closing again saves
  EXPECT_TRUE(window_.Unload());
  EXPECT_TRUE(fs::exists(settings));
  EXPECT_TRUE(toolkit_.ended);

  MainWindow unsaved(state_, helpers_, toolkit_);
  unsaved.names().Append("x");
  state_.SettingsPath = NativePath(dir_ / "missing-dir/tarnwick.ini");
  toolkit_.answers = {true};  // Ja: it ends, the changes lost
  EXPECT_TRUE(unsaved.Unload());
}

TEST_F(MainWindowTest, ClosingDuringTheAddWaitAddsNothing) {
  Add([this](NameEntryDialog& dialog, testing::FakeNameEntryDialog& shown) {
    shown.text = "late";
    dialog.AcceptClick();
    window_.Unload();
  });
  EXPECT_TRUE(window_.names().Entries().empty());
}

}  // namespace
}  // namespace tarnwick::gui
