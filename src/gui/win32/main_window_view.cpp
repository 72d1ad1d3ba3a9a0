#include "gui/win32/main_window_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {

MainWindowWin32::MainWindowWin32(Win32Toolkit& toolkit, MainWindow& rules)
    : Win32View(toolkit), rules_(rules) {
  Create(texts::kMainWindowCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
         nullptr, layout::kMainWindow);
  const HFONT normal = Font(layout::kNormalPoints, false);
  // Created in the order keyboard focus moves through them.
  NameNextControl(texts::kNameListAccessibleName);
  list2_ = AddControl(L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      WS_EX_CLIENTEDGE, layout::kMainList, kList2, Font(layout::kNormalPoints, true));
  AddControl(L"BUTTON", texts::kAddButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kMainAddButton,
             kCommand1, normal);
  command3_ = AddControl(L"BUTTON", texts::kRemoveButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
                         layout::kMainRemoveButton, kCommand3, normal);
  command4_ = AddControl(L"BUTTON", texts::kDeleteButton,
                         WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0,
                         layout::kMainDeleteButton, kCommand4, Font(layout::kLargePoints, true));
  tips_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr,
                            ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, Pixels(4500));
  const HMENU system = ::GetSystemMenu(handle(), FALSE);
  ::AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(system, MF_STRING, kTrashItem, Wide(texts::kTrashMenuItem).c_str());
  ::AppendMenuW(system, MF_STRING, kLookFirstItem, Wide(texts::kLookFirstMenuItem).c_str());
  ::AppendMenuW(system, MF_STRING | MF_GRAYED, kTakeBackItem,
                Wide(texts::kTakeBackMenuItem).c_str());
  ::AppendMenuW(system, MF_STRING, kExcludedFoldersItem,
                Wide(texts::kExcludedFoldersMenuItem).c_str());
}

void MainWindowWin32::EnableTakeBack(bool enabled) {
  takeBackEnabled_ = enabled;
  ::EnableMenuItem(::GetSystemMenu(handle(), FALSE), kTakeBackItem,
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MainWindowWin32::SetTrashChecked(bool checked) { CheckItem(kTrashItem, checked, trashChecked_); }

void MainWindowWin32::SetLookFirstChecked(bool checked) {
  CheckItem(kLookFirstItem, checked, lookFirstChecked_);
}

void MainWindowWin32::CheckItem(UINT item, bool checked, bool& kept) {
  kept = checked;
  ::CheckMenuItem(::GetSystemMenu(handle(), FALSE), item,
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool MainWindowWin32::ItemClick(UINT item) {
  if (item == kTrashItem) rules_.TrashItemClick();
  if (item == kLookFirstItem) rules_.LookFirstItemClick();
  if (item == kTakeBackItem) rules_.TakeBackItemClick();
  if (item == kExcludedFoldersItem) rules_.ExcludedFoldersItemClick();
  return item == kTrashItem || item == kLookFirstItem || item == kTakeBackItem ||
         item == kExcludedFoldersItem;
}

void MainWindowWin32::ShowSwitchMenu(HWND control, LPARAM where) {
  POINT point{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (point.x == -1 && point.y == -1) {  // from the keyboard: at the control
    RECT place{};
    ::GetWindowRect(control, &place);
    point = {place.left, place.top};
  }
  const HMENU menu = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_STRING | (trashChecked_ ? MF_CHECKED : MF_UNCHECKED), kTrashItem,
                Wide(texts::kTrashMenuItem).c_str());
  ::AppendMenuW(menu, MF_STRING | (lookFirstChecked_ ? MF_CHECKED : MF_UNCHECKED), kLookFirstItem,
                Wide(texts::kLookFirstMenuItem).c_str());
  ::AppendMenuW(menu, MF_STRING | (takeBackEnabled_ ? MF_ENABLED : MF_GRAYED), kTakeBackItem,
                Wide(texts::kTakeBackMenuItem).c_str());
  ::AppendMenuW(menu, MF_STRING, kExcludedFoldersItem,
                Wide(texts::kExcludedFoldersMenuItem).c_str());
  const UINT chosen = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0,
                                       handle(), nullptr);
  ::DestroyMenu(menu);
  ItemClick(chosen);
}

void MainWindowWin32::SetDeleteButtonTip(const std::string& tip) {
  tip_ = Wide(tip);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = handle();
  tool.uId = reinterpret_cast<UINT_PTR>(command4_);
  tool.lpszText = tip_.data();
  ::SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  ::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindowWin32::SetEntries(const std::vector<std::string>& entries) {
  ::SendMessageW(list2_, LB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) AppendEntry(entry);
}

void MainWindowWin32::AppendEntry(const std::string& entry) {
  ::SendMessageW(list2_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
}

std::optional<int> MainWindowWin32::SelectedIndex() const {
  const LRESULT selected = ::SendMessageW(list2_, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return std::nullopt;
  return static_cast<int>(selected);
}

LRESULT MainWindowWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kList2:
          if (HIWORD(wParam) == LBN_SELCHANGE) rules_.List2Click();
          return 0;
        case kCommand1: rules_.Command1Click(); return 0;
        case kCommand3: rules_.Command3Click(); return 0;
        case kCommand4: rules_.Command4Click(); return 0;
        default: return 0;  // IDOK and IDCANCEL from Enter and Escape
      }
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == list2_ || reinterpret_cast<HWND>(wParam) == command4_) {
        ShowSwitchMenu(reinterpret_cast<HWND>(wParam), lParam);
      }
      return 0;
    case WM_SYSCOMMAND:
      if (ItemClick(static_cast<UINT>(wParam & 0xFFF0))) return 0;
      return Win32Window::HandleMessage(message, wParam, lParam);
    case WM_CLOSE:
      rules_.Unload();  // when it does not end the program, the window stays
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam != FALSE) rules_.Unload();
      return 0;
    default:
      return Win32Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace tarnwick::gui::win32
