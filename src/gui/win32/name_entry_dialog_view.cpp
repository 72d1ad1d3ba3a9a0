#include "gui/win32/name_entry_dialog_view.h"

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {

NameEntryDialogWin32::NameEntryDialogWin32(Win32Toolkit& toolkit, NameEntryDialog& rules,
                                           HWND owner)
    : Win32View(toolkit) {
  Create(texts::kNameEntryCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner,
         layout::kNameEntry);
  NameNextControl(texts::kNameEntryCaption);
  nameText_ = AddControl(L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                      layout::kNameEntryText, kNameText, Font(layout::kLargePoints, true));
  AddControl(L"BUTTON", texts::kCancelButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
             layout::kNameEntryCancel, kCancel, Font(layout::kNormalPoints, false));
  AddControl(L"BUTTON", texts::kAcceptButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
             layout::kNameEntryAccept, kAccept, Font(layout::kNormalPoints, true));
  OnCommand(kCancel, [&rules] { rules.CancelClick(); });
  OnCommand(kAccept, [&rules] { rules.AcceptClick(); });
  OnClose([&rules] { rules.FrameClosed(); });
}

std::string NameEntryDialogWin32::Text() const { return TextOfControl(nameText_); }

void NameEntryDialogWin32::SetText(const std::string& text) {
  ::SetWindowTextW(nameText_, Wide(text).c_str());
}

}  // namespace tarnwick::gui::win32
