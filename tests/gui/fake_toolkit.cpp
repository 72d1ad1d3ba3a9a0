#include "fake_toolkit.h"

#include <gtest/gtest.h>

namespace tarnwick::testing {

std::unique_ptr<gui::MainWindowView> FakeToolkit::CreateMainWindow(gui::MainWindow&) {
  auto view = std::make_unique<FakeMainWindow>(*this);
  mainWindow = view.get();
  return view;
}

std::unique_ptr<gui::NameEntryDialogView> FakeToolkit::CreateNameEntryDialog(
    gui::NameEntryDialog& rules, gui::MainWindowView&) {
  auto view = std::make_unique<FakeNameEntryDialog>(*this);
  dialog = &rules;
  dialogView = view.get();
  ++dialogsMade;
  return view;
}

std::unique_ptr<gui::LaunchWindowView> FakeToolkit::CreateLaunchWindow(gui::LaunchWindow& rules) {
  auto view = std::make_unique<FakeLaunchWindow>(*this);
  launchRules = &rules;
  launchWindow = view.get();
  return view;
}

std::unique_ptr<gui::ProgressView> FakeToolkit::CreateProgressWindow(gui::PassProgress& rules,
                                                                     gui::MainWindowView&,
                                                                     const std::string& title) {
  auto view = std::make_unique<FakeProgressWindow>();
  progress = &rules;
  progressWindow = view.get();
  progressTitle = title;
  return view;
}

std::unique_ptr<gui::FoundFilesView> FakeToolkit::CreateFoundFilesWindow(
    gui::FoundFilesWindow& rules, gui::MainWindowView&) {
  auto view = std::make_unique<FakeFoundFilesWindow>(*this);
  foundFiles = &rules;
  foundFilesWindow = view.get();
  return view;
}

std::unique_ptr<gui::ExcludedFoldersView> FakeToolkit::CreateExcludedFoldersWindow(
    gui::ExcludedFoldersWindow& rules, gui::MainWindowView&) {
  auto view = std::make_unique<FakeExcludedFoldersWindow>(*this);
  excludedFolders = &rules;
  excludedFoldersWindow = view.get();
  return view;
}

std::unique_ptr<gui::PlansView> FakeToolkit::CreatePlansWindow(gui::PlansWindow& rules,
                                                                gui::WindowView&) {
  auto view = std::make_unique<FakePlansWindow>(*this);
  plans = &rules;
  plansWindow = view.get();
  return view;
}

std::unique_ptr<gui::PassesView> FakeToolkit::CreatePassesWindow(gui::PassesWindow& rules,
                                                                  gui::WindowView&) {
  auto view = std::make_unique<FakePassesWindow>(*this);
  passes = &rules;
  passesWindow = view.get();
  return view;
}

std::unique_ptr<gui::PassFilesView> FakeToolkit::CreatePassFilesWindow(
    gui::PassFilesWindow& rules, gui::WindowView&) {
  auto view = std::make_unique<FakePassFilesWindow>(*this);
  passFiles = &rules;
  passFilesWindow = view.get();
  return view;
}

void FakeToolkit::ProcessPendingEvents() { onEvents(); }

void FakeToolkit::WaitUntil(const std::function<bool()>& done) {
  for (int turn = 0; !ended && !done(); ++turn) {
    if (turn == 1000) {
      ADD_FAILURE() << "the wait never ended";
      return;
    }
    onEvents();
  }
}

}  // namespace tarnwick::testing
