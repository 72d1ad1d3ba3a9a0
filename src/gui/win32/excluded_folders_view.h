// The window "Ausgenommene Ordner" on Win32.
#pragma once

#include "gui/excluded_folders_window.h"
#include "gui/win32/folder_chooser.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// "Ausgenommene Ordner", modal over the main window; Escape and the frame close it.
class ExcludedFoldersWin32 : public Win32View<ExcludedFoldersView> {
 public:
  enum Control { kFolderList = 601, kAdd = 602, kRemove = 603, kClose = IDCANCEL };

  ExcludedFoldersWin32(Win32Toolkit& toolkit, ExcludedFoldersWindow& rules, HWND owner);

  void SetEntries(const std::vector<std::string>& entries) override;
  std::optional<int> SelectedIndex() const override;
  void EnableRemoveButton(bool enabled) override {
    EnableControl(::GetDlgItem(handle(), kRemove), enabled, list_);
  }
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& start) override {
    return win32::ChooseFolder(handle(), caption, start);
  }

 private:
  HWND list_ = nullptr;
};

}  // namespace tarnwick::gui::win32
