#include "windows/main_window.h"

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "support/temp_dir.h"
#include "window_test_support.h"

namespace tarnwick::windows {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::AnswerMessageBox;
using tarnwick::testing::SeenMessage;
using tarnwick::testing::TempDir;
using tarnwick::testing::WhenShown;
using tarnwick::testing::WriteFile;

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : window_(state_, helpers_) {
    state_.AppTitle = core::kAppTitle;
    state_.SettingsPath = dir_ / "tarnwick.ini";
    state_.SearchRoot = dir_ / "root/";
    fs::create_directories(dir_ / "root");
    window_.show();
  }

  void SetNames(std::initializer_list<const char*> names) {
    for (const char* name : names) window_.names().Append(name);
    window_.ShowNames();
  }

  std::vector<std::string> Shown() const {
    std::vector<std::string> shown;
    for (int i = 0; i < window_.List2->count(); ++i) shown.push_back(window_.List2->item(i)->text().toStdString());
    EXPECT_EQ(shown, window_.names().Entries());
    return shown;
  }

  // Presses "neuer Dateiname...", and inside its wait lets `inDialog` act on the dialog.
  void Add(std::function<void(NameEntryDialog*)> inDialog) {
    WhenShown<NameEntryDialog>("Form2", inDialog);
    QTest::mouseClick(window_.Command1, Qt::LeftButton);
  }

  void Select(int row) {
    const QRect item = window_.List2->visualItemRect(window_.List2->item(row));
    QTest::mouseClick(window_.List2->viewport(), Qt::LeftButton, {}, item.center());
  }

  TempDir dir_;
  core::AppState state_;
  engine::HelperObjects helpers_;
  MainWindow window_;
};

TEST_F(MainWindowTest, StartsEmptyWithBothActionButtonsDisabled) {
  EXPECT_EQ(window_.windowTitle(), "Kelvane Tarn Wick");
  EXPECT_EQ(window_.List2->count(), 0);
  EXPECT_FALSE(window_.Command3->isEnabled());
  EXPECT_FALSE(window_.Command4->isEnabled());
  EXPECT_EQ(window_.Command1->text(), "neuer Dateiname...");
  EXPECT_EQ(window_.Command4->text(), "Jetzt rekursiv nach den gelisteten Dateinamen suchen und löschen");
  EXPECT_EQ(window_.size(), QSize(169, 415));
}

TEST_F(MainWindowTest, AddingANameAppendsItAndEnablesTheDeleteButton) {
  Add([](NameEntryDialog* dialog) {
    EXPECT_TRUE(dialog->Text1->text().isEmpty());
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QTest::keyClicks(dialog->Text1, " Mscreate.dir ");
    QTest::mouseClick(dialog->Command2, Qt::LeftButton);
  });
  EXPECT_EQ(Shown(), std::vector<std::string>{" Mscreate.dir "});
  EXPECT_EQ(state_.NameAccepted, 1);
  EXPECT_TRUE(window_.Command4->isEnabled());
  EXPECT_EQ(window_.nameEntryDialog(), nullptr);

  Add([](NameEntryDialog* dialog) { QTest::mouseClick(dialog->Command2, Qt::LeftButton); });
  EXPECT_EQ(Shown(), (std::vector<std::string>{" Mscreate.dir ", ""}));  // empty names are taken
}

