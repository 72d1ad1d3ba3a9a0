// The toolkit of the Windows program: the rules' windows as native Win32 windows, and the
// thread's message loop.
#pragma once

#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// The rules' windows as native Win32 windows, and the thread's message loop.
class Win32Toolkit : public Toolkit {
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

  bool WaitCursorShown() const { return waitCursor_; }

 private:
  void Dispatch(MSG& message);

  bool waitCursor_ = false;
  bool ended_ = false;
};

}  // namespace tarnwick::gui::win32
