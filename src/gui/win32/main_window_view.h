#pragma once

#include "gui/main_window.h"
#include "gui/win32/folder_chooser.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// Form1's controls; every event goes to the main window's rules.
class MainWindowWin32 : public Win32View<MainWindowView> {
 public:
  enum Control { kList2 = 102, kCommand1 = 101, kCommand3 = 103, kCommand4 = 104 };
  // "In den Papierkorb verschieben statt löschen", in the window's system menu and in the menu
  // of a right click on the list or the delete button. A system menu command: a multiple of 16
  // below 0xF000.
  static constexpr UINT kTrashItem = 0x0110;
  // "Vor dem Löschen zeigen, was gefunden wurde", in the same menus.
  static constexpr UINT kLookFirstItem = 0x0120;
  // "Letzten Durchgang aus dem Papierkorb zurückholen", in the same menus.
  static constexpr UINT kTakeBackItem = 0x0130;
  // "Ausgenommene Ordner...", in the same menus.
  static constexpr UINT kExcludedFoldersItem = 0x0140;

  MainWindowWin32(Win32Toolkit& toolkit, MainWindow& rules);

  void SetEntries(const std::vector<std::string>& entries) override;
  void AppendEntry(const std::string& entry) override;
  std::optional<int> SelectedIndex() const override;
  void EnableRemoveButton(bool enabled) override { ::EnableWindow(command3_, enabled); }
  void EnableDeleteButton(bool enabled) override { ::EnableWindow(command4_, enabled); }
  void SetDeleteButtonTip(const std::string& tip) override;
  void SetTrashChecked(bool checked) override;
  void SetLookFirstChecked(bool checked) override;
  void EnableTakeBack(bool enabled) override;
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& start) override {
    return win32::ChooseFolder(handle(), caption, start);
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ShowSwitchMenu(HWND control, LPARAM where);
  // Sets a switch item's check mark in the system menu, keeping it for the right-click menu.
  void CheckItem(UINT item, bool checked, bool& kept);
  // An item of these menus was chosen: true when `item` is one.
  bool ItemClick(UINT item);

  MainWindow& rules_;
  HWND list2_ = nullptr;
  HWND command3_ = nullptr;
  HWND command4_ = nullptr;
  HWND tips_ = nullptr;
  std::wstring tip_;  // the tip control keeps a pointer to it
  bool trashChecked_ = false;
  bool lookFirstChecked_ = false;
  bool takeBackEnabled_ = false;
};

}  // namespace tarnwick::gui::win32
