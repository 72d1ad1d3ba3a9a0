// The Qt views are wired to the rules: a click reaches its rule, and the rule's calls reach the
// widgets. The rules themselves are tested without a toolkit.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
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
#include "gui/qt/progress_window_widget.h"
#include "gui/qt/qt_toolkit.h"
#include "support/temp_dir.h"
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
  ViewsTest() {
    state_.AppTitle = core::kAppTitle;
    state_.SettingsPath = dir_ / "tarnwick.ini";
    state_.SearchRoot = dir_ / "root/";
    fs::create_directories(dir_ / "root");
  }

  MainWindowWidget& Form1() { return dynamic_cast<MainWindowWidget&>(mainWindow_.view()); }

  std::vector<std::string> Shown() {
    std::vector<std::string> shown;
    for (int i = 0; i < Form1().List2->count(); ++i) {
      shown.push_back(Form1().List2->item(i)->text().toStdString());
    }
    return shown;
  }

  void Select(int row) {
    QListWidget* list = Form1().List2;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }

  TempDir dir_;
  core::AppState state_;
  engine::HelperObjects helpers_;
  QtToolkit toolkit_;
  MainWindow mainWindow_{state_, helpers_, toolkit_};
};

TEST_F(ViewsTest, MainWindowHasItsCaptionsGeometryAndPlace) {
  MainWindowWidget& form = Form1();
  EXPECT_EQ(form.objectName(), "Form1");
  EXPECT_EQ(form.windowTitle(), "Kelvane Tarn Wick");
  EXPECT_EQ(form.size(), QSize(169, 415));
  EXPECT_EQ(form.Command4->geometry(), QRect(4, 324, 161, 89));
  EXPECT_EQ(form.Command1->text(), "neuer Dateiname...");
  EXPECT_EQ(form.Command3->text(), "Dateiname entfernen...");
  EXPECT_EQ(form.Command4->text(), "Jetzt rekursiv nach den gelisteten Dateinamen suchen und löschen");
  EXPECT_FALSE(form.Command3->isEnabled());
  EXPECT_FALSE(form.Command4->isEnabled());
  const QRect screen = form.screen()->geometry();
  EXPECT_NEAR(form.frameGeometry().center().x(), screen.width() / 2, 1);
  EXPECT_NEAR(form.frameGeometry().center().y(), screen.height() * 0.425, 1);
}

