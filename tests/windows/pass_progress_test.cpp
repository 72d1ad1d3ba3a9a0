#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "support/temp_dir.h"
#include "window_test_support.h"
#include "windows/main_window.h"

namespace tarnwick::windows {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::AnswerMessageBox;
using tarnwick::testing::SeenMessage;
using tarnwick::testing::TempDir;

constexpr int kFolders = 100;
constexpr int kNamesPerFolder = 100;
constexpr int kListedFiles = kFolders * kNamesPerFolder;
const QString kStoppedLine = "Der Vorgang wurde abgebrochen.\n";

std::string Numbered(const char* prefix, int number, const char* suffix = "") {
  std::string name = prefix;
  name += std::to_string(number);
  name += suffix;
  return name;
}

// A main window over a tree in which every file is listed, enough of them that deleting takes
// several progress steps.
class PassProgressTest : public ::testing::Test {
 protected:
  PassProgressTest() : window_(state_, helpers_) {
    state_.AppTitle = core::kAppTitle;
    state_.SettingsPath = dir_ / "tarnwick.ini";
    state_.SearchRoot = dir_ / "root/";
    for (int n = 0; n < kNamesPerFolder; ++n) window_.names().Append(Numbered("f", n, ".tmp"));
    window_.ShowNames();
    for (int folder = 0; folder < kFolders; ++folder) {
      const fs::path path = fs::path(dir_ / "root") / Numbered("d", folder);
      fs::create_directories(path);
      for (int n = 0; n < kNamesPerFolder; ++n) {
        std::ofstream(path / Numbered("F", n, ".TMP")).put('x');
      }
    }
    window_.show();
  }

  int FilesOnDisk() const {
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir_ / "root")) {
      count += entry.is_regular_file() ? 1 : 0;
    }
    return count;
  }

  // Runs a pass whose progress window opens at once; `onRefresh` sees every refresh.
  SeenMessage RunPass(std::function<void(ProgressWindow*)> onRefresh) {
    window_.setProgressDelay(std::chrono::milliseconds(0));
    QObject::connect(&window_, &MainWindow::progressWindowOpened, [onRefresh](ProgressWindow* window) {
      QObject::connect(window, &ProgressWindow::Refreshed, [window, onRefresh] { onRefresh(window); });
    });
    SeenMessage seen;
    AnswerMessageBox("MessageBox", "OK", seen);
    QTest::mouseClick(window_.Command4, Qt::LeftButton);
    return seen;
  }

  TempDir dir_;
  core::AppState state_;
  engine::HelperObjects helpers_;
  MainWindow window_;
};

// The ways a user stops the pass from its progress window.
const std::vector<std::pair<const char*, std::function<void(ProgressWindow*)>>> kStops = {
    {"button", [](ProgressWindow* w) { QTest::mouseClick(w->CancelButton, Qt::LeftButton); }},
    {"Escape", [](ProgressWindow* w) { QTest::keyClick(w, Qt::Key_Escape); }},
    {"frame", [](ProgressWindow* w) { w->close(); }},
};

TEST_F(PassProgressTest, StoppedDuringTheWalkDeletesNothing) {
  for (const auto& [way, stop] : kStops) {
    SCOPED_TRACE(way);
    QString heading, counts;
    bool deletedShown = true;
    const QCursor* cursor = nullptr;
    const SeenMessage seen = RunPass([&](ProgressWindow* window) {
      if (window->StopRequested()) return;
      heading = window->HeadingLabel->text();
      counts = window->CountLabel->text();
      deletedShown = window->DeletedLabel->isVisible();
      cursor = QApplication::overrideCursor();
      stop(window);
      EXPECT_TRUE(window->StopRequested());
    });
    EXPECT_EQ(heading, "Durchsuche:");
    EXPECT_TRUE(counts.startsWith("Ordner: 1   Dateien: ")) << counts.toStdString();
    EXPECT_FALSE(deletedShown);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->shape(), Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(seen.text, kStoppedLine + "Es wurden '0' Dateien gefunden und gelöscht.   ");
    EXPECT_EQ(FilesOnDisk(), kListedFiles);
  }
}

TEST_F(PassProgressTest, StoppedDuringTheDeletionsReportsWhatIsGone) {
  QString deleted;
  const SeenMessage seen = RunPass([&](ProgressWindow* window) {
    if (window->StopRequested() || !window->DeletedLabel->isVisible()) return;
    if (window->DeletedLabel->text() == "Gelöscht: 0") return;
    deleted = window->DeletedLabel->text();
    QTest::mouseClick(window->CancelButton, Qt::LeftButton);
  });
  ASSERT_FALSE(deleted.isEmpty()) << "the deletions ended before a refresh showed one";
  const int gone = kListedFiles - FilesOnDisk();
  EXPECT_GT(FilesOnDisk(), 0);
  EXPECT_EQ(seen.text,
            kStoppedLine + QString("Es wurden '%1' Dateien gefunden und gelöscht.   ").arg(gone));
  EXPECT_EQ(seen.icon, QMessageBox::Information);
}

TEST_F(PassProgressTest, AShortPassOpensNoProgressWindow) {
  bool opened = false;
  QObject::connect(&window_, &MainWindow::progressWindowOpened, [&] { opened = true; });
  window_.setProgressDelay(std::chrono::hours(1));
  SeenMessage seen;
  AnswerMessageBox("MessageBox", "OK", seen);
  QTest::mouseClick(window_.Command4, Qt::LeftButton);
  EXPECT_FALSE(opened);
  EXPECT_EQ(seen.text, QString("Es wurden '%1' Dateien gefunden und gelöscht.   ").arg(kListedFiles));
  EXPECT_EQ(FilesOnDisk(), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tarnwick::windows
