#pragma once

#include "gui/name_entry_dialog.h"
#include "gui/win32/win32_window.h"

namespace tarnwick::gui::win32 {

// Form2's controls. Enter and Escape arrive as IDOK and IDCANCEL and are left alone.
class NameEntryDialogWin32 : public Win32View<NameEntryDialogView> {
 public:
  enum Control { kText1 = 201, kCommand1 = 202, kCommand2 = 203 };

  NameEntryDialogWin32(Win32Toolkit& toolkit, NameEntryDialog& rules, HWND owner);

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void FocusText() override { ::SetFocus(text1_); }
  void BringToFront() override { ::SetForegroundWindow(handle()); }

 private:
  HWND text1_ = nullptr;
};

}  // namespace tarnwick::gui::win32
