#pragma once

// A toolkit without widgets: the views remember what the rules told them, and the events are
// whatever the test scripts in `onEvents`.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "gui/excluded_folders_window.h"
#include "gui/found_files_window.h"
#include "gui/launch_window.h"
#include "gui/main_window.h"
#include "gui/name_entry_dialog.h"
#include "gui/pass_files_window.h"
#include "gui/pass_progress.h"
#include "gui/passes_window.h"
#include "gui/plans_window.h"

namespace tarnwick::testing {

struct Message {
  std::string prompt;
  gui::MessageKind kind;
  std::string title;
};

class FakeToolkit;

// What every fake window remembers.
template <typename View>
class FakeWindow : public View {
 public:
  explicit FakeWindow(FakeToolkit& toolkit) : toolkit_(toolkit) {}

  void ShowWindow() override { shown = true; }
  void CloseWindow() override { shown = false; }
  gui::TwipsSize ScreenSize() const override { return {14400, 11520}; }  // 960 x 768 pixels
  gui::TwipsSize OuterSize() const override { return {2640, 6660}; }
  void MoveTo(gui::TwipsPosition where) override { position = where; }
  void SetTopmost() override { topmost = true; }
  void ShowMessageBox(const std::string& prompt, gui::MessageKind kind,
                      const std::string& title) override;
  bool AskYesNo(const std::string& prompt, const std::string& title) override;

  bool shown = false;
  bool topmost = false;
  std::optional<gui::TwipsPosition> position;

 protected:
  FakeToolkit& toolkit_;
};

class FakeMainWindow : public FakeWindow<gui::MainWindowView> {
 public:
  using FakeWindow::FakeWindow;
  void SetEntries(const std::vector<std::string>& list) override {
    entries = list;
    selected.reset();
  }
  void AppendEntry(const std::string& entry) override { entries.push_back(entry); }
  std::optional<int> SelectedIndex() const override { return selected; }
  void EnableRemoveButton(bool enabled) override { removeEnabled = enabled; }
  void EnableDeleteButton(bool enabled) override { deleteEnabled = enabled; }
  void SetDeleteButtonCaption(const std::string& caption) override { deleteCaption = caption; }
  void SetDeleteButtonTip(const std::string& tip) override { deleteTip = tip; }
  void SetItemChecked(gui::MenuItem item, bool value) override { checked[item] = value; }
  void EnableItem(gui::MenuItem item, bool value) override { enabled[item] = value; }
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& start) override {
    chooserCaption = caption;
    chooserStart = start;
    return chosenFolder;
  }

  std::vector<std::string> entries;
  std::optional<int> selected;
  bool removeEnabled = true;
  bool deleteEnabled = true;
  std::string deleteCaption, deleteTip;
  std::map<gui::MenuItem, bool> checked;  // the menu items' check marks and states
  std::map<gui::MenuItem, bool> enabled;
  std::optional<std::string> chosenFolder;  // what the folder chooser answers; nothing: cancel
  std::string chooserCaption, chooserStart;
};

class FakeNameEntryDialog : public FakeWindow<gui::NameEntryDialogView> {
 public:
  using FakeWindow::FakeWindow;
  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
  void FocusText() override { focused = true; }
  void BringToFront() override { ++broughtToFront; }

  std::string text = "stored";
  bool focused = false;
  int broughtToFront = 0;
};

class FakeLaunchWindow : public FakeWindow<gui::LaunchWindowView> {
 public:
  using FakeWindow::FakeWindow;
  void SetPath(const std::string& text) override { path = text; }
  std::string path;
};

class FakeProgressWindow : public gui::ProgressView {
 public:
  void ShowWindow() override { shown = true; }
  void SetHeading(const std::string& text) override { heading = text; }
  void SetFolder(std::string_view text) override { folder = text; }
  void SetCounts(const std::string& text) override { counts = text; }
  void SetDeleted(const std::string& text) override { deleted = text; }
  void DisableCancel() override { cancelEnabled = false; }
  void SetProgress(std::optional<double> done) override { progress = done; }

  bool shown = false;
  std::optional<double> progress = -1.0;  // not set yet
  std::string heading, folder, counts;
  std::optional<std::string> deleted;
  bool cancelEnabled = true;
};

class FakeFoundFilesWindow : public FakeWindow<gui::FoundFilesView> {
 public:
  using FakeWindow::FakeWindow;
  void SetFoundLine(const std::string& text) override { foundLine = text; }
  void SetDealCaption(const std::string& caption) override { dealCaption = caption; }
  void SetRowCount(size_t count) override { rows = count; }
  void RefreshRows() override { ++refreshes; }

  std::string foundLine, dealCaption;
  size_t rows = 0;
  int refreshes = 0;
};

class FakeExcludedFoldersWindow : public FakeWindow<gui::ExcludedFoldersView> {
 public:
  using FakeWindow::FakeWindow;
  void SetEntries(const std::vector<std::string>& list) override {
    entries = list;
    selected.reset();
  }
  std::optional<int> SelectedIndex() const override { return selected; }
  void EnableRemoveButton(bool enabled) override { removeEnabled = enabled; }
  std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
    return chosenFolder;
  }

  std::vector<std::string> entries;
  std::optional<int> selected;
  bool removeEnabled = true;
  std::optional<std::string> chosenFolder;  // what the folder chooser answers; nothing: cancel
};