TEST_F(MainWindowTest, CancelFrameCloseEnterAndEscapeAddNothing) {
  state_.PendingName = "before";
  Add([](NameEntryDialog* dialog) {
    QTest::keyClicks(dialog->Text1, "typed");
    QTest::keyClick(dialog->Text1, Qt::Key_Return);
    QTest::keyClick(dialog->Text1, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
  });
  Add([](NameEntryDialog* dialog) { dialog->close(); });
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(state_.NameAccepted, 0);
  EXPECT_EQ(state_.PendingName, "before");
  EXPECT_FALSE(window_.Command4->isEnabled());
}

TEST_F(MainWindowTest, ASecondAddClickRaisesTheOpenDialogInsteadOfWaitingTwice) {
  Add([this](NameEntryDialog* dialog) {
    QTest::keyClicks(dialog->Text1, "once");
    QTest::mouseClick(window_.Command1, Qt::LeftButton);  // returns at once
    EXPECT_EQ(dialog->Text1->text(), "once");
    QTest::mouseClick(dialog->Command2, Qt::LeftButton);
  });
  EXPECT_EQ(Shown(), std::vector<std::string>{"once"});
}

TEST_F(MainWindowTest, SelectionDecidesWhetherRemoveIsEnabled) {
  SetNames({"a", "", "c"});
  Select(0);
  EXPECT_TRUE(window_.Command3->isEnabled());
  Select(1);
  EXPECT_FALSE(window_.Command3->isEnabled());
  Select(2);
  EXPECT_TRUE(window_.Command3->isEnabled());
}

TEST_F(MainWindowTest, RemoveAsksAndTakesEveryEqualEntryRespectingCase) {
  SetNames({"b", "x", "B", "", "b"});
  Select(4);
  SeenMessage seen;
  AnswerMessageBox("QuestionBox", "Nein", seen);
  QTest::mouseClick(window_.Command3, Qt::LeftButton);
  EXPECT_EQ(seen.text, "Soll der Dateiname 'b' entfernt werden ?");
  EXPECT_EQ(seen.title, "Kelvane Tarn Wick");
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttons, (QStringList{"Ja", "Nein"}));
  EXPECT_EQ(Shown().size(), 5u);

  AnswerMessageBox("QuestionBox", "Ja", seen);
  QTest::mouseClick(window_.Command3, Qt::LeftButton);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"x", "B", ""}));
  EXPECT_TRUE(window_.List2->selectedItems().isEmpty());
  EXPECT_TRUE(window_.Command4->isEnabled());
}

TEST_F(MainWindowTest, RemovingTheLastNameDisablesTheDeleteButton) {
  SetNames({"only"});
  Select(0);
  SeenMessage seen;
  AnswerMessageBox("QuestionBox", "Ja", seen);
  QTest::mouseClick(window_.Command3, Qt::LeftButton);
  EXPECT_TRUE(Shown().empty());
  EXPECT_FALSE(window_.Command4->isEnabled());
}

TEST_F(MainWindowTest, DeleteButtonRunsThePassAndReportsIt) {
  WriteFile(dir_ / "root/sub/MSCREATE.DIR", "");
  WriteFile(dir_ / "root/Mscreate.dir", "");
  WriteFile(dir_ / "root/keep.txt", "");
  SetNames({"mscreate.dir"});
  SeenMessage seen;
  AnswerMessageBox("MessageBox", "OK", seen);
  QTest::mouseClick(window_.Command4, Qt::LeftButton);
  EXPECT_EQ(seen.text, "Es wurden '2' Dateien gefunden und gelöscht.   ");
  EXPECT_EQ(seen.title, "Kelvane Tarnwick");
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  EXPECT_FALSE(fs::exists(dir_ / "root/Mscreate.dir"));
  EXPECT_TRUE(fs::exists(dir_ / "root/keep.txt"));
}

TEST_F(MainWindowTest, ClosingSavesTheListAndEndsTheEventLoops) {
  SetNames({"Mscreate.dir"});
  window_.close();
  EXPECT_EQ(tarnwick::testing::ReadFile(state_.SettingsPath),
            "[Kelvane Tarnwick]\nFiles=1\nEintrag0=Mscreate.dir\n");
}

TEST_F(MainWindowTest, AFailedSaveIsReported) {
  SetNames({"Mscreate.dir"});
  state_.SettingsPath = dir_ / "missing-dir/tarnwick.ini";
  SeenMessage seen;
  AnswerMessageBox("MessageBox", "OK", seen);
  window_.close();
  EXPECT_EQ(seen.text.toStdString(), "Die Liste konnte nicht gespeichert werden: " + state_.SettingsPath);
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

}  // namespace
}  // namespace tarnwick::windows
