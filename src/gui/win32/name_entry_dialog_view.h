// The name entry dialog on Win32: its text box and two buttons.
#pragma once

#include "gui/name_entry_dialog.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// Enter and Escape arrive as IDOK and IDCANCEL and are left alone.
class NameEntryDialogWin32 : public Win32View<NameEntryDialogView> {
 public:
  enum Control { kNameText = 201, kCancel = 202, kAccept = 203 };

  NameEntryDialogWin32(Win32Toolkit& toolkit, NameEntryDialog& rules, HWND owner);

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void FocusText() override { ::SetFocus(nameText_); }
  void BringToFront() override { ::SetForegroundWindow(handle()); }

 private:
  HWND nameText_ = nullptr;
};

}  // namespace tarnwick::gui::win32
