// The main window on Win32: the menu bar and the menu of a right click on the list or the big
// button, both made from the main window's menu table; its controls and its tooltip.
#pragma once

#include <map>

#include "gui/main_window.h"
#include "gui/win32/folder_chooser.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// Every event goes to the main window's rules.
class MainWindowWin32 : public Win32View<MainWindowView> {
 public:
  enum Control { kAddName = 101, kNameList = 102, kRemoveName = 103, kDelete = 104 };
  // The command of a menu item, in every menu that shows it.
  static UINT MenuCommand(MenuItem item) { return 1000 + static_cast<UINT>(item); }

  MainWindowWin32(Win32Toolkit& toolkit, MainWindow& rules);

  void SetEntries(const std::vector<std::string>& entries) override;
  void AppendEntry(const std::string& entry) override;
  std::optional<int> SelectedIndex() const override;
  void EnableRemoveButton(bool enabled) override {
    EnableControl(removeNameButton_, enabled, nameList_);
  }
  void EnableDeleteButton(bool enabled) override {
    EnableControl(deleteButton_, enabled, nameList_);
  }
  void SetDeleteButtonCaption(const std::string& caption) override;
  void SetDeleteButtonTip(const std::string& tip) override;
  void SetItemChecked(MenuItem item, bool checked) override;
  void EnableItem(MenuItem item, bool enabled) override;
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& start) override {
    return win32::ChooseFolder(handle(), caption, start);
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Appends `item` to `menu` in its present state.
  void AppendItem(HMENU menu, MenuItem item) const;
  void ShowContextMenu(HWND control, LPARAM where);

  HWND nameList_ = nullptr;
  HWND removeNameButton_ = nullptr;
  HWND deleteButton_ = nullptr;
  std::vector<HFONT> deleteButtonFonts_;  // its bold font, largest first, for a caption to fit
  HWND tips_ = nullptr;
  std::wstring tip_;  // the tip control keeps a pointer to it
  // The items' state, for the menus made afresh at each right click.
  std::map<MenuItem, bool> checked_;
  std::map<MenuItem, bool> enabled_{{MenuItem::kTakeBack, false}};
};

}  // namespace tarnwick::gui::win32
