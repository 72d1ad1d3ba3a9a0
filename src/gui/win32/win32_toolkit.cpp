#include "gui/win32/win32_toolkit.h"

#include "gui/win32/excluded_folders_view.h"
#include "gui/win32/found_files_view.h"
#include "gui/win32/launch_window_view.h"
#include "gui/win32/main_window_view.h"
#include "gui/win32/name_entry_dialog_view.h"
#include "gui/win32/passes_view.h"
#include "gui/win32/plans_view.h"
#include "gui/win32/progress_window_view.h"

namespace tarnwick::gui::win32 {
namespace {

// Every view this toolkit makes is one of its windows.
HWND HandleOf(WindowView& view) { return dynamic_cast<Win32Window&>(view).handle(); }

}  // namespace

std::unique_ptr<MainWindowView> Win32Toolkit::CreateMainWindow(MainWindow& rules) {
  return std::make_unique<MainWindowWin32>(*this, rules);
}

std::unique_ptr<NameEntryDialogView> Win32Toolkit::CreateNameEntryDialog(NameEntryDialog& rules,
                                                                         MainWindowView& owner) {
  return std::make_unique<NameEntryDialogWin32>(*this, rules, HandleOf(owner));
}

std::unique_ptr<LaunchWindowView> Win32Toolkit::CreateLaunchWindow(LaunchWindow& rules) {
  return std::make_unique<LaunchWindowWin32>(*this, rules);
}

std::unique_ptr<ProgressView> Win32Toolkit::CreateProgressWindow(PassProgress& rules,
                                                                 MainWindowView& owner,
                                                                 const std::string& title) {
  return std::make_unique<ProgressWindowWin32>(*this, rules, HandleOf(owner), title);
}

std::unique_ptr<FoundFilesView> Win32Toolkit::CreateFoundFilesWindow(FoundFilesWindow& rules,
                                                                     MainWindowView& owner) {
  return std::make_unique<FoundFilesWin32>(*this, rules, HandleOf(owner));
}

std::unique_ptr<ExcludedFoldersView> Win32Toolkit::CreateExcludedFoldersWindow(
    ExcludedFoldersWindow& rules, MainWindowView& owner) {
  return std::make_unique<ExcludedFoldersWin32>(*this, rules, HandleOf(owner));
}

std::unique_ptr<PlansView> Win32Toolkit::CreatePlansWindow(PlansWindow& rules,
                                                           WindowView& owner) {
  return std::make_unique<PlansWin32>(*this, rules, HandleOf(owner));
}

std::unique_ptr<PassesView> Win32Toolkit::CreatePassesWindow(PassesWindow& rules,
                                                             WindowView& owner) {
  return std::make_unique<PassesWin32>(*this, rules, HandleOf(owner));
}

std::unique_ptr<PassFilesView> Win32Toolkit::CreatePassFilesWindow(PassFilesWindow& rules,
                                                                   WindowView& owner) {
  return std::make_unique<PassFilesWin32>(*this, rules, HandleOf(owner));
}

void Win32Toolkit::Dispatch(MSG& message) {
  if (message.message == WM_QUIT) {
    ended_ = true;
    return;
  }
  // Tab moves between the controls; Enter and Escape become IDOK and IDCANCEL for the window
  // to take or leave.
  const HWND window = ::GetAncestor(message.hwnd, GA_ROOT);
  if (window != nullptr && ::IsDialogMessageW(window, &message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

void Win32Toolkit::ProcessPendingEvents() {
  MSG message;
  while (!ended_ && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) Dispatch(message);
}

void Win32Toolkit::WaitUntil(const std::function<bool()>& done) {
  MSG message;
  while (!ended_ && !done()) {
    if (::GetMessageW(&message, nullptr, 0, 0) <= 0) {
      ended_ = true;
      return;
    }
    Dispatch(message);
  }
}

void Win32Toolkit::SetWaitCursor(bool shown) {
  waitCursor_ = shown;
  ::SetCursor(::LoadCursorW(nullptr, shown ? IDC_WAIT : IDC_ARROW));
}

void Win32Toolkit::EndProgram() {
  ended_ = true;
  ::PostQuitMessage(0);
}

}  // namespace tarnwick::gui::win32
