// The windows of the kept passes on Win32: "Durchgänge", a row a pass in columns, and "Dateien
// des Durchgangs N", its files with check boxes.
#pragma once

#include "gui/pass_files_window.h"
#include "gui/passes_window.h"
#include "gui/win32/tick_list.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// "Durchgänge", modal over the main window; Escape and the frame close it.
class PassesWin32 : public Win32View<PassesView> {
 public:
  enum Control { kPassList = 701, kTakeBack = 702, kFiles = 703, kClose = IDCANCEL };

  PassesWin32(Win32Toolkit& toolkit, PassesWindow& rules, HWND owner);

  void SetRows(const std::vector<std::vector<std::string>>& rows,
               std::optional<int> selected) override;
  std::optional<int> SelectedIndex() const override;
  void EnableTakeBackButton(bool enabled) override {
    EnableControl(::GetDlgItem(handle(), kTakeBack), enabled, list_);
  }
  void EnableFilesButton(bool enabled) override {
    EnableControl(::GetDlgItem(handle(), kFiles), enabled, list_);
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  PassesWindow& rules_;
  HWND list_ = nullptr;
  bool filling_ = false;  // the rows are being replaced: no selection by the user
};

// "Dateien des Durchgangs N", modal over "Durchgänge"; Escape and the frame close it.
class PassFilesWin32 : public TickListWindow<PassFilesView> {
 public:
  PassFilesWin32(Win32Toolkit& toolkit, PassFilesWindow& rules, HWND owner);

  void SetCaption(const std::string& caption) override {
    ::SetWindowTextW(handle(), Wide(caption).c_str());
  }
};

}  // namespace tarnwick::gui::win32