class FakePassesWindow : public FakeWindow<gui::PassesView> {
 public:
  using FakeWindow::FakeWindow;
  void SetRows(const std::vector<std::vector<std::string>>& list,
               std::optional<int> row) override {
    rows = list;
    selected = row;
  }
  std::optional<int> SelectedIndex() const override { return selected; }
  void EnableTakeBackButton(bool enabled) override { takeBackEnabled = enabled; }
  void EnableFilesButton(bool enabled) override { filesEnabled = enabled; }

  std::vector<std::vector<std::string>> rows;
  std::optional<int> selected;
  bool takeBackEnabled = true;
  bool filesEnabled = true;
};

class FakePassFilesWindow : public FakeWindow<gui::PassFilesView> {
 public:
  using FakeWindow::FakeWindow;
  void SetCaption(const std::string& text) override { caption = text; }
  void SetRowCount(size_t count) override { rows = count; }
  void RefreshRows() override { ++refreshes; }

  std::string caption;
  size_t rows = 0;
  int refreshes = 0;
};

class FakePlansWindow : public FakeWindow<gui::PlansView> {
 public:
  using FakeWindow::FakeWindow;
  void SetRows(const std::vector<std::string>& list) override {
    rows = list;
    selected.reset();
  }
  std::optional<int> SelectedIndex() const override { return selected; }
  void EnablePlanButtons(bool enabled) override { planButtonsEnabled = enabled; }
  std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
    return chosenFolder;
  }
  int KindIndex() const override { return kind; }
  int DayIndex() const override { return day; }
  std::string ClockText() const override { return clock; }
  std::string LimitText() const override { return limit; }

  std::vector<std::string> rows;
  std::optional<int> selected;
  bool planButtonsEnabled = true;
  std::optional<std::string> chosenFolder;  // what the folder chooser answers; nothing: cancel
  int kind = 0;
  int day = 0;
  std::string clock = "03:00";
  std::string limit = "500";
};

class FakeToolkit : public gui::Toolkit {
 public:
  std::unique_ptr<gui::MainWindowView> CreateMainWindow(gui::MainWindow& rules) override;
  std::unique_ptr<gui::NameEntryDialogView> CreateNameEntryDialog(
      gui::NameEntryDialog& rules, gui::MainWindowView& owner) override;
  std::unique_ptr<gui::LaunchWindowView> CreateLaunchWindow(gui::LaunchWindow& rules) override;
  std::unique_ptr<gui::ProgressView> CreateProgressWindow(gui::PassProgress& rules,
                                                          gui::MainWindowView& owner,
                                                          const std::string& title) override;
  std::unique_ptr<gui::FoundFilesView> CreateFoundFilesWindow(gui::FoundFilesWindow& rules,
                                                              gui::MainWindowView& owner) override;
  std::unique_ptr<gui::ExcludedFoldersView> CreateExcludedFoldersWindow(
      gui::ExcludedFoldersWindow& rules, gui::MainWindowView& owner) override;
  std::unique_ptr<gui::PassesView> CreatePassesWindow(gui::PassesWindow& rules,
                                                      gui::WindowView& owner) override;
  std::unique_ptr<gui::PassFilesView> CreatePassFilesWindow(gui::PassFilesWindow& rules,
                                                            gui::WindowView& owner) override;
  std::unique_ptr<gui::PlansView> CreatePlansWindow(gui::PlansWindow& rules,
                                                    gui::WindowView& owner) override;

  // Runs `onEvents` once.
  void ProcessPendingEvents() override;
  // Runs `onEvents` until `done` holds or the program has ended; fails the test when the
  // events never get there.
  void WaitUntil(const std::function<bool()>& done) override;
  void SetWaitCursor(bool shown) override { waitCursor = shown; }
  void EndProgram() override { ended = true; }

  std::function<void()> onEvents = [] {};
  std::vector<Message> messages;
  std::deque<bool> answers;  // for the next yes/no questions; none left means No
  std::vector<std::string> questions;
  bool waitCursor = false;
  bool ended = false;

  // The views made last, and how many dialogs were made.
  FakeMainWindow* mainWindow = nullptr;
  gui::NameEntryDialog* dialog = nullptr;
  FakeNameEntryDialog* dialogView = nullptr;
  int dialogsMade = 0;
  gui::LaunchWindow* launchRules = nullptr;
  FakeLaunchWindow* launchWindow = nullptr;
  gui::PassProgress* progress = nullptr;
  FakeProgressWindow* progressWindow = nullptr;
  gui::FoundFilesWindow* foundFiles = nullptr;
  FakeFoundFilesWindow* foundFilesWindow = nullptr;
  gui::ExcludedFoldersWindow* excludedFolders = nullptr;
  FakeExcludedFoldersWindow* excludedFoldersWindow = nullptr;
  gui::PassesWindow* passes = nullptr;
  FakePassesWindow* passesWindow = nullptr;
  gui::PassFilesWindow* passFiles = nullptr;
  FakePassFilesWindow* passFilesWindow = nullptr;
  gui::PlansWindow* plans = nullptr;
  FakePlansWindow* plansWindow = nullptr;
  std::string progressTitle;
};

template <typename View>
void FakeWindow<View>::ShowMessageBox(const std::string& prompt, gui::MessageKind kind,
                                      const std::string& title) {
  toolkit_.messages.push_back({prompt, kind, title});
}

template <typename View>
bool FakeWindow<View>::AskYesNo(const std::string& prompt, const std::string& title) {
  toolkit_.questions.push_back(title + ": " + prompt);
  if (toolkit_.answers.empty()) return false;
  const bool answer = toolkit_.answers.front();
  toolkit_.answers.pop_front();
  return answer;
}

}  // namespace tarnwick::testing