TEST_F(ViewsTest, AddGoesThroughTheDialogWhichIgnoresEnterAndEscape) {
  Form1().show();
  WhenShown<NameEntryDialogWidget>("Form2", [](NameEntryDialogWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Dateiname");
    EXPECT_EQ(dialog->size(), QSize(240, 65));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QTest::keyClicks(dialog->Text1, "Mscreate.dir");
    QTest::keyClick(dialog->Text1, Qt::Key_Return);
    QTest::keyClick(dialog->Text1, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseClick(dialog->Command2, Qt::LeftButton);
  });
  QTest::mouseClick(Form1().Command1, Qt::LeftButton);
  EXPECT_EQ(Shown(), std::vector<std::string>{"Mscreate.dir"});
  EXPECT_TRUE(Form1().Command4->isEnabled());

  WhenShown<NameEntryDialogWidget>("Form2", [](NameEntryDialogWidget* dialog) { dialog->close(); });
  QTest::mouseClick(Form1().Command1, Qt::LeftButton);
  EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(ViewsTest, RemoveAsksWithJaAndNein) {
  for (const char* name : {"a", "b"}) mainWindow_.names().Append(name);
  mainWindow_.ShowNames();
  Form1().show();
  Select(1);
  EXPECT_TRUE(Form1().Command3->isEnabled());
  SeenMessage seen;
  AnswerMessageBox("QuestionBox", "Ja", seen);
  QTest::mouseClick(Form1().Command3, Qt::LeftButton);
  EXPECT_EQ(seen.text, "Soll der Dateiname 'b' entfernt werden ?");
  EXPECT_EQ(seen.title, "Kelvane Tarn Wick");
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttons, (QStringList{"Ja", "Nein"}));
  EXPECT_EQ(Shown(), std::vector<std::string>{"a"});
  EXPECT_TRUE(Form1().List2->selectedItems().isEmpty());
}

TEST_F(ViewsTest, DeleteButtonReportsInAnInformationBox) {
  WriteFile(dir_ / "root/Mscreate.dir", "");
  mainWindow_.names().Append("mscreate.dir");
  mainWindow_.ShowNames();
  Form1().show();
  SeenMessage seen;
  AnswerMessageBox("MessageBox", "OK", seen);
  QTest::mouseClick(Form1().Command4, Qt::LeftButton);
  EXPECT_EQ(seen.text, "Es wurden '1' Dateien gefunden und gelöscht.   ");
  EXPECT_EQ(seen.title, "Kelvane Tarnwick");
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  EXPECT_EQ(seen.buttons, QStringList{"OK"});
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewsTest, TheTrashItemIsInTheMenusOfTheListAndTheDeleteButton) {
  QAction* item = Form1().TrashAction;
  EXPECT_EQ(item->text(), "In den Papierkorb verschieben statt löschen");
  for (QWidget* widget : std::initializer_list<QWidget*>{Form1().List2, Form1().Command4}) {
    EXPECT_EQ(widget->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(widget->actions().contains(item));
  }
  item->trigger();
  EXPECT_TRUE(state_.UseTrash);
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(Form1().Command4->toolTip().contains("Papierkorb"));
}

// The look: the menu item reaches its rule; in the window Space toggles the focused row's
// check box and the deal button hands the choice back.
TEST_F(ViewsTest, TheFoundFilesWindowTogglesByKeyboardAndDealsWithTheTickedFiles) {
  QAction* item = Form1().LookFirstAction;
  EXPECT_EQ(item->text(), "Vor dem Löschen zeigen, was gefunden wurde");
  EXPECT_TRUE(Form1().Command4->actions().contains(item));
  item->trigger();
  EXPECT_TRUE(item->isChecked());
  WriteFile(dir_ / "root/a/Setup.log", "");
  WriteFile(dir_ / "root/b/Setup.log", "");
  mainWindow_.names().Append("Setup.log");
  mainWindow_.ShowNames();
  Form1().show();
  QString line, deal;
  WhenShown<FoundFilesWidget>("FoundFilesWindow", [&](FoundFilesWidget* found) {
    line = found->FoundLabel->text();
    deal = found->DealButton->text();
    EXPECT_EQ(found->FileList->model()->rowCount(), 2);
    EXPECT_EQ(found->FileList->accessibleName(), "Gefundene Dateien, zum Löschen angehakt");
    QTest::keyClick(found->FileList, Qt::Key_Space);  // the first row: b, as the walk goes
    QTest::mouseClick(found->DealButton, Qt::LeftButton);
  });
  SeenMessage seen;
  AnswerMessageBox("MessageBox", "OK", seen);
  QTest::mouseClick(Form1().Command4, Qt::LeftButton);
  EXPECT_EQ(line, "Es wurden '2' Dateien gefunden.");
  EXPECT_EQ(deal, "Löschen");
  EXPECT_EQ(seen.text, "Es wurden '1' Dateien gefunden und gelöscht.   ");
  EXPECT_TRUE(fs::exists(dir_ / "root/b/Setup.log"));
  EXPECT_FALSE(fs::exists(dir_ / "root/a/Setup.log"));
}

TEST_F(ViewsTest, TheExcludedFoldersWindowOpensFromTheMenusAndRemovesTheSelectedFolder) {
  QAction* item = Form1().ExcludedFoldersAction;
  EXPECT_EQ(item->text(), "Ausgenommene Ordner...");
  EXPECT_TRUE(Form1().List2->actions().contains(item));
  EXPECT_TRUE(Form1().Command4->actions().contains(item));
  mainWindow_.excludedFolders().Append("/a");
  mainWindow_.excludedFolders().Append("/b");
  Form1().show();
  bool seen = false;
  WhenShown<ExcludedFoldersWidget>("ExcludedFoldersWindow", [&](ExcludedFoldersWidget* window) {
    seen = true;
    EXPECT_EQ(window->windowTitle(), "Ausgenommene Ordner");
    EXPECT_EQ(window->FolderList->accessibleName(), "Ausgenommene Ordner");
    ASSERT_EQ(window->FolderList->count(), 2);
    EXPECT_FALSE(window->RemoveButton->isEnabled());
    QListWidget* list = window->FolderList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(window->RemoveButton->isEnabled());
    QTest::mouseClick(window->RemoveButton, Qt::LeftButton);
    EXPECT_EQ(window->FolderList->count(), 1);
    QTest::keyClick(window, Qt::Key_Escape);
  });
  item->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(mainWindow_.excludedFolders().Entries(), std::vector<std::string>{"/b"});
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
  EXPECT_EQ(focusAfterTabs(Form1(), 0), Form1().List2);
  EXPECT_EQ(Form1().List2->accessibleName(), "Dateinamen");
  EXPECT_EQ(focusAfterTabs(Form1(), 1), Form1().Command1);
  EXPECT_EQ(focusAfterTabs(Form1(), 1), Form1().Command4);  // Command3 is disabled

  LaunchWindow launch(state_, toolkit_, mainWindow_);
  auto& form3 = dynamic_cast<LaunchWindowWidget&>(launch.view());
  launch.SetLabel("/tmp/Setup/");
  EXPECT_EQ(focusAfterTabs(form3, 0), form3.Command1);
  EXPECT_EQ(focusAfterTabs(form3, 1), form3.Command2);
  QTest::keyClick(form3.Command2, Qt::Key_Return);
  EXPECT_FALSE(form3.isVisible());
  EXPECT_EQ(Shown(), (std::vector<std::string>{"a", "Setup"}));
}

TEST_F(ViewsTest, ClosingTheMainWindowSavesTheList) {
  mainWindow_.names().Append("Mscreate.dir");
  Form1().show();
  Form1().close();
  EXPECT_FALSE(Form1().isVisible());
  EXPECT_EQ(tarnwick::testing::ReadFile(state_.SettingsPath),
            "[Kelvane Tarnwick]\nFiles=1\nEintrag0=Mscreate.dir\n");
}

TEST_F(ViewsTest, LaunchWindowButtonsAndFrameReachTheRules) {
  LaunchWindow launch(state_, toolkit_, mainWindow_);
  auto& form3 = dynamic_cast<LaunchWindowWidget&>(launch.view());
  launch.SetLabel("/tmp/Some Folder/");
  form3.show();
  EXPECT_EQ(form3.windowTitle(), "Kelvane Brimlet");
  EXPECT_EQ(form3.size(), QSize(762, 58));
  EXPECT_EQ(form3.Label1->text(), "/tmp/Some Folder/");
  EXPECT_EQ(form3.Command1->text(), "Pfad durchsuchen und gelistete Dateinamen finden und löschen");
  QTest::mouseClick(form3.Command2, Qt::LeftButton);
  EXPECT_FALSE(form3.isVisible());
  EXPECT_TRUE(Form1().isVisible());
  EXPECT_EQ(Shown(), std::vector<std::string>{"Some Folder"});

  LaunchWindow closed(state_, toolkit_, mainWindow_);
  dynamic_cast<QWidget&>(closed.view()).show();
  dynamic_cast<QWidget&>(closed.view()).close();
  EXPECT_FALSE(Form1().isVisible());  // the program ended, saving the list
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
    ProgressWindowWidget window(progress, Form1(), "Titel");
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

}  // namespace
}  // namespace tarnwick::gui::qt
