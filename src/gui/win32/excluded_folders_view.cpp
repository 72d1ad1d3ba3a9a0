#include "gui/win32/excluded_folders_view.h"

#include <algorithm>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {

ExcludedFoldersWin32::ExcludedFoldersWin32(Win32Toolkit& toolkit, ExcludedFoldersWindow& rules,
                                           HWND owner)
    : Win32View(toolkit) {
  Create(texts::kExcludedFoldersCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner,
         layout::kExcludedFoldersWindow);
  const HFONT normal = Font(layout::kNormalPoints, false);
  NameNextControl(texts::kExcludedFoldersCaption);
  list_ = AddControl(L"LISTBOX", "",
                     WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                     WS_EX_CLIENTEDGE, layout::kExcludedList, kFolderList, normal);
  AddControl(L"BUTTON", texts::kAddFolderButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
             layout::kExcludedAdd, kAdd, normal);
  AddControl(L"BUTTON", texts::kRemoveFolderButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
             layout::kExcludedRemove, kRemove, normal);
  AddControl(L"BUTTON", texts::kCloseButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kExcludedClose,
             kClose, normal);
  MakeModalOver(owner);
  OnCommand(kFolderList, [&rules] { rules.ListClick(); }, LBN_SELCHANGE);
  OnCommand(kAdd, [&rules] { rules.AddClick(); });
  OnCommand(kRemove, [&rules] { rules.RemoveClick(); });
  OnCommand(kClose, [&rules] { rules.CloseClick(); });
  OnClose([&rules] { rules.CloseClick(); });
}

void ExcludedFoldersWin32::SetEntries(const std::vector<std::string>& entries) {
  ::SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  LONG widest = 0;
  const HDC context = ::GetDC(list_);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(list_, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = ::SelectObject(context, font);
  for (const std::string& entry : entries) {
    const std::wstring text = Wide(entry);
    ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SIZE size{};
    ::GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, size.cx);
  }
  ::SelectObject(context, previous);
  ::ReleaseDC(list_, context);
  // A long path scrolls sideways rather than being cut.
  ::SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + Pixels(120)), 0);
}

std::optional<int> ExcludedFoldersWin32::SelectedIndex() const {
  const LRESULT selected = ::SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return std::nullopt;
  return static_cast<int>(selected);
}

}  // namespace tarnwick::gui::win32
