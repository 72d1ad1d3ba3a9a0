// The toolkit of the Linux program: the rules' windows as Qt widgets, and Qt's event loop.
#pragma once

#include "gui/toolkit.h"

namespace tarnwick::gui::qt {

// The rules' windows as Qt 6 widgets, and Qt's event handling. Needs a QApplication.
class QtToolkit : public Toolkit {
 public:
  std::unique_ptr<MainWindowView> CreateMainWindow(MainWindow& rules) override;
  std::unique_ptr<NameEntryDialogView> CreateNameEntryDialog(NameEntryDialog& rules,
                                                             MainWindowView& owner) override;
  std::unique_ptr<LaunchWindowView> CreateLaunchWindow(LaunchWindow& rules) override;
  std::unique_ptr<ProgressView> CreateProgressWindow(PassProgress& rules, MainWindowView& owner,
                                                     const std::string& title) override;
  std::unique_ptr<FoundFilesView> CreateFoundFilesWindow(FoundFilesWindow& rules,
                                                         MainWindowView& owner) override;
  std::unique_ptr<ExcludedFoldersView> CreateExcludedFoldersWindow(ExcludedFoldersWindow& rules,
                                                                   MainWindowView& owner) override;
  std::unique_ptr<PassesView> CreatePassesWindow(PassesWindow& rules, WindowView& owner) override;
  std::unique_ptr<PassFilesView> CreatePassFilesWindow(PassFilesWindow& rules,
                                                       WindowView& owner) override;
  std::unique_ptr<PlansView> CreatePlansWindow(PlansWindow& rules, WindowView& owner) override;

  void ProcessPendingEvents() override;
  void WaitUntil(const std::function<bool()>& done) override;
  void SetWaitCursor(bool shown) override;
  void EndProgram() override;

 private:
  bool ended_ = false;
};

}  // namespace tarnwick::gui::qt
