#include "gui/pass_progress.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake_toolkit.h"
#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::gui {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::FakeToolkit;
using tarnwick::testing::NativePath;
using tarnwick::testing::TempDir;

constexpr int kFolders = 100;
constexpr int kNamesPerFolder = 100;
constexpr int kListedFiles = kFolders * kNamesPerFolder;

std::string Numbered(const char* prefix, int number, const char* suffix = "") {
  std::string text = prefix;
  text += std::to_string(number);
  return text += suffix;
}

// A main window over a tree in which every file is listed, enough of them that deleting takes
// several progress steps.
class PassProgressTest : public ::testing::Test {
 protected:
  PassProgressTest() {
    for (int n = 0; n < kNamesPerFolder; ++n) window_.names().Append(Numbered("f", n, ".tmp"));
    for (int folder = 0; folder < kFolders; ++folder) {
      const fs::path path = fs::path(dir_ / "root") / Numbered("d", folder);
      fs::create_directories(path);
      for (int n = 0; n < kNamesPerFolder; ++n) {
        std::ofstream(path / Numbered("F", n, ".TMP")).put('x');
      }
    }
  }

  int FilesOnDisk() const {
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir_ / "root")) {
      count += entry.is_regular_file() ? 1 : 0;
    }
    return count;
  }

  std::string Report() const {
    EXPECT_EQ(toolkit_.messages.size(), 1u);
    return toolkit_.messages.empty() ? "" : toolkit_.messages.back().prompt;
  }

  TempDir dir_;
  core::AppState state_ = testing::StateIn(dir_);
  engine::HelperObjects helpers_;
  FakeToolkit toolkit_;
  MainWindow window_{state_, helpers_, toolkit_};
};

TEST_F(PassProgressTest, AShortPassOpensNoWindowButShowsTheWaitCursor) {
  window_.SetProgressDelay(std::chrono::hours(1));
  bool waitCursorSeen = false;
  toolkit_.onEvents = [&] { waitCursorSeen = waitCursorSeen || toolkit_.waitCursor; };
  window_.DeleteClick();
  EXPECT_TRUE(waitCursorSeen);
  EXPECT_FALSE(toolkit_.waitCursor);
  EXPECT_EQ(toolkit_.progressWindow, nullptr);
  EXPECT_EQ(Report(), "Es wurden '10000' Dateien gefunden und gelöscht.   ");
  EXPECT_EQ(FilesOnDisk(), 0);
}

TEST_F(PassProgressTest, StoppedDuringTheWalkDeletesNothing) {
  window_.SetProgressDelay(std::chrono::milliseconds(0));
  testing::FakeProgressWindow seen;
  toolkit_.onEvents = [&] {
    if (toolkit_.progressWindow == nullptr || !toolkit_.progressWindow->shown) return;
    if (toolkit_.progressWindow->counts.empty() || toolkit_.progress->StopRequested()) return;
    seen = *toolkit_.progressWindow;
    toolkit_.progress->CancelClick();
  };
  window_.DeleteClick();
  EXPECT_EQ(toolkit_.progressTitle, "Kelvane Tarnwick");
  EXPECT_EQ(seen.heading, "Durchsuche:");
  EXPECT_EQ(seen.folder, state_.SearchRoot);
  EXPECT_EQ(seen.counts.rfind("Ordner: 1   Dateien: ", 0), 0u) << seen.counts;
  EXPECT_FALSE(seen.deleted.has_value());
  EXPECT_EQ(seen.progress, std::nullopt);  // busy: how much there is to do is not known yet
  EXPECT_EQ(Report(), "Der Vorgang wurde abgebrochen.\nEs wurden '0' Dateien gefunden und gelöscht.   ");
  EXPECT_EQ(FilesOnDisk(), kListedFiles);
}

TEST_F(PassProgressTest, StoppedDuringTheDeletionsReportsWhatIsGone) {
  window_.SetProgressDelay(std::chrono::milliseconds(0));
  std::string heading, stoppingHeading;
  std::optional<double> share;
  bool cancelEnabled = false;
  toolkit_.onEvents = [&] {
    testing::FakeProgressWindow* window = toolkit_.progressWindow;
    // As soon as the deletions show: several folders go at once, so waiting for a count
    // above 0 could find them all done.
    if (window == nullptr || !window->deleted) return;
    if (toolkit_.progress->StopRequested()) return;
    heading = window->heading;
    share = window->progress;
    toolkit_.progress->CancelClick();
    stoppingHeading = window->heading;
    cancelEnabled = window->cancelEnabled;
  };
  window_.DeleteClick();
  ASSERT_FALSE(heading.empty()) << "the deletions ended before a refresh showed one";
  EXPECT_EQ(heading, "Lösche die gefundenen Dateien in:");
  ASSERT_TRUE(share.has_value());  // deleted of found, no longer busy
  EXPECT_EQ(stoppingHeading, "Wird abgebrochen...");
  EXPECT_FALSE(cancelEnabled);
  // Several folders are deleted at once, so how many went before the stop varies; the report
  // must say exactly that many.
  const int gone = kListedFiles - FilesOnDisk();
  const std::string count = std::to_string(gone);
  EXPECT_EQ(Report(), "Der Vorgang wurde abgebrochen.\nEs wurden '" + count +
                          "' Dateien gefunden und gelöscht.   ");
  EXPECT_EQ(toolkit_.messages.back().kind, MessageKind::kInformation);
}

TEST_F(PassProgressTest, ClosingTheMainWindowStopsThePassWithoutAReport) {
  toolkit_.onEvents = [&] { window_.Unload(); };
  window_.DeleteClick();
  EXPECT_TRUE(toolkit_.messages.empty());
  EXPECT_EQ(FilesOnDisk(), kListedFiles);
}

}  // namespace
}  // namespace tarnwick::gui
