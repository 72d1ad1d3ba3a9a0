// The Qt views are wired to the rules: a click reaches its rule, and the rule's calls reach the
// widgets. The rules themselves are tested without a toolkit.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "gui/launch_window.h"
#include "gui/main_window.h"
#include "gui/qt/excluded_folders_widget.h"
#include "gui/qt/found_files_widget.h"
#include "gui/qt/launch_window_widget.h"
#include "gui/qt/main_window_widget.h"
#include "gui/qt/name_entry_dialog_widget.h"
#include "gui/qt/passes_widget.h"
#include "gui/qt/plans_widget.h"
#include "gui/qt/progress_window_widget.h"
#include "gui/qt/qt_toolkit.h"
#include "engine/plan_schedule.h"
#include "support/scoped_variable.h"
#include "support/stand_in_scheduler.h"
#include "support/temp_dir.h"
#include "support/temp_state.h"
#include "window_test_support.h"

namespace tarnwick::gui::qt {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::AnswerMessageBox;
using tarnwick::testing::SeenMessage;
using tarnwick::testing::TempDir;
using tarnwick::testing::WhenShown;
using tarnwick::testing::WriteFile;

class ViewsTest : public ::testing::Test {
 protected:

  MainWindowWidget& Main() { return dynamic_cast<MainWindowWidget&>(mainWindow_.view()); }

  std::vector<std::string> Shown() {
    std::vector<std::string> shown;
    for (int i = 0; i < Main().NamesList->count(); ++i) {
      shown.push_back(Main().NamesList->item(i)->text().toStdString());
    }
    return shown;
  }

  void Select(int row) {
    QListWidget* list = Main().NamesList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }

