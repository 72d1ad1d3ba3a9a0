#include "gui/win32/main_window_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include "gui/layout.h"
#include "texts/texts.h"

namespace tarnwick::gui::win32 {

namespace {

// The menu bar, its menus and their items in the table's order; Alt and F10 open it, as in
// every Windows program.
HMENU MakeMenuBar() {
  const HMENU bar = ::CreateMenu();
  for (const BarMenuEntry& menu : kMenuBar) {
    const HMENU popup = ::CreatePopupMenu();
    for (const MenuItemEntry& entry : kMainWindowMenu) {
      if (entry.menu != menu.menu) continue;
      const UINT flags = MF_STRING | (entry.item == MenuItem::kTakeBack ? MF_GRAYED : 0);
      ::AppendMenuW(popup, flags, MainWindowWin32::MenuCommand(entry.item),
                    Wide(entry.text).c_str());
    }
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Wide(menu.text).c_str());
  }
  return bar;
}

}  // namespace

MainWindowWin32::MainWindowWin32(Win32Toolkit& toolkit, MainWindow& rules) : Win32View(toolkit) {
  Create(texts::kMainWindowCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
         nullptr, layout::kMainWindow, MakeMenuBar());
  const HFONT normal = Font(layout::kNormalPoints, false);
  // Created in the order keyboard focus moves through them.
  NameNextControl(texts::kNameListAccessibleName);
  nameList_ = AddControl(L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                         WS_EX_CLIENTEDGE, layout::kMainList, kNameList,
                         Font(layout::kNormalPoints, true));
  AddControl(L"BUTTON", texts::kAddButton, WS_TABSTOP | BS_PUSHBUTTON, 0, layout::kMainAddButton,
             kAddName, normal);
  removeNameButton_ = AddControl(L"BUTTON", texts::kRemoveButton, WS_TABSTOP | BS_PUSHBUTTON, 0,
                                 layout::kMainRemoveButton, kRemoveName, normal);
  for (double points = layout::kLargePoints; points >= layout::kSmallestPoints; points -= 0.75) {
    deleteButtonFonts_.push_back(Font(points, true));
  }
  deleteButton_ = AddControl(L"BUTTON", texts::kDeleteButton,
                             WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0,
                             layout::kMainDeleteButton, kDelete, deleteButtonFonts_.front());
  tips_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr,
                            ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, Pixels(4500));

  OnCommand(kNameList, [&rules] { rules.NameListClick(); }, LBN_SELCHANGE);
  OnCommand(kAddName, [&rules] { rules.AddNameClick(); });
  OnCommand(kRemoveName, [&rules] { rules.RemoveNameClick(); });
  OnCommand(kDelete, [&rules] { rules.DeleteClick(); });
  for (const MenuItemEntry& entry : kMainWindowMenu) {
    OnCommand(static_cast<int>(MenuCommand(entry.item)),
              [&rules, item = entry.item] { rules.MenuItemClick(item); });
  }
  OnClose([&rules] { rules.Unload(); });  // when it does not end the program, the window stays
}

void MainWindowWin32::AppendItem(HMENU menu, MenuItem item) const {
  const auto checked = checked_.find(item);
  const auto enabled = enabled_.find(item);
  UINT flags = MF_STRING;
  if (checked != checked_.end() && checked->second) flags |= MF_CHECKED;
  if (enabled != enabled_.end() && !enabled->second) flags |= MF_GRAYED;
  ::AppendMenuW(menu, flags, MenuCommand(item), Wide(EntryOf(item).text).c_str());
}

void MainWindowWin32::SetItemChecked(MenuItem item, bool checked) {
  checked_[item] = checked;
  ::CheckMenuItem(::GetMenu(handle()), MenuCommand(item),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindowWin32::EnableItem(MenuItem item, bool enabled) {
  enabled_[item] = enabled;
  ::EnableMenuItem(::GetMenu(handle()), MenuCommand(item),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MainWindowWin32::ShowContextMenu(HWND control, LPARAM where) {
  POINT point{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (point.x == -1 && point.y == -1) {  // from the keyboard: at the control
    RECT place{};
    ::GetWindowRect(control, &place);
    point = {place.left, place.top};
  }
  const HMENU menu = ::CreatePopupMenu();
  for (const MenuItem item : kContextMenu) AppendItem(menu, item);
  // The chosen item arrives as a WM_COMMAND, through the same handlers as every command.
  ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, point.x, point.y, 0, handle(), nullptr);
  ::DestroyMenu(menu);
}

void MainWindowWin32::SetDeleteButtonCaption(const std::string& caption) {
  const std::wstring text = Wide(caption);
  ::SetWindowTextW(deleteButton_, text.c_str());
  // The largest font in which the wrapped caption fits the button: a longer caption (the
  // trash's) keeps every word instead of losing its last line.
  RECT area{};
  ::GetClientRect(deleteButton_, &area);
  const int margin = ::MulDiv(4, dpi(), 96);
  ::InflateRect(&area, -margin, -margin);
  const HDC context = ::GetDC(deleteButton_);
  HFONT chosen = deleteButtonFonts_.back();
  for (const HFONT font : deleteButtonFonts_) {
    ::SelectObject(context, font);
    RECT needed = area;
    ::DrawTextW(context, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    if (needed.bottom <= area.bottom && needed.right <= area.right) {
      chosen = font;
      break;
    }
  }
  ::ReleaseDC(deleteButton_, context);
  ::SendMessageW(deleteButton_, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
}

void MainWindowWin32::SetDeleteButtonTip(const std::string& tip) {
  tip_ = Wide(tip);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = handle();
  tool.uId = reinterpret_cast<UINT_PTR>(deleteButton_);
  tool.lpszText = tip_.data();
  ::SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  ::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindowWin32::SetEntries(const std::vector<std::string>& entries) {
  ::SendMessageW(nameList_, LB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) AppendEntry(entry);
}

void MainWindowWin32::AppendEntry(const std::string& entry) {
  ::SendMessageW(nameList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
}

std::optional<int> MainWindowWin32::SelectedIndex() const {
  const LRESULT selected = ::SendMessageW(nameList_, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return std::nullopt;
  return static_cast<int>(selected);
}

LRESULT MainWindowWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == nameList_ ||
          reinterpret_cast<HWND>(wParam) == deleteButton_) {
        ShowContextMenu(reinterpret_cast<HWND>(wParam), lParam);
      }
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam != FALSE) ::SendMessageW(handle(), WM_CLOSE, 0, 0);
      return 0;
    default:
      return Win32Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace tarnwick::gui::win32
