#include "gui/win32/found_files_view.h"

#include <commctrl.h>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {

FoundFilesWin32::FoundFilesWin32(Win32Toolkit& toolkit, FoundFilesWindow& rules, HWND owner)
    : Win32View(toolkit), list_(rules) {
  Create(texts::kFoundFilesCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner,
         layout::kFoundFilesWindow);
  const HFONT normal = Font(layout::kNormalPoints, false);
  AddControl(L"STATIC", "", SS_LEFTNOWORDWRAP, 0, layout::kFoundLine, kFoundLine, normal);
  NameNextControl(texts::kFoundFilesAccessibleName);
  list_.Attach(AddControl(WC_LISTVIEWW, "", kTickListStyle, WS_EX_CLIENTEDGE, layout::kFoundList,
                          kFileList, normal));
  AddControl(L"BUTTON", texts::kTickAllButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kFoundTickAll,
             kTickAll, normal);
  AddControl(L"BUTTON", texts::kTickNoneButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
             layout::kFoundTickNone, kTickNone, normal);
  AddControl(L"BUTTON", "", WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kFoundDeal, kDeal, normal);
  AddControl(L"BUTTON", texts::kCancelButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kFoundCancel,
             kCancel, normal);
  MakeModalOver(owner);
  OnCommand(kTickAll, [&rules] { rules.AllClick(); });
  OnCommand(kTickNone, [&rules] { rules.NoneClick(); });
  OnCommand(kDeal, [&rules] { rules.DealClick(); });
  OnCommand(kCancel, [&rules] { rules.CancelClick(); });
  OnClose([&rules] { rules.CancelClick(); });
}

void FoundFilesWin32::SetFoundLine(const std::string& text) {
  ::SetDlgItemTextW(handle(), kFoundLine, Wide(text).c_str());
}

void FoundFilesWin32::SetDealCaption(const std::string& caption) {
  ::SetDlgItemTextW(handle(), kDeal, Wide(caption).c_str());
}

LRESULT FoundFilesWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto answer = list_.AnswerNotice(message, lParam)) return *answer;
  return Win32Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tarnwick::gui::win32