  TempDir dir_;
  core::AppState state_ = testing::StateIn(dir_);
  engine::HelperObjects helpers_;
  QtToolkit toolkit_;
  MainWindow mainWindow_{state_, helpers_, toolkit_};
};

TEST_F(ViewsTest, MainWindowHasItsCaptionsGeometryAndPlace) {
  MainWindowWidget& form = Main();
  EXPECT_EQ(form.objectName(), "MainWindow");
  EXPECT_EQ(form.windowTitle(), "Kelvane Tarn Wick");
  EXPECT_EQ(form.Client->size(), QSize(169, 415));  // the menu bar stands above it
  EXPECT_EQ(form.Client->y(), form.MenuBar->height());
  QStringList menus;
  for (QAction* menu : form.MenuBar->actions()) menus << menu->text();
  EXPECT_EQ(menus, (QStringList{"&Optionen", "&Verlauf"}));
  EXPECT_EQ(form.DeleteButton->geometry(), QRect(4, 324, 161, 89));
  EXPECT_EQ(form.AddNameButton->text(), "neuer Dateiname...");
  EXPECT_EQ(form.RemoveNameButton->text(), "Dateiname entfernen...");
  EXPECT_EQ(form.DeleteButton->text(), "Jetzt rekursiv nach den gelisteten Dateinamen suchen und löschen");
  EXPECT_FALSE(form.RemoveNameButton->isEnabled());
  EXPECT_FALSE(form.DeleteButton->isEnabled());
  const QRect screen = form.screen()->geometry();
  EXPECT_NEAR(form.frameGeometry().center().x(), screen.width() / 2, 1);
  EXPECT_NEAR(form.frameGeometry().center().y(), screen.height() * 0.425, 1);
}

TEST_F(ViewsTest, AddGoesThroughTheDialogWhichIgnoresEnterAndEscape) {
  Main().show();
  WhenShown<NameEntryDialogWidget>("NameEntryDialog", [](NameEntryDialogWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Dateiname");
    EXPECT_EQ(dialog->size(), QSize(240, 65));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QTest::keyClicks(dialog->NameText, "Mscreate.dir");
    QTest::keyClick(dialog->NameText, Qt::Key_Return);
    QTest::keyClick(dialog->NameText, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseClick(dialog->AcceptButton, Qt::LeftButton);
  });
  QTest::mouseClick(Main().AddNameButton, Qt::LeftButton);
  EXPECT_EQ(Shown(), std::vector<std::string>{"Mscreate.dir"});
  EXPECT_TRUE(Main().DeleteButton->isEnabled());

  WhenShown<NameEntryDialogWidget>("NameEntryDialog", [](NameEntryDialogWidget* dialog) { dialog->close(); });
  QTest::mouseClick(Main().AddNameButton, Qt::LeftButton);
  EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(ViewsTest, RemoveAsksWithJaAndNein) {
  for (const char* name : {"a", "b"}) mainWindow_.names().Append(name);
  mainWindow_.ShowNames();
  Main().show();
  Select(1);
  EXPECT_TRUE(Main().RemoveNameButton->isEnabled());
  SeenMessage seen;
  AnswerMessageBox("QuestionBox", "Ja", seen);
  QTest::mouseClick(Main().RemoveNameButton, Qt::LeftButton);
  EXPECT_EQ(seen.text, "Soll der Dateiname 'b' entfernt werden ?");
  EXPECT_EQ(seen.title, "Kelvane Tarn Wick");
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttons, (QStringList{"Ja", "Nein"}));
  EXPECT_EQ(Shown(), std::vector<std::string>{"a"});
  EXPECT_TRUE(Main().NamesList->selectedItems().isEmpty());
}

TEST_F(ViewsTest, DeleteButtonReportsInAnInformationBox) {
  WriteFile(dir_ / "root/Mscreate.dir", "");
  mainWindow_.names().Append("mscreate.dir");
  mainWindow_.ShowNames();
  Main().show();
  SeenMessage seen;
  AnswerMessageBox("MessageBox", "OK", seen);
  QTest::mouseClick(Main().DeleteButton, Qt::LeftButton);
  EXPECT_EQ(seen.text, "Es wurden '1' Dateien gefunden und gelöscht.   ");
  EXPECT_EQ(seen.title, "Kelvane Tarnwick");
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  EXPECT_EQ(seen.buttons, QStringList{"OK"});
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewsTest, TheTrashItemIsInTheMenusOfTheListAndTheDeleteButton) {
  QAction* item = Main().Action(MenuItem::kTrash);
  EXPECT_EQ(item->text(), "In den &Papierkorb verschieben statt löschen");
  EXPECT_TRUE(Main().MenuBar->actions().front()->menu()->actions().contains(item));
  for (QWidget* widget : std::initializer_list<QWidget*>{Main().NamesList, Main().DeleteButton}) {
    EXPECT_EQ(widget->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(widget->actions().contains(item));
  }
  item->trigger();
  EXPECT_TRUE(state_.UseTrash);
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(Main().DeleteButton->toolTip().contains("Papierkorb"));
  EXPECT_TRUE(Main().DeleteButton->text().contains("in den Papierkorb verschieben"));
}

// The look: the menu item reaches its rule; in the window Space toggles the focused row's
// check box and the deal button hands the choice back.
TEST_F(ViewsTest, TheFoundFilesWindowTogglesByKeyboardAndDealsWithTheTickedFiles) {
  QAction* item = Main().Action(MenuItem::kLookFirst);
  EXPECT_EQ(item->text(), "&Erst ansehen, dann löschen");
  EXPECT_TRUE(Main().DeleteButton->actions().contains(item));
  item->trigger();
  EXPECT_TRUE(item->isChecked());
  WriteFile(dir_ / "root/a/Setup.log", "");
  WriteFile(dir_ / "root/b/Setup.log", "");
  mainWindow_.names().Append("Setup.log");
  mainWindow_.ShowNames();
  Main().show();
  QString line, deal;
  WhenShown<FoundFilesWidget>("FoundFilesWindow", [&](FoundFilesWidget* found) {
    line = found->FoundLabel->text();
    deal = found->DealButton->text();
    EXPECT_EQ(found->FileList->model()->rowCount(), 2);
    EXPECT_EQ(found->FileList->accessibleName(), "Gefundene Dateien, zum Löschen angehakt");
    QTest::keyClick(found->FileList, Qt::Key_Space);  // the first row: b, as the walk goes
    QTest::keyClick(found->FileList, Qt::Key_Return);  // ticks nothing again, presses nothing
    EXPECT_TRUE(found->isVisible());
    QTest::mouseClick(found->DealButton, Qt::LeftButton);
  });
  SeenMessage seen;
  AnswerMessageBox("MessageBox", "OK", seen);
  QTest::mouseClick(Main().DeleteButton, Qt::LeftButton);
  EXPECT_EQ(line, "Es wurden '2' Dateien gefunden.");
  EXPECT_EQ(deal, "Löschen");
  EXPECT_EQ(seen.text, "Es wurden '1' Dateien gefunden und gelöscht.   ");
  EXPECT_TRUE(fs::exists(dir_ / "root/b/Setup.log"));
  EXPECT_FALSE(fs::exists(dir_ / "root/a/Setup.log"));
}

TEST_F(ViewsTest, TheExcludedFoldersWindowOpensFromTheMenusAndRemovesTheSelectedFolder) {
  QAction* item = Main().Action(MenuItem::kExcludedFolders);
  EXPECT_EQ(item->text(), "&Ausgenommene Ordner...");
  EXPECT_TRUE(Main().NamesList->actions().contains(item));
  EXPECT_TRUE(Main().DeleteButton->actions().contains(item));
  mainWindow_.excludedFolders().Append("/a");
  mainWindow_.excludedFolders().Append("/b");
  Main().show();
  bool seen = false;
  WhenShown<ExcludedFoldersWidget>("ExcludedFoldersWindow", [&](ExcludedFoldersWidget* window) {
    seen = true;
    // Shown is not yet active: the focus lands only once the window is.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(window->windowTitle(), "Ausgenommene Ordner");
    EXPECT_EQ(window->FolderList->accessibleName(), "Ausgenommene Ordner");
    ASSERT_EQ(window->FolderList->count(), 2);
    EXPECT_FALSE(window->RemoveButton->isEnabled());
    QListWidget* list = window->FolderList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(window->RemoveButton->isEnabled());
    QTest::keyClick(list, Qt::Key_Return);  // opens no folder chooser
    window->RemoveButton->setFocus();
    QTest::keyClick(window->RemoveButton, Qt::Key_Space);
    EXPECT_EQ(window->FolderList->count(), 1);
    // The button that disabled itself gave the focus to the list first.
    EXPECT_FALSE(window->RemoveButton->isEnabled());
    EXPECT_TRUE(window->FolderList->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  item->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(mainWindow_.excludedFolders().Entries(), std::vector<std::string>{"/b"});
}

// "Durchgänge" opens from the menu bar, lists the kept passes in columns, and opens the files
// of the one selected, where Space unticks a file and "Zurückholen" takes back the rest.
TEST_F(ViewsTest, ThePassesWindowsTakeBackByKeyboard) {
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
  WriteFile(dir_ / "root/a/Setup.log", "a");
  WriteFile(dir_ / "root/b/Setup.log", "b");
  mainWindow_.names().Append("Setup.log");
  mainWindow_.ShowNames();
  Main().Action(MenuItem::kTrash)->trigger();
  Main().show();
  SeenMessage report;
  AnswerMessageBox("MessageBox", "OK", report);
  QTest::mouseClick(Main().DeleteButton, Qt::LeftButton);
  QAction* item = Main().Action(MenuItem::kPasses);
  EXPECT_EQ(item->text(), "&Durchgänge...");
  EXPECT_TRUE(Main().MenuBar->actions().back()->menu()->actions().contains(item));
  bool seen = false;
  SeenMessage takenBack;
  WhenShown<PassesWidget>("PassesWindow", [&](PassesWidget* passes) {
    EXPECT_EQ(passes->windowTitle(), "Durchgänge");
    EXPECT_EQ(passes->PassList->headerItem()->text(2), "Ordner");
    ASSERT_EQ(passes->PassList->topLevelItemCount(), 1);
    EXPECT_EQ(passes->PassList->topLevelItem(0)->text(3), "2");
    EXPECT_TRUE(passes->FilesButton->isEnabled());
    WhenShown<PassFilesWidget>("PassFilesWindow", [&](PassFilesWidget* files) {
      seen = true;
      EXPECT_EQ(files->windowTitle(), "Dateien des Durchgangs 1");
      ASSERT_EQ(files->FileList->model()->rowCount(), 2);
      QTest::keyClick(files->FileList, Qt::Key_Space);  // the first row: a, by path
      AnswerMessageBox("MessageBox", "OK", takenBack);
      QTest::keyClick(files->TakeBackButton, Qt::Key_Return);
      QTest::keyClick(files, Qt::Key_Escape);
    });
    QTest::keyClick(passes->FilesButton, Qt::Key_Return);
    QTest::keyClick(passes, Qt::Key_Escape);
  });
  item->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(takenBack.text, "Es wurden '1' Dateien zurückgeholt.");
  EXPECT_FALSE(fs::exists(dir_ / "root/a/Setup.log"));
  EXPECT_TRUE(fs::exists(dir_ / "root/b/Setup.log"));
}

// In a fresh list the first Down or Home selects the first row; Shift+F10 opens the list's own
// menu, as the Menu key does.
TEST_F(ViewsTest, TheKeyboardSelectsTheFirstRowAndOpensTheListsMenu) {
  for (const int key : {int(Qt::Key_Down), int(Qt::Key_Home)}) {
    for (const int entries : {1, 3}) {
      SCOPED_TRACE(std::to_string(key) + " in a list of " + std::to_string(entries));
      mainWindow_.names().Clear();
      for (int i = 0; i < entries; ++i) mainWindow_.names().Append("n" + std::to_string(i));
      mainWindow_.ShowNames();
      QTest::keyClick(Main().NamesList, Qt::Key(key));
      EXPECT_EQ(mainWindow_.view().SelectedIndex(), 0);
      EXPECT_TRUE(Main().RemoveNameButton->isEnabled());
    }
  }
  Main().show();
  bool opened = false;
  WhenShown<QMenu>("", [&](QMenu* menu) {
    opened = menu->actions().contains(Main().Action(MenuItem::kTrash));
    menu->close();
  });
  QTest::keyClick(Main().NamesList, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(opened);
}

// Each window opens with its first control focused; Tab walks the controls in their order
// and Enter presses a focused button, as Space does.
TEST_F(ViewsTest, TheKeyboardReachesEveryControlInOrder) {
  const auto focusAfterTabs = [](QWidget& window, int tabs) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    for (int i = 0; i < tabs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget();
  };
  mainWindow_.names().Append("a");
  mainWindow_.ShowNames();
  EXPECT_EQ(focusAfterTabs(Main(), 0), Main().NamesList);
  EXPECT_EQ(Main().NamesList->accessibleName(), "Dateinamen");
  EXPECT_EQ(focusAfterTabs(Main(), 1), Main().AddNameButton);
  EXPECT_EQ(focusAfterTabs(Main(), 1), Main().DeleteButton);  // the remove button is disabled

  LaunchWindow launch(state_, toolkit_, mainWindow_);
  auto& launchView = dynamic_cast<LaunchWindowWidget&>(launch.view());
  launch.SetPath("/tmp/Setup/");
  EXPECT_EQ(focusAfterTabs(launchView, 0), launchView.SearchPathButton);
  EXPECT_EQ(focusAfterTabs(launchView, 1), launchView.AddNameAndSearchButton);
  QTest::keyClick(launchView.AddNameAndSearchButton, Qt::Key_Return);
  EXPECT_FALSE(launchView.isVisible());
  EXPECT_EQ(Shown(), (std::vector<std::string>{"a", "Setup"}));
}

TEST_F(ViewsTest, ClosingTheMainWindowSavesTheList) {
  mainWindow_.names().Append("Mscreate.dir");
  Main().show();
  Main().close();
  EXPECT_FALSE(Main().isVisible());
  EXPECT_EQ(tarnwick::testing::ReadFile(state_.SettingsPath),
            "[Kelvane Tarnwick]\nFiles=1\nEintrag0=Mscreate.dir\n");
}

TEST_F(ViewsTest, LaunchWindowButtonsAndFrameReachTheRules) {
  LaunchWindow launch(state_, toolkit_, mainWindow_);
  auto& launchView = dynamic_cast<LaunchWindowWidget&>(launch.view());
  launch.SetPath("/tmp/Some Folder/");
  launchView.show();
  EXPECT_EQ(launchView.windowTitle(), "Kelvane Brimlet");
  EXPECT_EQ(launchView.size(), QSize(762, 58));
  EXPECT_EQ(launchView.PathLabel->text(), "/tmp/Some Folder/");
  EXPECT_EQ(launchView.SearchPathButton->text(), "Pfad durchsuchen und gelistete Dateinamen finden und löschen");
  QTest::mouseClick(launchView.AddNameAndSearchButton, Qt::LeftButton);
  EXPECT_FALSE(launchView.isVisible());
  EXPECT_TRUE(Main().isVisible());
  EXPECT_EQ(Shown(), std::vector<std::string>{"Some Folder"});

  LaunchWindow closed(state_, toolkit_, mainWindow_);
  dynamic_cast<QWidget&>(closed.view()).show();
  dynamic_cast<QWidget&>(closed.view()).close();
  EXPECT_FALSE(Main().isVisible());  // the program ended, saving the list
  EXPECT_TRUE(fs::exists(state_.SettingsPath));
}

TEST_F(ViewsTest, ProgressWindowButtonEscapeAndFrameAskThePassToStop) {
  const std::vector<std::function<void(ProgressWindowWidget&)>> stops = {
      [](ProgressWindowWidget& w) { QTest::mouseClick(w.CancelButton, Qt::LeftButton); },
      [](ProgressWindowWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); },
      [](ProgressWindowWidget& w) { w.close(); },
  };
  for (const auto& stop : stops) {
    const bool closing = false;
    PassProgress progress(toolkit_, mainWindow_.view(), "Titel", "/", false, std::chrono::hours(1),
                          closing);
    ProgressWindowWidget window(progress, Main(), "Titel");
    window.show();
    stop(window);
    EXPECT_TRUE(progress.StopRequested());
    EXPECT_TRUE(window.isVisible());
  }
}

TEST(QtSupport, MessageKindsShowTheirIconsWithOneOkButton) {
  const std::pair<MessageKind, QMessageBox::Icon> kinds[] = {
      {MessageKind::kInformation, QMessageBox::Information},
      {MessageKind::kWarning, QMessageBox::Warning},
      {MessageKind::kCritical, QMessageBox::Critical},
      {MessageKind::kQuestion, QMessageBox::Question},
  };
  for (const auto& [kind, icon] : kinds) {
    SeenMessage seen;
    AnswerMessageBox("MessageBox", "OK", seen);
    ShowMessageBox(nullptr, "Hallo", kind, "Titel");
    EXPECT_EQ(seen.icon, icon);
    EXPECT_EQ(seen.title, "Titel");
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
  }
}

TEST(QtSupport, UiFontResolvesToARealSansSerifFamily) {
  const QFontInfo info(UiFont(8.25, true));
  EXPECT_TRUE(QFontDatabase::families().contains(info.family())) << info.family().toStdString();
  EXPECT_TRUE(info.bold());
}

// "Regelmäßig bereinigen" opens from the menu bar; its fields are named by their labels; a plan
// selected is removed by keyboard, and the focus stays in the window.
TEST_F(ViewsTest, ThePlansWindowRemovesTheSelectedPlanByKeyboard) {
  const tarnwick::testing::StandInScheduler scheduler;
  core::Plan plan;
  plan.folder = dir_ / "root";
  plan.identity = *platform::IdentityOfFolder(plan.folder);
  plan.time = *core::DailyAt("03:00");
  ASSERT_TRUE(engine::AddPlan(state_, plan).added);
  QAction* item = Main().Action(MenuItem::kPlans);
  EXPECT_EQ(item->text(), "&Regelmäßig bereinigen...");
  Main().show();
  bool seen = false;
  WhenShown<PlansWidget>("PlansWindow", [&](PlansWidget* window) {
    seen = true;
    EXPECT_EQ(window->windowTitle(), "Regelmäßig bereinigen");
    EXPECT_EQ(window->KindBox->accessibleName(), "Wann");
    EXPECT_EQ(window->LimitEdit->text(), "500");
    ASSERT_EQ(window->PlanList->count(), 1);
    EXPECT_FALSE(window->RemoveButton->isEnabled());
    QListWidget* list = window->PlanList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(window->RunButton->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->RemoveButton->setFocus();
    QTest::keyClick(window->RemoveButton, Qt::Key_Space);
    EXPECT_EQ(window->PlanList->count(), 0);
    EXPECT_TRUE(window->PlanList->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  item->trigger();
  EXPECT_TRUE(seen);
  EXPECT_TRUE(scheduler.runs.empty());
}

}  // namespace
}  // namespace tarnwick::gui::qt
